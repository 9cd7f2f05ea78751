// Design flow: Uo of the household group, αc from the table, the weighted Uo
// of the groups added, and the design second flow.
#include <string_view>

#include "common/arith.h"
#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "designflow/alpha_c_table.h"
#include "designflow/design_flow.h"
#include "designflow/outflow_probability.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/frmmain_placeholders.h"

namespace aquamere {
namespace {

void clear_result_lists(Form& form) {
  for (std::string_view list : {frmmain::List1, frmmain::List2, frmmain::List3}) form.at(list).items.clear();
  form.set_text(frmmain::lbqg, "");
}

}  // namespace

// Uo of the household group in t_Uo and its αc in t_ac and ac. Without the
// household parameters or the household's equivalents the command cannot go
// on: the user is told which is missing and the command ends.
void FrmMain::jsuoac() {
  Form& f = form();
  f.set_text(frmmain::t_Uo, "");
  for (std::string_view box : {frmmain::t_q0, frmmain::t_m, frmmain::t_kh, frmmain::t_t}) {
    if (f.text(box).empty()) refuse("  条件不足");
  }
  if (f.text(frmmain::t_Ng).empty()) {
    f.set_text(frmmain::t_ac, "");
    refuse("请先给出户当量(节点当量)");
  }
  const double uo =
      average_outflow_probability({number(frmmain::t_q0), number(frmmain::t_m), number(frmmain::t_kh),
                                   number(frmmain::t_t), number(frmmain::t_Ng)});
  f.set_text(frmmain::t_Uo, four_decimal_text(uo));
  notes_.uo = uo;
  ac1(uo);
  vars().ac = leading(frmmain::t_ac);
}

// αc of a single household group. Below the table the design code leaves αc
// to the designer, who types it in; the answer stands as typed.
void FrmMain::ac1(std::optional<double> uo) {
  Form& f = form();
  if (!uo) return;
  const AlphaCLookup lookup = look_up_alpha_c(*uo);
  notes_.alpha_c_typed = lookup.range == AlphaCLookup::Range::Below;
  if (notes_.alpha_c_typed) {
    f.set_text(frmmain::t_ac, host_.input("αc值请自定："));
  } else {
    f.set_text(frmmain::t_ac, alpha_c_text(lookup));
  }
}

// αc of the weighted mean Uo. A mean below 1 % means households with too many
// fixtures for the table: the command ends. A mean of exactly 0 (groups
// without consumption) leaves t_ac2 as it is.
void FrmMain::ac2(double uo) {
  Form& f = form();
  const AlphaCLookup lookup = look_up_alpha_c(uo);
  if (lookup.range != AlphaCLookup::Range::Below) {
    f.set_text(frmmain::t_ac2, alpha_c_text(lookup));
  } else if (uo != 0) {
    f.set_text(frmmain::t_ac2, "");
    refuse("户当量过大");
  }
}

void FrmMain::refuse(std::string_view text) {
  host_.message(text);
  throw Refusal();
}

// Probability method: U and Qg of the segment from ac and ΣNg. Without αc or
// equivalents there is no flow to compute and t_qg keeps the last one.
void FrmMain::sjmll() {
  Form& f = form();
  clear_result_lists(f);
  if (vars().ac.equals_text("") || vars().Ng.equals_text("")) return;
  const double ng = vars().Ng.number(f.at(frmmain::t_nguo).label);
  if (ng == 0) return;
  const double u = simultaneous_outflow_probability(vars().ac.number(f.at(frmmain::t_ac2).label), ng);
  const double qg = with_flush_valve(probability_method_flow(u, ng), f.value(frmmain::chk_d) == 1);
  vars().U = u;
  vars().Qg = qg;
  notes_.u = u;
  notes_.flow = qg;
  f.set_text(frmmain::t_qg, four_decimal_text(qg));
}

// Coefficient method for buildings of concentrated use, from ΣNg, α and k.
void FrmMain::qgy() {
  Form& f = form();
  const double sum_ng = number(frmmain::t_nguo);
  const double flow = coefficient_method_flow(number(frmmain::t_ay), number(frmmain::t_ky), sum_ng);
  const double qg = with_flush_valve(flow, f.value(frmmain::chk_d) == 1);
  vars().Qg = qg;
  notes_.flow = qg;
  f.set_text(frmmain::t_qg, four_decimal_text(qg));
}

// The design flow of one household alone, shown in t_qg only: U and Qg keep
// the segment's values. U passes through its 15-digit text, as the flow of
// the household is worked from the U a designer would read.
bool FrmMain::hu_qg() {
  Form& f = form();
  clear_result_lists(f);
  const double alpha_c = leading(frmmain::t_ac);
  const double ng = leading(frmmain::t_Ng);
  if (ng == 0) return false;
  const double u = strict_number(number_text(simultaneous_outflow_probability(alpha_c, ng)), "U");
  const double flow = with_flush_valve(probability_method_flow(u, ng), f.value(frmmain::chk_d) == 1);
  f.set_text(frmmain::t_qg, four_decimal_text(flow));
  return true;
}

// The segment sequence's check of the flow after sizing: its value is used
// nowhere, so there is nothing to do.
void FrmMain::ky1() {}

// The group joins the segment's sums; the weighted mean Uo and its αc follow.
void FrmMain::jq_Uo_ac() {
  Form& f = form();
  nguo1();
  ngz_z();
  if (f.text(frmmain::txtnguo) == frmmain::sum_shares_placeholder ||
      f.text(frmmain::t_nguo) == frmmain::sum_ng_placeholder) {
    return;
  }
  // The mean is taken from the sums as shown, Σ(Ng·Uo/100) already rounded.
  const double mean = weighted_mean_outflow_probability(leading(frmmain::txtnguo), leading(frmmain::t_nguo));
  notes_.mean_uo = mean;
  f.set_text(frmmain::txtsave, four_decimal_text(mean));
  ac2(mean);
  vars().ac = f.text(frmmain::t_ac2);
}

// Σ(Ng·Uo/100) gains the current group, kept to four decimals.
void FrmMain::nguo1() {
  Form& f = form();
  if (f.text(frmmain::t_Uo).empty() || f.text(frmmain::t_ngz).empty()) {
    f.set_text(frmmain::txtnguo, std::string(frmmain::sum_shares_placeholder));
    return;
  }
  vars().ng1 = outflow_share(number(frmmain::t_ngz), number(frmmain::t_Uo));
  notes_.share = vars().ng1.number("");
  const std::string_view sum_shares = f.at(frmmain::txtnguo).label;
  const double sum = vars().ng3.leading(sum_shares) + vars().ng1.leading(sum_shares);
  vars().ng3 = Fixed4::from(sum);
  f.set_text(frmmain::txtnguo, vars().ng3.text());
}

// ΣNg gains the current group; an entry that is no number counts 0.
void FrmMain::ngz_z() {
  Form& f = form();
  vars().zg1 = leading(frmmain::t_ngz);
  const std::string_view sum_ng = f.at(frmmain::t_nguo).label;
  vars().zg2 = arith::finite(vars().zg2.leading(sum_ng) + vars().zg1.leading(sum_ng), sum_ng);
  f.set_text(frmmain::t_nguo, vars().zg2.text());
  vars().Ng = leading(frmmain::t_nguo);
}

}  // namespace aquamere
