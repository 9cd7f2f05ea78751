#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/utf8.h"

// The texts of the journal's JSON, both ways.
namespace aquamere {

// How many bytes at the start of the text stand in a JSON string as they
// are: printable ASCII but the quote and the backslash. Most of a record
// is such runs, taken at once.
inline std::size_t plain_json_run(std::string_view text) {
  static constexpr std::array<bool, 256> plain = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 0x80; ++c) table[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return table;
  }();
  std::size_t n = 0;
  while (n < text.size() && plain[static_cast<unsigned char>(text[n])]) ++n;
  return n;
}

}  // namespace aquamere
