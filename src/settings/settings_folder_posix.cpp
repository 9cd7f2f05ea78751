#include <cstdlib>
#include <string>

#include "settings/settings_file.h"

namespace aquamere {

// As the XDG base directories say: $XDG_CONFIG_HOME when it names an
// absolute folder, otherwise ~/.config.
std::string settings_folder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/aquamere";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.config/aquamere";
  return {};
}

}  // namespace aquamere
