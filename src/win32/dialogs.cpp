#include "win32/dialogs.h"

#include <windows.h>

// After windows.h, which it needs.
#include <commdlg.h>

#include <algorithm>

#include "common/wide_text.h"
#include "win32/input_box.h"
#include "win32/modal_box.h"

namespace aquamere::win32 {

// A failure reads like any other message: the system's boxes carry no icon.
// Every window of the program waits for OK.
void Dialogs::message(std::string_view title, std::string_view text, bool) {
  if (before_) before_();
  const BoxOverTheProgram over;
  MessageBoxW(over.owner(), to_wide(text).c_str(), to_wide(title).c_str(), MB_OK | MB_APPLMODAL);
}

std::string Dialogs::input(std::string_view title, std::string_view prompt) {
  if (before_) before_();
  return run_input_box(title, prompt);
}

// Windows' common save dialog, which asks before it overwrites a file and
// adds ".xlsx" to a name typed without an extension. It leaves the current
// folder as it was: a relative report path, the default one among them, is
// taken from there.
std::string Dialogs::save_path(std::string_view title, std::string_view proposed) {
  if (before_) before_();
  // Name and pattern of each kind of file, each ending with a NUL; c_str()
  // adds the second NUL that ends the list.
  const std::wstring filter = to_wide("Excel 工作簿 (*.xlsx)") + L'\0' + L"*.xlsx" + L'\0';
  const std::wstring caption = to_wide(title);
  constexpr std::size_t longest_path = 32768;
  std::wstring file = to_wide(proposed);
  file.resize(std::max(file.size() + 1, longest_path), L'\0');
  const BoxOverTheProgram over;
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = over.owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  dialog.lpstrDefExt = L"xlsx";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetSaveFileNameW(&dialog)) return {};
  return to_utf8(file.c_str());
}

}  // namespace aquamere::win32
