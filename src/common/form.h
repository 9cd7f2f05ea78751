#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/list_items.h"

namespace aquamere {

enum class Kind { TextBox, Label, ListBox, CheckBox, OptionButton, CommandButton, Frame, MenuItem };
enum class Align { Left, Right, Center };

// Position and size in twips (1/1440 inch), relative to the window's client
// area or to the enclosing frame.
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
  std::string family;
  double points = 9;
  friend bool operator==(const Font&, const Font&) = default;
};

// Marks a control each time it is reached for a change, with a mark no
// control of the thread has had before: a copy of a control bearing the same
// mark as the control still holds the same value. The event snapshot copies
// only the controls whose marks have moved. It is no part of the value.
class ChangeMark {
 public:
  void renew() {
    thread_local std::uint64_t last = 0;
    mark_ = ++last;
  }
  bool same_as(const ChangeMark& other) const { return mark_ == other.mark_; }
  friend bool operator==(const ChangeMark&, const ChangeMark&) { return true; }

 private:
  std::uint64_t mark_ = 0;  // 0: as its layout made it
};

// One control of a window, as plain data. `text` is a text box's text or the
// caption of every other kind; `parent` names the enclosing frame, or for a
// menu item the menu that holds it ("" for the window itself).
struct Control {
  std::string name;
  Kind kind = Kind::Label;
  std::string text;
  std::string parent;
  Rect rect;
  int tab = -1;  // place in the tab order, -1 when it takes no focus
  Align align = Align::Left;
  int value = 0;    // check box and option button: 0 or 1
  ListItems items;  // list box lines
  bool multiline = false;
  std::optional<Font> font;
  std::string shortcut;  // menu item: "F2", "Ctrl+X" ...
  std::string label;     // how a failure message names the box, e.g. "q0:"
  ChangeMark change;

  friend bool operator==(const Control&, const Control&) = default;
};

// Where each control of a window sits among its controls, by name, so that a
// look-up need not walk them all. A window keeps its controls in the order
// its layout gave them, so the index is made at the first look-up and shared
// by every copy of the window; it is made afresh when the number of controls
// has changed. It is no part of the window's value.
class ControlIndex {
 public:
  // The control of that name, if there is one, found through the index.
  // Inline: a command looks up some fifty controls.
  const Control* find(const std::vector<Control>& controls, std::string_view name) const;

  friend bool operator==(const ControlIndex&, const ControlIndex&) { return true; }

 private:
  // An open-addressed table of control positions. Names are keyed by their
  // length and three of their letters, which is enough to tell a window's
  // controls apart almost always; the name found is compared in full.
  struct Table {
    static constexpr std::uint16_t empty = 0xFFFF;

    explicit Table(const std::vector<Control>& controls);

    static std::size_t key(std::string_view name) {
      if (name.empty()) return 0;
      const auto letter = [&](std::size_t i) {
        return static_cast<std::size_t>(static_cast<unsigned char>(name[i]));
      };
      return name.size() * 131 + letter(0) * 31 + letter(name.size() / 2) * 7 + letter(name.size() - 1);
    }

    std::size_t count;
    std::vector<std::uint16_t> positions;
  };

  mutable std::shared_ptr<const Table> table_;
};

inline const Control* ControlIndex::find(const std::vector<Control>& controls, std::string_view name) const {
  if (!table_ || table_->count != controls.size()) table_ = std::make_shared<const Table>(controls);
  const std::size_t mask = table_->positions.size() - 1;
  for (std::size_t slot = Table::key(name);; ++slot) {
    const std::uint16_t at = table_->positions[slot & mask];
    if (at == Table::empty) return nullptr;
    if (controls[at].name == name) return &controls[at];
  }
}

// A window: caption, client size in twips, whether it is shown, and its
// controls in the order they were declared (menu items in display order).
struct Form {
  std::string name;
  std::string caption;
  int width = 0, height = 0;
  bool shown = false;
  std::vector<Control> controls;
  ControlIndex index;

  // Reaching a control for a change renews its change mark.
  Control& at(std::string_view control);
  const Control& at(std::string_view control) const;
  Control* find(std::string_view control);
  const Control* find(std::string_view control) const;

  const std::string& text(std::string_view control) const { return at(control).text; }
  // Throws: a window asked for a control it does not have.
  [[noreturn]] void no_control(std::string_view control) const;
  void set_text(std::string_view control, std::string text) { at(control).text = std::move(text); }
  int value(std::string_view control) const { return at(control).value; }

  // Selects an option button and clears the others of its frame.
  void select_option(std::string_view control);

  friend bool operator==(const Form&, const Form&) = default;
};

// A control the index does not know where to find (one moved since the
// index was made) is searched for.
inline const Control* Form::find(std::string_view control) const {
  if (const Control* c = index.find(controls, control)) return c;
  for (const Control& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

inline const Control& Form::at(std::string_view control) const {
  const Control* c = find(control);
  if (c == nullptr) [[unlikely]]
    no_control(control);
  return *c;
}

inline Control* Form::find(std::string_view control) {
  auto* c = const_cast<Control*>(static_cast<const Form&>(*this).find(control));
  if (c != nullptr) c->change.renew();
  return c;
}

inline Control& Form::at(std::string_view control) {
  auto& c = const_cast<Control&>(static_cast<const Form&>(*this).at(control));
  c.change.renew();
  return c;
}

}  // namespace aquamere
