// The report's file port on Windows. Paths are UTF-8 in the program and
// UTF-16 at CreateFileW, so a report in a folder with a Chinese name works.
// The guarantees are those of the POSIX port: every call opens and closes
// the file, an append is one write of whole lines, a write that fails
// part-way is cut back, only plain files are read or written, and opening
// never waits.
#include "files/disk_files_win32.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/failure.h"
#include "common/wide_text.h"
#include "files/disk_files.h"
#include "files/large_buffer.h"
#include "files/line_splitter.h"

namespace aquamere {

// Huge pages on Windows need a privilege a designer's account does not
// hold: buffers keep ordinary pages.
void advise_huge_pages(void*, std::size_t) {}
namespace {

DWORD attributes(const std::string& path) { return GetFileAttributesW(to_wide(path).c_str()); }

bool is_folder(const std::string& path) {
  const DWORD found = attributes(path);
  return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Some folder on the way to the file is a file itself.
bool passes_through_a_file(const std::string& path) {
  for (std::size_t end = path.find_first_of("\\/"); end != std::string::npos;
       end = path.find_first_of("\\/", end + 1)) {
    const DWORD found = attributes(path.substr(0, end));
    if (found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY) == 0) return true;
  }
  return false;
}

// A name longer than any file system of Windows takes, or a path longer than
// the system takes at all: the system reports either as a missing file.
bool too_long(std::string_view path) {
  constexpr std::size_t longest_name = 255, longest_path = 32767;
  if (to_wide(path).size() > longest_path) return true;
  while (!path.empty()) {
    const std::size_t end = std::min(path.find_first_of("\\/"), path.size());
    if (to_wide(path.substr(0, end)).size() > longest_name) return true;
    path.remove_prefix(std::min(end + 1, path.size()));
  }
  return false;
}

// Longer than MAX_PATH, on a Windows that has not been set to take such
// paths (the program declares it can in its manifest; the system must allow
// it too).
bool beyond_max_path(const std::string& path) {
  if (to_wide(path).size() < MAX_PATH) return false;
  using Enabled = BOOLEAN(WINAPI*)();
  const auto enabled = reinterpret_cast<Enabled>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlAreLongPathsEnabled")));
  return enabled == nullptr || !enabled();
}

// A character no Windows file name may hold, the drive's colon aside.
bool invalid_name(std::string_view path) {
  if (path.size() > 1 && path[1] == ':') path.remove_prefix(2);
  return std::any_of(path.begin(), path.end(), [](char c) {
    return std::string_view("<>:\"|?*").find(c) != std::string_view::npos || (c >= 0 && c < 0x20);
  });
}

// "c:\file.txt": a file in the root folder of a drive, where Windows lets
// only administrators create files.
bool in_drive_root(const std::string& path) {
  return path.size() > 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/') &&
         path.find_first_of("\\/", 3) == std::string::npos;
}

bool read_only(const std::string& path) {
  const DWORD found = attributes(path);
  return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_READONLY) != 0;
}

// A file Windows will not let a standard user create: one at a drive's
// root that is not there, or not read-only, which is refused wherever it is.
bool kept_for_administrators(const std::string& path, DWORD error) {
  return error == ERROR_ACCESS_DENIED && in_drive_root(path) && !read_only(path);
}

std::string access_denied(const std::string& path) {
  if (read_only(path)) return "文件是只读的";
  if (!in_drive_root(path)) return "没有访问权限";
  return "没有访问权限。Windows 只让管理员在磁盘的根文件夹中写文件";
}

std::string system_text(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) return "系统错误 " + std::to_string(error);
  std::string reason = to_utf8(windows_files::without_closing_stop({text, length}));
  LocalFree(text);
  return reason;
}

}  // namespace

std::wstring_view windows_files::without_closing_stop(std::wstring_view said) {
  while (!said.empty() && std::wstring_view(L"\r\n .。").find(said.back()) != std::wstring_view::npos)
    said.remove_suffix(1);
  return said;
}

// The system's reason in the user's words, as the POSIX port words errno.
// A file opened for writing is created when missing, so there a missing
// entry can only be a folder on the way to it.
std::string windows_files::reason(const std::string& path, DWORD error, bool creating) {
  if (path.empty()) return "没有给出文件名";
  if (too_long(path)) return "路径太长";
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
      if (invalid_name(path)) return "文件名中有 Windows 不允许的字符（\\ / : * ? \" < > |）";
      if (beyond_max_path(path)) return "路径太长：超过了 260 个字符，而本机的 Windows 未开启长路径支持";
      if (passes_through_a_file(path)) return "路径中有一部分不是文件夹";
      return creating || error != ERROR_FILE_NOT_FOUND ? "路径中的文件夹不存在" : "文件不存在";
    case ERROR_ACCESS_DENIED:
      return is_folder(path) ? "这是一个文件夹，不是文件" : access_denied(path);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "磁盘已满";
    case ERROR_FILE_TOO_LARGE:
      return "文件超出了系统允许的大小";
    case ERROR_FILENAME_EXCED_RANGE:
      return "路径太长";
    case ERROR_WRITE_PROTECT:
      return "文件系统是只读的";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "文件正被另一个程序占用";
    default:
      return system_text(error);
  }
}

namespace {

[[noreturn]] void fail(const char* doing, const std::string& path, DWORD error, bool creating = true) {
  const auto remedy =
      kept_for_administrators(path, error) ? FileFailure::Remedy::OwnFolder : FileFailure::Remedy::None;
  throw FileFailure(doing, path, windows_files::reason(path, error, creating), remedy);
}

[[noreturn]] void not_plain(const char* doing, const std::string& path) {
  throw FileFailure(doing, path, "这不是一个普通文件");
}

// The file is closed on every way out of a call, a failure included. A
// device (NUL, a console, a serial port) or a pipe is no report: it is
// refused as soon as it is open.
class OpenFile {
 public:
  // What a device is to the call that opens it: refused, or left alone by a
  // call that only takes back what was appended to a plain file.
  enum class Devices { Refused, Accepted };

  OpenFile(const std::string& path, DWORD access, DWORD disposition, const char* doing,
           Devices devices = Devices::Refused)
      : path_(path),
        handle_(CreateFileW(to_wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            disposition, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE)
      fail("无法打开", path_, GetLastError(), disposition != OPEN_EXISTING);
    if (devices == Devices::Refused && !on_disk()) not_plain(doing, path_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  void close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) fail("无法写入", path_, GetLastError());
  }

  bool on_disk() const { return GetFileType(handle_) == FILE_TYPE_DISK; }

  // Ends the file at `size` bytes.
  bool cut_at(LONGLONG size) {
    LARGE_INTEGER at{};
    at.QuadPart = size;
    return SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
  }

  // Writes all the bytes. Appended, each write goes to the end of the file
  // as it then is, whatever else writes the file: the handle is opened to
  // append, and each write asks for the end (an offset of all ones), which
  // Wine heeds where it does not heed the handle. When the disk takes only
  // part of them, what this call wrote is cut away again, so no half line
  // is left behind to spoil the report.
  void write_whole(std::string_view bytes, bool at_the_end) {
    std::size_t written = 0;
    while (written < bytes.size()) {
      DWORD n = 0;
      const auto size = static_cast<DWORD>(bytes.size() - written);
      OVERLAPPED end{};
      end.Offset = end.OffsetHigh = 0xFFFFFFFF;
      const BOOL wrote = WriteFile(handle_, bytes.data() + written, size, &n, at_the_end ? &end : nullptr);
      const DWORD error = wrote ? ERROR_DISK_FULL : GetLastError();
      if (!wrote || n == 0) {
        take_back(written);
        fail("无法写入", path_, error);
      }
      written += n;
    }
  }

  // The file now ends `written` bytes after where this call began: it is
  // cut there through a handle that may cut, which one that appends may not.
  void take_back(std::size_t written) {
    LARGE_INTEGER size{};
    if (written == 0 || !GetFileSizeEx(handle_, &size)) return;
    HANDLE cutter = CreateFileW(to_wide(path_).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (cutter == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER at{};
    at.QuadPart = size.QuadPart - static_cast<LONGLONG>(written);
    if (SetFilePointerEx(cutter, at, nullptr, FILE_BEGIN)) SetEndOfFile(cutter);
    CloseHandle(cutter);
  }

  void empty() { truncate(0); }

  void truncate(LONGLONG size) {
    if (!cut_at(size)) fail("无法写入", path_, GetLastError());
  }

  // The last `count` bytes of the file and its size.
  FileTail read_tail(std::uintmax_t count) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) fail("无法读取", path_, GetLastError());
    FileTail tail{.size = static_cast<std::uintmax_t>(size.QuadPart)};
    tail.bytes.resize(static_cast<std::size_t>(std::min(count, tail.size)));
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(tail.size - tail.bytes.size());
    if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) fail("无法读取", path_, GetLastError());
    std::size_t got = 0;
    while (got < tail.bytes.size()) {
      DWORD n = 0;
      const auto wanted = static_cast<DWORD>(std::min<std::size_t>(tail.bytes.size() - got, 1u << 30));
      if (!ReadFile(handle_, tail.bytes.data() + got, wanted, &n, nullptr))
        fail("无法读取", path_, GetLastError());
      if (n == 0) break;  // cut shorter meanwhile
      got += n;
    }
    tail.bytes.resize(got);
    return tail;
  }

  // Reads the next chunk into `buffer`; an empty view at the end.
  std::string_view read_chunk(std::vector<char>& buffer) {
    DWORD n = 0;
    if (!ReadFile(handle_, buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr)) {
      fail("无法读取", path_, GetLastError());
    }
    return {buffer.data(), n};
  }

 private:
  const std::string& path_;
  HANDLE handle_;
};

std::string folder_of(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string::npos) return path.substr(0, separator + 1);
  return path.size() > 1 && path[1] == ':' ? path.substr(0, 2) : std::string();
}

// A new file in the folder of the file it is to replace, named so that no
// user's file is met, and deleted again unless it was put in place. Its
// failures name the file it replaces: that is the file the user knows.
class NewFile {
 public:
  explicit NewFile(const std::string& path) : path_(path) {
    std::random_device random;
    DWORD error = ERROR_FILE_EXISTS;
    while (error == ERROR_FILE_EXISTS) {
      name_ = to_wide(folder_of(path) + ".aquamere-" + std::to_string(random()) + ".tmp");
      handle_ =
          CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      error = handle_ == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    }
    if (error != ERROR_SUCCESS) fail("无法打开", path_, error);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!placed_) DeleteFileW(name_.c_str());
  }

  void write_all(std::string_view bytes) {
    while (!bytes.empty()) {
      DWORD n = 0;
      const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      if (!WriteFile(handle_, bytes.data(), size, &n, nullptr)) fail("无法写入", path_, GetLastError());
      if (n == 0) fail("无法写入", path_, ERROR_DISK_FULL);
      bytes.remove_prefix(n);
    }
  }

  // On the disk first, then in place: a crash in between leaves the old
  // file or the new one whole, never a part of either.
  void put_in_place() {
    if (!FlushFileBuffers(handle_)) fail("无法写入", path_, GetLastError());
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) fail("无法写入", path_, GetLastError());
    if (!MoveFileExW(name_.c_str(), to_wide(path_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      fail("无法写入", path_, GetLastError());
    placed_ = true;
  }

 private:
  const std::string& path_;
  std::wstring name_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool placed_ = false;
};

}  // namespace

void DiskFiles::append(const std::string& path, std::string_view bytes) {
  OpenFile file(path, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE, OPEN_ALWAYS, "无法写入");
  if (!bytes.empty()) file.write_whole(bytes, true);
  file.close();
}

void DiskFiles::replace(const std::string& path, std::string_view bytes) {
  OpenFile file(path, GENERIC_WRITE | FILE_READ_ATTRIBUTES, OPEN_ALWAYS, "无法写入");
  file.empty();
  if (!bytes.empty()) file.write_whole(bytes, false);
  file.close();
}

void DiskFiles::replace_atomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) fail("无法打开", path, ERROR_FILE_NOT_FOUND);
  if (is_folder(path)) fail("无法打开", path, ERROR_ACCESS_DENIED);
  NewFile file(path);
  file.write_all(bytes);
  file.put_in_place();
}

// A folder is named as such, as the POSIX port does.
void DiskFiles::read_lines(const std::string& path, const std::function<void(std::string_view)>& line) {
  if (!path.empty() && is_folder(path)) {
    throw FileFailure("无法读取", path, "这是一个文件夹，不是文件");
  }
  OpenFile file(path, GENERIC_READ, OPEN_EXISTING, "无法读取");
  read_in_chunks([&](std::vector<char>& buffer) { return file.read_chunk(buffer); }, line);
}

std::optional<FileTail> DiskFiles::read_tail(const std::string& path, std::uintmax_t count) {
  if (!size(path)) return std::nullopt;
  if (is_folder(path)) throw FileFailure("无法读取", path, "这是一个文件夹，不是文件");
  OpenFile file(path, GENERIC_READ, OPEN_EXISTING, "无法读取");
  return file.read_tail(count);
}

std::optional<FileIdentity> DiskFiles::identity(const std::string& path) {
  HANDLE file = CreateFileW(to_wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber,
                      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// A missing file, or a missing folder on the way to it, has no size.
std::optional<std::uintmax_t> DiskFiles::size(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA found{};
  if (GetFileAttributesExW(to_wide(path).c_str(), GetFileExInfoStandard, &found)) {
    return (std::uintmax_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
  fail("无法读取", path, error, false);
}

void DiskFiles::cut(const std::string& path, std::uintmax_t size) {
  OpenFile file(path, GENERIC_WRITE, OPEN_EXISTING, "无法写入", OpenFile::Devices::Accepted);
  if (!file.on_disk()) return;
  file.truncate(static_cast<LONGLONG>(size));
  file.close();
}

// Written through, so the new name is on the disk when the call returns. A
// file another program holds open (Excel keeps its books so) is not moved:
// the system says it is in use, and that is the reason the user reads.
void DiskFiles::rename(const std::string& from, const std::string& to) {
  if (!MoveFileExW(to_wide(from).c_str(), to_wide(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    fail("无法替换", from, GetLastError(), false);
}

void DiskFiles::remove(const std::string& path) {
  if (!DeleteFileW(to_wide(path).c_str())) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) fail("无法删除", path, error, false);
  }
}

// Each rename is written through already; a folder has no buffers of its
// own to flush here.
void DiskFiles::sync_folder(const std::string&) {}

bool DiskFiles::exists(const std::string& path) {
  return GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace aquamere
