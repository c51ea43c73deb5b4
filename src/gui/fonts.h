// The fonts of the windows.
//
// The grids are drawn in "ＭＳ ゴシック", the dialogs in "ＭＳ Ｐゴシック", as
// on the desktop the program was made for. Here the IPA fonts stand in for
// them: same metrics, a half-width character exactly half a full-width one.
#pragma once

#include <QFont>

// Registers the stand-ins and makes "ＭＳ Ｐゴシック" the application font.
// Call once after the application object exists.
void InstallFonts();

// The grid font: "ＭＳ ゴシック", 12 pixels high.
QFont GridFont();
