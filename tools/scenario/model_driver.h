#pragma once

#include <memory>

#include "common/dialogs.h"
#include "files/file_port.h"
#include "scenario/driver.h"
#include "settings/kept_settings.h"

namespace aquamere::scenario {

// Plays scenarios straight into the form model; checks read the model.
std::unique_ptr<Driver> make_model_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept);

}  // namespace aquamere::scenario
