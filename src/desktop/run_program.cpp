#include "desktop/run_program.h"

#include <QApplication>

#include "desktop/appearance.h"
#include "desktop/desktop.h"
#include "desktop/font_configuration.h"
#include "desktop/qt_dialogs.h"
#include "mainwindow/program.h"
#include "report/disk_files.h"

namespace aquamere {

int run_program(QApplication& app, FontConfigurationReading& fonts) {
  fonts.application_made();
  set_up_style_and_texts(app);
  DiskFiles disk;
  QtDialogs dialogs;
  Program program(dialogs, disk);
  fonts.wait();
  set_up_faces();
  Desktop desktop(program);
  dialogs.before_each_box([&desktop] { desktop.sync(); });
  desktop.on_end([] { QApplication::quit(); });
  return QApplication::exec();
}

}  // namespace aquamere
