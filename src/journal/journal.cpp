// The journal's records as JSON, written and read with RapidJSON. Each part
// of a record is written and read in one place, side by side, and one
// reader serves the calculation book, undo and resume alike.
#include "journal/journal.h"

// Texts are scanned for what needs escaping sixteen bytes at a time.
#if defined(__SSE2__) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/document.h>
#include <rapidjson/encodedstream.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <span>

#include "common/numtext.h"
#include "common/utf8.h"

namespace aquamere::journal {
namespace {

using Method = Calculation::Method;
using Command = SegmentRecord::Command;
using Json = rapidjson::Value;

// Writes one record as a JSON object, member after member, into a buffer
// that RapidJSON fills without checking its room byte by byte: the journal
// writes a record at every segment, and a document built first would cost
// more than the rest of a calculate click. Numbers are their shortest
// decimals that read back as the same double, as std::to_chars writes
// them, null when not finite; a text that is no UTF-8 is written with
// U+FFFD for each byte that does not decode, so that the line stays JSON.
class Out {
 public:
  Out() { writer_.StartObject(); }

  void open(std::string_view key) {
    name(key);
    writer_.StartObject();
  }
  void close() { writer_.EndObject(); }
  void text(std::string_view key, std::string_view value) {
    name(key);
    string(value);
  }
  void number(std::string_view key, double value) {
    name(key);
    plain_number(value);
  }
  // null when absent.
  void number(std::string_view key, const std::optional<double>& value) {
    if (value) return number(key, *value);
    null(key);
  }
  void numbers(std::string_view key, std::span<const double> values) {
    name(key);
    writer_.StartArray();
    for (const double x : values) plain_number(x);
    writer_.EndArray();
  }
  void texts(std::string_view key, std::span<const std::string> values) {
    name(key);
    writer_.StartArray();
    for (const std::string& value : values) string(value);
    writer_.EndArray();
  }
  void boolean(std::string_view key, bool value) {
    name(key);
    writer_.Bool(value);
  }
  void null(std::string_view key) {
    name(key);
    writer_.Null();
  }
  // A value the program held: null when empty (a sum after a reset), a
  // number, or a text that was no number.
  void value(std::string_view key, const Value& v) {
    if (v.is_empty() || v.equals_text("")) {
      null(key);
    } else if (v.is_text()) {
      text(key, v.text());
    } else {
      number(key, v.number(""));
    }
  }

  // The record closed, as one line with its line end.
  std::string line() && {
    writer_.EndObject();
    std::string line;
    line.reserve(buffer_.GetSize() + 1);
    line.append(buffer_.GetString(), buffer_.GetSize()) += '\n';
    return line;
  }

 private:
  // Keys are the program's own plain names, such as its controls'.
  void name(std::string_view key) { writer_.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }
  void string(std::string_view text) {
    if (is_utf8(text)) {
      // The writer copies the text into its buffer at once and keeps no pointer to it.
      // cppcheck-suppress [danglingTemporaryLifetime, invalidLifetime]
      writer_.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    } else {
      const std::string mended = mended_utf8(text);
      writer_.String(mended.data(), static_cast<rapidjson::SizeType>(mended.size()));
    }
  }
  void plain_number(double x) {
    if (!std::isfinite(x)) {
      writer_.Null();
      return;
    }
    NumberDigits digits;
    const char* end = shortest_decimals(x, digits);
    writer_.RawValue(digits.data(), static_cast<std::size_t>(end - digits.data()), rapidjson::kNumberType);
  }

  rapidjson::StringBuffer buffer_{nullptr, 4096};
  rapidjson::Writer<rapidjson::StringBuffer> writer_{buffer_};
};

// Reads leniently: a missing or mistyped member gives the empty value, so
// that a record from an older or newer program still reads.
const Json& member(const Json& j, const char* key) {
  static const Json none;
  if (!j.IsObject()) return none;
  const auto it = j.FindMember(key);
  return it == j.MemberEnd() ? none : it->value;
}

std::string text_of(const Json& j) {
  return j.IsString() ? std::string(j.GetString(), j.GetStringLength()) : "";
}
std::string text_of(const Json& j, const char* key) { return text_of(member(j, key)); }

std::optional<double> number_of(const Json& j) {
  if (j.IsNumber()) return j.GetDouble();
  return std::nullopt;
}

bool flag_of(const Json& j, const char* key) {
  const Json& m = member(j, key);
  return m.IsBool() && m.GetBool();
}

Value value_of(const Json& j) {
  if (j.IsNumber()) return j.GetDouble();
  if (j.IsString()) return text_of(j);
  return {};
}

// Calls `each` with the name and the value of every member of an object.
template <typename Each>
void for_each_member(const Json& j, Each each) {
  if (!j.IsObject()) return;
  for (const auto& m : j.GetObject())
    each(std::string_view(m.name.GetString(), m.name.GetStringLength()), m.value);
}

void write_calculation(Out& out, const Calculation& c) {
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
  out.value("sum_ng_before", c.sum_ng_before);
  out.value("sum_shares_before", c.sum_shares_before);
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

Calculation calculation_of(const Json& j) {
  Calculation c;
  c.method = text_of(j, "method") == "coefficient" ? Method::Coefficient : Method::Probability;
  const Json& group = member(j, "group");
  c.household_ng = text_of(group, "ng");
  c.households = text_of(group, "households");
  c.group_ng = text_of(group, "group_ng");
  const Json& parameters = member(j, "parameters");
  c.q0 = text_of(parameters, "q0");
  c.m = text_of(parameters, "m");
  c.kh = text_of(parameters, "kh");
  c.t = text_of(parameters, "t");
  c.k = text_of(parameters, "k");
  c.alpha = text_of(parameters, "alpha");
  const Json& uo = member(j, "uo");
  c.uo = number_of(member(uo, "value"));
  c.uo_text = text_of(uo, "text");
  c.alpha_c = text_of(uo, "alpha_c");
  c.alpha_c_typed = flag_of(uo, "alpha_c_typed");
  c.share = number_of(member(uo, "share"));
  const Json& mean = member(j, "mean");
  c.mean_uo = number_of(member(mean, "value"));
  c.mean_uo_text = text_of(mean, "text");
  c.mean_alpha_c = text_of(mean, "alpha_c");
  const Json& sums = member(j, "sums");
  c.sum_ng_before = value_of(member(sums, "sum_ng_before"));
  c.sum_shares_before = value_of(member(sums, "sum_shares_before"));
  c.sum_ng = text_of(sums, "sum_ng");
  c.sum_shares = text_of(sums, "sum_shares");
  const Json& flow = member(j, "flow");
  c.u = number_of(member(flow, "u"));
  c.flush_valve = flag_of(flow, "flush_valve");
  c.flow = number_of(member(flow, "value"));
  c.flow_text = text_of(flow, "text");
  const Json& pipe = member(j, "pipe");
  c.material = text_of(pipe, "material");
  c.coef_i = number_of(member(pipe, "coef_i")).value_or(0);
  const Json& inner = member(pipe, "inner");
  for (rapidjson::SizeType k = 0; k < c.inner.size() && inner.IsArray() && k < inner.Size(); ++k)
    c.inner[k] = number_of(inner[k]).value_or(0);
  c.size = text_of(pipe, "size");
  c.velocity = text_of(pipe, "velocity");
  c.friction = text_of(pipe, "friction");
  return c;
}

// The window before the segment, for undoing it: what it held, a text
// left out being empty and a variable left out never set; a variable that
// holds an empty text is written as "", and every number to its last bit.
void write_before(Out& out, const WindowBefore& before) {
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

WindowBefore before_of(const Json& before) {
  WindowBefore w;
  for_each_member(member(before, "texts"), [&](std::string_view name, const Json& j) {
    if (j.IsString()) w.texts.emplace_back(name, text_of(j));
  });
  for_each_member(member(before, "alignments"), [&](std::string_view name, const Json& j) {
    for (const auto& [align, align_name] : alignment_names) {
      if (j.IsString() && text_of(j) == align_name) w.alignments.emplace_back(name, align);
    }
  });
  for_each_member(member(before, "checks"), [&](std::string_view name, const Json& j) {
    if (const std::optional<double> value = number_of(j)) w.checks.emplace_back(name, *value != 0 ? 1 : 0);
  });
  const Json& listed = member(before, "listed");
  if (const std::optional<double> flow = number_of(member(listed, "flow"))) {
    w.listed = {.flow = *flow, .material = text_of(listed, "material")};
  }
  for_each_member(member(before, "lists"), [&](std::string_view name, const Json& j) {
    std::vector<std::string> lines;
    if (j.IsArray()) {
      for (const Json& item : j.GetArray()) lines.push_back(text_of(item));
    }
    ListItems items;
    items.assign(std::move(lines));
    w.lists.emplace_back(name, std::move(items));
  });
  for_each_member(member(before, "values"), [&](std::string_view name, const Json& j) {
    if (j.IsNumber() || j.IsString()) w.values.emplace_back(name, value_of(j));
  });
  w.material = text_of(before, "material");
  return w;
}

// A record needs its command, its line and the running loss after it;
// what else it lacks reads as empty.
std::optional<SegmentRecord> record_of(const Json& j) {
  const Json& loss = member(j, "loss");
  const std::optional<Command> command = command_named(text_of(j, "command"));
  if (!command || !member(j, "line").IsString() || !member(loss, "running").IsNumber()) return std::nullopt;
  SegmentRecord r;
  r.command = *command;
  if (r.command != Command::Repeat) r.calculation = calculation_of(j);
  r.label = text_of(j, "label");
  r.line = text_of(j, "line");
  r.length = text_of(loss, "length");
  r.running_before = value_of(member(loss, "running_before"));
  r.loss = number_of(member(loss, "segment")).value_or(0);
  r.running = member(loss, "running").GetDouble();
  r.local_loss_coefficient = text_of(loss, "local_coefficient");
  if (member(j, "before").IsObject()) r.before = before_of(member(j, "before"));
  return r;
}

// Strict JSON, nested to any depth without recursion: a line edited
// outside the program may hold anything. The line is checked to be UTF-8
// throughout before it is parsed, faster than the parser checks its texts.
// Numbers come as their texts, and are read to the last bit by the standard
// library's exact and bounded conversion, not RapidJSON's: its
// full-precision reading of a zero with a large exponent ("0.0e40") shifts
// by an undefined count.
constexpr unsigned parse_flags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Builds the document from the reader's events, each number as the double
// its text denotes; a number beyond a double's range ends the reading.
// Where the window before is not wanted, the reading ends at it, the
// record's object closed with the members read: a segment's window is most
// of its line. A repeated segment keeps it, for the material it repeats.
class LineEvents {
 public:
  LineEvents(rapidjson::Document& document, WindowsBefore windows) : d_(document), windows_(windows) {}
  bool Null() { return d_.Null(); }
  bool Bool(bool b) { return d_.Bool(b); }
  bool Int(int i) { return d_.Int(i); }
  bool Uint(unsigned i) { return d_.Uint(i); }
  bool Int64(std::int64_t i) { return d_.Int64(i); }
  bool Uint64(std::uint64_t i) { return d_.Uint64(i); }
  bool Double(double x) { return d_.Double(x); }
  bool RawNumber(const char* text, rapidjson::SizeType length, bool) {
    double x = 0;
    const auto [end, error] = std::from_chars(text, text + length, x);
    return error == std::errc() && end == text + length && d_.Double(x);
  }
  bool String(const char* text, rapidjson::SizeType length, bool copy) {
    if (depth_ == 1 && at_command_) repeat_ = std::string_view(text, length) == "repeat";
    return d_.String(text, length, copy);
  }
  bool StartObject() {
    ++depth_;
    return d_.StartObject();
  }
  bool Key(const char* text, rapidjson::SizeType length, bool copy) {
    if (depth_ == 1) {
      const std::string_view key(text, length);
      at_command_ = key == "command";
      if (key == "before" && windows_ == WindowsBefore::Skipped && !repeat_) {
        d_.EndObject(members_);
        stopped_ = true;
        return false;
      }
      ++members_;
    }
    return d_.Key(text, length, copy);
  }
  bool EndObject(rapidjson::SizeType members) {
    --depth_;
    return d_.EndObject(members);
  }
  bool StartArray() {
    ++depth_;
    return d_.StartArray();
  }
  bool EndArray(rapidjson::SizeType elements) {
    --depth_;
    return d_.EndArray(elements);
  }

  // Whether the reading ended at the window before, the record complete.
  bool stopped() const { return stopped_; }

 private:
  rapidjson::Document& d_;
  WindowsBefore windows_;
  int depth_ = 0;  // of objects and arrays: a key at 1 is the record's own
  rapidjson::SizeType members_ = 0;
  bool at_command_ = false, repeat_ = false, stopped_ = false;
};

}  // namespace

// Reads line after line into one pool: a record's document fits in the
// buffer, so that reading a long journal allocates nothing for its
// documents, and each line starts the pool afresh.
class LineReader::Pooled {
 public:
  explicit Pooled(WindowsBefore windows) : windows_(windows) {}

  LineRead read(std::string_view line) {
    if (!is_utf8(line)) return {};
    pool_.Clear();
    rapidjson::Document document(&pool_);
    bool read = false, skipped = false;
    const auto parse = [&](rapidjson::Document& events) {
      LineEvents exact(events, windows_);
      rapidjson::MemoryStream bytes(line.data(), line.size());
      rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> text(bytes);
      read = !reader_.Parse<parse_flags>(text, exact).IsError() || exact.stopped();
      skipped = exact.stopped();
      return read;
    };
    document.Populate(parse);
    if (!read) return {};
    if (member(document, "cleared").IsBool()) return {.cleared = true};
    return {.record = record_of(document), .window_skipped = skipped};
  }

 private:
  // Left as it is: the pool writes before it reads.
  std::array<char, 16384> buffer_;
  rapidjson::MemoryPoolAllocator<> pool_{buffer_.data(), buffer_.size()};
  WindowsBefore windows_;
  rapidjson::Reader reader_;
};

LineReader::LineReader(WindowsBefore windows) : pooled_(std::make_unique<Pooled>(windows)) {}
LineReader::~LineReader() = default;
LineRead LineReader::read(std::string_view line) { return pooled_->read(line); }

namespace {

LineRead read_line(std::string_view line) { return LineReader(WindowsBefore::Read).read(line); }

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
  Out out;
  for (const auto& [value, name] : command_names) {
    if (record.command == value) out.text("command", name);
  }
  out.text("label", record.label);
  out.text("line", record.line);
  if (record.calculation) write_calculation(out, *record.calculation);
  out.open("loss");
  out.text("length", record.length);
  out.number("segment", record.loss);
  out.value("running_before", record.running_before);
  out.number("running", record.running);
  out.text("local_coefficient", record.local_loss_coefficient);
  out.close();
  if (record.before) write_before(out, *record.before);
  return std::move(out).line();
}

std::optional<SegmentRecord> record_in(std::string_view line) { return read_line(line).record; }

// Only a line that names the member can be one: a record is not parsed to
// find that it is not.
bool is_cleared_line(std::string_view line) {
  return line.find("\"cleared\"") != std::string_view::npos && read_line(line).cleared;
}

void read_each(FilePort& files, const std::string& report_path, WindowsBefore windows,
               const std::function<void(SegmentRecord&&)>& record, const std::function<void()>& cleared) {
  const std::string path = path_for(report_path);
  if (!files.size(path)) return;
  LineReader reader(windows);
  files.read_lines(path, [&](std::string_view line) {
    LineRead read = reader.read(line);
    if (read.cleared) {
      cleared();
    } else if (read.record) {
      record(std::move(*read.record));
    }
  });
}

std::vector<SegmentRecord> read(FilePort& files, const std::string& report_path) {
  return read_as(files, report_path, WindowsBefore::Read, [](SegmentRecord&& r) { return std::move(r); });
}

}  // namespace aquamere::journal
