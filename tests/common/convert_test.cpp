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

double nearest_double(const std::string& text) {
  double x = 0;
  std::from_chars(text.data(), text.data() + text.size(), x);
  return x;
}

TEST(StrictNumber, ReadsOneNumberWithBlanksAroundAndNothingElse) {
  const std::pair<const char*, double> numbers[] = {
      {"250", 250},  {" 3.5 ", 3.5},    {"-2", -2},   {"+2", 2},     {".5", 0.5}, {"5.", 5},
      {"1e3", 1000}, {"1.5E-2", 0.015}, {"\t7\t", 7}, {"1e-400", 0}, {"-0", 0},   {"000.30", 0.3},
  };
  for (const auto& [text, x] : numbers) EXPECT_EQ(strict_number(text), x) << text;
  EXPECT_EQ(strict_number("9007199254740993"), 9007199254740992.0);  // 16 digits: ties to even
  for (const char* text : {"", "   ", "abc", "12abc", "1,000", "1 2", "NaN", "inf", ".", "-", "1e", "2e ",
                           "１２", "0x10", "1e309"}) {
    EXPECT_FALSE(strict_number(text).has_value()) << text;
  }
}

// Decimals of up to 15 digits are read from their digits, longer ones and
// exponents by the standard library: both must give the nearest double.
TEST(StrictNumber, ReadsEveryDecimalAsTheNearestDouble) {
  std::mt19937_64 random(20261206);
  for (int i = 0; i < 200000; ++i) {
    std::string text(1 + random() % 18, '0');
    for (char& c : text) c = static_cast<char>('0' + random() % 10);
    text.insert(random() % (text.size() + 1), 1, '.');
    ASSERT_EQ(strict_number(text), nearest_double(text)) << text;
    ASSERT_EQ(strict_number("-" + text), -nearest_double(text)) << text;
  }
  for (const std::uint64_t digits : {1ULL, 314159265358979ULL, 999999999999999ULL, 18446744073709551615ULL}) {
    for (int exponent = -340; exponent <= 308; ++exponent) {
      if (digits > 999999999999999ULL && exponent >= -22 && exponent <= 22) continue;  // not for these
      const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
      ASSERT_EQ(scaled_decimal(digits, exponent), nearest_double(text)) << text;
    }
  }
}

TEST(StrictNumber, FailureNamesTheBoxAndQuotesFortyCharacters) {
  EXPECT_FAILURE(strict_number("abc", "q0:"), "无法计算：「q0:」中的“abc”不是数字。");
  EXPECT_FAILURE(strict_number("1e999", "T:"), "计算失败：「T:」中的“1e999”超出数值范围。");
  EXPECT_FAILURE(strict_number(std::string(100, 'x'), "q0:"),
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
  const std::pair<const char*, int> counts[] = {
      {"2.5", 2}, {"3.5", 4}, {"-32768", -32768}, {"32767.4", 32767}};
  for (const auto& [text, n] : counts) EXPECT_EQ(strict_int16(text, "t"), n) << text;
  for (const char* text : {"32767.5", "-32769", "x"}) EXPECT_THROW(strict_int16(text, "t"), Failure) << text;
}

// A never-set value is "" and 0; a text is read strictly as a number.
TEST(Value, EmptyIsNothingAndATextIsReadStrictly) {
  EXPECT_EQ(Value().text(), "");
  EXPECT_EQ(Value().number("x"), 0);
  EXPECT_TRUE(Value().equals_text(""));
  EXPECT_FALSE(Value(0.0).equals_text(""));
  EXPECT_EQ(Value(Fixed4::from(0.70892)).text(), "0.7089");
  EXPECT_EQ(Value("91.6").number("De110"), 91.6);
  EXPECT_FAILURE(Value("αc").number("αc"), "无法计算：「αc」中的“αc”不是数字。");
  EXPECT_EQ(Value("0.0241abc").leading("x"), 0.0241);
}

}  // namespace
}  // namespace aquamere
