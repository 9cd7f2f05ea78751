#include "designflow/outflow_probability.h"

#include "common/arith.h"

namespace aquamere {

// The products run in the order the hand calculation writes them, so the
// last digits agree with it.
double average_outflow_probability(const HouseholdParameters& household) {
  constexpr const char* uo = "平均出流概率Uo";
  const double peak_hour_use = arith::finite(household.kh * (household.q0 * household.m) * 100, uo);
  const double full_draw =
      arith::finite(household.t * (household.ng * flow_per_equivalent) * seconds_per_hour, uo);
  return arith::divide(peak_hour_use, full_draw, uo);
}

double outflow_share(double ng, double uo_percent) {
  return arith::finite(ng * uo_percent, "∑(Ng X Uo)") / 100;
}

double weighted_mean_outflow_probability(double sum_of_shares, double sum_ng) {
  return arith::finite(arith::divide(sum_of_shares, sum_ng, "加权平均Uo") * 100, "加权平均Uo");
}

}  // namespace aquamere
