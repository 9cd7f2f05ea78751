#pragma once

#include <array>

#include "common/value.h"

namespace aquamere {

// The main window's public variables: the values one step of a segment
// calculation hands to the next.
struct MainVars {
  Value Ng;   // design equivalent sum of the segment (the number in t_nguo)
  Value Qg;   // design second flow, l/s, unrounded; the text of t_qg after sizing
  Value ac;   // αc of the last calculation: a number, or the text of t_ac2
  Value U;    // simultaneous outflow probability, a fraction
  Value zg1;  // Ng of the group added last
  Value zg2;  // running sum ΣNg
  Value ng1;  // Ng × Uo / 100 of the group added last
  Value ng3;  // running sum of Ng × Uo / 100, four-decimal fixed point
  // Inner diameters in mm of De20 … De110 of the material in force; the
  // De110 entry is held as its text ("91.6").
  std::array<Value, 9> de;
  Value de_de;  // nominal size chosen, "De20" … "De110"
  Value v_v;    // velocity of the size tried or chosen, m/s
  Value i_i;    // 1000i of the size chosen

  friend bool operator==(const MainVars&, const MainVars&) = default;
};

}  // namespace aquamere
