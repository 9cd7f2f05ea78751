#include "journal/json_writer.h"

#include <charconv>
#include <cmath>

#include "journal/json_text.h"

namespace aquamere {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

// Keys are the program's own plain names and need no escape.
void JsonWriter::member(std::string_view key) {
  if (!first_) text_ += ',';
  first_ = false;
  text_ += '"';
  text_ += key;
  text_ += "\":";
}

// Most of a record is ASCII that needs no escape, taken in runs: a
// character at a time made the journal's line half of a calculate click.
void JsonWriter::quoted(std::string_view text) {
  text_ += '"';
  while (!text.empty()) {
    const std::size_t plain = plain_json_run(text);
    text_.append(text.substr(0, plain));
    text.remove_prefix(plain);
    if (text.empty()) break;
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
  NumberDigits digits;
  text_.append(digits.data(), shortest_decimals(value, digits));
}

// Most numbers of a record have four decimals or fewer: the inner
// diameters, lengths, sums, losses. Their digits come from an integer, far
// faster than the general search for the shortest digits that
// std::to_chars makes (540 instructions a number, a fifth of a calculate
// click with the journal). Below 0.001 and from 100000 on, the shortest
// form may be the exponent form (1e-04, 1e+05), and to_chars writes it.
char* shortest_decimals(double x, NumberDigits& digits) {
  const double size = std::fabs(x);
  if (size >= 0.001 && size < 1e5) {
    constexpr std::array<double, 5> scales = {1, 10, 100, 1000, 10000};
    for (std::size_t decimals = 0; decimals < scales.size(); ++decimals) {
      const double scaled = std::round(size * scales[decimals]);
      if (scaled / scales[decimals] != size) continue;
      const auto whole = static_cast<long long>(scaled);
      const auto scale = static_cast<long long>(scales[decimals]);
      char* at = digits.data();
      if (x < 0) *at++ = '-';
      at = std::to_chars(at, digits.data() + digits.size(), whole / scale).ptr;
      if (decimals == 0) return at;
      *at++ = '.';
      for (long long unit = scale / 10, rest = whole % scale; unit > 0; unit /= 10) {
        *at++ = static_cast<char>('0' + rest / unit % 10);
      }
      return at;
    }
  }
  return std::to_chars(digits.data(), digits.data() + digits.size(), x).ptr;
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

template <typename T, typename Item>
void JsonWriter::array(std::string_view key, std::span<const T> values, Item item) {
  member(key);
  text_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text_ += ',';
    item(values[i]);
  }
  text_ += ']';
}

void JsonWriter::numbers(std::string_view key, std::span<const double> values) {
  array(key, values, [this](double x) { plain_number(x); });
}

void JsonWriter::texts(std::string_view key, std::span<const std::string> values) {
  array(key, values, [this](std::string_view text) { quoted(text); });
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
