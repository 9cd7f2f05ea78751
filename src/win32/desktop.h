#pragma once

#include <memory>
#include <vector>

#include "frontend/form_windows.h"
#include "win32/form_window.h"

namespace aquamere::win32 {

// The Win32 front end: a native window for each window of the program. A
// window whose form went is hidden at once and deleted by collect().
class Desktop : public FormWindows<FormWindow> {
 public:
  explicit Desktop(Program& program) : FormWindows(program) { sync(); }

  // Deletes the windows put away since the last call; called from the
  // message loop, once none of their window procedures runs.
  void collect() { discarded_.clear(); }

 private:
  void put_away(std::unique_ptr<FormWindow> window) override {
    window->set_visible(false);
    discarded_.push_back(std::move(window));
  }

  std::vector<std::unique_ptr<FormWindow>> discarded_;
};

}  // namespace aquamere::win32
