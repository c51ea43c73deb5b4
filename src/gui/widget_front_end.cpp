#include "gui/widget_front_end.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/qt_text.h"

namespace {

// The window a message belongs to: the modal dialog being shown, else the
// active window.
QWidget* Owner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

}  // namespace

void TWidgetFrontEnd::ShowError(const std::string& text) {
  QMessageBox::critical(Owner(), QString::fromUtf8("エラー"), ToQString(text));
}

void TWidgetFrontEnd::ShowInformation(const std::string& text) {
  QMessageBox::information(Owner(), QString::fromUtf8("情報"), ToQString(text));
}

bool TWidgetFrontEnd::Confirm(const std::string& text, bool defaultYes) {
  const QMessageBox::StandardButton answer =
      QMessageBox::question(Owner(), QString::fromUtf8("確認"), ToQString(text), QMessageBox::Yes | QMessageBox::No,
                            defaultYes ? QMessageBox::Yes : QMessageBox::No);
  return answer == QMessageBox::Yes;
}

void TWidgetFrontEnd::ProcessPending() { QApplication::processEvents(); }
