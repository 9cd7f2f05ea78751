#include "report/modfile.h"

#include <gtest/gtest.h>

#include <string>

#include "program_fixture.h"

namespace aquamere {
namespace {

class Report : public ProgramTest {
 protected:
  Form& frmmain() { return program.window("frmmain"); }
  const std::string& file() const { return disk.files.at("c:\\file.txt"); }
};

// Fields are encoded before they are laid out, so columns count GBK bytes.
// Before any calculation an Empty field is nothing, the next keeps its
// zone, and the placeholder "∑Ng" takes four columns.
TEST_F(Report, SegmentLineBeforeAnyCalculation) {
  program.frmmain().put_seg();
  EXPECT_EQ(file(), " 0-1          \xA1\xC6Ng" + std::string(10 + 4 * 14, ' ') + "1              0 \r\n");
}

// The label runs from the counter (an empty one counts 0) to the next node;
// the last column carries the running sum of 1000i × length.
TEST_F(Report, SegmentLabelAndRunningFrictionLoss) {
  struct Row {
    const char *counter, *friction, *length, *label, *running_loss;
  };
  const Row rows[] = {
      {"0", "10", "3", " 0-1", " 30 "},
      {"3", "10", "4", " 3-4", " 70 "},
      {"", "10", "-10", " 0-1", "-30 "},
      {"7", "abc", "5", " 7-8", "-30 "},  // a 1000i that is no number adds nothing
  };
  for (const Row& r : rows) {
    frmmain().set_text("lab_3", r.counter);
    frmmain().set_text("txt_l", r.length);
    program.state().main.i_i = r.friction;
    disk.files.clear();
    program.frmmain().put_seg();
    EXPECT_EQ(file().substr(0, 4), r.label);
    EXPECT_EQ(file().substr(98), std::string(r.running_loss) + "\r\n") << r.counter;
  }
}

// A viewer open while the report went missing: the file is made afresh,
// empty, and the list shows nothing.
TEST_F(Report, ViewingAMissingReportCreatesItEmpty) {
  program.window("frmlookover");
  disk.files.clear();
  program.modfile().load_book();
  EXPECT_EQ(file(), "");
  EXPECT_TRUE(program.window("frmlookover").at("listover").items.empty());
}

}  // namespace
}  // namespace aquamere
