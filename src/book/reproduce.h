#pragma once

#include <cstddef>
#include <optional>

#include "journal/segment_record.h"

namespace aquamere::book {

// Where a Uo falls in the Uo–αc table: the interval (1 for [1.0, 1.5], 2
// for (1.5, 2.0], … 11 for (7.0, 8.0]) and the interpolated αc unrounded;
// no interval below 1 % or above 8 %.
struct TableStep {
  int interval = 0;
  double alpha_c = 0;
};

// A segment's numbers worked out again from its record's inputs with the
// program's own functions, in the program's order: every value the book's
// formulas compute, unrounded and as shown.
struct Reproduced {
  double household_ng = 0, households = 0, group_ng = 0;
  double q0 = 0, m = 0, kh = 0, t = 0, k = 0, alpha = 0;
  double uo_raw = 0, uo = 0;
  std::optional<TableStep> uo_step;
  double alpha_c = 0;  // as shown: from the table, 0.06489 above it, or typed
  double share = 0, sum_shares_raw = 0, sum_shares = 0, sum_ng = 0;
  double mean_uo_raw = 0, mean_uo = 0;
  std::optional<TableStep> mean_step;
  double mean_alpha_c = 0, u = 0;
  double flush_valve = 0;  // l/s added
  double flow_raw = 0, flow = 0;
  std::size_t size_index = 0;
  double inner = 0, velocity_raw = 0, velocity = 0, friction_raw = 0, friction = 0;
  double length = 0, loss = 0, running = 0;
};

// Nothing when the record's inputs do not give what the record and its line
// say: a box typed into between two steps, a step the command skipped, an
// input with more digits than a workbook cell keeps. Such a segment has no
// formulas that would come out as the report does.
std::optional<Reproduced> reproduce(const SegmentRecord& record);

// The running loss after a segment, from the running loss before it and the
// segment's loss, each through its 15-digit text.
double running_loss(const SegmentRecord& record);

// Whether a number comes back unchanged from a workbook cell, which keeps
// 16 significant digits.
bool survives_a_cell(double x);

}  // namespace aquamere::book
