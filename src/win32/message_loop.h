#pragma once

#include <windows.h>

#include <functional>

namespace aquamere::win32 {

// Hands one message of the loop to where it belongs: a menu shortcut to its
// menu item (but Ctrl+X, C, V and A to a focused text box, which cuts,
// copies, pastes and selects all), Tab and the arrow keys to the window's
// navigation among its controls, everything else to its window. Returns
// false when the message was for none of the program's windows and still
// needs dispatching.
bool route_message(MSG& message);

// Runs the program's message loop until WM_QUIT; `after_each` runs after
// each message has been handled.
int run_message_loop(const std::function<void()>& after_each);

}  // namespace aquamere::win32
