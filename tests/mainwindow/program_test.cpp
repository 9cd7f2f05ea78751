#include "program/program.h"

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using EventDoor = ProgramTest;
using Shown = ScriptedDialogs::Shown;

// Each attempt puts back the state of just before its own step, with what
// earlier steps changed, windows opened since, lines added to a list the
// snapshot shares, and attempts nested inside another. A failure is told in
// a message box; a refusal has told its own.
TEST_F(EventDoor, FailedOrRefusedStepPutsBackTheStateOfJustBeforeIt) {
  const auto fail_after = [&](const std::function<void()>& change, bool refuse = false) {
    return program.attempt([&] {
      change();
      if (refuse) throw Refusal();
      throw Failure("计算失败：计算Uo时除数为零。");
    });
  };
  type("t_Ng", "4");
  click("cmdjsmll");
  const ProgramState after_first = program.state();
  const std::vector<std::string> sizes = items("List1");
  EXPECT_FALSE(fail_after([&] {
    program.window("frmmain").set_text("t_qg", "9");
    program.window("frmmain").at("List1").items.add("De110");  // the snapshot shares these lines
    program.state().main.Qg = 9.0;
  }));
  EXPECT_EQ(program.state(), after_first);
  EXPECT_EQ(items("List1"), sizes);
  EXPECT_EQ(dialogs.shown(),
            (std::vector<Shown>{{Shown::Type::Failure, "Aquamere", "计算失败：计算Uo时除数为零。"}}));

  click("mnuset");
  const ProgramState with_settings = program.state();
  EXPECT_FALSE(fail_after([&] { program.unload("frmset"); }, true));
  EXPECT_EQ(program.state(), with_settings);
  EXPECT_EQ(dialogs.shown().size(), 1u);

  EXPECT_TRUE(program.attempt([&] {
    program.window("frmmain").set_text("txt_l", "3");
    const ProgramState inner_before = program.state();
    EXPECT_FALSE(fail_after([&] { program.window("frmmain").set_text("txt_l", "5"); }));
    EXPECT_EQ(program.state(), inner_before);
  }));
  EXPECT_EQ(text("txt_l"), "3");
}

// A report where the system lets only its administrators write (Windows,
// a drive's root folder): the message says where to choose a folder of
// one's own.
TEST_F(EventDoor, AReportKeptForAdministratorsIsRefusedWithTheWayOut) {
  disk.broken = true;
  disk.broken_remedy = FileFailure::Remedy::OwnFolder;
  type("t_Ng", "4");
  click("cmdjsmll");
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法打开计算书“c:\\file.txt”：拒绝访问。"
                                     "请在“计算 → 设置参数”中把计算书保存路径改到自己的文件夹。"});
}

}  // namespace
}  // namespace aquamere
