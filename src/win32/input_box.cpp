#include "win32/input_box.h"

#include "common/wide_text.h"
#include "win32/modal_box.h"

namespace aquamere::win32 {
namespace {

constexpr WORD button_class = 0x0080, edit_class = 0x0081, static_class = 0x0082;

// A dialog template is a run of WORDs: DWORDs low word first, strings in
// UTF-16 ending with a zero, and every item on a DWORD boundary.
class Template {
 public:
  void dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void word(WORD value) { words_.push_back(value); }
  void text(std::string_view utf8) {
    for (const wchar_t c : to_wide(utf8)) words_.push_back(c);
    words_.push_back(0);
  }
  void align() {
    if (words_.size() % 2 != 0) words_.push_back(0);
  }
  void item(DWORD style, RECT at, WORD id, WORD window_class, std::string_view caption) {
    align();
    dword(WS_CHILD | WS_VISIBLE | style);
    dword(0);
    for (const LONG v : {at.left, at.top, at.right, at.bottom}) word(static_cast<WORD>(v));
    word(id);
    word(0xFFFF);
    word(window_class);
    text(caption);
    word(0);  // no creation data
  }
  std::vector<WORD> words() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

struct Answer {
  std::wstring text;
};

INT_PTR CALLBACK input_box_procedure(HWND box, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(box, DWLP_USER, l);
    return TRUE;  // the text box, first in the tab order, takes the focus
  }
  if (message != WM_COMMAND || (LOWORD(w) != IDOK && LOWORD(w) != IDCANCEL)) return FALSE;
  if (LOWORD(w) == IDOK) {
    auto* answer = reinterpret_cast<Answer*>(GetWindowLongPtrW(box, DWLP_USER));
    HWND edit = GetDlgItem(box, input_box_edit);
    answer->text.resize(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1);
    answer->text.resize(static_cast<std::size_t>(
        GetWindowTextW(edit, answer->text.data(), static_cast<int>(answer->text.size()))));
  }
  EndDialog(box, LOWORD(w));
  return TRUE;
}

}  // namespace

std::vector<WORD> input_box_template(std::string_view title, std::string_view prompt) {
  Template t;
  t.dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  t.dword(0);
  t.word(4);  // items
  constexpr WORD width = 240, height = 80;
  for (const WORD v : {WORD{0}, WORD{0}, width, height}) t.word(v);
  t.word(0);  // no menu
  t.word(0);  // the dialog class
  t.text(title);
  t.word(9);
  t.text("MS Shell Dlg");
  t.item(WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER, {7, 58, 226, 14}, input_box_edit, edit_class, "");
  t.item(WS_TABSTOP | BS_DEFPUSHBUTTON, {183, 7, 50, 14}, IDOK, button_class, "确定");
  t.item(WS_TABSTOP | BS_PUSHBUTTON, {183, 25, 50, 14}, IDCANCEL, button_class, "取消");
  t.item(SS_LEFT | SS_NOPREFIX, {7, 7, 170, 45}, input_box_prompt, static_class, prompt);
  return t.words();
}

std::string run_input_box(std::string_view title, std::string_view prompt) {
  const std::vector<WORD> words = input_box_template(title, prompt);
  const BoxOverTheProgram over;
  Answer answer;
  const INT_PTR chosen =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                              over.owner(), &input_box_procedure, reinterpret_cast<LPARAM>(&answer));
  return chosen == IDOK ? to_utf8(answer.text) : std::string();
}

}  // namespace aquamere::win32
