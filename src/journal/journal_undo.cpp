// The journal's last record as undo and resume read it, with the lean
// reader: each reads one record at every use, from the end of the file.
#include "journal/journal.h"
#include "journal/json_reader.h"

namespace aquamere::journal {
namespace {

using Kind = JsonNode::Kind;

std::string text_of(const JsonNode& node) { return node.text().value_or(std::string()); }

WindowBefore before_of(const JsonNode& before) {
  WindowBefore w;
  before["texts"].for_each_member([&](std::string_view name, const JsonNode& node) {
    if (std::optional<std::string> text = node.text()) w.texts.emplace_back(name, std::move(*text));
  });
  before["alignments"].for_each_member([&](std::string_view name, const JsonNode& node) {
    for (const auto& [align, align_name] : alignment_names) {
      if (node.text() == align_name) w.alignments.emplace_back(name, align);
    }
  });
  before["checks"].for_each_member([&](std::string_view name, const JsonNode& node) {
    if (const std::optional<double> value = node.number()) w.checks.emplace_back(name, *value != 0 ? 1 : 0);
  });
  const JsonNode listed = before["listed"];
  if (const std::optional<double> flow = listed["flow"].number()) {
    w.listed = {.flow = *flow, .material = text_of(listed["material"])};
  }
  before["lists"].for_each_member([&](std::string_view name, const JsonNode& node) {
    std::vector<std::string> lines;
    for (const JsonNode& item : node.items()) lines.push_back(text_of(item));
    ListItems items;
    items.assign(std::move(lines));
    w.lists.emplace_back(name, std::move(items));
  });
  before["values"].for_each_member([&](std::string_view name, const JsonNode& node) {
    if (const std::optional<double> number = node.number()) {
      w.values.emplace_back(name, *number);
    } else if (std::optional<std::string> text = node.text()) {
      w.values.emplace_back(name, std::move(*text));
    }
  });
  w.material = text_of(before["material"]);
  return w;
}

// The αc the designer typed for the segment, for calculating it again.
Calculation typed_alpha_c(const JsonNode& record) {
  return {.alpha_c = text_of(record["uo"]["alpha_c"]),
          .alpha_c_typed = record["uo"]["alpha_c_typed"].flag().value_or(false)};
}

}  // namespace

std::optional<SegmentRecord> record_to_undo(std::string_view line) {
  const std::optional<JsonDocument> document = JsonDocument::parse(line);
  if (!document) return std::nullopt;
  const JsonNode root = document->root();
  if (!root["line"].is(Kind::String) || !root["before"].is(Kind::Object)) return std::nullopt;
  const std::optional<std::string> command = root["command"].text();
  const std::optional<SegmentRecord::Command> named = command ? command_named(*command) : std::nullopt;
  if (!named) return std::nullopt;
  SegmentRecord r;
  r.command = *named;
  if (r.command != SegmentRecord::Command::Repeat) r.calculation = typed_alpha_c(root);
  r.label = text_of(root["label"]);
  r.line = text_of(root["line"]);
  r.before = before_of(root["before"]);
  return r;
}

bool is_cleared_line(std::string_view line) {
  const std::optional<JsonDocument> document = JsonDocument::parse(line);
  return document && document->root()["cleared"].is(Kind::Boolean);
}

}  // namespace aquamere::journal
