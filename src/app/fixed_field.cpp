#include "app/fixed_field.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/sjis.h"

std::int64_t ParseFixedFieldWide(const char* field, int length) {
  // Held below 10^18 at every step, so that no field, however long or full
  // of letters, can overflow.
  constexpr std::int64_t kLimit = 999999999999999999LL;
  std::int64_t value = 0;
  bool negative = false;
  for (int i = 0; i < length; ++i) {
    char c = field[i];
    value *= 10;
    if (c >= '1' && c <= '9') {
      value += c - '0';
    } else if (c >= 'A' && c <= 'Z') {
      value += c - 55;
    } else if (c == '-') {
      negative = true;
    }
    value = std::min(value, kLimit);
  }
  return negative ? -value : value;
}

int ParseFixedField(const char* field, int length) {
  // Values beyond the int range are held at its end instead of wrapping.
  const std::int64_t value = ParseFixedFieldWide(field, length);
  return static_cast<int>(std::clamp<std::int64_t>(value, -2147483647LL, 2147483647LL));
}

int ParseFixedFieldInRange(const char* field, int length, int maximum) {
  int value = ParseFixedField(field, length);
  return (value < 0 || value > maximum) ? 0 : value;
}

std::string SqueezeBlanks(const char* field, int length) {
  if (length > 255) length = 255;
  std::string out;
  bool pendingBlank = false;
  int i = 0;
  while (i < length && field[i] != '\0') {
    unsigned char c = static_cast<unsigned char>(field[i]);
    bool twoBytes = IsSjisLeadByte(c) && i + 1 < length && field[i + 1] != '\0';
    bool blank = c == ' ' || (twoBytes && c == 0x81 && static_cast<unsigned char>(field[i + 1]) == 0x40);
    if (blank) {
      pendingBlank = !out.empty();
    } else {
      if (pendingBlank) out += ' ';
      pendingBlank = false;
      out.append(field + i, twoBytes ? 2 : 1);
    }
    i += twoBytes ? 2 : 1;
  }
  return out;
}

void AppendFixedNumber(std::string& out, double value, int width) {
  double high = 1;
  for (int i = 0; i < width; ++i) high *= 10;
  high -= 1;
  const double low = -(high + 1) / 10 + 1;
  if (!std::isfinite(value)) value = 0;
  value = std::clamp(value, low, high);
  char text[32];
  std::snprintf(text, sizeof text, "%0*.0f", width, value);
  out += text;
}
