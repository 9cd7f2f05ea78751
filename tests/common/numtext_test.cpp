#include "common/numtext.h"

#include <gtest/gtest.h>

#include "common/failure.h"

namespace aquamere {
namespace {

TEST(NumberText, WritesShortestDecimalsWithLeadingZero) {
  const std::pair<double, const char*> rows[] = {
      {0.06489, "0.06489"},
      {25, "25"},
      {1.25, "1.25"},
      {13.5, "13.5"},
      {-2.5, "-2.5"},
      {0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {0.00001, "0.00001"},
      {0.3 * 100, "30"},
  };
  for (const auto& [x, text] : rows) EXPECT_EQ(number_text(x), text) << x;
}

TEST(NumberText, ExtremesUseExponentForm) {
  EXPECT_EQ(number_text(1e15), "1E+15");
  EXPECT_EQ(number_text(1.5e20), "1.5E+20");
  EXPECT_EQ(number_text(1.7976931348623157e308), "1.79769313486232E+308");
  EXPECT_EQ(number_text(2e-7), "2E-07");
  EXPECT_EQ(number_text(-4.9e-324), "-4.94065645841247E-324");
  // Rounding to 15 digits may carry into the next power of ten.
  EXPECT_EQ(number_text(999999999999999.9), "1E+15");
}

TEST(FourDecimalText, RoundsHalfToEvenAtTheFifthDecimal) {
  const std::pair<double, const char*> rows[] = {
      {0.64433, "0.6443"},    {2.0, "2"},           {0.00697, "0.007"},  {2.06, "2.06"},
      {0.00005, "0"},         {0.00015, "0.0002"},  {0.5, "0.5"},        {-0.64433, "-0.6443"},
      {3.54449999, "3.5445"}, {2.658375, "2.6584"}, {0.00323, "0.0032"},
  };
  for (const auto& [x, text] : rows) EXPECT_EQ(four_decimal_text(x), text) << x;
}

TEST(FourDecimalText, OverflowIsAFailure) {
  EXPECT_EQ(Fixed4::from(922337203685477.0).text(), "922337203685477");
  EXPECT_THROW(Fixed4::from(1e15), Failure);
  EXPECT_THROW(Fixed4::from(-1e300), Failure);
}

}  // namespace
}  // namespace aquamere
