// Text at the edge between the core (CP932) and the widgets (QString).
#pragma once

#include <QString>
#include <string>

// CP932 text of the core as a QString.
QString ToQString(const std::string& sjis);

// A QString as CP932 text for the core; a character that CP932 cannot hold
// becomes "?".
std::string ToSjis(const QString& text);
