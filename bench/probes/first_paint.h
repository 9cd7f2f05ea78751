#pragma once

#include <QObject>

class QApplication;

namespace aquamere::bench {

// Watches the whole application for the first paint of a window. Once that
// paint and every paint of the same update are done, it writes one line to
// standard output, "painted <CLOCK_MONOTONIC in ns> <VmHWM in kB> <width>
// <height>" (the window's size in pixels, frame excluded), and quits the
// application: the launcher reads the start-up time, the peak memory and
// the size the baseline must match from it.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QApplication& app);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool seen_ = false;
};

}  // namespace aquamere::bench
