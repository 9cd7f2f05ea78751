#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aquamere {

// Strict conversion: the whole text, blanks around it allowed, must write one
// number: an optional sign, digits with an optional decimal point, an optional
// exponent ("1.5E+20"). "", a text of blanks, "1,000", "NaN" and full-width
// digits are no numbers. A value beyond the double range is no number either;
// one too small to hold reads as 0.
std::optional<double> strict_number(std::string_view text);

// Lenient conversion: the number the text begins with after leading blanks,
// 0 when it begins with none ("12abc" -> 12, "abc" -> 0, "" -> 0).
// nullopt only when that leading number lies beyond the double range.
std::optional<double> leading_number(std::string_view text);

// The same two conversions, throwing Failure with a message that names the
// box or quantity (`what`, e.g. the caption "q0:") and the text it held.
double strict_number(std::string_view text, std::string_view what);
double leading_number(std::string_view text, std::string_view what);

// The double nearest to digits × 10^exponent, for digits below 10^15 and an
// exponent within the double range.
double scaled_decimal(std::uint64_t digits, int exponent);

// Whole number for a counter of at most 16 bits: strict conversion, rounded
// half to even (2.5 -> 2, 3.5 -> 4); outside -32768..32767 it throws Failure.
std::int16_t strict_int16(std::string_view text, std::string_view what);

// A user's text shortened for a message box: at most 40 characters.
std::string quoted_for_message(std::string_view text);

}  // namespace aquamere
