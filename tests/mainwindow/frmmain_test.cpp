#include "mainwindow/frmmain.h"

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using HouseholdFlow = ProgramTest;

// The flow of one household is shown in t_qg only, with the flush valve's
// draw when there is one: U and Qg keep the segment's values. A household
// box that counts no equivalents gives no flow at all.
TEST_F(HouseholdFlow, ShowsTheFlowAndLeavesTheSegmentAlone) {
  program.state().main.U = 0.3;
  program.state().main.Qg = 0.64;
  Form& f = program.window("frmmain");
  f.set_text("t_ac", "0.0241");
  f.set_text("t_Ng", "4");
  for (const int flush_valve : {0, 1}) {
    f.at("chk_d").value = flush_valve;
    f.at("List1").items.add("De20");
    EXPECT_TRUE(program.attempt([&] { EXPECT_TRUE(program.frmmain().hu_qg()); }));
    EXPECT_EQ(text("t_qg"), flush_valve == 1 ? "1.5165" : "0.4165");
    EXPECT_TRUE(items("List1").empty());
  }
  EXPECT_EQ(vars().U, Value(0.3));
  EXPECT_EQ(vars().Qg, Value(0.64));
  f.set_text("t_Ng", "户当量");
  EXPECT_TRUE(program.attempt([&] { EXPECT_FALSE(program.frmmain().hu_qg()); }));
  EXPECT_EQ(text("t_qg"), "1.5165");
}

}  // namespace
}  // namespace aquamere
