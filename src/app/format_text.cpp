#include "app/format_text.h"

#include <cstdarg>
#include <cstdio>

namespace {

void AppendFormatV(std::string& text, const char* format, std::va_list args) {
  std::va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return;
  const std::size_t start = text.size();
  text.resize(start + static_cast<std::size_t>(length) + 1);
  std::vsnprintf(text.data() + start, static_cast<std::size_t>(length) + 1, format, args);
  text.resize(start + static_cast<std::size_t>(length));
}

}  // namespace

void AppendFormat(std::string& text, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  AppendFormatV(text, format, args);
  va_end(args);
}

std::string Format(const char* format, ...) {
  std::string text;
  std::va_list args;
  va_start(args, format);
  AppendFormatV(text, format, args);
  va_end(args);
  return text;
}
