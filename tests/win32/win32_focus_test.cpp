// The keyboard after a box: when a message, the input box, the save dialog
// or a warning in the middle of a calculation has gone, the window the user
// acted in is active again and the focus is back in the control that had
// it, so that the next key goes where the one before went. These tests need
// the foreground, which every program under one Wine server shares: CTest
// runs them alone.
#include <gtest/gtest.h>
#include <windows.h>

#include "program/program.h"
#include "program_fixture.h"
#include "win32/boxes.h"
#include "win32/desktop.h"
#include "win32/dialogs.h"
#include "win32/input_box.h"
#include "win32/win32_fixture.h"

namespace aquamere::win32 {
namespace {

class FocusAfterBoxes : public ::testing::Test {
 protected:
  FocusAfterBoxes() {
    dialogs.before_each_box([this] { desktop.sync(); });
    take_foreground();
  }

  // The user works in the main window: it holds the foreground, and what
  // the display still has to say about the windows of the test before has
  // been heard.
  void take_foreground() {
    constexpr int steady_rounds = 5, most_rounds = 100;
    for (int round = 0, steady = 0; steady < steady_rounds && round < most_rounds; ++round) {
      pump(desktop);
      steady = GetForegroundWindow() == main_window() ? steady + 1 : 0;
      if (steady == 0) SetForegroundWindow(main_window());
      Sleep(20);
    }
    ASSERT_EQ(GetForegroundWindow(), main_window());
  }

  Dialogs dialogs;
  MemoryFiles disk;
  Program program{dialogs, disk};
  Desktop desktop{program};

  HWND main_window() { return desktop.window("frmmain")->hwnd(); }
  HWND control(const char* name) { return desktop.window("frmmain")->control(name); }

  // The user clicks a control, which takes the focus, as a real click does.
  void click(const char* name) {
    HWND target = control(name);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    pump(desktop);
  }
  void type(const char* name, const wchar_t* text) {
    SendMessageW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    pump(desktop);
  }
  void expect_keys_go_to(const char* name) {
    EXPECT_EQ(GetActiveWindow(), main_window());
    EXPECT_EQ(GetFocus(), control(name)) << "the focus is not back in " << name;
    EXPECT_FALSE(boxes::waiting());
  }
};

TEST_F(FocusAfterBoxes, AMessageGivesTheKeysBackToTheBoxThatHadThem) {
  SetFocus(control("t_Ng"));
  boxes::answer_next([](HWND box) { boxes::press(box, IDOK); });
  key(desktop, control("t_Ng"), VK_F5);
  EXPECT_EQ(boxes::last().text, "请先给出户当量(节点当量)");
  expect_keys_go_to("t_Ng");
  // A window that takes keys again: F2 opens the settings.
  key(desktop, GetFocus(), VK_F2);
  ASSERT_NE(desktop.window("frmset"), nullptr);
  EXPECT_TRUE(IsWindowVisible(desktop.window("frmset")->hwnd()));
}

TEST_F(FocusAfterBoxes, TheInputBoxForAlphaCGivesTheKeysBack) {
  type("t_Ng", L"20");  // Uo below the table's 1 %: αc is asked for
  boxes::answer_next([](HWND box) {
    SetDlgItemTextW(box, input_box_edit, L"0.0125");
    boxes::press(box, IDOK);
  });
  SetFocus(control("t_Ng"));
  SendMessageW(control("t_Ng"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
  pump(desktop);
  EXPECT_EQ(boxes::last().text, "αc值请自定：");
  EXPECT_EQ(program.find_window("frmmain")->text("t_ac"), "0.0125");
  expect_keys_go_to("t_Ng");
}

TEST_F(FocusAfterBoxes, TheSaveDialogGivesTheKeysBack) {
  click("txt_l");
  boxes::answer_next([](HWND box) { boxes::press(box, IDCANCEL); });
  SendMessageW(main_window(), WM_COMMAND, desktop.window("frmmain")->menu_command("mnuexport"), 0);
  pump(desktop);
  EXPECT_EQ(boxes::last().title, "导出Excel计算书");
  expect_keys_go_to("txt_l");
}

// The warning comes while the segment is being calculated; the segment is
// still calculated and reported.
TEST_F(FocusAfterBoxes, AWarningInTheMiddleOfACalculationGivesTheKeysBack) {
  type("t_Ng", L"1000");
  click("chk_j");  // the coefficient method: 0.2·2.5·√1000 = 15.8 l/s
  boxes::answer_next([](HWND box) { boxes::press(box, IDOK); });
  click("cmdjsmll");
  EXPECT_EQ(boxes::last().text, "流速过大，De100的PP-R管已不能满足规范要求.");
  EXPECT_EQ(program.find_window("frmmain")->text("t_de"), "De110");
  expect_keys_go_to("cmdjsmll");
}

// A box that comes while another window of the program is active belongs
// to that window: the settings dialog stays the one the keys go to.
TEST_F(FocusAfterBoxes, ABoxOverAnotherWindowGivesTheKeysBackToIt) {
  key(desktop, main_window(), VK_F2);
  FormWindow& settings = *desktop.window("frmset");
  HWND path = settings.control("txtfile");
  SetActiveWindow(settings.hwnd());
  SetFocus(path);
  boxes::answer_next([](HWND box) { boxes::press(box, IDOK); });
  program.message("户当量过大");
  EXPECT_EQ(GetActiveWindow(), settings.hwnd());
  EXPECT_EQ(GetFocus(), path);
  EXPECT_TRUE(IsWindowEnabled(main_window()));
}

}  // namespace
}  // namespace aquamere::win32
