#include "desktop/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace aquamere {
namespace {

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// A failure reads like any other message: the system's boxes carry no icon.
void QtDialogs::message(std::string_view title, std::string_view text, bool) {
  if (before_) before_();
  QMessageBox box;
  box.setWindowTitle(qt_text(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(qt_text(text));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

std::string QtDialogs::input(std::string_view title, std::string_view prompt) {
  if (before_) before_();
  QInputDialog box;
  box.setWindowTitle(qt_text(title));
  box.setInputMode(QInputDialog::TextInput);
  box.setLabelText(qt_text(prompt));
  box.setTextValue(QString());
  if (box.exec() != QDialog::Accepted) return {};
  return box.textValue().toStdString();
}

// The platform's save dialog, which asks before it overwrites a file.
std::string QtDialogs::save_path(std::string_view title, std::string_view proposed) {
  if (before_) before_();
  QFileDialog box(nullptr, qt_text(title), QString(), "Excel 工作簿 (*.xlsx)");
  box.setAcceptMode(QFileDialog::AcceptSave);
  box.selectFile(qt_text(proposed));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  return box.selectedFiles().front().toStdString();
}

}  // namespace aquamere
