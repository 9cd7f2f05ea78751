#include "desktop/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace aquamere {

// Fontconfig keeps the configuration it has read as the current one; a second
// reader racing it (Qt, had it not waited) would read its own and keep
// whichever came first, so waiting is a matter of speed, not of safety.
FontConfigurationReading::FontConfigurationReading() {
  try {
    reading_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: the reading happens later, on the main thread.
  }
}

FontConfigurationReading::~FontConfigurationReading() { wait(); }

void FontConfigurationReading::wait() {
  if (reading_.joinable()) reading_.join();
}

}  // namespace aquamere
