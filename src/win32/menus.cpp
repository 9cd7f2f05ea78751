#include "win32/menus.h"

#include <map>
#include <vector>

#include "common/wide_text.h"
#include "frontend/menu_keys.h"

namespace aquamere::win32 {
namespace {

std::wstring item_text(const Control& item) {
  std::wstring text = to_wide(item.text);
  if (!item.shortcut.empty()) text += L"\t" + to_wide(item.shortcut);
  return text;
}

}  // namespace

WORD virtual_key(const MenuKey& key) {
  return static_cast<WORD>(key.function > 0 ? VK_F1 + key.function - 1 : key.letter);
}

HMENU make_menu_bar(const Form& form) {
  const auto holders = menu_holders(form);
  if (holders.empty()) return nullptr;
  HMENU bar = CreateMenu();
  std::map<std::string_view, HMENU> menus;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& item = form.controls[i];
    if (item.kind != Kind::MenuItem) continue;
    HMENU container = item.parent.empty() ? bar : menus.at(item.parent);
    if (holders.contains(item.name)) {
      HMENU menu = CreatePopupMenu();
      menus[item.name] = menu;
      AppendMenuW(container, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu),
                  to_wide(item.text).c_str());
    } else if (is_separator(item)) {
      AppendMenuW(container, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(container, MF_STRING, static_cast<UINT_PTR>(command_id(i)), item_text(item).c_str());
    }
  }
  return bar;
}

HACCEL make_accelerators(const Form& form) {
  std::vector<ACCEL> table;
  for (const MenuShortcut& shortcut : menu_shortcuts(form)) {
    const BYTE flags = static_cast<BYTE>(FVIRTKEY | (shortcut.key.ctrl ? FCONTROL : 0));
    const auto place = static_cast<std::size_t>(form.find(shortcut.item) - form.controls.data());
    table.push_back({flags, virtual_key(shortcut.key), static_cast<WORD>(command_id(place))});
  }
  if (table.empty()) return nullptr;
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace aquamere::win32
