#pragma once

#include <windows.h>

#include "common/form.h"
#include "frontend/geometry.h"

namespace aquamere::win32 {

// The native control of a control of any kind but a menu item: EDIT for a
// text box (multi-line as the model says, aligned as it says), STATIC for a
// label, an unsorted LISTBOX, and BUTTON as auto check box, auto option
// button, push button or group box for a frame, made with its text or
// caption. `starts_group` begins a new group of options (and of arrow-key
// navigation) with this control.
HWND make_control(const Control& control, HWND parent, const PixelRect& at, bool starts_group, int id);

// Whether the native control is aligned as the control says. An EDIT takes
// its alignment only when made, so a changed one is made anew.
bool aligned_as(HWND native, const Control& control);

// Brings the native control in step with the control: text or caption,
// check, list lines; `before` is the control as last shown, nullptr when
// the native control is new.
void show_control(HWND native, const Control& control, const Control* before);

}  // namespace aquamere::win32
