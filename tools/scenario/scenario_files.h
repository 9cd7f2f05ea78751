#pragma once

#include <filesystem>
#include <string>

#include "files/file_port.h"

namespace aquamere::scenario {

// The disk as a scenario sees it: the real one, except that the default
// report path, and the files named after it (its journal, its book), are
// kept inside the scenario's own folder. Where that path is relative (POSIX,
// where "c:\file.txt" is a file name) they land there by themselves; where
// it is absolute (Windows, the root of drive C:), they are sent there, so
// that scenarios played side by side never share one report.
class ScenarioFiles : public FilePort {
 public:
  ScenarioFiles(FilePort& disk, std::filesystem::path folder) : disk_(disk), folder_(std::move(folder)) {}

  // Where a report path of the program is on the disk.
  std::string where(const std::string& path) const;

  void append(const std::string& path, std::string_view bytes) override { disk_.append(where(path), bytes); }
  void replace(const std::string& path, std::string_view bytes) override {
    disk_.replace(where(path), bytes);
  }
  void replace_atomically(const std::string& path, std::string_view bytes) override {
    disk_.replace_atomically(where(path), bytes);
  }
  void read_lines(const std::string& path, const std::function<void(std::string_view line)>& line) override {
    disk_.read_lines(where(path), line);
  }
  std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) override {
    return disk_.read_tail(where(path), count);
  }
  std::optional<FileIdentity> identity(const std::string& path) override {
    return disk_.identity(where(path));
  }
  std::optional<std::uintmax_t> size(const std::string& path) override { return disk_.size(where(path)); }
  void cut(const std::string& path, std::uintmax_t size) override { disk_.cut(where(path), size); }
  void rename(const std::string& from, const std::string& to) override {
    disk_.rename(where(from), where(to));
  }
  void remove(const std::string& path) override { disk_.remove(where(path)); }
  void sync_folder(const std::string& path) override { disk_.sync_folder(where(path)); }
  bool exists(const std::string& path) override { return disk_.exists(where(path)); }

 private:
  FilePort& disk_;
  std::filesystem::path folder_;
};

}  // namespace aquamere::scenario
