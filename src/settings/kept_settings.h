#pragma once

#include <optional>
#include <string>

namespace aquamere {

// What the program keeps from one run to the next: the report path last
// confirmed in the settings dialog, and nothing else. The desktop keeps it
// in a file of the user's settings folder; tests and tools keep nothing and
// start from the defaults.
class KeptSettings {
 public:
  virtual ~KeptSettings() = default;
  // The report path an earlier run kept; nothing when none was kept, or
  // the store cannot be read or holds no readable path.
  virtual std::optional<std::string> report_path() = 0;
  // Keeps the path for the runs to come; throws Failure with the reason
  // when it cannot.
  virtual void keep_report_path(const std::string& path) = 0;
};

// Every run starts from the defaults.
class NothingKept final : public KeptSettings {
 public:
  std::optional<std::string> report_path() override { return std::nullopt; }
  void keep_report_path(const std::string&) override {}
};

}  // namespace aquamere
