#include "designflow/design_flow.h"

#include <gtest/gtest.h>

#include "common/numtext.h"
#include "expect_failure.h"

namespace aquamere {
namespace {

struct FlowRow {
  double alpha_c, ng;
  const char* shown;
  const char* with_flush_valve;
};

TEST(ProbabilityMethodFlow, WorkedValuesWithAndWithoutFlushValve) {
  const FlowRow rows[] = {
      {0.0064, 10, "0.6443", "1.7443"}, {0.0064, 100, "2.1216", "3.2216"}, {0.0064, 1, "0.2", "1.3"},
      {0.5, 1, "0.2", "1.3"},           {0.0241, 4, "0.4165", "1.5165"},
  };
  for (const FlowRow& r : rows) {
    const double qg = probability_method_flow(simultaneous_outflow_probability(r.alpha_c, r.ng), r.ng);
    EXPECT_EQ(four_decimal_text(with_flush_valve(qg, false)), r.shown) << r.ng;
    EXPECT_EQ(four_decimal_text(with_flush_valve(qg, true)), r.with_flush_valve) << r.ng;
  }
  EXPECT_NEAR(simultaneous_outflow_probability(0.0064, 10), 0.322167, 1e-6);
}

TEST(ProbabilityMethodFlow, EquivalentsBelowOneAreAFailure) {
  EXPECT_FAILURE(simultaneous_outflow_probability(0.0064, -4),
                 "计算失败：计算同时出流概率U时遇到负数开平方。");
  EXPECT_FAILURE(simultaneous_outflow_probability(0.0064, 0.5),
                 "计算失败：计算同时出流概率U时遇到负数的分数次幂。");
}

TEST(CoefficientMethodFlow, DwellingAndPublicBuildingPresets) {
  EXPECT_EQ(four_decimal_text(coefficient_method_flow(1.1, 0.005, 16)), "0.96");
  EXPECT_EQ(four_decimal_text(with_flush_valve(coefficient_method_flow(1.1, 0.005, 16), true)), "2.06");
  EXPECT_EQ(four_decimal_text(coefficient_method_flow(2.5, 0, 16)), "2");
  EXPECT_EQ(four_decimal_text(with_flush_valve(coefficient_method_flow(2.5, 0, 16), true)), "3.1");
  EXPECT_FAILURE(coefficient_method_flow(1.1, 0.005, -1), "计算失败：计算设计秒流量时遇到负数开平方。");
}

}  // namespace
}  // namespace aquamere
