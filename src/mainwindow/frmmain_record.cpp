// The record of a segment for the journal beside the report: the inputs as
// the boxes hold them, the texts shown, and the unrounded numbers noted on
// the way.
#include "hydraulics/materials.h"
#include "hydraulics/pipe_sizing.h"
#include "mainwindow/frmmain.h"

namespace aquamere {
namespace {

// The material whose table is in force; the table holds no name of its own.
std::string material_name(const std::array<double, size_count>& inner, float coef_i) {
  for (const Material& material : materials) {
    bool same = material.coef_i == coef_i;
    for (std::size_t k = 0; k + 1 < size_count; ++k) same = same && material.inner[k] == inner[k];
    if (same) return std::string(material.name);
  }
  return {};
}

}  // namespace

void FrmMain::begin_segment(SegmentRecord::Command command, Calculation::Method method) {
  notes_ = {
      .command = command, .method = method, .sum_ng_before = vars().zg2, .sum_shares_before = vars().ng3};
}

Calculation FrmMain::calculation() const {
  const Form& f = form();
  const bool probability = notes_.method == Calculation::Method::Probability;
  Calculation c{.method = notes_.method,
                .household_ng = f.text("t_Ng"),
                .households = f.text("t_fz"),
                .group_ng = f.text("t_ngz"),
                .sum_ng_before = notes_.sum_ng_before,
                .sum_shares_before = notes_.sum_shares_before,
                .sum_ng = f.text("t_nguo"),
                .flush_valve = f.value("chk_d") == 1,
                .flow = notes_.flow,
                .flow_text = f.text("t_qg"),
                .coef_i = static_cast<double>(coef_i_),
                .size = vars().de_de.text(),
                .velocity = vars().v_v.text(),
                .friction = vars().i_i.text()};
  if (probability) {
    c.q0 = f.text("t_q0");
    c.m = f.text("t_m");
    c.kh = f.text("t_kh");
    c.t = f.text("t_t");
    c.uo = notes_.uo;
    c.uo_text = f.text("t_Uo");
    c.alpha_c = f.text("t_ac");
    c.alpha_c_typed = notes_.alpha_c_typed;
    c.share = notes_.share;
    c.sum_shares = f.text("txtnguo");
    c.mean_uo = notes_.mean_uo;
    c.mean_uo_text = f.text("txtsave");
    c.mean_alpha_c = f.text("t_ac2");
    c.u = notes_.u;
  } else {
    c.k = f.text("t_ky");
    c.alpha = f.text("t_ay");
  }
  for (std::size_t k = 0; k < size_count; ++k) c.inner[k] = vars().de[k].number(diameter_quantity);
  c.material = material_name(c.inner, coef_i_);
  return c;
}

}  // namespace aquamere
