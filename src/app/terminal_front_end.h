// The front end of the command line: messages on stderr, a progress line on
// stderr, Ctrl+C as the "中止" button.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "app/front_end.h"

class TTerminalFrontEnd : public TFrontEnd {
 public:
  // `assumeYes`: answer every confirmation with Yes (the --yes option);
  // otherwise each confirmation takes its default.
  explicit TTerminalFrontEnd(bool assumeYes) : assumeYes_(assumeYes) {}
  void ShowError(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool Confirm(const std::string& text, bool defaultYes) override;
  void ProcessPending() override {}

 private:
  bool assumeYes_;
};

// A run view on stderr. While one exists, Ctrl+C sets its cancel flag
// instead of ending the program; a second Ctrl+C ends it.
class TTerminalRunView : public TRunView {
 public:
  // `plainInterval`: when stderr is not a terminal, the least time between
  // two status lines (0: a line for every change of status). Captions are
  // always written.
  explicit TTerminalRunView(std::chrono::milliseconds plainInterval = std::chrono::milliseconds(0));
  ~TTerminalRunView() override;
  TTerminalRunView(const TTerminalRunView&) = delete;
  TTerminalRunView& operator=(const TTerminalRunView&) = delete;

  void SetCaption(const std::string& text) override;
  void SetStatus(int line, const std::string& text) override;
  void SetProgress(int bar, int position, int maximum) override;
  bool Cancelled() const override;
  void Cancel() override;

  // Ends the progress line so that the next output starts on a fresh line.
  void Finish();

 private:
  void Draw(bool force);

  std::vector<std::string> status_;
  std::vector<std::pair<int, int>> bars_;
  bool tty_;
  bool lineOpen_ = false;
  std::chrono::steady_clock::time_point lastDraw_{};
  std::string lastPlain_;
  std::chrono::milliseconds plainInterval_;
  std::chrono::steady_clock::time_point lastPlainDraw_{};
};
