#include "hydraulics/pipe_sizing.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "expect_failure.h"

namespace aquamere {
namespace {

const Material& material(std::string_view name) {
  for (const Material& m : materials) {
    if (m.name == name) return m;
  }
  throw std::invalid_argument(std::string(name));
}

// The material's table as the main window holds it: De110 from its text.
InnerDiameters inner_of(const Material& m) {
  InnerDiameters inner{};
  for (std::size_t k = 0; k + 1 < size_count; ++k) inner[k] = m.inner[k];
  inner[size_count - 1] = std::stod(std::string(m.de110));
  return inner;
}

// The PP-R coefficient enters as the float 8.96959972…: with the decimal
// 8.9696, 5.42 l/s in 33 mm would show a 1000i of 1.0128.
TEST(PipeFormulas, VelocityAndFrictionAsShown) {
  struct Row {
    double qg, dj;
    const char *velocity, *friction;
  };
  const Row rows[] = {
      {0.5, 15.6, "2.6173", "0.5282"}, {0.5, 74.8, "0.1138", "0.0003"},
      {14, 91.6, "2.1255", "0.0417"},  {0, 15.6, "0", "0"},
      {1.2, 26.2, "2.2269", "0.21"},   {5.42, 33, "6.3402", "1.0127"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(velocity_text(r.qg, r.dj) + " " + friction_text(r.qg, r.dj, ppr.coef_i),
              std::string(r.velocity) + " " + r.friction)
        << r.qg << " l/s in " << r.dj << " mm";
  }
  EXPECT_FAILURE(velocity_text(1, 0), "计算失败：计算流速时除数为零。");
  EXPECT_FAILURE(velocity_text(1e308, 15.6), "计算失败：计算流速时数值溢出。");
  EXPECT_FAILURE(friction_text(-1, 15.6, ppr.coef_i), "计算失败：计算1000i时遇到负数的分数次幂。");
}

TEST(CandidateSizes, WindowFollowsTheFlow) {
  struct Row {
    double qg;
    std::size_t first, end;
  };
  const Row rows[] = {
      {-1, 0, 0}, {0, 0, 0},      {0.0001, 0, 8}, {1.1999, 0, 8}, {1.2, 2, 9},
      {7, 2, 9},  {7.0001, 4, 9}, {16.5, 4, 9},   {16.6, 7, 9},   {1000, 7, 9},
  };
  for (const Row& r : rows) EXPECT_EQ(candidate_sizes(r.qg), (SizeRange{r.first, r.end})) << r.qg;
}

// Stage by stage: past a size faster than 2.0, 1.5, 1.2 m/s, and one of the
// smallest bores at 1.0 m/s or more, until the bore reached is large enough
// for the stage's limit; the velocity is judged as shown, to 4 decimals.
TEST(ChoosePipeSize, StagedVelocityLimits) {
  struct Row {
    const char *material, *flow, *size, *velocity, *friction;
  };
  const Row rows[] = {
      {"PP-R", "0.5", "De32", "0.9279", "0.0444"},         // past De20 in stage 1, De25 in stage 2
      {"PP-R", "0.2", "De25", "0.6122", "0.0289"},         // 15.6 mm needs less than 1.0 m/s
      {"PP-R_JD", "0.2", "De20", "0.9952", "0.0888"},      // 16 mm at 0.9952 m/s is slow enough
      {"PP-R_JD", "0.20096", "De25", "0.6151", "0.0281"},  // exactly 1.0 m/s still steps on
      {"PP-R", "0.36", "De25", "1.102", "0.0819"},         // 20.4 mm may run at up to 1.2 m/s
      {"PP-R", "1.0", "De40", "1.1698", "0.0505"},
      {"PP-R", "3", "De63", "1.4025", "0.0397"},
      {"PP-R", "2.0182", "De50", "1.5", "0.0595"},  // 1.50001 m/s is shown, and judged, as 1.5
      {"PP-R", "2.0183", "De63", "0.9436", "0.0197"},
      {"硬聚氯乙稀", "8", "De90", "1.5924", "0.0301"},  // 80 mm reached in stage 1
      {"PP-R_JD", "8", "De110", "1.2582", "0.0162"},
      {"PP-R", "0", "De20", "0", "0"},
      {"PP-R", "13.17", "De110", "1.9995", "0.0374"},
      // Too fast even for De110: the table has nothing larger.
      {"PP-R", "13.18", "De110", "2.001", "0.0374"},
      {"PP-R", "40", "De110", "6.0729", "0.2684"},
      {"PP-R_LZ", "12.72", "De110", "2.0005", "0.0301"},
      {"硬聚氯乙稀", "16.66", "De110", "2.0005", "0.0331"},
  };
  for (const Row& r : rows) {
    const Material& m = material(r.material);
    const SizeChoice choice = choose_pipe_size(r.flow, inner_of(m), m.coef_i);
    EXPECT_EQ(std::string(choice.size) + " " + choice.velocity + " " + choice.friction,
              std::string(r.size) + " " + r.velocity + " " + r.friction)
        << r.material << " " << r.flow;
    EXPECT_EQ(choice.size, nominal_sizes[choice.index]);
  }
}

TEST(ChoosePipeSize, FlowTextIsReadStrictly) {
  EXPECT_FAILURE(choose_pipe_size("0.5l/s", inner_of(ppr), ppr.coef_i),
                 "无法计算：「设计秒流量」中的“0.5l/s”不是数字。");
  EXPECT_FAILURE(choose_pipe_size("-0.5", inner_of(ppr), ppr.coef_i),
                 "计算失败：计算1000i时遇到负数的分数次幂。");
}

}  // namespace
}  // namespace aquamere
