#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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
  std::string_view family;
  double points = 9;
  friend bool operator==(const Font&, const Font&) = default;
};

// One control of a window, as plain data. `text` is a text box's text or the
// caption of every other kind; `parent` names the enclosing frame, or for a
// menu item the menu that holds it ("" for the window itself).
// The names, frames, shortcuts, labels and faces are constants of the
// window's layout, written as literals there, and every copy of a control
// refers to them: the program copies all its windows at every event (see
// Program::attempt), and copying these as strings was a third of a click's
// work.
struct Control {
  std::string_view name;
  Kind kind = Kind::Label;
  std::string text;
  std::string_view parent;
  Rect rect;
  int tab = -1;  // place in the tab order, -1 when it takes no focus
  Align align = Align::Left;
  int value = 0;      // check box and option button: 0 or 1
  ListItems items;    // list box lines
  int selected = -1;  // list box: the line chosen, counted from 0; -1 for none
  bool multiline = false;
  std::optional<Font> font;
  std::string_view shortcut;  // menu item: "F2", "Ctrl+X" ...
  std::string_view label;     // how a failure message names the box, e.g. "q0:"

  friend bool operator==(const Control&, const Control&) = default;
};

// The option buttons of one frame are one choice: selecting one clears the
// others.
inline bool same_choice(const Control& a, const Control& b) {
  return a.kind == Kind::OptionButton && b.kind == Kind::OptionButton && a.parent == b.parent;
}

// Where each control stands among a window's controls, by name.
using ControlIndex = std::unordered_map<std::string_view, std::size_t>;

// A window: caption, client size in twips, whether it is shown, and its
// controls in the order they were declared (menu items in display order).
struct Form {
  std::string name;
  std::string caption;
  int width = 0, height = 0;
  bool shown = false;
  std::vector<Control> controls;
  // Made once the layout has placed every control and shared by every copy
  // of the window: a command looks up some fifty controls.
  std::shared_ptr<const ControlIndex> index;

  // Indexes the controls as they now stand.
  void index_controls();

  // Throw std::out_of_range for a control the window does not have.
  Control& at(std::string_view control);
  const Control& at(std::string_view control) const;
  Control* find(std::string_view control);
  const Control* find(std::string_view control) const;

  const std::string& text(std::string_view control) const { return at(control).text; }
  void set_text(std::string_view control, std::string text) { at(control).text = std::move(text); }
  int value(std::string_view control) const { return at(control).value; }

  // Selects an option button and clears the others of its frame.
  void select_option(std::string_view control);

  // Windows are equal in what they hold; the index is no part of that.
  friend bool operator==(const Form& a, const Form& b) {
    return a.name == b.name && a.caption == b.caption && a.width == b.width && a.height == b.height &&
           a.shown == b.shown && a.controls == b.controls;
  }
};

inline Control& Form::at(std::string_view control) {
  return const_cast<Control&>(static_cast<const Form&>(*this).at(control));
}

inline Control* Form::find(std::string_view control) {
  return const_cast<Control*>(static_cast<const Form&>(*this).find(control));
}

}  // namespace aquamere
