#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/value.h"
#include "common/window_host.h"
#include "files/backward_lines.h"
#include "files/file_port.h"
#include "journal/segment_record.h"
#include "report/book_vars.h"
#include "report/report_codec.h"

namespace aquamere {

// What a segment line reports, as the main window holds it when the line is
// written, and how the window came to those numbers (for the journal).
struct Segment {
  std::string counter;            // the segment counter's caption
  std::string sum_ng;             // the segment's equivalents ΣNg
  std::string flow;               // design second flow, l/s, as shown
  Value size;                     // nominal size chosen, "De32"
  Value velocity;                 // its velocity, m/s
  Value friction;                 // its 1000i
  std::string length;             // segment length, m, as typed
  std::string_view length_label;  // how a failure message names the length box
  SegmentRecord::Command command = SegmentRecord::Command::Calculate;
  std::optional<Calculation> calculation;  // none for a repeated segment
  WindowBefore before;                     // the main window's part of it
};

// The report's last segment as the end of its journal and of the report
// show it.
struct LastSegment {
  SegmentRecord record;
  FileLine record_line;   // in the journal
  FileLine segment_line;  // in the report
  std::string after;      // the report's lines after it: the blocks of viewings since
};

// The report module: the five procedures that write and read the
// calculation report. Each opens the file, does its work and closes it.
// Every segment line has its record in the journal beside the report
// (journal/journal.h): the two are written in one event, and when either
// write fails neither file keeps any of it.
class ModFile {
 public:
  ModFile(WindowHost& host, BookVars& book, FilePort& files) : host_(host), book_(book), files_(files) {}

  void put_seg(Segment segment);  // appends the segment line
  void put_head();                // appends the column-header block
  void new_book();                // starts the report afresh with the title block
  void load_book();               // shows the report's lines in the viewer
  void put_sum();                 // appends the summary block

  // Undoing the last segment, and taking up the chain where the report
  // ends. `doing` names the command in the refusals, each told in a
  // message box: a report with no segment records, a journal whose last
  // line is no record, a report whose last segment line is not the one the
  // record holds.
  LastSegment last_segment(std::string_view doing);
  // Takes the segment's line out of the report, leaving the blocks of
  // viewings after it as they are, and its record out of the journal: both
  // or, when either cannot be written, neither.
  void take_out(const LastSegment& last);
  // The report's variables as they were before the segment.
  void put_back(const WindowBefore& before);
  // Tells the user in a message box why `doing` cannot be done, and ends
  // the command.
  [[noreturn]] void refuse(std::string_view doing, const std::string& reason);

  // Takes the path from the settings dialog at each call, so a path changed
  // there holds from the next procedure on.
  std::string report_path();

  // The file port, for the commands that read the report as a whole.
  FilePort& files() { return files_; }

  // The local-loss coefficient of the settings, as its number text.
  std::string local_loss_coefficient();

  // Shows `watcher` each record once both files have taken it: a chain
  // calculated again in memory lists its segments from them.
  void watch_records(std::function<void(const SegmentRecord&)> watcher) { watcher_ = std::move(watcher); }

 private:
  // The segment line, encoded, and its record; the report's variables move
  // on to the segment.
  std::pair<std::string, SegmentRecord> compose(Segment segment);
  // The lines encoded for the report, each with its CR LF.
  std::string encoded(const std::vector<std::string>& lines);

  WindowHost& host_;
  BookVars& book_;
  FilePort& files_;
  ReportCodec codec_;
  std::function<void(const SegmentRecord&)> watcher_;
};

}  // namespace aquamere
