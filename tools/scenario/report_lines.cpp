#include "scenario/report_lines.h"

#include "files/disk_files.h"
#include "report/report_codec.h"

namespace aquamere::scenario {

std::vector<std::string> report_lines(const std::string& path) {
  DiskFiles files;
  ReportCodec codec;
  std::vector<std::string> lines;
  files.read_lines(path, [&](std::string_view line) { lines.push_back(codec.decode(line)); });
  return lines;
}

}  // namespace aquamere::scenario
