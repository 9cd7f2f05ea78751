#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace aquamere {

// One row of the Uo–αc table: the average outflow probability in percent and
// the coefficient αc of the simultaneous-outflow formula that belongs to it.
struct AlphaCRow {
  double uo;
  double alpha_c;
};

// The design code's Uo–αc table, ascending in Uo: steps of 0.5 up to 5 % and
// of 1 above.
inline constexpr std::array<AlphaCRow, 12> alpha_c_table = {{
    {1.0, 0.00323},
    {1.5, 0.00697},
    {2.0, 0.01097},
    {2.5, 0.01512},
    {3.0, 0.01939},
    {3.5, 0.02374},
    {4.0, 0.02816},
    {4.5, 0.03263},
    {5.0, 0.03715},
    {6.0, 0.04629},
    {7.0, 0.05555},
    {8.0, 0.06489},
}};

// Where a Uo falls against the table, and αc when it falls within it.
struct AlphaCLookup {
  enum class Range { Below, Within, Above };
  Range range;
  double alpha_c = 0;   // interpolated, unrounded; only Within
  std::size_t row = 0;  // the table's row that begins the interval; only Within
};

// Linear interpolation between the rows that enclose `uo`. The first interval
// [1.0, 1.5] holds both ends; every later one holds its upper end only, so
// each Uo falls in exactly one. Below 1 % the table gives no αc; above 8 %
// the last row's αc holds.
AlphaCLookup look_up_alpha_c(double uo);

// The αc text of record: the 4-decimal text within the table, the last row's
// αc as it stands (0.06489) above it. Not for Below.
std::string alpha_c_text(const AlphaCLookup& lookup);

}  // namespace aquamere
