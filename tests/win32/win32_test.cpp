// The Win32 front end as a user meets it: the real message and input boxes
// and save dialog, the keys of a focused text box, a window moved to a
// denser screen, and a book exported by a user whose folders have Chinese
// names.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "book/export_book.h"
#include "common/wide_text.h"
#include "program/program.h"
#include "program_fixture.h"
#include "report/disk_files.h"
#include "temp_folder.h"
#include "win32/boxes.h"
#include "win32/desktop.h"
#include "win32/dialogs.h"
#include "win32/handles.h"
#include "win32/input_box.h"
#include "win32/message_loop.h"
#include "win32/win32_fixture.h"

namespace aquamere::win32 {
namespace {

// The first text box a user can type into: the file name of a save dialog.
BOOL CALLBACK find_text_box(HWND control, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (lstrcmpiW(name, L"Edit") != 0 || !IsWindowVisible(control)) return TRUE;
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

TEST(Win32Dialogs, MessageBoxCarriesTheTitleAndTheTextAndClosesWithOk) {
  Dialogs dialogs;
  boxes::answer_next([](HWND box) { boxes::press(box, IDOK); });
  dialogs.message(app_title, "户当量过大", false);
  EXPECT_EQ(boxes::last().title, "Aquamere");
  EXPECT_EQ(boxes::last().text, "户当量过大");
}

TEST(Win32Dialogs, InputBoxGivesWhatWasTypedAndNothingWhenCancelled) {
  Dialogs dialogs;
  boxes::answer_next([](HWND box) {
    SetDlgItemTextW(box, input_box_edit, L"0.0125");
    boxes::press(box, IDOK);
  });
  EXPECT_EQ(dialogs.input(app_title, "αc值请自定："), "0.0125");
  EXPECT_EQ(boxes::last().text, "αc值请自定：");
  boxes::answer_next([](HWND box) {
    SetDlgItemTextW(box, input_box_edit, L"7");
    boxes::press(box, IDCANCEL);
  });
  EXPECT_EQ(dialogs.input(app_title, "αc值请自定："), "");
}

// The common dialog proposes the report's name, adds ".xlsx" to a name
// typed without it, and gives the path chosen in UTF-8; "" when cancelled.
TEST(Win32Dialogs, SaveDialogGivesThePathChosenAndNothingWhenCancelled) {
  Dialogs dialogs;
  const TempFolder folder;
  std::string folder_path = folder.string();
  for (char& c : folder_path) c = c == '/' ? '\\' : c;
  std::string proposed;
  boxes::answer_next([&proposed](HWND box) {
    HWND name = nullptr;
    EnumChildWindows(box, &find_text_box, reinterpret_cast<LPARAM>(&name));
    proposed = Handle(name).text();
    SetWindowTextW(name, L"给水");
    boxes::press(box, IDOK);
  });
  EXPECT_EQ(dialogs.save_path("导出Excel计算书", folder_path + "\\计算书.txt.xlsx"),
            folder_path + "\\给水.xlsx");
  EXPECT_EQ(boxes::last().title, "导出Excel计算书");
  EXPECT_EQ(proposed, "计算书.txt.xlsx");
  boxes::answer_next([](HWND box) { boxes::press(box, IDCANCEL); });
  EXPECT_EQ(dialogs.save_path("导出Excel计算书", folder_path + "\\计算书.txt.xlsx"), "");
}

// libxlsxwriter opens its files with the C library's narrow fopen, which
// cannot spell every Chinese name; the book still reaches a folder with a
// Chinese name from a user's temporary folder with one, and the scratch
// file made there is gone again.
TEST_F(ProgramTest, ABookIsExportedThroughAChineseTemporaryFolder) {
  type("t_Ng", "4");
  click("mnukill");
  click("cmdjsmll");
  const TempFolder folder;
  folder.make_folder("设计院");
  folder.make_folder("临时");
  DiskFiles real;
  const std::string report = folder.path("设计院/计算书.txt");
  real.replace(report, disk.files.at("c:\\file.txt"));
  real.replace(report + ".json", disk.files.at("c:\\file.txt.json"));
  std::wstring saved(MAX_PATH + 1, L'\0');
  saved.resize(GetEnvironmentVariableW(L"TMP", saved.data(), MAX_PATH + 1));
  SetEnvironmentVariableW(L"TMP", to_wide(folder.path("临时")).c_str());
  EXPECT_NO_THROW(book::export_book(real, report, folder.path("设计院/计算书.xlsx")));
  SetEnvironmentVariableW(L"TMP", saved.empty() ? nullptr : saved.c_str());
  EXPECT_GT(real.size(folder.path("设计院/计算书.xlsx")).value_or(0), 1000u);
  EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(to_wide(folder.path("临时")))));
}

class Win32Windows : public ProgramTest {
 protected:
  Desktop desktop{program};
  FormWindow& main_window() { return *desktop.window("frmmain"); }
  HWND control(const char* name) { return main_window().control(name); }
};

// Ctrl+C typed into a text box copies; on the background it opens the
// Uo-αc table, as its menu item says. The key counts where it was typed,
// whichever window has the focus when it is read: under Wine another
// program may take the foreground at any moment.
TEST_F(Win32Windows, CtrlKeysEditATextBoxAndReachTheMenuFromTheBackground) {
  HWND box = control("t_q0");
  key(desktop, box, 'C', {.ctrl = true});
  EXPECT_EQ(program.find_window("Fmuo"), nullptr);
  SetFocus(nullptr);
  key(desktop, box, 'A', {.ctrl = true});
  EXPECT_EQ(SendMessageW(box, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
  SendMessageW(main_window().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  key(desktop, main_window().hwnd(), 'C', {.ctrl = true});
  ASSERT_NE(program.find_window("Fmuo"), nullptr);
  EXPECT_TRUE(IsWindowVisible(desktop.window("Fmuo")->hwnd()));
}

// AltGr is Ctrl with Alt: on a Polish keyboard AltGr+A types ą. In a text
// box it neither selects all nor reaches the menu (Ctrl+A, α系数值).
TEST_F(Win32Windows, AltGrTypesIntoATextBox) {
  HWND box = control("t_q0");
  SendMessageW(box, EM_SETSEL, 1, 1);
  for (const WPARAM letter : {'A', 'C', 'V', 'X'}) key(desktop, box, letter, {.ctrl = true, .alt = true});
  EXPECT_EQ(SendMessageW(box, EM_GETSEL, 0, 0), MAKELRESULT(1, 1));
  EXPECT_EQ(program.state().windows.size(), 1u);
}

// Moved to a screen of 144 dots an inch, the window and its controls grow
// by half, and their text with them.
TEST_F(Win32Windows, AWindowOnADenserScreenIsLaidOutAgain) {
  HWND window = main_window().hwnd();
  HWND button = main_window().control("cmdjsmll");
  RECT client{}, before{}, after{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 481);
  GetClientRect(button, &before);
  RECT suggested{0, 0, 800, 500};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  GetClientRect(button, &after);
  EXPECT_EQ(after.right, 74);  // 735 twips: 49 pixels at 96, 73.5 at 144
  EXPECT_EQ(before.right, 49);
  LOGFONTW face{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof face, &face);
  EXPECT_EQ(face.lfHeight, -18);
}

}  // namespace
}  // namespace aquamere::win32
