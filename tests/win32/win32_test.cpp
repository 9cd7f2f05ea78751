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
#include "win32/desktop.h"
#include "win32/dialogs.h"
#include "win32/handles.h"
#include "win32/input_box.h"
#include "win32/message_loop.h"

namespace aquamere::win32 {
namespace {

// What a box showed, read by the timer that answers it.
struct Seen {
  std::string title, text;
};

Seen seen;
std::function<void(HWND)> answer_box;

// The text a box shows: its one label with text.
BOOL CALLBACK read_label(HWND control, LPARAM text) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (lstrcmpiW(name, L"STATIC") != 0 || GetWindowTextLengthW(control) == 0) return TRUE;
  *reinterpret_cast<std::string*>(text) = Handle(control).text();
  return FALSE;
}

// The first text box a user can type into: the file name of a save dialog.
BOOL CALLBACK find_text_box(HWND control, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (lstrcmpiW(name, L"Edit") != 0 || !IsWindowVisible(control)) return TRUE;
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

// Finds the box the program put up over its windows and answers it.
void CALLBACK answer_when_up(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetActiveWindow();
  if (box == nullptr || FormWindow::of(box) != nullptr) return;
  KillTimer(nullptr, timer);
  seen.title = Handle(box).text();
  EnumChildWindows(box, &read_label, reinterpret_cast<LPARAM>(&seen.text));
  answer_box(box);
}

void answer_with(std::function<void(HWND)> answer) {
  answer_box = std::move(answer);
  SetTimer(nullptr, 0, 50, &answer_when_up);
}

TEST(Win32Dialogs, MessageBoxCarriesTheTitleAndTheTextAndClosesWithOk) {
  Dialogs dialogs;
  answer_with([](HWND box) { SendMessageW(box, WM_COMMAND, IDOK, 0); });
  dialogs.message(app_title, "户当量过大", false);
  EXPECT_EQ(seen.title, "Aquamere");
  EXPECT_EQ(seen.text, "户当量过大");
}

TEST(Win32Dialogs, InputBoxGivesWhatWasTypedAndNothingWhenCancelled) {
  Dialogs dialogs;
  answer_with([](HWND box) {
    SetDlgItemTextW(box, input_box_edit, L"0.0125");
    SendMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dialogs.input(app_title, "αc值请自定："), "0.0125");
  EXPECT_EQ(seen.text, "αc值请自定：");
  answer_with([](HWND box) {
    SetDlgItemTextW(box, input_box_edit, L"7");
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
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
  answer_with([&proposed](HWND box) {
    HWND name = nullptr;
    EnumChildWindows(box, &find_text_box, reinterpret_cast<LPARAM>(&name));
    proposed = Handle(name).text();
    SetWindowTextW(name, L"给水");
    SendMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dialogs.save_path("导出Excel计算书", folder_path + "\\计算书.txt.xlsx"),
            folder_path + "\\给水.xlsx");
  EXPECT_EQ(seen.title, "导出Excel计算书");
  EXPECT_EQ(proposed, "计算书.txt.xlsx");
  answer_with([](HWND box) { SendMessageW(box, WM_COMMAND, IDCANCEL, 0); });
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

  // A key as the message loop receives it, with Ctrl held or not.
  void press(HWND focus, WPARAM key, bool ctrl) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message{focus, WM_KEYDOWN, key, 1, 0, {}};
    if (!route_message(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    for (MSG m{}; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
    desktop.collect();
  }
};

// Ctrl+C in a focused text box copies and Ctrl+Z takes back a cut; on the
// background Ctrl+C opens the Uo-αc table and Ctrl+Z undoes a segment, as
// their menu items say.
TEST_F(Win32Windows, CtrlKeysEditAFocusedTextBoxAndReachTheMenuFromTheBackground) {
  HWND box = main_window().control("t_q0");
  SetFocus(box);
  press(box, 'C', true);
  EXPECT_EQ(program.find_window("Fmuo"), nullptr);
  press(box, 'A', true);
  EXPECT_EQ(SendMessageW(box, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
  press(box, 'X', true);
  EXPECT_EQ(text("t_q0"), "");
  press(box, 'Z', true);
  EXPECT_EQ(text("t_q0"), "250");
  EXPECT_TRUE(dialogs.shown().empty());
  SendMessageW(main_window().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  press(GetFocus(), 'Z', true);
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法撤销上一管段：计算书“c:\\file.txt”中没有管段记录。"});
  press(GetFocus(), 'C', true);
  ASSERT_NE(program.find_window("Fmuo"), nullptr);
  EXPECT_TRUE(IsWindowVisible(desktop.window("Fmuo")->hwnd()));
}

// An undo whose write fails leaves every control showing what it showed,
// and the files as they were.
TEST_F(Win32Windows, AFailedUndoLeavesTheControlsAsTheyWere) {
  type("t_Ng", "4");
  click("mnukill");
  click("cmdjsmll");
  click("cmdjsmll");
  desktop.sync();
  const auto shown = [this] {
    std::vector<std::string> texts;
    for (const Control& c : main().controls) {
      HWND native = main_window().control(c.name);
      if (native == nullptr) continue;
      texts.push_back(Handle(native).text());
      if (c.kind == Kind::ListBox) {
        for (const std::string& line : ListBox(native).lines()) texts.push_back(line);
      }
    }
    return texts;
  };
  const std::vector<std::string> before = shown();
  ASSERT_EQ(Handle(main_window().control("lab_2")).text(), "2-3");
  const auto files = disk.files;
  disk.writes_before_failure = 1;  // the journal cannot be cut back
  desktop.act([](Program& p) { p.click("frmmain", "mnuundo"); });
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"无法写入计算书“c:\\file.txt.json”：磁盘已满。"});
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(disk.files, files);
  desktop.act([](Program& p) { p.click("frmmain", "mnuundo"); });
  EXPECT_EQ(Handle(main_window().control("lab_2")).text(), "1-2");
  EXPECT_EQ(Handle(main_window().control("t_nguo")).text(), "4");
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
