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
  discard_gone_windows();
  follow_forms();
  raise_front_window();
  if (!program_.running() && ended_) ended_();
}

// A window is usually discarded from inside one of its own handlers (its
// close box, the exit command), so it is hidden now and deleted once the
// event loop is back.
void Desktop::discard_gone_windows() {
  for (auto it = windows_.begin(); it != windows_.end();) {
    if (program_.find_window(it->first) != nullptr) {
      ++it;
      continue;
    }
    it->second->hide();
    it->second.release()->deleteLater();
    it = windows_.erase(it);
  }
}

void Desktop::follow_forms() {
  for (const auto& [name, form] : program_.state().windows) {
    auto& window = windows_[name];
    if (!window) {
      window = std::make_unique<FormWindow>(form, [this](const UserAction& action) { act(action); });
    } else {
      window->show_form(form);
    }
    if (window->isVisible() != form.shown) window->setVisible(form.shown);
  }
}

// Only when the program brought a window to the front since the last look:
// otherwise the window the user is working in stays in front.
void Desktop::raise_front_window() {
  if (program_.raised_at() == raised_at_) return;
  raised_at_ = program_.raised_at();
  FormWindow* front = window(program_.raised());
  if (front == nullptr || !front->isVisible()) return;
  front->raise();
  front->activateWindow();
}

FormWindow* Desktop::window(std::string_view name) const {
  const auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace aquamere
