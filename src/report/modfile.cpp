#include "report/modfile.h"

#include <array>

#include "common/arith.h"
#include "common/convert.h"
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

// The friction loss of the segment is its 1000i times its length, taken
// as they stand (the report's convention); the last column carries the
// running sum, both terms passed through their 15-digit texts.
void ModFile::put_seg(const Segment& segment) {
  const std::string path = report_path();
  book_.book_ng = segment.sum_ng;
  book_.book_qg = segment.flow;
  const double friction =
      arith::finite(segment.friction.leading("1000i") * strict_number(segment.length, segment.length_label),
                    "沿程阻力水损");
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
  line += line_end;
  files_.append(path, line);
}

void ModFile::put_head() {
  const std::string path = report_path();
  files_.append(path, encoded(report::header_block()));
}

// A fresh report starts its own totals: the running friction loss and the
// load and flow of the last segment count only segments written into it.
void ModFile::new_book() {
  const std::string path = report_path();
  files_.replace(path, encoded(report::title_block()));
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
  const Control& coefficient = host_.window("frmset").at("txt_h");
  book_.book_coef = number_text(leading_number(coefficient.text, coefficient.label));
  const double coef = book_.book_coef.number(coefficient.label);
  files_.append(path, encoded(report::summary_block(book_.book_ng, book_.book_qg, book_.book_hsum, coef)));
}

}  // namespace aquamere
