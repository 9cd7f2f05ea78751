#pragma once

#include "common/form.h"

namespace aquamere {

// The report viewer: one list box that shows the report's lines.
Form frmlookover_layout();

}  // namespace aquamere
