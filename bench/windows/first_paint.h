#pragma once

namespace aquamere::bench {

// Watches the thread's windows for the first paint of a top-level window.
// Once that window and its controls have painted, the process writes one
// line to standard output, "painted <seconds of the monotonic clock>
// <client width> <client height>", and ends: the launcher reads the
// start-up time and the size the baseline must match from it.
void report_first_paint();

}  // namespace aquamere::bench
