#include "scenario/scenario_files.h"

#include "settings/frmset.h"

namespace aquamere::scenario {

std::string ScenarioFiles::where(const std::string& path) const {
  if (path != default_report_path || !std::filesystem::path(path).is_absolute()) return path;
  return (folder_ / "file.txt").string();
}

}  // namespace aquamere::scenario
