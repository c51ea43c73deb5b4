#include "gui/help.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "app/program_folder.h"
#include "gui/qt_text.h"

namespace {

QPointer<QTextBrowser> manualWindow;

}  // namespace

// The manual lives in a resource of this static library; it must be
// registered by name (outside any namespace).
static void InitManual() { Q_INIT_RESOURCE(manual); }

QWidget* OpenHelp(QWidget* owner, const THelpOpener& opener, const QString& topic) {
  const QString chm = ToQString(ProgramFolder()) + QStringLiteral("Umayado.chm");
  if (QFile::exists(chm) && opener && opener(chm)) return nullptr;
  InitManual();
  if (manualWindow.isNull()) {
    manualWindow = new QTextBrowser(owner);
    manualWindow->setObjectName(QStringLiteral("Manual"));
    manualWindow->setWindowFlag(Qt::Window);
    manualWindow->setAttribute(Qt::WA_DeleteOnClose);
    manualWindow->setOpenExternalLinks(true);
    manualWindow->resize(640, 560);
  }
  manualWindow->setSource(QUrl(QStringLiteral("qrc:/manual/manual.html")));
  manualWindow->setWindowTitle(manualWindow->documentTitle());
  if (!topic.isEmpty()) manualWindow->scrollToAnchor(topic);
  manualWindow->show();
  manualWindow->raise();
  manualWindow->activateWindow();
  return manualWindow.data();
}
