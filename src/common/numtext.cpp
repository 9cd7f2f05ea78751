#include "common/numtext.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/failure.h"

namespace aquamere {
namespace {

constexpr int significant_digits = 15;

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no trailing zeros, at least one
  int exponent = 0;    // value = d1.d2d3... x 10^exponent
};

// Rounds to 15 significant digits through the standard library's correctly
// rounded scientific form, then drops the trailing zeros.
Decimal to_decimal(double x) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significant_digits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  Decimal decimal;
  std::size_t i = 0;
  if (text[i] == '-') {
    decimal.negative = true;
    ++i;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') decimal.digits += text[i];
  }
  decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
  return decimal;
}

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
  const Decimal decimal = to_decimal(x);
  if (decimal.exponent >= -5 && decimal.exponent < significant_digits) return plain_form(decimal);
  return exponent_form(decimal);
}

// The double is first taken at its 15 significant digits, the precision of
// every number text, and that decimal is rounded half to even at the fifth
// decimal place: 0.00015 gives 0.0002 as a reader of the text expects, not
// the 0.0001 its binary neighbour 0.000149999… would give.
Fixed4 Fixed4::from(double x) {
  if (!std::isfinite(x)) throw Failure("计算失败：数值溢出，超出四位小数的范围。");
  if (x == 0.0) return Fixed4();
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
  std::string out = negative ? "-" : "";
  out += std::to_string(magnitude / scale);
  std::string fraction = std::to_string(magnitude % scale);
  if (fraction != "0") {
    fraction.insert(0, 4 - fraction.size(), '0');
    while (fraction.back() == '0') fraction.pop_back();
    out += '.';
    out += fraction;
  }
  return out;
}

}  // namespace aquamere
