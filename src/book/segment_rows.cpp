#include "book/segment_rows.h"

#include <cmath>

#include "book/columns.h"
#include "book/formulas.h"
#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "designflow/alpha_c_table.h"
#include "designflow/design_flow.h"
#include "designflow/outflow_probability.h"
#include "hydraulics/pipe_sizing.h"

namespace aquamere::book {
namespace {

using formula::fifteen_digits;
using formula::four_decimals;
using formula::joined;

Cell text(std::string s, Style style = Style::Number) { return {.value = std::move(s), .style = style}; }
Cell number(double x, Style style = Style::Number) { return {.value = x, .style = style}; }

// A field of a line as the book shows it: a number when it reads as one.
Cell entered(const std::string& field) {
  if (const std::optional<double> x = strict_number(field)) return number(*x, Style::Entered);
  return text(field, Style::Entered);
}

// Two fields of a line are the same when they show the same number, or the
// same text, blanks around it aside.
bool same_field(const std::string& a, const std::string& b) {
  const std::optional<double> x = strict_number(a), y = strict_number(b);
  if (x && y) return *x == *y;
  return line_key(a) == line_key(b);
}

constexpr std::array<const char*, 8> field_names = {"管段编号", "∑Ng",   "qg",   "管径",
                                                    "流速",     "1000i", "管长", "累计水损"};

// Where a line no longer shows its record's numbers, in a reviewer's words.
std::string differences(const LineFields& line, const LineFields& record) {
  std::string said;
  for (std::size_t f = FieldSumNg; f <= FieldRunning; ++f) {
    if (same_field(line.fields[f], record.fields[f])) continue;
    said += joined(
        {said.empty() ? "" : "；", field_names[f], "：计算书", line.fields[f], "，记录", record.fields[f]});
  }
  return joined(
      {"计算书与计算记录不符", said.empty() ? "" : "（", said, said.empty() ? "" : "）", "，照录计算书"});
}

// The running loss after a segment as the program adds it: the loss before
// and the segment's 1000i × length, each through its 15-digit text.
double running_after(double before, double friction, double length) {
  return rounded_to_15_digits(before) + rounded_to_15_digits(friction * length);
}

// Where a Uo falls in the Uo–αc table: the interval it is interpolated in.
std::string interval_formula(const std::string& uo) {
  return joined({"IF(OR(", uo, "<", number_text(alpha_c_table.front().uo), ",", uo, ">",
                 number_text(alpha_c_table.back().uo), "),\"\",MAX(1,SUMPRODUCT((", alpha_c_uo_range(), "<",
                 uo, ")*1)))"});
}

// αc between the rows that enclose Uo: (Uo − x0)·(y1 − y0) first, then
// divided by (x1 − x0), then added to y0, as the program evaluates it.
std::string interpolation_formula(const std::string& uo, const std::string& interval) {
  const auto x = [&](const char* offset) {
    return joined({"INDEX(", alpha_c_uo_range(), ",", interval, offset, ")"});
  };
  const auto y = [&](const char* offset) {
    return joined({"INDEX(", alpha_c_range(), ",", interval, offset, ")"});
  };
  return joined({"IF(", interval, R"(="","",)", y(""), "+((", uo, "-", x(""), ")*(", y("+1"), "-", y(""),
                 "))/(", x("+1"), "-", x(""), "))"});
}

// Above the table αc is the last row's, as it stands; within it the
// interpolated αc at four decimals.
std::string alpha_c_formula(const std::string& uo, const std::string& raw) {
  return joined({"IF(", uo, ">", number_text(alpha_c_table.back().uo), ",", alpha_c_above_table(), ",",
                 four_decimals(raw), ")"});
}

CellValue step_interval(const std::optional<TableStep>& step) {
  return step ? CellValue(static_cast<double>(step->interval)) : CellValue(std::string());
}
CellValue step_alpha_c(const std::optional<TableStep>& step) {
  return step ? CellValue(step->alpha_c) : CellValue(std::string());
}

// The check of the size chosen against the velocity limit of the stage its
// bore ends the walk in.
std::string velocity_check_formula(const std::string& inner, const std::string& velocity) {
  std::string check;
  std::string closing;
  for (const VelocityStage& stage : velocity_stages) {
    const std::string within = joined({velocity, stage.at_limit_too ? "<" : "<=", number_text(stage.limit)});
    if (stage.final_from_mm <= 0) {
      check += within;
      break;
    }
    check += joined({"IF(", inner, ">=", number_text(stage.final_from_mm), ",", within, ","});
    closing += ")";
  }
  return joined({"IF(", check, closing, ",\"满足\",\"超限\")"});
}

bool velocity_within(double inner, double velocity) {
  for (const VelocityStage& stage : velocity_stages) {
    if (inner >= stage.final_from_mm)
      return stage.at_limit_too ? velocity < stage.limit : velocity <= stage.limit;
  }
  return false;
}

}  // namespace

std::string SegmentRows::at(int column) const { return formula::cell(column, row_); }
std::string SegmentRows::at(int column, int row) const { return formula::cell(column, row); }

void SegmentRows::remark(std::string_view text) {
  if (!remarks_.empty()) remarks_ += "；";
  remarks_ += text;
}

int SegmentRows::last_number_row(int column) const { return last_numbers_[static_cast<std::size_t>(column)]; }

// A record whose numbers are damaged beyond what its line shows makes the
// row an entered one, like a line without a record: never a failed export.
void SegmentRows::add(const BookSegment& segment) {
  row_ = next_row_++;
  remarks_.clear();
  sheet_.row(row_).assign(column_count, Cell{});
  try {
    fill(segment);
  } catch (const Failure&) {
    sheet_.row(row_).assign(column_count, Cell{});
    remarks_.clear();
    entered_row(segment, "计算记录有误，照录计算书");
  }
  if (!remarks_.empty()) put(Remarks, text(remarks_, Style::Remark));
  for (const int column : {SumNg, Flow, RunningLoss}) {
    const Cell& cell = sheet_.rows[static_cast<std::size_t>(row_)][static_cast<std::size_t>(column)];
    if (std::holds_alternative<double>(cell.value)) last_numbers_[static_cast<std::size_t>(column)] = row_;
  }
}

void SegmentRows::fill(const BookSegment& segment) {
  if (segment.pairing == Pairing::NoLine) return missing_line(*segment.record);
  if (!segment.fields.after.empty()) remark("行末附注：" + segment.fields.after);
  if (segment.pairing == Pairing::NoRecord) return entered_row(segment, "无计算记录，照录计算书");
  const SegmentRecord& record = *segment.record;
  if (segment.pairing == Pairing::Differs)
    return entered_row(segment, differences(segment.fields, fields_of(record.line)));
  if (!std::isfinite(record.loss) || !std::isfinite(record.running))
    return entered_row(segment, "计算记录有误，照录计算书");
  if (record.command == SegmentRecord::Command::Repeat) {
    if (const std::optional<std::string> trouble = repeat_row(record, segment.fields))
      entered_row(segment, *trouble);
  } else if (const std::optional<Reproduced> r = reproduce(record)) {
    calculation_row(record, *r);
  } else {
    entered_row(segment, "计算记录不能重算出计算书的数值，照录计算书");
  }
}

void SegmentRows::calculation_row(const SegmentRecord& record, const Reproduced& r) {
  const Calculation& c = *record.calculation;
  const bool probability = c.method == Calculation::Method::Probability;
  put(Label, text(record.label));
  put(Method, text(probability ? "概率法" : "系数法"));
  group_cells(c, r);
  if (probability) {
    probability_cells(c, r);
  } else {
    coefficient_cells(r);
  }
  put(FlushValve, number(r.flush_valve));
  formula(Flow, four_decimals(at(FlowRaw)), r.flow);
  sizing_cells(c, r);
  loss_cells(record, r.length, r.friction);
  repeated_.row = row_;
  repeated_.fields = fields_of(record.line);
  repeated_.size_index = r.size_index;
  repeated_missing_ = false;
  last_record_ = &record;
}

// The group's equivalents and the running ΣNg. After a reset of the sums
// ΣNg is the group's own; otherwise the sum before it, from the row that
// holds it when that row shows the same number.
void SegmentRows::group_cells(const Calculation& c, const Reproduced& r) {
  put(HouseholdNg, number(r.household_ng));
  put(Households, number(r.households));
  formula(GroupNg, fifteen_digits(joined({at(HouseholdNg), "*", at(Households)})), r.group_ng);
  const double before = Value(c.sum_ng_before).leading("");
  std::string sum;
  if (c.sums_reset()) {
    sum = at(GroupNg);
    if (row_ != first_row_) remark("累计自本段重新开始");
    sum_shares_ = {};
  } else if (sum_ng_.row >= 0 && sum_ng_.value == before) {
    sum = fifteen_digits(joined({at(SumNg, sum_ng_.row), "+", at(GroupNg)}));
  } else {
    sum = fifteen_digits(joined({number_text(before), "+", at(GroupNg)}));
    remark("∑Ng接续前值" + number_text(before));
  }
  formula(SumNg, sum, r.sum_ng);
  sum_ng_ = {row_, r.sum_ng};
}

void SegmentRows::probability_cells(const Calculation& c, const Reproduced& r) {
  put(Q0, number(r.q0));
  put(M, number(r.m));
  put(Kh, number(r.kh));
  put(T, number(r.t));
  formula(UoRaw,
          joined({"(", at(Kh), "*(", at(Q0), "*", at(M), ")*100)/(", at(T), "*(", at(HouseholdNg), "*",
                  number_text(flow_per_equivalent), ")*", number_text(seconds_per_hour), ")"}),
          r.uo_raw);
  formula(Uo, four_decimals(at(UoRaw)), r.uo);
  if (c.alpha_c_typed) {
    put(AlphaC, number(r.alpha_c, Style::Designer));
    remark("Uo低于表列，αc由设计人员给定，仅作显示，qg按加权αc计算");
  } else {
    formula(UoInterval, interval_formula(at(UoRaw)), step_interval(r.uo_step));
    formula(AlphaCRaw, interpolation_formula(at(UoRaw), at(UoInterval)), step_alpha_c(r.uo_step));
    formula(AlphaC, alpha_c_formula(at(UoRaw), at(AlphaCRaw)), r.alpha_c);
  }
  formula(Share, joined({at(GroupNg), "*", at(Uo), "/100"}), r.share);
  const double before = Value(c.sum_shares_before).leading("");
  std::string sum;
  if (sum_shares_.row >= 0 && sum_shares_.value == before) {
    sum = joined({at(SumShares, sum_shares_.row), "+", fifteen_digits(at(Share))});
  } else if (before == 0) {
    sum = fifteen_digits(at(Share));
  } else {
    sum = joined({number_text(before), "+", fifteen_digits(at(Share))});
    remark("∑(Ng·Uo/100)接续前值" + number_text(before));
  }
  formula(SumSharesRaw, sum, r.sum_shares_raw);
  formula(SumShares, four_decimals(at(SumSharesRaw)), r.sum_shares);
  sum_shares_ = {row_, r.sum_shares};
  formula(MeanUoRaw, joined({"(", at(SumShares), "/", at(SumNg), ")*100"}), r.mean_uo_raw);
  formula(MeanUo, four_decimals(at(MeanUoRaw)), r.mean_uo);
  formula(MeanInterval, interval_formula(at(MeanUoRaw)), step_interval(r.mean_step));
  formula(MeanAlphaCRaw, interpolation_formula(at(MeanUoRaw), at(MeanInterval)), step_alpha_c(r.mean_step));
  formula(MeanAlphaC, alpha_c_formula(at(MeanUoRaw), at(MeanAlphaCRaw)), r.mean_alpha_c);
  formula(U,
          joined({"(1+(", at(SumNg), "-1)^", number_text(ng_exponent), "*", at(MeanAlphaC), ")/SQRT(",
                  at(SumNg), ")"}),
          r.u, Style::Fixed);
  formula(FlowRaw,
          joined({number_text(flow_per_equivalent), "*", at(U), "*", at(SumNg), "+", at(FlushValve)}),
          r.flow_raw);
}

void SegmentRows::coefficient_cells(const Reproduced& r) {
  put(K, number(r.k));
  put(Alpha, number(r.alpha));
  formula(FlowRaw,
          joined({at(Alpha), "*(SQRT(", at(SumNg), ")*", number_text(flow_per_equivalent), ")+", at(K), "*",
                  at(SumNg), "+", at(FlushValve)}),
          r.flow_raw);
}

// The size chosen stands as a value; its bore comes from the material's
// table, its velocity and 1000i from the flow as shown.
void SegmentRows::sizing_cells(const Calculation& c, const Reproduced& r) {
  const PipeTable table = tables_.use({.material = c.material, .coef_i = c.coef_i, .inner = c.inner});
  if (!material_.empty() && c.material != material_) remark("管材改为" + c.material);
  material_ = c.material;
  repeated_.table = table;
  put(Material, text(c.material));
  put(Size, text(c.size));
  formula(Inner, joined({"INDEX(", inner_range(table), ",MATCH(", at(Size), ",", sizes_range(table), ",0))"}),
          r.inner);
  formula(VelocityRaw,
          joined({number_text(velocity_scale), "*((", at(Flow), "*4)/(", at(Inner), "*", at(Inner), "*",
                  number_text(pi_of_the_tables), "))"}),
          r.velocity_raw);
  formula(Velocity, four_decimals(at(VelocityRaw)), r.velocity);
  formula(VelocityCheck, velocity_check_formula(at(Inner), at(Velocity)),
          velocity_within(r.inner, r.velocity) ? "满足" : "超限");
  control_cells(table, r.size_index, r.velocity);
  formula(
      FrictionRaw,
      joined({"((", coefficient_cell(table), "*", at(Flow), "^", number_text(friction_flow_exponent), ")/",
              at(Inner), "^", number_text(friction_bore_exponent), ")*", number_text(friction_scale)}),
      r.friction_raw);
  formula(Friction, four_decimals(at(FrictionRaw)), r.friction);
}

// The size against the velocity-control table, by the DN it answers to.
void SegmentRows::control_cells(const PipeTable& table, std::size_t size_index, double velocity) {
  const double limit = velocity_control_limit(nominal_dn[size_index]);
  formula(ControlLimit,
          joined({"INDEX(", control_range(table), ",MATCH(", at(Size), ",", sizes_range(table), ",0))"}),
          limit);
  formula(ControlCheck, joined({"IF(", at(Velocity), "<=", at(ControlLimit), ",\"满足\",\"超出\")"}),
          velocity <= limit ? "满足" : "超出");
}

// The segment's loss, and the running loss: from the row that holds it
// before when that row shows the same number, afresh after a new report or
// a new start of the program. A running loss that does not go on from the
// row before is named so: a segment line is missing between them.
void SegmentRows::loss_cells(const SegmentRecord& record, double length, double friction) {
  put(Length, number(length));
  formula(SegmentLoss, joined({at(Friction), "*", at(Length)}), length * friction);
  const double before = record.running_before.leading("");
  std::string running;
  if (record.running_before.is_empty()) {
    running = fifteen_digits(at(SegmentLoss));
    if (row_ != first_row_) remark("水损自本段起重新累计");
  } else if (running_.row >= 0 && rounded_to_15_digits(running_.value) == before) {
    running = joined({fifteen_digits(at(RunningLoss, running_.row)), "+", fifteen_digits(at(SegmentLoss))});
  } else {
    running = joined({number_text(before), "+", fifteen_digits(at(SegmentLoss))});
    if (running_.row >= 0) {
      remark(joined({"累计水损不接续上一行：本段前为", number_text(before), "，上一行为",
                     number_text(running_.value), "，其间缺少管段行"}));
    } else {
      remark("累计水损接续前值" + number_text(before));
    }
  }
  formula(RunningLoss, running, record.running);
  running_ = {row_, record.running};
}

// A repeated segment shows the last calculation's results again under a new
// label and length: its cells refer to that row. Nothing, or why it cannot.
std::optional<std::string> SegmentRows::repeat_row(const SegmentRecord& record, const LineFields& fields) {
  if (repeated_missing_) return "所重复的管段不在计算书中，照录计算书";
  if (repeated_.row < 0 || !fields.complete || !repeated_.fields.complete)
    return "重复管段之前没有可重算的计算，照录计算书";
  for (std::size_t field = FieldSumNg; field <= FieldFriction; ++field) {
    if (!same_field(fields.fields[field], repeated_.fields.fields[field]))
      return "重复管段与所重复的计算不符，照录计算书";
  }
  const std::optional<double> length = strict_number(record.length);
  const double friction = strict_number(fields.fields[FieldFriction]).value_or(0);
  if (!length || !survives_a_cell(*length) || friction * *length != record.loss ||
      running_loss(record) != record.running)
    return "重复管段的计算记录有误，照录计算书";
  const int source = repeated_.row;
  const std::vector<Cell>& from = sheet_.rows[static_cast<std::size_t>(source)];
  put(Label, text(record.label));
  put(Method, text("重复"));
  put(Material, from[Material]);
  put(Size, from[Size]);
  for (const int column : {SumNg, Flow, Inner, Velocity, Friction})
    formula(column, at(column, source), from[static_cast<std::size_t>(column)].value);
  formula(VelocityCheck, velocity_check_formula(at(Inner), at(Velocity)), from[VelocityCheck].value);
  control_cells(repeated_.table, repeated_.size_index, std::get<double>(from[Velocity].value));
  remark(joined({"重复管段", std::get<std::string>(from[Label].value), "的计算结果"}));
  loss_cells(record, *length, friction);
  return std::nullopt;
}

// A line the book cannot recompute shows its fields as the report has them.
void SegmentRows::entered_row(const BookSegment& segment, const std::string& why) {
  remark(why);
  const LineFields& f = segment.fields;
  repeated_.row = -1;
  sum_shares_ = {};
  put(Label, text(f.fields[FieldLabel]));
  if (!f.complete) {
    remark(joined({"计算书原文：", segment.line}));
    running_ = {};
    sum_ng_ = {};
    return;
  }
  put(Method, text("照录", Style::Entered));
  const int columns[] = {SumNg, Flow, Size, Velocity, Friction, Length, RunningLoss};
  for (std::size_t i = 0; i < std::size(columns); ++i) put(columns[i], entered(f.fields[i + 1]));
  running_check(f);
  const std::optional<double> sum_ng = strict_number(f.fields[FieldSumNg]);
  const std::optional<double> running = strict_number(f.fields[FieldRunning]);
  sum_ng_ = sum_ng ? Held{row_, *sum_ng} : Held{};
  running_ = running ? Held{row_, *running} : Held{};
}

// An entered line's running loss goes on from the row before by its own
// 1000i × length, or starts afresh with it; otherwise lines are missing.
void SegmentRows::running_check(const LineFields& f) {
  const std::optional<double> running = strict_number(f.fields[FieldRunning]);
  const std::optional<double> friction = strict_number(f.fields[FieldFriction]);
  const std::optional<double> length = strict_number(f.fields[FieldLength]);
  if (!running || !friction || !length || running_.row < 0) return;
  const double own = running_after(0, *friction, *length);
  const double after = running_after(running_.value, *friction, *length);
  if (*running == after || *running == own || number_text(after) == number_text(*running)) return;
  remark(joined({"累计水损与上一行不衔接：上一行", number_text(running_.value), "加本段",
                 number_text(*friction * *length), "不得", number_text(*running), "，其间可能缺少管段行"}));
}

// A record whose line is gone from the report: shown in the remarks alone,
// so that no total counts it.
void SegmentRows::missing_line(const SegmentRecord& record) {
  put(Label, text(record.label, Style::Entered));
  put(Method, text("缺行", Style::Entered));
  remark(joined({"计算书中没有此管段的行，仅见于计算记录：", line_key(record.line), "；不计入合计"}));
  if (record.command != SegmentRecord::Command::Repeat) repeated_missing_ = true;
  sum_shares_ = {};
  sum_ng_ = {};
}

}  // namespace aquamere::book
