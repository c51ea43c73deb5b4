// mizunara-cli jvlink: shows or sets the local JV-Link's settings.
#include <cstdio>

#include "cli/command.h"
#include "import/jvlink_settings.h"

int RunJVLink(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return UsageError("jvlink: " + option + " needs a value (try jvlink --help)");
    const std::string& value = args[i + 1];
    const char* key = option == "--feed" ? jvlink_ini::kFeedPath
                      : option == "--save" ? jvlink_ini::kSavePath
                      : option == "--key"  ? jvlink_ini::kServiceKey
                                           : nullptr;
    if (key == nullptr) return UsageError("jvlink: unknown option " + option + " (try jvlink --help)");
    if (value.find_first_of("\r\n") != std::string::npos) return UsageError("jvlink: " + option + " takes one line");
    if (!WriteJVLinkSetting(key, value)) {
      std::fprintf(stderr, "mizunara-cli jvlink: cannot write %s\n", JVLinkSettingsPath().c_str());
      return 1;
    }
  }
  TJVLinkSettings settings = ReadJVLinkSettings();
  std::printf("settings:    %s\n", JVLinkSettingsPath().c_str());
  std::printf("feed:        %s\n", settings.feedPath.c_str());
  std::printf("save:        %s\n", settings.savePath.c_str());
  std::printf("service key: %s\n", settings.serviceKey.empty() ? "(none: set one with --key)" : settings.serviceKey.c_str());
  return 0;
}
