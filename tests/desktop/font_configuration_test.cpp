// The font configuration read on a thread of its own must let the program
// end wherever it is when it ends: before the application object was made,
// just after (while the thread may still be filling Qt's font database), or
// with the configuration only read. A reading that kept its thread waiting
// would hang here.
#include "desktop/font_configuration.h"

#include <gtest/gtest.h>

namespace aquamere {
namespace {

TEST(FontConfigurationReading, EndsWhereverTheProgramEnds) {
  { FontConfigurationReading never_told; }
  {
    FontConfigurationReading told;
    told.application_made();
  }
  FontConfigurationReading read_only;
  read_only.wait();
}

}  // namespace
}  // namespace aquamere
