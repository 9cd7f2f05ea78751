#include "report/modfile.h"

#include <array>

#include "common/arith.h"
#include "common/convert.h"
#include "mainwindow/program.h"
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

BookVars& ModFile::book() { return program_.book_vars(); }

std::string ModFile::report_path() {
  book().book_path = program_.window("frmset").text("txtfile");
  return book().book_path.text();
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
void ModFile::put_seg() {
  const std::string path = report_path();
  const Form& main = program_.window("frmmain");
  const MainVars& vars = program_.main_vars();
  BookVars& b = book();
  b.book_ng = main.text("t_nguo");
  const std::string& counter = main.text("lab_3");
  b.book_qg = main.text("t_qg");
  const Control& length = main.at("txt_l");
  const double friction =
      arith::finite(vars.i_i.leading("1000i") * strict_number(length.text, length.label), "沿程阻力水损");
  b.book_hsum = arith::finite(b.book_hsum.leading("沿程阻力水损") + Value(friction).leading("沿程阻力水损"),
                              "沿程阻力水损");
  std::array<std::string, 8> fields = {
      segment_label(leading_number(counter, "管段编号")),
      b.book_ng.text(),
      b.book_qg.text(),
      vars.de_de.text(),
      vars.v_v.text(),
      vars.i_i.text(),
      length.text,
      report::printed_number(b.book_hsum),
  };
  for (std::string& field : fields) field = codec_.encode(field);
  std::string line = report::print_zones(fields);
  line += line_end;
  program_.files().append(path, line);
}

void ModFile::put_head() {
  const std::string path = report_path();
  program_.files().append(path, encoded(report::header_block()));
}

// A fresh report starts its own totals: the running friction loss and the
// load and flow of the last segment count only segments written into it.
void ModFile::new_book() {
  const std::string path = report_path();
  program_.files().replace(path, encoded(report::title_block()));
  BookVars& b = book();
  b.book_hsum = Value();
  b.book_ng = Value();
  b.book_qg = Value();
}

// Each viewing shows the file as it stands: the list is refilled with its
// lines at once. A missing report is created empty first.
void ModFile::load_book() {
  const std::string path = report_path();
  ListItems& list = program_.window("frmlookover").at("listover").items;
  program_.files().append(path, "");
  std::vector<std::string> lines;
  program_.files().read_lines(path, [&](std::string_view line) { lines.push_back(codec_.decode(line)); });
  if (!lines.empty()) book().book_line = lines.back();
  list.assign(std::move(lines));
}

void ModFile::put_sum() {
  const std::string path = report_path();
  const Control& coefficient = program_.window("frmset").at("txt_h");
  BookVars& b = book();
  b.book_coef = number_text(leading_number(coefficient.text, coefficient.label));
  const double coef = b.book_coef.number(coefficient.label);
  program_.files().append(path, encoded(report::summary_block(b.book_ng, b.book_qg, b.book_hsum, coef)));
}

}  // namespace aquamere
