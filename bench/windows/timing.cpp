#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace aquamere::bench {

double now_seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

double median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

bool print_row(const std::string& name, double measure, double baseline, std::optional<double> target) {
  const double ratio = measure / baseline;
  const bool met = !target || ratio <= *target;
  std::printf("| %-28s | %10.1f µs | %10.1f µs | %5.2f× | ", name.c_str(), measure * 1e6, baseline * 1e6,
              ratio);
  if (target)
    std::printf("≤ %.1f× | %s |\n", *target, met ? "PASS" : "MISS");
  else
    std::printf("— | — |\n");
  std::fflush(stdout);
  return met;
}

}  // namespace aquamere::bench
