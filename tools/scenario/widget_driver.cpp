#include "scenario/widget_driver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <stdexcept>

#include "desktop/appearance.h"
#include "desktop/control_widgets.h"
#include "desktop/desktop.h"
#include "mainwindow/frmmain_names.h"
#include "program/program.h"
#include "scenario/gui_mode.h"
#include "scenario/variables.h"

namespace aquamere::scenario {
namespace {

constexpr int activation_timeout_ms = 2000;

std::string align_name(Qt::Alignment align) {
  if (align & Qt::AlignRight) return "right";
  if (align & Qt::AlignHCenter) return "center";
  return "left";
}

// Where a user clicks a check box or option: inside the part that answers.
QPoint click_point(QWidget* widget) {
  const bool check = qobject_cast<QCheckBox*>(widget) != nullptr;
  if (!check && qobject_cast<QRadioButton*>(widget) == nullptr) return widget->rect().center();
  QStyleOptionButton option;
  option.initFrom(widget);
  option.text = static_cast<QAbstractButton*>(widget)->text();
  const auto element = check ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect;
  return widget->style()->subElementRect(element, &option, widget).center();
}

// A spot of the window's background that no control covers.
QPoint free_spot(QWidget* client) {
  for (int y = 2; y < client->height(); y += 4) {
    for (int x = 2; x < client->width(); x += 4) {
      if (client->childAt(x, y) == nullptr) return {x, y};
    }
  }
  throw std::invalid_argument("the window has no free background");
}

class WidgetDriver : public Driver {
 public:
  WidgetDriver(DialogPort& dialogs, FilePort& files, KeptSettings& kept)
      : program_(dialogs, files, kept), desktop_(program_) {
    settle();
  }

  void type(const std::string& window, const std::string& control, const std::string& text) override {
    QWidget* widget = reachable(window, control);
    widget->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      line->selectAll();
      line->insert(to_qt(text));
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
      multi->selectAll();
      multi->insertPlainText(to_qt(text));
    } else {
      throw std::invalid_argument(control + " is no text box");
    }
    settle();
  }

  void click(const std::string& window, const std::string& control) override {
    if (QAction* item = open_window(window).menu_item(control)) {
      if (!item->isSeparator() && item->menu() == nullptr) item->trigger();
    } else {
      QWidget* widget = reachable(window, control);
      QTest::mouseClick(widget, Qt::LeftButton, {}, click_point(widget));
    }
    settle();
  }

  // A click on the line, scrolled into view first as a user would.
  void select(const std::string& window, const std::string& control, int row) override {
    auto* list = qobject_cast<QListWidget*>(reachable(window, control));
    if (list == nullptr) throw std::invalid_argument(control + " is no list box");
    QListWidgetItem* item = list->item(row);
    if (item == nullptr) throw std::invalid_argument(control + " has no line " + std::to_string(row + 1));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    settle();
  }

  void double_click(const std::string& window, const std::string& control) override {
    if (control.empty()) {
      QWidget* client = open_window(window).client();
      QTest::mouseDClick(client, Qt::LeftButton, {}, free_spot(client));
    } else {
      QWidget* widget = reachable(window, control);
      if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) widget = multi->viewport();
      QTest::mouseDClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    settle();
  }

  // The key goes to the main window with no text box focused, where
  // Ctrl+A/C/V/X would keep their editing meaning: when one has the focus,
  // the user first clicks the window's background.
  void key(const std::string& keys) override {
    FormWindow& main = open_window(std::string(frmmain::name));
    const QKeySequence sequence(QString::fromStdString(keys));
    if (sequence.isEmpty() || !answers(main, sequence)) {
      throw std::invalid_argument("no menu item answers " + keys);
    }
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main, activation_timeout_ms)) {
      throw std::runtime_error("the main window does not take the keyboard");
    }
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit*>(focus) != nullptr || qobject_cast<QPlainTextEdit*>(focus) != nullptr) {
      QTest::mouseClick(main.client(), Qt::LeftButton, {}, free_spot(main.client()));
    }
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &main;
    QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
    settle();
  }

  void close(const std::string& window) override {
    open_window(window).close();
    settle();
  }

  void screenshot(const std::string& window, const std::string& path) override {
    if (!existing(window).grab().save(QString::fromStdString(path), "PNG")) {
      throw std::runtime_error("cannot write the screenshot " + path);
    }
  }

  std::string text(const std::string& window, const std::string& control) override {
    FormWindow& form = existing(window);
    if (control.empty()) {  // an empty caption is titled with one blank
      const QString title = form.windowTitle();
      return title == QStringLiteral(" ") ? std::string() : from_qt(title);
    }
    if (QAction* item = form.menu_item(control)) return from_qt(item->text());
    QWidget* widget = control_of(form, control);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return from_qt(line->text());
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) return from_qt(multi->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(widget)) return from_qt(label->text());
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return from_qt(frame->title());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (button->isCheckable()) return button->isChecked() ? "1" : "0";
      return from_qt(button->text());
    }
    return {};
  }

  std::vector<std::string> items(const std::string& window, const std::string& control) override {
    auto* list = qobject_cast<QListWidget*>(control_of(existing(window), control));
    if (list == nullptr) throw std::invalid_argument(control + " is no list box");
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) lines.push_back(from_qt(list->item(i)->text()));
    return lines;
  }

  int selected(const std::string& window, const std::string& control) override {
    auto* list = qobject_cast<QListWidget*>(control_of(existing(window), control));
    if (list == nullptr) throw std::invalid_argument(control + " is no list box");
    return list->currentRow();
  }

  std::string align(const std::string& window, const std::string& control) override {
    QWidget* widget = control_of(existing(window), control);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return align_name(line->alignment());
    if (auto* label = qobject_cast<QLabel*>(widget)) return align_name(label->alignment());
    return "left";
  }

  bool window_open(const std::string& window) override {
    const FormWindow* form = desktop_.window(window);
    return form != nullptr && form->isVisible();
  }

  std::string variable(const std::string& name) override { return variable_text(program_.state(), name); }
  std::string report_path() override { return scenario::report_path(program_); }

 private:
  // Lets the desktop finish what the last step started, windows it
  // discarded included.
  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static bool answers(const FormWindow& main, const QKeySequence& sequence) {
    const auto actions = main.findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(),
                       [&](const QAction* a) { return a->shortcut() == sequence; });
  }

  FormWindow& existing(const std::string& window) {
    FormWindow* form = desktop_.window(window);
    if (form == nullptr) throw std::invalid_argument("window " + window + " does not exist");
    return *form;
  }

  // The user reaches only windows that are open.
  FormWindow& open_window(const std::string& window) {
    FormWindow* form = desktop_.window(window);
    if (form == nullptr || !form->isVisible())
      throw std::invalid_argument("window " + window + " is not open");
    return *form;
  }

  static QWidget* control_of(const FormWindow& form, const std::string& control) {
    QWidget* widget = form.control(control);
    if (widget == nullptr) {
      throw std::invalid_argument(form.objectName().toStdString() + " has no control " + control);
    }
    return widget;
  }

  QWidget* reachable(const std::string& window, const std::string& control) {
    QWidget* widget = control_of(open_window(window), control);
    if (!widget->isVisible() || !widget->isEnabled()) {
      throw std::invalid_argument(control + " cannot be reached");
    }
    return widget;
  }

  Program program_;
  Desktop desktop_;
};

}  // namespace

std::unique_ptr<Driver> make_widget_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept) {
  set_up_application(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  return std::make_unique<WidgetDriver>(dialogs, files, kept);
}

// The widgets are drawn off screen unless the caller chose a platform.
int play_with_gui(int argc, char** argv, const Player& play) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  return play(make_widget_driver);
}

}  // namespace aquamere::scenario
