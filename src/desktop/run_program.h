#pragma once

class QApplication;

namespace aquamere {

class FontConfigurationReading;

// Runs Aquamere in `app`: the report on the real disk, the real message and
// input boxes, the main window shown; returns when its last window has
// closed. `fonts` is the font configuration being read since before `app`
// was made; the faces are set up once it is done.
int run_program(QApplication& app, FontConfigurationReading& fonts);

}  // namespace aquamere
