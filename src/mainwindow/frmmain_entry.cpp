// Segment entry: the group's equivalents, the segment label and the reset
// of the household sums that starts a new series of segments.
#include "common/arith.h"
#include "common/numtext.h"
#include "mainwindow/frmmain.h"

namespace aquamere {

// The group brings households × household equivalents; an entry that does
// not begin with a number counts 0.
void FrmMain::update_ngz() {
  const double households = leading("t_fz");
  const double equivalents = leading("t_Ng");
  form().set_text("t_ngz", number_text(arith::finite(households * equivalents, "计算当量Ng")));
}

// The n-th segment since the last reset is labelled n-(n+1).
void FrmMain::contn() {
  Form& f = form();
  const double n = number("lab_3") + 1;
  f.set_text("lab_3", number_text(n));
  f.set_text("lab_2", f.text("lab_3") + "-" + number_text(number("lab_3") + 1));
}

void FrmMain::cleardata() {
  Form& f = form();
  vars().zg1 = "";
  vars().zg2 = "";
  vars().ng1 = "";
  vars().ng3 = "";
  f.set_text("t_nguo", "∑Ng");
  f.set_text("t_ac2", "αc");
  f.set_text("txtsave", "ΣUo");
  f.set_text("txtnguo", "∑(Ng X Uo)");
  f.set_text("lab_3", "0");
  f.at("t_qg").align = Align::Center;
  f.set_text("t_qg", "");
  f.set_text("lab_2", "0");
  f.set_text("t_de", "管径");
}

}  // namespace aquamere
