#include "report/report_codec.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace aquamere {
namespace {

struct Encoding {
  const char* text;
  std::string bytes;
};

// Code page 936's own bytes for what it has ("€" its single byte 0x80, "亐"
// a character whose second byte is 0x80 too).
const Encoding encodings[] = {
    {"De25 0.35", "De25 0.35"},
    {"管段编号", "\xB9\xDC\xB6\xCE\xB1\xE0\xBA\xC5"},
    {"∑Ng ΣUo", "\xA1\xC6Ng \xA6\xB2Uo"},
    {"€", "\x80"},
    {"亐€5€",
     "\x81\x80\x80"
     "5\x80"},
    {"", ""},
};

// GB18030's four bytes for a character code page 936 lacks.
const Encoding beyond_gbk[] = {
    {"𠀀€", "\x95\x32\x82\x36\x80"},
    {"管𠀀段", "\xB9\xDC\x95\x32\x82\x36\xB6\xCE"},
};

TEST(ReportCodec, WritesWhatCodePage936HasAsItDoes) {
  ReportCodec codec;
  for (const Encoding& e : encodings) {
    EXPECT_EQ(codec.encode(e.text), e.bytes) << e.text;
    EXPECT_EQ(codec.decode(e.bytes), e.text) << e.text;
  }
}

TEST(ReportCodec, KeepsWhatCodePage936LacksInItsGb18030Form) {
  ReportCodec codec;
  try {
    codec.encode("𠀀");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "this system has no GB18030 converter (Wine lacks code page 54936)";
  }
  for (const Encoding& e : beyond_gbk) {
    EXPECT_EQ(codec.encode(e.text), e.bytes) << e.text;
    EXPECT_EQ(codec.decode(e.bytes), e.text) << e.text;
  }
}

// Each converter opens on first need: a codec that only ever saw ASCII, or
// only one direction, must still convert and be destroyed cleanly.
TEST(ReportCodec, ConvertersOpenOnlyWhenNeeded) {
  {
    ReportCodec ascii_only;
    EXPECT_EQ(ascii_only.encode("De25 0.35"), "De25 0.35");
    EXPECT_EQ(ascii_only.decode("1000i"), "1000i");
  }
  ReportCodec reading_only;
  EXPECT_EQ(reading_only.decode("\xB9\xDC\xB6\xCE"), "管段");
  ReportCodec writing_only;
  EXPECT_EQ(writing_only.encode("管段"), "\xB9\xDC\xB6\xCE");
}

// Bytes that do not decode become U+FFFD, each three bytes of text, so the
// output may grow past its first estimate; text that is no UTF-8 is written
// as U+FFFD; reports written before "€" was given code page 936's byte still
// read.
TEST(ReportCodec, WhatDoesNotConvertBecomesReplacementCharacters) {
  ReportCodec codec;
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "\uFFFD";
  const std::pair<std::string, std::string> cases[] = {
      {"a\xFF!", "a\uFFFD!"},
      {"\xB9\xDC\xFF\xB6\xCE", "管\uFFFD段"},
      {"\xB9", "\uFFFD"},                 // a character cut off at the end of the line
      {"\x95\x32\x82", "\uFFFD2\uFFFD"},  // likewise a four-byte one
      {std::string(1000, '\xFF'), many},
      {"\xA2\xE3 \x80", "€ €"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(codec.decode(bytes), text) << bytes.substr(0, 8);
  EXPECT_EQ(codec.encode("a\xC3!"), "a\x84\x31\xA4\x37!");
}

}  // namespace
}  // namespace aquamere
