#include "import/jvlink_settings.h"

#include <strings.h>

#include <vector>

#include "app/file_io.h"
#include "app/program_folder.h"

namespace {

// A file larger than this is not a settings file: it reads as defaults and
// is never overwritten.
constexpr std::size_t kMaxFileSize = 1u << 20;

std::string Trim(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  std::size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The lines of the file without their line ends; false when the file
// exists but cannot be used.
bool ReadLines(std::vector<std::string>& lines) {
  lines.clear();
  std::string raw;
  if (!ReadWholeFile(JVLinkSettingsPath(), raw)) return true;  // missing: no lines
  if (raw.size() > kMaxFileSize) return false;
  std::size_t start = 0;
  while (start < raw.size()) {
    std::size_t lf = raw.find('\n', start);
    std::size_t end = lf == std::string::npos ? raw.size() : lf;
    std::string line = raw.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

// The name of a "[name]" line.
bool SectionLine(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t[0] != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The key of a "key=value" line.
bool KeyLine(const std::string& line, std::string& key, std::string& value) {
  std::size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  if (key.empty() || key[0] == ';') return false;
  value = Trim(line.substr(eq + 1));
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    value = value.substr(1, value.size() - 2);
  }
  return true;
}

std::string WithSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string JVLinkSettingsPath() { return ProgramFolder() + jvlink_ini::kFileName; }

std::string ReadJVLinkSetting(const std::string& key, const std::string& defaultValue) {
  std::vector<std::string> lines;
  if (!ReadLines(lines)) return defaultValue;
  bool inSection = false;
  for (const std::string& line : lines) {
    std::string name, k, value;
    if (SectionLine(line, name)) {
      inSection = SameName(name, jvlink_ini::kSection);
    } else if (inSection && KeyLine(line, k, value) && SameName(k, key)) {
      return value;
    }
  }
  return defaultValue;
}

bool WriteJVLinkSetting(const std::string& key, const std::string& value) {
  std::vector<std::string> lines;
  if (!ReadLines(lines)) return false;
  std::string newLine = key + "=" + value;
  bool inSection = false;
  bool done = false;
  std::size_t sectionEnd = std::string::npos;  // where a new key of the section goes
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    std::string name, k, v;
    if (SectionLine(lines[i], name)) {
      if (inSection) break;
      inSection = SameName(name, jvlink_ini::kSection);
      if (inSection) sectionEnd = i + 1;
    } else if (inSection) {
      if (KeyLine(lines[i], k, v) && SameName(k, key)) {
        lines[i] = newLine;
        done = true;
      } else if (!Trim(lines[i]).empty()) {
        sectionEnd = i + 1;
      }
    }
  }
  if (!done) {
    if (sectionEnd == std::string::npos) {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
      lines.push_back(std::string("[") + jvlink_ini::kSection + "]");
      lines.push_back(newLine);
    } else {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), newLine);
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  if (!CreateFolderChain(ProgramFolder())) return false;
  return WriteFileAtomically(JVLinkSettingsPath(), text);
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
