#include "app/front_end.h"

#include "app/terminal_front_end.h"

namespace {

TFrontEnd* g_installed = nullptr;

TFrontEnd& DefaultFrontEnd() {
  static TTerminalFrontEnd terminal(false);
  return terminal;
}

}  // namespace

TFrontEnd& FrontEnd() { return g_installed != nullptr ? *g_installed : DefaultFrontEnd(); }

TFrontEnd* SetFrontEnd(TFrontEnd* frontEnd) {
  TFrontEnd* before = g_installed;
  g_installed = frontEnd;
  return before;
}
