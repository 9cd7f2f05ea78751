// Segment entry: the group's equivalents, the segment label and the reset
// of the household sums that starts a new series of segments.
#include "common/arith.h"
#include "common/numtext.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/frmmain_placeholders.h"

namespace aquamere {

// The group brings households × household equivalents; an entry that does
// not begin with a number counts 0.
void FrmMain::update_ngz() {
  const double households = leading(frmmain::t_fz);
  const double equivalents = leading(frmmain::t_Ng);
  form().set_text(frmmain::t_ngz, number_text(arith::finite(households * equivalents, "计算当量Ng")));
}

// The n-th segment since the last reset is labelled n-(n+1).
void FrmMain::contn() {
  Form& f = form();
  const double n = number(frmmain::lab_3) + 1;
  f.set_text(frmmain::lab_3, number_text(n));
  f.set_text(frmmain::lab_2, f.text(frmmain::lab_3) + "-" + number_text(number(frmmain::lab_3) + 1));
}

void FrmMain::cleardata() {
  Form& f = form();
  vars().zg1 = "";
  vars().zg2 = "";
  vars().ng1 = "";
  vars().ng3 = "";
  f.set_text(frmmain::t_nguo, std::string(frmmain::sum_ng_placeholder));
  f.set_text(frmmain::t_ac2, std::string(frmmain::mean_alpha_c_placeholder));
  f.set_text(frmmain::txtsave, std::string(frmmain::mean_uo_placeholder));
  f.set_text(frmmain::txtnguo, std::string(frmmain::sum_shares_placeholder));
  f.set_text(frmmain::lab_3, "0");
  f.at(frmmain::t_qg).align = Align::Center;
  f.set_text(frmmain::t_qg, "");
  f.set_text(frmmain::lab_2, "0");
  f.set_text(frmmain::t_de, std::string(frmmain::size_placeholder));
}

}  // namespace aquamere
