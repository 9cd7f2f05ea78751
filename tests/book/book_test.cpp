#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "book/cell_texts.h"
#include "book/columns.h"
#include "book/export_book.h"
#include "book/formulas.h"
#include "book/reproduce.h"
#include "book/segments.h"
#include "book/workbook.h"
#include "expect_failure.h"
#include "hydraulics/pipe_sizing.h"
#include "program_fixture.h"
#include "scenario/book_cells.h"

namespace aquamere::book {
namespace {

constexpr const char* report = "c:\\file.txt";

class Book : public ProgramTest {
 protected:
  void SetUp() override {
    type("t_Ng", "4");
    type("t_fz", "5");
    click("mnukill");
  }
  ReportSegments segments() { return read_segments(disk, report); }
};

// The report's lines, as the memory disk holds them, and a way to edit one.
class Edited : public Book {
 protected:
  std::string& bytes() { return disk.files.at(report); }
  // Changes the line of a segment label, its CR LF included.
  void edit(const std::string& label, const std::function<std::string(std::string)>& change) {
    const std::size_t at = bytes().find(" " + label + " ");
    const std::size_t size = bytes().find("\r\n", at) + 2 - at;
    bytes().replace(at, size, change(bytes().substr(at, size)));
  }
  // The line with "见注1" (in GBK) typed after it, after the blanks given.
  static std::string with_remark(std::string line, const std::string& blanks) {
    return line.insert(line.size() - 2, blanks + "\xBC\xFB\xD7\xA2" + "1");
  }
  Sheet sheet() { return make_book(segments(), report).sheets.front(); }
  static int row_of(const Sheet& sheet, const std::string& label) {
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
      const auto& cells = sheet.rows[r];
      if (cells.size() > Method && cells[Label].value == CellValue(label) &&
          std::holds_alternative<std::string>(cells[Method].value))
        return static_cast<int>(r);
    }
    return -1;
  }
  static std::string remark(const Sheet& sheet, int row) {
    const auto* text = std::get_if<std::string>(&sheet.rows[static_cast<std::size_t>(row)][Remarks].value);
    return text == nullptr ? std::string() : *text;
  }
  // The cell beside a label of the totals or the pressure check.
  static const Cell& beside(const Sheet& sheet, const std::string& label, int column = 3) {
    for (const auto& cells : sheet.rows) {
      if (!cells.empty() && cells[0].value == CellValue(label))
        return cells[static_cast<std::size_t>(column)];
    }
    static const Cell none;
    return none;
  }
};

// An editor that trims trailing blanks or ends lines with CR alone changes
// nothing; a last digit changed, a line deleted and a remark typed after a
// line are each named in the row's remarks, and the rows around them keep
// their formulas.
TEST_F(Edited, PairsLinesTolerantlyAndSaysWhereTheyDiffer) {
  for (int i = 0; i < 5; ++i) click("cmdjsmll");
  edit("1-2",
       [](const std::string& line) { return line.substr(0, line.find_last_not_of(" \r\n") + 1) + "\r"; });
  edit("2-3", [](std::string line) { return line.replace(line.find("De") + 2, 2, "99"); });
  edit("4-5", [](const std::string&) { return std::string(); });
  edit("5-6", [](const std::string& line) { return with_remark(line, "    "); });
  const ReportSegments book = segments();
  ASSERT_EQ(book.segments.size(), 5u);
  const Pairing expected[] = {Pairing::Same, Pairing::Differs, Pairing::Same, Pairing::NoLine,
                              Pairing::Annotated};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(book.segments[i].pairing, expected[i]) << i;
  const Sheet s = sheet();
  EXPECT_FALSE(s.rows[static_cast<std::size_t>(row_of(s, "1-2"))][Flow].formula.empty());
  EXPECT_TRUE(remark(s, row_of(s, "2-3")).starts_with("计算书与计算记录不符（管径：计算书De99，记录De"));
  EXPECT_NE(remark(s, row_of(s, "4-5")).find("计算书中没有此管段的行"), std::string::npos);
  const std::string after = remark(s, row_of(s, "5-6"));
  EXPECT_NE(after.find("行末附注：见注1"), std::string::npos) << after;
  EXPECT_NE(after.find("累计水损不接续上一行"), std::string::npos) << after;
  EXPECT_FALSE(s.rows[static_cast<std::size_t>(row_of(s, "5-6"))][Flow].formula.empty());
}

// The totals refer to the last row that holds each number, whatever was
// typed after the last line or into the boxes a repeat shows again.
TEST_F(Edited, TotalsAreFormulasOfTheRows) {
  click("cmdjsmll");
  click("cmdjsmll");
  type("t_nguo", " " + text("t_nguo") + " ");
  double_click("");
  edit("3-4", [](const std::string& line) { return with_remark(line, ""); });
  const Sheet s = sheet();
  const int last = row_of(s, "3-4");
  EXPECT_EQ(s.rows[static_cast<std::size_t>(last)][Method].value, CellValue(std::string("重复")));
  EXPECT_EQ(beside(s, "当量总数").formula, formula::cell(SumNg, last));
  EXPECT_EQ(beside(s, "沿程阻力水损 m").formula, formula::cell(RunningLoss, last));
  EXPECT_EQ(beside(s, "当量总数").value, CellValue(40.0));
  EXPECT_GT(std::get<double>(beside(s, "总水头损失 m").value), 0);
}

// A journal that cannot be read leaves the lines to stand alone, each
// marked, and the book says why.
TEST_F(Edited, AnUnreadableJournalLeavesTheLinesAlone) {
  click("cmdjsmll");
  disk.broken_paths.insert("c:\\file.txt.json");
  const ReportSegments book = segments();
  EXPECT_EQ(book.journal_trouble, "无法打开记录文件“c:\\file.txt.json”：拒绝访问。");
  const Sheet s = sheet();
  EXPECT_EQ(remark(s, row_of(s, "1-2")), "无计算记录，照录计算书");
}

// A journal edited or damaged anywhere: names that are no sheet names, or
// the same name after Excel's cut to 31 characters or in another letter
// case, numbers beyond any range, bytes that are no text. The book still
// holds only what a workbook can, and is written.
TEST_F(Edited, ADamagedJournalStillMakesAWritableBook) {
  for (int i = 0; i < 6; ++i) click("cmdjsmll");
  std::string& journal = disk.files.at("c:\\file.txt.json");
  const std::string long_name(40, 'M');
  const std::string names[] = {R"('PP-R/[X]*?:\\)", long_name + "A", long_name + "B", "pp-r"};
  std::size_t at = 0;
  for (const std::string& name : names) {
    at = journal.find(R"("material":"PP-R")", at);
    journal.replace(at, 17, R"("material":")" + name + "\"");
    at = journal.find('\n', at);  // on to the next record
  }
  journal.replace(journal.rfind(R"("running":)"), 10, R"("running":1e999,"x":)");
  journal += R"({"command":"calculate","label":"9-10","line":" 9-10 \u0001","loss":{"running":1}})";
  journal += '\n';
  bytes() += " 7-8 \xff\xfe\x01 De\r\n";
  const auto book = make_book(segments(), report);
  EXPECT_EQ(unwritable(book), "");
  std::vector<std::string> sheets;
  for (const Sheet& sheet : book.sheets) sheets.push_back(sheet.name);
  const std::vector<std::string> expected = {"计算书",
                                             "Uo-αc表",
                                             "_PP-R__X_____管材表",
                                             std::string(28, 'M') + "管材表",
                                             std::string(25, 'M') + "管材表(2)",
                                             "pp-r管材表",
                                             "PP-R管材表(2)"};
  EXPECT_EQ(sheets, expected);
  const std::string path = (std::filesystem::temp_directory_path() / "aquamere-damaged-test.xlsx").string();
  ASSERT_NO_THROW(write_workbook(book, path));
  // What was written reads back as a workbook, with the sheet of the
  // material whose name was no sheet name's.
  EXPECT_EQ(scenario::read_book_cell(path, "计算书", "A1").has_value(), true);
  EXPECT_FALSE(scenario::read_book_sheet(path, expected[2]).empty());
  std::filesystem::remove(path);
}

// The report and its journal are never overwritten by their book, under
// their own names or another; a book that cannot be written leaves the one
// before as it was; the failure names the Excel book.
TEST_F(Edited, AnExportThatCannotBeWrittenLeavesEverythingAsItWas) {
  click("cmdjsmll");
  const std::string before = bytes();
  EXPECT_FAILURE(export_book(disk, report, report),
                 "Excel计算书不能保存为计算书或其记录文件“c:\\file.txt”。");
  disk.links["link.xlsx"] = "c:\\file.txt.json";
  EXPECT_FAILURE(export_book(disk, report, "link.xlsx"),
                 "Excel计算书不能保存为计算书或其记录文件“c:\\file.txt.json”。");
  EXPECT_EQ(bytes(), before);
  disk.files["book.xlsx"] = "old";
  disk.broken_paths.insert("book.xlsx");
  EXPECT_FAILURE(export_book(disk, report, "book.xlsx"), "无法打开Excel计算书“book.xlsx”：拒绝访问。");
  EXPECT_EQ(disk.files.at("book.xlsx"), "old");
}

// Each size against the velocity-control table by the DN it answers to:
// De50 is DN40, limited to 1.2 m/s, which 1.436 m/s exceeds; the row is
// marked and counted, while the staged walk keeps the size.
TEST_F(Edited, SizesOverTheVelocityControlTableAreMarkedAndCounted) {
  click("chk_j");
  type("t_Ng", "14.93");
  type("t_fz", "1");
  click("cmdjsmll");
  const Sheet s = sheet();
  const auto& row = s.rows[static_cast<std::size_t>(row_of(s, "1-2"))];
  EXPECT_EQ(row[Size].value, CellValue(std::string("De50")));
  EXPECT_EQ(row[ControlLimit].value, CellValue(1.2));
  EXPECT_EQ(row[ControlCheck].value, CellValue(std::string("超出")));
  EXPECT_EQ(row[VelocityCheck].value, CellValue(std::string("满足")));
  EXPECT_EQ(beside(s, "超出流速控制表的管段数").value, CellValue(1.0));
  for (const auto& [dn, limit] :
       {std::pair{15, 1.0}, {20, 1.0}, {25, 1.2}, {40, 1.2}, {50, 1.5}, {65, 1.5}, {80, 1.8}, {100, 1.8}})
    EXPECT_EQ(velocity_control_limit(dn), limit) << dn;
}

// The worst point's inputs from the command line, the pressure needed
// at the start of the path a formula of them and of the total loss.
TEST_F(Edited, TheWorstPointTakesItsInputsFromTheCommandLine) {
  click("cmdjsmll");
  std::ostringstream out, errors;
  EXPECT_EQ(export_book_command(disk, {report, "b.xlsx", "--elevation", "12", "--supply-pressure", "0.1"},
                                out, errors),
            0)
      << errors.str();
  const Sheet s = make_book(segments(), report, {.elevation = 12, .supply_pressure = 0.1}).sheets.front();
  const double loss = std::get<double>(beside(s, "总水头损失 m").value);
  const double need = (12 + loss) * 0.00981 + 0.1;
  EXPECT_EQ(beside(s, "H 计算管路起点所需水压 MPa", 5).value, CellValue(need));
  EXPECT_EQ(beside(s, "结论", 5).value, CellValue(std::string("不满足")));
  EXPECT_EQ(export_book_command(disk, {report, "--meter-loss", "x"}, out, errors), 2);
  EXPECT_NE(errors.str().find("选项--meter-loss需要一个数，而不是“x”。"), std::string::npos);
}

// A segment is recomputed only when its record's inputs give what its line
// shows; a box typed into between the steps, or a repeat, leaves nothing to
// recompute, while the designer's own αc does not stand in the way.
TEST_F(Book, RecomputesOnlyWhatTheRecordReproduces) {
  struct Case {
    const char* what;
    std::function<void()> steps;
    bool reproduced;
  };
  const Case cases[] = {
      {"probability method", [&] { click("cmdjsmll"); }, true},
      {"coefficient method, flush valve",
       [&] {
         click("chk_j");
         click("chk_d");
         click("cmdjsmll");
         click("chk_j");
         click("chk_d");
       },
       true},
      {"designer's αc",
       [&] {
         click("cmdjsmll");
         type("t_Ng", "16");
         type("t_fz", "1");
         dialogs.answer("0.0021");
         click("cmdjsmll");
       },
       true},
      {"group's Ng typed over",
       [&] {
         type("t_Ng", "4");
         type("t_ngz", "7");
         click("cmdjsmll");
       },
       false},
      {"repeat",
       [&] {
         click("cmdjsmll");
         double_click("");
       },
       false},
  };
  for (const Case& c : cases) {
    program.frmmain().cleardata();
    c.steps();
    const ReportSegments book = segments();
    EXPECT_EQ(reproduce(*book.segments.back().record).has_value(), c.reproduced) << c.what;
  }
}

// The desktop runs in the user's locale; one with a decimal comma must not
// turn 3.5 into "3,5" in the workbook.
TEST(Workbook, NumbersKeepTheDecimalPointInAnyLocale) {
  const char* saved = std::setlocale(LC_NUMERIC, nullptr);
  const std::string before = saved == nullptr ? "C" : saved;
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
    comma = std::setlocale(LC_NUMERIC, name) != nullptr && *std::localeconv()->decimal_point == ',';
    if (comma) break;
  }
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma is installed here";
  const std::string path = (std::filesystem::temp_directory_path() / "aquamere-locale-test.xlsx").string();
  write_workbook({.sheets = {Sheet{.name = "s", .rows = {{Cell{.value = 3.5}}}}}}, path);
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(scenario::read_book_cell(path, "", "A1")->value, "3.5");
  std::filesystem::remove(path);
}

// The exact value of each material's single-precision coefficient.
TEST(Formulas, CoefficientQuotientIsTheFloatItself) {
  for (const float coef : {8.9696f, 8.65f, 7.05f, 9.15f}) {
    const std::string quotient = formula::exact_float(coef);
    const std::size_t slash = quotient.find('/');
    EXPECT_EQ(std::stod(quotient.substr(0, slash)) / std::stod(quotient.substr(slash + 1)),
              static_cast<double>(coef))
        << quotient;
  }
  EXPECT_EQ(formula::column_name(0) + formula::column_name(25) + formula::column_name(26), "AZAA");
}

}  // namespace
}  // namespace aquamere::book
