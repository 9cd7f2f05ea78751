#include "book/formulas.h"

#include <cmath>
#include <cstdint>

namespace aquamere::book::formula {

std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts) text += part;
  return text;
}

std::string column_name(int column) {
  std::string name;
  for (int c = column + 1; c > 0; c = (c - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
  return name;
}

std::string cell(int column, int row) { return joined({column_name(column), std::to_string(row + 1)}); }

// ROUND to 14 − ⌊log₁₀|x|⌋ decimals keeps 15 significant digits. Zero has
// no logarithm and is its own rounding.
std::string fifteen_digits(std::string_view x) {
  return joined({"IF(", x, "=0,0,ROUND(", x, ",14-INT(LOG10(ABS(", x, ")))))"});
}

// u = |x|·10⁴ at 15 significant digits is a whole number of ten-thousandths
// and a half exactly when x's 15-digit decimal ends in a 5 at the fifth
// decimal. ROUND(u,0) then takes the half up, to the even neighbour when the
// whole part is odd; when it is even (u mod 2 is ½) one is taken off again.
// The sign is put back last, so that halves go to even on both sides of zero.
std::string four_decimals(std::string_view x) {
  const std::string u = joined({"ROUND(ABS(", x, ")*1E4,10-INT(LOG10(ABS(", x, "))))"});
  return joined({"IF(", x, "=0,0,SIGN(", x, ")*(ROUND(", u, ",0)-(MOD(", u, ",2)=0.5))/1E4)"});
}

std::string exact_float(float x) {
  if (x == 0 || std::fabs(x) < 1e-9f || std::fabs(x) > 1e9f) return std::to_string(x);  // no material's
  int exponent = 0;
  const double fraction = std::frexp(static_cast<double>(x), &exponent);
  auto whole = static_cast<std::int64_t>(std::ldexp(fraction, 24));
  int shift = 24 - exponent;
  while (shift > 0 && whole % 2 == 0) {
    whole /= 2;
    --shift;
  }
  if (shift <= 0) return std::to_string(whole * (std::int64_t{1} << -shift));
  return joined({std::to_string(whole), "/", std::to_string(std::int64_t{1} << shift)});
}

}  // namespace aquamere::book::formula
