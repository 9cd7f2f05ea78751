// A second floor for the start-up: the main window's own native controls,
// made straight from its layout with their fonts and menu bar, shown and
// painted, with no program behind them. What the program takes beyond this
// is its own work; what this takes beyond the bare window with one label is
// the price of sixty native controls under the system that draws them.
#include <windows.h>

#include "first_paint.h"
#include "frontend/form_view.h"
#include "frontend/geometry.h"
#include "mainwindow/frmmain.h"
#include "win32/controls.h"
#include "win32/fonts.h"
#include "win32/menus.h"

namespace {

using namespace aquamere;

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HWND make_window(HINSTANCE instance, const Form& form) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = &DefWindowProcW;
  c.hInstance = instance;
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = L"Controls";
  RegisterClassExW(&c);
  RECT frame{0, 0, to_pixels(form.width), to_pixels(form.height)};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  return CreateWindowExW(0, L"Controls", L"Aquamere", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         win32::make_menu_bar(form), instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  bench::report_first_paint();
  const Form form = FrmMain::layout();
  HWND window = make_window(instance, form);
  win32::Fonts fonts(layout_dpi);
  int id = 100;
  for (const Control& c : form.controls) {
    if (c.kind == Kind::MenuItem) continue;
    HWND made = win32::make_control(c, window, to_pixels(client_rect(form, c)), true, id++);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(c.font)), FALSE);
  }
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
