#include "cli/cli_text.h"

#include <cstdio>

#include "app/sjis.h"

void Put(const std::string& sjis) { PutSjis(stdout, sjis); }

std::string Column(const std::string& text, int width) {
  std::string cut = SjisCut(text, static_cast<std::size_t>(width));
  return cut + std::string(static_cast<std::size_t>(width) - cut.size(), ' ');
}

std::string RightColumn(const std::string& text, int width) {
  std::string cut = SjisCut(text, static_cast<std::size_t>(width));
  return std::string(static_cast<std::size_t>(width) - cut.size(), ' ') + cut;
}
