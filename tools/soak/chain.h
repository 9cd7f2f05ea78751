#pragma once

#include <string>
#include <string_view>

#include "program/program.h"

namespace aquamere::soak {

// What undoing the last segment and taking up the chain must leave: the
// files as they must read afterwards, and the program the next day.

// The whole file; empty when there is none.
std::string whole_file(const std::string& path);
// The report without its last segment line, the lines after it staying.
std::string without_last_segment(std::string_view report);
// The journal without its last record.
std::string without_last_line(std::string_view journal);
// A program started afresh on the same disk that has taken up the chain of
// the report at `path`; "" when it could, or why it could not.
std::string take_up(const std::string& path, ProgramState& state);

}  // namespace aquamere::soak
