#pragma once

#include <memory>

#include "common/dialogs.h"
#include "files/file_port.h"
#include "scenario/driver.h"
#include "settings/kept_settings.h"

namespace aquamere::scenario {

// Plays scenarios through the Win32 front end's native controls as a user's
// input does: keystrokes and clicks as the controls' own messages (text
// replacing the selection, a button press and release, a double-click,
// menu commands, keys through the accelerators with Ctrl held in the
// keyboard state, the close box). Checks read what the controls show; only
// the public variables come from the program itself.
std::unique_ptr<Driver> make_win32_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept);

}  // namespace aquamere::scenario
