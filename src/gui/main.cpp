// mizunara: the desktop program.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/front_end.h"
#include "app/version.h"
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/widget_front_end.h"

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig, under Qt's font database, keeps a little memory that it never
// frees; a sanitizer build is not to count it as a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("mizunara"));
  InstallFonts();
  TWidgetFrontEnd frontEnd;
  SetFrontEnd(&frontEnd);
  int result = 1;
  try {
    TMainForm mainForm;
    mainForm.show();
    result = QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, ToQString(ProductTitle()), QString::fromLocal8Bit(error.what()));
  }
  SetFrontEnd(nullptr);
  return result;
}
