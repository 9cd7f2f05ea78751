#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "common/failure.h"
#include "files/file_port.h"
#include "program/program.h"

namespace aquamere {

// A disk in memory: files by path, with a switch that makes every access
// fail as an unwritable path would, or only the access to some paths, and
// one that lets a number of writes through before one fails, as a disk that
// is full for a moment.
class MemoryFiles : public FilePort {
 public:
  std::map<std::string, std::string> files;
  bool broken = false;
  std::set<std::string> broken_paths;
  int writes_before_failure = -1;  // below 0: no write fails
  // The write that fails is the last that reaches the disk, as when the
  // program is killed there: everything after it fails too.
  bool failure_lasts = false;
  // What the user can do about a broken path, as the disk tells it.
  FileFailure::Remedy broken_remedy = FileFailure::Remedy::None;
  // Paths that name another path's file, as a hard or symbolic link does.
  std::map<std::string, std::string> links;
  int files_read = 0;  // whole files read line by line

  void append(const std::string& path, std::string_view bytes) override {
    check_write(path);
    files[path].append(bytes);
  }
  void replace(const std::string& path, std::string_view bytes) override {
    check_write(path);
    files[path] = std::string(bytes);
  }
  // Fails before it changes anything, as the disk's atomic replace does.
  void replace_atomically(const std::string& path, std::string_view bytes) override { replace(path, bytes); }
  void read_lines(const std::string& path, const std::function<void(std::string_view)>& line) override {
    check(path);
    ++files_read;
    // As on the disk: a line ends at LF, and a CR before it belongs to the end.
    std::string_view rest = files.at(path);
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      std::string_view text = rest.substr(0, end);
      if (end != std::string_view::npos && text.ends_with('\r')) text.remove_suffix(1);
      line(text);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
  }
  std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) override {
    check(path);
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    const std::string& bytes = file->second;
    const std::size_t from =
        bytes.size() - static_cast<std::size_t>(std::min<std::uintmax_t>(count, bytes.size()));
    return FileTail{.size = bytes.size(), .bytes = bytes.substr(from)};
  }
  std::optional<FileIdentity> identity(const std::string& path) override {
    const auto link = links.find(path);
    const std::string& file = link == links.end() ? path : link->second;
    const auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    return FileIdentity{1, std::hash<std::string>{}(file)};
  }
  std::optional<std::uintmax_t> size(const std::string& path) override {
    check(path);
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second.size();
  }
  void cut(const std::string& path, std::uintmax_t size) override {
    check_write(path);
    files.at(path).resize(static_cast<std::size_t>(size));
  }
  // Each of these is a write that can fail, as a full disk fails them.
  void rename(const std::string& from, const std::string& to) override {
    check_write(from);
    const auto file = files.find(from);
    if (file == files.end()) throw FileFailure("无法替换", from, "文件不存在");
    std::string bytes = std::move(file->second);
    files.erase(file);
    files[to] = std::move(bytes);
  }
  void remove(const std::string& path) override {
    check_write(path);
    files.erase(path);
  }
  void sync_folder(const std::string& path) override { check_write(path); }
  bool exists(const std::string& path) override { return files.contains(path); }

 private:
  void check(const std::string& path) const {
    if (broken || broken_paths.contains(path)) throw FileFailure("无法打开", path, "拒绝访问", broken_remedy);
  }
  void check_write(const std::string& path) {
    check(path);
    if (writes_before_failure >= 0 && writes_before_failure-- == 0) {
      broken = failure_lasts;
      throw FileFailure("无法写入", path, "磁盘已满");
    }
  }
};

// A fresh program with a scripted dialog port and a disk in memory.
class ProgramTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  MemoryFiles disk;
  Program program{dialogs, disk};

  const Form& main() const { return *program.find_window("frmmain"); }
  const std::string& text(const char* control) const { return main().text(control); }
  const MainVars& vars() const { return program.state().main; }
  void type(const char* control, std::string text) { program.type("frmmain", control, std::move(text)); }
  void click(const char* control) { program.click("frmmain", control); }
  void double_click(const char* control) { program.double_click("frmmain", control); }
  std::vector<std::string> items(const char* control) const { return main().at(control).items.lines(); }
};

}  // namespace aquamere
