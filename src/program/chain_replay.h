#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book/segments.h"
#include "common/dialogs.h"
#include "files/file_port.h"
#include "journal/segment_record.h"

// The chain of segments in the report, calculated again from its journal:
// every segment from the state the segment calculated again before it left,
// with the inputs it was calculated with, except what a revision changes.
namespace aquamere {
class Program;
}

namespace aquamere::chain {

// One segment of the chain: its line in the report and its record's line
// in the journal, each where it stands in the file's bytes (with its line
// end) and by its number among the file's lines, counted from 1.
struct ChainSegment {
  std::string label;
  book::Pairing pairing = book::Pairing::NoRecord;
  bool windowed = false;  // its record holds the window before it
  std::size_t line_at = 0, line_size = 0, line_number = 0;
  std::size_t record_at = 0, record_size = 0, record_number = 0;
};

// The report and the journal as they stand, with the chain's segments. A
// long chain's records are held as the journal's lines and read one at a
// time as they are calculated again: their windows would take several
// times the journal's size.
struct Chain {
  std::string report_path;
  std::string report, journal;  // the files' bytes
  // The journal up to and with the line that marks its last clearing.
  std::size_t journal_lead = 0;
  // A line after it that holds no record and marks no clearing.
  std::optional<std::size_t> stray_record_line;
  std::vector<ChainSegment> segments;
  // The report's lines that are no segment lines, as they stand before each
  // segment line and after the last: the title block first, then the
  // blocks a viewing appended (its summary and header), and anything else.
  std::vector<std::string> blocks;
};

// A file's bytes, read in one opening; none when there is no such file.
std::string whole_file(FilePort& files, const std::string& path);

// Reads the chain of the report at that path. Throws Failure with the
// reason when the report or its journal cannot be read.
Chain read_chain(FilePort& files, const std::string& report_path);

// The reason a chain cannot be calculated again, when it cannot: it is
// empty, a segment line no longer shows its record's numbers or has lost
// its record, a record has lost its line, or a record lacks what
// calculating it again takes.
std::optional<std::string> not_replayable(const Chain& chain);

// One row's inputs as a designer revises them.
struct RowInputs {
  std::string household_ng, households, length;
  bool flush_valve = false;
};

// What is in force when the whole chain is calculated again: the household
// parameters of the main window, the material and the local-loss
// coefficient.
struct InForce {
  std::string q0, m, kh, t, material, local_loss_coefficient;
};

// What a calculation of the chain changes: one row's inputs, or what is in
// force for every row; nothing for the chain as it was calculated.
struct Revision {
  std::optional<std::size_t> row;
  RowInputs inputs;
  std::optional<InForce> in_force;

  bool revises() const { return row || in_force; }
};

struct Replayed {
  std::string report, journal;
  // What the program told on the way, each with the segment it came at
  // ("1-2：流速过大…").
  std::vector<std::string> notices;
  bool cancelled = false;  // the designer cancelled an αc asked for
};

// Calculates the chain again with the revision, and as it was beside it,
// segment by segment: a revision is made only of a chain that its journal
// reproduces. A block of lines that viewing the report where it stands
// does not give again (a summary an undo left behind, a remark) is carried
// over as it is. An αc that a revised segment needs and its record does
// not hold is asked of `asks`, naming the segment. Throws Failure naming
// the segment where one is refused or fails, and the line where the chain
// as it was is not reproduced.
// `written` is shown each record of the chain calculated again as it is
// written.
Replayed replay(const Chain& chain, const Revision& revision, DialogPort& asks,
                const std::function<void(const SegmentRecord&)>& written = {});

// Where the chain calculated as it was differs from the files it was
// calculated from: a line no recorded event wrote (a remark typed in an
// editor, say), named by its number; nothing when both are reproduced.
std::optional<std::string> not_reproduced(const Chain& chain, const Replayed& same);

// Calculates the report's last segment again in a program run beside `p`:
// from `p` as it stands with the window before the segment put back, each
// αc typed for the segment answered from its record, nothing told and the
// line written to memory. When that line is the record's, `p` stands as
// that program then does, and the answer is true; otherwise `p` is as it
// was.
bool take_up(Program& p, const SegmentRecord& last);

}  // namespace aquamere::chain
