#include "common/form.h"

#include <stdexcept>

namespace aquamere {

const Control* Form::find(std::string_view control) const {
  for (const Control& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

const Control& Form::at(std::string_view control) const {
  if (const Control* c = find(control)) return *c;
  throw std::out_of_range(name + " has no control " + std::string(control));
}

Control& Form::at(std::string_view control) {
  return const_cast<Control&>(static_cast<const Form&>(*this).at(control));
}

void Form::select_option(std::string_view control) {
  Control& chosen = at(control);
  for (Control& c : controls) {
    if (c.kind == Kind::OptionButton && c.parent == chosen.parent) c.value = 0;
  }
  chosen.value = 1;
}

}  // namespace aquamere
