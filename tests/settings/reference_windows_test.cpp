#include "settings/reference_windows.h"

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace aquamere {
namespace {

using ReferenceWindows = ProgramTest;

TEST_F(ReferenceWindows, EachOpensFromItsMenuItemAndItsShortcut) {
  struct Opener {
    const char *item, *shortcut, *window, *caption;
  };
  const Opener openers[] = {
      {"mnudj", "Ctrl+S", "Frmdj2", "PP-R管水力计算"},
      {"mnuuo1", "Ctrl+C", "Fmuo", ""},
      {"mnuv", "Ctrl+V", "frmv", "生活给水管道水流流速控制"},
      {"mnua", "Ctrl+A", "frma", "根据建筑物用途而定的系数α值"},
      {"mnuabout", "", "frmabout", "Aquamere"},
  };
  for (const Opener& o : openers) {
    click(o.item);
    ASSERT_NE(program.find_window(o.window), nullptr) << o.item;
    EXPECT_TRUE(program.find_window(o.window)->shown) << o.item;
    EXPECT_EQ(program.find_window(o.window)->caption, o.caption);
    EXPECT_EQ(program.raised(), o.window);
    program.close(o.window);
    EXPECT_EQ(program.find_window(o.window), nullptr) << o.window;
    if (*o.shortcut == '\0') continue;
    EXPECT_TRUE(program.press(o.shortcut));
    EXPECT_TRUE(program.find_window(o.window)->shown) << o.shortcut;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ReferenceWindows, AlphaListsAreFilledOncePerOpening) {
  click("mnua");
  click("mnua");  // shown again while still open
  const Form& frma = *program.find_window("frma");
  const std::vector<std::string> uses = frma.at("lsta1").items.lines();
  const std::vector<std::string> alphas = frma.at("lsta2").items.lines();
  ASSERT_EQ(uses.size(), 9u);
  ASSERT_EQ(alphas.size(), 9u);
  EXPECT_EQ(uses[0], std::string(8, ' ') + "建筑物名称");
  EXPECT_EQ(uses[1], std::string(28, '-'));
  EXPECT_EQ(alphas[1], std::string(5, '-'));
  EXPECT_EQ(uses[7], "集体宿舍、旅馆、招待所、宾馆");
  EXPECT_EQ(alphas,
            (std::vector<std::string>{"α值", "-----", "1.2", "1.4", "1.5", "1.8", "2.0", "2.5", "3.0"}));

  program.close("frma");
  program.press("Ctrl+A");
  EXPECT_EQ(program.find_window("frma")->at("lsta1").items.size(), 9u);
}

TEST_F(ReferenceWindows, VelocityTableComesBackAfterTypingAndReopening) {
  const std::string table = std::string(44, '-') +
                            "\r\n公称直径(mm)   15-20  25-40  50-70  >=80"
                            "\r\n水流速度(m/s)  <=1.0 <=1.2  <=1.5  <=1.8\r\n";
  click("mnuv");
  EXPECT_EQ(program.find_window("frmv")->text("Text1"), table);
  program.type("frmv", "Text1", "1.5");
  EXPECT_EQ(program.find_window("frmv")->text("Text1"), "1.5");
  click("mnuv");  // brought to the front, not loaded again
  EXPECT_EQ(program.find_window("frmv")->text("Text1"), "1.5");
  program.close("frmv");
  click("mnuv");
  EXPECT_EQ(program.find_window("frmv")->text("Text1"), table);
}

TEST_F(ReferenceWindows, OpeningThemChangesNothingElse) {
  const MainVars before = vars();
  const Form main_before = main();
  for (const char* item : {"mnudj", "mnuuo1", "mnuv", "mnua", "mnuabout"}) click(item);
  EXPECT_EQ(vars(), before);
  EXPECT_EQ(main(), main_before);
  EXPECT_EQ(program.find_window("frmabout")->text("Label1"), "AquamereV0.90测试版");
}

}  // namespace
}  // namespace aquamere
