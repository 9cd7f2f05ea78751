#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/file_port.h"
#include "report/segment_record.h"

// The segment journal: beside the report and named after it (its path with
// ".json" appended), one line of JSON in UTF-8 for each segment line of the
// report, in the same order, written in the same event. It outlives the run,
// so that a calculation book can be made of a report written earlier.
namespace aquamere::journal {

std::string path_for(std::string_view report_path);

// The record as one line of JSON, with its line end.
std::string line_of(const SegmentRecord& record);

// Clearing the report appends this line before the report is cut back,
// so that the records before it count no more even when the journal cannot
// be emptied afterwards.
inline constexpr std::string_view cleared_line = "{\"cleared\":true}\n";

// The records of the report at that path since the journal was last
// cleared, in order; none when there is no journal. A line that holds no
// record (cut short, edited outside) is passed over.
std::vector<SegmentRecord> read(FilePort& files, const std::string& report_path);

}  // namespace aquamere::journal
