#include "soak/chain.h"

#include <fstream>
#include <iterator>

#include "files/disk_files.h"

namespace aquamere::soak {

std::string whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string without_last_segment(std::string_view report) {
  std::size_t last = std::string_view::npos;
  for (std::size_t start = 0; start < report.size();) {
    const std::size_t end = std::min(report.find('\n', start), report.size() - 1) + 1;
    if (end - start > 2 && report[start] == ' ' && report[start + 1] >= '0' && report[start + 1] <= '9') {
      last = start;
    }
    start = end;
  }
  if (last == std::string_view::npos) return std::string(report);
  const std::size_t end = report.find('\n', last) + 1;
  return std::string(report.substr(0, last)) + std::string(report.substr(end));
}

std::string without_last_line(std::string_view journal) {
  if (journal.empty()) return {};
  const std::size_t end = journal.rfind('\n', journal.size() - 2);
  return std::string(journal.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string take_up(const std::string& path, ProgramState& state) {
  ScriptedDialogs quiet;
  DiskFiles disk;
  Program next_day(quiet, disk);
  next_day.click("frmmain", "mnuset");
  next_day.type("frmset", "txtfile", path);
  next_day.click("frmmain", "mnuresume");
  state = next_day.state();
  return quiet.shown().empty() ? std::string() : quiet.shown().front().text;
}

}  // namespace aquamere::soak
