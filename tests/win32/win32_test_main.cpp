// The Win32 tests run with a watch on the boxes of their thread (boxes.h):
// a box no test expected fails the test and is closed, so no test can wait
// for a person. A crash is reported on the console, without a dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include "win32/boxes.h"

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  aquamere::win32::boxes::watch();
  return RUN_ALL_TESTS();
}
