#include "gui/fonts.h"

#include <QApplication>

namespace {

const char kGridFamily[] = "ＭＳ ゴシック";
const char kDialogFamily[] = "ＭＳ Ｐゴシック";
constexpr int kPixelSize = 12;

}  // namespace

void InstallFonts() {
  QFont::insertSubstitutions(QString::fromUtf8(kGridFamily), {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")});
  QFont::insertSubstitutions(QString::fromUtf8(kDialogFamily),
                             {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QFont font(QString::fromUtf8(kDialogFamily));
  font.setPixelSize(kPixelSize);
  QApplication::setFont(font);
}

QFont GridFont() {
  QFont font(QString::fromUtf8(kGridFamily));
  font.setPixelSize(kPixelSize);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}
