#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "files/file_port.h"

namespace aquamere {

// What the program does with the arguments after its name before it opens
// any window, the same on every system: none opens the main window
// (nothing is returned); --export-book writes a calculation book, --help
// prints the usage, --version the version; anything else is an error naming
// it, with the usage, and exit status 2. Returns the exit status when the
// program is done without a window.
std::optional<int> answer_command_line(FilePort& files, const std::vector<std::string>& arguments,
                                       std::ostream& out, std::ostream& errors);

}  // namespace aquamere
