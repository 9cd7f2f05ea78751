#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "win32/desktop.h"
#include "win32/message_loop.h"

namespace aquamere::win32 {

// Keys as the message loop receives them: addressed to the window they were
// typed into, with Ctrl and Alt held or not.
struct Modifiers {
  bool ctrl = false, alt = false;
};

inline void hold(Modifiers held) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = held.ctrl ? 0x80 : 0;
  keys[VK_MENU] = keys[VK_RMENU] = held.alt ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Handles every message waiting, as the program's loop does.
inline void pump(Desktop& desktop) {
  for (MSG m{}; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
    if (!route_message(m)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
  }
  desktop.collect();
}

inline void key(Desktop& desktop, HWND to, WPARAM key, Modifiers held = {}) {
  hold(held);
  MSG message{to, WM_KEYDOWN, key, 1, 0, {}};
  if (!route_message(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  hold({});
  pump(desktop);
}

}  // namespace aquamere::win32
