#pragma once

// The data of the worst-point pressure check that the book's inputs start
// from: the designer's, or these defaults, which the book states.
namespace aquamere::book {

struct WorstPoint {
  double elevation = 0;           // m, the most unfavourable outlet above the start of the path
  double outlet_pressure = 0.10;  // MPa, its minimum working pressure
  double meter_loss = 0;          // m, the head loss of a water meter on the path
  double supply_pressure = 0.20;  // MPa, available at the start of the path
};

// 1 m of water column in MPa, as the check converts it.
inline constexpr double mpa_per_metre = 0.00981;

}  // namespace aquamere::book
