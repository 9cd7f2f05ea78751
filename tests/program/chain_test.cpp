// The segment table's revisions against the same chain typed so.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "journal/journal.h"
#include "program_fixture.h"
#include "settings/kept_settings.h"

namespace aquamere {
namespace {

constexpr const char* report = "c:\\file.txt";

// A program with its own disk, typing a riser of seven segments: two
// groups, a viewing, a group below the αc table (asking αc), the sums
// reset, a repeated segment, another material with a flush valve, the
// coefficient method, and a viewing at the end.
struct Session {
  ScriptedDialogs dialogs;
  MemoryFiles disk;
  Program program{dialogs, disk};

  void type(const char* box, std::string text) { program.type("frmmain", box, std::move(text)); }
  void click(const char* control) { program.click("frmmain", control); }
  void view() {
    click("mnulook");
    program.close("frmlookover");
  }
  void riser(std::array<const char*, 7> households, const char* repeat_length = "1") {
    type("t_Ng", "4");
    click("mnukill");
    for (int row = 0; row < 7; ++row) {
      if (row == 2) {
        type("t_Ng", "16");
        dialogs.answer("0.003");
      }
      if (row == 3) {
        click("mnuclear");
        type("t_Ng", "4");
      }
      if (row == 4) {
        type("txt_l", repeat_length);
        program.double_click("frmmain", "");
        view();
        continue;
      }
      if (row == 5) {
        program.click("frmmain", "mnuset");
        program.click("frmset", "op_sc");
        program.click("frmset", "cmddone");
        click("chk_d");
        type("txt_l", "3");
      }
      if (row == 6) click("chk_j");
      type("t_fz", households[row]);
      click("cmdjsmll");
      if (row == 1) view();
    }
    view();
  }
  void revise(int row, const char* households, const char* length) {
    program.press("F6");
    program.select("frmchain", "lstchain", row);
    program.type("frmchain", "t_fz", households);
    program.type("frmchain", "txt_l", length);
    program.click("frmchain", "cmdapply");
  }
  const Form& main() const { return *program.find_window("frmmain"); }
};

// Revising one row gives the report, the journal and the main window that
// typing the revised chain gives.
TEST(ChainRevised, IsTheChainTypedSo) {
  const std::array<const char*, 7> ones = {"1", "1", "1", "1", "1", "1", "1"};
  struct Case {
    int row;
    const char* households;
    const char* length;
  };
  for (const Case c : {Case{0, "3", "1"}, Case{2, "2", "1"}, Case{4, "", "7"}, Case{6, "5", "3"}}) {
    Session typed, revised;
    std::array<const char*, 7> households = ones;
    if (c.row != 4) households[c.row] = c.households;
    typed.riser(households, c.row == 4 ? c.length : "1");
    revised.riser(ones);
    revised.revise(c.row, c.households, c.length);
    ASSERT_TRUE(typed.dialogs.messages().empty()) << typed.dialogs.messages().front();
    EXPECT_EQ(revised.dialogs.messages(), std::vector<std::string>()) << "row " << c.row;
    EXPECT_EQ(revised.disk.files.at(report), typed.disk.files.at(report)) << "row " << c.row;
    EXPECT_EQ(revised.disk.files.at(journal::path_for(report)),
              typed.disk.files.at(journal::path_for(report)));
    for (const char* box : {"lab_2", "t_nguo", "txtnguo", "t_qg", "t_de", "t_fz", "Label5"})
      EXPECT_EQ(revised.main().text(box), typed.main().text(box)) << box << " after row " << c.row;
    // The table lists the revised chain as it lists the chain typed so.
    typed.program.press("F6");
    EXPECT_EQ(revised.program.find_window("frmchain")->at("lstchain").items.lines(),
              typed.program.find_window("frmchain")->at("lstchain").items.lines())
        << "row " << c.row;
  }
}

// 全部重算 with another material gives the chain typed with it from the
// start; 回到修改前 gives the files back byte for byte, once.
TEST(ChainRerun, IsTheChainTypedWithTheMaterialAndRevertsOnce) {
  Session typed, rerun;
  const auto material = [](Session& s) {
    s.program.click("frmmain", "mnuset");
    s.program.click("frmset", "op_sc");
    s.program.click("frmset", "cmddone");
  };
  material(typed);
  typed.riser({"1", "2", "1", "1", "1", "1", "1"});
  rerun.riser({"1", "2", "1", "1", "1", "1", "1"});
  rerun.dialogs.forget();
  const std::map<std::string, std::string> before = rerun.disk.files;
  const std::string flow = rerun.main().text("t_qg");
  material(rerun);
  rerun.program.press("F6");
  rerun.program.click("frmchain", "cmdrerun");
  EXPECT_EQ(rerun.disk.files.at(report), typed.disk.files.at(report));
  EXPECT_EQ(rerun.disk.files.at(journal::path_for(report)), typed.disk.files.at(journal::path_for(report)));
  EXPECT_EQ(rerun.main().text("Label5"), "硬聚氯乙稀水力计算表:");
  rerun.program.click("frmchain", "cmdrevert");
  EXPECT_EQ(rerun.disk.files.at(report), before.at(report));
  EXPECT_EQ(rerun.disk.files.at(journal::path_for(report)), before.at(journal::path_for(report)));
  EXPECT_EQ(rerun.main().text("t_qg"), flow);
  rerun.program.click("frmchain", "cmdrevert");
  EXPECT_EQ(rerun.dialogs.messages(), std::vector<std::string>{"没有可以回到的修改前的计算书。"});
}

// A revised group below the αc table asks its αc, naming the segment, and
// cancelling it cancels the revision; a row that cannot be calculated
// refuses the whole revision, naming it. Either way nothing changes.
TEST(ChainRevised, AsksWhatItLacksAndChangesNothingWhenRefused) {
  Session s;
  s.riser({"1", "1", "1", "1", "1", "1", "1"});
  const std::map<std::string, std::string> files = s.disk.files;
  s.dialogs.forget();
  s.program.press("F6");
  s.program.select("frmchain", "lstchain", 1);
  s.program.type("frmchain", "t_Ng", "14.2");
  s.dialogs.cancel();
  s.program.click("frmchain", "cmdapply");
  ASSERT_EQ(s.dialogs.shown().size(), 1u);
  EXPECT_EQ(s.dialogs.shown()[0].text, "管段2-3：αc值请自定：");
  s.program.type("frmchain", "t_Ng", "4");
  s.program.type("frmchain", "t_fz", "2户");
  s.program.select("frmchain", "lstchain", 6);
  s.program.type("frmchain", "txt_l", "3m");
  s.program.click("frmchain", "cmdapply");
  EXPECT_EQ(s.dialogs.messages().back().substr(0, 33), "无法重新计算：管段4-5：");
  EXPECT_EQ(s.disk.files, files);
  EXPECT_EQ(s.main().text("lab_2"), "4-5");
}

// A chain its journal no longer reproduces is not revised, whatever the
// row: a record's window before changed outside the program (its segment
// gives another line), a record whose numbers are not the ones its segment
// gives, a line of the journal that is no record. Nothing changes.
TEST(ChainRevised, RefusesAChainItsJournalDoesNotReproduce) {
  struct Case {
    std::size_t record;
    std::string from, to, told;
  };
  const Case cases[] = {
      {3, R"("t_ngz":"4")", R"("t_ngz":"8")", "计算书第16行不能由记录文件重现，可能是另行输入的"},
      {5, R"("segment":)", R"("segment":1)", "记录文件第6行与重现的记录不符"},
      {6, "{", "x\n{", "记录文件第7行与重现的记录不符"},
  };
  for (const Case& c : cases) {
    Session s;
    s.riser({"1", "1", "1", "1", "1", "1", "1"});
    std::string& journal = s.disk.files.at(journal::path_for(report));
    std::size_t at = 0;
    for (std::size_t k = 0; k < c.record; ++k) at = journal.find('\n', at) + 1;
    at = journal.find(c.from, at);
    ASSERT_NE(at, std::string::npos);
    journal.replace(at, c.from.size(), c.to);
    const std::map<std::string, std::string> files = s.disk.files;
    s.dialogs.forget();
    s.revise(0, "2", "1");
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{"无法重新计算：" + c.told + "。"});
    EXPECT_EQ(s.disk.files, files);
  }
}

// Opening the table reads the report and its journal once; choosing rows
// reads nothing again; where the pair has changed outside the program since
// the table was filled, the table is filled again from it first, so that
// the inputs shown are the row's.
TEST(ChainTable, ChoosingARowReadsTheChainAgainOnlyWhereItChanged) {
  Session s, other;
  s.riser({"1", "1", "1", "1", "1", "1", "1"});
  other.riser({"1", "5", "1", "1", "1", "1", "1"});
  const int unread = s.disk.files_read;
  s.program.press("F6");
  const int read = s.disk.files_read;
  EXPECT_EQ(read - unread, 2);
  for (const int row : {1, 0, 6, 2}) s.program.select("frmchain", "lstchain", row);
  EXPECT_EQ(s.disk.files_read, read);
  EXPECT_EQ(s.program.find_window("frmchain")->text("t_fz"), "1");
  s.disk.files = other.disk.files;
  s.program.select("frmchain", "lstchain", 1);
  EXPECT_EQ(s.program.find_window("frmchain")->text("t_fz"), "5");
}

// Another riser's report in force: a revision that a kill cut short is then
// finished or rolled back when the designer opens its report.
struct KeptElsewhere final : KeptSettings {
  std::optional<std::string> report_path() override { return "JL-2.txt"; }
  void keep_report_path(const std::string&) override {}
};

// A revision and a revert failing at each of their writes in turn: once as
// a disk full for a moment, once as a program killed there (no later write
// reaches the disk). Each time the report and its journal are wholly the
// pair before or the pair after, the next start leaves nothing else beside
// them but the pair before a revision, and 继续计算 takes up the pair found.
TEST(ChainRevised, LosesNothingWhereverItsWritesFail) {
  const std::array<const char*, 7> ones = {"1", "1", "1", "1", "1", "1", "1"};
  const std::string json = journal::path_for(report), kept = std::string(report) + ".before";
  using Files = std::map<std::string, std::string>;
  const auto pair = [&](const Files& f) {
    return std::pair(f.contains(report) ? f.at(report) : "-", f.contains(json) ? f.at(json) : "-");
  };
  Session typed, revised;
  typed.riser(ones);
  revised.riser(ones);
  revised.revise(2, "3", "2");
  const Files old_files = typed.disk.files, new_files = revised.disk.files;
  ASSERT_NE(pair(old_files), pair(new_files));
  for (const bool reverting : {false, true}) {
    for (const bool killed : {false, true}) {
      int step = 0;
      for (;; ++step) {
        Session s;
        s.riser(ones);
        if (reverting) s.revise(2, "3", "2");
        s.disk.writes_before_failure = step;
        s.disk.failure_lasts = killed;
        if (reverting) {
          s.program.click("frmchain", "cmdrevert");
        } else {
          s.revise(2, "3", "2");
        }
        const bool failed = s.disk.writes_before_failure < 0;
        s.disk.broken = false;
        s.disk.writes_before_failure = -1;
        const auto& [from, to] =
            reverting ? std::pair(new_files, old_files) : std::pair(old_files, new_files);
        const std::string at = std::string(reverting ? "revert" : "revision") +
                               (killed ? " killed" : " failing") + " at write " + std::to_string(step);
        if (!killed) {
          EXPECT_TRUE(pair(s.disk.files) == pair(from) || pair(s.disk.files) == pair(to)) << at;
        }
        // Every other kill is found by opening the report, not at the start.
        const bool by_opening = killed && step % 2 == 1;
        ScriptedDialogs dialogs;
        NothingKept nothing;
        KeptElsewhere elsewhere;
        Program restarted{dialogs, s.disk, by_opening ? static_cast<KeptSettings&>(elsewhere) : nothing};
        if (by_opening) {
          dialogs.answer(report);
          restarted.click("frmmain", "mnuopen");
        }
        const bool done = pair(s.disk.files) == pair(to);
        ASSERT_TRUE(done || pair(s.disk.files) == pair(from)) << at;
        Files expected = done ? to : from;
        if (done && !reverting)
          expected[kept] = old_files.at(report), expected[kept + ".json"] = old_files.at(json);
        EXPECT_EQ(s.disk.files, expected) << at;
        restarted.click("frmmain", "mnuresume");
        const Session& shown = done != reverting ? revised : typed;
        for (const char* box : {"lab_2", "t_qg", "t_fz"})
          EXPECT_EQ(restarted.find_window("frmmain")->text(box), shown.main().text(box)) << at;
        if (!failed) break;
      }
      EXPECT_GE(step, reverting ? 8 : 12);
    }
  }
}

}  // namespace
}  // namespace aquamere
