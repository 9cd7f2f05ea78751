#include <gtest/gtest.h>

#include "scenario/script.h"

namespace aquamere::scenario {
namespace {

TEST(ScenarioScript, SplitsTokensAndReadsQuotedEscapes) {
  EXPECT_EQ(tokenize("type t_Ng 4"), (std::vector<std::string>{"type", "t_Ng", "4"}));
  EXPECT_EQ(tokenize("expect t_qg \"\""), (std::vector<std::string>{"expect", "t_qg", ""}));
  EXPECT_EQ(tokenize(R"(expect-msg "  条件不足")"), (std::vector<std::string>{"expect-msg", "  条件不足"}));
  EXPECT_EQ(tokenize(R"(answer "a\"b\\c\r\n\t")"), (std::vector<std::string>{"answer", "a\"b\\c\r\n\t"}));
  EXPECT_EQ(tokenize(R"(type frmset.txtfile c:\file.txt)").back(), R"(c:\file.txt)");
}

TEST(ScenarioScript, SkipsBlankAndCommentLines) {
  const auto steps = parse_script("\n  # comment\r\nclick cmdjsmll\r\n\nexpect-list List1\n", "a.scn");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[0].verb, "click");
  EXPECT_TRUE(steps[1].args.size() == 1);
}

}  // namespace
}  // namespace aquamere::scenario
