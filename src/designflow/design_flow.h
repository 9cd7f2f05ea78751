#pragma once

namespace aquamere {

// A flush valve with delayed self-closing draws this much on top of the
// design flow, l/s.
inline constexpr double flush_valve_flow = 1.1;

// Exponent of (Ng − 1) in the simultaneous-outflow formula of the code.
inline constexpr double ng_exponent = 0.49;

// Simultaneous outflow probability U of a segment carrying `ng` equivalents
// (a fraction, 1 = every fixture at once):
// U = (1 + αc·(Ng − 1)^0.49) / √Ng. Ng below 0 or between 0 and 1 is a
// failure; Ng of 1 gives U = 1 whatever αc.
double simultaneous_outflow_probability(double alpha_c, double ng);

// Probability method for dwellings: qg = 0.2·U·Ng, l/s.
double probability_method_flow(double u, double ng);

// Coefficient method for buildings of concentrated use (dormitories,
// public buildings): qg = 0.2·α·√ΣNg + k·ΣNg, l/s.
double coefficient_method_flow(double alpha, double k, double sum_ng);

// The design flow with the flush valve's draw added when there is one.
double with_flush_valve(double qg, bool has_flush_valve);

}  // namespace aquamere
