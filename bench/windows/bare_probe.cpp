// The start-up baseline: a bare Win32 program that paints one window of the
// main window's size, 481 x 240 pixels of client area under a menu bar,
// with one Chinese label, and ends at its first paint. The benchmark checks
// the size against the main window's.
#include <windows.h>

#include "first_paint.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  aquamere::bench::report_first_paint();
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_STRING, 1, L"计算(&F)");
  HWND window = aquamere::bench::make_probe_window(481, 240, bar);
  HWND label = CreateWindowExW(0, L"STATIC", L"管道设计秒流量计算", WS_CHILD | WS_VISIBLE, 16, 16, 200, 17,
                               window, nullptr, instance, nullptr);
  HFONT song = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"SimSun");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(song), FALSE);
  ShowWindow(window, SW_SHOW);
  return aquamere::bench::run_message_loop();
}
