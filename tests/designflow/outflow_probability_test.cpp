#include "designflow/outflow_probability.h"

#include <gtest/gtest.h>

#include "common/numtext.h"
#include "expect_failure.h"

namespace aquamere {
namespace {

// The default dwelling: 250 L per person and day, 3.5 persons, Kh 2.8, 24 h.
HouseholdParameters household_of(double ng) { return {250, 3.5, 2.8, 24, ng}; }

TEST(AverageOutflowProbability, DefaultDwellingShowsTheWorkedValues) {
  const std::pair<double, const char*> rows[] = {
      {1, "14.1782"}, {2, "7.0891"},  {4, "3.5446"},    {10, "1.4178"},
      {14, "1.0127"}, {16, "0.8861"}, {14.2, "0.9985"},
  };
  for (const auto& [ng, text] : rows) {
    EXPECT_EQ(four_decimal_text(average_outflow_probability(household_of(ng))), text) << ng;
  }
  EXPECT_NEAR(average_outflow_probability(household_of(4)), 3.54456018518, 1e-10);
}

TEST(AverageOutflowProbability, NoHoursOrNoEquivalentsIsAFailure) {
  const char* message = "计算失败：计算平均出流概率Uo时除数为零。";
  EXPECT_FAILURE(average_outflow_probability({250, 3.5, 2.8, 0, 4}), message);
  EXPECT_FAILURE(average_outflow_probability(household_of(0)), message);
  EXPECT_FAILURE(average_outflow_probability({1e200, 1e200, 2.8, 24, 4}),
                 "计算失败：计算平均出流概率Uo时数值溢出。");
}

// The group's share keeps every digit; only the running sum is rounded.
TEST(WeightedMeanOutflowProbability, ShareAndEmptySum) {
  EXPECT_EQ(number_text(outflow_share(20, 3.5446)), "0.70892");
  EXPECT_FAILURE(weighted_mean_outflow_probability(0, 0), "计算失败：计算加权平均Uo时除数为零。");
}

}  // namespace
}  // namespace aquamere
