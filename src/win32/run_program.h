#pragma once

namespace aquamere::win32 {

// Runs Aquamere on the real disk with its native windows and boxes until
// its last window has closed; returns the program's exit code.
int run_program();

}  // namespace aquamere::win32
