#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/value.h"

namespace aquamere {

// How the program arrived at one segment's numbers, kept beside the report
// so that a calculation book can show every step of it: the inputs as their
// boxes held them, the texts the window showed, and the unrounded numbers
// the program computed on the way. A number that the command did not come
// to compute is left out.
struct Calculation {
  enum class Method { Probability, Coefficient };
  Method method = Method::Probability;

  // The household group added: 户当量 of one household, 户数, and the
  // group's equivalents as the box 计算当量Ng showed them.
  std::string household_ng, households, group_ng;

  // Probability method: the household parameters q0, m, Kh, T; the group's
  // Uo (%) and its αc, either from the table or typed in by the designer
  // below it; the group's share Ng·Uo/100.
  std::string q0, m, kh, t;
  std::optional<double> uo;
  std::string uo_text, alpha_c;
  bool alpha_c_typed = false;
  std::optional<double> share;

  // Coefficient method: k and α.
  std::string k, alpha;

  // The running sums ΣNg and Σ(Ng·Uo/100) before the group joined (empty
  // after a reset of the sums) and as shown after it; the weighted mean Uo
  // (%) and its αc.
  Value sum_ng_before, sum_shares_before;
  std::string sum_ng, sum_shares;
  std::optional<double> mean_uo;
  std::string mean_uo_text, mean_alpha_c;

  // U, the flush valve, the design flow unrounded and as shown.
  std::optional<double> u;
  bool flush_valve = false;
  std::optional<double> flow;
  std::string flow_text;

  // The pipe table in force — the material, its 1000i coefficient (the
  // single-precision constant, widened) and its inner diameters in mm of
  // De20 … De110 — and the size chosen with its velocity and 1000i.
  std::string material;
  double coef_i = 0;
  std::array<double, 9> inner{};
  std::string size, velocity, friction;

  // Whether the sums were reset before this group joined them: ΣNg before
  // it holds nothing, or an empty text.
  bool sums_reset() const { return sum_ng_before.is_empty() || sum_ng_before.equals_text(""); }

  friend bool operator==(const Calculation&, const Calculation&) = default;
};

// One segment line of the report with what stands behind it.
struct SegmentRecord {
  enum class Command { Calculate, Batch, Repeat };
  Command command = Command::Calculate;
  std::optional<Calculation> calculation;  // none for a repeated segment

  std::string label;  // "1-2"
  std::string line;   // the report line as written, without its line end
  std::string length;
  Value running_before;  // the running friction loss before it; empty at a fresh start
  double loss = 0;       // the segment's friction loss, 1000i × length
  double running = 0;    // the running friction loss after it, unrounded
  std::string local_loss_coefficient;

  friend bool operator==(const SegmentRecord&, const SegmentRecord&) = default;
};

}  // namespace aquamere
