#include "designflow/alpha_c_table.h"

#include <stdexcept>

#include "common/numtext.h"

namespace aquamere {

AlphaCLookup look_up_alpha_c(double uo) {
  if (uo < alpha_c_table.front().uo) return {AlphaCLookup::Range::Below};
  for (std::size_t i = 0; i + 1 < alpha_c_table.size(); ++i) {
    const AlphaCRow& low = alpha_c_table[i];
    const AlphaCRow& high = alpha_c_table[i + 1];
    const bool above_low = i == 0 ? uo >= low.uo : uo > low.uo;
    if (above_low && uo <= high.uo) {
      const double rise = (uo - low.uo) * (high.alpha_c - low.alpha_c);
      return {AlphaCLookup::Range::Within, low.alpha_c + rise / (high.uo - low.uo), i};
    }
  }
  return {AlphaCLookup::Range::Above};
}

std::string alpha_c_text(const AlphaCLookup& lookup) {
  switch (lookup.range) {
    case AlphaCLookup::Range::Within:
      return four_decimal_text(lookup.alpha_c);
    case AlphaCLookup::Range::Above:
      return number_text(alpha_c_table.back().alpha_c);
    case AlphaCLookup::Range::Below:
      break;
  }
  throw std::logic_error("no αc text below the Uo–αc table");
}

}  // namespace aquamere
