// The font configuration read on a thread of its own: it must hand over a
// filled font database, and let the program end whether or not it ever got
// that far.
#include "desktop/font_configuration.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

namespace aquamere {
namespace {

TEST(FontConfigurationReading, FillsTheFontDatabaseOnceTheApplicationExists) {
  FontConfigurationReading reading;
  reading.application_made();
  reading.wait();
  EXPECT_TRUE(QFontDatabase::families().contains("WenQuanYi Micro Hei"));
}

TEST(FontConfigurationReading, EndsWhenTheProgramEndsFirst) {
  { FontConfigurationReading never_told; }
  FontConfigurationReading read_only;
  read_only.wait();
}

}  // namespace
}  // namespace aquamere
