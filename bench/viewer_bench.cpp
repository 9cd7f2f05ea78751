// Viewing a 100,000-line report, and opening the segment table on a chain
// of 32,767 segments, in the desktop program on Qt's offscreen platform:
// from the menu command until the window's list has been painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <chrono>
#include <functional>
#include <string>

#include "common/dialogs.h"
#include "desktop/appearance.h"
#include "desktop/desktop.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "report_files.h"

namespace aquamere::bench {
namespace {

constexpr std::size_t report_lines = 100000;
constexpr std::size_t summary_lines = 5;
constexpr qint64 patience_ms = 20000;

// Notes the paint of a window's list: the paint event goes to the list's
// viewport, a child of the list named as its control.
class ListPainted : public QObject {
 public:
  explicit ListPainted(const char* list) : list_(list) {}
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->parent() != nullptr &&
        watched->parent()->objectName() == QLatin1String(list_)) {
      painted = true;
    }
    return false;
  }

 private:
  const char* list_;
};

// Waits until the list is painted, and says how long it took from `start`.
double seconds_until_painted(const ListPainted& watch, std::chrono::steady_clock::time_point start) {
  QElapsedTimer waited;
  waited.start();
  while (!watch.painted && waited.elapsed() < patience_ms) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the window by its menu command at each iteration and times it until
// its list has been painted with `items` lines; then closes it again and
// runs `after`, which puts back what opening it wrote.
void time_opening(benchmark::State& state, const char* menu, const char* window, const char* list_name,
                  int items, const std::function<void()>& after) {
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program(dialogs, disk);
  Desktop desktop(program);
  settle();
  ListPainted watch(list_name);
  qApp->installEventFilter(&watch);
  for (auto _ : state) {
    watch.painted = false;
    const auto start = std::chrono::steady_clock::now();
    desktop.window("frmmain")->menu_item(menu)->trigger();
    state.SetIterationTime(seconds_until_painted(watch, start));
    const auto* list = qobject_cast<QListWidget*>(desktop.window(window)->control(list_name));
    if (!watch.painted || list->count() != items) {
      state.SkipWithError(("the list was not painted with its " + std::to_string(items) + " lines but " +
                           std::to_string(list->count()))
                              .c_str());
      break;
    }
    desktop.act([&](Program& p) { p.close(window); });
    settle();
    after();
  }
  qApp->removeEventFilter(&watch);
}

// Each viewing opens the viewer anew on the same report: the lines the
// viewing appended are cut off again.
void view_report_qt(benchmark::State& state) {
  const long size = place_built_report(report_lines);
  time_opening(state, "mnulook", "frmlookover", "listover", static_cast<int>(report_lines + summary_lines),
               [&] { cut_to(report_path, size); });
  state.counters["lines"] = report_lines;
}

// The chain typed as risers of 30 storeys, 清空数据 between two risers;
// each opening opens the table anew on it.
void open_table_qt(benchmark::State& state) {
  constexpr int segments = 32767, storeys = 30;
  {
    ScriptedDialogs dialogs;
    DiskFiles disk;
    Program typing(dialogs, disk);
    typing.type("frmmain", "t_Ng", "4");
    typing.click("frmmain", "mnukill");
    for (int k = 0; k < segments; ++k) {
      if (k % storeys == 0 && k > 0) typing.click("frmmain", "mnuclear");
      typing.click("frmmain", "cmdjsmll");
    }
  }
  time_opening(state, "mnuchain", "frmchain", "lstchain", segments, [] {});
  state.counters["segments"] = segments;
}

BENCHMARK(view_report_qt)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(open_table_qt)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace aquamere::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication app(argc, argv);
  aquamere::set_up_application(app);
  const aquamere::bench::ScratchDir scratch;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
