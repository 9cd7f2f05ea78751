#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aquamere::win32 {

// The program's arguments after its own name, in UTF-8.
std::vector<std::string> command_line_arguments();

// The command line answered without a window (aquamere::answer_command_line):
// the exit status, or nothing when the main window is to open. A program of the Windows subsystem has no
// console of its own: what it says goes to the console of the command prompt it was started from, or to
// wherever that prompt sent its output.
std::optional<int> answer_command_line(const std::vector<std::string>& arguments);

}  // namespace aquamere::win32
