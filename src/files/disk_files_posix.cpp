#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/failure.h"
#include "files/disk_files.h"
#include "files/large_buffer.h"
#include "files/line_splitter.h"

namespace aquamere {

void advise_huge_pages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  // Smaller buffers gain nothing: a huge page is two megabytes.
  constexpr std::size_t worth = std::size_t{4} << 20;
  if (bytes < worth) return;
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  const std::size_t head = (page - reinterpret_cast<std::uintptr_t>(data) % page) % page;
  // Advice only: where it is not taken, the buffer has ordinary pages.
  ::madvise(static_cast<char*>(data) + head, (bytes - head) / page * page, MADV_HUGEPAGE);
#else
  static_cast<void>(data);
  static_cast<void>(bytes);
#endif
}
namespace {

// Whether the folder a path names its file in is there: a file that cannot
// be created in a folder that is there is refused by the file system
// itself, as /proc and /sys refuse every new file.
bool folder_exists(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  struct stat status {};
  return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The system's reason in the user's words; the rarer ones as the system
// words them. A file opened for writing is created when missing, so there a
// missing entry can only be a folder on the way to it.
std::string reason(const std::string& path, int error, bool creating) {
  switch (error) {
    case ENOENT:
      if (path.empty()) return "没有给出文件名";
      if (!creating) return "文件不存在";
      return folder_exists(path) ? "文件夹所在的文件系统不允许在其中新建文件（系统的特殊文件夹，如/proc）"
                                 : "路径中的文件夹不存在";
    case ENOTDIR:
      return "路径中有一部分不是文件夹";
    case EISDIR:
      return "这是一个文件夹，不是文件";
    case EACCES:
    case EPERM:
      return "没有访问权限";
    case ENOSPC:
    case EDQUOT:
      return "磁盘已满";
    case EFBIG:
      return "文件超出了系统允许的大小";
    case ENAMETOOLONG:
      return "路径太长";
    case EROFS:
      return "文件系统是只读的";
    default:
      return std::strerror(error);
  }
}

[[noreturn]] void fail(const char* doing, const std::string& path, int error, bool creating = true) {
  throw FileFailure(doing, path, reason(path, error, creating));
}

[[noreturn]] void not_plain(const char* doing, const std::string& path) {
  throw FileFailure(doing, path, "这不是一个普通文件");
}

// The file is closed on every way out of a call, a failure included. It is
// opened without waiting, so a path naming a pipe nobody reads fails at once
// instead of hanging the program.
class OpenFile {
 public:
  // What a missing file is to the call that opens it: a failure, or no file.
  enum class Missing { Fails, Allowed };

  OpenFile(const std::string& path, int flags, Missing missing = Missing::Fails)
      : path_(path), fd_(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666)) {
    if (fd_ < 0 && !(errno == ENOENT && missing == Missing::Allowed)) {
      fail("无法打开", path_, errno, (flags & O_CREAT) != 0);
    }
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }

  // A close that fails can report a write the disk did not take.
  void close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) fail("无法写入", path_, errno);
  }

  // Writes all the bytes at the end of the file. When the disk takes only
  // part of them, the file is cut back to where it ended before, so no half
  // line is left behind to spoil the report.
  void write_whole(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int error = n < 0 ? errno : ENOSPC;
        cut_back(written);
        fail("无法写入", path_, error);
      }
      written += static_cast<std::size_t>(n);
    }
  }

  // Where the file ended before is found only when a write fails: the
  // file is then `written` bytes longer than it was. A device such as
  // /dev/full is no plain file and holds no lines to spoil.
  void cut_back(std::size_t written) {
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return;
    const off_t before = status.st_size - static_cast<off_t>(written);
    if (before >= 0 && ::ftruncate(fd_, before) != 0) {
      // Nothing more can be done: the failure to write is reported.
    }
  }

  // A report is read only from a plain file: a device such as /dev/zero or
  // /dev/full never ends, and a pipe may never deliver. Returns its size.
  std::uintmax_t require_plain_file() {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) fail("无法读取", path_, errno);
    if (S_ISDIR(status.st_mode)) fail("无法读取", path_, EISDIR);
    if (!S_ISREG(status.st_mode)) not_plain("无法读取", path_);
    return static_cast<std::uintmax_t>(status.st_size);
  }

  bool exists() const { return fd_ >= 0; }

  // The last `count` bytes of a plain file and its size.
  FileTail read_tail(std::uintmax_t count) {
    FileTail tail{.size = require_plain_file()};
    const auto bytes = static_cast<std::size_t>(std::min(count, tail.size));
    reserve_large(tail.bytes, bytes);
    tail.bytes.resize(bytes);
    std::size_t got = 0;
    while (got < tail.bytes.size()) {
      const auto at = static_cast<off_t>(tail.size - tail.bytes.size() + got);
      const ssize_t n = ::pread(fd_, tail.bytes.data() + got, tail.bytes.size() - got, at);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) fail("无法读取", path_, errno);
      if (n == 0) break;  // cut shorter meanwhile
      got += static_cast<std::size_t>(n);
    }
    tail.bytes.resize(got);
    return tail;
  }

  // Reads the next chunk into `buffer`; an empty view at the end.
  std::string_view read_chunk(std::vector<char>& buffer) {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
      if (n >= 0) return {buffer.data(), static_cast<std::size_t>(n)};
      if (errno != EINTR) fail("无法读取", path_, errno);
    }
  }

 private:
  const std::string& path_;
  int fd_;
};

void write_file(const std::string& path, int flags, std::string_view bytes) {
  OpenFile file(path, O_WRONLY | O_CREAT | flags);
  if (!bytes.empty()) file.write_whole(bytes);
  file.close();
}

// The file a write to `path` reaches: a symbolic link's target, so that the
// link keeps pointing at the file written.
std::string followed(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  char target[PATH_MAX];
  return ::realpath(path.c_str(), target) != nullptr ? std::string(target) : path;
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new file in the folder of the file it is to replace, named so that no
// user's file is met, and removed again unless it was put in place. Its
// failures name the file it replaces: that is the file the user knows.
class NewFile {
 public:
  // `place` is the file replaced, `path` the name the user gave it.
  NewFile(const std::string& place, const std::string& path) : place_(place), path_(path) {
    std::random_device random;
    do {
      name_ = folder_of(place_) + ".aquamere-" + std::to_string(random()) + ".tmp";
      fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd_ < 0 && errno == EEXIST);
    if (fd_ < 0) fail("无法打开", path_, errno);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!placed_) ::unlink(name_.c_str());
  }

  void write_all(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) fail("无法写入", path_, n < 0 ? errno : ENOSPC);
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  // The replaced file's permissions go over to its successor.
  void take_mode(mode_t mode) {
    if (::fchmod(fd_, mode & 07777) != 0) fail("无法写入", path_, errno);
  }

  // On the disk first, then in place: a crash in between leaves the old
  // file or the new one whole, never a part of either.
  void put_in_place() {
    if (::fsync(fd_) != 0) fail("无法写入", path_, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail("无法写入", path_, errno);
    if (::rename(name_.c_str(), place_.c_str()) != 0) fail("无法写入", path_, errno);
    placed_ = true;
    const std::string folder = folder_of(place_);
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);  // the rename on the disk too, where the system can say so
      ::close(dir);
    }
  }

 private:
  const std::string& place_;
  const std::string& path_;
  std::string name_;
  int fd_ = -1;
  bool placed_ = false;
};

}  // namespace

void DiskFiles::append(const std::string& path, std::string_view bytes) { write_file(path, O_APPEND, bytes); }

void DiskFiles::replace(const std::string& path, std::string_view bytes) { write_file(path, O_TRUNC, bytes); }

void DiskFiles::replace_atomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) fail("无法打开", path, ENOENT);
  const std::string target = followed(path);
  struct stat status {};
  const bool exists = ::stat(target.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) fail("无法打开", path, errno);
  if (exists && S_ISDIR(status.st_mode)) fail("无法打开", path, EISDIR);
  if (exists && !S_ISREG(status.st_mode)) not_plain("无法写入", path);
  NewFile file(target, path);
  file.write_all(bytes);
  if (exists) file.take_mode(status.st_mode);
  file.put_in_place();
}

void DiskFiles::read_lines(const std::string& path, const std::function<void(std::string_view)>& line) {
  OpenFile file(path, O_RDONLY);
  file.require_plain_file();
  read_in_chunks([&](std::vector<char>& buffer) { return file.read_chunk(buffer); }, line);
}

std::optional<FileTail> DiskFiles::read_tail(const std::string& path, std::uintmax_t count) {
  OpenFile file(path, O_RDONLY, OpenFile::Missing::Allowed);
  if (!file.exists()) return std::nullopt;
  return file.read_tail(count);
}

std::optional<FileIdentity> DiskFiles::identity(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<std::uintmax_t> DiskFiles::size(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return static_cast<std::uintmax_t>(status.st_size);
  if (errno == ENOENT) return std::nullopt;
  fail("无法读取", path, errno, false);
}

// By name, without opening the file: two calls to the system where
// opening, checking, cutting and closing took four. Undo cuts two files,
// and the calls are most of its time.
void DiskFiles::cut(const std::string& path, std::uintmax_t size) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) fail("无法打开", path, errno, false);
  if (S_ISDIR(status.st_mode)) fail("无法打开", path, EISDIR);
  if (!S_ISREG(status.st_mode)) return;  // a device keeps what it has
  while (::truncate(path.c_str(), static_cast<off_t>(size)) != 0) {
    if (errno != EINTR) fail("无法写入", path, errno);
  }
}

void DiskFiles::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) fail("无法替换", from, errno, false);
}

void DiskFiles::remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) fail("无法删除", path, errno, false);
}

// A file system that cannot flush a folder (EINVAL) keeps its names as it
// keeps them; nothing more can be asked of it.
void DiskFiles::sync_folder(const std::string& path) {
  const std::string folder = folder_of(path);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) fail("无法写入", path, errno);
  const int synced = ::fsync(dir);
  const int error = errno;
  ::close(dir);
  if (synced != 0 && error != EINVAL) fail("无法写入", path, error);
}

bool DiskFiles::exists(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

}  // namespace aquamere
