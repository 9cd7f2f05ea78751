#include "report/report_pair.h"

#include <functional>

#include "common/failure.h"
#include "journal/journal.h"

namespace aquamere::report_pair {
namespace {

// The two files of a pair: the report and its journal.
struct Pair {
  std::string report, journal;
};

// One file of a pair, whichever pair it is.
using Member = std::string Pair::*;
constexpr Member members[] = {&Pair::report, &Pair::journal};

Pair pair_at(const std::string& report) { return {report, journal::path_for(report)}; }
std::string new_path(const std::string& report) { return report + ".new"; }
std::string was_path(const std::string& report) { return report + ".was"; }
std::string intent_path(const std::string& report) { return report + ".pair"; }

// What the intent file says is under way.
constexpr std::string_view replacing = "replace", reverting = "revert";

// A step on one file of the pair, whatever name it has on the way: its
// failure names the file the user knows, the report or its journal.
void on_file(const Pair& shown, Member file, const std::function<void()>& step) {
  try {
    step();
  } catch (const FileFailure& failure) {
    if (file == &Pair::report)
      throw FileFailure(failure.doing(), shown.report, failure.reason(), failure.remedy());
    throw Failure(FileFailure(failure.doing(), shown.journal, failure.reason()).about("记录文件"));
  }
}

// The step on both files, the report first, each failure naming its own.
void on_both(const Pair& shown, const std::function<void(Member)>& step) {
  for (const Member file : members) on_file(shown, file, [&] { step(file); });
}

std::string intent_of(FilePort& files, const std::string& report) {
  const std::string intent = intent_path(report);
  if (!files.exists(intent)) return {};
  std::string said;
  files.read_lines(intent, [&](std::string_view line) {
    if (said.empty()) said = line;
  });
  return said;
}

// Takes back a change: the intent goes first (a crash on the way back then
// rolls back again at the next start), the old pair comes back to its
// names, a file already put in its place going back to where it came from
// (`incoming`: the new pair, or the pair before when reverting), and the new
// pair goes. Each step finds its file gone when it was done before.
void roll_back(FilePort& files, const std::string& report, const Pair& incoming) {
  const Pair now = pair_at(report), fresh = pair_at(new_path(report)), was = pair_at(was_path(report));
  files.remove(intent_path(report));
  files.sync_folder(report);
  on_both(now, [&](Member file) {
    if (!files.exists(was.*file)) return;
    if (files.exists(now.*file)) files.rename(now.*file, incoming.*file);
    files.rename(was.*file, now.*file);
  });
  files.sync_folder(report);
  on_both(now, [&](Member file) { files.remove(fresh.*file); });
}

// The pair a change puts in force.
Pair incoming_for(const std::string& report, std::string_view intent) {
  return pair_at(intent == reverting ? before_path(report) : new_path(report));
}

// Goes on with a change whose intent is on the disk, from wherever it
// stopped: every step finds its file gone when it was done before. First
// the pair in force is put in place ...
void put_in_force(FilePort& files, const std::string& report, std::string_view intent) {
  const Pair now = pair_at(report), incoming = incoming_for(report, intent);
  on_both(now, [&](Member file) {
    if (files.exists(incoming.*file)) files.rename(incoming.*file, now.*file);
  });
}

// ... then the pair it replaced is kept as the pair before (or, reverting,
// given up), and the change is done. Should this part fail (another program
// holding the pair before open), the program works on with the pair in
// force, and the next start or revision finishes it.
void keep_beside(FilePort& files, const std::string& report, std::string_view intent) {
  const Pair now = pair_at(report), was = pair_at(was_path(report)), before = pair_at(before_path(report));
  on_both(now, [&](Member file) {
    if (!files.exists(was.*file)) return;
    if (intent == replacing) {
      files.rename(was.*file, before.*file);
    } else {
      files.remove(was.*file);
    }
  });
  on_file(now, &Pair::report, [&] {
    files.sync_folder(report);
    files.remove(intent_path(report));
    files.sync_folder(report);
  });
}

void finish(FilePort& files, const std::string& report, std::string_view intent) {
  put_in_force(files, report, intent);
  keep_beside(files, report, intent);
}

// A step after the intent is on the disk is tried twice: a disk can be
// full for a moment.
void twice(const std::function<void()>& step) {
  try {
    step();
  } catch (const Failure&) {
    step();
  }
}

// The old pair moves aside before the intent is written: a report another
// program holds open refuses to move, and the change stops there with
// nothing changed. The names are on the disk before the intent is, and the
// intent before anything is put in place: once it is there a crash is
// finished at the next start. A pair in force that cannot be put in place
// here (twice) is rolled back instead, and the failure told.
void commit(FilePort& files, const std::string& report, std::string_view intent,
            const std::function<void()>& prepare) {
  const Pair now = pair_at(report), was = pair_at(was_path(report));
  const auto give_up = [&] {
    try {
      roll_back(files, report, incoming_for(report, intent));
    } catch (const Failure&) {
      // The next start rolls back what is left; the first failure is told.
    }
  };
  try {
    prepare();
    on_both(now, [&](Member file) { files.rename(now.*file, was.*file); });
    on_file(now, &Pair::report, [&] {
      files.sync_folder(report);
      files.replace_atomically(intent_path(report), std::string(intent) + "\n");
    });
    twice([&] { put_in_force(files, report, intent); });
  } catch (const Failure&) {
    give_up();
    throw;
  }
  try {
    twice([&] { keep_beside(files, report, intent); });
  } catch (const Failure&) {
    // The pair in force is whole; what is left is the next start's.
  }
}

// Both files of the pair must be there to be replaced.
void require_pair(FilePort& files, const std::string& report_path) {
  const Pair now = pair_at(report_path);
  on_both(now, [&](Member file) {
    if (!files.exists(now.*file)) throw FileFailure("无法替换", now.*file, "文件不存在");
  });
}

}  // namespace

std::string before_path(const std::string& report_path) { return report_path + ".before"; }

void replace(FilePort& files, const std::string& report_path, std::string_view report,
             std::string_view journal) {
  recover(files, report_path);
  require_pair(files, report_path);
  const Pair fresh = pair_at(new_path(report_path)), now = pair_at(report_path);
  commit(files, report_path, replacing, [&] {
    on_file(now, &Pair::report, [&] { files.replace_atomically(fresh.report, report); });
    on_file(now, &Pair::journal, [&] { files.replace_atomically(fresh.journal, journal); });
  });
}

bool can_revert(FilePort& files, const std::string& report_path) {
  const Pair before = pair_at(before_path(report_path));
  return files.exists(before.report) && files.exists(before.journal);
}

Reverted revert(FilePort& files, const std::string& report_path) {
  recover(files, report_path);
  if (!can_revert(files, report_path)) return Reverted::NothingKept;
  require_pair(files, report_path);
  commit(files, report_path, reverting, [] {});
  return Reverted::Done;
}

void recover(FilePort& files, const std::string& report_path) {
  const Pair now = pair_at(report_path);
  on_file(now, &Pair::report, [&] {
    const std::string intent = intent_of(files, report_path);
    if (intent == replacing || intent == reverting) {
      finish(files, report_path, intent);
      return;
    }
    const Pair fresh = pair_at(new_path(report_path)), was = pair_at(was_path(report_path));
    if (files.exists(intent_path(report_path)) || files.exists(fresh.report) || files.exists(fresh.journal) ||
        files.exists(was.report) || files.exists(was.journal))
      roll_back(files, report_path, incoming_for(report_path, replacing));
  });
}

}  // namespace aquamere::report_pair
