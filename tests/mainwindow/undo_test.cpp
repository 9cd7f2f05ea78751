// Undo and resume work from the report's journal alone: undoing a day's
// segments goes back through the very windows the designer saw before
// each, and calculating them again writes the same report and journal.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "program_fixture.h"

namespace aquamere {
namespace {

constexpr const char* report = "c:\\file.txt";
constexpr const char* journal = "c:\\file.txt.json";

// What undo puts back: the main window with its variables and table, and
// what the report carries from one segment to the next.
struct Window {
  Form main;
  MainVars vars;
  Value book_ng, book_qg, book_hsum;
  float coef_i;
  friend bool operator==(const Window&, const Window&) = default;
};

Window window_of(const Program& program) {
  const ProgramState& s = program.state();
  return {
      *program.find_window("frmmain"), s.main, s.book.book_ng, s.book.book_qg, s.book.book_hsum, s.coef_i};
}

// One user event of the day's work, and how many segments it writes.
struct Step {
  int segments;
  std::function<void(Program&, ScriptedDialogs&)> act;
};

void main_click(Program& p, const char* control) { p.click("frmmain", control); }

// A day's work with something of everything: sums carried on and reset, a
// new group, the flush valve, a change of material, a household flow
// looked at between segments, a repeat, a batch, the coefficient method
// and an αc the designer typed.
const std::vector<Step> day = {
    {0, [](Program& p, ScriptedDialogs&) { p.type("frmmain", "t_Ng", "4"); }},
    {0, [](Program& p, ScriptedDialogs&) { main_click(p, "mnukill"); }},
    {1, [](Program& p, ScriptedDialogs&) { main_click(p, "cmdjsmll"); }},
    {0, [](Program& p, ScriptedDialogs&) { p.type("frmmain", "t_fz", "2"); }},
    {0, [](Program& p, ScriptedDialogs&) { main_click(p, "chk_d"); }},
    {1, [](Program& p, ScriptedDialogs&) { main_click(p, "cmdjsmll"); }},
    {0, [](Program& p, ScriptedDialogs&) { main_click(p, "mnuset"); }},
    {0, [](Program& p, ScriptedDialogs&) { p.click("frmset", "op_lz"); }},
    {0, [](Program& p, ScriptedDialogs&) { p.click("frmset", "cmddone"); }},
    {1, [](Program& p, ScriptedDialogs&) { main_click(p, "cmdjsmll"); }},
    {0, [](Program& p, ScriptedDialogs&) { p.double_click("frmmain", "t_Ng"); }},
    {1, [](Program& p, ScriptedDialogs&) { p.double_click("frmmain", ""); }},
    {0, [](Program& p, ScriptedDialogs&) { p.type("frmmain", "t_fs", "2"); }},
    {2, [](Program& p, ScriptedDialogs&) { p.double_click("frmmain", "t_fs"); }},
    {0, [](Program& p, ScriptedDialogs&) { main_click(p, "chk_j"); }},
    {1, [](Program& p, ScriptedDialogs&) { main_click(p, "cmdjsmll"); }},
    {0, [](Program& p, ScriptedDialogs&) { main_click(p, "chk_j"); }},
    {0, [](Program& p, ScriptedDialogs&) { p.type("frmmain", "t_Ng", "16"); }},
    {1,
     [](Program& p, ScriptedDialogs& d) {
       d.answer("0.002");
       main_click(p, "cmdjsmll");
     }},
};

class Undo : public ProgramTest {
 protected:
  using Files = std::map<std::string, std::string>;

  // Plays the day from `first` on, noting before each segment the window
  // and the files, a journal not yet written as an empty one (none for the
  // later segments of a batch).
  void play_day(std::size_t first = 0) {
    for (std::size_t i = first; i < day.size(); ++i) {
      for (int k = 0; k < day[i].segments; ++k) {
        before.push_back(k == 0 ? std::optional<Window>(window()) : std::nullopt);
        files_before.push_back(k == 0 ? std::optional<Files>(files()) : std::nullopt);
      }
      day[i].act(program, dialogs);
    }
  }
  Window window() const { return window_of(program); }
  Files files() const {
    Files files = disk.files;
    files.try_emplace(journal);
    return files;
  }

  std::vector<std::optional<Window>> before;
  std::vector<std::optional<Files>> files_before;
};

TEST_F(Undo, GoesBackSegmentBySegmentAndForwardAgainToTheSameFiles) {
  play_day();
  ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages().front();
  const Window after_day = window();
  const auto files_after_day = disk.files;
  ASSERT_EQ(before.size(), 8u);
  for (std::size_t i = before.size(); i-- > 0;) {
    click("mnuundo");
    if (before[i]) {
      EXPECT_EQ(window(), *before[i]) << "segment " << i + 1;
      EXPECT_EQ(files(), *files_before[i]) << "segment " << i + 1;
    }
  }
  EXPECT_TRUE(dialogs.messages().empty());
  click("mnuundo");
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法撤销上一管段：计算书“c:\\file.txt”中没有管段记录。"});
  EXPECT_EQ(files(), files_before.front());

  play_day(2);
  EXPECT_EQ(disk.files, files_after_day);
  EXPECT_EQ(window(), after_day);
}

// Taken up the next day, the chain stands as the day left it, the αc
// typed for its last segment with it; undone and taken up again, it goes
// on to the very files the day wrote, records and all.
TEST_F(Undo, TakenUpTheNextDayGoesOnAsTheDayWent) {
  play_day();
  const Window after_day = window();
  const auto files_after_day = disk.files;
  Program next_day(dialogs, disk);
  next_day.click("frmmain", "mnuresume");
  EXPECT_EQ(window_of(next_day), after_day);
  next_day.click("frmmain", "mnuundo");
  Program day_after(dialogs, disk);
  day_after.click("frmmain", "mnuresume");
  for (std::size_t i = day.size() - 3; i < day.size(); ++i) day[i].act(day_after, dialogs);
  EXPECT_EQ(disk.files, files_after_day);
  EXPECT_TRUE(dialogs.messages().empty());
}

// Two segments of a group of 4 in a fresh report.
class UndoRefused : public Undo {
 protected:
  using Shown = ScriptedDialogs::Shown;
  void SetUp() override {
    type("t_Ng", "4");
    click("mnukill");
    click("cmdjsmll");
    click("cmdjsmll");
  }
  std::string& file(const char* path) { return disk.files[path]; }
  // Clicks the menu item and expects the box alone, a message unless a
  // failure is told, with both files and the window as they were.
  void expect_refused(const char* item, const std::string& message, Shown::Type type = Shown::Type::Message) {
    const Files files_then = files();
    const Window then = window();
    dialogs.forget();
    click(item);
    EXPECT_EQ(dialogs.shown(), (std::vector<Shown>{{type, "Aquamere", message}})) << item;
    EXPECT_EQ(files(), files_then) << item;
    EXPECT_EQ(window(), then) << item;
  }
};

// With nothing to take up, a report changed after its last segment or a
// journal whose last line is no record, undo and resume say why and change
// nothing.
TEST_F(UndoRefused, WithTheReasonAndNothingChanged) {
  const std::string none = "计算书“c:\\file.txt”中没有管段记录";
  const std::string edited = "计算书“c:\\file.txt”的最后一个管段与记录文件中的不符，计算书可能已被另行修改";
  const std::string damaged = "记录文件“c:\\file.txt.json”的最后一行不是完整的管段记录";
  struct Case {
    const char* what;
    std::function<void()> edit;
    const std::string& reason;
  };
  const Case cases[] = {
      {"no journal", [this] { disk.files.erase(journal); }, none},
      {"cleared", [this] { click("mnukill"); }, none},
      {"a clearing the journal kept", [this] { file(journal) += "{\"cleared\":true}\n"; }, none},
      {"a remark after the line",
       [this] {
         file(report) +=
             "\xBC\xFB\xD7\xA2"
             "1\r\n";
       },
       edited},
      {"a number changed", [this] { file(report)[file(report).size() - 4] = '1'; }, edited},
      {"no report", [this] { disk.files.erase(report); }, edited},
      {"a record cut short", [this] { file(journal).resize(file(journal).size() - 9); }, damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Files files_then = files();
    c.edit();
    expect_refused("mnuundo", "无法撤销上一管段：" + c.reason + "。");
    expect_refused("mnuresume", "无法继续计算：" + c.reason + "。");
    disk.files = files_then;
  }
}

// An editor that drops the blanks at the ends of lines changes nothing that
// matters; a record whose window does not give its line again cannot be
// taken up, though the window it holds can still be put back.
TEST_F(UndoRefused, TrailingBlanksAndARecordThatDoesNotAddUp) {
  const std::size_t end = file(report).size() - 2;
  file(report).erase(end - 1, 1);  // " 0.0937 \r\n" loses its last blank
  std::string& last_record = file(journal);
  const std::size_t q0 = last_record.rfind(R"("t_q0":"250")");
  ASSERT_NE(q0, std::string::npos);
  last_record.replace(q0, 12, R"("t_q0":"300")");
  expect_refused("mnuresume",
                 "无法继续计算：记录文件“c:\\file.txt.json”的最后一条记录与计算书中的管段不符。");
  dialogs.forget();
  click("mnuundo");
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(text("lab_2"), "1-2");
  EXPECT_EQ(text("t_q0"), "300");
}

// A write that fails on the way — the report cut back, the viewings' blocks
// written again after its last line, the journal cut back — leaves both
// files and the window as they were, and says why.
TEST_F(UndoRefused, AFailedWriteChangesNeitherFileNorTheWindow) {
  click("mnulook");
  const std::string full = "无法写入计算书“c:\\file.txt”：磁盘已满。";
  const std::string journal_full = "无法写入计算书“c:\\file.txt.json”：磁盘已满。";
  for (const auto& [writes, message] : {std::pair{0, full}, {1, full}, {2, journal_full}}) {
    SCOPED_TRACE(writes);
    disk.writes_before_failure = writes;
    expect_refused("mnuundo", message, Shown::Type::Failure);
    disk.writes_before_failure = -1;
  }
  dialogs.forget();
  click("mnuundo");
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(text("lab_2"), "1-2");
}

}  // namespace
}  // namespace aquamere
