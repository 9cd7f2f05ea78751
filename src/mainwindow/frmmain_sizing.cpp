// Pipe table in force, velocity, 1000i, the candidate listing and the
// automatic size choice.
#include <algorithm>
#include <string>
#include <vector>

#include "common/convert.h"
#include "common/numtext.h"
#include "hydraulics/materials.h"
#include "hydraulics/pipe_sizing.h"
#include "mainwindow/frmmain.h"
#include "settings/frmset_names.h"

namespace aquamere {
namespace {

// Shown for every material: the wording dates from the PP-R tables.
constexpr std::string_view too_fast_warning = "流速过大，De100的PP-R管已不能满足规范要求.";

constexpr std::string_view size_list = frmmain::List1;
constexpr std::string_view velocity_list = frmmain::List2;
constexpr std::string_view friction_list = frmmain::List3;

// Each material is chosen by an option of the settings dialog's material
// frame, named as the dialog names it.
static_assert(std::ranges::all_of(materials, [](const Material& material) {
  return material.option == frmset::op_jd || material.option == frmset::op_ppr ||
         material.option == frmset::op_lz || material.option == frmset::op_sc;
}));

InnerDiameters inner_diameters(const MainVars& vars) {
  InnerDiameters inner{};
  for (std::size_t k = 0; k < size_count; ++k) inner[k] = vars.de[k].number(diameter_quantity);
  return inner;
}

}  // namespace

void FrmMain::load_table(const Material& material) {
  for (std::size_t k = 0; k + 1 < size_count; ++k) vars().de[k] = material.inner[k];
  vars().de[size_count - 1] = std::string(material.de110);
  coef_i_ = material.coef_i;
}

// Loads the material chosen in the settings dialog and names its table.
// The options are one exclusive group, so at most one row is loaded.
void FrmMain::set_dj() {
  const Form& settings = host_.window(frmset::name);
  for (const Material& material : materials) {
    if (settings.value(material.option) != 1) continue;
    load_table(material);
    form().set_text(frmmain::Label5, std::string(material.caption));
  }
}

std::string FrmMain::vvv(const Value& qg, const Value& dj) const {
  if (qg.equals_text("")) return "";
  return velocity_text(qg.number(flow_quantity), dj.number(diameter_quantity));
}

std::string FrmMain::iii(const Value& qg, const Value& dj) const {
  if (qg.equals_text("")) return "";
  return friction_text(qg.number(flow_quantity), dj.number(diameter_quantity), coef_i_);
}

// Lists the candidate sizes for the unrounded flow Qg, and warns when even
// the largest size listed runs faster than 2 m/s.
void FrmMain::djj_v_i() {
  Form& f = form();
  for (std::string_view list : {size_list, velocity_list, friction_list}) f.at(list).items.clear();
  const Value qg = vars().Qg;
  if (qg.equals_text("")) {
    f.set_text(frmmain::lbqg, "");
    return;
  }
  const double flow = qg.number(flow_quantity);
  f.set_text(frmmain::lbqg, "Qg=" + four_decimal_text(flow));
  list_candidates(flow);
  const ListItems& velocities = f.at(velocity_list).items;
  const bool too_fast = velocities.size() > 1 && strict_number(velocities[velocities.size() - 1], "流速") > 2;
  if (too_fast) host_.message(too_fast_warning);
}

// The candidate sizes for a flow with their velocities and 1000i through
// the table in force, each list under its header line. The lists so filled
// are noted with the flow and the material they were listed for.
void FrmMain::list_candidates(double flow) {
  Form& f = form();
  const Value qg = flow;
  const SizeRange range = candidate_sizes(flow);
  std::vector<std::string> sizes{"管径mm"}, velocities{"流速m/s"}, frictions{"1000i"};
  for (std::vector<std::string>* lines : {&sizes, &velocities, &frictions})
    lines->reserve(1 + range.end - range.first);
  for (std::size_t k = range.first; k < range.end; ++k) {
    sizes.emplace_back(nominal_sizes[k]);
    velocities.push_back(vvv(qg, vars().de[k]));
    frictions.push_back(iii(qg, vars().de[k]));
  }
  listing_ = {.flow = flow, .material = material_in_force()};
  const std::string_view lists[] = {size_list, velocity_list, friction_list};
  std::vector<std::string>* lines[] = {&sizes, &velocities, &frictions};
  for (std::size_t i = 0; i < std::size(lists); ++i) {
    f.at(lists[i]).items.assign(std::move(*lines[i]));
    listing_->lists[i] = f.at(lists[i]).items;
  }
}

// The lists of a flow through the table of the material named, which is
// in force only for them.
void FrmMain::list_again(const WindowBefore::Listed& listed) {
  const std::array<Value, size_count> table = vars().de;
  const float coef_i = coef_i_;
  for (const Material& material : materials) {
    if (material.name == listed.material) load_table(material);
  }
  list_candidates(listed.flow);
  vars().de = table;
  coef_i_ = coef_i;
}

// Chooses the size for the flow as shown in t_qg, which from here on is Qg.
void FrmMain::v_de_i() {
  Form& f = form();
  const std::string flow = f.text(frmmain::t_qg);
  if (flow.empty()) return;
  vars().Qg = flow;
  const SizeChoice choice = choose_pipe_size(flow, inner_diameters(vars()), coef_i_);
  vars().v_v = choice.velocity;
  vars().i_i = choice.friction;
  vars().de_de = std::string(choice.size);
  f.set_text(frmmain::t_de, std::string(choice.size));
}

}  // namespace aquamere
