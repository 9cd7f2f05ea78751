#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/wide_text.h"

namespace aquamere::win32 {

// A window or control by its handle, not owning it: one-line helpers over
// the messages the front end and its tests send.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HWND hwnd) : hwnd_(hwnd) {}

  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  LRESULT send(UINT message, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(hwnd_, message, w, l); }
  LONG_PTR style() const { return GetWindowLongPtrW(hwnd_, GWL_STYLE); }
  bool visible() const { return IsWindowVisible(hwnd_) != FALSE; }

  std::string text() const {
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, wide.data(), static_cast<int>(wide.size()))));
    return to_utf8(wide);
  }
  void set_text(std::string_view text) const { SetWindowTextW(hwnd_, to_wide(text).c_str()); }

 private:
  HWND hwnd_ = nullptr;
};

// A list box: its lines, and setting them all at once.
class ListBox : public Handle {
 public:
  using Handle::Handle;

  std::vector<std::string> lines() const {
    std::vector<std::string> lines;
    const auto count = send(LB_GETCOUNT);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
      std::wstring line(static_cast<std::size_t>(send(LB_GETTEXTLEN, i)) + 1, L'\0');
      line.resize(static_cast<std::size_t>(send(LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
      lines.push_back(to_utf8(line));
    }
    return lines;
  }

  // The chosen line, counted from 0; -1 for none. Choosing it sends no
  // LBN_SELCHANGE: only the user's choice does.
  int chosen() const { return static_cast<int>(send(LB_GETCURSEL)); }
  void choose(int row) const { send(LB_SETCURSEL, static_cast<WPARAM>(row)); }

  // Without redrawing line by line: a viewed report holds thousands.
  template <class Lines>
  void set_lines(const Lines& lines) const {
    send(WM_SETREDRAW, FALSE);
    send(LB_RESETCONTENT);
    send(LB_INITSTORAGE, lines.size(), 0);
    for (const std::string& line : lines)
      send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line).c_str()));
    send(WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
};

// A check box or option button.
class CheckButton : public Handle {
 public:
  using Handle::Handle;
  bool checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
  void set_checked(bool checked) const { send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

}  // namespace aquamere::win32
