// Undoing the last segment, and taking up the chain where the report ends,
// in the report in force or in another one opened. All work from the
// report's journal alone, so that undoing in the session that calculated a
// segment and undoing it the next day cannot differ.
#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "hydraulics/materials.h"
#include "journal/journal.h"
#include "mainwindow/frmmain.h"
#include "report/report_pair.h"
#include "settings/frmset_names.h"

namespace aquamere {
namespace {

constexpr std::string_view undoing = "撤销上一管段";
constexpr std::string_view resuming = "继续计算";
constexpr std::string_view opening = "打开计算书";

}  // namespace

// The segment's line leaves the report and its record the journal, and the
// window is as it was just before the segment was calculated.
void FrmMain::mnuundo_click() {
  const LastSegment last = modfile_.last_segment(undoing);
  modfile_.take_out(last);
  put_back(*last.record.before);
}

// The window as it was after the report's last segment, with its sums, its
// counter, the running friction loss, the inputs and the material, so that
// the next segment carries the chain on: the window before the segment,
// and the segment calculated again.
void FrmMain::mnuresume_click() { take_up_chain(resuming); }

void FrmMain::take_up_chain(std::string_view doing) {
  const LastSegment last = modfile_.last_segment(doing);
  put_back(*last.record.before);
  if (!host_.attempt([&] { replay(last.record); })) {
    modfile_.refuse(doing, "记录文件“" + journal::path_for(modfile_.report_path()) +
                               "”的最后一条记录与计算书中的管段不符");
  }
}

// A designer keeps one report per riser and switches between them: the
// report picked becomes the one in force, kept for the runs to come as the
// settings dialog keeps a path, and its chain is taken up as 继续计算 does.
// Only a report with its journal beside it can be carried on; anything else
// is refused, and the report in force stays.
void FrmMain::mnuopen_click() {
  const std::string path = host_.open_path(opening, modfile_.report_path());
  if (path.empty()) return;
  FilePort& files = modfile_.files();
  // A revision of this report that a crash cut short is finished or rolled
  // back first, as at the program's start.
  report_pair::recover(files, path);
  if (!files.size(path)) modfile_.refuse(opening, "找不到文件“" + path + "”");
  const std::string journal = journal::path_for(path);
  if (!files.size(journal)) {
    modfile_.refuse(opening, "“" + path + "”旁没有它的记录文件“" + journal + "”，无从接着计算");
  }
  host_.window(frmset::name).set_text(frmset::txtfile, path);
  take_up_chain(opening);
  host_.keep_report_path(path);
}

void FrmMain::replay(const SegmentRecord& record) {
  replaying_ = &record;
  struct Done {
    const SegmentRecord*& replaying;
    ~Done() { replaying = nullptr; }
  } done{replaying_};
  replayed_line_.clear();
  switch (record.command) {
    case SegmentRecord::Command::Calculate:
      cmdjsmll_click();
      break;
    case SegmentRecord::Command::Batch:
      if (record.label == "1-2") cleardata();  // a batch starts with a reset
      sj_qg();
      break;
    case SegmentRecord::Command::Repeat:
      repeat_segment();
      break;
  }
  if (replayed_line_ != record.line) throw Refusal();
}

// Another material's table comes into force, and the settings dialog
// chooses it too, so that its OK keeps it.
void FrmMain::put_material_in_force(const std::string& name) {
  if (name == material_in_force()) return;
  for (const Material& material : materials) {
    if (material.name != name) continue;
    load_table(material);
    host_.window(frmset::name).select_option(material.option);
  }
}

void FrmMain::show_counter(const std::string& counter) {
  Form& f = form();
  f.set_text(frmmain::lab_3, counter);
  f.set_text(frmmain::lab_2,
             counter == "0" ? counter : counter + "-" + number_text(leading_number(counter, "管段编号") + 1));
}

}  // namespace aquamere
