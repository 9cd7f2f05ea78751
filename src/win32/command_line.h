#pragma once

#include <string>
#include <vector>

namespace aquamere::win32 {

// The program's arguments after its own name, in UTF-8.
std::vector<std::string> command_line_arguments();

// `aquamere.exe --export-book REPORT [BOOK.xlsx]`: writes the calculation
// book of the report without a window (book::export_book_command) and
// returns the exit code. A program of the Windows subsystem has no console
// of its own: what it says goes to the console of the command prompt it was
// started from, or to wherever that prompt sent its output.
int export_book_command(const std::vector<std::string>& arguments);

}  // namespace aquamere::win32
