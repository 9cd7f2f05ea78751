#include "scenario/scenario_files.h"

#include "settings/frmset.h"

namespace aquamere::scenario {

std::string ScenarioFiles::where(const std::string& path) const {
  const std::string_view named_after = default_report_path;
  if (!path.starts_with(named_after) || !std::filesystem::path(path).is_absolute()) return path;
  return (folder_ / "file.txt").string() + path.substr(named_after.size());
}

}  // namespace aquamere::scenario
