// A front end that records what the core showed, for tests.
#pragma once

#include <string>
#include <vector>

#include "app/front_end.h"

class TRecordingFrontEnd : public TFrontEnd {
 public:
  struct TMessage {
    enum class TKind { kError, kInformation, kConfirmation } kind;
    std::string text;  // CP932
  };

  // Installs itself as the front end; the destructor puts back the one before.
  TRecordingFrontEnd();
  ~TRecordingFrontEnd() override;
  TRecordingFrontEnd(const TRecordingFrontEnd&) = delete;
  TRecordingFrontEnd& operator=(const TRecordingFrontEnd&) = delete;

  void ShowError(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool Confirm(const std::string& text, bool defaultYes) override;
  void ProcessPending() override { ++pendingCalls; }

  // The texts of the messages of one kind, in order.
  std::vector<std::string> Texts(TMessage::TKind kind) const;
  std::vector<std::string> Errors() const { return Texts(TMessage::TKind::kError); }

  std::vector<TMessage> messages;
  // Answers to the next confirmations, first first; when empty, each
  // confirmation takes its default.
  std::vector<bool> answers;
  int pendingCalls = 0;

 private:
  TFrontEnd* previous_;
};

// A run view that records the last status texts and progress, and cancels
// itself after a given number of progress calls when asked to.
class TRecordingRunView : public TRunView {
 public:
  void SetStatus(int line, const std::string& text) override;
  void SetProgress(int bar, int position, int maximum) override;
  bool Cancelled() const override { return cancelled; }
  void Cancel() override { cancelled = true; }

  std::vector<std::string> status;               // last text of each line
  std::vector<std::string> statusHistory;        // every text set, in order
  std::vector<std::pair<int, int>> progress;     // last position, maximum of each bar
  int progressCalls = 0;
  int cancelAfterProgressCalls = -1;             // -1: never
  bool cancelled = false;
};
