#include "win32/dialogs.h"

#include <windows.h>

// After windows.h, which it needs.
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/failure.h"
#include "common/wide_text.h"
#include "frontend/file_dialogs.h"
#include "win32/input_box.h"
#include "win32/modal_box.h"

namespace aquamere::win32 {
namespace {

// The longest path the common dialogs give back, with its NUL.
constexpr std::size_t longest_path = 32768;

// The dialog proposing `proposed`: the path chosen, "" when the user
// cancelled, nothing when the dialog would not take the name proposed.
SaveAnswer ask_save_path(HWND owner, const std::wstring& title, const std::wstring& proposed) {
  // Name and pattern of each kind of file, each ending with a NUL; c_str()
  // adds the second NUL that ends the list.
  const std::wstring filter = to_wide(book_filter_name) + L'\0' + to_wide(book_filter_pattern) + L'\0';
  const std::wstring extension = to_wide(book_extension);
  std::wstring file = proposed;
  file.resize(std::max(file.size() + 1, longest_path), L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (GetSaveFileNameW(&dialog)) return to_utf8(file.c_str());
  const DWORD error = CommDlgExtendedError();
  if (error == 0) return std::string();
  if (error == FNERR_INVALIDFILENAME || error == FNERR_BUFFERTOOSMALL) return std::nullopt;
  throw Failure("无法打开保存文件的对话框（错误代码 " + std::to_string(error) + "）。");
}

}  // namespace

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
  const BoxOverTheProgram over;
  const std::wstring caption = to_wide(title);
  return save_path_proposing(to_wide(proposed), [&](const std::wstring& name) {
    return ask_save_path(over.owner(), caption, name);
  });
}

// Windows' common open dialog, which takes only a file that exists. It
// starts in the folder of the report in force, where a designer keeps the
// reports of the other risers, and leaves the current folder as it was.
std::string Dialogs::open_path(std::string_view title, std::string_view current) {
  if (before_) before_();
  const BoxOverTheProgram over;
  const std::wstring caption = to_wide(title);
  const std::wstring filter = to_wide(report_filter_name) + L'\0' + to_wide(report_filter_pattern) + L'\0' +
                              to_wide(any_file_filter_name) + L" (*.*)" + L'\0' + L"*.*" + L'\0';
  const std::wstring report = to_wide(current);
  const std::size_t folder_end = report.find_last_of(L"\\/");
  const std::wstring folder =
      folder_end == std::wstring::npos ? std::wstring() : report.substr(0, folder_end + 1);
  std::wstring file(longest_path, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = over.owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = caption.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (GetOpenFileNameW(&dialog)) return to_utf8(file.c_str());
  const DWORD error = CommDlgExtendedError();
  if (error == 0) return {};
  throw Failure("无法打开选择计算书的对话框（错误代码 " + std::to_string(error) + "）。");
}

std::string save_path_proposing(const std::wstring& proposed,
                                const std::function<SaveAnswer(const std::wstring& name)>& ask) {
  const std::size_t folder_end = proposed.find_last_of(L"\\/");
  const std::wstring bare = folder_end == std::wstring::npos ? proposed : proposed.substr(folder_end + 1);
  for (const std::wstring& name : {proposed, bare, std::wstring()}) {
    if (const SaveAnswer chosen = ask(name)) return *chosen;
  }
  throw Failure("无法打开保存文件的对话框：它不接受任何文件名。");
}

}  // namespace aquamere::win32
