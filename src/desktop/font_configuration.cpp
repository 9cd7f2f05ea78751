#include "desktop/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

namespace aquamere {

// Fontconfig keeps the configuration it has read as the current one; a second
// reader racing it (Qt, had it not waited) would read its own and keep
// whichever came first, so waiting is a matter of speed, not of safety. Qt's
// font database is safe to fill from any thread.
FontConfigurationReading::FontConfigurationReading() {
  try {
    reading_ = std::thread([this] { read(); });
  } catch (const std::system_error&) {
    // No thread to spare: the reading happens later, on the main thread.
    configuration_read_ = true;
  }
}

FontConfigurationReading::~FontConfigurationReading() {
  {
    const std::lock_guard lock(mutex_);
    leaving_ = true;
  }
  changed_.notify_all();
  if (reading_.joinable()) reading_.join();
}

void FontConfigurationReading::read() {
  FcInit();
  std::unique_lock lock(mutex_);
  configuration_read_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return application_made_ || leaving_; });
  if (leaving_) return;
  lock.unlock();
  QFontDatabase::families();
}

void FontConfigurationReading::application_made() {
  {
    const std::lock_guard lock(mutex_);
    application_made_ = true;
  }
  changed_.notify_all();
}

void FontConfigurationReading::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return configuration_read_; });
}

}  // namespace aquamere
