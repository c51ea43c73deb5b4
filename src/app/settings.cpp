#include "app/settings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "app/private_profile.h"
#include "app/program_folder.h"

namespace {

std::unique_ptr<TPrivateProfile>& SettingsObject() {
  static std::unique_ptr<TPrivateProfile> settings;
  return settings;
}

TPrivateProfile& Settings() {
  std::unique_ptr<TPrivateProfile>& settings = SettingsObject();
  if (!settings) settings = std::make_unique<TPrivateProfile>(SettingsFilePath());
  return *settings;
}

bool ParseInteger(const std::string& text, int& value) {
  if (text.empty()) return false;
  const char* p = text.c_str();
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int base = 10;
  if (*p == '$') {
    base = 16;
    ++p;
  } else if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    base = 16;
    p += 2;
  }
  if (*p == '\0' || *p == '+' || *p == '-' || *p == ' ') return false;
  errno = 0;
  char* end = nullptr;
  long long v = std::strtoll(p, &end, base);
  if (errno != 0 || *end != '\0') return false;
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

bool SectionExists(const std::string& section) { return Settings().SectionExists(section); }

bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

int ReadInteger(const std::string& section, const std::string& key, int defaultValue) {
  std::string text;
  int value = 0;
  if (Settings().Find(section, key, text) && ParseInteger(text, value)) return value;
  return defaultValue;
}

std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) {
  std::string text;
  return Settings().Find(section, key, text) ? text : defaultValue;
}

bool WriteBool(const std::string& section, const std::string& key, bool value) {
  bool before = ReadBool(section, key, false);
  Settings().Write(section, key, value ? "1" : "0");
  return before != value;
}

bool WriteInteger(const std::string& section, const std::string& key, int value) {
  int before = ReadInteger(section, key, 0);
  Settings().Write(section, key, std::to_string(value));
  return before != value;
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value) {
  std::string before = ReadString(section, key, "");
  Settings().Write(section, key, value);
  return before != value;
}

void DefaultString(const std::string& section, const std::string& key, const std::string& value) {
  if (ReadString(section, key, "").empty()) Settings().Write(section, key, value);
}

std::vector<std::string> SettingsSections() { return Settings().Sections(); }

std::vector<std::string> SettingsKeys(const std::string& section) { return Settings().Keys(section); }

void CloseSettings() { SettingsObject().reset(); }
