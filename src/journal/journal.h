#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "files/file_port.h"
#include "files/large_buffer.h"
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

// Whether a reading of the journal reads each record's window before, or
// reads a record up to it and keeps none: what a record shows of its
// segment is read fast, but the rest of its line is not checked. A
// repeated segment's record keeps its window either way.
enum class WindowsBefore { Read, Skipped };

// Each record read, in order, and each clearing of the report since the
// records before it.
void read_each(FilePort& files, const std::string& report_path, WindowsBefore windows,
               const std::function<void(SegmentRecord&&)>& record, const std::function<void()>& cleared);

// The records since the journal was last cleared, each as `keep` makes it
// of the record read, so that a long journal is held no larger than what
// is kept of it.
template <typename Keep>
auto read_as(FilePort& files, const std::string& report_path, WindowsBefore windows, Keep keep) {
  std::vector<std::invoke_result_t<Keep, SegmentRecord&&>> kept;
  // A segment's record takes a kilobyte or more of its line: the records of
  // a long journal are not moved again as they come.
  constexpr std::uintmax_t record_bytes = 1024;
  reserve_large(kept, static_cast<std::size_t>(files.size(path_for(report_path)).value_or(0) / record_bytes));
  read_each(
      files, report_path, windows, [&](SegmentRecord&& record) { kept.push_back(keep(std::move(record))); },
      [&] { kept.clear(); });
  return kept;
}

// One line of the journal read: a record, the mark of a clearing, or
// neither (a line cut short, edited outside).
struct LineRead {
  std::optional<SegmentRecord> record;
  bool cleared = false;
  bool window_skipped = false;  // the record has a window before, not read
};

// Reads line after line as read_each reads them, for a caller that holds
// the journal's bytes: one pool for every line, nothing allocated for the
// lines' documents.
class LineReader {
 public:
  explicit LineReader(WindowsBefore windows);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  LineRead read(std::string_view line);

 private:
  class Pooled;
  std::unique_ptr<Pooled> pooled_;
};

// The record a line of the journal holds; nothing when it holds none. Its
// window before is missing where the line was written without it.
std::optional<SegmentRecord> record_in(std::string_view line);
// Whether the line is the one that marks a clearing of the report.
bool is_cleared_line(std::string_view line);

}  // namespace aquamere::journal
