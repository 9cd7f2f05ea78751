// The start-up baseline: a bare Win32 program that paints one window of the
// main window's size, 481 x 240 pixels of client area under a menu bar,
// with one Chinese label, and ends at its first paint. The benchmark checks
// the size against the main window's.
#include <windows.h>

#include "first_paint.h"

namespace {

constexpr int client_width = 481, client_height = 240;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  aquamere::bench::report_first_paint();
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = &procedure;
  c.hInstance = instance;
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = L"Bare";
  RegisterClassExW(&c);
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_STRING, 1, L"计算(&F)");
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  HWND window =
      CreateWindowExW(0, L"Bare", L"Aquamere", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, bar, instance, nullptr);
  HWND label = CreateWindowExW(0, L"STATIC", L"管道设计秒流量计算", WS_CHILD | WS_VISIBLE, 16, 16, 200, 17,
                               window, nullptr, instance, nullptr);
  HFONT song = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"SimSun");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(song), FALSE);
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
