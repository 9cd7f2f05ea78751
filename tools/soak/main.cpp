// aquamere-soak [--seed N] [--steps N] [--seeds K]
// Random user steps against the form model, checking after every step that
// the program holds together. Exits non-zero on the first broken rule and
// prints the steps that reproduce it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "soak/soak.h"

int main(int argc, char** argv) {
  std::uint64_t seed = 1;
  long steps = 10000;
  int seeds = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--seed")
      seed = std::stoull(argv[i + 1]);
    else if (option == "--steps")
      steps = std::stol(argv[i + 1]);
    else if (option == "--seeds")
      seeds = std::stoi(argv[i + 1]);
    else {
      std::cerr << "usage: aquamere-soak [--seed N] [--steps N] [--seeds K]\n";
      return 2;
    }
  }
  int passed = 0, failed = 0;
  for (int k = 0; k < seeds; ++k) {
    const std::uint64_t s = seed + static_cast<std::uint64_t>(k);
    const bool held = aquamere::soak::run_soak(s, steps, std::cout);
    std::cout << "seed " << s << ": " << steps << " steps " << (held ? "held" : "BROKE") << '\n';
    ++(held ? passed : failed);
  }
  std::cout << passed << " passed, " << failed << " failed" << std::endl;
  return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
