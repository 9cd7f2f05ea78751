#include "settings/frmset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "program_fixture.h"

namespace aquamere {
namespace {

class SettingsDialog : public ProgramTest {
 protected:
  const Form& dialog() const { return *program.find_window("frmset"); }
  void open() { click("mnuset"); }
  void ok() { program.click("frmset", "cmddone"); }
  std::vector<std::string> parameters() const {
    std::vector<std::string> texts;
    for (const char* box : {"t_q0", "t_m", "t_kh", "t_t", "t_ky", "t_ay"}) texts.push_back(text(box));
    return texts;
  }
  std::string chosen(const char* frame) const {
    std::string names;
    for (const Control& c : dialog().controls) {
      if (c.parent == frame && c.value == 1) names += c.name;
    }
    return names;
  }
};

TEST(SettingsLayout, NothingChosenAndPprFirstInTheTabOrder) {
  const Form form = frmset_layout();
  std::vector<const Control*> focusable;
  for (const Control& c : form.controls) {
    EXPECT_EQ(c.value, 0) << c.name;
    if (c.tab >= 0) focusable.push_back(&c);
  }
  std::ranges::sort(focusable, {}, &Control::tab);
  ASSERT_FALSE(focusable.empty());
  EXPECT_EQ(focusable.front()->name, "op_ppr");
  EXPECT_EQ(focusable.front()->parent, "frmgc");
  EXPECT_EQ(form.at("op_4").text, "别    墅");
  EXPECT_EQ(form.at("op_4").parent, "frmstye");
  EXPECT_EQ(form.at("txt_h").align, Align::Center);
}

TEST_F(SettingsDialog, ShownItChoosesPprButNoDwellingClass) {
  program.window("frmset");  // as the report writer creates it: hidden, nothing chosen
  EXPECT_EQ(chosen("frmgc"), "");
  open();
  EXPECT_TRUE(dialog().shown);
  EXPECT_EQ(chosen("frmgc"), "op_ppr");
  EXPECT_EQ(chosen("frmstye"), "");
  program.click("frmset", "op_4");
  EXPECT_EQ(chosen("frmgc") + " " + chosen("frmstye"), "op_ppr op_4") << "one group per frame";
}

TEST_F(SettingsDialog, OkAtOnceKeepsTheParametersAndHides) {
  type("t_q0", "280");
  type("t_qg", "0.5");
  open();
  ok();
  EXPECT_FALSE(dialog().shown);
  EXPECT_EQ(parameters(), (std::vector<std::string>{"280", "3.5", "2.8", "24", "0.005", "1.1"}));
  EXPECT_EQ(text("t_qg"), "0.5");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(SettingsDialog, DwellingClassPresetsTheParametersAndEmptiesTheResults) {
  struct Row {
    const char* option;
    std::vector<std::string> parameters;
  };
  const Row rows[] = {
      {"Op_1", {"150", "3.5", "3", "24", "0.005", "1.05"}},
      {"op_2", {"300", "3.5", "2.8", "24", "0.0045", "1.02"}},
      {"op_3", {"320", "3.5", "2.5", "24", "0.005", "1.1"}},
      {"op_4", {"350", "4.5", "2.3", "24", "0.005", "1.1"}},
  };
  for (const Row& r : rows) {
    for (const char* box : {"t_qg", "t_ac", "t_Uo", "t_q0"}) type(box, "9");
    open();
    program.click("frmset", r.option);
    ok();
    EXPECT_EQ(parameters(), r.parameters) << r.option;
    EXPECT_EQ(text("t_qg") + text("t_ac") + text("t_Uo"), "") << r.option;
  }
}

TEST_F(SettingsDialog, OkAgainReappliesThePresetsOverTypedValues) {
  open();
  program.click("frmset", "op_4");
  ok();
  type("t_q0", "280");
  type("t_m", "3");
  open();
  EXPECT_EQ(chosen("frmstye"), "op_4") << "reopened with its choices";
  ok();
  EXPECT_EQ(text("t_q0") + " " + text("t_m"), "350 4.5");
}

TEST_F(SettingsDialog, CloseBoxDiscardsWhileOkKeeps) {
  open();
  program.type("frmset", "txt_h", "0.3");
  program.type("frmset", "txtfile", "d:\\给水计算.txt");
  program.click("frmset", "op_4");
  program.close("frmset");
  EXPECT_EQ(program.find_window("frmset"), nullptr);
  EXPECT_EQ(text("t_q0"), "250") << "nothing applied";
  open();
  EXPECT_EQ(dialog().text("txt_h") + " " + dialog().text("txtfile"), "0.25 c:\\file.txt");
  program.type("frmset", "txt_h", "0.3");
  ok();
  open();
  EXPECT_EQ(dialog().text("txt_h"), "0.3");
}

TEST_F(SettingsDialog, OpeningTwiceShowsTheOneDialog) {
  open();
  program.type("frmset", "txt_h", "0.3");
  EXPECT_TRUE(program.press("F2"));
  EXPECT_EQ(program.state().windows.size(), 2u);
  EXPECT_EQ(dialog().text("txt_h"), "0.3");
  EXPECT_EQ(program.raised(), "frmset");
}

TEST_F(SettingsDialog, OkAfterTheMainWindowClosedOnlyHides) {
  open();
  program.click("frmset", "op_sc");
  program.close("frmmain");
  ok();
  EXPECT_EQ(program.find_window("frmmain"), nullptr);
  EXPECT_FALSE(dialog().shown);
  EXPECT_FALSE(program.running());
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace aquamere
