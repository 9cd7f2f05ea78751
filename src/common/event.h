#pragma once

#include <string>

namespace aquamere {

// What a user did to a window or one of its controls. A change carries the
// text already typed into the box; a click on a check box or option button
// comes after it took its new value; a selection in a list box comes after
// the list took the line chosen.
struct Event {
  enum class Type { Change, Click, DoubleClick, Select, Close } type;
  std::string window;
  std::string control;  // "" for the window itself (background, close box)
};

}  // namespace aquamere
