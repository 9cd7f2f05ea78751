#pragma once

#include <windows.h>

#include <string>

namespace aquamere::scenario {

// Saves a PNG of the window as the screen shows it, title bar and menu
// included; the caller has brought it to the front and let it draw. Throws
// std::runtime_error when the file cannot be written.
void save_window_picture(HWND window, const std::string& path);

}  // namespace aquamere::scenario
