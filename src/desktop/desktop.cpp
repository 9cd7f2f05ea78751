#include "desktop/desktop.h"

#include "program/program.h"

namespace aquamere {

Desktop::Desktop(Program& program) : program_(program) { sync(); }

Desktop::~Desktop() = default;

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

// A window is usually discarded from inside one of its own handlers (its
// close box, the exit command), so it is hidden now and deleted once the
// event loop is back.
void Desktop::discard(const std::vector<std::string>& gone) {
  for (const std::string& name : gone) {
    const auto it = windows_.find(name);
    it->second->hide();
    it->second.release()->deleteLater();
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
    if (window->isVisible() != form->shown) window->setVisible(form->shown);
  }
}

void Desktop::raise(const std::string& name) {
  FormWindow* front = window(name);
  if (front == nullptr || !front->isVisible()) return;
  front->raise();
  front->activateWindow();
}

FormWindow* Desktop::window(std::string_view name) const {
  const auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace aquamere
