#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace aquamere::win32 {

// While a box of the program is up (a message, the input box, the save
// dialog) no window of the program takes input: the box is owned by the
// window that was active, which the box's own loop disables, and every
// other window is disabled here. When the box has gone, its owner is
// active again with the focus in the control that had it, so that the
// user's next key goes where it went before.
class BoxOverTheProgram {
 public:
  BoxOverTheProgram();
  BoxOverTheProgram(const BoxOverTheProgram&) = delete;
  BoxOverTheProgram& operator=(const BoxOverTheProgram&) = delete;
  ~BoxOverTheProgram();
  HWND owner() const { return owner_; }

 private:
  HWND owner_;
  HWND focus_;  // the control of the owner that had the focus
};

// The input box's dialog template, laid out in dialog units as a dialog
// resource would be: the prompt at the top left, OK and Cancel at the
// right, the text box across the bottom.
inline constexpr int input_box_edit = 100;
inline constexpr int input_box_prompt = 101;
std::vector<WORD> input_box_template(std::string_view title, std::string_view prompt);

// Shows the input box over the program's windows and returns what was
// typed, "" when cancelled.
std::string run_input_box(std::string_view title, std::string_view prompt);

}  // namespace aquamere::win32
