#include "report/json_writer.h"

#include <charconv>
#include <cmath>

namespace aquamere {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence that starts text, 0 when it is none.
std::size_t utf8_length(std::string_view text) {
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

}  // namespace

void JsonWriter::member(std::string_view key) {
  if (!first_) text_ += ',';
  first_ = false;
  quoted(key);
  text_ += ':';
}

void JsonWriter::quoted(std::string_view text) {
  text_ += '"';
  while (!text.empty()) {
    const std::size_t length = utf8_length(text);
    const char c = text.front();
    if (length == 0) {
      text_ += replacement;
    } else if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr char hex[] = "0123456789abcdef";
      text_ += "\\u00";
      text_ += hex[static_cast<unsigned char>(c) >> 4];
      text_ += hex[static_cast<unsigned char>(c) & 0xFu];
    } else {
      text_.append(text.substr(0, length));
    }
    text.remove_prefix(length == 0 ? 1 : length);
  }
  text_ += '"';
}

void JsonWriter::plain_number(double value) {
  if (!std::isfinite(value)) {
    text_ += "null";
    return;
  }
  char digits[32];
  text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonWriter::open(std::string_view key) {
  member(key);
  text_ += '{';
  first_ = true;
}

void JsonWriter::close() {
  text_ += '}';
  first_ = false;
}

void JsonWriter::text(std::string_view key, std::string_view value) {
  member(key);
  quoted(value);
}

void JsonWriter::number(std::string_view key, double value) {
  member(key);
  plain_number(value);
}

void JsonWriter::number(std::string_view key, const std::optional<double>& value) {
  if (value) return number(key, *value);
  null(key);
}

void JsonWriter::numbers(std::string_view key, std::span<const double> values) {
  member(key);
  text_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text_ += ',';
    plain_number(values[i]);
  }
  text_ += ']';
}

void JsonWriter::boolean(std::string_view key, bool value) {
  member(key);
  text_ += value ? "true" : "false";
}

void JsonWriter::null(std::string_view key) {
  member(key);
  text_ += "null";
}

std::string JsonWriter::line() && {
  text_ += "}\n";
  return std::move(text_);
}

}  // namespace aquamere
