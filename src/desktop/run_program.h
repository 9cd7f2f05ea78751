#pragma once

class QApplication;

namespace aquamere {

// Runs Aquamere in `app`: the report on the real disk, the real message and
// input boxes, the main window shown; returns when its last window has
// closed.
int run_program(QApplication& app);

}  // namespace aquamere
