#include "report/modfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_failure.h"
#include "program_fixture.h"
#include "report/report_codec.h"

namespace aquamere {
namespace {

constexpr const char* default_path = "c:\\file.txt";

// The captions line as it stands in the file: GBK bytes, 107 columns.
const std::string column_header_bytes =
    "\xB9\xDC\xB6\xCE\xB1\xE0\xBA\xC5    \xBC\xC6\xCB\xE3\xB5\xB1\xC1\xBF     "
    "\xC9\xE8\xBC\xC6\xC3\xEB\xC1\xF7\xC1\xBF(l/s) \xB9\xDC\xBE\xB6(mm)      "
    "\xC1\xF7\xCB\xD9(m/s)      1000i       \xB9\xDC\xB3\xA4(m)         \xCB\xAE\xCB\xF0(H2o)";

const std::string rule105(105, '-');
const std::string rule107(107, '-');
const std::string end_line = std::string(47, '-') + "END" + std::string(56, '-');

class Report : public ProgramTest {
 protected:
  ModFile& modfile() { return program.modfile(); }
  Form& frmmain() { return program.window("frmmain"); }
  MainVars& main_vars() { return program.state().main; }
  const BookVars& book() { return program.state().book; }

  const std::string& file(const char* path = default_path) const { return disk.files.at(path); }
  // The file's lines as text; every line must end with CR LF.
  std::vector<std::string> lines(const char* path = default_path) {
    const std::string& bytes = file(path);
    EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n"));
    std::vector<std::string> read;
    disk.read_lines(path, [&](std::string_view line) { read.push_back(codec.decode(line)); });
    return read;
  }
  // The last line as it stands in the file, where columns are bytes.
  std::string last_line() {
    std::string_view bytes = file();
    bytes.remove_suffix(2);
    const std::size_t start = bytes.rfind("\r\n");
    return std::string(start == std::string_view::npos ? bytes : bytes.substr(start + 2));
  }

  // One segment written with the given 1000i and length.
  void segment(const char* i_i, const char* length) {
    main_vars().i_i = i_i;
    frmmain().set_text("txt_l", length);
    program.frmmain().put_seg();
  }

  ReportCodec codec;
};

TEST_F(Report, SegmentLineInPrintZonesOfGbkColumns) {
  frmmain().set_text("lab_3", "0");
  frmmain().set_text("t_nguo", "12.5");
  frmmain().set_text("t_qg", "0.35");
  main_vars().de_de = "De25";
  main_vars().v_v = "0.71";
  segment("10", "3");
  EXPECT_EQ(file(),
            " 0-1          12.5          0.35          De25          0.71          10            3       "
            "       30 \r\n");
}

// Before any size is chosen the main window shows its placeholders and the
// variables are Empty: an Empty field is nothing, the next keeps its zone,
// and the placeholder "∑Ng" takes four columns.
TEST_F(Report, EmptyFieldsKeepTheZonesOfTheFieldsAfterThem) {
  program.frmmain().put_seg();
  EXPECT_EQ(file(), " 0-1          \xA1\xC6Ng" + std::string(10 + 4 * 14, ' ') + "1              0 \r\n");
}

TEST_F(Report, SegmentLabelRunsFromTheCounterToTheNextNode) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", " 0-1"}, {"3", " 3-4"}, {"", " 0-1"}, {"7a", " 7-8"}};
  for (const auto& [counter, label] : cases) {
    frmmain().set_text("lab_3", counter);
    program.frmmain().put_seg();
    EXPECT_EQ(last_line().substr(0, 14), label + std::string(14 - std::string(label).size(), ' ')) << counter;
  }
}

TEST_F(Report, LastColumnCarriesTheRunningFrictionLoss) {
  segment("10", "3");
  EXPECT_EQ(last_line().substr(98), " 30 ");
  segment("10", "4");
  EXPECT_EQ(last_line().substr(98), " 70 ");
  segment("10", "-10");
  EXPECT_EQ(last_line().substr(98), "-30 ");
  segment("abc", "5");  // a 1000i that is no number adds nothing
  EXPECT_EQ(last_line().substr(98), "-30 ");
  EXPECT_EQ(book().book_hsum, Value(-30.0));
}

TEST_F(Report, LengthThatIsNoNumberFailsBeforeAnythingIsWritten) {
  segment("10", "3");
  const std::string before = file();
  EXPECT_FAILURE(segment("10", "3m"), "无法计算：「管长」中的“3m”不是数字。");
  EXPECT_EQ(file(), before);
}

TEST_F(Report, SummaryBeforeAnySegment) {
  modfile().put_sum();
  const std::vector<std::string> expected = {rule105, "当量总数为，设计秒流量为l/s。沿程阻力水损为:米水柱。",
                                             "局部阻力水头损失系数为25%，总水头损失为; 0米水柱。", "",
                                             end_line};
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ(book().book_coef, Value("0.25"));
}

TEST_F(Report, SummaryAddsLocalLossesAsAShareOfTheFriction) {
  frmmain().set_text("t_nguo", "12.5");
  frmmain().set_text("t_qg", "0.35");
  segment("10", "3");
  struct Case {
    const char* coefficient;
    const char* line3;
  };
  const Case cases[] = {
      {"0.25", "局部阻力水头损失系数为25%，总水头损失为; 37.5米水柱。"},
      {"0.3", "局部阻力水头损失系数为30%，总水头损失为; 39米水柱。"},
      {"abc", "局部阻力水头损失系数为0%，总水头损失为; 30米水柱。"},
  };
  for (const Case& c : cases) {
    program.window("frmset").set_text("txt_h", c.coefficient);
    disk.files.clear();
    modfile().put_sum();
    const std::vector<std::string> read = lines();
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[1], "当量总数为12.5，设计秒流量为0.35l/s。沿程阻力水损为: 30 米水柱。");
    EXPECT_EQ(read[2], c.line3);
  }
}

TEST_F(Report, TitleAndHeaderBlocksByteForByte) {
  modfile().new_book();
  const std::string title =
      std::string(40, '*') +
      "\xB9\xDC\xB5\xC0\xC9\xE8\xBC\xC6\xC3\xEB\xC1\xF7\xC1\xBF\xBC\xC6\xCB\xE3\xBD\xE1\xB9\xFB" +
      std::string(43, '*');
  EXPECT_EQ(file(), "\r\n" + title + "\r\n" + rule105 + "\r\n" + column_header_bytes + "\r\n");
  disk.files.clear();
  modfile().put_head();
  EXPECT_EQ(file(), rule107 + "\r\n" + column_header_bytes + "\r\n" + rule107 + "\r\n");
}

TEST_F(Report, ClearingTwiceLeavesOneTitleBlock) {
  segment("10", "3");
  modfile().new_book();
  const std::string once = file();
  modfile().new_book();
  EXPECT_EQ(file(), once);
  EXPECT_EQ(lines().size(), 4u);
}

// A cleared report starts its own totals: its first segment and its first
// summary count only what was written into it.
TEST_F(Report, ClearingStartsTheRunningTotalsAfresh) {
  frmmain().set_text("t_nguo", "12.5");
  segment("10", "3");
  modfile().new_book();
  EXPECT_EQ(book().book_hsum, Value());
  EXPECT_EQ(book().book_ng, Value());
  modfile().put_sum();
  EXPECT_EQ(lines()[5], "当量总数为，设计秒流量为l/s。沿程阻力水损为:米水柱。");
  segment("10", "4");
  EXPECT_EQ(last_line().substr(98), " 40 ");
}

TEST_F(Report, EachProcedureWritesToThePathSetAtThatMoment) {
  program.frmmain().put_seg();
  program.window("frmset").set_text("txtfile", "d:\\其他.txt");
  program.frmmain().put_seg();
  EXPECT_EQ(lines().size(), 1u);
  EXPECT_EQ(lines("d:\\其他.txt").size(), 1u);
  EXPECT_EQ(book().book_path, Value("d:\\其他.txt"));
}

// The viewer writes a summary when it comes into being, so it is made
// before the report goes missing.
TEST_F(Report, LoadingAMissingReportCreatesItEmpty) {
  program.window("frmlookover");
  disk.files.clear();
  modfile().load_book();
  EXPECT_EQ(file(), "");
  EXPECT_TRUE(program.window("frmlookover").at("listover").items.empty());
}

}  // namespace
}  // namespace aquamere
