#pragma once

#include <windows.h>

namespace aquamere::bench {

// Watches the thread's windows for the first paint of a top-level window.
// Once that window and its controls have painted, the process writes one
// line to standard output, "painted <seconds of the monotonic clock>
// <client width> <client height>", and ends: the launcher reads the
// start-up time and the size the baseline must match from it.
void report_first_paint();

// The probes' top-level window: a fixed frame of the main window's style
// around a client area of the given size in pixels, under `menu_bar`, with
// the dialog face's background.
HWND make_probe_window(int client_width, int client_height, HMENU menu_bar);

// Runs the thread's message loop until the process ends at its first paint.
int run_message_loop();

}  // namespace aquamere::bench
