#pragma once

#include <thread>

namespace aquamere {

// Before the first text is drawn, fontconfig reads the system's whole font
// configuration: some fifty files of rules, a good third of the start-up.
// Begun before the application object, the reading runs on a second core
// while Qt loads its platform and connects to the display; the program waits
// for it before it sets up its faces.
class FontConfigurationReading {
 public:
  FontConfigurationReading();
  ~FontConfigurationReading();
  FontConfigurationReading(const FontConfigurationReading&) = delete;
  FontConfigurationReading& operator=(const FontConfigurationReading&) = delete;

  // Returns once the configuration is read. Without a second thread (none
  // could be started) Qt reads it when it first needs it.
  void wait();

 private:
  std::thread reading_;
};

}  // namespace aquamere
