// What both front ends take from the layer above them: the scale, the
// shortcut keys, the controls to bring in step and the order of windows.
#include <gtest/gtest.h>

#include "frontend/faces.h"
#include "frontend/form_view.h"
#include "frontend/geometry.h"
#include "frontend/menu_keys.h"
#include "frontend/window_steps.h"
#include "program_fixture.h"

namespace aquamere {
namespace {

TEST(Geometry, FifteenTwipsAPixelScaledWithTheScreen) {
  EXPECT_EQ(to_pixels(7215), 481);
  EXPECT_EQ(to_pixels(7), 0);
  EXPECT_EQ(to_pixels(8), 1);
  EXPECT_EQ(to_pixels(7215, 144), 722);  // 150 %: 721.5 rounds up
  EXPECT_EQ(to_pixels(Rect{3240, 2760, 2535, 735}, 192), (PixelRect{432, 368, 338, 98}));
  EXPECT_EQ(point_pixels(9), 12);
  EXPECT_EQ(point_pixels(14.25, 144), 29);
}

TEST(MenuKeys, ReadsTheLayoutsShortcuts) {
  EXPECT_EQ(parse_menu_key("F7"), (MenuKey{.function = 7}));
  EXPECT_EQ(parse_menu_key("F12"), (MenuKey{.function = 12}));
  EXPECT_EQ(parse_menu_key("Ctrl+S"), (MenuKey{.letter = 'S', .ctrl = true}));
  for (const char* no_key : {"", "F", "F0", "F13", "F2x", "Ctrl+", "Ctrl+ab", "x"}) {
    EXPECT_EQ(parse_menu_key(no_key), std::nullopt) << no_key;
  }
  EXPECT_TRUE(edits_text(MenuKey{.letter = 'V', .ctrl = true}));
  EXPECT_TRUE(edits_text(MenuKey{.letter = 'Z', .ctrl = true}));
  EXPECT_FALSE(edits_text(MenuKey{.letter = 'S', .ctrl = true}));
}

// The settings dialog's focus goes first to the material it selects, and
// Tab walks one frame's options after the other.
TEST_F(ProgramTest, TabOrderSkipsFramesAndLabels) {
  click("mnuset");
  std::vector<std::string_view> names;
  for (const Control* c : tab_order(*program.find_window("frmset"))) names.push_back(c->name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"op_ppr", "op_sc", "op_jd", "op_lz", "cmddone", "op_4",
                                                  "op_3", "op_2", "Op_1", "txtfile", "txt_h"}));
  const Form& settings = *program.find_window("frmset");
  EXPECT_EQ(client_rect(settings, settings.at("op_lz")), (Rect{1560, 1920, 1095, 180}));
}

// The options of one frame are one choice wherever their numbers put them
// in the tab order: Tab enters and leaves the choice once, where its first
// option stands.
TEST(TabOrder, KeepsTheOptionsOfAChoiceTogether) {
  const auto option = [](std::string_view name, std::string_view frame, int tab) {
    return Control{.name = name, .kind = Kind::OptionButton, .parent = frame, .tab = tab};
  };
  Form form{.controls = {option("a1", "A", 1), option("b1", "B", 2), option("a2", "A", 3),
                         Control{.name = "ok", .kind = Kind::CommandButton, .tab = 4}, option("b2", "B", 5)}};
  std::vector<std::string_view> names;
  for (const Control* c : tab_order(form)) names.push_back(c->name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"a1", "a2", "b1", "b2", "ok"}));
}

// Each kind of text falls back to a face of its kind: the default to the
// face of a Chinese Windows program or one for the screen, Song to the
// closest Song face, the report viewer's fixed-pitch Song to a fixed-pitch
// face, never to the proportional SimSun.
TEST(Faces, EachKindOfTextFallsBackToAFaceOfItsKind) {
  const auto with = [](const std::set<std::string_view>& installed) {
    return [installed](std::string_view face) { return installed.contains(face); };
  };
  const Font song{"宋体", 12}, fixed{"新宋体", 7.5};
  EXPECT_EQ(first_installed(faces_for(std::nullopt), with({"SimSun", "WenQuanYi Micro Hei"})), "SimSun");
  EXPECT_EQ(first_installed(faces_for(std::nullopt), with({"Microsoft YaHei UI"})), "Microsoft YaHei UI");
  EXPECT_EQ(first_installed(faces_for(std::nullopt), with({"WenQuanYi Micro Hei", "AR PL UMing CN"})),
            "WenQuanYi Micro Hei");
  EXPECT_EQ(first_installed(faces_for(song), with({"AR PL UMing CN", "WenQuanYi Micro Hei"})),
            "AR PL UMing CN");
  EXPECT_EQ(first_installed(faces_for(fixed), with({"SimSun", "SimHei"})), "SimHei");
  EXPECT_EQ(first_installed(faces_for(fixed), with({"WenQuanYi Micro Hei", "WenQuanYi Micro Hei Mono"})),
            "WenQuanYi Micro Hei Mono");
  EXPECT_EQ(first_installed(faces_for(fixed), with({"WenQuanYi Micro Hei Mono", "AR PL UMing CN"})),
            "AR PL UMing CN");
  EXPECT_EQ(first_installed(faces_for(fixed), with({})), std::nullopt);
}

TEST_F(ProgramTest, OnlyTheControlsAnEventChangedAreShownAgain) {
  const Form before = main();
  EXPECT_EQ(changed_controls(Form{}, before).size(), before.controls.size());
  type("t_Ng", "4");
  std::vector<std::string_view> changed;
  for (const std::size_t i : changed_controls(before, main())) changed.push_back(main().controls[i].name);
  EXPECT_EQ(changed, (std::vector<std::string_view>{"t_Ng", "t_ngz"}));
}

// A window the program brings to the front is raised once; a closed one is
// discarded by the front end.
TEST_F(ProgramTest, WindowsFollowTheProgram) {
  WindowOrder order;
  EXPECT_EQ(order.next(program, {}).raise, "frmmain");
  click("mnua");
  WindowSteps steps = order.next(program, {"frmmain"});
  EXPECT_EQ(steps.raise, "frma");
  EXPECT_EQ(steps.follow.size(), 2u);
  EXPECT_EQ(order.next(program, {"frmmain", "frma"}).raise, "");
  program.close("frma");
  steps = order.next(program, {"frmmain", "frma"});
  EXPECT_EQ(steps.discard, std::vector<std::string>{"frma"});
  EXPECT_EQ(steps.raise, "");
}

}  // namespace
}  // namespace aquamere
