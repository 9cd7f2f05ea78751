// Aquamere: sizing the cold-water supply pipes of residential buildings.
// The program takes no arguments; it starts with its main window and ends
// when its last window has closed.
#include <QApplication>

#include "desktop/run_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return aquamere::run_program(app);
}
