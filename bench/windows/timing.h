#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aquamere::bench {

// The system's monotonic clock in seconds; the same in every process.
double now_seconds();

// The median of the samples (the mean of the middle two for an even count).
double median(std::vector<double> samples);

// One row of the benchmark table: the measure's median beside its
// baseline's, their ratio against the target, and PASS or MISS; a row for
// reference has no target. Returns whether the target was met.
bool print_row(const std::string& name, double measure, double baseline, std::optional<double> target);

}  // namespace aquamere::bench
