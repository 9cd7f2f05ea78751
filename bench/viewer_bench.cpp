// Viewing a 100,000-line report in the desktop program on Qt's offscreen
// platform: from the menu command until the viewer's list has been painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <chrono>

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

// Notes the paint of the viewer's list: the paint event goes to the list's
// viewport, a child of the list named as its control.
class ListPainted : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->parent() != nullptr &&
        watched->parent()->objectName() == QLatin1String("listover")) {
      painted = true;
    }
    return false;
  }
};

void settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each viewing opens the viewer anew on the same report: the viewer is
// closed and the lines the viewing appended are cut off again.
void view_report_qt(benchmark::State& state) {
  const long size = place_built_report(report_lines);
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program(dialogs, disk);
  Desktop desktop(program);
  settle();
  ListPainted watch;
  qApp->installEventFilter(&watch);
  for (auto _ : state) {
    watch.painted = false;
    const auto start = std::chrono::steady_clock::now();
    desktop.window("frmmain")->menu_item("mnulook")->trigger();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < patience_ms) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    const auto* list = qobject_cast<QListWidget*>(desktop.window("frmlookover")->control("listover"));
    if (!watch.painted || list->count() != static_cast<int>(report_lines + summary_lines)) {
      state.SkipWithError("the viewer's list was not painted with the report's lines");
      break;
    }
    desktop.act([](Program& p) { p.close("frmlookover"); });
    settle();
    cut_to(report_path, size);
  }
  qApp->removeEventFilter(&watch);
  state.counters["lines"] = report_lines;
}

BENCHMARK(view_report_qt)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

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
