#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace aquamere {

// The general number text used in every box and report field: at most 15
// significant digits, "." as decimal point, no trailing zeros, a 0 before the
// point below 1. Magnitudes from 1e-5 up to below 1e15 are written in plain
// decimals; outside that range the exponent form "1.5E+20" / "2E-07" keeps
// the text short and still reads back through both conversions.
// Negative zero is written "0". The number must be finite.
std::string number_text(double x);
// The number that text writes, without writing the text: x rounded to 15
// significant digits. The number must be finite.
double rounded_to_15_digits(double x);

// Room for the digits of any double.
using NumberDigits = std::array<char, 32>;
// Writes a finite number as its shortest decimals that read back as the
// same double, the text std::to_chars writes, and returns where it ends.
char* shortest_decimals(double x, NumberDigits& digits);

// A fixed-point value with exactly four decimal places, held as a count of
// ten-thousandths. Results shown in boxes and lists pass through it.
class Fixed4 {
 public:
  static constexpr std::int64_t scale = 10000;

  constexpr Fixed4() = default;
  // Rounds half to even at the fifth decimal; throws Failure on overflow.
  static Fixed4 from(double x);
  static constexpr Fixed4 from_count(std::int64_t count) { return Fixed4(count); }

  constexpr std::int64_t count() const { return count_; }
  double to_double() const { return static_cast<double>(count_) / scale; }
  // "0.6443", "2", "-0.5": no trailing zeros, no point for a whole value.
  std::string text() const;

  friend constexpr bool operator==(Fixed4, Fixed4) = default;

 private:
  constexpr explicit Fixed4(std::int64_t count) : count_(count) {}
  std::int64_t count_ = 0;
};

// The 4-decimal text of a number: 0.64433 -> "0.6443", 2.0 -> "2".
inline std::string four_decimal_text(double x) { return Fixed4::from(x).text(); }

}  // namespace aquamere
