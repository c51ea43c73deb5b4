// Where windows go: the dialogs centred over the main window, and the main
// window's own placement kept in the settings file (section "Window").
#pragma once

class QWidget;

// Moves `dialog` to the middle of the main window (or of its parent when
// there is no main window), never above or left of the screen's origin.
void CentreOverMainWindow(QWidget& dialog);

// The design placement of the main window.
inline constexpr int kDesignLeft = 200;
inline constexpr int kDesignTop = 182;
inline constexpr int kDesignWidth = 508;
inline constexpr int kDesignHeight = 320;

// Writes the design placement when the settings file has no section
// "Window", then applies Top, Left, Width, Height and State (0 normal,
// 1 minimised, 2 maximised) from it.
void RestoreMainWindowPlacement(QWidget& window);

// Writes Top, Left, Width and Height when the window is in its normal
// state, and State always; a maximised or minimised window so keeps its
// last normal placement.
void SaveMainWindowPlacement(const QWidget& window);
