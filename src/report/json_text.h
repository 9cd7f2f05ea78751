#pragma once

#include <array>
#include <cstddef>
#include <string_view>

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

// The length of the UTF-8 sequence that starts `text`, 0 when it is none:
// a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a code point beyond U+10FFFF.
inline std::size_t utf8_length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned int code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = code << 6 | (byte(i) & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

}  // namespace aquamere
