#include "program/resume.h"

#include <string>
#include <string_view>

#include "journal/journal.h"
#include "program/chain_replay.h"
#include "program/program.h"
#include "report/report_pair.h"
#include "settings/frmset_names.h"

namespace aquamere {
namespace {

constexpr std::string_view resuming = "继续计算";
constexpr std::string_view opening = "打开计算书";

// The window before the last segment, and the segment calculated again
// from it: a record that does not give its line again was edited outside
// the program and cannot be carried on. `doing` names the command in the
// refusals.
void take_up_chain(Program& p, std::string_view doing) {
  ModFile& modfile = p.modfile();
  const LastSegment last = modfile.last_segment(doing);
  if (!chain::take_up(p, last.record)) {
    modfile.refuse(doing, "记录文件“" + journal::path_for(modfile.report_path()) +
                              "”的最后一条记录与计算书中的管段不符");
  }
}

}  // namespace

void resume_chain(Program& p) { take_up_chain(p, resuming); }

// A designer keeps one report per riser and switches between them: the
// report picked is kept for the runs to come as the settings dialog keeps a
// path. Only a report with its journal beside it can be carried on;
// anything else is refused, and the report in force stays.
void open_report(Program& p) {
  ModFile& modfile = p.modfile();
  const std::string path = p.open_path(opening, modfile.report_path());
  if (path.empty()) return;
  FilePort& files = modfile.files();
  // A revision of this report that a crash cut short is finished or rolled
  // back first, as at the program's start.
  report_pair::recover(files, path);
  if (!files.size(path)) modfile.refuse(opening, "找不到文件“" + path + "”");
  const std::string journal = journal::path_for(path);
  if (!files.size(journal)) {
    modfile.refuse(opening, "“" + path + "”旁没有它的记录文件“" + journal + "”，无从接着计算");
  }
  p.window(frmset::name).set_text(frmset::txtfile, path);
  take_up_chain(p, opening);
  p.keep_report_path(path);
}

}  // namespace aquamere
