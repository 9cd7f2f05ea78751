// Start-up and peak memory of the desktop program beside two bare Qt
// programs that paint one window of the same size: with a single Chinese
// text box (the start-up's floor: any Chinese text needs the font
// configuration and a CJK face), and empty. Every iteration starts the probe
// as a fresh process on Qt's offscreen platform and times it from the spawn
// to the end of its first paint; the probe reports the paint's time and its
// peak resident memory then (see probes/first_paint.h).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace aquamere::bench {
namespace {

struct ProbeReport {
  double seconds;  // spawn to first paint
  double peak_mb;
  int width;  // of the painted window, in pixels
  int height;
};

long long monotonic_ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

std::string read_all(int fd) {
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  return text;
}

// Runs the probe once; nothing when it failed or reported nothing. Qt's
// remarks on its standard error (the offscreen platform has a few) are
// dropped.
std::optional<ProbeReport> run_probe(const char* path) {
  int out[2];
  if (::pipe(out) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid = 0;
  const long long spawned = monotonic_ns();
  const int spawn_error = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  const std::string line = spawn_error == 0 ? read_all(out[0]) : "";
  ::close(out[0]);
  int status = 0;
  if (spawn_error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  long long painted = 0;
  long peak_kb = 0;
  int width = 0;
  int height = 0;
  if (std::sscanf(line.c_str(), "painted %lld %ld %d %d", &painted, &peak_kb, &width, &height) != 4)
    return std::nullopt;
  return ProbeReport{static_cast<double>(painted - spawned) / 1e9, static_cast<double>(peak_kb) / 1024, width,
                     height};
}

// The window's size goes with the figures, so that the summary can check
// that the baseline paints a window of the main window's size.
void run_probes(benchmark::State& state, const char* path) {
  ProbeReport last{};
  for (auto _ : state) {
    const std::optional<ProbeReport> report = run_probe(path);
    if (!report) {
      state.SkipWithError((std::string(path) + " did not report its first paint").c_str());
      break;
    }
    state.SetIterationTime(report->seconds);
    last = *report;
  }
  state.counters["peak_mb"] = last.peak_mb;
  state.counters["width"] = last.width;
  state.counters["height"] = last.height;
}

void startup(benchmark::State& state) { run_probes(state, AQUAMERE_APP_PROBE); }
void startup_one_text_box(benchmark::State& state) { run_probes(state, AQUAMERE_TEXT_PROBE); }
void startup_empty_window(benchmark::State& state) { run_probes(state, AQUAMERE_BARE_PROBE); }

BENCHMARK(startup)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(startup_one_text_box)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(startup_empty_window)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace
}  // namespace aquamere::bench

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
