#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "common/form.h"
#include "frontend/form_windows.h"

class QAction;

namespace aquamere {

// The Qt window of one model window, built from its form: a fixed client
// area of the form's size holding a widget per control (each named as the
// control), frames holding their controls, one exclusive group of options
// per frame, the menu bar from the menu items, and the tab order. It hands
// every user input to `act` and shows the form it is given.
class FormWindow : public QMainWindow {
 public:
  FormWindow(const Form& form, std::function<void(const UserAction&)> act);

  // Brings caption and controls in step with the form, touching only what
  // changed since the form last shown; what the user typed or clicked counts
  // as shown, so the program's own answer is never echoed back.
  void show_form(const Form& form);
  bool visible() const { return isVisible(); }
  void set_visible(bool shown) {
    if (isVisible() != shown) setVisible(shown);
  }
  void bring_to_front() {
    raise();
    activateWindow();
  }

  // The widget of a control, nullptr for a menu item or an unknown name.
  QWidget* control(std::string_view name) const;
  // The action of a menu item, nullptr for an unknown name.
  QAction* menu_item(std::string_view name) const;
  QWidget* client() const { return centralWidget(); }

 protected:
  // The close box asks the program; the window closes when its form goes.
  void closeEvent(QCloseEvent* event) override;

 private:
  void add_controls(const Form& form);
  void wire(const Control& control, QWidget* widget);
  void set_tab_order(const Form& form);
  void send(const UserAction& action) { act_(action); }

  std::string name_;
  std::function<void(const UserAction&)> act_;
  std::map<std::string_view, QWidget*> widgets_;
  std::map<std::string_view, QAction*> menu_items_;
  Form shown_;  // what the widgets show
};

}  // namespace aquamere
