#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace aquamere::bench {
namespace {

long long monotonic_ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The resident set's high-water mark so far.
long peak_kb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> value;
      return value;
    }
    status.ignore(4096, '\n');
  }
  return -1;
}

}  // namespace

FirstPaint::FirstPaint(QApplication& app) : QObject(&app) { app.installEventFilter(this); }

// The paint event of the window comes first, its controls' follow within the
// same update; a queued call runs once that update is over.
bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
  if (seen_ || event->type() != QEvent::Paint) return false;
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !widget->isWindow()) return false;
  seen_ = true;
  QTimer::singleShot(0, this, [size = widget->size()] {
    const long long painted = monotonic_ns();
    std::printf("painted %lld %ld %d %d\n", painted, peak_kb(), size.width(), size.height());
    std::fflush(stdout);
    QApplication::exit(0);
  });
  return false;
}

}  // namespace aquamere::bench
