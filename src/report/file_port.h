#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace aquamere {

// The report's way to the disk: every call opens the file, does its one job
// and closes it again, so the file is never held open between two user
// actions. Each call throws Failure (naming the path and the system's
// reason) when the file cannot be opened, written or read.
class FilePort {
 public:
  virtual ~FilePort() = default;
  // Appends the bytes in one write, creating the file when missing.
  virtual void append(const std::string& path, std::string_view bytes) = 0;
  // Cuts the file to nothing (creating it) and writes the bytes.
  virtual void replace(const std::string& path, std::string_view bytes) = 0;
  // Calls `line` for each line of the file, without its line end, in order.
  virtual void read_lines(const std::string& path,
                          const std::function<void(std::string_view line)>& line) = 0;
  // The file's size in bytes; nothing when there is no such file.
  virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
  // Cuts the file back to its first `size` bytes, taking back what an event
  // appended but cannot keep. A file that is no plain file (a device) holds
  // nothing to take back and is left alone.
  virtual void cut(const std::string& path, std::uintmax_t size) = 0;
};

}  // namespace aquamere
