#pragma once

#include "common/event.h"
#include "common/form.h"

namespace aquamere {

class Program;

// The settings dialog: dwelling class, pipe material, local-loss
// coefficient and report path, held for the run.
Form frmset_layout();
// Shown with no material chosen, the dialog's first control, PP-R, takes the
// focus and with it the choice.
void frmset_shown(Program& program);
void frmset_handle(Program& program, const Event& event);

}  // namespace aquamere
