// For reference beside the start-up probes: the program's application set-up
// (style, face, translations) and one window of the same size holding a
// single text box with a Chinese caption, ending at its first paint. What it
// costs over the bare window is what any window with Chinese text pays
// before its first control: the font database and the CJK face.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "desktop/appearance.h"
#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  new aquamere::bench::FirstPaint(app);
  aquamere::set_up_application(app);
  QWidget window;
  window.resize(481, 260);
  auto* box = new QLineEdit(QStringLiteral("户当量"), &window);
  box->setGeometry(8, 8, 120, 22);
  window.show();
  return QApplication::exec();
}
