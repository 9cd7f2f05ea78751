#include "win32/desktop.h"

#include "program/program.h"

namespace aquamere::win32 {

Desktop::Desktop(Program& program) : program_(program) { sync(); }

void Desktop::act(const UserAction& action) {
  action(program_);
  sync();
}

void Desktop::sync() {
  std::vector<std::string> names;
  for (const auto& [name, window] : windows_) names.push_back(name);
  const WindowSteps steps = order_.next(program_, names);
  discard(steps.discard);
  follow(steps.follow);
  raise(steps.raise);
  if (!program_.running() && ended_) ended_();
}

void Desktop::discard(const std::vector<std::string>& gone) {
  for (const std::string& name : gone) {
    const auto it = windows_.find(name);
    it->second->set_visible(false);
    discarded_.push_back(std::move(it->second));
    windows_.erase(it);
  }
}

void Desktop::follow(const std::vector<const Form*>& forms) {
  for (const Form* form : forms) {
    auto& window = windows_[form->name];
    if (!window) {
      window = std::make_unique<FormWindow>(*form, [this](const UserAction& action) { act(action); });
    } else {
      window->show_form(*form);
    }
    window->set_visible(form->shown);
  }
}

void Desktop::raise(const std::string& name) {
  const FormWindow* front = window(name);
  if (front != nullptr && IsWindowVisible(front->hwnd())) front->raise();
}

FormWindow* Desktop::window(std::string_view name) const {
  const auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace aquamere::win32
