// The baseline of the start-up probe: a Qt program that shows one empty
// window of the main window's client size, 481 x 240 pixels, and ends at its
// first paint.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  QWidget window;
  window.resize(481, 240);
  window.show();
  return QApplication::exec();
}
