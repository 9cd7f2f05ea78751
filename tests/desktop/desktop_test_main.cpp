// The desktop tests share one application, set up as the program sets up its
// own, on the platform the environment names (offscreen under CTest), with
// a watch on the boxes the tests make the program put up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "desktop/appearance.h"
#include "desktop/boxes.h"

namespace aquamere::boxes {
namespace {

std::function<void(QWidget&)> next_answer;

void look_for_box() {
  QWidget* box = QApplication::activeModalWidget();
  if (box == nullptr || !box->isVisible()) return;
  if (!next_answer) {
    ADD_FAILURE() << "A box no test expected: " << box->windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
    box->close();
    return;
  }
  const std::function<void(QWidget&)> answer = std::move(next_answer);
  next_answer = nullptr;
  answer(*box);
}

}  // namespace

void watch() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, &look_for_box);
  constexpr int every_ms = 20;
  timer->start(every_ms);
}

void answer_next(std::function<void(QWidget& box)> answer) { next_answer = std::move(answer); }

bool waiting() { return static_cast<bool>(next_answer); }

}  // namespace aquamere::boxes

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  aquamere::set_up_application(app);
  ::testing::InitGoogleTest(&argc, argv);
  aquamere::boxes::watch();
  return RUN_ALL_TESTS();
}
