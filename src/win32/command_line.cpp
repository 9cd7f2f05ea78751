#include "win32/command_line.h"

#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

#include <sstream>

#include "common/wide_text.h"
#include "files/disk_files.h"
#include "frontend/command_line.h"

namespace aquamere::win32 {
namespace {

bool usable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// The console of the prompt the program was started from, for standard
// output or error where the prompt did not redirect them.
HANDLE console_output() {
  return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                     nullptr);
}

// A console shows UTF-16 written to it whatever its code page; a file or a
// pipe gets the UTF-8 bytes the Linux program writes.
void write(HANDLE handle, const std::string& text) {
  if (!usable(handle) || text.empty()) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = to_wide(text);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace

std::vector<std::string> command_line_arguments() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(to_utf8(words[i]));
  LocalFree(words);
  return arguments;
}

std::optional<int> answer_command_line(const std::vector<std::string>& arguments) {
  DiskFiles disk;
  std::ostringstream out;
  std::ostringstream errors;
  const std::optional<int> status = aquamere::answer_command_line(disk, arguments, out, errors);
  if (!status) return status;
  // Redirected handles came with the process; a console has to be joined.
  HANDLE standard_output = GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE standard_error = GetStdHandle(STD_ERROR_HANDLE);
  if ((!usable(standard_output) || !usable(standard_error)) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    if (!usable(standard_output)) standard_output = console_output();
    if (!usable(standard_error)) standard_error = console_output();
  }
  write(standard_output, out.str());
  write(standard_error, errors.str());
  return status;
}

}  // namespace aquamere::win32
