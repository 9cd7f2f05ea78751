#pragma once

#include <string_view>

#include "common/form.h"

namespace aquamere {

// Where the report goes until the user sets another path.
inline constexpr std::string_view default_report_path = "c:\\file.txt";

// The settings dialog: dwelling class, pipe material, local-loss
// coefficient and report path, held for the run.
Form frmset_layout();
// Shown with no material chosen, the dialog's first control, PP-R, takes the
// focus and with it the choice.
void frmset_shown(Form& dialog);

}  // namespace aquamere
