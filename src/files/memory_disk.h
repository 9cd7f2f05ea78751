#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "files/file_port.h"

namespace aquamere {

// Files held in memory by path: the disk of a chain calculated again
// before its report and journal take the place of the user's.
class MemoryDisk : public FilePort {
 public:
  std::map<std::string, std::string> files;

  void append(const std::string& path, std::string_view bytes) override { files[path].append(bytes); }
  void replace(const std::string& path, std::string_view bytes) override { files[path] = std::string(bytes); }
  void replace_atomically(const std::string& path, std::string_view bytes) override { replace(path, bytes); }
  // As on the disk: a line ends at LF, and a CR before it belongs to the end.
  void read_lines(const std::string& path, const std::function<void(std::string_view)>& line) override {
    const auto file = files.find(path);
    if (file == files.end()) throw FileFailure("无法读取", path, "文件不存在");
    std::string_view rest = file->second;
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      std::string_view text = rest.substr(0, end);
      if (end != std::string_view::npos && text.ends_with('\r')) text.remove_suffix(1);
      line(text);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
  }
  std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) override {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    const std::string& bytes = file->second;
    const std::size_t from =
        bytes.size() - static_cast<std::size_t>(std::min<std::uintmax_t>(count, bytes.size()));
    return FileTail{.size = bytes.size(), .bytes = bytes.substr(from)};
  }
  std::optional<FileIdentity> identity(const std::string& path) override {
    if (!files.contains(path)) return std::nullopt;
    return FileIdentity{1, std::hash<std::string>{}(path)};
  }
  std::optional<std::uintmax_t> size(const std::string& path) override {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second.size();
  }
  void cut(const std::string& path, std::uintmax_t size) override {
    files.at(path).resize(static_cast<std::size_t>(size));
  }
  void rename(const std::string& from, const std::string& to) override {
    const auto file = files.find(from);
    if (file == files.end()) throw FileFailure("无法替换", from, "文件不存在");
    std::string bytes = std::move(file->second);
    files.erase(file);
    files[to] = std::move(bytes);
  }
  void remove(const std::string& path) override { files.erase(path); }
  void sync_folder(const std::string&) override {}
  bool exists(const std::string& path) override { return files.contains(path); }
};

}  // namespace aquamere
