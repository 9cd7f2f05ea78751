#include "common/form.h"

#include <cstdint>
#include <stdexcept>

namespace aquamere {

// An open-addressed table of control positions. Names are keyed by their
// length and three of their letters, which is enough to tell a window's
// controls apart almost always; the name found is compared in full.
struct ControlIndex::Table {
  static constexpr std::uint16_t empty = 0xFFFF;

  explicit Table(const std::vector<Control>& controls) : count(controls.size()) {
    std::size_t size = 16;
    while (size < 4 * count) size *= 2;
    slots.assign(size, empty);
    for (std::size_t i = 0; i < count && i < empty; ++i) {
      std::size_t slot = key(controls[i].name);
      while (slots[slot & (size - 1)] != empty) ++slot;
      slots[slot & (size - 1)] = static_cast<std::uint16_t>(i);
    }
  }

  static std::size_t key(std::string_view name) {
    if (name.empty()) return 0;
    const auto letter = [&](std::size_t i) {
      return static_cast<std::size_t>(static_cast<unsigned char>(name[i]));
    };
    return name.size() * 131 + letter(0) * 31 + letter(name.size() / 2) * 7 + letter(name.size() - 1);
  }

  std::size_t count;
  std::vector<std::uint16_t> slots;
};

const Control* ControlIndex::find(const std::vector<Control>& controls, std::string_view name) const {
  if (!table_ || table_->count != controls.size()) table_ = std::make_shared<const Table>(controls);
  const std::size_t mask = table_->slots.size() - 1;
  for (std::size_t slot = Table::key(name);; ++slot) {
    const std::uint16_t at = table_->slots[slot & mask];
    if (at == Table::empty) return nullptr;
    if (controls[at].name == name) return &controls[at];
  }
}

void ChangeMark::renew() {
  thread_local std::uint64_t last = 0;
  mark_ = ++last;
}

// A control the index does not know where to find (one moved since the
// index was made) is searched for.
const Control* Form::find(std::string_view control) const {
  if (const Control* c = index.find(controls, control)) return c;
  for (const Control& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

const Control& Form::at(std::string_view control) const {
  if (const Control* c = find(control)) return *c;
  throw std::out_of_range(name + " has no control " + std::string(control));
}

Control* Form::find(std::string_view control) {
  auto* c = const_cast<Control*>(static_cast<const Form&>(*this).find(control));
  if (c != nullptr) c->change.renew();
  return c;
}

Control& Form::at(std::string_view control) {
  auto& c = const_cast<Control&>(static_cast<const Form&>(*this).at(control));
  c.change.renew();
  return c;
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
