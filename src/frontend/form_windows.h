#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/window_steps.h"
#include "program/program.h"

namespace aquamere {

// What the user did, to be run in the program; the front end shows the outcome.
using UserAction = std::function<void(Program&)>;

// What the user typed or clicked counts as shown already, so that the
// program's answer is compared with it and never echoed back into the
// control the user is working in. Typing: the text typed into a box of
// the window as the front end last showed it, and the action that types it
// in the program.
inline UserAction typed(Form& shown, std::string_view control, std::string text) {
  shown.at(control).text = text;
  return [window = shown.name, control = std::string(control), text = std::move(text)](Program& p) {
    p.type(window, control, text);
  };
}

// Choosing a line of a list box (counted from 0): the line the list now
// shows as chosen, and the action that chooses it in the program. A list
// left with no line chosen (emptied, say) is no choice of the user's.
inline UserAction chosen(Form& shown, std::string_view control, int row) {
  shown.at(control).selected = row;
  return [window = shown.name, control = std::string(control), row](Program& p) {
    if (row >= 0) p.select(window, control, row);
  };
}

// Clicking: the checks of the boxes and options as the controls now show
// them, the click having checked or cleared some already.
inline void note_checks(Form& shown, const std::function<bool(const Control&)>& checked) {
  for (Control& c : shown.controls) {
    if (c.kind == Kind::CheckBox || c.kind == Kind::OptionButton) c.value = checked(c) ? 1 : 0;
  }
}

// A front end's windows: one window of the toolkit for each window of the
// program, made when its form appears and put away when it goes, shown
// while its form is shown. Every user input runs in the program, and then
// every window shows the program's state again.
//
// `Window` is made from a form and the way to act on the program, and has
// show_form(form), visible(), set_visible(shown) and bring_to_front(). A
// front end says how a window is put away when its form goes: mostly from
// inside one of the window's own handlers (its close box, the exit
// command), so it is hidden then and deleted once the toolkit's event loop
// is back.
template <class Window>
class FormWindows {
 public:
  explicit FormWindows(Program& program) : program_(program) {}
  FormWindows(const FormWindows&) = delete;
  FormWindows& operator=(const FormWindows&) = delete;
  virtual ~FormWindows() = default;

  // Runs a user's action in the program and shows what it left.
  void act(const UserAction& action) {
    action(program_);
    sync();
  }

  // Brings every window in step with the program: makes, shows, hides and
  // puts away windows, updates their controls, and raises the window the
  // program brought to the front last. Also called before each message or
  // input box, so that the user sees the state behind it.
  void sync() {
    std::vector<std::string> names;
    for (const auto& [name, window] : windows_) names.push_back(name);
    const WindowSteps steps = order_.next(program_, names);
    discard(steps.discard);
    follow(steps.follow);
    raise(steps.raise);
    if (!program_.running() && ended_) ended_();
  }

  // Called once the program has no window open any more.
  void on_end(std::function<void()> ended) { ended_ = std::move(ended); }

  // The window of that name, nullptr while its form does not exist.
  Window* window(std::string_view name) const {
    const auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.get();
  }

 protected:
  virtual void put_away(std::unique_ptr<Window> window) = 0;

 private:
  void discard(const std::vector<std::string>& gone) {
    for (const std::string& name : gone) {
      const auto it = windows_.find(name);
      put_away(std::move(it->second));
      windows_.erase(it);
    }
  }

  void follow(const std::vector<const Form*>& forms) {
    for (const Form* form : forms) {
      auto& window = windows_[form->name];
      if (!window) {
        window = std::make_unique<Window>(*form, [this](const UserAction& action) { act(action); });
      } else {
        window->show_form(*form);
      }
      window->set_visible(form->shown);
    }
  }

  void raise(const std::string& name) {
    Window* front = window(name);
    if (front != nullptr && front->visible()) front->bring_to_front();
  }

  Program& program_;
  std::map<std::string, std::unique_ptr<Window>, std::less<>> windows_;
  WindowOrder order_;
  std::function<void()> ended_;
};

}  // namespace aquamere
