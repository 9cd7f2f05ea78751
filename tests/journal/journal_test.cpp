#include "journal/journal.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "report/report_codec.h"

namespace aquamere {
namespace {

constexpr const char* report = "c:\\file.txt";
constexpr const char* journal_file = "c:\\file.txt.json";

class Journal : public ProgramTest {
 protected:
  // Two segments of a group of 5 flats of 4 equivalents, the report fresh.
  void SetUp() override {
    type("t_Ng", "4");
    type("t_fz", "5");
    click("mnukill");
    click("cmdjsmll");
    click("cmdjsmll");
  }
  std::vector<SegmentRecord> records() { return journal::read(disk, report); }
  // The report's segment lines, as the journal's records must repeat them.
  std::vector<std::string> segment_lines() {
    std::vector<std::string> lines;
    ReportCodec codec;
    disk.read_lines(report, [&](std::string_view line) {
      if (line.size() > 1 && line[0] == ' ' && line[1] >= '0' && line[1] <= '9')
        lines.push_back(codec.decode(line));
    });
    return lines;
  }
  std::vector<std::string> record_lines() {
    std::vector<std::string> lines;
    for (const SegmentRecord& r : records()) lines.push_back(r.line);
    return lines;
  }
};

TEST_F(Journal, HoldsWhatEachSegmentWasWorkedOutFrom) {
  type("t_Ng", "16");  // Uo below the table: the designer gives αc
  type("t_fz", "1");
  dialogs.answer("0.002");
  click("cmdjsmll");
  double_click("");  // the same segment again
  const std::vector<SegmentRecord> r = records();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(record_lines(), segment_lines());
  const Calculation& first = *r[0].calculation;
  EXPECT_EQ(first.uo_text, "3.5446");
  EXPECT_NEAR(first.uo.value(), 3.5445601852, 1e-10);  // unrounded
  EXPECT_TRUE(first.sum_ng_before.is_empty());
  EXPECT_EQ(first.material, "PP-R");
  EXPECT_EQ(first.coef_i, static_cast<double>(8.9696f));
  EXPECT_EQ(r[1].calculation->sum_ng_before, Value(20.0));
  EXPECT_EQ(r[1].running_before, Value(r[0].running));
  const Calculation& typed = *r[2].calculation;
  EXPECT_TRUE(typed.alpha_c_typed);
  EXPECT_EQ(typed.alpha_c, "0.002");
  EXPECT_EQ(r[3].command, SegmentRecord::Command::Repeat);
  EXPECT_FALSE(r[3].calculation);
  EXPECT_EQ(r[3].label, "4-5");
}

// Whatever fails, the event changes neither file, and after it the report's
// segment lines and the journal's records are still the same list.
TEST_F(Journal, AFailedEventLeavesBothFilesAsTheyWere) {
  const auto calculate = [&] { click("cmdjsmll"); };
  const auto repeat = [&] { double_click(""); };
  const auto batch = [&] {
    type("t_fs", "3");
    double_click("t_fs");
  };
  const auto clear = [&] { click("mnukill"); };
  const auto refused = [&] {
    type("t_q0", "");
    click("cmdjsmll");
    type("t_q0", "250");
  };
  struct Case {
    const char* what;
    std::function<void()> event;
    const char* broken;
  };
  const Case cases[] = {
      {"calculate, journal", calculate, journal_file},
      {"calculate, report", calculate, report},
      {"repeat, journal", repeat, journal_file},
      {"batch, journal", batch, journal_file},
      {"clear, journal", clear, journal_file},
      {"clear, report", clear, report},
      {"calculate refused", refused, ""},
  };
  for (const Case& c : cases) {
    const auto files_before = disk.files;
    disk.broken_paths = {c.broken};
    dialogs.forget();
    c.event();
    disk.broken_paths.clear();
    EXPECT_EQ(dialogs.shown().size(), 1u) << c.what;
    EXPECT_EQ(disk.files, files_before) << c.what;
    EXPECT_EQ(record_lines(), segment_lines()) << c.what;
  }
}

TEST_F(Journal, ClearingTheReportClearsItsJournal) {
  click("mnukill");
  EXPECT_EQ(disk.files.at(journal_file), "");
  click("cmdjsmll");
  EXPECT_EQ(record_lines(), segment_lines());
  // A journal that could not be emptied after the clearing still counts
  // nothing from before the line that marks it; a line that is no record
  // (cut short, edited by hand) is passed over.
  disk.files[journal_file] = disk.files.at(journal_file) + "{\"cleared\":true}\n{\"command\":\n";
  EXPECT_TRUE(records().empty());
}

// Whatever a box holds comes back from the journal as it was, and bytes
// that are no UTF-8 as U+FFFD, the line staying JSON.
TEST(JournalLine, KeepsEveryTextABoxCanHold) {
  const std::pair<std::string, std::string> texts[] = {
      {"a\"b\\c", "a\"b\\c"},
      {"\t\x01\n", "\t\x01\n"},
      {"∑Ng 户当量 😀", "∑Ng 户当量 😀"},
      {"\xff\x31\xe6\x88", "\xEF\xBF\xBD\x31\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\xc0\xafx", "\xEF\xBF\xBD\xEF\xBF\xBDx"}};
  for (const auto& [text, back] : texts) {
    MemoryFiles disk;
    const SegmentRecord record{.calculation = Calculation{.household_ng = text}, .line = text, .running = 1};
    disk.files[journal_file] = journal::line_of(record);
    const std::vector<SegmentRecord> read = journal::read(disk, report);
    ASSERT_EQ(read.size(), 1u) << text;
    EXPECT_EQ(read[0].line, back);
    EXPECT_EQ(read[0].calculation->household_ng, back);
  }
}

// Read up to its window before, each record is the record read whole but
// for that window; a repeated segment's record keeps its window, for the
// material it repeats. Only the record's own member ends the reading: one
// deeper, or in an array, leaves the line read whole or no record.
TEST_F(Journal, ReadsEachRecordWithoutItsWindowWhereAsked) {
  double_click("");
  std::vector<SegmentRecord> whole = records(),
                             light = journal::read_as(disk, report, journal::WindowsBefore::Skipped,
                                                      [](SegmentRecord&&r) { return std::move(r); });
  ASSERT_EQ(light.size(), 3U);
  EXPECT_FALSE(light[0].before);
  ASSERT_TRUE(light[2].before);
  EXPECT_EQ(light[2].before->material, "PP-R");
  for (std::size_t k = 0; k < 2; ++k) whole[k].before.reset();
  EXPECT_EQ(light, whole);

  disk.files[journal_file] =
      "[{\"before\":1}]\n"
      R"({"command":"calculate","line":"x","loss":{"running":1,"before":{}},"before":{"material":"m"}})"
      "\n";
  light = journal::read_as(disk, report, journal::WindowsBefore::Skipped,
                           [](SegmentRecord&& r) { return std::move(r); });
  ASSERT_EQ(light.size(), 1U);
  EXPECT_EQ(light[0].running, 1);
  EXPECT_FALSE(light[0].before);
}

// The journals written before read back as the records they were written
// from: written again, each line is the same, byte for byte.
TEST(JournalLine, ReadsTheJournalsWrittenBefore) {
  std::istringstream lines(
#include "written_by_0.90.inc"
  );
  int records = 0;
  for (std::string line; std::getline(lines, line);) {
    if (journal::is_cleared_line(line)) continue;
    const std::optional<SegmentRecord> record = journal::record_in(line);
    ASSERT_TRUE(record && record->before) << line;
    EXPECT_EQ(journal::line_of(*record), line + '\n');
    ++records;
  }
  EXPECT_EQ(records, 13);
}

// A line edited outside the program holds no record, however it is broken,
// and reading it never runs out of stack; the escapes an earlier writer
// wrote in lower-case hex read back.
TEST(JournalLine, HoldsNoRecordWhereItIsNoWholeRecord) {
  const std::string repeat = R"({"command":"repeat","label":"\u000a\u001f","line":"x","loss":{"running":1}})";
  EXPECT_EQ(journal::record_in(repeat)->label, "\n\x1f");
  const std::string broken[] = {repeat.substr(0, 40), std::string(100000, '['),
                                "{\"command\":\"repeat\",\"line\":\"\xff\",\"loss\":{\"running\":1}}",
                                R"({"command":"knit","line":"x","loss":{"running":1}})",
                                R"({"command":"repeat","line":"x","loss":{}})"};
  for (const std::string& line : broken) {
    EXPECT_FALSE(journal::record_in(line)) << line;
    EXPECT_FALSE(journal::is_cleared_line(line));
  }
}

// A number edited by hand reads as the double it denotes, to the last bit,
// whatever its exponent; one beyond a double's range leaves no record.
TEST(JournalLine, ReadsEveryNumberExactly) {
  const auto running = [](std::string_view number) -> std::optional<double> {
    const std::optional<SegmentRecord> r = journal::record_in(
        R"({"command":"repeat","line":"x","loss":{"running":)" + std::string(number) + "}}");
    if (r) return r->running;
    return std::nullopt;
  };
  EXPECT_EQ(running("0.0e40"), 0.0);
  EXPECT_EQ(running("-0.000e-400"), 0.0);
  EXPECT_EQ(running("12"), 12.0);
  EXPECT_EQ(running("0.1000000000000000055511151231257827"), 0.1);
  EXPECT_EQ(running("4.9406564584124654e-324"), 4.9406564584124654e-324);
  EXPECT_EQ(running("1e400"), std::nullopt);
  EXPECT_EQ(running("1e-2147483649"), std::nullopt);
}

}  // namespace
}  // namespace aquamere
