// The calculation commands and the menu: what each user action in the main
// window runs, in order. A procedure that refuses (its message already shown)
// or fails ends the command; the program then puts everything back.
#include <string_view>

#include "common/convert.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/program.h"

namespace aquamere {

void FrmMain::cmdjsmll_click() {
  form().at("t_qg").align = Align::Center;
  contn();
  if (form().value("chk_j") == 1) {  // coefficient method: the group enters ΣNg only
    ngz_z();
    qgy();
  } else {
    jsuoac();
    jq_Uo_ac();
    sjmll();
  }
  djj_v_i();
  v_de_i();
  program_.modfile().put_seg();
}

// One segment of the batch, always by the probability method.
void FrmMain::sj_qg() {
  form().at("t_qg").align = Align::Right;
  contn();
  jsuoac();
  jq_Uo_ac();
  sjmll();
  djj_v_i();
  ky1();
  v_de_i();
  program_.modfile().put_seg();
}

// Batch: a fresh series of N segments of the group shown. Each segment is
// one unit: a segment that is refused or fails is undone and ends the batch,
// while the segments before it stay computed and reported.
void FrmMain::t_fs_dblclick() {
  cleardata();
  const int count = strict_int16(form().text("t_fs"), form().at("t_fs").label);
  for (int i = 1; i <= count; ++i) {
    if (form().text("t_ngz").empty() || form().text("t_Ng").empty()) break;
    if (!program_.attempt([this] { sj_qg(); })) break;
  }
}

void FrmMain::t_Ng_dblclick() {
  form().at("t_qg").align = Align::Left;
  jsuoac();
  if (hu_qg()) v_de_i();
}

void FrmMain::mnufs_click() {
  form().at("t_qg").align = Align::Left;
  jsuoac();
  hu_qg();
}

// The candidate sizes for a flow typed into t_qg; no size is chosen.
void FrmMain::t_qg_dblclick() {
  if (form().text("t_qg").empty()) return;
  vars().Qg = leading("t_qg");
  djj_v_i();
}

// Repeat segment: the same load again under the next label.
void FrmMain::form_dblclick() {
  if (form().text("t_ngz").empty() || form().text("t_Ng").empty()) return;
  contn();
  program_.modfile().put_seg();
}

// Presets of the coefficient method: α and k of concentrated use when
// checked, of dwellings when cleared.
void FrmMain::chk_j_click() {
  const bool concentrated = form().value("chk_j") == 1;
  form().set_text("t_ky", concentrated ? "0" : "0.005");
  form().set_text("t_ay", concentrated ? "2.5" : "1.1");
}

void FrmMain::menu_click(const std::string& item) {
  struct Opens {
    std::string_view item, window;
  };
  static constexpr Opens opens[] = {
      {"mnuset", "frmset"}, {"mnudj", "Frmdj2"}, {"mnuuo1", "Fmuo"},
      {"mnuv", "frmv"},     {"mnua", "frma"},    {"mnuabout", "frmabout"},
  };
  for (const Opens& o : opens) {
    if (o.item == item) return program_.show(o.window);
  }
  if (item == "mnufs") {
    mnufs_click();
  } else if (item == "mnuclear") {
    cleardata();
  } else if (item == "mnuexit") {
    program_.unload("frmmain");
  } else if (item == "mnulook") {
    program_.show("frmlookover");
    program_.modfile().load_book();
    program_.modfile().put_head();
  } else if (item == "mnukill") {
    program_.modfile().new_book();
  }
}

}  // namespace aquamere
