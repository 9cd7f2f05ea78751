#pragma once

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

// The report and the journal as they stand, with the chain's segments.
struct Chain {
  std::string report_path;
  std::string report, journal;  // the files' bytes
  // The journal up to and with the line that marks its last clearing.
  std::string journal_lead;
  std::vector<book::BookSegment> segments;
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
  // The blocks the chain calculated as it was did not reproduce by viewing
  // the report where they stand (a summary an undo left behind, a remark):
  // carried over as they are. Empty for the chain calculated as it was,
  // which finds them.
  std::vector<bool> carried;
};

struct Replayed {
  std::string report, journal;
  // What the program told on the way, each with the segment it came at
  // ("1-2：流速过大…").
  std::vector<std::string> notices;
  bool cancelled = false;     // the designer cancelled an αc asked for
  std::vector<bool> carried;  // as the revision's
};

// Calculates the chain again with the revision. An αc that a revised
// segment needs and its record does not hold is asked of `asks`, naming
// the segment. Throws Failure naming the segment where one is refused or
// fails.
Replayed replay(const Chain& chain, const Revision& revision, DialogPort& asks);

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
