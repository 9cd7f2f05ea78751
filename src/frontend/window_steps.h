#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/form.h"

namespace aquamere {

class Program;

// What a front end does to its windows to show the program after an event,
// in this order: discard the windows whose form is gone, then for every form
// make its window when new, bring it in step and show or hide it, and last
// bring one window to the front.
struct WindowSteps {
  std::vector<std::string> discard;
  std::vector<const Form*> follow;
  std::string raise;  // "" when no window came to the front since the last look
};

// Remembers which window the front end raised last, so that the window the
// user went to on their own stays in front until the program brings another.
class WindowOrder {
 public:
  // `windows` names the windows the front end has now.
  WindowSteps next(const Program& program, const std::vector<std::string>& windows);

 private:
  unsigned long raised_at_ = 0;
};

}  // namespace aquamere
