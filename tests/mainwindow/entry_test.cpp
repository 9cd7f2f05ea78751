#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using SegmentEntry = ProgramTest;

TEST_F(SegmentEntry, GroupEquivalentsFollowHouseholdsAndTheirEquivalents) {
  struct Row {
    const char *households, *equivalents, *group;
  };
  const Row rows[] = {
      {"3", "4.5", "13.5"}, {"3", "", "0"},       {"", "4.5", "0"},
      {"2户", "4.5", "9"},  {"3", "户当量", "0"}, {" 10", "0.1", "1"},
  };
  for (const Row& r : rows) {
    type("t_fz", r.households);
    type("t_Ng", r.equivalents);
    EXPECT_EQ(text("t_ngz"), r.group) << r.households << " × " << r.equivalents;
  }
}

TEST_F(SegmentEntry, TypedGroupEquivalentsStayUntilTheNextEntry) {
  type("t_Ng", "4");
  type("t_ngz", "7");
  EXPECT_EQ(text("t_ngz"), "7");
  type("t_fz", "2");
  EXPECT_EQ(text("t_ngz"), "8");
}

TEST_F(SegmentEntry, SegmentLabelAdvancesAndStartsAgainAfterAReset) {
  auto advance = [&] { ASSERT_TRUE(program.attempt([&] { program.frmmain().contn(); })); };
  advance();
  EXPECT_EQ(text("lab_3") + " " + text("lab_2"), "1 1-2");
  advance();
  EXPECT_EQ(text("lab_3") + " " + text("lab_2"), "2 2-3");
  program.press("F7");
  EXPECT_EQ(text("lab_3") + " " + text("lab_2"), "0 0");
  advance();
  EXPECT_EQ(text("lab_2"), "1-2");
}

// The reset touches the household sums, the labels, t_qg and t_de, and
// nothing else: the lists, the last results and the parameters stay.
TEST_F(SegmentEntry, ResetPutsBackTheSumsAndLeavesTheRestAlone) {
  type("t_Ng", "4.5");
  type("t_qg", "0.5");
  double_click("t_qg");
  Form& f = program.window("frmmain");
  const std::pair<const char*, const char*> shown[] = {
      {"t_Uo", "1.8"},     {"t_ac", "0.0092"}, {"t_nguo", "4.5"}, {"txtnguo", "0.081"}, {"txtsave", "1.8"},
      {"t_ac2", "0.0092"}, {"t_de", "De32"},   {"lab_3", "1"},    {"lab_2", "1-2"},     {"t_q0", "300"},
  };
  for (const auto& [box, value] : shown) f.set_text(box, value);
  MainVars& v = program.state().main;
  v.Ng = 4.5;
  v.Qg = "0.5";
  v.ac = 0.0092;
  v.U = 0.5;
  v.de_de = "De32";
  v.v_v = "0.9279";
  v.i_i = "0.0444";
  v.zg1 = v.zg2 = 4.5;
  v.ng1 = 0.081;
  v.ng3 = Fixed4::from(0.081);
  f.at("t_qg").align = Align::Right;
  const ProgramState before = program.state();

  ProgramState expected = before;
  Form& e = expected.windows.at("frmmain");
  const std::pair<const char*, const char*> reset[] = {
      {"t_nguo", "∑Ng"}, {"t_ac2", "αc"}, {"txtsave", "ΣUo"}, {"txtnguo", "∑(Ng X Uo)"},
      {"lab_3", "0"},    {"lab_2", "0"},  {"t_qg", ""},       {"t_de", "管径"},
  };
  for (const auto& [box, value] : reset) e.set_text(box, value);
  e.at("t_qg").align = Align::Center;
  expected.main.zg1 = expected.main.zg2 = expected.main.ng1 = expected.main.ng3 = "";

  program.state() = before;
  double_click("txtsave");
  EXPECT_EQ(program.state(), expected) << "double-click on txtsave";
  program.state() = before;
  EXPECT_TRUE(program.press("F7"));
  EXPECT_EQ(program.state(), expected) << "F7";
  ASSERT_FALSE(items("List1").empty());
}

}  // namespace
}  // namespace aquamere
