#include "desktop/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "frontend/file_dialogs.h"

namespace aquamere {
namespace {

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box belongs to the window the user acted in, the active one, and no
// window of the program takes input while it is up. When it has gone, that
// window is active again with the focus in the widget that had it: without
// a window manager to choose the next window (and on some desktops even
// with one) the keys would otherwise go nowhere until the user clicks.
class BoxOverTheProgram {
 public:
  BoxOverTheProgram() : owner_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}
  BoxOverTheProgram(const BoxOverTheProgram&) = delete;
  BoxOverTheProgram& operator=(const BoxOverTheProgram&) = delete;
  ~BoxOverTheProgram() {
    if (owner_ == nullptr || !owner_->isVisible()) return;
    owner_->activateWindow();
    if (focus_ != nullptr && focus_->window() == owner_) focus_->setFocus(Qt::OtherFocusReason);
  }

  QWidget* owner() const { return owner_.data(); }

  // Shows the box, modal for the whole program, until it is answered.
  int run(QDialog& box) const {
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
  }

 private:
  QPointer<QWidget> owner_;
  QPointer<QWidget> focus_;
};

}  // namespace

// A failure reads like any other message: the system's boxes carry no icon.
void QtDialogs::message(std::string_view title, std::string_view text, bool) {
  if (before_) before_();
  const BoxOverTheProgram over;
  QMessageBox box(over.owner());
  box.setWindowTitle(qt_text(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(qt_text(text));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  over.run(box);
}

std::string QtDialogs::input(std::string_view title, std::string_view prompt) {
  if (before_) before_();
  const BoxOverTheProgram over;
  QInputDialog box(over.owner());
  box.setWindowTitle(qt_text(title));
  box.setInputMode(QInputDialog::TextInput);
  box.setLabelText(qt_text(prompt));
  box.setTextValue(QString());
  if (over.run(box) != QDialog::Accepted) return {};
  return box.textValue().toStdString();
}

// The platform's save dialog, which asks before it overwrites a file.
std::string QtDialogs::save_path(std::string_view title, std::string_view proposed) {
  if (before_) before_();
  const BoxOverTheProgram over;
  QFileDialog box(over.owner(), qt_text(title), QString(), qt_text(book_filter_name));
  box.setAcceptMode(QFileDialog::AcceptSave);
  box.setDefaultSuffix(qt_text(book_extension));
  box.selectFile(qt_text(proposed));
  if (over.run(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  return box.selectedFiles().front().toStdString();
}

// The platform's open dialog, which takes only a file that exists. It starts
// in the folder of the report in force, where a designer keeps the reports
// of the other risers.
std::string QtDialogs::open_path(std::string_view title, std::string_view current) {
  if (before_) before_();
  const BoxOverTheProgram over;
  QFileDialog box(over.owner(), qt_text(title), QFileInfo(qt_text(current)).absolutePath());
  box.setAcceptMode(QFileDialog::AcceptOpen);
  box.setFileMode(QFileDialog::ExistingFile);
  box.setNameFilters({qt_text(report_filter_name), qt_text(any_file_filter_name) + " (*)"});
  if (over.run(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  return box.selectedFiles().front().toStdString();
}

}  // namespace aquamere
