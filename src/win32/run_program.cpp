#include "win32/run_program.h"

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include "files/disk_files.h"
#include "program/program.h"
#include "settings/settings_file.h"
#include "win32/desktop.h"
#include "win32/dialogs.h"
#include "win32/message_loop.h"

namespace aquamere::win32 {

int run_program() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  DiskFiles disk;
  Dialogs dialogs;
  SettingsFile kept(disk, settings_folder());
  Program program(dialogs, disk, kept);
  Desktop desktop(program);
  dialogs.before_each_box([&desktop] { desktop.sync(); });
  desktop.on_end([] { PostQuitMessage(0); });
  return run_message_loop([&desktop] { desktop.collect(); });
}

}  // namespace aquamere::win32
