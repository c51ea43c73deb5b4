#include "gui/window_placement.h"

#include <QWidget>
#include <algorithm>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "gui/main_window.h"

void CentreOverMainWindow(QWidget& dialog) {
  const QWidget* main = _MainForm != nullptr ? static_cast<const QWidget*>(_MainForm) : dialog.parentWidget();
  if (main == nullptr) return;
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
  const QRect frame = main->frameGeometry();
  const QRect own = dialog.frameGeometry();
  const int top = std::max(0, frame.top() + (frame.height() - own.height()) / 2);
  const int left = std::max(0, frame.left() + (frame.width() - own.width()) / 2);
  dialog.move(left, top);
}

void RestoreMainWindowPlacement(QWidget& window) {
  if (!SectionExists(ini::kWindow)) {
    WriteInteger(ini::kWindow, ini::kTop, kDesignTop);
    WriteInteger(ini::kWindow, ini::kLeft, kDesignLeft);
    WriteInteger(ini::kWindow, ini::kWidth, kDesignWidth);
    WriteInteger(ini::kWindow, ini::kHeight, kDesignHeight);
    WriteInteger(ini::kWindow, ini::kState, 0);
  }
  const int top = ReadInteger(ini::kWindow, ini::kTop, 0);
  const int left = ReadInteger(ini::kWindow, ini::kLeft, 0);
  const int width = ReadInteger(ini::kWindow, ini::kWidth, 0);
  const int height = ReadInteger(ini::kWindow, ini::kHeight, 0);
  const int state = ReadInteger(ini::kWindow, ini::kState, 0);
  window.move(left, top);
  // A size of 0 (a damaged file) would leave no window to see.
  if (width > 0 && height > 0) window.resize(width, height);
  if (state == 1) {
    window.setWindowState(Qt::WindowMinimized);
  } else if (state == 2) {
    window.setWindowState(Qt::WindowMaximized);
  } else {
    window.setWindowState(Qt::WindowNoState);
  }
}

void SaveMainWindowPlacement(const QWidget& window) {
  const Qt::WindowStates states = window.windowState();
  const int state = states.testFlag(Qt::WindowMinimized) ? 1 : states.testFlag(Qt::WindowMaximized) ? 2 : 0;
  if (state == 0) {
    WriteInteger(ini::kWindow, ini::kTop, window.y());
    WriteInteger(ini::kWindow, ini::kLeft, window.x());
    WriteInteger(ini::kWindow, ini::kWidth, window.width());
    WriteInteger(ini::kWindow, ini::kHeight, window.height());
  }
  WriteInteger(ini::kWindow, ini::kState, state);
}
