// The desktop tests share one application, set up as the program sets up its
// own, on the platform the environment names (offscreen under CTest).
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/appearance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  aquamere::set_up_application(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
