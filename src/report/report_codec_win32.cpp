// The report's codec on Windows' own converters: code page 936 for every
// character it has (GBK's bytes, and "€" as 0x80), GB18030, code page 54936,
// for the few it lacks. A system without code page 54936 (Wine) writes
// those characters nowhere: the command that meets one fails, as with a
// converter missing on Linux.
#include <windows.h>

#include <stdexcept>

#include "common/wide_text.h"
#include "report/report_codec.h"

namespace aquamere {
namespace {

constexpr UINT gbk = 936;
constexpr UINT gb18030 = 54936;
constexpr wchar_t replacement = 0xFFFD;
constexpr std::string_view replacement_bytes = "\x84\x31\xA4\x37";  // U+FFFD in GB18030
constexpr std::string_view euro_gb18030 = "\xA2\xE3";               // "€" as GB18030 writes it

bool is_ascii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The bytes of `wide` in code page 936; false when it lacks a character.
bool to_gbk(std::wstring_view wide, std::string& out) {
  if (wide.empty()) return true;
  BOOL lacked = FALSE;
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(gbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lacked);
  if (length == 0 || lacked) return false;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(length));
  WideCharToMultiByte(gbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data() + at, length, nullptr,
                      nullptr);
  return true;
}

void to_gb18030(std::wstring_view character, std::string& out) {
  if (character.size() == 1 && character[0] == replacement) {
    out += replacement_bytes;
    return;
  }
  const int size = static_cast<int>(character.size());
  char bytes[8];
  const int length =
      WideCharToMultiByte(gb18030, 0, character.data(), size, bytes, sizeof bytes, nullptr, nullptr);
  if (length == 0) throw std::runtime_error("系统没有GB18030(代码页54936)的编码转换。");
  out.append(bytes, static_cast<std::size_t>(length));
}

// One character: a surrogate pair stands together.
std::size_t character_length(std::wstring_view wide, std::size_t i) {
  const bool pair = wide[i] >= 0xD800 && wide[i] < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                    wide[i + 1] < 0xE000;
  return pair ? 2 : 1;
}

// Where the character after the one at `i` begins: a byte below 0x81 stands
// alone; a lead byte begins four bytes when a digit follows it, else two.
std::size_t next_character(std::string_view bytes, std::size_t i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
  if (byte(i) < 0x81 || byte(i) == 0xFF || i + 1 == bytes.size()) return i + 1;
  const bool four = byte(i + 1) >= '0' && byte(i + 1) <= '9';
  return std::min(bytes.size(), i + (four ? 4 : 2));
}

// The text of `bytes` in `code_page`; false where a byte does not decode.
bool decode_in(UINT code_page, std::string_view bytes, std::wstring& out) {
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length == 0) return false;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(length));
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, out.data() + at, length);
  return true;
}

// Character by character: what does not decode becomes U+FFFD, one for each
// byte, and the next character starts at the byte after it.
void decode_slowly(std::string_view bytes, std::wstring& out) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t next = next_character(bytes, i);
    const std::string_view character = bytes.substr(i, next - i);
    if (character == euro_gb18030) {
      out += L'\u20AC';
    } else if (!decode_in(character.size() == 4 ? gb18030 : gbk, character, out)) {
      out += replacement;
      i += 1;
      continue;
    }
    i = next;
  }
}

}  // namespace

struct ReportCodec::Converters {};

ReportCodec::ReportCodec() = default;

ReportCodec::~ReportCodec() = default;

// Most lines are all in code page 936 and convert in one call; a line with
// a character it lacks goes character by character.
std::string ReportCodec::encode(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  const std::wstring wide = to_wide(utf8);
  std::string out;
  if (to_gbk(wide, out)) return out;
  out.clear();
  for (std::size_t i = 0; i < wide.size();) {
    const std::wstring_view character = std::wstring_view(wide).substr(i, character_length(wide, i));
    if (!to_gbk(character, out)) to_gb18030(character, out);
    i += character.size();
  }
  return out;
}

std::string ReportCodec::decode(std::string_view bytes) {
  if (is_ascii(bytes)) return std::string(bytes);
  std::wstring wide;
  if (bytes.find(euro_gb18030) != std::string_view::npos || !decode_in(gbk, bytes, wide)) {
    wide.clear();
    decode_slowly(bytes, wide);
  }
  return to_utf8(wide);
}

}  // namespace aquamere
