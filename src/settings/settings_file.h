#pragma once

#include <optional>
#include <string>

#include "files/file_port.h"
#include "settings/kept_settings.h"

namespace aquamere {

// The kept settings in a small text file of their own in the user's
// settings folder, read through the file port and written whole in one step,
// so that a failed write leaves the file before it. A file that cannot be
// read or holds no readable path is passed over: the defaults stand.
class SettingsFile final : public KeptSettings {
 public:
  // `folder` is made when a path is first kept.
  SettingsFile(FilePort& files, std::string folder);

  std::optional<std::string> report_path() override;
  void keep_report_path(const std::string& path) override;

  // Where the file is.
  const std::string& file() const { return file_; }

 private:
  FilePort& files_;
  std::string folder_;
  std::string file_;
};

// The folder of the user's settings for Aquamere: "Aquamere" in %APPDATA%
// on Windows, "aquamere" in $XDG_CONFIG_HOME (or ~/.config) elsewhere; ""
// when the system names none.
std::string settings_folder();

}  // namespace aquamere
