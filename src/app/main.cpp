// Aquamere: sizing the cold-water supply pipes of residential buildings.
// Without arguments it starts with its main window and ends when its last
// window has closed. `aquamere --export-book REPORT [BOOK.xlsx]` writes the
// calculation book of a report as an Excel workbook, without a window.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "book/export_book.h"
#include "desktop/run_program.h"
#include "files/disk_files.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--export-book") {
    aquamere::DiskFiles disk;
    return aquamere::book::export_book_command(disk, std::vector<std::string>(argv + 2, argv + argc),
                                               std::cout, std::cerr);
  }
  QApplication app(argc, argv);
  return aquamere::run_program(app);
}
