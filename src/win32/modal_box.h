#pragma once

#include <windows.h>

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

}  // namespace aquamere::win32
