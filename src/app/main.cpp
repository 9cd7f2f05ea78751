// Aquamere: sizing the cold-water supply pipes of residential buildings.
// The program takes no arguments; it starts with its main window and ends
// when its last window has closed.
#include <QApplication>

#include "desktop/appearance.h"
#include "desktop/desktop.h"
#include "desktop/qt_dialogs.h"
#include "mainwindow/program.h"
#include "report/disk_files.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  aquamere::set_up_application(app);
  aquamere::DiskFiles disk;
  aquamere::QtDialogs dialogs;
  aquamere::Program program(dialogs, disk);
  aquamere::Desktop desktop(program);
  dialogs.before_each_box([&desktop] { desktop.sync(); });
  desktop.on_end([] { QApplication::quit(); });
  return QApplication::exec();
}
