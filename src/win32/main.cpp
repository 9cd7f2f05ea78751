// Aquamere: sizing the cold-water supply pipes of residential buildings.
// The program takes no arguments; it starts with its main window and ends
// when its last window has closed.
#include <windows.h>

#include "win32/run_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return aquamere::win32::run_program(); }
