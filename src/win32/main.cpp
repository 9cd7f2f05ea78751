// Aquamere: sizing the cold-water supply pipes of residential buildings.
// Without arguments it starts with its main window and ends when its last
// window has closed. `aquamere.exe --export-book REPORT [BOOK.xlsx]` writes
// the calculation book of a report as an Excel workbook, without a window.
#include <windows.h>

#include "win32/command_line.h"
#include "win32/run_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::vector<std::string> arguments = aquamere::win32::command_line_arguments();
  if (!arguments.empty() && arguments.front() == "--export-book") {
    return aquamere::win32::export_book_command({arguments.begin() + 1, arguments.end()});
  }
  return aquamere::win32::run_program();
}
