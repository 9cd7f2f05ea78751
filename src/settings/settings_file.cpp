#include "settings/settings_file.h"

#include <filesystem>

#include "common/failure.h"
#include "common/utf8.h"
#include "common/utf8_path.h"

namespace aquamere {
namespace {

constexpr std::string_view key = "report_path=";
// The file holds one short line: anything larger is no file of ours.
constexpr std::uintmax_t largest_file = std::uintmax_t{64} * 1024;

// A path as the settings dialog can hold it: UTF-8 without control
// characters, which no path of a file system has.
bool readable_path(std::string_view path) {
  while (!path.empty()) {
    const auto c = static_cast<unsigned char>(path.front());
    const std::size_t length = utf8_length(path);
    if (length == 0 || c < 0x20 || c == 0x7F) return false;
    path.remove_prefix(length);
  }
  return true;
}

std::string separator_for(const std::string& folder) {
  return folder.find('\\') != std::string::npos ? "\\" : "/";
}

}  // namespace

SettingsFile::SettingsFile(FilePort& files, std::string folder)
    : files_(files),
      folder_(std::move(folder)),
      file_(folder_.empty() ? "" : folder_ + separator_for(folder_) + "settings.txt") {}

// Read at each start, before the main window shows: one small file.
std::optional<std::string> SettingsFile::report_path() {
  if (file_.empty()) return std::nullopt;
  try {
    const std::optional<std::uintmax_t> size = files_.size(file_);
    if (!size || *size > largest_file) return std::nullopt;
    std::optional<std::string> path;
    files_.read_lines(file_, [&](std::string_view line) {
      if (!path && line.starts_with(key) && readable_path(line.substr(key.size()))) {
        path = std::string(line.substr(key.size()));
      }
    });
    return path;
  } catch (const Failure&) {
    return std::nullopt;  // unreadable: the defaults stand
  }
}

void SettingsFile::keep_report_path(const std::string& path) {
  if (file_.empty()) throw Failure("无法保存计算书保存路径：本机没有存放用户设置的文件夹。");
  std::error_code ignored;  // a folder that cannot be made fails the write below, with its reason
  std::filesystem::create_directories(utf8_path(folder_), ignored);
  const std::string text =
      "# Aquamere: 计算 → 设置参数 中确认的计算书保存路径\n" + std::string(key) + path + "\n";
  try {
    files_.replace_atomically(file_, text);
  } catch (const FileFailure& failure) {
    throw Failure(failure.about("设置文件"));
  }
}

}  // namespace aquamere
