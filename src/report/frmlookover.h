#pragma once

#include "common/form.h"

namespace aquamere {

class Program;

// The report viewer: one list box that shows the report's lines.
Form frmlookover_layout();
// Opening the viewer closes the run of segment lines with a summary.
void frmlookover_load(Program& program);

}  // namespace aquamere
