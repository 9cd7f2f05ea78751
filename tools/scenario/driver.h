#pragma once

#include <string>
#include <vector>

namespace aquamere::scenario {

// How a scenario reaches the program: straight into the form model, or
// through the real Qt widgets as a user would. Every check reads what the
// user would see in that mode. A window is named "frmmain", "frmset" …; a
// control by its name; control "" stands for the window itself.
class Driver {
 public:
  virtual ~Driver() = default;

  // User steps. Each throws std::invalid_argument for an unknown or
  // unreachable window or control.
  virtual void type(const std::string& window, const std::string& control, const std::string& text) = 0;
  virtual void click(const std::string& window, const std::string& control) = 0;
  virtual void double_click(const std::string& window, const std::string& control) = 0;
  // Chooses the row-th line of a list box, counted from 0, as a user's click
  // or arrow key would.
  virtual void select(const std::string& window, const std::string& control, int row) = 0;
  // A shortcut key ("F2", "Ctrl+S") in the main window, no text box focused.
  virtual void key(const std::string& keys) = 0;
  virtual void close(const std::string& window) = 0;
  virtual void screenshot(const std::string& window, const std::string& path) = 0;

  // Checks. text: a text box's text, the caption of a label, frame, button,
  // menu item or window (control ""), or "0"/"1" for a check box or option.
  virtual std::string text(const std::string& window, const std::string& control) = 0;
  virtual std::vector<std::string> items(const std::string& window, const std::string& control) = 0;
  // The line a list box shows as chosen, counted from 0; -1 for none.
  virtual int selected(const std::string& window, const std::string& control) = 0;
  // "left", "right" or "center".
  virtual std::string align(const std::string& window, const std::string& control) = 0;
  virtual bool window_open(const std::string& window) = 0;
  // A public variable of the main window, or coef_i, as its general text.
  virtual std::string variable(const std::string& name) = 0;
  // Where the report writer would write now (`report_path` of variables.h).
  virtual std::string report_path() = 0;
};

}  // namespace aquamere::scenario
