// mizunara-cli settings: show, read and write the settings file.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "cli/command.h"

namespace {

void PutLine(const std::string& sjis) {
  PutSjis(stdout, sjis);
  std::fputc('\n', stdout);
}

void PrintSection(const std::string& section) {
  PutLine("[" + section + "]");
  for (const std::string& key : SettingsKeys(section)) PutLine(key + "=" + ReadString(section, key, ""));
}

const char* TypeName(ini::TSettingType type) {
  switch (type) {
    case ini::TSettingType::kInt: return "int";
    case ini::TSettingType::kBool: return "bool";
    case ini::TSettingType::kString: return "str";
  }
  return "";
}

int PrintKeyTable() {
  for (const ini::TSettingKey* row = ini::kSettingKeys; row->section != nullptr; ++row) {
    std::printf("%-9s %-21s %-4s default \"%s\"  %s\n", row->section, row->key, TypeName(row->type),
                row->defaultValue, row->meaning);
  }
  return 0;
}

// The value a read gives, as the typed operation of the key table reads it.
std::string ReadValue(const std::string& section, const std::string& key) {
  const ini::TSettingKey* row = ini::FindSettingKey(section, key);
  if (row == nullptr) return ReadString(section, key, "");
  switch (row->type) {
    case ini::TSettingType::kInt: return std::to_string(ReadInteger(section, key, std::atoi(row->defaultValue)));
    case ini::TSettingType::kBool: return ReadBool(section, key, std::atoi(row->defaultValue) != 0) ? "1" : "0";
    case ini::TSettingType::kString: return ReadString(section, key, Utf8ToSjis(row->defaultValue));
  }
  return std::string();
}

bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < -2147483647L - 1 || v > 2147483647L) return false;
  value = static_cast<int>(v);
  return true;
}

int WriteValue(const std::string& section, const std::string& key, const std::string& utf8Value) {
  const ini::TSettingKey* row = ini::FindSettingKey(section, key);
  std::string value = Utf8ToSjis(utf8Value);
  bool changed = false;
  std::string expected;
  if (row != nullptr && row->type != ini::TSettingType::kString) {
    int number = 0;
    if (row->type == ini::TSettingType::kBool && (utf8Value == "true" || utf8Value == "false")) {
      number = utf8Value == "true";
    } else if (!ParseInt(utf8Value, number)) {
      return UsageError(section + "/" + key + " takes " + (row->type == ini::TSettingType::kBool ? "0 or 1" : "an integer") +
                        ", not \"" + utf8Value + "\"");
    }
    if (row->type == ini::TSettingType::kBool) {
      changed = WriteBool(section, key, number != 0);
      expected = number != 0 ? "1" : "0";
    } else {
      changed = WriteInteger(section, key, number);
      expected = std::to_string(number);
    }
  } else {
    changed = WriteString(section, key, value);
    expected = value;
    for (char& c : expected) {
      if (c == '\r' || c == '\n') c = ' ';
    }
  }
  // The settings operations fail silently; the command line says so.
  std::string stored;
  std::string marker = "\x01";
  stored = ReadString(section, key, marker);
  if (stored != expected && !(stored == marker && expected.empty())) {
    std::fprintf(stderr, "mizunara-cli settings: cannot write %s\n", SettingsFilePath().c_str());
    return 1;
  }
  std::printf("%s/%s %s\n", section.c_str(), key.c_str(), changed ? "changed" : "unchanged");
  PutLine(stored);
  return 0;
}

bool ValidName(const std::string& name, bool isKey) {
  if (name.empty() || name.find_first_of("\r\n\0]", 0, 4) != std::string::npos) return false;
  if (name.front() == ' ' || name.back() == ' ') return false;
  if (isKey && (name.find('=') != std::string::npos || name.front() == '[' || name.front() == ';')) return false;
  return true;
}

}  // namespace

int RunSettings(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "--keys") return PrintKeyTable();
  if (args.size() > 3) return UsageError("settings takes at most SECTION KEY VALUE (try settings --help)");
  for (std::size_t i = 0; i < args.size() && i < 2; ++i) {
    if (!ValidName(args[i], i == 1)) return UsageError("not a valid " + std::string(i == 0 ? "section" : "key") + " name: \"" + args[i] + "\"");
  }
  if (args.empty()) {
    std::string path = SettingsFilePath();
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
      std::printf("; %s does not exist: every key reads its default\n", path.c_str());
      return 0;
    }
    std::printf("; %s\n", path.c_str());
    for (const std::string& section : SettingsSections()) PrintSection(section);
    return 0;
  }
  if (args.size() == 1) {
    if (!SectionExists(args[0])) {
      std::fprintf(stderr, "mizunara-cli settings: no section [%s] in %s\n", args[0].c_str(), SettingsFilePath().c_str());
      return 1;
    }
    PrintSection(args[0]);
    return 0;
  }
  if (args.size() == 2) {
    PutLine(ReadValue(args[0], args[1]));
    return 0;
  }
  return WriteValue(args[0], args[1], args[2]);
}
