#pragma once

#include <filesystem>
#include <string_view>

namespace aquamere {

// A path of the program, which holds its texts in UTF-8, as the file system
// library takes it on every system: on Windows a plain string would be read
// in the system's code page.
inline std::filesystem::path utf8_path(std::string_view utf8) {
  return {std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size())};
}

}  // namespace aquamere
