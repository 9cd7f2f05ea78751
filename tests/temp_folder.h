#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace aquamere {

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes. Its path is plain ASCII, so that
// `path(name)` can add a Chinese name in UTF-8 on every system.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (;;) {
      folder_ = std::filesystem::temp_directory_path() / ("aquamere-" + std::to_string(random()));
      if (std::filesystem::create_directory(folder_)) return;
    }
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { std::filesystem::remove_all(folder_); }

  std::string string() const { return folder_.string(); }
  std::string path(const std::string& name) const { return string() + "/" + name; }
  // Makes a folder inside, named in UTF-8.
  void make_folder(const std::string& name) const {
    std::filesystem::create_directory(folder_ / std::u8string(name.begin(), name.end()));
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace aquamere
