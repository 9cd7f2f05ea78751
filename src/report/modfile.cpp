#include "report/modfile.h"

#include <array>

#include "common/arith.h"
#include "common/convert.h"
#include "journal/journal.h"
#include "report/report_text.h"

namespace aquamere {
namespace {

constexpr std::string_view line_end = "\r\n";

// Segment n runs from node n to node n + 1: " 0-1", " 3-4". Appended part
// by part: GCC 12 at -O3 takes the chained `+` for an overlapping copy.
std::string segment_label(double n) {
  std::string label = " ";
  label += number_text(n);
  label += '-';
  label += number_text(n + 1);
  return label;
}

// Takes back the bytes just appended to a file when what had to follow
// them elsewhere could not be written. Should that fail as well, the user
// hears of the first failure, which the caller passes on.
void take_back(FilePort& files, const std::string& path, std::size_t appended) {
  try {
    const std::optional<std::uintmax_t> size = files.size(path);
    if (size && *size >= appended) files.cut(path, *size - appended);
  } catch (const Failure&) {
    // Nothing more can be done here.
  }
}

// The report's variables a segment moves on, kept in its record so that
// undoing the segment can put them back.
constexpr std::pair<const char*, Value BookVars::*> segment_book_variables[] = {
    {"book_ng", &BookVars::book_ng}, {"book_qg", &BookVars::book_qg}, {"book_hsum", &BookVars::book_hsum}};

}  // namespace

std::string ModFile::report_path() {
  book_.book_path = host_.window("frmset").text("txtfile");
  return book_.book_path.text();
}

std::string ModFile::encoded(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += line_end;
  }
  return codec_.encode(text);
}

std::string ModFile::local_loss_coefficient() {
  const Control& coefficient = host_.window("frmset").at("txt_h");
  return number_text(leading_number(coefficient.text, coefficient.label));
}

// The friction loss of the segment is its 1000i times its length, taken
// as they stand (the report's convention); the last column carries the
// running sum, both terms passed through their 15-digit texts.
std::pair<std::string, SegmentRecord> ModFile::compose(Segment segment) {
  for (const auto& [name, variable] : segment_book_variables) {
    segment.before.values.emplace_back(name, book_.*variable);
  }
  book_.book_ng = segment.sum_ng;
  book_.book_qg = segment.flow;
  const double friction =
      arith::finite(segment.friction.leading("1000i") * strict_number(segment.length, segment.length_label),
                    "沿程阻力水损");
  const Value running_before = book_.book_hsum;
  book_.book_hsum = arith::finite(
      book_.book_hsum.leading("沿程阻力水损") + Value(friction).leading("沿程阻力水损"), "沿程阻力水损");
  std::array<std::string, 8> fields = {
      segment_label(leading_number(segment.counter, "管段编号")),
      segment.sum_ng,
      segment.flow,
      segment.size.text(),
      segment.velocity.text(),
      segment.friction.text(),
      segment.length,
      report::printed_number(book_.book_hsum),
  };
  for (std::string& field : fields) field = codec_.encode(field);
  std::string line = report::print_zones(fields);
  SegmentRecord record{.command = segment.command,
                       .calculation = std::move(segment.calculation),
                       .label = fields[0].substr(1),
                       .line = codec_.decode(line),
                       .length = segment.length,
                       .running_before = running_before,
                       .loss = friction,
                       .running = book_.book_hsum.number("沿程阻力水损"),
                       .local_loss_coefficient = local_loss_coefficient(),
                       .before = std::move(segment.before)};
  return {std::move(line), std::move(record)};
}

// The line goes to the report first, then its record to the journal; when
// the journal cannot take the record, the line is taken back out of the
// report.
void ModFile::put_seg(Segment segment) {
  const std::string path = report_path();
  auto [line, record] = compose(std::move(segment));
  const std::string record_line = journal::line_of(record);
  line += line_end;
  files_.append(path, line);
  try {
    files_.append(journal::path_for(path), record_line);
  } catch (const Failure&) {
    take_back(files_, path, line.size());
    throw;
  }
  if (watcher_) watcher_(record);
}

void ModFile::put_back(const WindowBefore& before) {
  for (const auto& [name, variable] : segment_book_variables) book_.*variable = before.value(name);
}

void ModFile::put_head() {
  const std::string path = report_path();
  files_.append(path, encoded(report::header_block()));
}

// A fresh report starts its own totals: the running friction loss and the
// load and flow of the last segment count only segments written into it.
// The journal is cleared with it: a line marking the clearing goes in
// first, so that a report that cannot be rewritten keeps its records (the
// line is taken back) and a journal that cannot be emptied afterwards still
// holds no record from before. A report without a journal needs neither.
void ModFile::new_book() {
  const std::string path = report_path();
  const std::string journal = journal::path_for(path);
  if (!files_.size(journal)) {
    files_.replace(path, encoded(report::title_block()));
  } else {
    files_.append(journal, journal::cleared_line);
    try {
      files_.replace(path, encoded(report::title_block()));
    } catch (const Failure&) {
      take_back(files_, journal, journal::cleared_line.size());
      throw;
    }
    try {
      files_.cut(journal, 0);
    } catch (const Failure&) {
      // The clearing line already ends the old records.
    }
  }
  book_.book_hsum = Value();
  book_.book_ng = Value();
  book_.book_qg = Value();
}

// Each viewing shows the file as it stands: the list is refilled with its
// lines at once. A missing report is created empty first.
void ModFile::load_book() {
  const std::string path = report_path();
  ListItems& list = host_.window("frmlookover").at("listover").items;
  files_.append(path, "");
  std::vector<std::string> lines;
  files_.read_lines(path, [&](std::string_view line) { lines.push_back(codec_.decode(line)); });
  if (!lines.empty()) book_.book_line = lines.back();
  list.assign(std::move(lines));
}

void ModFile::put_sum() {
  const std::string path = report_path();
  book_.book_coef = local_loss_coefficient();
  const double coef = book_.book_coef.number("局部水头损失系数");
  files_.append(path, encoded(report::summary_block(book_.book_ng, book_.book_qg, book_.book_hsum, coef)));
}

}  // namespace aquamere
