#include "common/form.h"

#include <stdexcept>

namespace aquamere {

void Form::index_controls() {
  auto made = std::make_shared<ControlIndex>();
  for (std::size_t i = 0; i < controls.size(); ++i) made->emplace(controls[i].name, i);
  index = std::move(made);
}

// A window without an index (one made in a test) is searched.
const Control* Form::find(std::string_view control) const {
  if (index) {
    const auto it = index->find(control);
    return it == index->end() ? nullptr : &controls[it->second];
  }
  for (const Control& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

const Control& Form::at(std::string_view control) const {
  const Control* c = find(control);
  if (c == nullptr) throw std::out_of_range(name + " has no control " + std::string(control));
  return *c;
}

void Form::select_option(std::string_view control) {
  Control& chosen = at(control);
  for (Control& c : controls) {
    if (same_choice(c, chosen)) c.value = 0;
  }
  chosen.value = 1;
}

}  // namespace aquamere
