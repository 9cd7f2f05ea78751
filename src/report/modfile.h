#pragma once

#include <string>
#include <vector>

#include "common/value.h"
#include "common/window_host.h"
#include "report/book_vars.h"
#include "report/file_port.h"
#include "report/report_codec.h"

namespace aquamere {

// What a segment line reports, as the main window holds it when the line is
// written.
struct Segment {
  std::string counter;            // the segment counter's caption
  std::string sum_ng;             // the segment's equivalents ΣNg
  std::string flow;               // design second flow, l/s, as shown
  Value size;                     // nominal size chosen, "De32"
  Value velocity;                 // its velocity, m/s
  Value friction;                 // its 1000i
  std::string length;             // segment length, m, as typed
  std::string_view length_label;  // how a failure message names the length box
};

// The report module: the five procedures that write and read the
// calculation report. Each opens the file, does its work and closes it.
class ModFile {
 public:
  ModFile(WindowHost& host, BookVars& book, FilePort& files) : host_(host), book_(book), files_(files) {}

  void put_seg(const Segment& segment);  // appends the segment line
  void put_head();                       // appends the column-header block
  void new_book();                       // starts the report afresh with the title block
  void load_book();                      // shows the report's lines in the viewer
  void put_sum();                        // appends the summary block

 private:
  // Takes the path from the settings dialog at each call, so a path changed
  // there holds from the next procedure on.
  std::string report_path();
  // The lines encoded for the report, each with its CR LF.
  std::string encoded(const std::vector<std::string>& lines);

  WindowHost& host_;
  BookVars& book_;
  FilePort& files_;
  ReportCodec codec_;
};

}  // namespace aquamere
