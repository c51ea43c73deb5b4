#include "app/number_text.h"

#include <cstdio>

#include "app/sjis.h"

namespace {

// Every full-width digit is two bytes in CP932.
void AppendFullWidthDigit(std::string& out, int digit) {
  out.append(SJ("０１２３４５６７８９"), static_cast<std::size_t>(digit) * 2, 2);
}

}  // namespace

std::string FullWidthNumber(int value) {
  if (value < 0) return SJ("？");
  std::string digits = std::to_string(value);
  std::string out;
  for (char d : digits) AppendFullWidthDigit(out, d - '0');
  return out;
}

std::string TwoColumnNumber(int value) {
  if (value <= 0) return std::string();
  if (value <= 9) {
    std::string out;
    AppendFullWidthDigit(out, value);
    return out;
  }
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%2d", value % 100);
  return buffer;
}
