#pragma once

#include <functional>

#include "scenario/runner.h"

namespace aquamere::scenario {

// Plays with the driver of this build's real front end (--gui), once what
// that front end needs is set up; each build links the one it has.
using Player = std::function<int(const DriverFactory&)>;
int play_with_gui(int argc, char** argv, const Player& play);

}  // namespace aquamere::scenario
