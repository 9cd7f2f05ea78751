// A baseline of the start-up probe: a Qt program that shows one empty
// window of the main window's size, 481 x 260 pixels (its client area and
// menu bar), and ends at its first paint. The benchmark's summary checks
// the size against the main window's.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  QWidget window;
  window.resize(481, 260);
  window.show();
  return QApplication::exec();
}
