#include "frontend/menu_keys.h"

#include <charconv>

namespace aquamere {

std::optional<MenuKey> parse_menu_key(std::string_view shortcut) {
  MenuKey key;
  constexpr std::string_view ctrl = "Ctrl+";
  if (shortcut.starts_with(ctrl)) {
    key.ctrl = true;
    shortcut.remove_prefix(ctrl.size());
  }
  if (key.ctrl && shortcut.size() == 1 && shortcut[0] >= 'A' && shortcut[0] <= 'Z') {
    key.letter = shortcut[0];
    return key;
  }
  if (shortcut.size() < 2 || shortcut[0] != 'F') return std::nullopt;
  const char* end = shortcut.data() + shortcut.size();
  const auto [at, error] = std::from_chars(shortcut.data() + 1, end, key.function);
  if (error != std::errc() || at != end || key.function < 1 || key.function > 12) return std::nullopt;
  return key;
}

std::vector<MenuShortcut> menu_shortcuts(const Form& form) {
  std::vector<MenuShortcut> shortcuts;
  for (const Control& c : form.controls) {
    if (c.kind != Kind::MenuItem || c.shortcut.empty()) continue;
    if (const auto key = parse_menu_key(c.shortcut)) shortcuts.push_back({c.name, *key});
  }
  return shortcuts;
}

bool edits_text(const MenuKey& key) {
  return key.ctrl && key.function == 0 &&
         (key.letter == 'X' || key.letter == 'C' || key.letter == 'V' || key.letter == 'A' ||
          key.letter == 'Z');
}

std::set<std::string_view> menu_holders(const Form& form) {
  std::set<std::string_view> names;
  for (const Control& c : form.controls) {
    if (c.kind == Kind::MenuItem && !c.parent.empty()) names.insert(c.parent);
  }
  return names;
}

}  // namespace aquamere
