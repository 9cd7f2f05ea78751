#pragma once

#include <string>
#include <string_view>

#include "files/file_port.h"

namespace aquamere::report_pair {

// The report and its journal are replaced as one: a reader finds the old
// pair or the new one, never one file of each, and the old pair is not given
// up before the new one is whole on the disk, even when the program is
// killed or the disk fills part-way. The pair a revision replaced is kept
// beside the report, as a pair of its own, until the next revision, so that
// it can be had back after a restart too.
//
// The files beside the report `R` (its journal is `R.json`):
//   R.new, R.new.json        the new pair, written and flushed first
//   R.was, R.was.json        the old pair, moved aside while the new is put
//   R.before, R.before.json  the pair before the last revision
//   R.pair                   the intent: once it is on the disk, the change
//                            is finished at the next start; without it, the
//                            change is rolled back

// Where the pair before the last revision is kept.
std::string before_path(const std::string& report_path);

// Puts `report` and `journal` in place of the report at `report_path` and
// its journal, keeping the pair they replace as the pair before. Both files
// must be there. Throws Failure naming the file (the report or its journal)
// when either cannot be written or moved, another program holding the
// report open included; the old pair then stands as it was.
void replace(FilePort& files, const std::string& report_path, std::string_view report,
             std::string_view journal);

// Whether a pair from before the last revision is kept.
bool can_revert(FilePort& files, const std::string& report_path);

enum class Reverted { Done, NothingKept };

// Puts the pair before the last revision back in place, byte for byte; it is
// then no longer kept (one level). NothingKept, and nothing changed, when
// there is none. Throws Failure as `replace` does, the pair unchanged.
Reverted revert(FilePort& files, const std::string& report_path);

// Finishes a change whose intent is on the disk, or rolls back one that
// never got so far; nothing when no change was under way. Called at the
// program's start for the report path in force, and for a report opened.
void recover(FilePort& files, const std::string& report_path);

}  // namespace aquamere::report_pair
