#pragma once

#include <string>

#include "program/program.h"

namespace aquamere::scenario {

// A public variable of the main window (Ng, Qg, ac, U, zg1, zg2, ng1, ng3,
// de20 … de110, de_de, v_v, i_i) or coef_i, as its general text ("" when
// empty). Throws std::invalid_argument for an unknown name.
std::string variable_text(const ProgramState& state, const std::string& name);

// The report goes where the settings dialog says; until the dialog exists,
// to the path kept by an earlier run, or "c:\file.txt".
std::string report_path(const Program& program);

}  // namespace aquamere::scenario
