#pragma once

#include <cstddef>
#include <vector>

#include "common/form.h"

namespace aquamere {

// The controls of `now` that differ from what a front end last showed,
// `shown`, by their place in the window; every control when `shown` holds
// no controls yet (a window just made). Both are the same window.
std::vector<std::size_t> changed_controls(const Form& shown, const Form& now);

// Whether the user can give the control the focus: a control in the tab
// order that is no label, frame or menu item.
bool takes_focus(const Control& control);

// The controls that take the focus, in the window's tab order: the first
// takes it when the window opens, Tab goes on to the next. The options of
// one choice stand together, where the first of them stands, so that Tab
// enters and leaves a choice once.
std::vector<const Control*> tab_order(const Form& form);

// A control's place in the window's client area: a frame's controls stand
// relative to the frame.
Rect client_rect(const Form& form, const Control& control);

}  // namespace aquamere
