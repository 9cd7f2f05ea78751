#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/window_steps.h"
#include "win32/form_window.h"

namespace aquamere::win32 {

// The Win32 front end: one native window for each window of the program,
// made when its form appears and discarded when it goes, shown while its
// form is shown. Every user input runs in the program, and then every
// window shows the program's state again.
class Desktop {
 public:
  explicit Desktop(Program& program);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Runs a user's action in the program and shows what it left.
  void act(const UserAction& action);
  // Brings every window in step with the program. Also called before each
  // message or input box, so that the user sees the state behind it.
  void sync();
  // Deletes the windows discarded since the last call. A window is mostly
  // discarded from inside its own window procedure (its close box, the
  // exit command), so it is hidden then and deleted here, from the message
  // loop, once none of its procedures runs.
  void collect() { discarded_.clear(); }
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
  std::vector<std::unique_ptr<FormWindow>> discarded_;
  WindowOrder order_;
  std::function<void()> ended_;
};

}  // namespace aquamere::win32
