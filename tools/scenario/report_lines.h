#pragma once

#include <string>
#include <vector>

namespace aquamere::scenario {

// The report file's lines, decoded to UTF-8, without their line ends.
std::vector<std::string> report_lines(const std::string& path);

}  // namespace aquamere::scenario
