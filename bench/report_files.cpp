#include "report_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <system_error>

#include "common/dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"

namespace aquamere::bench {
namespace {

[[noreturn]] void fail(const std::string& doing, const std::string& path) {
  throw std::system_error(errno, std::generic_category(), doing + " " + path);
}

// Lines a viewing adds to the report: the summary block and the header block.
constexpr std::size_t viewing_lines = 5 + 3;
constexpr std::size_t title_lines = 4;
constexpr std::size_t largest_batch = 32767;

void run_batch(Program& program, std::size_t segments) {
  program.type("frmmain", "t_fs", std::to_string(segments));
  program.double_click("frmmain", "t_fs");
}

}  // namespace

ScratchDir::ScratchDir() : previous_(std::filesystem::current_path()) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/aquamere-bench-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) fail("cannot make a scratch directory in", pattern);
  path_ = pattern;
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void bare_append(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) fail("cannot open", path);
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    fail("cannot write", path);
  if (::close(fd) != 0) fail("cannot close", path);
}

std::string read_whole(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail("cannot open", path);
  std::string bytes;
  constexpr std::size_t chunk = 1 << 20;
  for (;;) {
    const std::size_t at = bytes.size();
    bytes.resize(at + chunk);
    const ssize_t n = ::read(fd, bytes.data() + at, chunk);
    if (n < 0) fail("cannot read", path);
    bytes.resize(at + static_cast<std::size_t>(n));
    if (n == 0) break;
  }
  ::close(fd);
  return bytes;
}

void read_chunks(const std::string& path, const std::function<void(std::string_view)>& chunk) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail("cannot open", path);
  std::vector<char> buffer(1 << 20);
  std::string pending;  // a line cut off by the end of a chunk
  for (;;) {
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0) fail("cannot read", path);
    pending.append(buffer.data(), static_cast<std::size_t>(n));
    const std::size_t last_end = pending.rfind('\n');
    const std::size_t cut = n == 0 ? pending.size() : (last_end == std::string::npos ? 0 : last_end + 1);
    if (cut > 0) chunk(std::string_view(pending).substr(0, cut));
    pending.erase(0, cut);
    if (n == 0) break;
  }
  ::close(fd);
}

std::vector<std::string> read_lines(const std::string& path) {
  std::vector<std::string> lines;
  const std::string bytes = read_whole(path);
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const std::size_t end = rest.find("\r\n");
    lines.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
  }
  return lines;
}

void cut_to(const std::string& path, long size) {
  if (::truncate(path.c_str(), size) != 0) fail("cannot cut", path);
}

long file_size(const std::string& path) { return static_cast<long>(std::filesystem::file_size(path)); }

void build_report(const std::string& path, std::size_t lines) {
  if (lines < title_lines) throw std::invalid_argument("a report starts with its 4-line title block");
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program(dialogs, disk);
  program.click("frmmain", "mnuset");
  program.type("frmset", "txtfile", path);
  program.click("frmset", "cmddone");
  program.type("frmmain", "t_Ng", "4");
  program.click("frmmain", "mnukill");
  std::size_t written = title_lines;
  while (written + viewing_lines < lines) {
    const std::size_t segments = std::min(largest_batch, lines - written - viewing_lines);
    run_batch(program, segments);
    program.click("frmmain", "mnulook");
    program.close("frmlookover");
    written += segments + viewing_lines;
  }
  if (written < lines) run_batch(program, lines - written);
  if (read_lines(path).size() != lines)
    throw std::logic_error("the built report has the wrong number of lines");
}

long place_built_report(std::size_t lines) {
  static std::map<std::size_t, std::string> built;
  auto [it, is_new] = built.try_emplace(lines, "built-report-" + std::to_string(lines) + ".txt");
  if (is_new) build_report(it->second, lines);
  std::filesystem::copy_file(it->second, report_path, std::filesystem::copy_options::overwrite_existing);
  return file_size(report_path);
}

}  // namespace aquamere::bench
