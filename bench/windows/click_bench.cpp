// The calculate click of the form model on the real disk, through the
// Windows file port, beside the least a program can do to add the same
// line to a report closed between two user actions, and its record to the
// journal beside it: CreateFileW to append, WriteFile, CloseHandle, for
// each. Rounds of each alternate, so that both see the same load on the
// machine; each click and each pair of appends is timed alone.
//
//   aquamere-click-bench [ROUNDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "common/wide_text.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "timing.h"

namespace aquamere::bench {
namespace {

constexpr double target = 2.0;
constexpr int per_round = 200;
// The engineer resets the household sums before each riser; a riser of this
// many storeys keeps ΣNg, and so the flows and sizes, those of a building.
constexpr int storeys_per_riser = 30;

void bare_append(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string last_line(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line, last;
  while (std::getline(in, line)) last = line;
  return last + "\n";
}

// A program on the real disk with a fresh report in a folder of its own and
// a household group of Ng 4 in the boxes.
struct DiskProgram {
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program{dialogs, disk};
  int storey = 0;

  explicit DiskProgram(const std::string& report) {
    program.click("frmmain", "mnuset");
    program.type("frmset", "txtfile", report);
    program.click("frmset", "cmddone");
    program.type("frmmain", "t_Ng", "4");
    program.click("frmmain", "mnukill");
  }
  double timed_click() {
    const double start = now_seconds();
    program.click("frmmain", "cmdjsmll");
    const double took = now_seconds() - start;
    if (++storey == storeys_per_riser) {
      program.click("frmmain", "mnuclear");
      storey = 0;
    }
    return took;
  }
};

}  // namespace
}  // namespace aquamere::bench

int main(int argc, char** argv) {
  using namespace aquamere;
  using namespace aquamere::bench;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "aquamere-click-bench";
  std::filesystem::create_directories(folder);
  const std::string report = (folder / "file.txt").string();
  const std::wstring wide_report = to_wide(report);
  std::vector<double> clicks, appends;
  {
    DiskProgram p(report);
    p.timed_click();
    const std::string line = last_line(report);
    const std::string record = last_line(report + ".json");
    const std::wstring wide_journal = to_wide(report + ".json");
    for (int r = 0; r < rounds; ++r) {
      for (int i = 0; i < per_round; ++i) clicks.push_back(p.timed_click());
      for (int i = 0; i < per_round; ++i) {
        const double start = now_seconds();
        bare_append(wide_report, line);
        bare_append(wide_journal, record);
        appends.push_back(now_seconds() - start);
      }
    }
    if (!p.dialogs.shown().empty()) {
      std::fprintf(stderr, "a calculate click showed a box: %s\n", p.dialogs.shown().front().text.c_str());
      return 2;
    }
  }
  std::filesystem::remove_all(folder);
  return print_row("calculate click", median(clicks), median(appends), target) ? 0 : 1;
}
