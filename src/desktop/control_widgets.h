#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "common/form.h"

namespace aquamere {

// A single-line text box that also reports a double-click, after the box
// has taken it (selecting the word under the pointer).
class TextBox : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void()> double_clicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A multi-line text box, likewise.
class MultiLineBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<void()> double_clicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The client area of a window: its background reports double-clicks. The
// controls keep theirs, so a double-click on a label or frame is not one on
// the window.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> double_clicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Texts cross between the model (UTF-8, CR LF line ends) and Qt (LF).
QString to_qt(const std::string& text);
std::string from_qt(const QString& text);

// The widget of a control of any kind but a menu item, inside `parent`,
// named and placed as in the model and cut to the parent's edges, as a
// window clips a control drawn past them.
QWidget* make_control(const Control& control, QWidget* parent);

// Brings the widget in step with the control, touching only what differs:
// texts and states from what the widget shows, list lines from `before`,
// the control as last shown (nullptr when the widget is new).
void show_control(QWidget* widget, const Control& control, const Control* before);

}  // namespace aquamere
