// The program's own start-up, as its main function does it, ending at the
// first paint of the main window (see FirstPaint).
#include <QApplication>

#include "desktop/appearance.h"
#include "desktop/desktop.h"
#include "desktop/qt_dialogs.h"
#include "first_paint.h"
#include "mainwindow/program.h"
#include "report/disk_files.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  aquamere::set_up_application(app);
  aquamere::DiskFiles disk;
  aquamere::QtDialogs dialogs;
  aquamere::Program program(dialogs, disk);
  aquamere::Desktop desktop(program);
  dialogs.before_each_box([&desktop] { desktop.sync(); });
  desktop.on_end([] { QApplication::quit(); });
  return QApplication::exec();
}
