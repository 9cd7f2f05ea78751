// A report file the program did not write — another program's text, binary
// junk, an endless line — still views: every byte that does not decode
// shows as U+FFFD and nothing fails.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "common/dialogs.h"
#include "files/disk_files.h"
#include "program/program.h"
#include "temp_folder.h"

namespace aquamere {
namespace {

class ForeignReport : public ::testing::Test {
 protected:
  void SetUp() override {
    report = folder.path("book.txt");
    program.click("frmmain", "mnuset");
    program.type("frmset", "txtfile", report);
  }

  void write(const std::string& bytes) { std::ofstream(report, std::ios::binary) << bytes; }

  // Views the report and returns the lines the viewer shows.
  const std::vector<std::string>& view() {
    program.click("frmmain", "mnulook");
    EXPECT_TRUE(dialogs.messages().empty());
    return program.find_window("frmlookover")->at("listover").items.lines();
  }

  TempFolder folder;
  std::string report;
  ScriptedDialogs dialogs;
  DiskFiles disk;
  Program program{dialogs, disk};
};

// UTF-8 bytes, which GBK reads as other characters; binary junk with NUL
// bytes; a line of a megabyte.
TEST_F(ForeignReport, AnyBytesView) {
  write("管径 De32\r\n");
  EXPECT_EQ(view().at(0), "绠″緞 De32");
  std::mt19937 random(7);
  std::string junk(65536, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  write(junk + std::string("\0\0a\0b\r\n", 7));
  EXPECT_GT(view().size(), 5u);
  write(std::string(1 << 20, 'x') + "\r\n");
  EXPECT_EQ(view().at(0).size(), 1u << 20);
}

TEST_F(ForeignReport, OverlongPathIsAFailureTheProgramSurvives) {
  program.type("frmset", "txtfile", std::string(4000, 'p'));
  program.click("frmmain", "mnulook");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].type, ScriptedDialogs::Shown::Type::Failure);
  EXPECT_NE(dialogs.shown()[0].text.find("路径太长"), std::string::npos);
  EXPECT_EQ(program.find_window("frmlookover"), nullptr);
  EXPECT_TRUE(program.running());
}

}  // namespace
}  // namespace aquamere
