#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace aquamere::soak {

// Plays `steps` random user steps against a fresh program, in a fresh
// working directory, and checks after every step that the program holds
// together: no exception escapes, a failed or refused command changed
// nothing, the report only grows (except by clearing), stays GB18030 with
// CR LF line ends and whole lines, and the segment counter matches the
// segments written since the last reset. On the first broken rule it writes
// what broke and the steps so far, in scenario syntax, to `out`.
bool run_soak(std::uint64_t seed, long steps, std::ostream& out);

}  // namespace aquamere::soak
