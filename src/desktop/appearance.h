#pragma once

#include <QFont>
#include <QRect>
#include <optional>

#include "common/form.h"
#include "frontend/geometry.h"

class QApplication;

namespace aquamere {

// The desktop keeps the layouts' scale, 96 dots an inch, whatever the screen
// reports, fonts included, so that every caption fits its control as drawn.
QRect qt_rect(const Rect& rect);

// The face of a control: the model's font, or the default face at 9 pt.
// Chinese text needs a CJK face; Song (宋体) maps to the closest Song face
// installed, and every face falls back to the next one that is there.
QFont control_font(const std::optional<Font>& font);

// Style, default face and product name, and Chinese texts on the standard
// buttons of the message and input boxes: the same for the program and for
// every test that shows its windows.
void set_up_application(QApplication& app);

}  // namespace aquamere
