#include "desktop/control_widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyle>
#include <QStyledItemDelegate>

#include "desktop/appearance.h"
#include "frontend/form_view.h"

namespace aquamere {
namespace {

// List rows as high as the face and text a pixel from the edge, as in the
// system's list boxes, so that a list shows as many rows as it was drawn for
// and a narrow list ("流速m/s" beside its scroll bar) its whole lines.
class CompactRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height());
    return size;
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // The style keeps its focus-frame margin and a pixel on each side.
    const QWidget* list = option.widget;
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    QStyleOptionViewItem row(option);
    row.rect.adjust(-margin, 0, margin, 0);
    QStyledItemDelegate::paint(painter, row, index);
  }
};

Qt::Alignment horizontal(Align align) {
  switch (align) {
    case Align::Left:
      return Qt::AlignLeft;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Center:
      return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

QWidget* make_text_box(const Control& c, QWidget* parent) {
  if (!c.multiline) return new TextBox(parent);
  auto* box = new MultiLineBox(parent);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->document()->setDocumentMargin(2);
  return box;
}

QWidget* make_list_box(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setItemDelegate(new CompactRows(list));
  list->setUniformItemSizes(true);
  list->setTextElideMode(Qt::ElideNone);  // a line too long is cut, not shortened
  return list;
}

QWidget* make_label(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);  // a caption longer than its label wraps at blanks
  return label;
}

QWidget* make_widget(const Control& c, QWidget* parent) {
  switch (c.kind) {
    case Kind::TextBox:
      return make_text_box(c, parent);
    case Kind::Label:
      return make_label(parent);
    case Kind::ListBox:
      return make_list_box(parent);
    case Kind::CheckBox:
      return new QCheckBox(parent);
    case Kind::OptionButton:
      return new QRadioButton(parent);
    case Kind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      return button;
    }
    case Kind::Frame:
      return new QGroupBox(parent);  // drawn by the program's style
    case Kind::MenuItem:
      break;
  }
  return nullptr;
}

void show_line_box(QLineEdit* box, const Control& c) {
  const QString text = to_qt(c.text);
  if (box->text() != text) box->setText(text);
  const Qt::Alignment align = horizontal(c.align) | Qt::AlignVCenter;
  if (box->alignment() != align) box->setAlignment(align);
}

void show_multiline_box(QPlainTextEdit* box, const Control& c) {
  const QString text = to_qt(c.text);
  if (box->toPlainText() == text) return;
  const QSignalBlocker quiet(box);  // the program's own text is no user edit
  box->setPlainText(text);
}

void show_label(QLabel* label, const Control& c) {
  const QString text = to_qt(c.text);
  if (label->text() != text) label->setText(text);
  const Qt::Alignment align = horizontal(c.align) | Qt::AlignTop;
  if (label->alignment() != align) label->setAlignment(align);
}

// The program's chosen line shows as the list's current row; setting it is
// no choice of the user's, so the list's own signals stay silent meanwhile.
void show_list(QListWidget* list, const Control& c, const Control* before) {
  const QSignalBlocker quiet(list);
  if (before == nullptr || !(before->items == c.items)) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(c.items.size()));
    for (const std::string& line : c.items) lines.append(to_qt(line));
    list->clear();
    list->addItems(lines);
  }
  if (list->currentRow() != c.selected) list->setCurrentRow(c.selected);
}

void show_button(QAbstractButton* button, const Control& c) {
  const QString text = to_qt(c.text);
  if (button->text() != text) button->setText(text);
  if (!button->isCheckable() || button->isChecked() == (c.value == 1)) return;
  // An exclusive group would refuse to clear the last chosen option, while
  // the program may clear them all.
  QButtonGroup* group = button->group();
  const bool exclusive = group != nullptr && group->exclusive();
  if (exclusive) group->setExclusive(false);
  button->setChecked(c.value == 1);
  if (exclusive) group->setExclusive(true);
}

void show_frame(QGroupBox* frame, const Control& c) {
  const QString title = to_qt(c.text);
  if (frame->title() != title) frame->setTitle(title);
}

}  // namespace

QString to_qt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string from_qt(const QString& text) {
  return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

QWidget* make_control(const Control& c, QWidget* parent) {
  QWidget* widget = make_widget(c, parent);
  if (widget == nullptr) return nullptr;
  widget->setObjectName(to_qt(c.name));
  widget->setGeometry(qt_rect(c.rect).intersected(QRect(QPoint(0, 0), parent->size())));
  widget->setFont(control_font(c.font));
  widget->setAttribute(Qt::WA_NoMousePropagation);
  if (!takes_focus(c)) widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

void show_control(QWidget* widget, const Control& c, const Control* before) {
  switch (c.kind) {
    case Kind::TextBox:
      if (auto* line = qobject_cast<QLineEdit*>(widget)) return show_line_box(line, c);
      return show_multiline_box(static_cast<QPlainTextEdit*>(widget), c);
    case Kind::Label:
      return show_label(static_cast<QLabel*>(widget), c);
    case Kind::ListBox:
      return show_list(static_cast<QListWidget*>(widget), c, before);
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton:
      return show_button(static_cast<QAbstractButton*>(widget), c);
    case Kind::Frame:
      return show_frame(static_cast<QGroupBox*>(widget), c);
    case Kind::MenuItem:
      return;
  }
}

}  // namespace aquamere
