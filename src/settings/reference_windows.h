#pragma once

#include "common/form.h"

namespace aquamere {

// The five read-only reference windows of the help menu. Their contents are
// constants of the windows themselves: nothing reads them and they change
// nothing else.

// frma: the coefficient α of the coefficient method by building use.
Form frma_layout();
// Fills the two lists, row n of one beside row n of the other.
void frma_fill(Form& window);

// Frmdj2: nominal and inner diameters of PP-R pipe.
Form frmdj2_layout();
void frmdj2_fill(Form& window);

// Fmuo: the Uo–αc table as text.
Form fmuo_layout();

// frmv: velocity limits of domestic supply pipes.
Form frmv_layout();

// frmabout: the product and its version.
Form frmabout_layout();

}  // namespace aquamere
