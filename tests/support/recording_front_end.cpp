#include "support/recording_front_end.h"

TRecordingFrontEnd::TRecordingFrontEnd() : previous_(SetFrontEnd(this)) {}

TRecordingFrontEnd::~TRecordingFrontEnd() { SetFrontEnd(previous_); }

void TRecordingFrontEnd::ShowError(const std::string& text) {
  messages.push_back({TMessage::TKind::kError, text});
}

void TRecordingFrontEnd::ShowInformation(const std::string& text) {
  messages.push_back({TMessage::TKind::kInformation, text});
}

bool TRecordingFrontEnd::Confirm(const std::string& text, bool defaultYes) {
  messages.push_back({TMessage::TKind::kConfirmation, text});
  if (answers.empty()) return defaultYes;
  bool answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

std::vector<std::string> TRecordingFrontEnd::Texts(TMessage::TKind kind) const {
  std::vector<std::string> texts;
  for (const TMessage& m : messages) {
    if (m.kind == kind) texts.push_back(m.text);
  }
  return texts;
}

void TRecordingRunView::SetStatus(int line, const std::string& text) {
  if (line < 0) return;
  if (status.size() <= static_cast<std::size_t>(line)) status.resize(static_cast<std::size_t>(line) + 1);
  status[static_cast<std::size_t>(line)] = text;
  statusHistory.push_back(text);
}

void TRecordingRunView::SetProgress(int bar, int position, int maximum) {
  if (bar < 0) return;
  if (progress.size() <= static_cast<std::size_t>(bar)) progress.resize(static_cast<std::size_t>(bar) + 1);
  progress[static_cast<std::size_t>(bar)] = {position, maximum};
  ++progressCalls;
  if (cancelAfterProgressCalls >= 0 && progressCalls >= cancelAfterProgressCalls) cancelled = true;
}
