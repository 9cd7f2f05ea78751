#include "program/windows.h"

#include "program/program.h"
#include "report/frmlookover.h"
#include "settings/frmset.h"
#include "settings/reference_windows.h"

namespace aquamere {
namespace {

void load_frmmain(Program& program) { program.frmmain().load(); }
void handle_frmmain(Program& program, const Event& event) { program.frmmain().handle(event); }

// OK applies the material, then the dwelling class, to the main window and
// hides the dialog, which keeps every choice for the next opening. With the
// main window already closed there is nothing to apply to.
// The report path confirmed is kept for the next run too.
void handle_frmset(Program& program, const Event& event) {
  if (event.type != Event::Type::Click || event.control != "cmddone") return;
  if (program.find_window("frmmain") != nullptr) {
    program.frmmain().set_dj();
    program.frmmain().set_styl();
  }
  program.hide("frmset");
  program.keep_report_path(program.window("frmset").text("txtfile"));
}

// Made afresh, the dialog holds the report path an earlier run kept.
void load_frmset(Program& program) {
  if (const auto& kept = program.kept_report_path()) program.window("frmset").set_text("txtfile", *kept);
}

void shown_frmset(Program& program) { frmset_shown(program.window("frmset")); }

// Opening the viewer closes the run of segment lines with a summary.
void load_frmlookover(Program& program) { program.modfile().put_sum(); }

void load_frma(Program& program) { frma_fill(program.window("frma")); }
void load_frmdj2(Program& program) { frmdj2_fill(program.window("Frmdj2")); }

const WindowType types[] = {
    {.name = "frmmain", .layout = &FrmMain::layout, .load = &load_frmmain, .handle = &handle_frmmain},
    {.name = "frmset",
     .layout = &frmset_layout,
     .load = &load_frmset,
     .on_show = &shown_frmset,
     .handle = &handle_frmset},
    {.name = "frmlookover", .layout = &frmlookover_layout, .load = &load_frmlookover},
    {.name = "frma", .layout = &frma_layout, .load = &load_frma},
    {.name = "Frmdj2", .layout = &frmdj2_layout, .load = &load_frmdj2},
    {.name = "Fmuo", .layout = &fmuo_layout},
    {.name = "frmv", .layout = &frmv_layout},
    {.name = "frmabout", .layout = &frmabout_layout},
};

}  // namespace

const WindowType* window_type(std::string_view name) {
  for (const WindowType& type : types) {
    if (type.name == name) return &type;
  }
  return nullptr;
}

}  // namespace aquamere
