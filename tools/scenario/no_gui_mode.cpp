// A build without a front end plays in the form model only.
#include <iostream>

#include "scenario/gui_mode.h"

namespace aquamere::scenario {

int play_with_gui(int, char**, const Player&) {
  std::cerr << "aquamere-scenario: this build has no front end; --gui is not available\n";
  return 2;
}

}  // namespace aquamere::scenario
