#include "win32/dialogs.h"

#include <windows.h>

#include "common/wide_text.h"
#include "win32/input_box.h"

namespace aquamere::win32 {

// A failure reads like any other message: the system's boxes carry no icon.
// Task-modal: every window of the program waits for OK.
void Dialogs::message(std::string_view title, std::string_view text, bool) {
  if (before_) before_();
  MessageBoxW(nullptr, to_wide(text).c_str(), to_wide(title).c_str(), MB_OK | MB_TASKMODAL);
}

std::string Dialogs::input(std::string_view title, std::string_view prompt) {
  if (before_) before_();
  return run_input_box(title, prompt);
}

}  // namespace aquamere::win32
