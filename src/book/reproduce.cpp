#include "book/reproduce.h"

#include <charconv>
#include <cmath>

#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "designflow/alpha_c_table.h"
#include "designflow/design_flow.h"
#include "designflow/outflow_probability.h"
#include "hydraulics/pipe_sizing.h"

namespace aquamere::book {
namespace {

using Method = Calculation::Method;

// Thrown when a number does not come out as the record says.
struct Differs {};

void expect(bool same) {
  if (!same) throw Differs();
}

// An input written into a cell as a number.
double input(const std::string& text) {
  const double x = strict_number(text, "");
  expect(survives_a_cell(x));
  return x;
}

std::optional<TableStep> table_step(double uo) {
  const AlphaCLookup lookup = look_up_alpha_c(uo);
  if (lookup.range != AlphaCLookup::Range::Within) return std::nullopt;
  return TableStep{static_cast<int>(lookup.row) + 1, lookup.alpha_c};
}

// αc as the program shows it; below the table only the designer's answer.
double alpha_c_shown(double uo, const std::string& text, bool typed) {
  const AlphaCLookup lookup = look_up_alpha_c(uo);
  expect(typed == (lookup.range == AlphaCLookup::Range::Below));
  if (typed) return leading_number(text, "");
  expect(alpha_c_text(lookup) == text);
  return strict_number(text, "");
}

void group_and_sums(const Calculation& c, Reproduced& r) {
  r.household_ng = input(c.household_ng);
  r.households = leading_number(c.households, "");
  expect(survives_a_cell(r.households));
  r.group_ng = leading_number(c.group_ng, "");
  expect(number_text(r.households * r.household_ng) == c.group_ng);
  const double sum = Value(c.sum_ng_before).leading("") + Value(r.group_ng).leading("");
  expect(number_text(sum) == c.sum_ng);
  r.sum_ng = strict_number(c.sum_ng, "");
}

void probability_method(const Calculation& c, Reproduced& r) {
  r.q0 = input(c.q0);
  r.m = input(c.m);
  r.kh = input(c.kh);
  r.t = input(c.t);
  r.uo_raw = average_outflow_probability({r.q0, r.m, r.kh, r.t, r.household_ng});
  expect(c.uo == r.uo_raw && four_decimal_text(r.uo_raw) == c.uo_text);
  r.uo = strict_number(c.uo_text, "");
  r.uo_step = table_step(r.uo_raw);
  r.alpha_c = alpha_c_shown(r.uo_raw, c.alpha_c, c.alpha_c_typed);
  r.share = outflow_share(r.group_ng, r.uo);
  expect(c.share == r.share);
  r.sum_shares_raw = Value(c.sum_shares_before).leading("") + Value(r.share).leading("");
  expect(Fixed4::from(r.sum_shares_raw).text() == c.sum_shares);
  r.sum_shares = strict_number(c.sum_shares, "");
  r.mean_uo_raw = weighted_mean_outflow_probability(r.sum_shares, r.sum_ng);
  expect(c.mean_uo == r.mean_uo_raw && four_decimal_text(r.mean_uo_raw) == c.mean_uo_text);
  r.mean_uo = strict_number(c.mean_uo_text, "");
  expect(look_up_alpha_c(r.mean_uo_raw).range != AlphaCLookup::Range::Below);
  r.mean_step = table_step(r.mean_uo_raw);
  r.mean_alpha_c = alpha_c_shown(r.mean_uo_raw, c.mean_alpha_c, false);
  r.u = simultaneous_outflow_probability(r.mean_alpha_c, r.sum_ng);
  expect(c.u == r.u);
  r.flow_raw = with_flush_valve(probability_method_flow(r.u, r.sum_ng), c.flush_valve);
}

void coefficient_method(const Calculation& c, Reproduced& r) {
  r.k = input(c.k);
  r.alpha = input(c.alpha);
  r.flow_raw = with_flush_valve(coefficient_method_flow(r.alpha, r.k, r.sum_ng), c.flush_valve);
}

// The size chosen for the flow as shown, with the velocity and 1000i the
// formulas of the choice give, unrounded and as shown.
void sizing(const Calculation& c, Reproduced& r) {
  InnerDiameters inner{};
  for (std::size_t k = 0; k < inner.size(); ++k) {
    inner[k] = c.inner[k];
    expect(survives_a_cell(inner[k]));
  }
  const auto coef_i = static_cast<float>(c.coef_i);
  expect(static_cast<double>(coef_i) == c.coef_i);
  const SizeChoice choice = choose_pipe_size(c.flow_text, inner, coef_i);
  expect(choice.size == c.size && choice.velocity == c.velocity && choice.friction == c.friction);
  r.size_index = choice.index;
  r.inner = inner[choice.index];
  r.velocity_raw = velocity(r.flow, r.inner);
  r.velocity = strict_number(c.velocity, "");
  r.friction_raw = friction(r.flow, r.inner, coef_i);
  r.friction = strict_number(c.friction, "");
  expect(four_decimal_text(r.velocity_raw) == c.velocity && four_decimal_text(r.friction_raw) == c.friction);
}

void losses(const SegmentRecord& record, Reproduced& r) {
  r.length = input(record.length);
  r.loss = r.friction * r.length;
  expect(r.loss == record.loss);
  r.running = running_loss(record);
  expect(r.running == record.running);
}

}  // namespace

bool survives_a_cell(double x) {
  if (!std::isfinite(x)) return false;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 16).ptr;
  double back = 0;
  std::from_chars(text, end, back);
  return back == x;
}

double running_loss(const SegmentRecord& record) {
  return record.running_before.leading("") + Value(record.loss).leading("");
}

std::optional<Reproduced> reproduce(const SegmentRecord& record) {
  if (!record.calculation) return std::nullopt;
  const Calculation& c = *record.calculation;
  Reproduced r;
  try {
    group_and_sums(c, r);
    if (c.method == Method::Probability) {
      probability_method(c, r);
    } else {
      coefficient_method(c, r);
    }
    r.flush_valve = c.flush_valve ? flush_valve_flow : 0;
    expect(c.flow == r.flow_raw && four_decimal_text(r.flow_raw) == c.flow_text);
    r.flow = strict_number(c.flow_text, "");
    sizing(c, r);
    losses(record, r);
  } catch (const Differs&) {
    return std::nullopt;
  } catch (const Failure&) {
    return std::nullopt;
  }
  return r;
}

}  // namespace aquamere::book
