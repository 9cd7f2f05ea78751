#pragma once

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
  Program& program_;
};

}  // namespace aquamere
