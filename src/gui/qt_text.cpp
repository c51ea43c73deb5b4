#include "gui/qt_text.h"

#include "app/sjis.h"

QString ToQString(const std::string& sjis) { return QString::fromStdString(SjisToUtf8(sjis)); }

std::string ToSjis(const QString& text) { return Utf8ToSjis(text.toStdString()); }
