#include "import/jvlink_settings.h"

#include "app/file_io.h"
#include "app/private_profile.h"
#include "app/program_folder.h"

namespace {

std::string WithSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string JVLinkSettingsPath() { return ProgramFolder() + jvlink_ini::kFileName; }

std::string ReadJVLinkSetting(const std::string& key, const std::string& defaultValue) {
  TPrivateProfile file(JVLinkSettingsPath());
  std::string value;
  return file.Find(jvlink_ini::kSection, key, value) ? value : defaultValue;
}

bool WriteJVLinkSetting(const std::string& key, const std::string& value) {
  if (!CreateFolderChain(ProgramFolder())) return false;
  TPrivateProfile file(JVLinkSettingsPath());
  return file.Write(jvlink_ini::kSection, key, value);
}

TJVLinkSettings ReadJVLinkSettings() {
  TJVLinkSettings s;
  s.feedPath = WithSlash(ReadJVLinkSetting(jvlink_ini::kFeedPath, ""));
  if (s.feedPath.empty()) s.feedPath = ProgramFolder() + "JVFEED/";
  s.savePath = WithSlash(ReadJVLinkSetting(jvlink_ini::kSavePath, ""));
  if (s.savePath.empty()) s.savePath = ProgramFolder() + "JVCACHE/";
  s.serviceKey = ReadJVLinkSetting(jvlink_ini::kServiceKey, "");
  return s;
}
