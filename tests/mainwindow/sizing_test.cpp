#include <gtest/gtest.h>

#include "expect_failure.h"
#include "hydraulics/materials.h"
#include "program_fixture.h"

namespace aquamere {
namespace {

class Sizing : public ProgramTest {
 protected:
  // The settings dialog confirmed with `option` chosen ("" keeps PP-R).
  void confirm_material(const char* option) {
    click("mnuset");
    if (*option != '\0') program.click("frmset", option);
    program.click("frmset", "cmddone");
  }
  // What a double-click on t_qg does: list the sizes for the flow typed.
  void list_for(const char* flow) {
    type("t_qg", flow);
    double_click("t_qg");
  }
  bool choose(const char* flow) {
    type("t_qg", flow);
    return program.attempt([&] { program.frmmain().v_de_i(); });
  }
  std::vector<std::string> table() const {
    std::vector<std::string> texts;
    for (const Value& de : vars().de) texts.push_back(de.text());
    return texts;
  }
};

const std::vector<std::string> ppr_table = {"15.6", "20.4", "26.2", "33",  "41.4",
                                            "52.2", "62.2", "74.8", "91.6"};

TEST_F(Sizing, PprAtStartAndAgainAfterOkWithAnAsciiColon) {
  for (const char* caption : {"PP-R水力计算表：", "PP-R水力计算表:"}) {
    EXPECT_EQ(table(), ppr_table);
    EXPECT_EQ(program.state().coef_i, 8.9696f);
    EXPECT_EQ(text("Label5"), caption);
    confirm_material("");
  }
}

TEST_F(Sizing, ConfirmingTheSettingsLoadsTheChosenMaterial) {
  confirm_material("op_sc");
  EXPECT_EQ(table(), (std::vector<std::string>{"16", "22", "29", "36", "46", "58", "70", "80", "103"}));
  EXPECT_EQ(vars().de[8], Value("103")) << "De110 is held as its text";
  EXPECT_EQ(program.state().coef_i, 9.15f);
  EXPECT_EQ(text("Label5"), "硬聚氯乙稀水力计算表:");
  struct Row {
    const char *option, *de20_de75;
    float coef;
    const char* caption;
  };
  const Row rows[] = {
      {"op_jd", "16 61.2", 8.65f, "PP-R_JD水力计算表:"},
      {"op_lz", "16.2 61.4", 7.05f, "PP-R_LZ水力计算表:"},
      {"op_ppr", "15.6 62.2", 8.9696f, "PP-R水力计算表:"},
  };
  for (const Row& r : rows) {
    confirm_material(r.option);
    EXPECT_EQ(vars().de[0].text() + " " + vars().de[6].text(), r.de20_de75) << r.option;
    EXPECT_EQ(program.state().coef_i, r.coef) << r.option;
    EXPECT_EQ(text("Label5"), r.caption);
  }
}

TEST_F(Sizing, NoMaterialChosenKeepsTheTableInForce) {
  confirm_material("op_sc");
  click("mnuset");
  program.close("frmset");
  program.window("frmset");  // created afresh and hidden, as the report writer does: nothing chosen
  program.frmmain().set_dj();
  EXPECT_EQ(vars().de[8], Value("103"));
  EXPECT_EQ(program.state().coef_i, 9.15f);
  EXPECT_EQ(text("Label5"), "硬聚氯乙稀水力计算表:");
}

TEST_F(Sizing, ListsTheCandidatesForTheFlow) {
  list_for("0.5");
  EXPECT_EQ(text("lbqg"), "Qg=0.5");
  EXPECT_EQ(items("List1"), (std::vector<std::string>{"管径mm", "De20", "De25", "De32", "De40", "De50",
                                                      "De63", "De75", "De90"}));
  const std::vector<std::string> velocities = items("List2"), losses = items("List3");
  EXPECT_EQ(velocities.front(), "流速m/s");
  EXPECT_EQ(losses.front(), "1000i");
  EXPECT_EQ(velocities[1] + " " + losses[1], "2.6173 0.5282");
  EXPECT_EQ(velocities.back() + " " + losses.back(), "0.1138 0.0003");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Sizing, WindowOfSizesFollowsTheFlow) {
  struct Row {
    const char* flow;
    const char *first, *last;
    std::size_t rows;
  };
  const Row rows[] = {
      {"1.2", "De32", "De110", 7},  {"7", "De32", "De110", 7},     {"16.5", "De50", "De110", 5},
      {"16.6", "De90", "De110", 2}, {"1.1999", "De20", "De90", 8},
  };
  for (const Row& r : rows) {
    list_for(r.flow);
    const std::vector<std::string> sizes = items("List1");
    ASSERT_EQ(sizes.size(), r.rows + 1) << r.flow;
    EXPECT_EQ(sizes[1] + "…" + sizes.back(), std::string(r.first) + "…" + r.last) << r.flow;
    EXPECT_EQ(items("List2").size(), sizes.size());
    EXPECT_EQ(items("List3").size(), sizes.size());
  }
}

TEST_F(Sizing, WarnsWhenTheLargestSizeListedRunsOver2) {
  list_for("10");
  EXPECT_EQ(items("List2").back(), "1.5182");
  EXPECT_TRUE(dialogs.shown().empty());
  list_for("14");
  EXPECT_EQ(items("List2").back(), "2.1255");
  EXPECT_EQ(dialogs.shown(),
            (std::vector<ScriptedDialogs::Shown>{{ScriptedDialogs::Shown::Type::Message, "Aquamere",
                                                  "流速过大，De100的PP-R管已不能满足规范要求."}}));
  EXPECT_EQ(items("List1").size(), 6u) << "the rows stay";
}

TEST_F(Sizing, NoFlowOrNoPositiveFlow) {
  list_for("-1");
  EXPECT_EQ(text("lbqg"), "Qg=-1");
  EXPECT_EQ(items("List1"), std::vector<std::string>{"管径mm"});
  EXPECT_EQ(items("List3"), std::vector<std::string>{"1000i"});
  list_for("0");
  EXPECT_EQ(text("lbqg"), "Qg=0");
  EXPECT_EQ(items("List2"), std::vector<std::string>{"流速m/s"});
  EXPECT_TRUE(dialogs.shown().empty());

  program.state().main.Qg = Value();
  program.frmmain().djj_v_i();
  EXPECT_EQ(text("lbqg"), "");
  for (const char* list : {"List1", "List2", "List3"}) EXPECT_TRUE(items(list).empty()) << list;
}

TEST_F(Sizing, ListsFromTheUnroundedFlow) {
  program.state().main.Qg = 1.19996;  // shown as 1.2, yet below the 1.2 l/s window edge
  program.frmmain().djj_v_i();
  EXPECT_EQ(text("lbqg"), "Qg=1.2");
  EXPECT_EQ(items("List1")[1], "De20");
}

TEST_F(Sizing, ChoosesFromTheFlowAsShown) {
  ASSERT_TRUE(choose("0.5"));
  EXPECT_EQ(vars().Qg, Value("0.5"));
  EXPECT_EQ(vars().de_de, Value("De32"));
  EXPECT_EQ(vars().v_v, Value("0.9279"));
  EXPECT_EQ(vars().i_i, Value("0.0444"));
  EXPECT_EQ(text("t_de"), "De32");
}

TEST_F(Sizing, TheNextChoiceUsesTheNewMaterial) {
  ASSERT_TRUE(choose("8"));
  EXPECT_EQ(text("t_de"), "De110") << "PP-R De90 has a bore below 80 mm";
  confirm_material("op_sc");
  EXPECT_EQ(text("t_de"), "De110") << "a result already shown stays";
  ASSERT_TRUE(choose("8"));
  EXPECT_EQ(text("t_de") + " " + vars().v_v.text() + " " + vars().i_i.text(), "De90 1.5924 0.0301");
}

TEST_F(Sizing, EmptyFlowBoxChoosesNothingAndTextFails) {
  ASSERT_TRUE(choose("0.5"));
  const ProgramState before = program.state();
  type("t_qg", "");
  const ProgramState emptied = program.state();
  program.frmmain().v_de_i();
  EXPECT_EQ(program.state(), emptied);

  EXPECT_FALSE(choose("半升"));
  EXPECT_EQ(dialogs.messages().back(), "无法计算：「设计秒流量」中的“半升”不是数字。");
  EXPECT_EQ(vars().de_de, before.main.de_de);
}

TEST_F(Sizing, FormulaProceduresTakeNumbersOrNumericText) {
  const FrmMain& f = program.frmmain();
  EXPECT_EQ(f.vvv(Value(), 15.6), "");
  EXPECT_EQ(f.iii(Value(""), 15.6), "");
  EXPECT_EQ(f.vvv(Value("0.5"), Value("15.6")) + " " + f.iii(0.5, 15.6), "2.6173 0.5282");
  EXPECT_EQ(f.vvv(0.5, vars().de[8]), "0.0759");
  EXPECT_FAILURE(f.vvv(Value("0,5"), 15.6), "无法计算：「设计秒流量」中的“0,5”不是数字。");
}

}  // namespace
}  // namespace aquamere
