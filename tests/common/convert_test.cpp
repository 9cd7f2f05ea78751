#include "common/convert.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <random>
#include <string>

#include "common/failure.h"
#include "common/value.h"
#include "expect_failure.h"

namespace aquamere {
namespace {

TEST(StrictNumber, AcceptsOneNumberWithBlanksAround) {
  const std::pair<const char*, double> rows[] = {
      {"250", 250},  {" 3.5 ", 3.5},    {"-2", -2},   {"+2", 2},     {".5", 0.5}, {"5.", 5},
      {"1e3", 1000}, {"1.5E-2", 0.015}, {"\t7\t", 7}, {"1e-400", 0}, {"-0", 0},
  };
  for (const auto& [text, x] : rows) EXPECT_EQ(strict_number(text), x) << text;
}

// Short decimals take a quicker road than long ones and exponents; both must
// land on the nearest double. Random digits with the point anywhere, against
// the standard library's reading of the same text.
TEST(StrictNumber, ReadsShortAndLongDecimalsAsTheNearestDouble) {
  std::mt19937_64 random(20261206);
  for (int i = 0; i < 200000; ++i) {
    const std::size_t digits = 1 + random() % 18;
    std::string text;
    for (std::size_t d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
    text.insert(random() % (digits + 1), 1, '.');
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(strict_number(text), expected) << text;
    ASSERT_EQ(strict_number("-" + text), -expected) << text;
  }
  EXPECT_EQ(strict_number("999999999999999"), 999999999999999.0);
  EXPECT_EQ(strict_number("0.000000000000001"), 1e-15);
  EXPECT_EQ(strict_number("9007199254740993"), 9007199254740992.0);  // 16 digits, ties to even
  EXPECT_EQ(strict_number("000.30"), 0.3);
}

// Up to 15 digits times a power of ten, the whole exponent range: exact
// powers and the reading of a written-out text beyond them. The text has room
// for any 64-bit digits.
TEST(ScaledDecimal, IsTheNearestDoubleForEveryExponent) {
  const auto beyond_exact_powers = [](int exponent) { return exponent < -22 || exponent > 22; };
  for (const std::uint64_t digits : {1ULL, 314159265358979ULL, 999999999999999ULL, 18446744073709551615ULL}) {
    for (int exponent = -340; exponent <= 308; ++exponent) {
      if (digits > 999999999999999ULL && !beyond_exact_powers(exponent)) continue;
      const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
      double expected = 0;
      std::from_chars(text.data(), text.data() + text.size(), expected);
      ASSERT_EQ(scaled_decimal(digits, exponent), expected) << text;
    }
  }
}

TEST(StrictNumber, RefusesEverythingElse) {
  for (const char* text :
       {"", "   ", "abc", "12abc", "1,000", "1 2", "NaN", "inf", ".", "-", "1e", "１２", "0x10", "1e309"}) {
    EXPECT_FALSE(strict_number(text).has_value()) << text;
  }
}

TEST(StrictNumber, FailureNamesTheBoxAndItsText) {
  EXPECT_FAILURE(strict_number("abc", "q0:"), "无法计算：「q0:」中的“abc”不是数字。");
  EXPECT_FAILURE(strict_number("1e999", "T:"), "计算失败：「T:」中的“1e999”超出数值范围。");
  const std::string long_text(100, 'x');
  EXPECT_FAILURE(strict_number(long_text, "q0:"),
                 "无法计算：「q0:」中的“" + std::string(40, 'x') + "…”不是数字。");
}

TEST(LeadingNumber, TakesTheNumberTheTextBeginsWith) {
  const std::pair<const char*, double> rows[] = {
      {"", 0},   {"abc", 0}, {"12abc", 12}, {"  4.5", 4.5}, {"3.5 persons", 3.5}, {"-1.5e2x", -150},
      {"2e", 2}, {"2e+", 2}, {"1,000", 1},  {".", 0},       {"0.0241", 0.0241},   {"∑Ng", 0},
  };
  for (const auto& [text, x] : rows) EXPECT_EQ(leading_number(text), x) << text;
  EXPECT_FALSE(leading_number("1e400abc").has_value());
}

TEST(StrictInt16, RoundsHalfToEvenWithinSixteenBits) {
  EXPECT_EQ(strict_int16("2.5", "t"), 2);
  EXPECT_EQ(strict_int16("3.5", "t"), 4);
  EXPECT_EQ(strict_int16("-32768", "t"), -32768);
  EXPECT_EQ(strict_int16("32767.4", "t"), 32767);
  EXPECT_THROW(strict_int16("32767.5", "t"), Failure);
  EXPECT_THROW(strict_int16("-32769", "t"), Failure);
  EXPECT_THROW(strict_int16("x", "t"), Failure);
}

TEST(Value, ReadsAsTextAndAsNumber) {
  EXPECT_EQ(Value().text(), "");
  EXPECT_EQ(Value().number("x"), 0);
  EXPECT_TRUE(Value().equals_text(""));
  EXPECT_FALSE(Value(0.0).equals_text(""));
  EXPECT_EQ(Value(Fixed4::from(0.70892)).text(), "0.7089");
  EXPECT_EQ(Value("0.0241").number("αc"), 0.0241);
  EXPECT_EQ(Value("91.6").number("De110"), 91.6);
  EXPECT_FAILURE(Value("αc").number("αc"), "无法计算：「αc」中的“αc”不是数字。");
  EXPECT_EQ(Value("0.0241abc").leading("x"), 0.0241);
}

}  // namespace
}  // namespace aquamere
