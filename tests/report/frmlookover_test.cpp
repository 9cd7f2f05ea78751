#include "report/frmlookover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_fixture.h"
#include "report/report_codec.h"

namespace aquamere {
namespace {

constexpr const char* report_path = "c:\\file.txt";

class Viewing : public ProgramTest {
 protected:
  void view() { click("mnulook"); }
  void clear() { click("mnukill"); }
  std::vector<std::string> shown() const {
    const Form* viewer = program.find_window("frmlookover");
    return viewer == nullptr ? std::vector<std::string>{} : viewer->at("listover").items.lines();
  }
  std::vector<std::string> file_lines() {
    std::vector<std::string> read;
    disk.read_lines(report_path, [&](std::string_view line) { read.push_back(codec.decode(line)); });
    return read;
  }
  static std::vector<std::string> first(const std::vector<std::string>& lines, std::size_t n) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(n)};
  }

  ReportCodec codec;
};

TEST_F(Viewing, FirstViewingShowsTheSummaryThenOpensANewRun) {
  view();
  EXPECT_TRUE(program.find_window("frmlookover")->shown);
  const std::vector<std::string> lines = file_lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "当量总数为，设计秒流量为l/s。沿程阻力水损为:米水柱。");
  EXPECT_EQ(lines[6],
            "管段编号    计算当量     设计秒流量(l/s) 管径(mm)      流速(m/s)      1000i       管长(m)       "
            "  水损(H2o)");
  EXPECT_EQ(shown(), first(lines, 5));
}

// Each viewing shows the file as it stands, once; the open viewer writes no
// second summary, but the run gets a second header block.
TEST_F(Viewing, ViewingAgainShowsTheFileOnce) {
  view();
  view();
  const std::vector<std::string> lines = file_lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(shown(), first(lines, 8));
}

TEST_F(Viewing, ReopenedViewerClosesTheRunWithANewSummary) {
  view();
  program.close("frmlookover");
  EXPECT_TRUE(shown().empty());
  view();
  const std::vector<std::string> lines = file_lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[8], std::string(105, '-'));
  EXPECT_EQ(shown(), first(lines, 13));
}

TEST_F(Viewing, ClearedReportShowsTitleAndSummary) {
  view();
  clear();
  EXPECT_EQ(shown().size(), 5u);  // the open viewer is not refreshed
  program.close("frmlookover");
  view();
  const std::vector<std::string> lines = file_lines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[1], std::string(40, '*') + "管道设计秒流量计算结果" + std::string(43, '*'));
  EXPECT_EQ(lines[4], std::string(105, '-'));
  EXPECT_EQ(shown(), first(lines, 9));
}

TEST_F(Viewing, ShowsALongReportLineByLineAndMarksWhatDoesNotDecode) {
  constexpr int count = 100000;
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += ' ';
    bytes += std::to_string(i) + "-" + std::to_string(i + 1) + "\r\n";
  }
  bytes += "\xB9\xDC\xFF\r\n";
  disk.files[report_path] = bytes;
  view();
  const std::vector<std::string> lines = shown();
  ASSERT_EQ(lines.size(), count + 1u + 5u);
  EXPECT_EQ(lines[0], " 0-1");
  EXPECT_EQ(lines[count - 1], " 99999-100000");
  EXPECT_EQ(lines[count], "管\uFFFD");
  EXPECT_EQ(program.state().book.book_line, Value(std::string(47, '-') + "END" + std::string(56, '-')));
}

}  // namespace
}  // namespace aquamere
