// The program's own start-up, as its wWinMain does it, ending at the first
// paint of the main window (see first_paint.h).
#include <windows.h>

#include "first_paint.h"
#include "win32/run_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  aquamere::bench::report_first_paint();
  return aquamere::win32::run_program();
}
