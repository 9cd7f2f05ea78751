#include "designflow/alpha_c_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace aquamere {
namespace {

using Range = AlphaCLookup::Range;

TEST(AlphaCLookup, InterpolatesAndRoundsToFourDecimals) {
  const std::pair<double, const char*> rows[] = {
      {1.0, "0.0032"},
      {1.25, "0.0051"},
      {1.5, "0.007"},
      {1.0127314814814814, "0.0033"},
      {1.4178240740740742, "0.0064"},
      {3.5445601851851853, "0.0241"},
      {3.5444999, "0.0241"},
      {4.726, "0.0347"},
      {2.658375, "0.0165"},
      {5.5, "0.0417"},
      {6.0, "0.0463"},
      {7.0891203703703702, "0.0564"},
      {8.0, "0.0649"},
  };
  for (const auto& [uo, text] : rows) {
    const AlphaCLookup lookup = look_up_alpha_c(uo);
    EXPECT_EQ(lookup.range, Range::Within) << uo;
    EXPECT_EQ(alpha_c_text(lookup), text) << uo;
  }
}

// Every interval but the first holds its upper end only: at each row the
// value is that row's αc, reached from the interval below it.
TEST(AlphaCLookup, RowsAreMetExactlyAtTheirUo) {
  for (const AlphaCRow& row : alpha_c_table) {
    EXPECT_NEAR(look_up_alpha_c(row.uo).alpha_c, row.alpha_c, 1e-15) << row.uo;
  }
  EXPECT_NEAR(look_up_alpha_c(std::nextafter(1.5, 2.0)).alpha_c, 0.00697, 1e-12);
}

TEST(AlphaCLookup, OutsideTheTable) {
  EXPECT_EQ(look_up_alpha_c(std::nextafter(1.0, 0.0)).range, Range::Below);
  EXPECT_EQ(look_up_alpha_c(0.99996).range, Range::Below);
  EXPECT_EQ(look_up_alpha_c(0).range, Range::Below);
  EXPECT_EQ(look_up_alpha_c(-0.5).range, Range::Below);
  const AlphaCLookup above = look_up_alpha_c(8.0001);
  EXPECT_EQ(above.range, Range::Above);
  EXPECT_EQ(alpha_c_text(above), "0.06489");
  EXPECT_EQ(alpha_c_text(look_up_alpha_c(14.178240740740742)), "0.06489");
}

}  // namespace
}  // namespace aquamere
