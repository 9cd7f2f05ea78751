// The dwelling class chosen in the settings dialog presets the household
// parameters.
#include "mainwindow/frmmain.h"
#include "mainwindow/program.h"

namespace aquamere {

void FrmMain::set_styl() {}

}  // namespace aquamere
