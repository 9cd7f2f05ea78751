#pragma once

#include <windows.h>

#include "common/form.h"
#include "frontend/menu_keys.h"

namespace aquamere::win32 {

// Command identifiers of a window's controls and menu items: a fixed
// offset over the control's place in the window, clear of IDOK and
// IDCANCEL, which the dialog manager sends for Enter and Esc.
inline constexpr int first_command_id = 100;
inline int command_id(std::size_t place) { return first_command_id + static_cast<int>(place); }

// The menu bar from the window's menu items, in display order: an item that
// holds others opens them as a menu, a caption "-" is a separator line, and
// every other item carries its control's command identifier and shows its
// shortcut at the right. nullptr for a window without menus.
HMENU make_menu_bar(const Form& form);

// The virtual key of a menu item's shortcut: F1 … F12, or the letter.
WORD virtual_key(const MenuKey& key);

// The accelerators of the menu items' shortcuts, each sending the item's
// command; nullptr when the window has none.
HACCEL make_accelerators(const Form& form);

}  // namespace aquamere::win32
