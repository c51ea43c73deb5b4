// jvlink.ini: the settings of the local JV-Link, in the program folder.
//
// Private-profile format like Umayado.ini: one section "[JVLink]" with the
// keys FeedPath (the feed folder the data comes from), SavePath (the
// download cache) and ServiceKey. Shift-JIS, CR LF. Section and key names
// compare without regard to case. Every write rewrites the file through a
// temporary file renamed over the old one and keeps every other line.
#pragma once

#include <string>

namespace jvlink_ini {
inline constexpr char kFileName[] = "jvlink.ini";
inline constexpr char kSection[] = "JVLink";
inline constexpr char kFeedPath[] = "FeedPath";
inline constexpr char kSavePath[] = "SavePath";
inline constexpr char kServiceKey[] = "ServiceKey";
}  // namespace jvlink_ini

struct TJVLinkSettings {
  std::string feedPath;    // ends with "/"
  std::string savePath;    // ends with "/"
  std::string serviceKey;  // empty when none is set
};

// The program folder followed by "jvlink.ini".
std::string JVLinkSettingsPath();

// The stored text of a key of the section (blanks around it and one pair of
// enclosing quotes removed), or `defaultValue` when the file, the section or
// the key is missing.
std::string ReadJVLinkSetting(const std::string& key, const std::string& defaultValue);

// Writes one key; false (and the file untouched) when it cannot be written.
bool WriteJVLinkSetting(const std::string& key, const std::string& value);

// The three settings. An empty or missing path gives its default (the
// program folder followed by "JVFEED/" or "JVCACHE/"); a path without a
// final "/" gets one. The service key has no default.
TJVLinkSettings ReadJVLinkSettings();
