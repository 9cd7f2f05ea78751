#include "program/windows.h"

#include "mainwindow/frmchain_names.h"
#include "mainwindow/frmmain_names.h"
#include "program/chain_window.h"
#include "program/program.h"
#include "program/resume.h"
#include "report/frmlookover.h"
#include "report/frmlookover_names.h"
#include "settings/fmuo_names.h"
#include "settings/frma_names.h"
#include "settings/frmabout_names.h"
#include "settings/frmdj2_names.h"
#include "settings/frmset.h"
#include "settings/frmset_names.h"
#include "settings/frmv_names.h"
#include "settings/reference_windows.h"

namespace aquamere {
namespace {

void load_frmmain(Program& program) { program.frmmain().load(); }
// Taking a chain up calculates its last segment again in a program of its
// own beside this one, which the main window's procedures know nothing of:
// the program answers those two menu items itself.
void handle_frmmain(Program& program, const Event& event) {
  if (event.type == Event::Type::Click && event.control == frmmain::mnuresume) return resume_chain(program);
  if (event.type == Event::Type::Click && event.control == frmmain::mnuopen) return open_report(program);
  program.frmmain().handle(event);
}

// OK applies the material, then the dwelling class, to the main window and
// hides the dialog, which keeps every choice for the next opening. With the
// main window already closed there is nothing to apply to.
// The report path confirmed is kept for the next run too.
void handle_frmset(Program& program, const Event& event) {
  if (event.type != Event::Type::Click || event.control != frmset::cmddone) return;
  if (program.find_window(frmmain::name) != nullptr) {
    program.frmmain().set_dj();
    program.frmmain().set_styl();
  }
  program.hide(frmset::name);
  program.keep_report_path(program.window(frmset::name).text(frmset::txtfile));
}

// Made afresh, the dialog holds the report path an earlier run kept.
void load_frmset(Program& program) {
  if (const auto& kept = program.kept_report_path())
    program.window(frmset::name).set_text(frmset::txtfile, *kept);
}

void shown_frmset(Program& program) { frmset_shown(program.window(frmset::name)); }

// Opening the viewer closes the run of segment lines with a summary.
void load_frmlookover(Program& program) { program.modfile().put_sum(); }

void load_frma(Program& program) { frma_fill(program.window(frma::name)); }
void load_frmdj2(Program& program) { frmdj2_fill(program.window(Frmdj2::name)); }

const WindowType types[] = {
    {.name = frmmain::name, .layout = &FrmMain::layout, .load = &load_frmmain, .handle = &handle_frmmain},
    {.name = frmset::name,
     .layout = &frmset_layout,
     .load = &load_frmset,
     .on_show = &shown_frmset,
     .handle = &handle_frmset},
    {.name = frmlookover::name, .layout = &frmlookover_layout, .load = &load_frmlookover},
    {.name = frmchain::name, .layout = &frmchain_layout, .on_show = &fill_chain, .handle = &handle_frmchain},
    {.name = frma::name, .layout = &frma_layout, .load = &load_frma},
    {.name = Frmdj2::name, .layout = &frmdj2_layout, .load = &load_frmdj2},
    {.name = Fmuo::name, .layout = &fmuo_layout},
    {.name = frmv::name, .layout = &frmv_layout},
    {.name = frmabout::name, .layout = &frmabout_layout},
};

}  // namespace

const WindowType* window_type(std::string_view name) {
  for (const WindowType& type : types) {
    if (type.name == name) return &type;
  }
  return nullptr;
}

}  // namespace aquamere
