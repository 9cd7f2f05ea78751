#include "win32/controls.h"

#include "frontend/form_view.h"
#include "win32/handles.h"

namespace aquamere::win32 {
namespace {

struct NativeKind {
  Kind kind;
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

// A label reports its clicks (SS_NOTIFY) so that a double-click on it is no
// double-click on the window behind it; "&" in a caption is shown as it is.
constexpr NativeKind native_kinds[] = {
    {Kind::TextBox, L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {Kind::Label, L"STATIC", SS_NOPREFIX | SS_NOTIFY, 0},
    {Kind::ListBox, L"LISTBOX", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, WS_EX_CLIENTEDGE},
    {Kind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX, 0},
    {Kind::OptionButton, L"BUTTON", BS_AUTORADIOBUTTON, 0},
    {Kind::CommandButton, L"BUTTON", BS_PUSHBUTTON, 0},
    {Kind::Frame, L"BUTTON", BS_GROUPBOX, 0},
};

// A multi-line box wraps its lines at its width and takes Enter.
constexpr DWORD multiline_style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

const NativeKind& native_kind(Kind kind) {
  for (const NativeKind& k : native_kinds) {
    if (k.kind == kind) return k;
  }
  return native_kinds[1];
}

DWORD align_style(const Control& c) {
  const bool box = c.kind == Kind::TextBox;
  switch (c.align) {
    case Align::Left:
      return box ? ES_LEFT : SS_LEFT;
    case Align::Right:
      return box ? ES_RIGHT : SS_RIGHT;
    case Align::Center:
      return box ? ES_CENTER : SS_CENTER;
  }
  return 0;
}

DWORD style_of(const Control& c, bool starts_group) {
  const NativeKind& kind = native_kind(c.kind);
  DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
  if (c.kind == Kind::TextBox && c.multiline) style = (style & ~ES_AUTOHSCROLL) | multiline_style;
  if (c.kind == Kind::TextBox || c.kind == Kind::Label) style |= align_style(c);
  if (takes_focus(c)) style |= WS_TABSTOP;
  if (starts_group) style |= WS_GROUP;
  return style;
}

}  // namespace

HWND make_control(const Control& c, HWND parent, const PixelRect& at, bool starts_group, int id) {
  const NativeKind& kind = native_kind(c.kind);
  const std::wstring text = c.kind == Kind::ListBox ? std::wstring() : to_wide(c.text);
  return CreateWindowExW(kind.ex_style, kind.window_class, text.c_str(), style_of(c, starts_group), at.left,
                         at.top, at.width, at.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         nullptr);
}

bool aligned_as(HWND native, const Control& c) {
  if (c.kind != Kind::TextBox && c.kind != Kind::Label) return true;
  constexpr LONG_PTR align_mask = ES_LEFT | ES_CENTER | ES_RIGHT;  // as SS_LEFT, SS_CENTER, SS_RIGHT
  return (Handle(native).style() & align_mask) == static_cast<LONG_PTR>(align_style(c));
}

void show_control(HWND native, const Control& c, const Control* before) {
  switch (c.kind) {
    case Kind::ListBox:
      if (before == nullptr || !(before->items == c.items)) ListBox(native).set_lines(c.items);
      if (ListBox(native).chosen() != c.selected) ListBox(native).choose(c.selected);
      return;
    case Kind::CheckBox:
    case Kind::OptionButton:
      if (CheckButton(native).checked() != (c.value == 1)) CheckButton(native).set_checked(c.value == 1);
      break;
    case Kind::MenuItem:
      return;
    default:
      break;
  }
  const Handle handle(native);
  if (handle.text() != c.text) handle.set_text(c.text);
}

}  // namespace aquamere::win32
