// aquamere-book-check: checks calculation books after LibreOffice has
// recomputed every formula and written each sheet as CSV (recompute.sh).
//   probe BOOK.xlsx                          writes the rounding probe
//   probe-csv CSV                            checks the recomputed probe
//   book REPORT BOOK.xlsx CSV ENTERED        checks a book against its report
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "book/columns.h"
#include "book/formulas.h"
#include "book/segments.h"
#include "book/workbook.h"
#include "common/convert.h"
#include "common/numtext.h"
#include "files/disk_files.h"
#include "scenario/book_cells.h"
#include "scenario/report_lines.h"

namespace {

using namespace aquamere;
using namespace aquamere::book;
using Rows = std::vector<std::vector<std::string>>;

int problems = 0;

void problem(const std::string& text) {
  std::cout << text << '\n';
  ++problems;
}

// CSV as LibreOffice writes it: fields in double quotes may hold commas,
// quotes (doubled) and line ends.
Rows read_csv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Rows rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      rows.back().back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      rows.back().emplace_back();
    } else if (!quoted && c == '\n') {
      rows.emplace_back(1);
    } else if (quoted || c != '\r') {
      rows.back().back() += c;
    }
  }
  return rows;
}

std::string field(const Rows& rows, std::size_t row, int column) {
  if (row >= rows.size() || static_cast<std::size_t>(column) >= rows[row].size()) return {};
  return rows[row][static_cast<std::size_t>(column)];
}

// A recomputed number and the program's, to the last digits a
// spreadsheet's arithmetic may round differently; other texts the same.
bool close(const std::string& a, const std::string& b) {
  const auto x = strict_number(a), y = strict_number(b);
  if (!x || !y) return a == b;
  return std::fabs(*x - *y) <= 1e-12 * std::max(1.0, std::fabs(*y));
}

// Two texts of one number are the same number; other texts the same text.
bool same(const std::string& a, const std::string& b) {
  const auto x = strict_number(a), y = strict_number(b);
  return x && y ? *x == *y : a == b;
}

// ---- The rounding probe: numbers at and next to the ties of the
// program's roundings, made in the sheet by the arithmetic that makes them
// in the program, beside the program's own rounding of them. The 15-digit
// rounding is put to the numbers the program passes through its number
// texts — sums and products of short decimals, with binary noise in their
// last bits — not to doubles whose 16th and 17th digits lie next to a half,
// which no such number has and which a spreadsheet's ROUND cannot settle.
struct Probe {
  std::string formula;
  double x;
  bool fifteen_digits = true;
};

std::vector<Probe> probes() {
  std::vector<Probe> all;
  for (const char* literal : {"0.64433", "2", "0.00697", "2.06", "0.00005", "0.00015", "0.00025", "0.5",
                              "-0.64433", "3.54449999", "2.658375", "0.00323", "-0.00015", "0.1+0.2"})
    all.push_back({literal, std::string_view(literal) == "0.1+0.2" ? 0.1 + 0.2 : std::stod(literal)});
  std::mt19937_64 random(15);
  const auto four_decimals = [&](int digits) {
    const auto k = random() % static_cast<std::uint64_t>(std::pow(10.0, digits));
    return number_text(static_cast<double>(k) / 10000);
  };
  const double up = 1 + std::ldexp(1.0, -52), down = 1 - std::ldexp(1.0, -53);
  for (int i = 0; i < 400; ++i) {
    // A tie at the fifth decimal, from 0.00005 up to about 10000.
    const auto k = random() % static_cast<std::uint64_t>(std::pow(10.0, static_cast<double>(random() % 9)));
    const std::string t = number_text((static_cast<double>(k) + 0.5) / 10000);
    const double tie = std::stod(t);
    all.push_back({t, tie});
    all.push_back({t + "*3/3", tie * 3 / 3});
    all.push_back({t + "*(1+2^-52)", tie * up});
    all.push_back({t + "*(1-2^-53)", tie * down});
    all.push_back({t + "*(1+1E-12)", tie * (1 + 1e-12), false});
    const int ng = static_cast<int>(random() % 60) + 1;
    const std::string uo = four_decimals(5);
    all.push_back({std::to_string(ng) + "*" + uo + "/100", ng * std::stod(uo) / 100});
    const std::string a = four_decimals(6), b = four_decimals(6),
                      length = number_text(static_cast<double>(random() % 400) / 8);
    all.push_back({formula::joined({a, "+", b}), std::stod(a) + std::stod(b)});
    all.push_back({formula::joined({a, "*", length}), std::stod(a) * std::stod(length)});
  }
  return all;
}

int write_probe(const std::string& path) {
  Sheet sheet{.name = "probe"};
  int r = 0;
  for (const Probe& p : probes()) {
    const std::string x = formula::cell(0, r);
    // The formulas carry no results: a reader that does not recompute them
    // shows 0 and fails the check.
    sheet.put(r, 0, {.formula = p.formula});
    sheet.put(r, 1, {.formula = formula::four_decimals(x)});
    sheet.put(r, 2, {.value = Fixed4::from(p.x).to_double()});
    if (p.fifteen_digits) {
      sheet.put(r, 3, {.formula = formula::fifteen_digits(x)});
      sheet.put(r, 4, {.value = rounded_to_15_digits(p.x)});
    }
    sheet.put(r, 5, {.value = p.formula});
    ++r;
  }
  write_workbook({.sheets = {sheet}}, path);
  std::cout << r << " probes\n";
  return 0;
}

int check_probe(const std::string& csv) {
  const Rows rows = read_csv(csv);
  std::size_t checked = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (field(rows, r, 5).empty()) continue;
    ++checked;
    if (!same(field(rows, r, 1), field(rows, r, 2)))
      problem("4 decimals of " + field(rows, r, 5) + ": sheet " + field(rows, r, 1) + ", program " +
              field(rows, r, 2));
    if (!same(field(rows, r, 3), field(rows, r, 4)))
      problem("15 digits of " + field(rows, r, 5) + ": sheet " + field(rows, r, 3) + ", program " +
              field(rows, r, 4));
  }
  std::cout << checked << " probes recomputed" << (problems == 0 ? " as the program rounds" : "") << '\n';
  return problems == 0 && checked > 0 ? 0 : 1;
}

// ---- A book against its report.

// The columns a row computes, by the way its segment was worked out.
std::vector<int> computed_columns(const std::string& method, bool designer_alpha_c) {
  std::vector<int> columns = {SumNg,        Flow,         Inner,    Velocity,    VelocityCheck,
                              ControlLimit, ControlCheck, Friction, SegmentLoss, RunningLoss};
  if (method == "重复") return columns;
  columns.insert(columns.end(), {GroupNg, FlowRaw, VelocityRaw, FrictionRaw});
  if (method == "系数法") return columns;
  columns.insert(columns.end(), {Uo, Share, SumShares, MeanUo, MeanAlphaC, U, UoRaw, SumSharesRaw, MeanUoRaw,
                                 MeanInterval, MeanAlphaCRaw});
  if (!designer_alpha_c) columns.insert(columns.end(), {AlphaC, UoInterval, AlphaCRaw});
  return columns;
}

// The friction loss and the total head loss of the report's last summary,
// when it follows the last segment line.
std::vector<double> last_summary(const std::vector<std::string>& lines) {
  std::vector<double> numbers;
  for (const std::string& line : lines) {
    if (is_segment_line(line)) numbers.clear();
    for (const std::string lead : {"沿程阻力水损为:", "总水头损失为; "}) {
      const std::size_t at = line.find(lead);
      if (at != std::string::npos)
        numbers.push_back(leading_number(line.substr(at + lead.size())).value_or(-1));
    }
  }
  return numbers;
}

// What the main window showed for a segment, as its record keeps it: the
// book's recomputed cells must show the same.
void check_shown(const Calculation& c, const Rows& rows, std::size_t r) {
  const std::pair<int, std::string> shown[] = {
      {GroupNg, c.group_ng},        {Uo, c.uo_text},    {AlphaC, c.alpha_c},
      {SumShares, c.sum_shares},    {SumNg, c.sum_ng},  {MeanUo, c.mean_uo_text},
      {MeanAlphaC, c.mean_alpha_c}, {Flow, c.flow_text}};
  for (const auto& [column, text] : shown) {
    const bool kept = c.method == Calculation::Method::Probability || column == GroupNg || column == SumNg ||
                      column == Flow;
    if (kept && !same(field(rows, r, column), text))
      problem("row " + std::to_string(r + 1) + " " + formula::column_name(column) + ": book " +
              field(rows, r, column) + ", the window showed " + text);
  }
}

void check_row(const BookSegment& segment, const Rows& rows, std::size_t r,
               const std::map<std::string, scenario::BookCell>& cells, int& entered) {
  const std::string& line = segment.line;
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string f; in >> f;) fields.push_back(f);
  const int columns[] = {Label, SumNg, Flow, Size, Velocity, Friction, Length, RunningLoss};
  for (std::size_t i = 0; i < fields.size() && i < std::size(columns); ++i) {
    const std::string got = field(rows, r, columns[i]);
    if (!same(got, fields[i]))
      problem(formula::joined({"row ", std::to_string(r + 1), " ", formula::column_name(columns[i]),
                               ": book ", got, ", report ", fields[i], " in \"", line, "\""}));
  }
  const std::string method = field(rows, r, Method);
  const std::string remarks = field(rows, r, Remarks);
  if (method != "概率法" && method != "系数法" && method != "重复") {
    ++entered;
    if (remarks.find("照录") == std::string::npos) problem("row " + std::to_string(r + 1) + " is not marked");
    return;
  }
  if (segment.record && segment.record->calculation) check_shown(*segment.record->calculation, rows, r);
  for (const int column : computed_columns(method, remarks.find("设计人员给定") != std::string::npos)) {
    const std::string name = formula::cell(column, static_cast<int>(r));
    const auto cell = cells.find(name);
    if (cell == cells.end() || cell->second.formula.empty()) {
      problem(name + " holds no formula");
    } else if (!close(field(rows, r, column), cell->second.value)) {
      problem(name + " recomputed " + field(rows, r, column) + ", the program computed " +
              cell->second.value);
    }
  }
}

// The cell beside a label in the first columns of the sheet, by its label.
std::optional<double> beside(const Rows& rows, std::string_view label, int column) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (field(rows, r, 0).starts_with(label)) return strict_number(field(rows, r, column));
  }
  return std::nullopt;
}

// The worst point's pressure, from the inputs the sheet holds now (changed
// or not) and the total head loss: the recomputed formulas must give it.
void check_worst_point(const Rows& rows) {
  const auto h1 = beside(rows, "H1 ", 5), h4 = beside(rows, "H4 ", 5), h3 = beside(rows, "H3 ", 5),
             p0 = beside(rows, "P0 ", 5), loss = beside(rows, "总水头损失", 3), h = beside(rows, "H 计算", 5),
             margin = beside(rows, "压力余量", 5);
  if (!h1 || !h4 || !h3 || !p0 || !loss || !h || !margin)
    return problem("the worst-point check is incomplete");
  const double need = (*h1 + *loss + *h3) * 0.00981 + *h4;
  if (!close(number_text(*h), number_text(need)) || !close(number_text(*margin), number_text(*p0 - need)))
    problem("worst point: H " + number_text(*h) + ", margin " + number_text(*margin) + ", expected H " +
            number_text(need));
}

int check_book(const std::string& report, const std::string& book, const std::string& csv,
               int entered_expected) {
  const std::vector<std::string> lines = scenario::report_lines(report);
  DiskFiles disk;
  const ReportSegments segments = read_segments(disk, report);
  const Rows rows = read_csv(csv);
  const auto cells = scenario::read_book_sheet(book, "计算书");
  std::size_t r = 0;
  while (r < rows.size() && field(rows, r, 0) != "编号") ++r;
  int entered = 0;
  for (const BookSegment& segment : segments.segments) check_row(segment, rows, ++r, cells, entered);
  if (entered != entered_expected)
    problem(std::to_string(entered) + " rows entered from the report, expected " +
            std::to_string(entered_expected));
  const std::vector<double> summary = last_summary(lines);
  const char* totals[] = {"沿程阻力水损 m", "总水头损失 m"};
  for (std::size_t i = 0; i < summary.size() && i < 2; ++i) {
    for (std::size_t t = 0; t < rows.size(); ++t) {
      if (field(rows, t, 0) == totals[i] && !same(field(rows, t, 3), number_text(summary[i])))
        problem(std::string(totals[i]) + ": book " + field(rows, t, 3) + ", summary " +
                number_text(summary[i]));
    }
  }
  check_worst_point(rows);
  std::cout << book << ": " << segments.segments.size() << " segments, " << entered << " entered, recomputed "
            << (problems == 0 ? "as the report" : "with differences") << '\n';
  return problems == 0 && !segments.segments.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> a(argv + 1, argv + argc);
  try {
    if (a.size() == 2 && a[0] == "probe") return write_probe(a[1]);
    if (a.size() == 2 && a[0] == "probe-csv") return check_probe(a[1]);
    if (a.size() == 5 && a[0] == "book") return check_book(a[1], a[2], a[3], std::stoi(a[4]));
  } catch (const std::exception& error) {
    std::cerr << "aquamere-book-check: " << error.what() << '\n';
    return 1;
  }
  std::cerr << "usage: aquamere-book-check probe BOOK | probe-csv CSV | book REPORT BOOK CSV ENTERED\n";
  return 2;
}
