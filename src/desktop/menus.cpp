#include "desktop/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "desktop/control_widgets.h"

namespace aquamere {
namespace {

std::set<std::string_view> holders(const Form& form) {
  std::set<std::string_view> names;
  for (const Control& c : form.controls) {
    if (c.kind == Kind::MenuItem && !c.parent.empty()) names.insert(c.parent);
  }
  return names;
}

}  // namespace

std::map<std::string_view, QAction*> build_menu_bar(const Form& form, QMenuBar* bar,
                                                    const std::function<void(const std::string&)>& chosen) {
  const auto menus_holding = holders(form);
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
    } else if (item.text == "-") {
      action = new QAction(container);
      action->setSeparator(true);
    } else {
      action = new QAction(to_qt(item.text), container);
      action->setShortcut(QKeySequence(to_qt(item.shortcut)));
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
