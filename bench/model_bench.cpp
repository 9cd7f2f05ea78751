// The form model on the real disk. Each measure runs beside its baseline,
// the bare file work it cannot do without: a calculate click beside one
// open-append-close of its report line and one of its record in the journal,
// a batch beside as many of them, and
// viewing the report beside reading and decoding the file once. Undoing a
// segment runs beside the calculate click that wrote it, and taking up the
// chain of a long report beside reading its journal whole. A name
// ending in "_baseline" is the baseline of the name before it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "report/report_codec.h"
#include "report_files.h"

namespace aquamere::bench {
namespace {

// The engineer resets the household sums before each riser; a riser of this
// many storeys keeps ΣNg, and so the flows and sizes, those of a real building.
constexpr int storeys_per_riser = 30;
constexpr int batch_segments = 32767;
constexpr std::size_t viewed_report_lines = 100000;
// Opening the viewer first closes the run with the summary block.
constexpr std::size_t summary_lines = 5;

// A program on the real disk with a household group of Ng 4 in the boxes
// and a fresh report (its title block), or the report left there.
struct DiskProgram {
  enum class Report { Fresh, Kept };
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program{dialogs, disk};

  explicit DiskProgram(Report report = Report::Fresh) {
    program.type("frmmain", "t_Ng", "4");
    if (report == Report::Fresh) program.click("frmmain", "mnukill");
  }
  void batch(int segments) {
    program.type("frmmain", "t_fs", std::to_string(segments));
    program.double_click("frmmain", "t_fs");
  }
};

std::vector<std::string> with_line_ends(std::vector<std::string> lines) {
  for (std::string& line : lines) line += "\r\n";
  return lines;
}

// The report lines of a batch and their records in the journal beside the
// report, as the baselines write them again.
struct BatchWrites {
  std::vector<std::string> lines, records;
};

// The batch's report and journal, kept aside for taking up its chain.
const std::string batch_report = "batch.txt";

const BatchWrites& batch_writes() {
  static const BatchWrites writes = [] {
    DiskProgram p;
    p.batch(batch_segments);
    std::filesystem::copy_file(report_path, batch_report);
    std::filesystem::copy_file(journal_path, batch_report + ".json");
    std::vector<std::string> lines = read_lines(report_path);
    lines.erase(lines.begin(), lines.end() - batch_segments);
    std::vector<std::string> records;
    DiskFiles disk;  // the journal's lines end at LF
    disk.read_lines(journal_path, [&](std::string_view record) { records.emplace_back(record) += '\n'; });
    return BatchWrites{with_line_ends(std::move(lines)), std::move(records)};
  }();
  return writes;
}

void calculate_click(benchmark::State& state) {
  DiskProgram p;
  int storey = 0;
  for (auto _ : state) {
    p.program.click("frmmain", "cmdjsmll");
    if (++storey < storeys_per_riser) continue;
    state.PauseTiming();
    if (!p.dialogs.shown().empty()) state.SkipWithError("a calculate click showed a box");
    p.program.click("frmmain", "mnuclear");
    storey = 0;
    state.ResumeTiming();
  }
}

void calculate_click_baseline(benchmark::State& state) {
  const std::string& line = batch_writes().lines.front();
  const std::string& record = batch_writes().records.front();
  DiskProgram fresh_report;
  for (auto _ : state) {
    bare_append(report_path, line);
    bare_append(journal_path, record);
  }
}

void batch(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<DiskProgram>();
    state.ResumeTiming();
    p->batch(batch_segments);
    state.PauseTiming();
    if (p->program.find_window("frmmain")->text("lab_3") != std::to_string(batch_segments)) {
      state.SkipWithError("the batch stopped before its last segment");
    }
    p.reset();
    state.ResumeTiming();
  }
  state.counters["segments"] = batch_segments;
}

void batch_baseline(benchmark::State& state) {
  const BatchWrites& writes = batch_writes();
  for (auto _ : state) {
    state.PauseTiming();
    DiskProgram fresh_report;
    state.ResumeTiming();
    for (std::size_t i = 0; i < writes.lines.size(); ++i) {
      bare_append(report_path, writes.lines[i]);
      bare_append(journal_path, writes.records[i]);
    }
  }
  state.counters["segments"] = batch_segments;
}

// Each viewing opens the viewer anew on the same 100,000-line report: the
// lines a viewing appends are cut off again and the viewer is closed.
void view_report(benchmark::State& state) {
  DiskProgram p;
  const long size = place_built_report(viewed_report_lines);
  for (auto _ : state) {
    p.program.click("frmmain", "mnulook");
    state.PauseTiming();
    const std::size_t shown = p.program.find_window("frmlookover")->at("listover").items.size();
    if (shown != viewed_report_lines + summary_lines) state.SkipWithError("the viewer shows the wrong lines");
    p.program.close("frmlookover");
    cut_to(report_path, size);
    state.ResumeTiming();
  }
  state.counters["lines"] = viewed_report_lines;
}

// Reads the file in large chunks and decodes it line by line, through the
// program's codec: the file work of a viewing, with no line kept anywhere.
void view_report_baseline(benchmark::State& state) {
  place_built_report(viewed_report_lines);
  ReportCodec codec;
  for (auto _ : state) {
    read_chunks(report_path, [&](std::string_view lines) {
      for (std::size_t end = lines.find('\n'); end != std::string_view::npos; end = lines.find('\n')) {
        std::string_view line = lines.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string text = codec.decode(line);
        benchmark::DoNotOptimize(text.data());
        lines.remove_prefix(end + 1);
      }
    });
  }
  state.counters["lines"] = viewed_report_lines;
}

// Undoing the segment just calculated, each undo timed alone: its baseline
// is the calculate click that wrote the segment, timed the same way, so
// that both pay the same clock readings.
void undo_segment(benchmark::State& state) {
  DiskProgram p;
  p.program.click("frmmain", "cmdjsmll");
  for (auto _ : state) {
    p.program.click("frmmain", "cmdjsmll");
    const auto start = std::chrono::steady_clock::now();
    p.program.click("frmmain", "mnuundo");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  if (!p.dialogs.shown().empty()) state.SkipWithError("an undo showed a box");
}

void undo_segment_baseline(benchmark::State& state) {
  DiskProgram p;
  p.program.click("frmmain", "cmdjsmll");
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    p.program.click("frmmain", "cmdjsmll");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    p.program.click("frmmain", "mnuundo");
  }
}

// The next morning: a program started afresh takes up the chain of a report
// whose journal holds the 32,767 segments of a batch.
void resume_chain(benchmark::State& state) {
  batch_writes();
  for (auto _ : state) {
    state.PauseTiming();
    constexpr auto overwrite = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(batch_report, report_path, overwrite);
    std::filesystem::copy_file(batch_report + ".json", journal_path, overwrite);
    auto p = std::make_unique<DiskProgram>(DiskProgram::Report::Kept);
    state.ResumeTiming();
    p->program.click("frmmain", "mnuresume");
    state.PauseTiming();
    if (p->program.find_window("frmmain")->text("lab_3") != std::to_string(batch_segments)) {
      state.SkipWithError("the chain taken up is not the batch's");
    }
    p.reset();
    state.ResumeTiming();
  }
}

// What taking it up costs when the journal is read whole, as the
// calculation book reads it: every line of it through the file port.
void resume_chain_baseline(benchmark::State& state) {
  batch_writes();
  DiskFiles disk;
  for (auto _ : state) {
    std::size_t bytes = 0;
    disk.read_lines(batch_report + ".json", [&](std::string_view record) { bytes += record.size(); });
    benchmark::DoNotOptimize(bytes);
  }
}

// A chain typed as risers of 30 storeys, 清空数据 between two risers.
std::unique_ptr<DiskProgram> typed_chain(int segments) {
  auto p = std::make_unique<DiskProgram>();
  for (int k = 0; k < segments; ++k) {
    if (k % storeys_per_riser == 0 && k > 0) p->program.click("frmmain", "mnuclear");
    p->program.click("frmmain", "cmdjsmll");
  }
  return p;
}

// Revising the first row of a chain typed as risers of 30 storeys: the
// table chooses the row, then 重新计算 with one household more reads the
// chain, calculates it again as it was and as revised, replaces both files
// and takes the main window up after the last segment. The chain of 40
// segments is a riser and a bit; the long one, as long as the batch below,
// runs beside the batch that computes and writes as many segments.
void revise_chain(benchmark::State& state, int segments) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = typed_chain(segments);
    p->program.press("F6");
    p->program.select("frmchain", "lstchain", 0);
    p->program.type("frmchain", "t_fz", "2");
    state.ResumeTiming();
    p->program.click("frmchain", "cmdapply");
    state.PauseTiming();
    if (!p->dialogs.shown().empty() || p->program.find_window("frmmain")->text("t_fz") != "1") {
      state.SkipWithError("the revision did not go through");
    }
    p.reset();
    state.ResumeTiming();
  }
  state.counters["segments"] = segments;
}
// Opening the segment table on the long chain: the report and its journal
// read and paired, one row a segment, up to the list the front end paints.
void open_long_table(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = typed_chain(batch_segments);
    state.ResumeTiming();
    p->program.press("F6");
    state.PauseTiming();
    if (p->program.find_window("frmchain")->at("lstchain").items.size() != batch_segments)
      state.SkipWithError("the table does not list the chain");
    p.reset();
    state.ResumeTiming();
  }
}
void revise_short_chain(benchmark::State& state) { revise_chain(state, 40); }
void revise_long_chain(benchmark::State& state) { revise_chain(state, batch_segments); }

// Short repetitions, so that the click's and the baseline's alternate often
// and see the same load on a shared machine.
BENCHMARK(calculate_click)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.1);
BENCHMARK(calculate_click_baseline)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.1);
BENCHMARK(undo_segment)->Unit(benchmark::kMicrosecond)->UseManualTime()->MinTime(0.1);
BENCHMARK(undo_segment_baseline)->Unit(benchmark::kMicrosecond)->UseManualTime()->MinTime(0.1);
BENCHMARK(resume_chain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(resume_chain_baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(batch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(batch_baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(view_report)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(view_report_baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(revise_short_chain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(revise_long_chain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(open_long_table)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace aquamere::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const aquamere::bench::ScratchDir scratch;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
