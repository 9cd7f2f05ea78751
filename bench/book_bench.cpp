// The calculation book of a 10,000-segment report: the report and its
// journal written by the program as a user writes them (risers of 30
// storeys, the household sums reset before each), then exported. Beside it,
// libxlsxwriter alone writing a sheet of as many cells, numbers and formulas,
// each formula as long as the book's longest.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "book/columns.h"
#include "book/export_book.h"
#include "book/formulas.h"
#include "book/sheet.h"
#include "book/workbook.h"
#include "common/dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "report_files.h"

namespace aquamere::bench {
namespace {

constexpr int segments = 10000;
constexpr int storeys_per_riser = 30;
constexpr int columns = book::column_count;
const std::string book_path = "book.xlsx";

void write_report() {
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program(dialogs, disk);
  program.type("frmmain", "t_Ng", "4");
  program.type("frmmain", "t_fz", "2");
  program.type("frmmain", "txt_l", "3.3");
  program.click("frmmain", "mnukill");
  for (int i = 0; i < segments; ++i) {
    if (i % storeys_per_riser == 0) program.click("frmmain", "mnuclear");
    program.click("frmmain", "cmdjsmll");
  }
}

void export_book(benchmark::State& state) {
  static const bool written = (write_report(), true);
  benchmark::DoNotOptimize(written);
  DiskFiles disk;
  for (auto _ : state) book::export_book(disk, report_path, book_path);
  state.counters["segments"] = segments;
}

void export_book_baseline(benchmark::State& state) {
  book::Sheet sheet{.name = "sheet"};
  const std::string longest = book::formula::four_decimals("AP26");
  for (int r = 0; r < segments; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (c % 2 == 0) {
        sheet.put(r, c, {.value = r + c / 10000.0});
      } else {
        sheet.put(r, c, {.formula = longest, .value = 0.5});
      }
    }
  }
  for (auto _ : state) book::write_workbook({.sheets = {sheet}}, "baseline.xlsx");
  state.counters["segments"] = segments;
}

BENCHMARK(export_book)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(export_book_baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The report, its journal and its book, for scripts/bench to open in
// LibreOffice: copied to $AQUAMERE_BENCH_BOOK_DIR when that is set.
void keep_book() {
  const char* dir = std::getenv("AQUAMERE_BENCH_BOOK_DIR");
  if (dir == nullptr) return;
  namespace fs = std::filesystem;
  for (const std::string& file : {report_path, report_path + ".json", book_path}) {
    std::error_code missing;  // when only the baseline ran
    fs::copy_file(file, fs::path(dir) / file, fs::copy_options::overwrite_existing, missing);
  }
}

}  // namespace
}  // namespace aquamere::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const aquamere::bench::ScratchDir scratch;
  benchmark::RunSpecifiedBenchmarks();
  aquamere::bench::keep_book();
  benchmark::Shutdown();
  return 0;
}
