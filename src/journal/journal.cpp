#include "journal/journal.h"

#include <nlohmann/json.hpp>

#include "journal/json_writer.h"

namespace aquamere::journal {
namespace {

using json = nlohmann::json;
using Method = Calculation::Method;
using Command = SegmentRecord::Command;

// A value the program held: null when empty (a sum after a reset), a
// number, or a text that was no number.
void value(JsonWriter& out, std::string_view key, const Value& v) {
  if (v.is_empty() || v.equals_text("")) {
    out.null(key);
  } else if (v.is_text()) {
    out.text(key, v.text());
  } else {
    out.number(key, v.number(""));
  }
}

Value value_of(const json& j) {
  if (j.is_number()) return j.get<double>();
  if (j.is_string()) return j.get<std::string>();
  return {};
}

std::optional<double> optional_of(const json& j) {
  if (j.is_number()) return j.get<double>();
  return std::nullopt;
}

// Reads leniently: a missing or mistyped member gives the empty value, so
// that a record from an older or newer program still reads.
const json& member(const json& j, const char* key) {
  static const json none;
  if (!j.is_object()) return none;
  const auto it = j.find(key);
  return it == j.end() ? none : *it;
}

std::string text_of(const json& j, const char* key) {
  const json& m = member(j, key);
  return m.is_string() ? m.get<std::string>() : std::string();
}

bool flag_of(const json& j, const char* key) {
  const json& m = member(j, key);
  return m.is_boolean() && m.get<bool>();
}

void write_calculation(JsonWriter& out, const Calculation& c) {
  const bool probability = c.method == Method::Probability;
  out.text("method", probability ? "probability" : "coefficient");
  out.open("group");
  out.text("ng", c.household_ng);
  out.text("households", c.households);
  out.text("group_ng", c.group_ng);
  out.close();
  out.open("parameters");
  if (probability) {
    for (const auto& [key, text] : {std::pair{"q0", &c.q0}, {"m", &c.m}, {"kh", &c.kh}, {"t", &c.t}})
      out.text(key, *text);
  } else {
    out.text("k", c.k);
    out.text("alpha", c.alpha);
  }
  out.close();
  if (probability) {
    out.open("uo");
    out.number("value", c.uo);
    out.text("text", c.uo_text);
    out.text("alpha_c", c.alpha_c);
    out.boolean("alpha_c_typed", c.alpha_c_typed);
    out.number("share", c.share);
    out.close();
    out.open("mean");
    out.number("value", c.mean_uo);
    out.text("text", c.mean_uo_text);
    out.text("alpha_c", c.mean_alpha_c);
    out.close();
  }
  out.open("sums");
  out.boolean("reset", c.sums_reset());
  value(out, "sum_ng_before", c.sum_ng_before);
  value(out, "sum_shares_before", c.sum_shares_before);
  out.text("sum_ng", c.sum_ng);
  out.text("sum_shares", c.sum_shares);
  out.close();
  out.open("flow");
  out.number("u", c.u);
  out.boolean("flush_valve", c.flush_valve);
  out.number("value", c.flow);
  out.text("text", c.flow_text);
  out.close();
  out.open("pipe");
  out.text("material", c.material);
  out.number("coef_i", c.coef_i);
  out.numbers("inner", c.inner);
  out.text("size", c.size);
  out.text("velocity", c.velocity);
  out.text("friction", c.friction);
  out.close();
}

// The window before the segment, for undoing it: what it held, a text
// left out being empty and a variable left out never set; a variable that
// holds an empty text is written as "", and every number to its last bit.
void write_before(JsonWriter& out, const WindowBefore& before) {
  out.open("before");
  out.open("texts");
  for (const auto& [name, text] : before.texts) {
    if (!text.empty()) out.text(name, text);
  }
  out.close();
  out.open("alignments");
  for (const auto& [name, align] : before.alignments) out.text(name, alignment_name(align));
  out.close();
  out.open("checks");
  for (const auto& [name, value] : before.checks) out.number(name, value);
  out.close();
  if (before.listed) {
    out.open("listed");
    out.number("flow", before.listed->flow);
    out.text("material", before.listed->material);
    out.close();
  } else {
    out.open("lists");
    for (const auto& [name, items] : before.lists) {
      if (!items.empty()) out.texts(name, items.lines());
    }
    out.close();
  }
  out.open("values");
  for (const auto& [name, v] : before.values) {
    if (v.is_text()) {
      out.text(name, v.text());
    } else if (!v.is_empty()) {
      out.number(name, v.number(""));
    }
  }
  out.close();
  out.text("material", before.material);
  out.close();
}

Calculation calculation_of(const json& j) {
  Calculation c;
  c.method = text_of(j, "method") == "coefficient" ? Method::Coefficient : Method::Probability;
  const json& group = member(j, "group");
  c.household_ng = text_of(group, "ng");
  c.households = text_of(group, "households");
  c.group_ng = text_of(group, "group_ng");
  const json& parameters = member(j, "parameters");
  c.q0 = text_of(parameters, "q0");
  c.m = text_of(parameters, "m");
  c.kh = text_of(parameters, "kh");
  c.t = text_of(parameters, "t");
  c.k = text_of(parameters, "k");
  c.alpha = text_of(parameters, "alpha");
  const json& uo = member(j, "uo");
  c.uo = optional_of(member(uo, "value"));
  c.uo_text = text_of(uo, "text");
  c.alpha_c = text_of(uo, "alpha_c");
  c.alpha_c_typed = flag_of(uo, "alpha_c_typed");
  c.share = optional_of(member(uo, "share"));
  const json& mean = member(j, "mean");
  c.mean_uo = optional_of(member(mean, "value"));
  c.mean_uo_text = text_of(mean, "text");
  c.mean_alpha_c = text_of(mean, "alpha_c");
  const json& sums = member(j, "sums");
  c.sum_ng_before = value_of(member(sums, "sum_ng_before"));
  c.sum_shares_before = value_of(member(sums, "sum_shares_before"));
  c.sum_ng = text_of(sums, "sum_ng");
  c.sum_shares = text_of(sums, "sum_shares");
  const json& flow = member(j, "flow");
  c.u = optional_of(member(flow, "u"));
  c.flush_valve = flag_of(flow, "flush_valve");
  c.flow = optional_of(member(flow, "value"));
  c.flow_text = text_of(flow, "text");
  const json& pipe = member(j, "pipe");
  c.material = text_of(pipe, "material");
  c.coef_i = optional_of(member(pipe, "coef_i")).value_or(0);
  const json& inner = member(pipe, "inner");
  for (std::size_t k = 0; k < c.inner.size() && inner.is_array() && k < inner.size(); ++k)
    c.inner[k] = optional_of(inner[k]).value_or(0);
  c.size = text_of(pipe, "size");
  c.velocity = text_of(pipe, "velocity");
  c.friction = text_of(pipe, "friction");
  return c;
}

std::optional<SegmentRecord> record_of(const json& j) {
  const std::string command = text_of(j, "command");
  const json& loss = member(j, "loss");
  if (!member(j, "line").is_string() || !member(loss, "running").is_number()) return std::nullopt;
  const std::optional<Command> named = command_named(command);
  if (!named) return std::nullopt;
  SegmentRecord r;
  r.command = *named;
  if (r.command != Command::Repeat) r.calculation = calculation_of(j);
  r.label = text_of(j, "label");
  r.line = text_of(j, "line");
  r.length = text_of(loss, "length");
  r.running_before = value_of(member(loss, "running_before"));
  r.loss = optional_of(member(loss, "segment")).value_or(0);
  r.running = member(loss, "running").get<double>();
  r.local_loss_coefficient = text_of(loss, "local_coefficient");
  return r;
}

}  // namespace

std::string path_for(std::string_view report_path) { return std::string(report_path) + ".json"; }

std::string_view alignment_name(Align align) {
  for (const auto& [value, name] : alignment_names) {
    if (value == align) return name;
  }
  return {};
}

std::optional<SegmentRecord::Command> command_named(std::string_view name) {
  for (const auto& [value, known] : command_names) {
    if (name == known) return value;
  }
  return std::nullopt;
}

std::string line_of(const SegmentRecord& record) {
  JsonWriter out;
  for (const auto& [value, name] : command_names) {
    if (record.command == value) out.text("command", name);
  }
  out.text("label", record.label);
  out.text("line", record.line);
  if (record.calculation) write_calculation(out, *record.calculation);
  out.open("loss");
  out.text("length", record.length);
  out.number("segment", record.loss);
  value(out, "running_before", record.running_before);
  out.number("running", record.running);
  out.text("local_coefficient", record.local_loss_coefficient);
  out.close();
  if (record.before) write_before(out, *record.before);
  return std::move(out).line();
}

std::vector<SegmentRecord> read(FilePort& files, const std::string& report_path) {
  const std::string path = path_for(report_path);
  std::vector<SegmentRecord> records;
  if (!files.size(path)) return records;
  files.read_lines(path, [&](std::string_view line) {
    const json j = json::parse(line, nullptr, false);
    if (j.is_discarded()) return;
    if (member(j, "cleared").is_boolean()) {
      records.clear();
    } else if (std::optional<SegmentRecord> record = record_of(j)) {
      records.push_back(std::move(*record));
    }
  });
  return records;
}

}  // namespace aquamere::journal
