#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/failure.h"

namespace aquamere {

// A file the port could not open, write or read: what was being done, the
// path and the system's reason in the user's words. Its text calls it a
// file (文件); whoever knows what the file is to the user names it so with
// `about`: the report (计算书), the Excel book, the settings file.
class FileFailure : public Failure {
 public:
  // Where the system keeps a folder for its administrators (Windows, a
  // drive's root folder), a user can only choose a folder of their own:
  // the program says where it is set.
  enum class Remedy { None, OwnFolder };

  FileFailure(std::string doing, std::string path, std::string reason, Remedy remedy = Remedy::None)
      : Failure(text(doing, "文件", path, reason)),
        doing_(std::move(doing)),
        path_(std::move(path)),
        reason_(std::move(reason)),
        remedy_(remedy) {}

  // The same failure told of the file named `file` ("Excel计算书").
  std::string about(std::string_view file) const { return text(doing_, file, path_, reason_); }
  const std::string& doing() const { return doing_; }
  const std::string& reason() const { return reason_; }
  Remedy remedy() const { return remedy_; }

 private:
  static std::string text(std::string_view doing, std::string_view file, std::string_view path,
                          std::string_view reason) {
    std::string said;
    said.append(doing).append(file).append("“").append(path).append("”：").append(reason);
    if (!said.ends_with("。")) said += "。";
    return said;
  }

  std::string doing_, path_, reason_;
  Remedy remedy_;
};

// Which file a path names, as the file system tells files apart: the device
// and inode on POSIX, the volume serial number and file index on Windows.
// Two paths of one file (a hard or symbolic link) have the same identity.
struct FileIdentity {
  std::uint64_t volume = 0, file = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The end of a file: its size when it was read and its last bytes.
struct FileTail {
  std::uintmax_t size = 0;
  std::string bytes;
};

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
  // Writes the bytes to a new file in the same folder, flushes them to the
  // disk and puts the file in place of `path` in one step. On any failure
  // `path` is as it was and no new file is left behind. Only a plain file
  // (or none) is replaced; a symbolic link keeps pointing at the new file.
  virtual void replace_atomically(const std::string& path, std::string_view bytes) = 0;
  // Calls `line` for each line of the file, without its line end, in order.
  virtual void read_lines(const std::string& path,
                          const std::function<void(std::string_view line)>& line) = 0;
  // The last `count` bytes of the file (all of it when it is shorter) and
  // its size, read in one opening; nothing when there is no such file. Only
  // a plain file is read: the end of a device is no report's.
  virtual std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) = 0;
  // The identity of the file at the path; nothing when there is no such
  // file or the system cannot tell.
  virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
  // The file's size in bytes; nothing when there is no such file.
  virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
  // Cuts the file back to its first `size` bytes, taking back what an event
  // appended but cannot keep. A file that is no plain file (a device) holds
  // nothing to take back and is left alone.
  virtual void cut(const std::string& path, std::uintmax_t size) = 0;
  // Gives the file at `from` the name `to` in the same folder in one step,
  // replacing a file there. A file another program holds open is not moved.
  virtual void rename(const std::string& from, const std::string& to) = 0;
  // Removes the file; nothing when there is none.
  virtual void remove(const std::string& path) = 0;
  // Puts the names in the folder of `path` on the disk as they now stand,
  // so that the renames before it outlast a crash.
  virtual void sync_folder(const std::string& path) = 0;
  // Whether there is a file at the path.
  virtual bool exists(const std::string& path) = 0;
};

}  // namespace aquamere
