#include "frontend/form_view.h"

#include <algorithm>

namespace aquamere {

std::vector<std::size_t> changed_controls(const Form& shown, const Form& now) {
  std::vector<std::size_t> changed;
  const bool fresh = shown.controls.size() != now.controls.size();
  for (std::size_t i = 0; i < now.controls.size(); ++i) {
    if (fresh || !(shown.controls[i] == now.controls[i])) changed.push_back(i);
  }
  return changed;
}

bool takes_focus(const Control& c) {
  return c.tab >= 0 && c.kind != Kind::MenuItem && c.kind != Kind::Frame && c.kind != Kind::Label;
}

std::vector<const Control*> tab_order(const Form& form) {
  std::vector<const Control*> by_tab;
  for (const Control& c : form.controls) {
    if (takes_focus(c)) by_tab.push_back(&c);
  }
  std::stable_sort(by_tab.begin(), by_tab.end(),
                   [](const Control* a, const Control* b) { return a->tab < b->tab; });
  std::vector<const Control*> order;
  for (const Control* c : by_tab) {
    const bool placed = std::any_of(order.begin(), order.end(), [c](const Control* o) { return o == c; });
    if (placed) continue;
    order.push_back(c);
    for (const Control* other : by_tab) {
      if (other != c && same_choice(*other, *c)) order.push_back(other);
    }
  }
  return order;
}

Rect client_rect(const Form& form, const Control& control) {
  Rect rect = control.rect;
  for (const Control* c = &control; !c->parent.empty();) {
    c = &form.at(c->parent);
    rect.left += c->rect.left;
    rect.top += c->rect.top;
  }
  return rect;
}

}  // namespace aquamere
