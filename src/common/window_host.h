#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/form.h"

namespace aquamere {

// What a window's procedures may ask of the program that holds every
// window: another window by name, showing and closing windows, the message
// and input boxes and the file dialogs, running a step as one unit that is
// undone when it fails or is refused, and keeping the report path for the
// runs to come.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // The window, created hidden with its load step on first reference.
  virtual Form& window(std::string_view name) = 0;
  // Shows a window without blocking; one already open comes to the front.
  virtual void show(std::string_view name) = 0;
  // Discards a window and all it holds; the next use creates it afresh.
  virtual void unload(std::string_view name) = 0;
  // Runs `step` as one unit: on a failure or a refusal the program goes back
  // to what it was before the step (a failure is then reported in a message
  // box). Returns whether the step completed.
  virtual bool attempt(const std::function<void()>& step) = 0;
  // The message box (OK only) and the input box ("" when cancelled).
  virtual void message(std::string_view text) = 0;
  virtual std::string input(std::string_view prompt) = 0;
  // Where to save a file, proposing a path; "" when the user cancels.
  virtual std::string save_path(std::string_view title, std::string_view proposed) = 0;
  // Which existing report to open, starting where `current` is; "" when the
  // user cancels.
  virtual std::string open_path(std::string_view title, std::string_view current) = 0;
  // Keeps the report path for the runs to come, as confirming it in the
  // settings dialog does; a path that cannot be kept is told in a message
  // box, and nothing else changes.
  virtual void keep_report_path(const std::string& path) = 0;
};

}  // namespace aquamere
