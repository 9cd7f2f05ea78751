// Design flow: Uo of the household group, αc from the table, the weighted Uo
// of the groups added, and the design second flow.
#include "mainwindow/frmmain.h"
#include "mainwindow/program.h"

namespace aquamere {

void FrmMain::jsuoac() {}
void FrmMain::ac1(std::optional<double>) {}
void FrmMain::ac2(double) {}
void FrmMain::sjmll() {}
void FrmMain::qgy() {}
bool FrmMain::hu_qg() { return false; }
void FrmMain::ky1() {}
void FrmMain::jq_Uo_ac() {}
void FrmMain::nguo1() {}
void FrmMain::ngz_z() {}

}  // namespace aquamere
