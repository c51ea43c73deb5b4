#include "app/terminal_front_end.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "app/sjis.h"

namespace {

volatile std::sig_atomic_t g_interrupts = 0;
int g_runViews = 0;
struct sigaction g_previous;

extern "C" void OnInterrupt(int) {
  if (g_interrupts > 0) {
    // A second Ctrl+C: the user wants out now.
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    return;
  }
  g_interrupts = g_interrupts + 1;
}

void PutMessage(const char* label, const std::string& text) {
  std::fflush(stdout);
  std::fputs(label, stderr);
  PutSjis(stderr, text);
  std::fputc('\n', stderr);
}

}  // namespace

void TTerminalFrontEnd::ShowError(const std::string& text) { PutMessage("error: ", text); }

void TTerminalFrontEnd::ShowInformation(const std::string& text) { PutMessage("", text); }

bool TTerminalFrontEnd::Confirm(const std::string& text, bool defaultYes) {
  bool answer = assumeYes_ || defaultYes;
  PutMessage("", text);
  std::fputs(answer ? "  -> yes\n" : "  -> no (--yes answers yes)\n", stderr);
  return answer;
}

TTerminalRunView::TTerminalRunView(std::chrono::milliseconds plainInterval)
    : tty_(isatty(STDERR_FILENO) != 0), plainInterval_(plainInterval) {
  if (g_runViews++ == 0) {
    g_interrupts = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &g_previous);
  }
}

TTerminalRunView::~TTerminalRunView() {
  Finish();
  if (--g_runViews == 0) sigaction(SIGINT, &g_previous, nullptr);
}

void TTerminalRunView::SetCaption(const std::string& text) {
  Finish();
  std::fprintf(stderr, "%s\n", SjisToUtf8(text).c_str());
  std::fflush(stderr);
  // The first status under a new caption is always shown.
  lastPlainDraw_ = {};
}

void TTerminalRunView::SetStatus(int line, const std::string& text) {
  if (line < 0) return;
  if (status_.size() <= static_cast<std::size_t>(line)) status_.resize(static_cast<std::size_t>(line) + 1);
  if (status_[static_cast<std::size_t>(line)] == text) return;
  status_[static_cast<std::size_t>(line)] = text;
  Draw(true);
}

void TTerminalRunView::SetProgress(int bar, int position, int maximum) {
  if (bar < 0) return;
  if (bars_.size() <= static_cast<std::size_t>(bar)) bars_.resize(static_cast<std::size_t>(bar) + 1, {0, 0});
  bars_[static_cast<std::size_t>(bar)] = {position, maximum};
  Draw(false);
}

bool TTerminalRunView::Cancelled() const { return g_interrupts > 0; }

void TTerminalRunView::Cancel() { g_interrupts = g_interrupts + 1; }

void TTerminalRunView::Finish() {
  if (lineOpen_) std::fputc('\n', stderr);
  lineOpen_ = false;
  std::fflush(stderr);
}

void TTerminalRunView::Draw(bool force) {
  auto now = std::chrono::steady_clock::now();
  if (!force && now - lastDraw_ < std::chrono::milliseconds(200)) return;
  lastDraw_ = now;
  std::string line;
  for (const std::string& s : status_) {
    if (s.empty()) continue;
    if (!line.empty()) line += "  ";
    line += SjisToUtf8(s);
  }
  std::string bars;
  for (const auto& [position, maximum] : bars_) {
    if (maximum <= 0) continue;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " [%d/%d %3d%%]", position, maximum,
                  static_cast<int>(100.0 * position / maximum));
    bars += buffer;
  }
  if (tty_) {
    std::fprintf(stderr, "\r\033[K%s%s", line.c_str(), bars.c_str());
    lineOpen_ = true;
  } else if (line != lastPlain_ && (lastPlainDraw_ == std::chrono::steady_clock::time_point{} ||
                                     now - lastPlainDraw_ >= plainInterval_)) {
    // Not a terminal: one line per change of status, no redraws.
    std::fprintf(stderr, "%s%s\n", line.c_str(), bars.c_str());
    lastPlain_ = line;
    lastPlainDraw_ = now;
  }
  std::fflush(stderr);
}
