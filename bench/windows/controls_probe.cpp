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

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace aquamere;
  bench::report_first_paint();
  const Form form = FrmMain::layout();
  HWND window =
      bench::make_probe_window(to_pixels(form.width), to_pixels(form.height), win32::make_menu_bar(form));
  win32::Fonts fonts(layout_dpi);
  int id = 100;
  for (const Control& c : form.controls) {
    if (c.kind == Kind::MenuItem) continue;
    HWND made = win32::make_control(c, window, to_pixels(client_rect(form, c)), true, id++);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(c.font)), FALSE);
  }
  ShowWindow(window, SW_SHOW);
  return bench::run_message_loop();
}
