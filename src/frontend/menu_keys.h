#pragma once

#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "common/form.h"

namespace aquamere {

// A menu item's shortcut key as the layouts write it: "F2" is function key
// 2, "Ctrl+X" the letter X with Ctrl; a letter is a shortcut only with Ctrl.
struct MenuKey {
  int function = 0;  // 1 … 12, or 0 for a letter
  char letter = 0;   // 'A' … 'Z' when not a function key
  bool ctrl = false;
  friend bool operator==(const MenuKey&, const MenuKey&) = default;
};

// nullopt for a text that names no key.
std::optional<MenuKey> parse_menu_key(std::string_view shortcut);

struct MenuShortcut {
  std::string_view item;  // the menu item's name
  MenuKey key;
};

// Every menu item of the window that has a shortcut, in display order.
std::vector<MenuShortcut> menu_shortcuts(const Form& form);

// Ctrl+X, C, V, A and Z cut, copy, paste, select all and undo the typing in
// a focused text box before they reach the menu.
bool edits_text(const MenuKey& key);

// A menu item captioned "-" is a separator line.
inline bool is_separator(const Control& item) { return item.kind == Kind::MenuItem && item.text == "-"; }

// The menu items that hold others: each opens a menu of its own.
std::set<std::string_view> menu_holders(const Form& form);

}  // namespace aquamere
