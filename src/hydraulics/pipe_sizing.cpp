#include "hydraulics/pipe_sizing.h"

#include "common/arith.h"
#include "common/convert.h"
#include "common/numtext.h"

namespace aquamere {
namespace {

// The velocity as shown, to four decimals, m/s.
Fixed4 shown_velocity(double qg, double dj) { return Fixed4::from(velocity(qg, dj)); }

// The walk judges the velocity as shown: its four decimals read as a number.
bool too_fast(Fixed4 velocity, const VelocityStage& stage) {
  const double shown = velocity.to_double();
  return stage.at_limit_too ? shown >= stage.limit : shown > stage.limit;
}

}  // namespace

double velocity(double qg, double dj) {
  const double flow_term = arith::finite(qg * 4, "流速");
  const double bore_term = arith::finite(dj * dj * pi_of_the_tables, "流速");
  return arith::finite(velocity_scale * arith::divide(flow_term, bore_term, "流速"), "流速");
}

std::string velocity_text(double qg, double dj) { return shown_velocity(qg, dj).text(); }

double friction(double qg, double dj, float coef_i) {
  const double flow_term =
      arith::finite(static_cast<double>(coef_i) * arith::power(qg, friction_flow_exponent, "1000i"), "1000i");
  const double gradient =
      arith::divide(flow_term, arith::power(dj, friction_bore_exponent, "1000i"), "1000i");
  return arith::finite(gradient * friction_scale, "1000i");
}

std::string friction_text(double qg, double dj, float coef_i) {
  return four_decimal_text(friction(qg, dj, coef_i));
}

SizeRange candidate_sizes(double qg) {
  if (qg <= 0) return {};
  if (qg < 1.2) return {0, 8};
  if (qg <= 7) return {2, 9};
  if (qg <= 16.5) return {4, 9};
  return {7, 9};
}

SizeChoice choose_pipe_size(std::string_view flow, const InnerDiameters& inner, float coef_i) {
  const double qg = strict_number(flow, flow_quantity);
  std::size_t k = 0;
  Fixed4 shown = shown_velocity(qg, inner[k]);
  for (const VelocityStage& stage : velocity_stages) {
    while (k + 1 < size_count && too_fast(shown, stage)) shown = shown_velocity(qg, inner[++k]);
    if (inner[k] >= stage.final_from_mm) break;
  }
  return {k, nominal_sizes[k], shown.text(), friction_text(qg, inner[k], coef_i)};
}

}  // namespace aquamere
