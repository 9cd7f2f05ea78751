// Aquamere: sizing the cold-water supply pipes of residential buildings.
// Without arguments it starts with its main window and ends when its last
// window has closed; with arguments it answers on the console without a
// window (answer_command_line), so that --help needs no display.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "desktop/run_program.h"
#include "files/disk_files.h"
#include "frontend/command_line.h"

int main(int argc, char** argv) {
  aquamere::DiskFiles disk;
  if (const auto status = aquamere::answer_command_line(disk, std::vector<std::string>(argv + 1, argv + argc),
                                                        std::cout, std::cerr)) {
    return *status;
  }
  QApplication app(argc, argv);
  return aquamere::run_program(app);
}
