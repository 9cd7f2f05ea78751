#pragma once

#include <memory>

#include "common/dialogs.h"
#include "files/file_port.h"
#include "scenario/driver.h"
#include "settings/kept_settings.h"

namespace aquamere::scenario {

// Plays scenarios through the desktop's real widgets as a user would: typing
// into a box, clicking with the mouse, choosing menu items, pressing keys,
// closing windows with their close box. Checks read what the widgets show;
// only the public variables come from the program itself. The caller has
// created the QApplication, on the offscreen platform.
std::unique_ptr<Driver> make_widget_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept);

}  // namespace aquamere::scenario
