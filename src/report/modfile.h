#pragma once

#include <string>
#include <vector>

#include "report/book_vars.h"
#include "report/gb18030.h"

namespace aquamere {

class Program;

// The report module: the five procedures that write and read the
// calculation report. Each opens the file, does its work and closes it.
class ModFile {
 public:
  explicit ModFile(Program& program) : program_(program) {}

  void put_seg();    // appends the segment line
  void put_head();   // appends the column-header block
  void new_book();   // starts the report afresh with the title block
  void load_book();  // shows the report's lines in the viewer
  void put_sum();    // appends the summary block

 private:
  BookVars& book();
  // Takes the path from the settings dialog at each call, so a path changed
  // there holds from the next procedure on.
  std::string report_path();
  // The lines encoded for the report, each with its CR LF.
  std::string encoded(const std::vector<std::string>& lines);

  Program& program_;
  Gb18030 codec_;
};

}  // namespace aquamere
