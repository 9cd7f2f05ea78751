#include "desktop/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "desktop/control_widgets.h"
#include "frontend/menu_keys.h"

namespace aquamere {
namespace {

QKeySequence key_sequence(std::string_view shortcut) {
  const auto key = parse_menu_key(shortcut);
  if (!key) return {};
  const int code = key->function > 0 ? Qt::Key_F1 + key->function - 1 : Qt::Key_A + (key->letter - 'A');
  return QKeySequence(key->ctrl ? QKeyCombination(Qt::ControlModifier, Qt::Key(code))
                                : QKeyCombination(Qt::Key(code)));
}

}  // namespace

std::map<std::string_view, QAction*> build_menu_bar(const Form& form, QMenuBar* bar,
                                                    const std::function<void(const std::string&)>& chosen) {
  const auto menus_holding = menu_holders(form);
  std::map<std::string_view, QMenu*> menus;
  std::map<std::string_view, QAction*> actions;
  for (const Control& item : form.controls) {
    if (item.kind != Kind::MenuItem) continue;
    QWidget* container = item.parent.empty() ? static_cast<QWidget*>(bar) : menus.at(item.parent);
    QAction* action = nullptr;
    if (menus_holding.contains(item.name)) {
      auto* menu = new QMenu(to_qt(item.text), container);
      menus[item.name] = menu;
      action = menu->menuAction();
    } else if (is_separator(item)) {
      action = new QAction(container);
      action->setSeparator(true);
    } else {
      action = new QAction(to_qt(item.text), container);
      action->setShortcut(key_sequence(item.shortcut));
      QObject::connect(action, &QAction::triggered, container,
                       [chosen, name = std::string(item.name)] { chosen(name); });
    }
    action->setObjectName(to_qt(item.name));
    container->addAction(action);
    actions[item.name] = action;
  }
  return actions;
}

}  // namespace aquamere
