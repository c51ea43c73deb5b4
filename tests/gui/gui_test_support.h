// What the desktop program's tests share: the application object on the
// offscreen platform, screenshots, and a recording front end that lets Qt's
// events through where the core does.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "support/recording_front_end.h"

class QWidget;

// The application object, made once with the program's fonts; the platform
// is "offscreen" unless QT_QPA_PLATFORM says otherwise.
void EnsureGuiApplication();

// Saves the widget as "<name>-screenshot.png" in the build folder's
// screenshot folder and returns the file's path.
std::string SaveScreenshot(QWidget& widget, const std::string& name);

// The modal window being shown, or null.
QWidget* ModalWindow();

// Runs `action` once the event loop of the next modal window runs.
void WhenModal(std::function<void(QWidget&)> action);

// A recording front end that pumps Qt's events on ProcessPending, and calls
// `onPending` (once per call, until it returns false) and `onMessage`
// before a message is recorded.
class TGuiFrontEnd : public TRecordingFrontEnd {
 public:
  void ProcessPending() override;
  void ShowError(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool Confirm(const std::string& text, bool defaultYes) override;

  std::function<bool()> onPending;
  std::function<void()> onMessage;
};

// CP932 text as the widgets show it.
QString Q(const std::string& sjis);
