// aquamere-scenario [--gui] [--keep DIR] FILE...
// Plays scenario files against a fresh program each, in the form model or,
// with --gui, through the real controls of the build's front end.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "scenario/gui_mode.h"
#include "scenario/model_driver.h"
#include "scenario/runner.h"

namespace {

using namespace aquamere::scenario;

struct Options {
  bool gui = false;
  std::string keep;
  std::vector<std::string> files;
};

bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--gui") {
      options.gui = true;
    } else if (arg == "--keep" && i + 1 < argc) {
      options.keep = argv[++i];
    } else if (arg.starts_with("--")) {
      return false;
    } else {
      options.files.push_back(arg);
    }
  }
  return !options.files.empty();
}

int play_all(const Options& options, const DriverFactory& factory) {
  int passed = 0, failed = 0;
  for (const std::string& file : options.files) {
    const Outcome outcome = run_scenario(file, factory, options.keep);
    for (const std::string& problem : outcome.problems) std::cout << problem << '\n';
    ++(outcome.passed ? passed : failed);
  }
  std::cout << passed << " passed, " << failed << " failed" << std::endl;
  return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::cerr << "usage: aquamere-scenario [--gui] [--keep DIR] FILE...\n";
    return 2;
  }
  if (!options.gui) return play_all(options, make_model_driver);
  return play_with_gui(argc, argv, [&](const DriverFactory& factory) { return play_all(options, factory); });
}
