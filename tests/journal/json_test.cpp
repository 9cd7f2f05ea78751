// The journal's JSON: what its writer writes, its reader reads back.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "journal/json_reader.h"
#include "journal/json_writer.h"

namespace aquamere {
namespace {

using Kind = JsonNode::Kind;

// Whatever the journal's writer writes reads back as it was: texts with
// their escapes, numbers to the last bit, nested objects and arrays.
TEST(JsonReader, ReadsBackWhatTheJournalWrites) {
  const std::vector<std::string> lines = {"管径mm", "De25", "a\"b\\c\t\x01", ""};
  JsonWriter out;
  out.text("label", "1-2");
  out.open("before");
  out.texts("List1", lines);
  out.number("U", 0.5206431734534451);
  out.number("tiny", 4.9e-324);
  out.null("Qg");
  out.boolean("reset", true);
  out.close();
  const std::string line = std::move(out).line();
  const std::optional<JsonDocument> document = JsonDocument::parse(line);
  ASSERT_TRUE(document.has_value()) << line;
  const JsonNode root = document->root();
  EXPECT_EQ(root["label"].text(), "1-2");
  const JsonNode before = root["before"];
  std::vector<std::string> read;
  for (const JsonNode& item : before["List1"].items()) read.push_back(item.text().value_or("?"));
  EXPECT_EQ(read, lines);
  EXPECT_EQ(before["U"].number(), 0.5206431734534451);
  EXPECT_EQ(before["tiny"].number(), 4.9e-324);
  EXPECT_TRUE(before["Qg"].is(Kind::Null));
  EXPECT_EQ(before["reset"].flag(), true);
  std::vector<std::string> keys;
  root.for_each_member([&](std::string_view key, const JsonNode&) { keys.emplace_back(key); });
  EXPECT_EQ(keys, (std::vector<std::string>{"label", "before"}));
}

// The writer's short way to a number's digits writes what std::to_chars
// writes, for the numbers of four decimals it takes and their neighbours
// one bit away, and for the numbers it leaves to to_chars.
TEST(JsonWriter, NumbersAreWrittenAsToCharsWritesThem) {
  std::vector<double> numbers = {0.001,
                                 0.0001,
                                 0.0005,
                                 0.0012,
                                 99999.9999,
                                 1e5,
                                 99999,
                                 10000,
                                 15.6,
                                 91.6,
                                 -0.5,
                                 0,
                                 -0.0,
                                 1e-300,
                                 1e300,
                                 0.3,
                                 0.1 + 0.2,
                                 8.969599723815918,
                                 0.13340000000000002,
                                 4.9e-324};
  std::mt19937_64 random(20261207);
  constexpr double scales[] = {1, 10, 100, 1000, 10000, 100000};
  for (int i = 0; i < 100000; ++i) {
    const auto digits = static_cast<long long>(std::pow(10.0, static_cast<double>(random() % 10)));
    const auto whole = std::uniform_int_distribution<long long>(-digits, digits)(random);
    const double x = static_cast<double>(whole) / scales[random() % std::size(scales)];
    const double scale = std::pow(10.0, static_cast<int>(random() % 20) - 10);
    for (const double y : {x, x * scale}) {
      numbers.insert(numbers.end(), {y, std::nextafter(y, 1e308), std::nextafter(y, -1e308)});
    }
  }
  for (const double x : numbers) {
    NumberDigits digits;
    char expected[32];
    const std::string_view general(expected, std::to_chars(expected, expected + sizeof expected, x).ptr);
    ASSERT_EQ(std::string_view(digits.data(), shortest_decimals(x, digits)), general) << x;
  }
}

// What a hand or another program may write that is still JSON; a node of
// another kind, or missing, gives nothing.
TEST(JsonReader, TakesEscapesBlanksAndMissingMembers) {
  const auto document = JsonDocument::parse(
      " {\"t\":\"\\u00e9\\ud83d\\ude00\\/\\n\", \"n\" : -0.5E+2 ,\"a\":[ ],\"o\":{},\"f\":false, "
      "\"\\u006b\":1}\r\n");
  ASSERT_TRUE(document.has_value());
  const JsonNode root = document->root();
  EXPECT_EQ(root["t"].text(), "é😀/\n");
  EXPECT_EQ(root["n"].number(), -50.0);
  EXPECT_TRUE(root["a"].items().empty());
  EXPECT_TRUE(root.items().empty());  // an object has members, not items
  EXPECT_TRUE(root["o"].is(Kind::Object));
  EXPECT_EQ(root["f"].flag(), false);
  EXPECT_EQ(root["k"].number(), 1.0);  // a key written with an escape
  EXPECT_TRUE(root["none"]["deeper"].is(Kind::Missing));
  EXPECT_EQ(root["t"].number(), std::nullopt);
  EXPECT_EQ(JsonDocument::parse("[1e999]")->root().items()[0].number(), std::nullopt);
  EXPECT_EQ(root["n"].text(), std::nullopt);
  EXPECT_TRUE(root["t"]["x"].is(Kind::Missing));
}

// Anything that is not one strict JSON value is no document, and nothing in
// it is read: a record cut short or edited into something else.
TEST(JsonReader, RefusesWhatIsNoStrictJson) {
  const std::string too_deep = std::string(33, '[') + std::string(33, ']');
  const std::string deep_enough = std::string(32, '[') + std::string(32, ']');
  EXPECT_TRUE(JsonDocument::parse(deep_enough).has_value());
  const std::string refused[] = {
      "",
      "{",
      "{\"a\":}",
      "{a:1}",
      "[1,]",
      "01",
      "1.",
      "-",
      "nul",
      "{} {}",
      "\"abc",
      "\"\x01\"",
      R"("\x")",
      R"("\u12")",
      R"("\ud800")",
      R"("\udc00")",
      "\"\xff\"",
      "\"\xed\xa0\x80\"",
      too_deep,
      std::string("[1]\0", 4),
  };
  for (const std::string& text : refused) {
    EXPECT_FALSE(JsonDocument::parse(text).has_value()) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace aquamere
