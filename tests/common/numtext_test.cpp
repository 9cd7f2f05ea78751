#include "common/numtext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/convert.h"
#include "common/failure.h"
#include "common/value.h"

namespace aquamere {
namespace {

TEST(NumberText, PlainFrom1EMinus5UpTo1E15AndExponentFormOutside) {
  const std::pair<double, const char*> rows[] = {
      {0.06489, "0.06489"},
      {25, "25"},
      {-2.5, "-2.5"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {0.3 * 100, "30"},
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {0.00001, "0.00001"},
      {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},  // rounding to 15 digits carries into the next power of ten
      {1.5e20, "1.5E+20"},
      {1.7976931348623157e308, "1.79769313486232E+308"},
      {2e-7, "2E-07"},
      {-4.9e-324, "-4.94065645841247E-324"},
  };
  for (const auto& [x, text] : rows) EXPECT_EQ(number_text(x), text) << x;
}

double fifteen_digits(double x) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
  double rounded = 0;
  std::from_chars(buffer, end, rounded);
  return rounded;
}

// The text is the double's exact value rounded to 15 digits. The worst
// cases are doubles nearest to a 16-digit decimal ending in 5: their
// shortest digits stop half-way, and only the bits beyond may decide.
TEST(NumberText, IsTheDoubleRoundedToFifteenDigits) {
  std::mt19937_64 random(20261206);
  for (int i = 0; i < 100000; ++i) {
    std::string half_way = "0.";
    for (int d = 0; d < 15; ++d) half_way += static_cast<char>('0' + random() % 10);
    half_way += '5';
    const double near_half_way = std::stod(half_way) * std::pow(10.0, static_cast<int>(random() % 12) - 4);
    const double any = std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 60));
    for (const double x : {near_half_way, any, std::nextafter(near_half_way, 0.0), -near_half_way}) {
      if (std::fabs(x) < 1e-5 || std::fabs(x) >= 1e15) continue;
      ASSERT_EQ(strict_number(number_text(x), "x"), fifteen_digits(x)) << number_text(x);
      ASSERT_EQ(rounded_to_15_digits(x), fifteen_digits(x)) << number_text(x);
    }
  }
}

TEST(FourDecimalText, RoundsTheFifteenDigitsHalfToEvenAtTheFifthDecimal) {
  const std::pair<double, const char*> rows[] = {
      {0.64433, "0.6443"},
      {2.0, "2"},
      {0.00697, "0.007"},
      {2.06, "2.06"},
      {0.00005, "0"},
      {0.00015, "0.0002"},
      {0.00025, "0.0002"},
      {-0.64433, "-0.6443"},
      {3.54449999, "3.5445"},
      {2.658375, "2.6584"},
      {922337203685477.0, "922337203685477"},
  };
  for (const auto& [x, text] : rows) EXPECT_EQ(four_decimal_text(x), text) << x;
  EXPECT_THROW(Fixed4::from(1e15), Failure);
  EXPECT_THROW(Fixed4::from(-1e300), Failure);
}

// The four-decimal text as a reader derives it from the 15-digit plain
// text: rounded half to even at the fifth decimal, on the digits.
std::string four_decimals_of(const std::string& text) {
  const bool negative = text.front() == '-';
  const std::string digits = text.substr(negative ? 1 : 0);
  const std::size_t point = digits.find('.');
  std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
  fraction.resize(std::max<std::size_t>(fraction.size(), 4), '0');
  const std::string dropped = fraction.substr(4);
  const long long kept = std::stoll(digits.substr(0, point) + fraction.substr(0, 4));
  const bool tie = dropped.starts_with('5') && dropped.find_first_not_of('0', 1) == std::string::npos;
  const bool up =
      !dropped.empty() && (dropped.front() > '5' || (dropped.front() == '5' && (!tie || kept % 2 == 1)));
  const long long count = kept + (up ? 1 : 0);
  std::string out = negative && count != 0 ? "-" : "";
  out += std::to_string(count / 10000);
  std::string rest = std::to_string(10000 + count % 10000).substr(1);
  while (!rest.empty() && rest.back() == '0') rest.pop_back();
  if (!rest.empty()) out += '.';
  out += rest;
  return out;
}

// The quick ways to the four-decimal text and to the 15-digit number must
// agree with the text for numbers of every size the calculation meets, and
// at and next to a tie at the fifth decimal, where they give way to the digits.
TEST(NumberShortcuts, AgreeWithTheFifteenDigitText) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int i = 0; i < 20000; ++i) {
    const double x = unit(random) * std::pow(10.0, static_cast<int>(random() % 10) - 5);
    const double tie = std::round(x * 10000) / 10000 + 0.00005;
    for (const double y :
         {x, std::round(x), tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1.0), tie + 1e-12}) {
      if (std::fabs(y) < 1e-5 || std::fabs(y) >= 1e5) continue;
      const std::string text = number_text(y);
      ASSERT_EQ(four_decimal_text(y), four_decimals_of(text)) << text;
      ASSERT_EQ(rounded_to_15_digits(y), leading_number(text, "x")) << text;
      ASSERT_EQ(Value(y).leading("x"), leading_number(text, "x")) << text;
      ASSERT_EQ(Value(Fixed4::from(y)).leading("x"), leading_number(Fixed4::from(y).text(), "x")) << text;
    }
  }
}

// The short way to a number's shortest digits writes what std::to_chars
// writes, for the numbers of four decimals it takes and their neighbours
// one bit away, and for the numbers it leaves to to_chars.
TEST(ShortestDecimals, AreWhatToCharsWrites) {
  std::vector<double> numbers = {0.001,
                                 0.0001,
                                 0.0005,
                                 0.0012,
                                 99999.9999,
                                 1e5,
                                 99999,
                                 10000,
                                 15.6,
                                 91.6,
                                 -0.5,
                                 0,
                                 -0.0,
                                 1e-300,
                                 1e300,
                                 0.3,
                                 0.1 + 0.2,
                                 8.969599723815918,
                                 0.13340000000000002,
                                 4.9e-324};
  std::mt19937_64 random(20261207);
  constexpr double scales[] = {1, 10, 100, 1000, 10000, 100000};
  for (int i = 0; i < 100000; ++i) {
    const auto digits = static_cast<long long>(std::pow(10.0, static_cast<double>(random() % 10)));
    const auto whole = std::uniform_int_distribution<long long>(-digits, digits)(random);
    const double x = static_cast<double>(whole) / scales[random() % std::size(scales)];
    const double scale = std::pow(10.0, static_cast<int>(random() % 20) - 10);
    for (const double y : {x, x * scale}) {
      numbers.insert(numbers.end(), {y, std::nextafter(y, 1e308), std::nextafter(y, -1e308)});
    }
  }
  for (const double x : numbers) {
    NumberDigits digits;
    char expected[32];
    const std::string_view general(expected, std::to_chars(expected, expected + sizeof expected, x).ptr);
    ASSERT_EQ(std::string_view(digits.data(), shortest_decimals(x, digits)), general) << x;
  }
}

}  // namespace
}  // namespace aquamere
