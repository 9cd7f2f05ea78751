#pragma once

#include "common/value.h"

namespace aquamere {

// The report module's variables, kept for the whole run.
struct BookVars {
  Value book_path;  // report path, copied from the settings at each call
  Value book_ng;    // t_nguo when the last segment line was written
  Value book_qg;    // t_qg when the last segment line was written
  Value book_hsum;  // running friction loss of the segments written
  Value book_coef;  // local-loss coefficient, set by the summary
  Value book_line;  // the line just read

  friend bool operator==(const BookVars&, const BookVars&) = default;
};

}  // namespace aquamere
