#include "frontend/window_steps.h"

#include "program/program.h"

namespace aquamere {

WindowSteps WindowOrder::next(const Program& program, const std::vector<std::string>& windows) {
  WindowSteps steps;
  for (const std::string& name : windows) {
    if (program.find_window(name) == nullptr) steps.discard.push_back(name);
  }
  for (const auto& [name, form] : program.state().windows) steps.follow.push_back(&form);
  if (program.raised_at() != raised_at_) {
    raised_at_ = program.raised_at();
    const Form* front = program.find_window(program.raised());
    if (front != nullptr && front->shown) steps.raise = program.raised();
  }
  return steps;
}

}  // namespace aquamere
