#include "designflow/design_flow.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/numtext.h"
#include "designflow/alpha_c_table.h"
#include "designflow/outflow_probability.h"
#include "expect_failure.h"

namespace aquamere {
namespace {

// Households of the default dwelling (250 L per person and day, 3.5 persons,
// Kh 2.8, 24 h): Uo, and αc from the unrounded Uo; below 1 % the table
// gives none.
TEST(AverageOutflowProbability, WorkedValuesOfTheDefaultDwelling) {
  struct Row {
    double ng;
    const char *uo, *alpha_c;
  };
  const Row rows[] = {
      {1, "14.1782", "0.06489"}, {2, "7.0891", "0.0564"},  {4, "3.5446", "0.0241"}, {5.5, "2.5779", "0.0158"},
      {10, "1.4178", "0.0064"},  {14, "1.0127", "0.0033"}, {14.2, "0.9985", ""},
  };
  for (const Row& r : rows) {
    const double uo = average_outflow_probability({250, 3.5, 2.8, 24, r.ng});
    const AlphaCLookup lookup = look_up_alpha_c(uo);
    EXPECT_EQ(four_decimal_text(uo), r.uo) << r.ng;
    EXPECT_EQ(lookup.range == AlphaCLookup::Range::Below ? "" : alpha_c_text(lookup), r.alpha_c) << r.ng;
  }
  EXPECT_FAILURE(average_outflow_probability({250, 3.5, 2.8, 0, 4}),
                 "计算失败：计算平均出流概率Uo时除数为零。");
  EXPECT_FAILURE(average_outflow_probability({1e200, 1e200, 2.8, 24, 4}),
                 "计算失败：计算平均出流概率Uo时数值溢出。");
}

// A group's share keeps every digit; only the running sum is rounded.
TEST(WeightedMeanOutflowProbability, ShareKeepsEveryDigitAndAnEmptySumFails) {
  EXPECT_EQ(number_text(outflow_share(20, 3.5446)), "0.70892");
  EXPECT_FAILURE(weighted_mean_outflow_probability(0, 0), "计算失败：计算加权平均Uo时除数为零。");
}

// Linear between the rows. The first interval holds both ends, every later
// one its upper end only; the text has four decimals within the table and
// the last row's five above it.
TEST(AlphaCLookup, InterpolatesWithinTheTableAndKeepsTheLastRowAbove) {
  const std::pair<double, const char*> rows[] = {
      {1.0, "0.0032"},   {1.25, "0.0051"}, {1.5, "0.007"},  {2.658375, "0.0165"},
      {4.726, "0.0347"}, {6.0, "0.0463"},  {8.0, "0.0649"}, {8.0001, "0.06489"},
  };
  for (const auto& [uo, text] : rows) EXPECT_EQ(alpha_c_text(look_up_alpha_c(uo)), text) << uo;
  // Unrounded, half-way between rows: the four decimals shown would hide a
  // rise a thousandth too steep.
  for (const auto& [uo, alpha_c] : {std::pair{1.25, 0.0051}, {5.5, 0.04172}, {7.5, 0.06022}}) {
    EXPECT_NEAR(look_up_alpha_c(uo).alpha_c, alpha_c, 1e-12) << uo;
  }
  for (const double uo : {std::nextafter(1.0, 0.0), 0.99996, 0.0, -0.5}) {
    EXPECT_EQ(look_up_alpha_c(uo).range, AlphaCLookup::Range::Below) << uo;
  }
}

TEST(ProbabilityMethodFlow, WorkedValuesWithAndWithoutFlushValve) {
  struct Row {
    double alpha_c, ng;
    const char *shown, *with_flush_valve;
  };
  const Row rows[] = {
      {0.0064, 10, "0.6443", "1.7443"},
      {0.0064, 100, "2.1216", "3.2216"},
      {0.5, 1, "0.2", "1.3"},
      {0.0241, 4, "0.4165", "1.5165"},
  };
  for (const Row& r : rows) {
    const double qg = probability_method_flow(simultaneous_outflow_probability(r.alpha_c, r.ng), r.ng);
    EXPECT_EQ(four_decimal_text(with_flush_valve(qg, false)), r.shown) << r.ng;
    EXPECT_EQ(four_decimal_text(with_flush_valve(qg, true)), r.with_flush_valve) << r.ng;
  }
  EXPECT_FAILURE(simultaneous_outflow_probability(0.0064, -4),
                 "计算失败：计算同时出流概率U时遇到负数开平方。");
  EXPECT_FAILURE(simultaneous_outflow_probability(0.0064, 0.5),
                 "计算失败：计算同时出流概率U时遇到负数的分数次幂。");
}

TEST(CoefficientMethodFlow, DwellingAndConcentratedUsePresets) {
  EXPECT_EQ(four_decimal_text(coefficient_method_flow(1.1, 0.005, 16)), "0.96");
  EXPECT_EQ(four_decimal_text(with_flush_valve(coefficient_method_flow(2.5, 0, 16), true)), "3.1");
  EXPECT_FAILURE(coefficient_method_flow(1.1, 0.005, -1), "计算失败：计算设计秒流量时遇到负数开平方。");
}

}  // namespace
}  // namespace aquamere
