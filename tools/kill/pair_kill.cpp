// Kills the revision of a long chain at random moments, half of them while
// it replaces the report and its journal, and checks what the next start
// finds: the report and its journal wholly as before or wholly as revised,
// nothing half-way beside them, a chain the program takes up without a word
// and a calculation book that exports.
//
//   aquamere-pair-kill [KILLS [SEGMENTS]]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "book/export_book.h"
#include "common/dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "report/report_pair.h"

namespace fs = std::filesystem;
using namespace aquamere;

namespace {

const std::string report = "c:\\file.txt", journal = report + ".json";
const std::string before = report + ".before", before_journal = before + ".json";

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return "-";
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

struct Pair {
  std::string report, journal;
  friend bool operator==(const Pair&, const Pair&) = default;
};
Pair pair_at(const std::string& path) { return {contents(path), contents(path + ".json")}; }

// Risers of 30 storeys, the sums reset between them, as a designer types
// them, the first segment with `first` households. Typed with 2, it is the
// chain typed with 1 revised to 2 on its first row, byte for byte, as the
// segment table's own tests hold.
Pair type_chain(int segments, const char* first) {
  {
    ScriptedDialogs dialogs;
    DiskFiles disk;
    Program program{dialogs, disk};
    program.type("frmmain", "t_Ng", "4");
    program.click("frmmain", "mnukill");
    for (int k = 0; k < segments; ++k) {
      if (k % 30 == 0 && k > 0) program.click("frmmain", "mnuclear");
      program.type("frmmain", "t_fz", k == 0 ? first : "1");
      program.click("frmmain", "cmdjsmll");
    }
  }
  Pair typed = pair_at(report);
  fs::remove(report);
  fs::remove(journal);
  return typed;
}

// The chain as typed, in place of whatever a killed revision left.
void put_typed() {
  for (const auto& entry : fs::directory_iterator(".")) {
    if (!entry.path().filename().string().starts_with("typed")) fs::remove(entry.path());
  }
  fs::copy_file("typed.txt", report);
  fs::copy_file("typed.txt.json", journal);
}

// Runs `step` in a child, killed after `delay` unless it is done first.
void run_child(const std::function<void()>& step, std::chrono::microseconds delay, bool kill) {
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    step();
    std::_Exit(0);
  }
  if (kill) {
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!kill && (!WIFEXITED(status) || WEXITSTATUS(status) != 0)) throw std::runtime_error("the child failed");
}

// The whole revision as the designer makes it: the program started, the
// table opened, the first row given two households, 重新计算.
void revise() {
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program{dialogs, disk};
  program.press("F6");
  program.select("frmchain", "lstchain", 0);
  program.type("frmchain", "t_fz", "2");
  program.click("frmchain", "cmdapply");
  if (!dialogs.shown().empty()) std::_Exit(1);
}

std::chrono::microseconds timed(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  run_child(step, {}, false);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// What the program makes of the pair it finds, once for each pair: it takes
// the chain up without a word, and the book exports.
std::string taken_up() {
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program{dialogs, disk};
  program.click("frmmain", "mnuresume");
  if (!dialogs.shown().empty()) return "taking up the chain said: " + dialogs.shown().front().text;
  try {
    book::export_book(disk, report, "book.xlsx");
  } catch (const std::exception& failure) {
    return std::string("the book does not export: ") + failure.what();
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc > 1 ? std::atoi(argv[1]) : 50;
  const int segments = argc > 2 ? std::atoi(argv[2]) : 10000;
  const fs::path home = fs::temp_directory_path() / ("aquamere-pair-kill-" + std::to_string(getpid()));
  fs::create_directories(home);
  int failures = 0;
  try {
    fs::current_path(home);
    const Pair revised = type_chain(segments, "2"), typed = type_chain(segments, "1");
    std::ofstream("typed.txt", std::ios::binary) << typed.report;
    std::ofstream("typed.txt.json", std::ios::binary) << typed.journal;
    put_typed();
    std::string wrong = taken_up();
    if (!wrong.empty()) throw std::runtime_error(wrong);
    // Half the kills fall anywhere in the revision, half in its last part,
    // where the pair is replaced: the revision writes nothing before it.
    put_typed();
    const std::chrono::microseconds replacing = timed([&] {
      DiskFiles disk;
      report_pair::replace(disk, report, revised.report, revised.journal);
    });
    put_typed();
    const std::chrono::microseconds revising = timed(revise);
    if (pair_at(report) != revised) throw std::runtime_error("the revision is not the chain typed so");
    std::mt19937 random(static_cast<unsigned>(getpid()));
    int found_typed = 0, found_revised = 0;
    for (int k = 0; k < kills; ++k) {
      put_typed();
      const bool anywhere = k % 2 == 0;
      const double share = std::uniform_real_distribution(anywhere ? 0.0 : -0.1, 1.1)(random);
      const double at = anywhere ? share * static_cast<double>(revising.count())
                                 : static_cast<double>(revising.count() - replacing.count()) +
                                       share * static_cast<double>(replacing.count());
      run_child(revise, std::chrono::microseconds(static_cast<long>(std::max(at, 0.0))), true);
      std::string taken = "-";
      {
        ScriptedDialogs dialogs;
        DiskFiles disk;
        Program restarted{dialogs, disk};  // finishes or rolls back what it finds
        if (!dialogs.shown().empty()) taken = "the start said: " + dialogs.shown().front().text;
      }
      const Pair found = pair_at(report);
      const bool is_revised = found == revised;
      wrong = taken == "-" ? "" : taken;
      if (!is_revised && found != typed) wrong = "the pair is neither the chain typed nor the chain revised";
      if (is_revised && pair_at(before) != typed)
        wrong = "the pair before the revision is not the chain typed";
      if (!is_revised && fs::exists(before))
        wrong = "a pair before is kept although the revision was rolled back";
      for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("typed") && name != report && name != journal && name != before &&
            name != before_journal && !name.starts_with(".aquamere-"))
          wrong = "left beside the report: " + name;
      }
      // The chain revised is taken up and exported once, the first time a
      // start finds it: every later one finds the same bytes.
      if (is_revised && found_revised == 0) wrong += taken_up();
      (is_revised ? found_revised : found_typed)++;
      if (!wrong.empty()) {
        ++failures;
        std::printf("kill %d after %.0f%% of the %s: %s\n", k + 1, share * 100,
                    anywhere ? "revision" : "replacing", wrong.c_str());
      }
    }
    std::printf(
        "%d kills over the revision of a %d-segment chain, which takes %lld µs, %lld of them replacing the "
        "pair: %d left the chain typed, %d revised\n",
        kills, segments, static_cast<long long>(revising.count()), static_cast<long long>(replacing.count()),
        found_typed, found_revised);
  } catch (const std::exception& failure) {
    std::printf("aquamere-pair-kill: %s\n", failure.what());
    failures = 1;
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(home);
  return failures == 0 ? 0 : 1;
}
