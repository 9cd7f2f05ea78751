#include "mainwindow/windows.h"

#include "mainwindow/program.h"
#include "report/frmlookover.h"
#include "settings/frmset.h"
#include "settings/reference_windows.h"

namespace aquamere {
namespace {

void load_frmmain(Program& program) { program.frmmain().load(); }
void handle_frmmain(Program& program, const Event& event) { program.frmmain().handle(event); }

const WindowType types[] = {
    {.name = "frmmain", .layout = &FrmMain::layout, .load = &load_frmmain, .handle = &handle_frmmain},
    {.name = "frmset", .layout = &frmset_layout, .on_show = &frmset_shown, .handle = &frmset_handle},
    {.name = "frmlookover", .layout = &frmlookover_layout, .load = &frmlookover_load},
    {.name = "frma", .layout = &frma_layout, .load = &frma_load},
    {.name = "Frmdj2", .layout = &frmdj2_layout, .load = &frmdj2_load},
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
