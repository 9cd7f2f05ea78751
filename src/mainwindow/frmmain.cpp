#include "mainwindow/frmmain.h"

#include "common/convert.h"
#include "hydraulics/materials.h"

namespace aquamere {

double FrmMain::number(std::string_view control) const {
  const Control& box = form().at(control);
  return strict_number(box.text, box.label);
}

double FrmMain::leading(std::string_view control) const {
  const Control& box = form().at(control);
  return leading_number(box.text, box.label);
}

// Load step: the running sum Σ(Ng·Uo) starts at 0 and the PP-R table is in
// force. No control is touched: the table label already names PP-R.
void FrmMain::load() {
  vars().ng3 = Fixed4();
  load_table(ppr);
}

void FrmMain::handle(const Event& event) {
  const std::string& c = event.control;
  switch (event.type) {
    case Event::Type::Change:
      if (c == frmmain::t_fz || c == frmmain::t_Ng) update_ngz();
      break;
    case Event::Type::Click:
      if (c == frmmain::cmdjsmll)
        cmdjsmll_click();
      else if (c == frmmain::chk_j)
        chk_j_click();
      else if (form().at(c).kind == Kind::MenuItem)
        menu_click(c);
      break;
    case Event::Type::DoubleClick:
      if (c.empty())
        form_dblclick();
      else if (c == frmmain::t_fs)
        t_fs_dblclick();
      else if (c == frmmain::t_Ng)
        t_Ng_dblclick();
      else if (c == frmmain::t_qg)
        t_qg_dblclick();
      else if (c == frmmain::txtsave)
        cleardata();
      break;
    case Event::Type::Select:  // the result lists answer no choice of a line
    case Event::Type::Close:
      break;
  }
}

}  // namespace aquamere
