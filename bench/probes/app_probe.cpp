// The program's own start-up, as its main function does it, ending at the
// first paint of the main window (see FirstPaint).
#include <QApplication>

#include "desktop/run_program.h"
#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  return aquamere::run_program(app);
}
