// The seam between the core and whatever front end runs it.
//
// The core never opens a window. Messages, the pending-input call and the
// run view of the long runs go through these interfaces; the desktop
// program implements them with widgets, the command line on the terminal,
// the tests with recorders. All texts are CP932.
#pragma once

#include <string>

class TFrontEnd {
 public:
  virtual ~TFrontEnd() = default;
  // An error message with an OK button.
  virtual void ShowError(const std::string& text) = 0;
  // An information message with an OK button.
  virtual void ShowInformation(const std::string& text) = 0;
  // A confirmation with Yes and No; true for Yes. `defaultYes` is the
  // answer a front end gives when nobody can be asked.
  virtual bool Confirm(const std::string& text, bool defaultYes) = 0;
  // Lets pending input through (the desktop pumps its event loop here).
  virtual void ProcessPending() = 0;
};

// The front end the core talks to. Until one is installed, a terminal front
// end that writes to stderr and takes every confirmation's default.
TFrontEnd& FrontEnd();

// Installs a front end (null: back to the default) and returns the one
// installed before. The caller keeps ownership.
TFrontEnd* SetFrontEnd(TFrontEnd* frontEnd);

// What a long run (import, rebuild, KOL import, maintenance, batch) shows
// while it works: status lines, progress bars and the cancel flag that the
// run's "中止" button sets.
class TRunView {
 public:
  virtual ~TRunView() = default;
  // The caption of the run's window, when a run names its current step
  // there (the maintenance run names the list it rebuilds).
  virtual void SetCaption(const std::string& /*text*/) {}
  // Status text number `line` (0 first).
  virtual void SetStatus(int line, const std::string& text) = 0;
  // Progress bar number `bar` (0 first) at `position` of `maximum`.
  virtual void SetProgress(int bar, int position, int maximum) = 0;
  // True once the user asked to stop.
  virtual bool Cancelled() const = 0;
  // Sets the cancel flag, as the "中止" button does.
  virtual void Cancel() = 0;
};
