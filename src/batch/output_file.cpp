#include "batch/output_file.h"

#include <cstdio>

#include "app/file_io.h"
#include "app/settings.h"
#include "app/settings_keys.h"

std::string OutputFolder(const char* key) { return ReadString(ini::kOutPut, key, ""); }

bool WriteOutputFile(const std::string& path, std::string_view text, bool append) {
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !CreateFolderChain(path.substr(0, slash))) return false;
  std::FILE* file = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}
