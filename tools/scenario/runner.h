#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "files/file_port.h"
#include "scenario/driver.h"
#include "settings/kept_settings.h"

namespace aquamere::scenario {

using DriverFactory = std::function<std::unique_ptr<Driver>(DialogPort&, FilePort&, KeptSettings&)>;

struct Outcome {
  bool passed = true;
  std::vector<std::string> problems;  // "FILE:LINE: expected … got …"
};

// Plays one scenario file against a fresh program in a fresh empty working
// directory, which also holds the program's settings folder ("settings"),
// so that every scenario starts from the defaults. With a non-empty `keep`,
// that directory is kept as keep/<file name without extension>; otherwise
// it is removed afterwards.
Outcome run_scenario(const std::string& file, const DriverFactory& make_driver, const std::string& keep);

}  // namespace aquamere::scenario
