// Pipe table in force, velocity, 1000i, the candidate listing and the
// automatic size choice.
#include "mainwindow/frmmain.h"
#include "mainwindow/program.h"

namespace aquamere {

void FrmMain::set_dj() {}
std::string FrmMain::vvv(const Value&, const Value&) const { return {}; }
std::string FrmMain::iii(const Value&, const Value&) const { return {}; }
void FrmMain::djj_v_i() {}
void FrmMain::v_de_i() {}

}  // namespace aquamere
