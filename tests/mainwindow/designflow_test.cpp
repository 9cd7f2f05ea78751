#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using Shown = ScriptedDialogs::Shown;

class DesignFlow : public ProgramTest {
 protected:
  Form& window() { return program.window("frmmain"); }
  MainVars& variables() { return program.state().main; }
  bool run(void (FrmMain::*procedure)()) {
    return program.attempt([&] { (program.frmmain().*procedure)(); });
  }
  // One segment of the probability method up to the design flow, as the
  // calculate command runs it.
  bool calculate_segment() {
    return program.attempt([&] {
      FrmMain& f = program.frmmain();
      f.contn();
      f.jsuoac();
      f.jq_Uo_ac();
      f.sjmll();
    });
  }
  void fill_result_lists() {
    for (const char* list : {"List1", "List2", "List3"}) window().at(list).items.add("De20");
    window().set_text("lbqg", "0.5L/s");
  }
  void expect_result_lists_empty() {
    for (const char* list : {"List1", "List2", "List3"}) EXPECT_TRUE(items(list).empty()) << list;
    EXPECT_EQ(text("lbqg"), "");
  }
};

TEST_F(DesignFlow, HouseholdFlowOfTheDefaultDwelling) {
  struct Row {
    const char *ng, *uo, *alpha_c;
    double ac;
    const char* qg;
  };
  const Row rows[] = {
      {"1", "14.1782", "0.06489", 0.06489, "0.2"}, {"2", "7.0891", "0.0564", 0.0564, "0.2988"},
      {"4", "3.5446", "0.0241", 0.0241, "0.4165"}, {"10", "1.4178", "0.0064", 0.0064, "0.6443"},
      {"14", "1.0127", "0.0033", 0.0033, "0.757"},
  };
  for (const Row& r : rows) {
    type("t_Ng", r.ng);
    EXPECT_TRUE(program.press("F5"));
    EXPECT_EQ(text("t_Uo"), r.uo) << r.ng;
    EXPECT_EQ(text("t_ac"), r.alpha_c) << r.ng;
    EXPECT_EQ(vars().ac, Value(r.ac)) << r.ng;
    EXPECT_EQ(text("t_qg"), r.qg) << r.ng;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DesignFlow, BelowTheTableTheDesignerGivesAlphaC) {
  const Shown asked{Shown::Type::Input, "Aquamere", "αc值请自定："};
  struct Row {
    const char* ng;
    bool answered;
    const char* answer;
    const char* alpha_c;
    double ac;
  };
  const Row rows[] = {
      {"16", true, "0.0045", "0.0045", 0.0045},
      {"14.2", true, "0.005个", "0.005个", 0.005},
      {"16", false, "", "", 0},
      {"14.2", true, "自定", "自定", 0},
  };
  for (const Row& r : rows) {
    dialogs.forget();
    if (r.answered) {
      dialogs.answer(r.answer);
    } else {
      dialogs.cancel();
    }
    type("t_Ng", r.ng);
    EXPECT_TRUE(program.press("F5"));
    EXPECT_EQ(dialogs.shown(), std::vector<Shown>{asked}) << r.answer;
    EXPECT_EQ(text("t_ac"), r.alpha_c);
    EXPECT_EQ(vars().ac, Value(r.ac));
  }
  EXPECT_EQ(text("t_Uo"), "0.9985");
}

// The lookup takes the unrounded Uo: 0.99996 shows as 1 yet lies below the table.
TEST_F(DesignFlow, UoJustBelowOneAsksThoughItShowsOne) {
  type("t_q0", "7.199712");
  for (const char* box : {"t_m", "t_kh", "t_t", "t_Ng"}) type(box, "1");
  dialogs.answer("0.0032");
  EXPECT_TRUE(run(&FrmMain::jsuoac));
  EXPECT_EQ(text("t_Uo"), "1");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "αc值请自定：");
}

TEST_F(DesignFlow, MissingInputEndsTheCommandWithItsMessage) {
  type("t_Ng", "4");
  double_click("t_Ng");
  type("t_qg", "0.5");
  struct Row {
    std::vector<const char*> emptied;
    const char* message;
  };
  const Row rows[] = {
      {{"t_q0", "t_Ng"}, "  条件不足"},
      {{"t_m"}, "  条件不足"},
      {{"t_kh"}, "  条件不足"},
      {{"t_t"}, "  条件不足"},
      {{"t_Ng"}, "请先给出户当量(节点当量)"},
  };
  for (const Row& r : rows) {
    const ProgramState kept = program.state();
    for (const char* box : r.emptied) window().set_text(box, "");
    const ProgramState before = program.state();
    dialogs.forget();
    double_click("t_Ng");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{r.message}) << r.emptied[0];
    EXPECT_EQ(program.state(), before) << r.emptied[0];
    program.state() = kept;
  }
}

TEST_F(DesignFlow, WeightedUoOfMixedHouseholdGroups) {
  struct Row {
    const char *ng, *ngz, *ng1, *sum_shares, *sum_ng, *mean, *alpha_c, *qg;
  };
  const Row rows[] = {
      {"4", "20", "0.70892", "0.7089", "20", "3.5445", "0.0241", "0.9857"},
      {"2", "10", "0.70891", "1.4178", "30", "4.726", "0.0347", "1.2934"},
      {"10", "50", "0.7089", "2.1267", "80", "2.6584", "0.0165", "2.04"},
  };
  type("t_fz", "5");
  for (const Row& r : rows) {
    type("t_Ng", r.ng);
    EXPECT_EQ(text("t_ngz"), r.ngz);
    ASSERT_TRUE(calculate_segment()) << r.ng;
    EXPECT_EQ(vars().ng1.text(), r.ng1);
    EXPECT_EQ(text("txtnguo"), r.sum_shares);
    EXPECT_EQ(text("t_nguo"), r.sum_ng);
    EXPECT_EQ(vars().Ng.text(), r.sum_ng);
    EXPECT_EQ(text("txtsave"), r.mean);
    EXPECT_EQ(text("t_ac2"), r.alpha_c);
    EXPECT_EQ(vars().ac, Value(r.alpha_c));
    EXPECT_EQ(text("t_qg"), r.qg);
  }
  EXPECT_EQ(vars().ng3, Value(Fixed4::from_count(21267)));
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DesignFlow, GroupWithoutUoEntersTheEquivalentSumOnly) {
  type("t_Ng", "4");
  ASSERT_TRUE(calculate_segment());
  const std::string mean = text("txtsave");
  window().set_text("t_Uo", "");
  EXPECT_TRUE(run(&FrmMain::jq_Uo_ac));
  EXPECT_EQ(text("txtnguo"), "∑(Ng X Uo)");
  EXPECT_EQ(text("t_nguo"), "8");
  EXPECT_EQ(text("txtsave"), mean);
  EXPECT_EQ(vars().ac, Value("0.0241"));
  EXPECT_EQ(vars().ng3, Value(Fixed4::from_count(1418)));
}

TEST_F(DesignFlow, WeightedUoBelowTheTableIsRefused) {
  type("t_Ng", "20");
  dialogs.answer("0.003");
  const ProgramState before = program.state();
  click("cmdjsmll");
  EXPECT_EQ(dialogs.shown(), (std::vector<Shown>{{Shown::Type::Input, "Aquamere", "αc值请自定："},
                                                 {Shown::Type::Message, "Aquamere", "户当量过大"}}));
  EXPECT_EQ(program.state(), before);

  dialogs.forget();
  EXPECT_FALSE(program.attempt([&] { program.frmmain().ac2(-0.5); }));
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"户当量过大"});
}

// Groups without consumption give a mean of 0: t_ac2 keeps its placeholder,
// which the flow formula then cannot read as αc.
TEST_F(DesignFlow, WeightedUoOfZeroLeavesAlphaCAlone) {
  type("t_Ng", "4");
  type("t_q0", "0");
  dialogs.answer("0.003");
  EXPECT_TRUE(program.attempt([&] {
    program.frmmain().jsuoac();
    program.frmmain().jq_Uo_ac();
  }));
  EXPECT_EQ(text("txtsave"), "0");
  EXPECT_EQ(text("t_ac2"), "αc");
  EXPECT_EQ(vars().ac, Value("αc"));
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{});

  const ProgramState before = program.state();
  EXPECT_FALSE(run(&FrmMain::sjmll));
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"无法计算：「加权αc」中的“αc”不是数字。"});
  EXPECT_EQ(program.state(), before);
}

TEST_F(DesignFlow, ProbabilityMethodFlowWithAndWithoutFlushValve) {
  struct Row {
    double ng;
    Value ac;
    const char *qg, *with_flush_valve;
  };
  const Row rows[] = {
      {10, 0.0064, "0.6443", "1.7443"},
      {100, "0.0064", "2.1216", "3.2216"},
  };
  for (const Row& r : rows) {
    for (const int flush_valve : {0, 1}) {
      window().at("chk_d").value = flush_valve;
      variables().Ng = r.ng;
      variables().ac = r.ac;
      fill_result_lists();
      EXPECT_TRUE(run(&FrmMain::sjmll));
      EXPECT_EQ(text("t_qg"), flush_valve ? r.with_flush_valve : r.qg) << r.ng;
      expect_result_lists_empty();
    }
  }
  // The variables keep the unrounded values that sizing works from.
  EXPECT_NEAR(vars().U.number("U"), 0.10608193, 1e-8);
  EXPECT_EQ(vars().Qg.text(), "3.22163854454747");
}

TEST_F(DesignFlow, ProbabilityMethodWithoutAlphaCOrLoadOnlyEmptiesTheLists) {
  variables().U = 0.3;
  variables().Qg = 0.64;
  window().set_text("t_qg", "0.64");
  struct Row {
    Value ng, ac;
  };
  const Row rows[] = {{0.0, 0.0064}, {Value(), 0.0064}, {"", 0.0064}, {10.0, ""}, {10.0, Value()}};
  for (const Row& r : rows) {
    variables().Ng = r.ng;
    variables().ac = r.ac;
    fill_result_lists();
    EXPECT_TRUE(run(&FrmMain::sjmll));
    expect_result_lists_empty();
    EXPECT_EQ(vars().U, Value(0.3));
    EXPECT_EQ(vars().Qg, Value(0.64));
    EXPECT_EQ(text("t_qg"), "0.64");
  }
}

TEST_F(DesignFlow, CoefficientMethodFlowFromTheShownSum) {
  window().set_text("t_nguo", "16");
  variables().U = 0.3;
  struct Row {
    int concentrated, flush_valve;
    const char* qg;
  };
  const Row rows[] = {{0, 1, "2.06"}, {1, 0, "2"}};
  for (const Row& r : rows) {
    if (main().value("chk_j") != r.concentrated) click("chk_j");
    window().at("chk_d").value = r.flush_valve;
    EXPECT_TRUE(run(&FrmMain::qgy));
    EXPECT_EQ(text("t_qg"), r.qg);
  }
  EXPECT_EQ(vars().Qg.text(), "2");
  EXPECT_EQ(vars().U, Value(0.3));
}

TEST_F(DesignFlow, HouseholdFlowLeavesTheSegmentFlowAlone) {
  variables().U = 0.3;
  variables().Qg = 0.64;
  window().set_text("t_ac", "0.0241");
  window().set_text("t_Ng", "4");
  for (const int flush_valve : {0, 1}) {
    window().at("chk_d").value = flush_valve;
    fill_result_lists();
    EXPECT_TRUE(program.attempt([&] { EXPECT_TRUE(program.frmmain().hu_qg()); }));
    EXPECT_EQ(text("t_qg"), flush_valve ? "1.5165" : "0.4165");
    expect_result_lists_empty();
  }
  EXPECT_EQ(vars().U, Value(0.3));
  EXPECT_EQ(vars().Qg, Value(0.64));

  window().set_text("t_Ng", "户当量");
  EXPECT_TRUE(program.attempt([&] { EXPECT_FALSE(program.frmmain().hu_qg()); }));
  EXPECT_EQ(text("t_qg"), "1.5165");
}

TEST_F(DesignFlow, UncomputableInputFailsNamingTheBox) {
  type("t_Ng", "4");
  struct Row {
    const char *box, *typed, *message;
  };
  const Row rows[] = {
      {"t_t", "0", "计算失败：计算平均出流概率Uo时除数为零。"},
      {"t_Ng", "0", "计算失败：计算平均出流概率Uo时除数为零。"},
      {"t_q0", "25O", "无法计算：「q0:」中的“25O”不是数字。"},
      {"t_kh", " ", "无法计算：「Kh:」中的“ ”不是数字。"},
      {"t_Ng", "4户", "无法计算：「户当量:」中的“4户”不是数字。"},
  };
  for (const Row& r : rows) {
    const ProgramState kept = program.state();
    type(r.box, r.typed);
    const ProgramState before = program.state();
    dialogs.forget();
    double_click("t_Ng");
    ASSERT_EQ(dialogs.shown().size(), 1u) << r.box;
    EXPECT_EQ(dialogs.shown()[0], (Shown{Shown::Type::Failure, "Aquamere", r.message}));
    EXPECT_EQ(program.state(), before);
    program.state() = kept;
  }
}

// Equivalents between 0 and 1 have no simultaneous outflow probability, and
// the coefficient method cannot start from the placeholder of ΣNg.
TEST_F(DesignFlow, SumsThatCarryNoFlowFail) {
  variables().ac = 0.0064;
  variables().Ng = 0.5;
  EXPECT_FALSE(run(&FrmMain::sjmll));
  EXPECT_FALSE(run(&FrmMain::qgy));
  EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{
                                    "计算失败：计算同时出流概率U时遇到负数的分数次幂。",
                                    "无法计算：「∑Ng」中的“∑Ng”不是数字。",
                                }));
}

}  // namespace
}  // namespace aquamere
