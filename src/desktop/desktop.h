#pragma once

#include <memory>

#include "desktop/form_window.h"
#include "frontend/form_windows.h"

namespace aquamere {

// The Qt front end: a Qt window for each window of the program. A window
// whose form went is hidden at once and deleted once the event loop is back.
class Desktop : public FormWindows<FormWindow> {
 public:
  explicit Desktop(Program& program) : FormWindows(program) { sync(); }

 private:
  void put_away(std::unique_ptr<FormWindow> window) override {
    window->hide();
    window.release()->deleteLater();
  }
};

}  // namespace aquamere
