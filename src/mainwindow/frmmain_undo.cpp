// Undoing the last segment from the report's journal alone, so that
// undoing in the session that calculated a segment and undoing it the next
// day cannot differ.
#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "hydraulics/materials.h"
#include "mainwindow/frmmain.h"
#include "settings/frmset_names.h"

namespace aquamere {
namespace {

constexpr std::string_view undoing = "撤销上一管段";

}  // namespace

// The segment's line leaves the report and its record the journal, and the
// window is as it was just before the segment was calculated.
void FrmMain::mnuundo_click() {
  const LastSegment last = modfile_.last_segment(undoing);
  modfile_.take_out(last);
  put_back(*last.record.before);
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
