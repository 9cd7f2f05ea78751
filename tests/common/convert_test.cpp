#include "common/convert.h"

#include <gtest/gtest.h>

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
