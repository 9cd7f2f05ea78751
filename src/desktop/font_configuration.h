#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace aquamere {

// Before the first text is drawn, fontconfig reads the system's whole font
// configuration, some fifty files of rules, and Qt fills its font database
// from it: a good third of the start-up. Begun before the application
// object, the reading runs on a second core while Qt loads its platform and
// connects to the display; once the application object exists, the same
// thread fills Qt's font database while the program builds what needs no
// face, its menus.
class FontConfigurationReading {
 public:
  FontConfigurationReading();
  ~FontConfigurationReading();
  FontConfigurationReading(const FontConfigurationReading&) = delete;
  FontConfigurationReading& operator=(const FontConfigurationReading&) = delete;

  // The application object exists: Qt's font database may be filled.
  void application_made();
  // Returns once the configuration is read. Qt's font database may still be
  // filling; Qt's own lock makes whatever needs it wait for it.
  void wait();

 private:
  void read();

  std::mutex mutex_;
  std::condition_variable changed_;
  bool configuration_read_ = false;
  bool application_made_ = false;
  bool leaving_ = false;
  std::thread reading_;
};

}  // namespace aquamere
