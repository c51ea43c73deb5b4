#include "batch/output_file.h"

#include <cstdarg>
#include <cstdio>

#include "app/file_io.h"
#include "app/settings.h"
#include "app/settings_keys.h"

std::string OutputFolder(const char* key) { return ReadString(ini::kOutPut, key, ""); }

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

bool WriteOutputFile(const std::string& path, std::string_view text, bool append) {
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !CreateFolderChain(path.substr(0, slash))) return false;
  std::FILE* file = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}
