#include "designflow/design_flow.h"

#include "common/arith.h"
#include "designflow/outflow_probability.h"

namespace aquamere {
// The steps run in the order of the hand calculation: the root first, so
// a negative Ng is reported as the root it spoils.
double simultaneous_outflow_probability(double alpha_c, double ng) {
  constexpr const char* u = "同时出流概率U";
  const double root_ng = arith::square_root(ng, u);
  const double spread = arith::power(ng - 1, ng_exponent, u);
  return arith::divide(arith::finite(1 + arith::finite(spread * alpha_c, u), u), root_ng, u);
}

double probability_method_flow(double u, double ng) {
  return arith::finite(flow_per_equivalent * u * ng, "设计秒流量");
}

double coefficient_method_flow(double alpha, double k, double sum_ng) {
  constexpr const char* qg = "设计秒流量";
  const double root_part = alpha * (arith::square_root(sum_ng, qg) * flow_per_equivalent);
  return arith::finite(root_part + k * sum_ng, qg);
}

double with_flush_valve(double qg, bool has_flush_valve) {
  return has_flush_valve ? arith::finite(qg + flush_valve_flow, "设计秒流量") : qg;
}

}  // namespace aquamere
