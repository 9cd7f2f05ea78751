#include "desktop/form_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <algorithm>
#include <vector>

#include "desktop/appearance.h"
#include "desktop/control_widgets.h"
#include "desktop/menus.h"
#include "frontend/form_view.h"
#include "program/program.h"

namespace aquamere {

FormWindow::FormWindow(const Form& form, std::function<void(const UserAction&)> act)
    : name_(form.name), act_(std::move(act)) {
  setObjectName(QString::fromStdString(form.name));
  auto* area = new ClientArea(this);
  area->setFixedSize(aquamere::to_pixels(form.width), aquamere::to_pixels(form.height));
  // A click on the background takes the focus from a text box, so that
  // Ctrl+X, C, V and A then reach the menu instead of editing the box.
  area->setFocusPolicy(Qt::ClickFocus);
  area->double_clicked = [this] { send([window = name_](Program& p) { p.double_click(window, ""); }); };
  setCentralWidget(area);
  const bool has_menus = std::any_of(form.controls.begin(), form.controls.end(),
                                     [](const Control& c) { return c.kind == Kind::MenuItem; });
  if (has_menus) {
    menu_items_ = build_menu_bar(form, menuBar(), [this](const std::string& item) {
      send([window = name_, item](Program& p) { p.click(window, item); });
    });
  }
  add_controls(form);
  set_tab_order(form);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  show_form(form);
}

// Frames first, so that each control can be placed inside its frame. The
// options of one choice share one exclusive group.
void FormWindow::add_controls(const Form& form) {
  const auto parent_of = [this](const Control& c) {
    return c.parent.empty() ? centralWidget() : widgets_.at(c.parent);
  };
  std::vector<std::pair<const Control*, QButtonGroup*>> choices;  // by the choice's first option
  const auto group_of = [&](const Control& option) {
    const auto same = [&option](const auto& choice) { return same_choice(*choice.first, option); };
    auto it = std::find_if(choices.begin(), choices.end(), same);
    if (it == choices.end()) it = choices.insert(it, {&option, new QButtonGroup(this)});
    return it->second;
  };
  for (const Control& c : form.controls) {
    if (c.kind == Kind::Frame) widgets_[c.name] = make_control(c, parent_of(c));
  }
  for (const Control& c : form.controls) {
    if (c.kind == Kind::Frame || c.kind == Kind::MenuItem) continue;
    QWidget* widget = make_control(c, parent_of(c));
    widgets_[c.name] = widget;
    wire(c, widget);
    if (c.kind == Kind::OptionButton) group_of(c)->addButton(static_cast<QAbstractButton*>(widget));
  }
}

void FormWindow::wire(const Control& c, QWidget* widget) {
  const std::string control(c.name);
  const auto double_click = [this, control] {
    send([window = name_, control](Program& p) { p.double_click(window, control); });
  };
  if (auto* box = dynamic_cast<TextBox*>(widget)) {
    connect(box, &QLineEdit::textEdited, this,
            [this, control](const QString& text) { send(typed(shown_, control, from_qt(text))); });
    box->double_clicked = double_click;
  } else if (auto* multi = dynamic_cast<MultiLineBox*>(widget)) {
    connect(multi, &QPlainTextEdit::textChanged, this,
            [this, control, multi] { send(typed(shown_, control, from_qt(multi->toPlainText()))); });
    multi->double_clicked = double_click;
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::currentRowChanged, this,
            [this, control](int row) { send(chosen(shown_, control, row)); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, control] {
      note_checks(shown_, [this](const Control& option) {
        return static_cast<QAbstractButton*>(this->control(option.name))->isChecked();
      });
      send([window = name_, control](Program& p) { p.click(window, control); });
    });
  }
}

// The control first in the tab order takes the focus when the window opens.
void FormWindow::set_tab_order(const Form& form) {
  const std::vector<const Control*> order = tab_order(form);
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(control(order[i - 1]->name), control(order[i]->name));
  }
  if (!order.empty()) control(order.front()->name)->setFocus();
}

void FormWindow::show_form(const Form& form) {
  // Qt titles a window without a title with the program's name; an empty
  // caption is shown as one blank, a title bar with nothing in it.
  const QString caption = form.caption.empty() ? QStringLiteral(" ") : to_qt(form.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  const bool first = shown_.controls.empty();
  for (const std::size_t i : changed_controls(shown_, form)) {
    const Control& c = form.controls[i];
    if (QWidget* widget = control(c.name)) {
      show_control(widget, c, first ? nullptr : &shown_.controls[i]);
    } else if (QAction* item = menu_item(c.name);
               item != nullptr && !item->isSeparator() && item->text() != to_qt(c.text)) {
      // A separator's "-" only marks it in the model: as its text, styles
      // draw it at the line's left.
      item->setText(to_qt(c.text));
    }
  }
  shown_ = form;
}

QWidget* FormWindow::control(std::string_view name) const {
  const auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

QAction* FormWindow::menu_item(std::string_view name) const {
  const auto it = menu_items_.find(name);
  return it == menu_items_.end() ? nullptr : it->second;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  send([window = name_](Program& p) { p.close(window); });
}

}  // namespace aquamere
