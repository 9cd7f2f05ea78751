#include "common/convert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/failure.h"

namespace aquamere {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
  std::size_t end = 0;      // one past the last character of the number
  bool has_digits = false;  // the mantissa has at least one digit
  bool negative_exponent = false;
};

// Scans the longest number starting at `pos`: sign, digits, point, digits,
// and an exponent only when digits follow its letter.
Scan scan_number(std::string_view text, std::size_t pos) {
  Scan scan;
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && is_digit(text[i])) {
    ++i;
    scan.has_digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && is_digit(text[i])) {
      ++i;
      scan.has_digits = true;
    }
  }
  scan.end = i;
  if (!scan.has_digits || i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return scan;
  std::size_t j = i + 1;
  bool negative = false;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
  if (j >= text.size() || !is_digit(text[j])) return scan;
  while (j < text.size() && is_digit(text[j])) ++j;
  scan.end = j;
  scan.negative_exponent = negative;
  return scan;
}

// A scanned number without exponent and of at most 15 digits, which is
// nearly every text a user types or the program writes, read from its
// digits; nothing for any other number.
std::optional<double> plain_decimal(std::string_view number) {
  constexpr std::size_t most_digits = 15;
  std::uint64_t digits = 0;
  std::size_t count = 0;
  int decimals = 0;
  bool after_point = false;
  for (const char c : number) {
    if (c == '.') {
      after_point = true;
      continue;
    }
    if (!is_digit(c) || ++count > most_digits) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (after_point) ++decimals;
  }
  return scaled_decimal(digits, -decimals);
}

// Reads the scanned number; nullopt when it lies beyond the double range.
std::optional<double> read_scanned(std::string_view number, bool negative_exponent) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  std::optional<double> value = plain_decimal(number);
  if (!value) {
    value = 0;
    const auto result =
        std::from_chars(number.data(), number.data() + number.size(), *value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
      if (!negative_exponent) return std::nullopt;
      value = 0;  // too small to hold: it reads as zero
    }
  }
  return negative ? -*value : *value;
}

std::size_t skip_blanks(std::string_view text, std::size_t i) {
  while (i < text.size() && is_blank(text[i])) ++i;
  return i;
}

std::string out_of_range_message(std::string_view text, std::string_view what) {
  return "计算失败：「" + std::string(what) + "」中的“" + quoted_for_message(text) + "”超出数值范围。";
}

}  // namespace

std::optional<double> strict_number(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  const Scan scan = scan_number(text, start);
  if (!scan.has_digits || skip_blanks(text, scan.end) != text.size()) return std::nullopt;
  return read_scanned(text.substr(start, scan.end - start), scan.negative_exponent);
}

std::optional<double> leading_number(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  const Scan scan = scan_number(text, start);
  if (!scan.has_digits) return 0.0;
  return read_scanned(text.substr(start, scan.end - start), scan.negative_exponent);
}

double strict_number(std::string_view text, std::string_view what) {
  if (const auto value = strict_number(text)) return *value;
  const Scan scan = scan_number(text, skip_blanks(text, 0));
  if (scan.has_digits && skip_blanks(text, scan.end) == text.size()) {
    throw Failure(out_of_range_message(text, what));
  }
  throw Failure("无法计算：「" + std::string(what) + "」中的“" + quoted_for_message(text) + "”不是数字。");
}

double leading_number(std::string_view text, std::string_view what) {
  if (const auto value = leading_number(text)) return *value;
  throw Failure(out_of_range_message(text, what));
}

// At most 15 digits make an integer below 2^53 and a power of ten up to
// 10^22 is exact, so one correctly rounded product or quotient gives the
// nearest double, the same as from_chars at a fraction of the cost.
double scaled_decimal(std::uint64_t digits, int exponent) {
  static constexpr std::array<double, 23> powers_of_ten{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const auto size = static_cast<int>(powers_of_ten.size());
  const auto whole = static_cast<double>(digits);
  if (exponent >= 0 && exponent < size) return whole * powers_of_ten[static_cast<std::size_t>(exponent)];
  if (exponent < 0 && -exponent < size) return whole / powers_of_ten[static_cast<std::size_t>(-exponent)];
  // Digits, 'e', exponent: at most 20 + 1 + 11 characters.
  std::array<char, 48> text{};
  const auto digits_end = std::to_chars(text.data(), text.data() + 20, digits).ptr;
  text[static_cast<std::size_t>(digits_end - text.data())] = 'e';
  const auto end = std::to_chars(digits_end + 1, text.data() + text.size(), exponent).ptr;
  double value = 0;
  std::from_chars(text.data(), end, value, std::chars_format::scientific);
  return value;
}

std::int16_t strict_int16(std::string_view text, std::string_view what) {
  const double rounded = std::nearbyint(strict_number(text, what));
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Failure(out_of_range_message(text, what));
  return static_cast<std::int16_t>(rounded);
}

std::string quoted_for_message(std::string_view text) {
  constexpr std::size_t most = 40;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && characters++ == most) return std::string(text.substr(0, i)) + "…";
  }
  return std::string(text);
}

}  // namespace aquamere
