// The help: "Umayado.chm" in the program folder, opened with the desktop's
// viewer when the file is there and the desktop has one; otherwise the
// program's own manual in a window of its own.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Opens a file with the desktop's viewer; false when there is none.
using THelpOpener = std::function<bool(const QString& path)>;

// Opens the help. `topic` names a section of the program's manual ("" for
// its start). Returns the manual's window when that was shown, null when the
// desktop's viewer took the help file.
QWidget* OpenHelp(QWidget* owner, const THelpOpener& opener, const QString& topic);
