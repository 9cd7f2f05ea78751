#include "book/segments.h"

#include <algorithm>
#include <span>
#include <unordered_map>
#include <utility>

#include "files/large_buffer.h"
#include "journal/journal.h"
#include "report/report_codec.h"
#include "report/report_text.h"

namespace aquamere::book {
namespace {

constexpr std::string_view coefficient_lead = "局部阻力水头损失系数为";

// The percentage of a summary's third line, "局部阻力水头损失系数为25%，…".
std::optional<std::string> summary_percent(std::string_view line) {
  if (!line.starts_with(coefficient_lead)) return std::nullopt;
  line.remove_prefix(coefficient_lead.size());
  const std::size_t end = line.find('%');
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(line.substr(0, end));
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// A run of non-blank bytes of a line and the print column it starts in,
// counted as the report counts them: a Chinese character takes two.
struct Token {
  std::size_t begin, end, column;
};

std::vector<Token> tokens_of(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t column = 0;
  for (std::size_t i = 0; i < line.size();) {
    if (is_blank(line[i])) {
      ++column;
      ++i;
      continue;
    }
    Token token{i, i, column};
    while (i < line.size() && !is_blank(line[i])) {
      const auto byte = static_cast<unsigned char>(line[i]);
      const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
      column += byte < 0x80 ? 1 : 2;
      i = std::min(line.size(), i + length);
    }
    token.end = i;
    tokens.push_back(token);
  }
  return tokens;
}

bool is_size(std::string_view text) {
  return text.size() > 2 && text.starts_with("De") &&
         std::all_of(text.begin() + 2, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The records by their lines' keys, each key's records in journal order,
// taken one after another.
class RecordQueue {
 public:
  explicit RecordQueue(std::span<const RecordLine> records) : records_(records) {}

  // A line takes the next record of its text; failing that, of its text
  // without what was typed after it; failing that, the next record when it
  // is of the line's segment, as a record the line no longer matches.
  void add(std::string line, std::vector<PairedLine>& lines) {
    LineFields fields = fields_of(line);
    // As a rule the line is the next record's, as it was written.
    if (next_ < records_.size() && line == records_[next_].line) {
      lines.push_back({std::move(line), next_++, Pairing::Same, std::move(fields)});
      return;
    }
    const std::string key = line_key(line);
    Pairing pairing = Pairing::Same;
    std::optional<std::size_t> found = next_of(key);
    if (!found && !fields.after.empty()) {
      const std::string after = line_key(fields.after);
      found = next_of(key.substr(0, key.size() - std::min(key.size(), after.size() + 1)));
      pairing = Pairing::Annotated;
    }
    if (!found && next_ < records_.size() && fields.fields[FieldLabel] == records_[next_].label) {
      found = next_;
      pairing = Pairing::Differs;
    }
    if (!found) {
      lines.push_back({std::move(line), std::nullopt, Pairing::NoRecord, std::move(fields)});
      return;
    }
    pass_over(*found, lines);
    next_ = *found + 1;
    lines.push_back({std::move(line), found, pairing, std::move(fields)});
  }

  // The records whose lines are gone, up to `end`.
  void pass_over(std::size_t end, std::vector<PairedLine>& lines) {
    for (; next_ < end; ++next_) {
      const std::string_view line = records_[next_].line;
      lines.push_back({std::string(line), next_, Pairing::NoLine, fields_of(line)});
    }
  }
  void finish(std::vector<PairedLine>& lines) { pass_over(records_.size(), lines); }

 private:
  // The first record not yet passed whose line has the key.
  std::optional<std::size_t> next_of(const std::string& key) {
    if (same_key_after_.empty()) index();
    const auto found = positions_.find(key);
    if (found == positions_.end()) return std::nullopt;
    std::size_t& position = found->second.first;
    while (position != none && position < next_) position = same_key_after_[position];
    if (position == none) return std::nullopt;
    return std::exchange(position, same_key_after_[position]);
  }

  // The records by their keys, once a line is not the next record's.
  void index() {
    same_key_after_.assign(records_.size(), none);
    positions_.reserve(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i) {
      const auto [at, first] = positions_.try_emplace(line_key(records_[i].line), Keyed{i, i});
      if (!first) same_key_after_[std::exchange(at->second.last, i)] = i;
    }
  }

  static constexpr std::size_t none = -1;
  // A key's first record not yet taken and its last record; after each
  // record, the next one of its key: each key's records in journal order.
  struct Keyed {
    std::size_t first, last;
  };
  std::span<const RecordLine> records_;
  std::unordered_map<std::string, Keyed> positions_;
  std::vector<std::size_t> same_key_after_;
  std::size_t next_ = 0;
};

// The journal's records; none, and the reason, when it cannot be read.
std::vector<SegmentRecord> records_of(FilePort& files, const std::string& report_path, std::string& trouble) {
  try {
    return journal::read(files, report_path);
  } catch (const FileFailure& failure) {
    trouble = failure.about("记录文件");
  } catch (const Failure& failure) {
    trouble = failure.what();
  }
  return {};
}

}  // namespace

LineFields fields_of(std::string_view line) {
  const std::vector<Token> tokens = tokens_of(line);
  const auto text = [&](std::size_t first, std::size_t last) {
    return std::string(line.substr(tokens[first].begin, tokens[last].end - tokens[first].begin));
  };
  LineFields f;
  std::size_t size = tokens.size();
  for (std::size_t i = 3; i < tokens.size() && size == tokens.size(); ++i) {
    if (is_size(line.substr(tokens[i].begin, tokens[i].end - tokens[i].begin))) size = i;
  }
  std::size_t next = 0;
  if (size + 4 < tokens.size()) {
    std::size_t flow = size - 1;
    for (std::size_t i = size - 1; i >= 2; --i) {
      if (tokens[i].column % report::zone_width == 0) flow = i;
    }
    f.fields[FieldLabel] = text(0, 0);
    f.fields[FieldSumNg] = text(1, flow - 1);
    f.fields[FieldFlow] = text(flow, size - 1);
    for (std::size_t field = FieldSize; field <= FieldRunning; ++field)
      f.fields[field] = text(size + field - FieldSize, size + field - FieldSize);
    next = size + 5;
  } else {
    for (; next < tokens.size() && next < f.fields.size(); ++next) f.fields[next] = text(next, next);
  }
  f.complete = next >= f.fields.size();
  if (next < tokens.size()) f.after = text(next, tokens.size() - 1);
  return f;
}

std::string line_key(std::string_view line) {
  std::string key;
  for (const Token& token : tokens_of(line)) {
    if (!key.empty()) key += ' ';
    key.append(line.substr(token.begin, token.end - token.begin));
  }
  return key;
}

bool is_segment_line(std::string_view line) {
  return line.size() > 1 && line[0] == ' ' && line[1] >= '0' && line[1] <= '9';
}

// A line end of CR alone (an editor's) ends a line as CR LF does.
ReportLines pair_lines(FilePort& files, const std::string& report_path, std::span<const RecordLine> records) {
  ReportLines report;
  RecordQueue pairing(records);
  // One segment line to a record as a rule: the lines are not moved again
  // as they come.
  reserve_large(report.lines, records.size());
  ReportCodec codec;
  const auto add = [&](std::string_view line) {
    if (is_segment_line(line)) {
      pairing.add(std::string(line), report.lines);
      report.summary_percent.reset();
    } else if (std::optional<std::string> percent = summary_percent(line)) {
      report.summary_percent = std::move(percent);
    }
  };
  files.read_lines(report_path, [&](std::string_view bytes) {
    const std::string text = codec.decode(bytes);
    std::string_view rest = text;
    for (std::size_t end = rest.find('\r'); end != std::string_view::npos; end = rest.find('\r')) {
      add(rest.substr(0, end));
      rest.remove_prefix(end + 1);
    }
    add(rest);
  });
  pairing.finish(report.lines);
  return report;
}

ReportSegments read_segments(FilePort& files, const std::string& report_path) {
  ReportSegments report;
  std::vector<SegmentRecord> records = records_of(files, report_path, report.journal_trouble);
  ReportLines paired = pair_lines(files, report_path, record_lines(records));
  report.summary_percent = std::move(paired.summary_percent);
  report.segments.reserve(paired.lines.size());
  for (PairedLine& p : paired.lines) {
    BookSegment& s = report.segments.emplace_back();
    s.line = std::move(p.line);
    if (p.record) s.record = std::move(records[*p.record]);
    s.pairing = p.pairing;
    s.fields = std::move(p.fields);
  }
  return report;
}

}  // namespace aquamere::book
