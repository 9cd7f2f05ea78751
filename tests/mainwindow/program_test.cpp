#include "mainwindow/program.h"

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using EventDoor = ProgramTest;

TEST_F(EventDoor, FailedStepPutsEverythingBackAndSaysWhy) {
  program.state().main.Qg = 1.5;
  const ProgramState before = program.state();
  const bool completed = program.attempt([&] {
    program.state().main.Qg = 2.5;
    program.window("frmmain").set_text("t_qg", "2.5");
    throw Failure("计算失败：计算Uo时除数为零。");
  });
  EXPECT_FALSE(completed);
  EXPECT_EQ(program.state(), before);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].type, ScriptedDialogs::Shown::Type::Failure);
  EXPECT_EQ(dialogs.shown()[0].title, "Aquamere");
  EXPECT_EQ(dialogs.shown()[0].text, "计算失败：计算Uo时除数为零。");
}

TEST_F(EventDoor, RefusalPutsBackWithoutASecondMessage) {
  const ProgramState before = program.state();
  EXPECT_FALSE(program.attempt([&] {
    program.window("frmmain").set_text("lab_3", "5");
    program.message("户当量过大");
    throw Refusal();
  }));
  EXPECT_EQ(program.state(), before);
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"户当量过大"});
}

TEST_F(EventDoor, ClosingTheLastWindowEndsTheRun) {
  EXPECT_TRUE(program.running());
  program.close("frmmain");
  EXPECT_EQ(program.find_window("frmmain"), nullptr);
  EXPECT_FALSE(program.running());
}

TEST_F(EventDoor, EventsReachOnlyOpenWindowsAndKnownControls) {
  EXPECT_THROW(program.click("frmset", "cmddone"), std::invalid_argument);
  EXPECT_THROW(program.type("frmmain", "no_such_box", "1"), std::invalid_argument);
  EXPECT_THROW(program.type("frmmain", "lab_3", "1"), std::invalid_argument);
}

TEST_F(EventDoor, ListCopiesShareTheirLinesUntilChanged) {
  ListItems a{"管径mm", "De20"};
  ListItems b = a;
  EXPECT_TRUE(a.same_lines(b));
  b.add("De25");
  EXPECT_FALSE(a.same_lines(b));
  EXPECT_EQ(a.size(), 2u);
  EXPECT_EQ(b.size(), 3u);
}

}  // namespace
}  // namespace aquamere
