#include "common/form.h"

#include <cstdint>
#include <stdexcept>

namespace aquamere {

ControlIndex::Table::Table(const std::vector<Control>& controls) : count(controls.size()) {
  std::size_t size = 16;
  while (size < 4 * count) size *= 2;
  positions.assign(size, empty);
  for (std::size_t i = 0; i < count && i < empty; ++i) {
    std::size_t slot = key(controls[i].name);
    while (positions[slot & (size - 1)] != empty) ++slot;
    positions[slot & (size - 1)] = static_cast<std::uint16_t>(i);
  }
}

void Form::no_control(std::string_view control) const {
  throw std::out_of_range(name + " has no control " + std::string(control));
}

void Form::select_option(std::string_view control) {
  Control& chosen = at(control);
  for (Control& c : controls) {
    if (c.kind != Kind::OptionButton || c.parent != chosen.parent) continue;
    c.value = 0;
    c.change.renew();
  }
  chosen.value = 1;
}

}  // namespace aquamere
