#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/file_port.h"
#include "report/segment_record.h"

namespace aquamere::book {

// A segment line of the report with its record from the journal, when the
// journal has one for it.
struct BookSegment {
  std::string line;  // as the report holds it, decoded, without its line end
  std::optional<SegmentRecord> record;
};

struct ReportSegments {
  std::vector<BookSegment> segments;
  // The local-loss coefficient as the report's last summary states it, in
  // percent, when a summary follows the last segment line.
  std::optional<std::string> summary_percent;
};

// Whether a report line is a segment line: its label " n-(n+1)" begins with
// a blank and a digit, which no line of the other blocks does.
bool is_segment_line(std::string_view line);

// Reads the report and its journal and pairs each segment line with its
// record: the records are taken in order, each line with the next record
// that holds exactly its text. A line edited outside the program, or
// written before the journal was kept, finds none; records whose line is
// no longer in the report are left out.
ReportSegments read_segments(FilePort& files, const std::string& report_path);

}  // namespace aquamere::book
