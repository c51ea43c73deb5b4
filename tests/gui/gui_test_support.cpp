#include "gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include "gui/fonts.h"
#include "gui/qt_text.h"

// Fontconfig, under Qt's font database, keeps a little memory that it never
// frees; the leak checker is not to count it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

void EnsureGuiApplication() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives as long as the test program
  InstallFonts();
}

std::string SaveScreenshot(QWidget& widget, const std::string& name) {
  const QString folder = QStringLiteral(MIZUNARA_SCREENSHOT_FOLDER);
  QDir().mkpath(folder);
  const QString path = folder + QString::fromStdString(name) + QStringLiteral("-screenshot.png");
  widget.grab().save(path, "PNG");
  return path.toStdString();
}

QWidget* ModalWindow() { return QApplication::activeModalWidget(); }

void WhenModal(std::function<void(QWidget&)> action) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(*modal);
  });
  poll->start();
}

void TGuiFrontEnd::ProcessPending() {
  TRecordingFrontEnd::ProcessPending();
  QApplication::processEvents();
  if (onPending && !onPending()) onPending = nullptr;
}

void TGuiFrontEnd::ShowError(const std::string& text) {
  if (onMessage) onMessage();
  TRecordingFrontEnd::ShowError(text);
}

void TGuiFrontEnd::ShowInformation(const std::string& text) {
  if (onMessage) onMessage();
  TRecordingFrontEnd::ShowInformation(text);
}

bool TGuiFrontEnd::Confirm(const std::string& text, bool defaultYes) {
  if (onMessage) onMessage();
  return TRecordingFrontEnd::Confirm(text, defaultYes);
}

QString Q(const std::string& sjis) { return ToQString(sjis); }
