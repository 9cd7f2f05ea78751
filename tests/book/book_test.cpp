#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <functional>
#include <string>

#include "book/formulas.h"
#include "book/reproduce.h"
#include "book/segments.h"
#include "book/workbook.h"
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

// Each line takes the next record that holds exactly its text: an edited
// line has none, and the lines after it still find theirs; a record whose
// line is gone is left out.
TEST_F(Book, PairsEachLineWithTheNextRecordOfItsText) {
  for (int i = 0; i < 3; ++i) click("cmdjsmll");
  std::string& bytes = disk.files.at(report);
  bytes[bytes.find("\r\n", bytes.find(" 2-3")) - 1] = '.';  // the second line's last blank
  bytes.erase(bytes.rfind(" 3-4"));
  const ReportSegments book = segments();
  ASSERT_EQ(book.segments.size(), 2u);
  EXPECT_EQ(book.segments[0].record->label, "1-2");
  EXPECT_FALSE(book.segments[1].record);
  disk.files.at("c:\\file.txt.json").clear();
  EXPECT_FALSE(segments().segments[0].record);
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
