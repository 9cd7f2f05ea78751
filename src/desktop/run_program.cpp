#include "desktop/run_program.h"

#include <QApplication>

#include "desktop/appearance.h"
#include "desktop/desktop.h"
#include "desktop/qt_dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "settings/settings_file.h"

namespace aquamere {

int run_program(QApplication& app) {
  set_up_application(app);
  DiskFiles disk;
  QtDialogs dialogs;
  SettingsFile kept(disk, settings_folder());
  Program program(dialogs, disk, kept);
  Desktop desktop(program);
  dialogs.before_each_box([&desktop] { desktop.sync(); });
  desktop.on_end([] { QApplication::quit(); });
  return QApplication::exec();
}

}  // namespace aquamere
