#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The program's texts are UTF-8: the journal's JSON, the settings file and
// the Excel book's cells all check and write them with these.
namespace aquamere {

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

// Whether the text is UTF-8 throughout. ASCII, most of a journal's line,
// is passed over eight bytes at a time.
inline bool is_utf8(std::string_view text) {
  constexpr std::uint64_t high_bits = 0x8080808080808080u;
  for (std::size_t at = 0; at < text.size();) {
    if (std::uint64_t eight = 0; at + sizeof eight <= text.size()) {
      std::memcpy(&eight, text.data() + at, sizeof eight);
      if ((eight & high_bits) == 0) {
        at += sizeof eight;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
    } else if (const std::size_t length = utf8_length(text.substr(at))) {
      at += length;
    } else {
      return false;
    }
  }
  return true;
}

// The text with every byte that starts no UTF-8 sequence as U+FFFD.
inline std::string mended_utf8(std::string_view text) {
  std::string mended;
  mended.reserve(text.size() + 8);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8_length(text.substr(at));
    mended.append(length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(at, length));
    at += length == 0 ? 1 : length;
  }
  return mended;
}

// Appends the code point, at most U+10FFFF, as UTF-8.
inline void append_utf8(std::string& out, char32_t code) {
  const auto byte = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | code >> 6);
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | code >> 12);
    byte(0x80 | (code >> 6 & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | code >> 18);
    byte(0x80 | (code >> 12 & 0x3F));
    byte(0x80 | (code >> 6 & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

}  // namespace aquamere
