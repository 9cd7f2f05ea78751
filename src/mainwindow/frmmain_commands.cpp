// The calculation commands and the menu: what each user action in the main
// window runs, in order. A procedure that refuses (its message already shown)
// or fails ends the command; the program then puts everything back.
#include <stdexcept>
#include <string_view>

#include "book/export_book.h"
#include "common/convert.h"
#include "mainwindow/frmchain_names.h"
#include "mainwindow/frmmain.h"
#include "report/frmlookover_names.h"
#include "settings/fmuo_names.h"
#include "settings/frma_names.h"
#include "settings/frmabout_names.h"
#include "settings/frmdj2_names.h"
#include "settings/frmset_names.h"
#include "settings/frmv_names.h"

namespace aquamere {

void FrmMain::cmdjsmll_click() {
  Form& f = form();
  const bool coefficient_method = f.value(frmmain::chk_j) == 1;
  begin_segment(SegmentRecord::Command::Calculate,
                coefficient_method ? Calculation::Method::Coefficient : Calculation::Method::Probability);
  f.at(frmmain::t_qg).align = Align::Center;
  contn();
  if (coefficient_method) {  // coefficient method: the group enters ΣNg only
    ngz_z();
    qgy();
  } else {
    jsuoac();
    jq_Uo_ac();
    sjmll();
  }
  djj_v_i();
  v_de_i();
  put_seg();
}

// One segment of the batch, always by the probability method.
void FrmMain::sj_qg() {
  begin_segment(SegmentRecord::Command::Batch, Calculation::Method::Probability);
  form().at(frmmain::t_qg).align = Align::Right;
  contn();
  jsuoac();
  jq_Uo_ac();
  sjmll();
  djj_v_i();
  ky1();
  v_de_i();
  put_seg();
}

// Batch: a fresh series of N segments of the group shown. Each segment is
// one unit: a segment that is refused or fails is undone and ends the batch,
// while the segments before it stay computed and reported. Undoing the
// first segment later goes back to the window as it was before the batch.
void FrmMain::start_batch() {
  WindowBefore before = window_before();
  cleardata();
  batch_before_ = std::move(before);
}

void FrmMain::t_fs_dblclick() {
  const int count = strict_int16(form().text(frmmain::t_fs), form().at(frmmain::t_fs).label);
  start_batch();
  for (int i = 1; i <= count; ++i) {
    if (form().text(frmmain::t_ngz).empty() || form().text(frmmain::t_Ng).empty()) break;
    if (!host_.attempt([this] { sj_qg(); })) break;
  }
  batch_before_.reset();
}

void FrmMain::t_Ng_dblclick() {
  form().at(frmmain::t_qg).align = Align::Left;
  jsuoac();
  if (hu_qg()) v_de_i();
}

void FrmMain::mnufs_click() {
  form().at(frmmain::t_qg).align = Align::Left;
  jsuoac();
  hu_qg();
}

// The candidate sizes for a flow typed into t_qg; no size is chosen.
void FrmMain::t_qg_dblclick() {
  if (form().text(frmmain::t_qg).empty()) return;
  vars().Qg = leading(frmmain::t_qg);
  djj_v_i();
}

// Repeat segment: the same load again under the next label.
void FrmMain::form_dblclick() {
  Form& f = form();
  if (f.text(frmmain::t_ngz).empty() || f.text(frmmain::t_Ng).empty()) return;
  repeat_segment();
}

void FrmMain::repeat_segment() {
  begin_segment(SegmentRecord::Command::Repeat, Calculation::Method::Probability);
  contn();
  put_seg();
}

// Presets of the coefficient method: α and k of concentrated use when
// checked, of dwellings when cleared.
void FrmMain::chk_j_click() {
  Form& f = form();
  const bool concentrated = f.value(frmmain::chk_j) == 1;
  f.set_text(frmmain::t_ky, concentrated ? "0" : "0.005");
  f.set_text(frmmain::t_ay, concentrated ? "2.5" : "1.1");
}

void FrmMain::menu_click(const std::string& item) {
  struct Opens {
    std::string_view item, window;
  };
  static constexpr Opens opens[] = {
      {frmmain::mnuset, frmset::name},     {frmmain::mnudj, Frmdj2::name},
      {frmmain::mnuuo1, Fmuo::name},       {frmmain::mnuv, frmv::name},
      {frmmain::mnua, frma::name},         {frmmain::mnuabout, frmabout::name},
      {frmmain::mnuchain, frmchain::name},
  };
  for (const Opens& o : opens) {
    if (o.item == item) return host_.show(o.window);
  }
  if (item == frmmain::mnufs) {
    mnufs_click();
  } else if (item == frmmain::mnuclear) {
    cleardata();
  } else if (item == frmmain::mnuexit) {
    host_.unload(frmmain::name);
  } else if (item == frmmain::mnulook) {
    host_.show(frmlookover::name);
    modfile_.load_book();
    modfile_.put_head();
  } else if (item == frmmain::mnukill) {
    modfile_.new_book();
  } else if (item == frmmain::mnuexport) {
    mnuexport_click();
  } else if (item == frmmain::mnuundo) {
    mnuundo_click();
  } else if (item != frmmain::mnuds && !holds_items(item) && form().text(item) != "-") {
    // An item of the menus that no branch above answers is a name misspelt
    // here or in the layout: a programming error, not a silent nothing.
    throw std::logic_error("菜单项" + item + "没有命令");
  }
}

bool FrmMain::holds_items(std::string_view item) const {
  for (const Control& c : form().controls) {
    if (c.kind == Kind::MenuItem && c.parent == item) return true;
  }
  return false;
}

// The calculation book of the report in force, where the user chooses to
// save it; nothing else changes.
void FrmMain::mnuexport_click() {
  const std::string report = modfile_.report_path();
  const std::string book = host_.save_path("导出Excel计算书", book::default_path(report));
  if (book.empty()) return;
  book::export_book(modfile_.files(), report, book);
  host_.message("Excel计算书已导出到“" + book + "”。");
}

// The report reads the segment from the window: its counter, ΣNg, the flow,
// the size chosen with its velocity and 1000i, and the length; a repeated
// segment has nothing calculated behind it.
void FrmMain::put_seg() {
  Form& f = form();
  const Control& length = f.at(frmmain::txt_l);
  const bool repeat = notes_.command == SegmentRecord::Command::Repeat;
  Segment segment{.counter = f.text(frmmain::lab_3),
                  .sum_ng = f.text(frmmain::t_nguo),
                  .flow = f.text(frmmain::t_qg),
                  .size = vars().de_de,
                  .velocity = vars().v_v,
                  .friction = vars().i_i,
                  .length = length.text,
                  .length_label = length.label,
                  .command = notes_.command,
                  .calculation = repeat ? std::nullopt : std::optional<Calculation>(calculation()),
                  .before = std::move(notes_.before)};
  modfile_.put_seg(std::move(segment));
}

}  // namespace aquamere
