#pragma once

#include <string_view>

#include "common/event.h"
#include "common/form.h"

namespace aquamere {

class Program;

// What the program needs to know of each kind of window: how it is drawn,
// what runs when it is created (its load step), what runs each time it is
// shown, and which of its events have handlers.
struct WindowType {
  std::string_view name;
  Form (*layout)();
  void (*load)(Program&) = nullptr;
  void (*on_show)(Program&) = nullptr;
  void (*handle)(Program&, const Event&) = nullptr;
};

// The window type of that name, nullptr for an unknown name.
const WindowType* window_type(std::string_view name);

}  // namespace aquamere
