// The baseline of the start-up probe: a bare Qt program that shows one
// window of the main window's size, 481 x 260 pixels, holding a single text
// box with a Chinese text, and ends at its first paint. Any window with
// Chinese text pays for the font configuration and a CJK face before its
// first control; this is that floor.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  QWidget window;
  window.resize(481, 260);
  auto* box = new QLineEdit(QStringLiteral("户当量"), &window);
  box->setGeometry(8, 8, 120, 22);
  window.show();
  return QApplication::exec();
}
