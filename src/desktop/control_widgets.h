#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "common/form.h"

namespace aquamere {

// A widget that also reports a double-click, after the widget has taken it
// (a text box selects the word under the pointer).
template <class Widget>
class ReportingDoubleClicks : public Widget {
 public:
  using Widget::Widget;
  std::function<void()> double_clicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    Widget::mouseDoubleClickEvent(event);
    if (double_clicked) double_clicked();
  }
};

using TextBox = ReportingDoubleClicks<QLineEdit>;
using MultiLineBox = ReportingDoubleClicks<QPlainTextEdit>;
// The client area of a window: its background reports double-clicks. The
// controls keep theirs, so a double-click on a label or frame is not one on
// the window.
using ClientArea = ReportingDoubleClicks<QWidget>;

// Texts cross between the model (UTF-8, CR LF line ends) and Qt (LF).
QString to_qt(std::string_view text);
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
