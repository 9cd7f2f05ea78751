#pragma once

#include <QFont>
#include <QRect>
#include <optional>

#include "common/form.h"

class QApplication;

namespace aquamere {

// The layouts were drawn at 96 dots an inch, 15 twips a pixel; the desktop
// keeps that scale whatever the screen reports, fonts included, so that every
// caption fits its control as drawn.
int to_pixels(int twips);
QRect to_pixels(const Rect& rect);

// The face of a control: the model's font, or the default face at 9 pt.
// Chinese text needs a CJK face; Song (宋体) maps to the closest Song face
// installed, and every face falls back to the next one that is there.
QFont control_font(const std::optional<Font>& font);

// Style, default face and product name, and Chinese texts on the standard
// buttons of the message and input boxes: the same for the program and for
// every test that shows its windows.
void set_up_application(QApplication& app);

}  // namespace aquamere
