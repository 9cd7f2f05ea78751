#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_port.h"
#include "journal/segment_record.h"

namespace aquamere::book {

// The eight fields of a segment line as the report lays them out in its
// print zones: label, ΣNg, flow, size, velocity, 1000i, length, running
// loss; and any text typed after them ("见注1").
enum Field {
  FieldLabel,
  FieldSumNg,
  FieldFlow,
  FieldSize,
  FieldVelocity,
  FieldFriction,
  FieldLength,
  FieldRunning
};

struct LineFields {
  std::array<std::string, 8> fields;
  std::string after;
  bool complete = false;  // all eight were found
};

// Reads the fields of a line. ΣNg and the flow are the texts of two boxes
// and may hold blanks; they are told apart by the print zone the flow
// starts in, and the size ("De32") anchors the fields after them.
LineFields fields_of(std::string_view line);

// The line's fields with their blanks and line ends evened out: what two
// texts of one line have in common when an editor has trimmed one.
std::string line_key(std::string_view line);

// How a line of the report and a record of the journal were found to
// belong together.
enum class Pairing {
  Same,       // the line is its record's, blanks and line ends aside
  Annotated,  // the same, with a text typed after it
  Differs,    // the record of the line's segment, whose numbers the line no longer shows
  NoRecord,   // a line the journal holds no record of
  NoLine,     // a record whose line is not in the report
};

struct BookSegment {
  std::string line;  // decoded, without its line end; for NoLine the record's line
  std::optional<SegmentRecord> record;
  Pairing pairing = Pairing::NoRecord;
  LineFields fields;  // of `line`
};

struct ReportSegments {
  std::vector<BookSegment> segments;
  // The local-loss coefficient as the report's last summary states it, in
  // percent, when a summary follows the last segment line.
  std::optional<std::string> summary_percent;
  // Why the journal could not be read, when it could not; the lines then
  // stand alone.
  std::string journal_trouble;
};

// Whether a report line is a segment line: its label " n-(n+1)" begins with
// a blank and a digit, which no line of the other blocks does.
bool is_segment_line(std::string_view line);

// What pairing a report's lines with records needs of each record.
struct RecordLine {
  std::string_view line, label;
};
template <typename Record>
std::vector<RecordLine> record_lines(const std::vector<Record>& records) {
  std::vector<RecordLine> lines;
  lines.reserve(records.size());
  for (const Record& r : records) lines.push_back({r.line, r.label});
  return lines;
}

// A segment line of the report, or the line of a record gone from it, and
// the place of the record it pairs with among the records given.
struct PairedLine {
  std::string line;
  std::optional<std::size_t> record;
  Pairing pairing = Pairing::NoRecord;
  LineFields fields;
};
struct ReportLines {
  std::vector<PairedLine> lines;
  std::optional<std::string> summary_percent;  // as in ReportSegments
};

// Reads the report and pairs each segment line with its record among the
// records given, in journal order, as read_segments pairs them.
ReportLines pair_lines(FilePort& files, const std::string& report_path, std::span<const RecordLine> records);

// Reads the report and its journal and pairs each segment line with its
// record. The records are taken in order: a line takes the next record of
// its text, blanks and line ends aside; failing that, the next record when
// it is of the same segment label, as a record its line no longer matches.
// Records passed over on the way, and those left at the end, are records
// whose lines are gone from the report.
ReportSegments read_segments(FilePort& files, const std::string& report_path);

}  // namespace aquamere::book
