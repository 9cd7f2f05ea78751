#include "program/program.h"

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

// Each attempt's snapshot is taken over the one before it: what it puts back
// must be the state just before the failing step, with whatever earlier
// steps changed, windows opened since and nested attempts included.
TEST_F(EventDoor, PutsBackTheStateOfJustBeforeTheFailingStep) {
  const auto fail_after = [&](const std::function<void()>& change) {
    return program.attempt([&] {
      change();
      throw Failure("计算失败。");
    });
  };
  type("t_Ng", "4");
  click("cmdjsmll");
  const ProgramState after_first = program.state();
  EXPECT_FALSE(fail_after([&] {
    program.window("frmmain").set_text("t_qg", "9");
    program.window("frmmain").at("List1").items.assign({"管径mm"});
    program.state().main.Qg = 9.0;
  }));
  EXPECT_EQ(program.state(), after_first);

  program.click("frmmain", "mnuset");
  const ProgramState with_settings = program.state();
  EXPECT_FALSE(fail_after([&] { program.unload("frmset"); }));
  EXPECT_EQ(program.state(), with_settings);

  EXPECT_TRUE(program.attempt([&] {
    program.window("frmmain").set_text("txt_l", "3");
    const ProgramState inner_before = program.state();
    EXPECT_FALSE(fail_after([&] { program.window("frmmain").set_text("txt_l", "5"); }));
    EXPECT_EQ(program.state(), inner_before);
  }));
  EXPECT_EQ(text("txt_l"), "3");
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
