#pragma once

#include "files/file_port.h"

namespace aquamere {

// The report's file port on the real file system. Every call opens the file
// and closes it before it returns; an append is one write of whole lines,
// and a write that fails part-way is cut back, so no half line stays.
class DiskFiles : public FilePort {
 public:
  void append(const std::string& path, std::string_view bytes) override;
  void replace(const std::string& path, std::string_view bytes) override;
  void replace_atomically(const std::string& path, std::string_view bytes) override;
  void read_lines(const std::string& path, const std::function<void(std::string_view line)>& line) override;
  std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) override;
  std::optional<FileIdentity> identity(const std::string& path) override;
  std::optional<std::uintmax_t> size(const std::string& path) override;
  void cut(const std::string& path, std::uintmax_t size) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  void sync_folder(const std::string& path) override;
  bool exists(const std::string& path) override;
};

}  // namespace aquamere
