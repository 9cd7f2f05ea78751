#include "common/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "common/convert.h"
#include "common/failure.h"

namespace aquamere {
namespace {

constexpr int significant_digits = 15;

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no trailing zeros, at least one
  int exponent = 0;    // value = d1.d2d3... x 10^exponent
};

// The digits of a scientific form the standard library wrote,
// "-d.dddde+XX", with at most 17 significant digits.
struct Scientific {
  bool negative = false;
  std::array<char, 17> digits{};
  std::size_t count = 0;
  int exponent = 0;
};

Scientific read_scientific(const char* at, const char* end) {
  Scientific s;
  if (*at == '-') {
    s.negative = true;
    ++at;
  }
  const char* e = std::find(at, end, 'e');
  for (; at < e; ++at) {
    if (*at != '.') s.digits[s.count++] = *at;
  }
  const char* exponent = e + 1;
  if (*exponent == '+') ++exponent;
  std::from_chars(exponent, end, s.exponent);
  return s;
}

// Rounds the digits half up to 15. Nothing when the digits beyond the 15th
// are exactly one half: which way that goes depends on the bits beyond.
bool round_to_significant(Scientific& s) {
  const auto kept = static_cast<std::size_t>(significant_digits);
  if (s.count <= kept) return true;
  if (s.digits[kept] == '5' &&
      std::all_of(&s.digits[kept + 1], &s.digits[s.count], [](char c) { return c == '0'; }))
    return false;
  const bool up = s.digits[kept] >= '5';
  s.count = kept;
  if (!up) return true;
  std::size_t i = kept;
  while (i > 0 && s.digits[i - 1] == '9') s.digits[--i] = '0';
  if (i > 0) {
    ++s.digits[i - 1];
  } else {
    s.digits[0] = '1';  // 9.99…9 rounds up to 10
    ++s.exponent;
  }
  return true;
}

Decimal decimal_of(const Scientific& s) {
  std::size_t count = s.count;
  while (count > 1 && s.digits[count - 1] == '0') --count;
  return {s.negative, std::string(s.digits.data(), count), s.exponent};
}

// The shortest digits that read back as a normal double; nothing for zero
// and the subnormal numbers, whose fewer digits the rounding below cannot use.
std::optional<Scientific> shortest_digits(double x) {
  if (!std::isnormal(x)) return std::nullopt;
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific).ptr;
  return read_scientific(buffer, end);
}

// The exact binary value of the double correctly rounded to 15 digits.
Scientific correctly_rounded_digits(double x) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significant_digits - 1)
          .ptr;
  return read_scientific(buffer, end);
}

// The double at 15 significant digits, from its shortest digits (as
// shortest_digits gives them). A normal double holds nearly 16, so its
// shortest digits lie nearer to it than any other decimal of their length
// and than half a unit of the 15th digit: rounding them to 15 gives the
// double's own rounding, except when they stop exactly half-way. Then, and
// for the subnormal numbers, the standard library's correctly rounded form
// of the exact binary value decides.
Scientific fifteen_digits(double x, std::optional<Scientific> shortest) {
  if (shortest && round_to_significant(*shortest)) return *shortest;
  return correctly_rounded_digits(x);
}

Decimal to_decimal(double x) { return decimal_of(fifteen_digits(x, shortest_digits(x))); }

// Far from a tie at the fifth decimal, the 15-digit decimal and the double
// itself round to the same ten-thousandth, so the product with 10000 tells
// which. Below 100000 the 15-digit rounding moves the count by less than
// 0.00001, far inside the margin; only a number near a tie, or a larger one,
// needs its decimal digits. Every velocity, 1000i and flow shown passes
// here, so the common case must not write digits: that is a good part of a
// calculate click's own work.
std::optional<std::int64_t> count_far_from_tie(double x) {
  const double count = x * static_cast<double>(Fixed4::scale);
  if (!(std::fabs(count) < 1e9)) return std::nullopt;
  const double fraction = std::fabs(count - std::trunc(count));
  if (std::fabs(fraction - 0.5) < 1e-3) return std::nullopt;
  return std::llround(count);
}

// Whole numbers below 10^15, the counts and sums of equivalents, have at
// most 15 digits: their text writes them as they are.
bool is_short_whole(double x) { return std::fabs(x) < 1e15 && x == std::trunc(x); }

std::string plain_form(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  const int point = d.exponent + 1;  // digits before the decimal point
  const int count = static_cast<int>(d.digits.size());
  if (point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += d.digits;
  } else if (point >= count) {
    out += d.digits;
    out.append(static_cast<std::size_t>(point - count), '0');
  } else {
    out += d.digits.substr(0, static_cast<std::size_t>(point));
    out += '.';
    out += d.digits.substr(static_cast<std::size_t>(point));
  }
  return out;
}

std::string exponent_form(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  out += d.digits.front();
  if (d.digits.size() > 1) {
    out += '.';
    out += d.digits.substr(1);
  }
  out += d.exponent < 0 ? "E-" : "E+";
  const std::string magnitude = std::to_string(std::abs(d.exponent));
  if (magnitude.size() < 2) out += '0';
  out += magnitude;
  return out;
}

}  // namespace

std::string number_text(double x) {
  if (x == 0.0) return "0";
  if (is_short_whole(x)) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x));
    return std::string(buffer, result.ptr);
  }
  const Decimal decimal = to_decimal(x);
  if (decimal.exponent >= -5 && decimal.exponent < significant_digits) return plain_form(decimal);
  return exponent_form(decimal);
}

double rounded_to_15_digits(double x) {
  if (is_short_whole(x)) return x + 0.0;  // -0 reads as 0
  const std::optional<Scientific> shortest = shortest_digits(x);
  // A double whose shortest digits are 15 or fewer is its own 15-digit text.
  if (shortest && shortest->count <= static_cast<std::size_t>(significant_digits)) return x;
  const Scientific digits = fifteen_digits(x, shortest);
  std::uint64_t whole = 0;
  for (std::size_t i = 0; i < digits.count; ++i)
    whole = whole * 10 + static_cast<std::uint64_t>(digits.digits[i] - '0');
  const double rounded = scaled_decimal(whole, digits.exponent - static_cast<int>(digits.count) + 1);
  return (digits.negative ? -rounded : rounded) + 0.0;  // -0 reads as 0
}

// The double is first taken at its 15 significant digits, the precision of
// every number text, and that decimal is rounded half to even at the fifth
// decimal place: 0.00015 gives 0.0002 as a reader of the text expects, not
// the 0.0001 its binary neighbour 0.000149999… would give.
Fixed4 Fixed4::from(double x) {
  if (!std::isfinite(x)) throw Failure("计算失败：数值溢出，超出四位小数的范围。");
  if (const std::optional<std::int64_t> count = count_far_from_tie(x)) return Fixed4(*count);
  const Decimal d = to_decimal(x);
  const int whole_digits = d.exponent + 1 + 4;  // digits of the count of ten-thousandths
  if (whole_digits > 19) throw Failure("计算失败：数值溢出，超出四位小数的范围。");
  std::uint64_t count = 0;
  const int kept = std::min<int>(std::max(whole_digits, 0), static_cast<int>(d.digits.size()));
  for (int i = 0; i < kept; ++i) count = count * 10 + static_cast<std::uint64_t>(d.digits[i] - '0');
  for (int i = kept; i < whole_digits; ++i) count *= 10;
  if (whole_digits >= 0 && kept < static_cast<int>(d.digits.size())) {
    const std::string_view dropped = std::string_view(d.digits).substr(static_cast<std::size_t>(kept));
    const bool tie = dropped == "5" && whole_digits >= 0;
    if (dropped.front() > '5' || (dropped.front() == '5' && !tie) || (tie && count % 2 == 1)) ++count;
  }
  if (count > static_cast<std::uint64_t>(INT64_MAX)) {
    throw Failure("计算失败：数值溢出，超出四位小数的范围。");
  }
  const auto signed_count = static_cast<std::int64_t>(count);
  return Fixed4(d.negative ? -signed_count : signed_count);
}

std::string Fixed4::text() const {
  const bool negative = count_ < 0;
  const std::uint64_t magnitude =
      negative ? static_cast<std::uint64_t>(-(count_ + 1)) + 1 : static_cast<std::uint64_t>(count_);
  char buffer[32];
  char* at = buffer;
  if (negative) *at++ = '-';
  at = std::to_chars(at, buffer + sizeof buffer, magnitude / scale).ptr;
  std::uint64_t fraction = magnitude % scale;
  if (fraction != 0) {
    int places = 4;
    for (; fraction % 10 == 0; fraction /= 10) --places;
    *at++ = '.';
    for (int place = places - 1; place >= 0; --place, fraction /= 10) {
      at[place] = static_cast<char>('0' + fraction % 10);
    }
    at += places;
  }
  return std::string(buffer, at);
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

}  // namespace aquamere
