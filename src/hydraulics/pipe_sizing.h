#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "hydraulics/materials.h"

namespace aquamere {

// Inner diameters in mm of De20 … De110 of the material in force.
using InnerDiameters = std::array<double, size_count>;

// How failure messages name the two inputs of the pipe formulas.
inline constexpr std::string_view flow_quantity = "设计秒流量";
inline constexpr std::string_view diameter_quantity = "管道内径";

// Mean velocity in m/s of qg l/s through a pipe of dj mm inner diameter,
// with 3.14 for π as the design tables are drawn up: unrounded, and as
// 4-decimal text.
double velocity(double qg, double dj);
inline constexpr double pi_of_the_tables = 3.14;
// l/s through mm² gives m/s times this.
inline constexpr double velocity_scale = 1000;
std::string velocity_text(double qg, double dj);

// The unit friction loss "1000i" of the plastic-pipe formula
// i = coef · qg^1.774 / dj^4.774 (× 10^5 for l/s and mm): unrounded, and as
// 4-decimal text. coef_i is the material constant kept in single precision.
double friction(double qg, double dj, float coef_i);
inline constexpr double friction_flow_exponent = 1.774;
inline constexpr double friction_bore_exponent = 4.774;
inline constexpr double friction_scale = 100000;
std::string friction_text(double qg, double dj, float coef_i);

// The sizes worth listing for a flow: [first, end) indices into De20 … De110.
// Small flows are shown from De20 up to De90, large ones only the sizes that
// can carry them; a flow of 0 or less lists nothing.
struct SizeRange {
  std::size_t first = 0;
  std::size_t end = 0;
  friend bool operator==(const SizeRange&, const SizeRange&) = default;
};
SizeRange candidate_sizes(double qg);

// The staged velocity limits of the size choice, in the order the walk
// applies them. Each stage steps on while the size tried runs faster than
// its limit (the last also at exactly its limit); a size whose bore has
// reached `final_from_mm` when a stage ends is kept: large pipes may run at
// up to 2.0 m/s, middle ones at 1.5 and 1.2 m/s, while the smallest branch
// pipes must stay below 1.0 m/s.
struct VelocityStage {
  double limit;
  bool at_limit_too;
  double final_from_mm;
};

inline constexpr VelocityStage velocity_stages[] = {
    {2.0, false, 80},
    {1.5, false, 40},
    {1.2, false, 20},
    {1.0, true, 0},
};

// The velocity-control table of domestic supply pipes that the program
// shows beside its sizes (帮助 → 流速控制): the highest velocity in m/s for
// a nominal diameter DN from `from_dn` up to the next row's. The size walk
// does not read it; the calculation book checks each chosen size against it.
struct VelocityControl {
  int from_dn;
  double limit;
};

inline constexpr VelocityControl velocity_control[] = {{15, 1.0}, {25, 1.2}, {50, 1.5}, {80, 1.8}};

// The nominal diameter DN in mm that each plastic pipe size De20 … De110
// answers to, by which the table is read; the same for all four materials.
inline constexpr std::array<int, size_count> nominal_dn = {15, 20, 25, 32, 40, 50, 65, 80, 100};

// The table's limit for a DN.
inline double velocity_control_limit(int dn) {
  double limit = velocity_control[0].limit;
  for (const VelocityControl& row : velocity_control) {
    if (dn >= row.from_dn) limit = row.limit;
  }
  return limit;
}

// The size the automatic choice settles on, with the velocity and 1000i
// shown for it.
struct SizeChoice {
  std::size_t index = 0;  // 0 for De20 … 8 for De110
  std::string_view size;  // "De20" … "De110"
  std::string velocity;
  std::string friction;
  friend bool operator==(const SizeChoice&, const SizeChoice&) = default;
};

// Walks the sizes from De20 upward under stricter and stricter velocity
// limits, judging each size by its velocity as shown (4 decimals). The flow
// is the text of the flow box, read strictly. A flow too large even for
// De110 at 2.0 m/s still gets De110: the table has nothing larger.
SizeChoice choose_pipe_size(std::string_view flow, const InnerDiameters& inner, float coef_i);

}  // namespace aquamere
