#pragma once

#include "common/form.h"

namespace aquamere {

// The settings dialog: dwelling class, pipe material, local-loss
// coefficient and report path, held for the run.
Form frmset_layout();
// Shown with no material chosen, the dialog's first control, PP-R, takes the
// focus and with it the choice.
void frmset_shown(Form& frmset);

}  // namespace aquamere
