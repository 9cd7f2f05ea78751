// The real message and input boxes and the save dialog, answered from a
// timer as a user would.
#include "desktop/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <functional>

#include "desktop/boxes.h"

namespace aquamere {
namespace {

// Once the modal box is up, looks at it and answers it.
template <class Box>
void when_shown(std::function<void(Box&)> answer) {
  boxes::answer_next([answer](QWidget& shown) {
    auto* box = qobject_cast<Box*>(&shown);
    if (box == nullptr) {
      ADD_FAILURE() << "Another kind of box: " << shown.windowTitle().toStdString();
      shown.close();
      return;
    }
    answer(*box);
  });
}

TEST(QtDialogs, MessageHasTheTitleTheTextAndOnlyOk) {
  QtDialogs dialogs;
  std::vector<std::string> steps;
  dialogs.before_each_box([&] { steps.emplace_back("windows brought up to date"); });
  when_shown<QMessageBox>([&](QMessageBox& box) {
    steps.emplace_back("box shown");
    EXPECT_EQ(box.windowTitle(), "Aquamere");
    EXPECT_EQ(box.text(), "户当量过大 <请核对>");
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "确定");
    box.button(QMessageBox::Ok)->click();
  });
  dialogs.message("Aquamere", "户当量过大 <请核对>", true);
  EXPECT_EQ(steps, (std::vector<std::string>{"windows brought up to date", "box shown"}));
}

// What was typed is the answer, and a cancelled box answers nothing.
TEST(QtDialogs, InputStartsEmptyAndAnswersWhatWasTypedUnlessCancelled) {
  QtDialogs dialogs;
  when_shown<QInputDialog>([](QInputDialog& box) {
    EXPECT_EQ(box.windowTitle(), "Aquamere");
    EXPECT_EQ(box.labelText(), "请输入管段数:");
    EXPECT_EQ(box.textValue(), "");
    box.findChild<QLineEdit*>()->insert("12");
    box.accept();
  });
  EXPECT_EQ(dialogs.input("Aquamere", "请输入管段数:"), "12");
  when_shown<QInputDialog>([](QInputDialog& box) {
    box.findChild<QLineEdit*>()->insert("12");
    box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(dialogs.input("Aquamere", "请输入管段数:"), "");
}

TEST(QtDialogs, SaveDialogProposesThePathAndAnswersTheOneChosen) {
  QtDialogs dialogs;
  when_shown<QFileDialog>([](QFileDialog& box) {
    EXPECT_EQ(box.windowTitle(), "导出Excel计算书");
    EXPECT_EQ(box.acceptMode(), QFileDialog::AcceptSave);
    ASSERT_EQ(box.selectedFiles().size(), 1);
    EXPECT_TRUE(box.selectedFiles().front().endsWith("/c:\\file.txt.xlsx"));
    static_cast<QDialog&>(box).accept();  // as the Save button does
  });
  EXPECT_TRUE(dialogs.save_path("导出Excel计算书", "c:\\file.txt.xlsx").ends_with("/c:\\file.txt.xlsx"));
  when_shown<QFileDialog>([](QFileDialog& box) { box.reject(); });
  EXPECT_EQ(dialogs.save_path("导出Excel计算书", "book.xlsx"), "");
}

// It starts in the folder of the report in force, offers the reports first
// and takes only a file that exists.
TEST(QtDialogs, OpenDialogStartsWhereTheReportIsAndOffersReports) {
  QtDialogs dialogs;
  when_shown<QFileDialog>([](QFileDialog& box) {
    EXPECT_EQ(box.windowTitle(), "打开计算书");
    EXPECT_EQ(box.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(box.directory().absolutePath(), QDir::tempPath());
    EXPECT_EQ(box.nameFilters(), (QStringList{"计算书 (*.txt)", "所有文件 (*)"}));
    box.reject();
  });
  EXPECT_EQ(dialogs.open_path("打开计算书", (QDir::tempPath() + "/JL-2.txt").toStdString()), "");
}

}  // namespace
}  // namespace aquamere
