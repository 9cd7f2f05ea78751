// Every window as the user sees it: each caption readable in full in the
// face installed here, and the reference lists whole.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "desktop/control_widgets.h"
#include "desktop_fixture.h"
#include "frontend/menu_keys.h"

namespace aquamere {
namespace {

// Every window of the program, by the menu item that opens it.
constexpr std::pair<const char*, const char*> openers[] = {
    {"mnuset", "frmset"}, {"mnulook", "frmlookover"}, {"mnua", "frma"},         {"mnudj", "Frmdj2"},
    {"mnuuo1", "Fmuo"},   {"mnuv", "frmv"},           {"mnuabout", "frmabout"},
};

class EveryWindow : public DesktopTest {
 protected:
  void SetUp() override {
    disk.files["c:\\file.txt"] = "";
    for (const auto& [item, name] : openers) choose(item);
  }
  std::vector<std::string> names() const {
    std::vector<std::string> all{"frmmain"};
    for (const auto& opener : openers) all.emplace_back(opener.second);
    return all;
  }
};

// How much wider the text is than the room its control gives it (<= 0 when
// it fits), in the control's own face.
int overflow(QWidget* w) {
  const QFontMetrics metrics = w->fontMetrics();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->heightForWidth(label->width()) - label->height();
  if (auto* push = qobject_cast<QPushButton*>(w)) {
    const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
    return metrics.horizontalAdvance(push->text()) + 2 * margin - push->width();
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    // Check box or option: the caption's room is what the indicator leaves;
    // a trailing blank draws nothing.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
    const auto element = check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    const QRect room = button->style()->subElementRect(element, &option, button);
    return metrics.horizontalAdvance(button->text().trimmed()) - room.width();
  }
  if (auto* frame = qobject_cast<QGroupBox*>(w))
    return metrics.horizontalAdvance(frame->title()) + 16 - frame->width();
  if (auto* box = qobject_cast<QLineEdit*>(w)) {
    const int wide = metrics.horizontalAdvance(box->text()) + 8 - box->width();
    return std::max(wide, metrics.height() + 4 - box->height());
  }
  int widest = 0;
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    for (int i = 0; i < list->count(); ++i)
      widest = std::max(widest, metrics.horizontalAdvance(list->item(i)->text()));
    return list->count() == 0 ? 0 : widest + 2 - list->viewport()->width();  // a pixel each side
  }
  if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
    for (const QString& line : text->toPlainText().split('\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest + 4 - text->viewport()->width();
  }
  return 0;
}

// Every caption fits its control; the menu's separators are bare lines.
TEST_F(EveryWindow, EveryCaptionFitsItsControlAndSeparatorsAreBareLines) {
  int separators = 0;
  for (const std::string& name : names()) {
    for (const Control& c : program.find_window(name)->controls) {
      if (is_separator(c)) {
        const QAction* line = desktop.window(name)->menu_item(c.name);
        EXPECT_TRUE(line != nullptr && line->isSeparator() && line->text().isEmpty()) << c.name;
        ++separators;
      } else if (QWidget* widget = desktop.window(name)->control(c.name)) {
        EXPECT_LE(overflow(widget), 0)
            << name << "." << c.name << " in " << widget->fontInfo().family().toStdString();
      }
    }
  }
  EXPECT_GT(separators, 0);
}

TEST_F(EveryWindow, ChineseTextIsDrawnInAChineseFace) {
  const QString song = desktop.window("Frmdj2")->control("lstdj")->fontInfo().family();
  EXPECT_TRUE(song.startsWith("AR PL UMing") || song == "SimSun") << song.toStdString();
  EXPECT_EQ(desktop.window("Frmdj2")->control("lstdj")->font().pixelSize(), 19);     // 14.25 pt
  EXPECT_EQ(desktop.window("frmabout")->control("Label1")->font().pixelSize(), 16);  // 12 pt
  const QFontMetrics main_face = desktop.window("frmmain")->control("Label1")->fontMetrics();
  for (const char* text : {"计算当量Ng:", "∑(Ng X Uo)", "ΣUo", "α:", "户  数:", "有延时自闭冲洗阀"}) {
    for (const QChar ch : QString::fromUtf8(text)) EXPECT_TRUE(main_face.inFontUcs4(ch.unicode())) << text;
  }
}

// The viewer's columns line up as the report counts them: every character
// takes one cell, a Chinese one two.
TEST_F(EveryWindow, TheViewersFaceGivesAChineseCharacterTwoCells) {
  const QFontMetrics fixed = desktop.window("frmlookover")->control("listover")->fontMetrics();
  EXPECT_EQ(fixed.horizontalAdvance("iiii"), fixed.horizontalAdvance("WWWW"));
  EXPECT_EQ(fixed.horizontalAdvance(QString::fromUtf8("管道")), fixed.horizontalAdvance("iiii"))
      << desktop.window("frmlookover")->control("listover")->fontInfo().family().toStdString();
}

TEST_F(EveryWindow, ReferenceListsShowAllTheirRowsWithoutScrolling) {
  for (const auto& [window, list] :
       {std::pair{"frma", "lsta1"}, {"frma", "lsta2"}, {"Frmdj2", "lstdj"}, {"Frmdj2", "lstdjj"}}) {
    auto* box = widget<QListWidget>(window, list);
    ASSERT_NE(box, nullptr) << list;
    const int rows = box->count() * box->sizeHintForRow(0);
    EXPECT_LE(rows, box->viewport()->height()) << list;
  }
}

}  // namespace
}  // namespace aquamere
