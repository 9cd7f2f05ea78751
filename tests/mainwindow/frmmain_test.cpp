#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using StartUp = ProgramTest;

TEST_F(StartUp, ShowsPlaceholdersAndDefaults) {
  EXPECT_EQ(main().caption, "Aquamere(新规)V0.90");
  EXPECT_TRUE(main().shown);
  const std::pair<const char*, const char*> texts[] = {
      {"t_nguo", "∑Ng"},      {"txtnguo", "∑(Ng X Uo)"},
      {"txtsave", "ΣUo"},     {"t_ac2", "αc"},
      {"t_de", "管径"},       {"lab_2", "0"},
      {"lab_3", "0"},         {"t_fz", "1"},
      {"txt_l", "1"},         {"t_fs", "1"},
      {"t_qg", ""},           {"t_Uo", ""},
      {"t_ac", ""},           {"t_Ng", ""},
      {"t_ngz", ""},          {"t_q0", "250"},
      {"t_m", "3.5"},         {"t_kh", "2.8"},
      {"t_t", "24"},          {"t_ky", "0.005"},
      {"t_ay", "1.1"},        {"Label5", "PP-R水力计算表："},
      {"cmdjsmll", "计  算"}, {"chk_d", "有延时自闭冲洗阀 "},
  };
  for (const auto& [name, expected] : texts) EXPECT_EQ(text(name), expected) << name;
  EXPECT_EQ(main().at("t_qg").align, Align::Center);
  EXPECT_EQ(main().value("chk_j"), 0);
}

TEST_F(StartUp, ComputesWithThePprTable) {
  EXPECT_EQ(vars().de[3], Value(33.0));
  EXPECT_EQ(vars().de[8], Value("91.6"));
  EXPECT_EQ(vars().de[8].number("De110"), 91.6);
  EXPECT_EQ(program.state().coef_i, 8.9696f);
  EXPECT_EQ(vars().ng3.text(), "0");
  EXPECT_TRUE(vars().Ng.is_empty());
  EXPECT_TRUE(vars().de_de.is_empty());
}

TEST_F(StartUp, MenuTreeInDisplayOrder) {
  std::vector<std::string> tree;
  for (const Control& c : main().controls) {
    if (c.kind == Kind::MenuItem)
      tree.push_back(std::string(c.parent) + "/" + c.text + "/" + std::string(c.shortcut));
  }
  EXPECT_EQ(tree.size(), 21u);
  EXPECT_EQ(tree.front(), "/计算(&F)/");
  EXPECT_EQ(tree[7], "mnufile/退出(&X)/Ctrl+X");
  EXPECT_EQ(tree[11], "mnubook/导出Excel计算书(&E)…/");
  EXPECT_EQ(tree[18], "mnuhelp/使用说明/F1");
  EXPECT_EQ(tree.back(), "mnuhelp/关于(&A)/");
}

TEST_F(StartUp, HelpItemDoesNothing) {
  const ProgramState before = program.state();
  EXPECT_TRUE(program.press("F1"));
  EXPECT_EQ(program.state(), before);
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace aquamere
