#include "app/private_profile.h"

#include <strings.h>
#include <sys/stat.h>

#include <string_view>

#include "app/file_io.h"
#include "app/sjis.h"

namespace {


// A file larger than this is not a settings file: it reads as empty and is
// never overwritten.
constexpr std::size_t kMaxSettingsFileSize = 16u << 20;

std::string Trim(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  std::size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool SameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// The section name of a "[name]" line, or false.
bool SectionLine(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t[0] != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The key and value of a "key=value" line, or false.
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

// UTF-16 text (without its byte order mark) as UTF-8. Characters outside
// the basic plane cannot be CP932 anyway and become "?".
std::string Utf16ToUtf8(std::string_view body, bool littleEndian) {
  std::string out;
  for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
    unsigned a = static_cast<unsigned char>(body[i]);
    unsigned b = static_cast<unsigned char>(body[i + 1]);
    unsigned unit = littleEndian ? (b << 8 | a) : (a << 8 | b);
    if (unit >= 0xD800 && unit <= 0xDFFF) unit = '?';
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | (unit >> 6));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (unit >> 12));
      out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

// Turns the raw file into CP932 lines. A file with a UTF-16 or UTF-8 byte
// order mark is converted (and written back as CP932 by the next write);
// anything else is taken as CP932 already.
std::vector<std::string> SplitLines(const std::string& raw) {
  std::string text;
  std::string_view view(raw);
  if (view.starts_with("\xFF\xFE")) {
    text = Utf8ToSjis(Utf16ToUtf8(view.substr(2), true));
  } else if (view.starts_with("\xFE\xFF")) {
    text = Utf8ToSjis(Utf16ToUtf8(view.substr(2), false));
  } else if (view.starts_with("\xEF\xBB\xBF")) {
    text = Utf8ToSjis(view.substr(3));
  } else {
    text = raw;
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A NUL byte ends the line: what follows it cannot be understood.
    std::size_t nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

class TPrivateProfile::TFile {
 public:
  explicit TFile(std::string path) : path_(std::move(path)) {}

  bool SectionExists(const std::string& section) {
    Refresh();
    return FindSection(section) != kNone;
  }

  bool Find(const std::string& section, const std::string& key, std::string& value) {
    Refresh();
    return FindKey(section, key, value) != kNone;
  }

  bool Write(const std::string& section, const std::string& key, const std::string& value) {
    Refresh();
    if (!writable_) return false;
    std::vector<std::string> lines = lines_;
    // A line break inside the value would split the line: it becomes a blank.
    std::string line = key + "=" + value;
    for (std::size_t i = key.size() + 1; i < line.size(); ++i) {
      if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';
    }
    std::string ignored;
    std::size_t at = FindKey(section, key, ignored);
    if (at != kNone) {
      lines[at] = line;
    } else {
      std::size_t header = FindSection(section);
      if (header == kNone) {
        while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
        if (!lines.empty()) lines.push_back(std::string());
        lines.push_back("[" + section + "]");
        lines.push_back(line);
      } else {
        // After the last key line of the section, before trailing blanks.
        std::size_t last = header;
        std::string name;
        for (std::size_t i = header + 1; i < lines.size() && !SectionLine(lines[i], name); ++i) {
          if (!Trim(lines[i]).empty()) last = i;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1), line);
      }
    }
    std::string data;
    for (const std::string& l : lines) {
      data += l;
      data += "\r\n";
    }
    if (!WriteFileAtomically(path_, data)) return false;
    lines_ = std::move(lines);
    Stamp();
    return true;
  }

  std::vector<std::string> Sections() {
    Refresh();
    std::vector<std::string> names;
    std::string name;
    for (const std::string& line : lines_) {
      if (SectionLine(line, name)) names.push_back(name);
    }
    return names;
  }

  std::vector<std::string> Keys(const std::string& section) {
    Refresh();
    std::vector<std::string> keys;
    std::size_t header = FindSection(section);
    if (header == kNone) return keys;
    std::string name, key, value;
    for (std::size_t i = header + 1; i < lines_.size() && !SectionLine(lines_[i], name); ++i) {
      if (KeyLine(lines_[i], key, value)) keys.push_back(key);
    }
    return keys;
  }

  const std::string& path() const { return path_; }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  struct TStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified = {0, 0};
    bool operator==(const TStamp& o) const {
      return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
             modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
  };

  TStamp CurrentStamp() const {
    TStamp s;
    struct stat st;
    if (stat(path_.c_str(), &st) == 0) {
      s.exists = true;
      s.device = st.st_dev;
      s.inode = st.st_ino;
      s.size = st.st_size;
      s.modified = st.st_mtim;
    }
    return s;
  }

  void Stamp() { stamp_ = CurrentStamp(); loaded_ = true; }

  // Reads the file again when it changed since the last look.
  void Refresh() {
    TStamp now = CurrentStamp();
    if (loaded_ && now == stamp_) return;
    stamp_ = now;
    loaded_ = true;
    lines_.clear();
    writable_ = true;
    if (!now.exists) return;
    std::string raw;
    if (static_cast<std::size_t>(now.size) > kMaxSettingsFileSize || !ReadWholeFile(path_, raw)) {
      writable_ = false;  // never replace a file that could not be read
      return;
    }
    lines_ = SplitLines(raw);
  }

  std::size_t FindSection(const std::string& section) const {
    std::string name;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (SectionLine(lines_[i], name) && SameName(name, section)) return i;
    }
    return kNone;
  }

  std::size_t FindKey(const std::string& section, const std::string& key, std::string& value) const {
    std::size_t header = FindSection(section);
    if (header == kNone) return kNone;
    std::string name, k, v;
    for (std::size_t i = header + 1; i < lines_.size() && !SectionLine(lines_[i], name); ++i) {
      if (KeyLine(lines_[i], k, v) && SameName(k, key)) {
        value = v;
        return i;
      }
    }
    return kNone;
  }

  std::string path_;
  std::vector<std::string> lines_;
  TStamp stamp_;
  bool loaded_ = false;
  bool writable_ = true;
};


TPrivateProfile::TPrivateProfile(std::string path) : file_(std::make_unique<TFile>(std::move(path))) {}
TPrivateProfile::~TPrivateProfile() = default;

const std::string& TPrivateProfile::Path() const { return file_->path(); }
bool TPrivateProfile::SectionExists(const std::string& section) { return file_->SectionExists(section); }
bool TPrivateProfile::Find(const std::string& section, const std::string& key, std::string& value) {
  return file_->Find(section, key, value);
}
bool TPrivateProfile::Write(const std::string& section, const std::string& key, const std::string& value) {
  return file_->Write(section, key, value);
}
std::vector<std::string> TPrivateProfile::Sections() { return file_->Sections(); }
std::vector<std::string> TPrivateProfile::Keys(const std::string& section) { return file_->Keys(section); }
