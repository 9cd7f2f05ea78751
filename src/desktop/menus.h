#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/form.h"

class QAction;
class QMenuBar;

namespace aquamere {

// Fills a window's menu bar from its menu items, in display order: an item
// that holds others opens them as a menu, a caption "-" is a separator line,
// and every other item, chosen with the mouse, its access key or its
// shortcut, is handed to `chosen` by name. Returns each item's action by name.
std::map<std::string_view, QAction*> build_menu_bar(const Form& form, QMenuBar* bar,
                                                    const std::function<void(const std::string&)>& chosen);

}  // namespace aquamere
