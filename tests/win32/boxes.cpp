#include "win32/boxes.h"

#include <gtest/gtest.h>

#include "win32/handles.h"

namespace aquamere::win32::boxes {
namespace {

std::function<void(HWND)> next_answer;
Seen seen;

bool is_dialog(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring_view(name) == L"#32770";
}

BOOL CALLBACK find_box(HWND window, LPARAM found) {
  if (!is_dialog(window) || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The text a box shows: its first label with text.
BOOL CALLBACK read_label(HWND control, LPARAM text) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (lstrcmpiW(name, L"STATIC") != 0 || GetWindowTextLengthW(control) == 0) return TRUE;
  *reinterpret_cast<std::string*>(text) = Handle(control).text();
  return FALSE;
}

void CALLBACK look_for_box(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &find_box, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) return;
  seen = {Handle(box).text(), {}};
  EnumChildWindows(box, &read_label, reinterpret_cast<LPARAM>(&seen.text));
  if (!next_answer) {
    ADD_FAILURE() << "A box no test expected: \"" << seen.title << "\": " << seen.text;
    press(box, IDCANCEL);
    return;
  }
  const std::function<void(HWND)> answer = std::move(next_answer);
  next_answer = nullptr;
  answer(box);
}

}  // namespace

void watch() {
  constexpr UINT every_ms = 30;
  SetTimer(nullptr, 0, every_ms, &look_for_box);
}

void answer_next(std::function<void(HWND box)> answer) { next_answer = std::move(answer); }

// A message box with OK alone takes IDCANCEL as OK, as it takes Esc.
void press(HWND box, int button) { SendMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

const Seen& last() { return seen; }

bool waiting() { return static_cast<bool>(next_answer); }

}  // namespace aquamere::win32::boxes
