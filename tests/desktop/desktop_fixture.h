#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "desktop/desktop.h"
#include "program_fixture.h"

namespace aquamere {

// A fresh program with its desktop, a scripted dialog port and a disk in
// memory.
class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() {
    desktop.on_end([this] { ended = true; });
  }

  ScriptedDialogs dialogs;
  MemoryFiles disk;
  Program program{dialogs, disk};
  Desktop desktop{program};
  bool ended = false;

  FormWindow* window(const char* name) const { return desktop.window(name); }
  std::string main_text(const char* control) const { return program.find_window("frmmain")->text(control); }
  template <class Widget>
  Widget* widget(const char* window_name, const char* control) const {
    return qobject_cast<Widget*>(desktop.window(window_name)->control(control));
  }
  // Chooses a menu item of the main window as the mouse would.
  void choose(const char* item) {
    desktop.window("frmmain")->menu_item(item)->trigger();
    settle();
  }
  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

}  // namespace aquamere
