// What the user does in the real widgets reaches the program once, and what
// the program holds afterwards is what every widget shows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "desktop/control_widgets.h"
#include "desktop_fixture.h"
#include "frontend/form_view.h"

namespace aquamere {
namespace {

using DesktopEvents = DesktopTest;

// Types into a box as a user does: select the old text, type over it.
void type_over(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
}

TEST_F(DesktopEvents, ExitWithTheViewerOpenClosesTheMainWindowOnly) {
  disk.files["c:\\file.txt"] = "";
  choose("mnulook");
  ASSERT_TRUE(window("frmlookover")->isVisible());
  choose("mnuexit");
  EXPECT_EQ(window("frmmain"), nullptr);
  EXPECT_TRUE(window("frmlookover")->isVisible());
  EXPECT_FALSE(ended);

  window("frmlookover")->close();  // its close box
  settle();
  EXPECT_EQ(window("frmlookover"), nullptr);
  EXPECT_TRUE(ended);
}

// The window the program brings to the front is raised once; the user's
// work in another window does not bring it back.
TEST_F(DesktopEvents, OnlyAnOpeningBringsAWindowToTheFront) {
  choose("mnuabout");
  ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmabout")));
  window("frmmain")->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmmain")));
  type_over(widget<QLineEdit>("frmmain", "t_q0"), "300");
  settle();
  EXPECT_EQ(QApplication::activeWindow(), window("frmmain"));
  choose("mnuabout");
  EXPECT_TRUE(QTest::qWaitForWindowActive(window("frmabout")));
}

// Ctrl+A, C, V, X and Z edit a text box that has the focus, and run their
// menu items everywhere else.
TEST_F(DesktopEvents, EditingKeysEditAFocusedTextBoxAndRunMenuItemsElsewhere) {
  FormWindow* main = window("frmmain");
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  auto* box = widget<QLineEdit>("frmmain", "t_q0");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box->selectedText(), "250");
  EXPECT_EQ(window("frma"), nullptr);
  QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
  settle();
  EXPECT_EQ(QApplication::clipboard()->text(), "250");
  EXPECT_EQ(main_text("t_q0"), "");
  ASSERT_NE(window("frmmain"), nullptr);
  EXPECT_TRUE(main->isVisible());
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // takes the cut back, not a segment
  settle();
  EXPECT_EQ(main_text("t_q0"), "250");
  EXPECT_TRUE(dialogs.shown().empty());

  QTest::keyClick(box, Qt::Key_F2);  // other shortcuts still run from a box
  EXPECT_TRUE(window("frmset")->isVisible());
  window("frmset")->close();
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));

  // A click on the window's background takes the focus from the text box.
  box->setFocus();
  ASSERT_EQ(main->client()->childAt(2, 2), nullptr);
  QTest::mouseClick(main->client(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(QApplication::focusWidget(), main->client());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  settle();
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法撤销上一管段：计算书“c:\\file.txt”中没有管段记录。"});
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
  settle();
  EXPECT_EQ(window("frmmain"), nullptr);
  EXPECT_TRUE(ended);
}

// An undo whose write fails leaves every widget showing what it showed,
// and the files as they were.
TEST_F(DesktopEvents, AFailedUndoLeavesTheWidgetsAsTheyWere) {
  type_over(widget<QLineEdit>("frmmain", "t_Ng"), "4");
  choose("mnukill");
  for (int i = 0; i < 2; ++i) QTest::mouseClick(widget<QPushButton>("frmmain", "cmdjsmll"), Qt::LeftButton);
  const auto shown = [this] {
    std::vector<QString> texts;
    for (QLineEdit* box : window("frmmain")->findChildren<QLineEdit*>()) texts.push_back(box->text());
    for (QListWidget* list : window("frmmain")->findChildren<QListWidget*>()) {
      for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text());
    }
    texts.push_back(widget<QLabel>("frmmain", "lab_2")->text());
    return texts;
  };
  const std::vector<QString> before = shown();
  ASSERT_EQ(widget<QLabel>("frmmain", "lab_2")->text(), "2-3");
  const auto files = disk.files;
  disk.writes_before_failure = 1;  // the journal cannot be cut back
  choose("mnuundo");
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"无法写入计算书“c:\\file.txt.json”：磁盘已满。"});
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(disk.files, files);
  choose("mnuundo");
  EXPECT_EQ(widget<QLabel>("frmmain", "lab_2")->text(), "1-2");
  EXPECT_EQ(widget<QLineEdit>("frmmain", "t_nguo")->text(), "4");
}

// Each window opens with the focus in the first control of its tab order,
// where the user's first key goes.
TEST_F(DesktopEvents, AWindowOpensWithTheFocusInTheFirstControlOfItsTabOrder) {
  choose("mnuset");
  for (const char* name : {"frmmain", "frmset"}) {
    const std::vector<const Control*> order = tab_order(*program.find_window(name));
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(window(name)->focusWidget(), window(name)->control(order.front()->name)) << name;
  }
}

// The options of a frame are one choice, also after the program has set one
// (it clears the others while the group lets it): the arrow keys still move
// the choice within the frame, and the other frame's choice stays.
TEST_F(DesktopEvents, OptionsStayOneChoicePerFrameAfterTheProgramSetsOne) {
  choose("mnuset");
  QTest::mouseClick(widget<QRadioButton>("frmset", "op_2"), Qt::LeftButton, {}, QPoint(6, 8));
  program.state().windows.at("frmset").select_option("op_lz");  // as a program step would
  desktop.sync();
  EXPECT_TRUE(widget<QRadioButton>("frmset", "op_lz")->isChecked());
  EXPECT_FALSE(widget<QRadioButton>("frmset", "op_ppr")->isChecked());
  auto* chosen = widget<QRadioButton>("frmset", "op_lz");
  chosen->setFocus();
  QTest::keyClick(chosen, Qt::Key_Up);
  const Form& settings = *program.find_window("frmset");
  int materials = 0;
  for (const char* option : {"op_jd", "op_sc", "op_ppr", "op_lz"}) {
    materials += settings.value(option);
    EXPECT_EQ(widget<QRadioButton>("frmset", option)->isChecked(), settings.value(option) == 1) << option;
  }
  EXPECT_EQ(materials, 1);
  EXPECT_EQ(settings.value("op_lz"), 0) << "the arrow key did not move the choice";
  EXPECT_EQ(settings.value("op_2"), 1);
  EXPECT_TRUE(widget<QRadioButton>("frmset", "op_2")->isChecked());
}

}  // namespace
}  // namespace aquamere
