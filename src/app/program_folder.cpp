#include "app/program_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/settings.h"
#include "app/settings_keys.h"

namespace {

std::string ExecutableFolder() {
  static const std::string folder = [] {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return std::string("./");
    std::string path(buffer, static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
  }();
  return folder;
}

}  // namespace

std::string ProgramFolder() {
  const char* home = std::getenv("MIZUNARA_HOME");
  if (home != nullptr && home[0] != '\0') {
    std::string folder(home);
    if (folder.back() != '/') folder += '/';
    return folder;
  }
  return ExecutableFolder();
}

std::string SettingsFilePath() { return ProgramFolder() + "Umayado.ini"; }

std::string DataFolder() {
  std::string stored = ReadString(ini::kJvLink, ini::kDataPath, "");
  if (!stored.empty()) return stored;
  return ProgramFolder() + "DATA/";
}
