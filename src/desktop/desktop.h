#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "desktop/form_window.h"
#include "frontend/window_steps.h"

namespace aquamere {

class Program;

// The desktop front end: one Qt window for each window of the program,
// created when its form appears and discarded when it goes, shown while its
// form is shown. Every user input runs in the program, and then every window
// shows the program's state again.
class Desktop {
 public:
  explicit Desktop(Program& program);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Runs a user's action in the program and shows what it left.
  void act(const UserAction& action);
  // Brings every window in step with the program: creates, shows, hides and
  // discards windows, updates their controls, and raises the window the
  // program brought to the front last. Also called before each message or
  // input box, so that the user sees the state behind it.
  void sync();
  // Called once the program has no window open any more.
  void on_end(std::function<void()> ended) { ended_ = std::move(ended); }

  // The window of that name, nullptr while its form does not exist.
  FormWindow* window(std::string_view name) const;

 private:
  void discard(const std::vector<std::string>& gone);
  void follow(const std::vector<const Form*>& forms);
  void raise(const std::string& name);

  Program& program_;
  std::map<std::string, std::unique_ptr<FormWindow>, std::less<>> windows_;
  WindowOrder order_;
  std::function<void()> ended_;
};

}  // namespace aquamere
