// The Win32 front end as a user meets it: the real message and input boxes
// and save dialog, the keys of a focused text box, a window moved to a
// denser screen, and a book exported by a user whose folders have Chinese
// names.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <utility>

#include "book/export_book.h"
#include "common/wide_text.h"
#include "expect_failure.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "program_fixture.h"
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

// Ctrl+C typed into a text box copies and Ctrl+Z takes back a cut; on the
// background Ctrl+C opens the Uo-αc table and Ctrl+Z undoes a segment, as
// their menu items say. The key counts where it was typed, whichever
// window has the focus when it is read: under Wine another program may take
// the foreground at any moment.
TEST_F(Win32Windows, CtrlKeysEditATextBoxAndReachTheMenuFromTheBackground) {
  HWND box = control("t_q0");
  key(desktop, box, 'C', {.ctrl = true});
  EXPECT_EQ(program.find_window("Fmuo"), nullptr);
  SetFocus(nullptr);
  key(desktop, box, 'A', {.ctrl = true});
  EXPECT_EQ(SendMessageW(box, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
  key(desktop, box, 'X', {.ctrl = true});
  EXPECT_EQ(text("t_q0"), "");
  key(desktop, box, 'Z', {.ctrl = true});
  EXPECT_EQ(text("t_q0"), "250");
  EXPECT_TRUE(dialogs.shown().empty());
  SendMessageW(main_window().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  key(desktop, main_window().hwnd(), 'Z', {.ctrl = true});
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法撤销上一管段：计算书“c:\\file.txt”中没有管段记录。"});
  key(desktop, main_window().hwnd(), 'C', {.ctrl = true});
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
  ASSERT_EQ(Handle(control("lab_2")).text(), "2-3");
  const auto files = disk.files;
  disk.writes_before_failure = 1;  // the journal cannot be cut back
  desktop.act([](Program& p) { p.click("frmmain", "mnuundo"); });
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"无法写入计算书“c:\\file.txt.json”：磁盘已满。"});
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(disk.files, files);
  desktop.act([](Program& p) { p.click("frmmain", "mnuundo"); });
  EXPECT_EQ(Handle(control("lab_2")).text(), "1-2");
  EXPECT_EQ(Handle(control("t_nguo")).text(), "4");
}

// AltGr is Ctrl with Alt: on a Polish keyboard AltGr+A types ą, AltGr+Z ż.
// In a text box it neither selects all nor reaches the menu (Ctrl+A,
// α系数值; Ctrl+Z, 撤销上一管段).
TEST_F(Win32Windows, AltGrTypesIntoATextBox) {
  HWND box = control("t_q0");
  SendMessageW(box, EM_SETSEL, 1, 1);
  for (const WPARAM letter : {'A', 'C', 'V', 'X', 'Z'})
    key(desktop, box, letter, {.ctrl = true, .alt = true});
  EXPECT_EQ(SendMessageW(box, EM_GETSEL, 0, 0), MAKELRESULT(1, 1));
  EXPECT_EQ(program.state().windows.size(), 1u);
}

// Moved to a screen of 144 dots an inch, the window and its controls grow
// by half, and their text with them: the client area is the layout's size
// at 144 even where the system's suggested frame misses it by a pixel or
// two, and the fonts of 96 are deleted, none left behind.
TEST_F(Win32Windows, AWindowOnADenserScreenIsLaidOutAgain) {
  HWND window = main_window().hwnd();
  HWND button = control("cmdjsmll");
  const auto client = [](HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return std::pair{r.right, r.bottom};
  };
  const auto font_of = [](HWND w) { return reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)); };
  EXPECT_EQ(client(window), std::pair(481L, 240L));
  EXPECT_EQ(client(button), std::pair(49L, 25L));
  const HFONT font_96 = font_of(button);
  SIZE asked{};
  ASSERT_TRUE(SendMessageW(window, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&asked)));
  RECT suggested{10, 20, 10 + asked.cx + 2, 20 + asked.cy - 1};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(client(window), std::pair(722L, 360L));  // 7215 × 3600 twips
  EXPECT_EQ(client(button), std::pair(74L, 38L));    // 735 twips: 49 pixels at 96, 73.5 at 144
  LOGFONTW face{};
  GetObjectW(font_of(button), sizeof face, &face);
  EXPECT_EQ(face.lfHeight, -18);
  EXPECT_EQ(GetObjectType(font_96), 0u) << "the font of 96 dots an inch was not deleted";
  const HFONT font_144 = font_of(button);
  suggested = {0, 0, 500, 300};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(client(window), std::pair(481L, 240L));
  EXPECT_EQ(GetObjectType(font_144), 0u) << "the font of 144 dots an inch was not deleted";
}

// The report viewer's columns line up: where NSimSun is missing, as it is in
// the test's Wine prefix, the viewer asks for a fixed-pitch face that is
// there rather than leave the choice to the system's font mapper.
TEST_F(Win32Windows, TheReportViewerDrawsInAFixedPitchFace) {
  disk.files["c:\\file.txt"] = "";
  SendMessageW(main_window().hwnd(), WM_COMMAND, main_window().menu_command("mnulook"), 0);
  HWND list = desktop.window("frmlookover")->control("listover");
  const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  LOGFONTW asked{};
  GetObjectW(font, sizeof asked, &asked);
  asked.lfCharSet = DEFAULT_CHARSET;
  bool installed = false;
  HDC dc = GetDC(list);
  EnumFontFamiliesExW(
      dc, &asked,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&installed), 0);
  EXPECT_TRUE(installed) << "the viewer asks for " << to_utf8(asked.lfFaceName) << ", which is not installed";
  const HGDIOBJ before = SelectObject(dc, font);
  const auto width = [dc](const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    return size.cx;
  };
  EXPECT_EQ(width(L"iiii"), width(L"WWWW"));
  EXPECT_EQ(width(L"管道"), width(L"iiii")) << "a Chinese character takes two cells";
  SelectObject(dc, before);
  ReleaseDC(list, dc);
}

// A fault of the program met while a window handles a message, outside
// the program's events, is shown as the program's failure message instead
// of unwinding through the system, and the window goes on.
TEST_F(Win32Windows, AFaultInAWindowsHandlingIsShownAndTheWindowGoesOn) {
  bool faulty = true;
  FormWindow window(main(), [&](const UserAction& action) {
    if (std::exchange(faulty, false)) throw std::out_of_range("坏的控件");
    action(program);
  });
  SendMessageW(window.hwnd(), WM_COMMAND, window.menu_command("mnuv"), 0);
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"程序内部错误：坏的控件"});
  SendMessageW(window.hwnd(), WM_COMMAND, window.menu_command("mnuv"), 0);
  EXPECT_NE(program.find_window("frmv"), nullptr);
}

// A name the save dialog will not take is proposed bare, then not at all;
// a dialog that takes none says so instead of passing for a Cancel.
TEST(Win32Dialogs, ANameTheSaveDialogRefusesIsProposedBare) {
  std::vector<std::wstring> proposed;
  const auto refusing_folders = [&](const std::wstring& name) -> SaveAnswer {
    proposed.push_back(name);
    if (name.find(L'\\') != std::wstring::npos) return std::nullopt;
    return "d:\\给水\\" + to_utf8(name);
  };
  EXPECT_EQ(save_path_proposing(L"c:\\a<b\\计算书.txt.xlsx", refusing_folders), "d:\\给水\\计算书.txt.xlsx");
  EXPECT_EQ(proposed, (std::vector<std::wstring>{L"c:\\a<b\\计算书.txt.xlsx", L"计算书.txt.xlsx"}));
  const auto cancelled = [](const std::wstring&) -> SaveAnswer { return ""; };
  EXPECT_EQ(save_path_proposing(L"c:\\计算书.txt.xlsx", cancelled), "");
  const auto refusing_all = [](const std::wstring&) -> SaveAnswer { return std::nullopt; };
  EXPECT_FAILURE(save_path_proposing(L"c:\\x.xlsx", refusing_all),
                 "无法打开保存文件的对话框：它不接受任何文件名。");
}

}  // namespace
}  // namespace aquamere::win32
