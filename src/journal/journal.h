#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/file_port.h"
#include "journal/segment_record.h"

// The segment journal: beside the report and named after it (its path with
// ".json" appended), one line of JSON in UTF-8 for each segment line of the
// report, in the same order, written in the same event. It outlives the run,
// so that a calculation book can be made of a report written earlier.
namespace aquamere::journal {

std::string path_for(std::string_view report_path);

// How the records name the segment commands, and the flow's alignments.
inline constexpr std::pair<SegmentRecord::Command, std::string_view> command_names[] = {
    {SegmentRecord::Command::Calculate, "calculate"},
    {SegmentRecord::Command::Batch, "batch"},
    {SegmentRecord::Command::Repeat, "repeat"}};
inline constexpr std::pair<Align, std::string_view> alignment_names[] = {
    {Align::Left, "left"}, {Align::Right, "right"}, {Align::Center, "center"}};
std::string_view alignment_name(Align align);
std::optional<SegmentRecord::Command> command_named(std::string_view name);

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

// The record a line of the journal holds; nothing when it holds none. Its
// window before is missing where the line was written without it.
std::optional<SegmentRecord> record_in(std::string_view line);
// Whether the line is the one that marks a clearing of the report.
bool is_cleared_line(std::string_view line);

}  // namespace aquamere::journal
