// Aquamere: sizing the cold-water supply pipes of residential buildings.
// Without arguments it starts with its main window and ends when its last
// window has closed; with arguments it answers on the console of the prompt
// it was started from, without a window (answer_command_line).
#include <windows.h>

#include "win32/command_line.h"
#include "win32/run_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (const auto status = aquamere::win32::answer_command_line(aquamere::win32::command_line_arguments())) {
    return *status;
  }
  return aquamere::win32::run_program();
}
