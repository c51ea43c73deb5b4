// A private-profile file ("[Section]" lines, then "Key=Value" lines) in
// Shift-JIS with CR LF, as the settings file Umayado.ini and the local
// JV-Link's jvlink.ini are kept.
//
// Section and key names compare without regard to case; the first section
// of a name counts. A value loses the blanks around it and one pair of
// enclosing quotes. A line that cannot be understood is passed over; a file
// with a UTF-16 or UTF-8 byte order mark is converted; a file that cannot be
// read (or is larger than any settings file) reads as empty and is never
// overwritten. The object follows the file: when another process changes
// it, the next access reads it again. Every write reaches the file at once
// through a temporary file renamed over the old one.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TPrivateProfile {
 public:
  explicit TPrivateProfile(std::string path);
  ~TPrivateProfile();
  TPrivateProfile(const TPrivateProfile&) = delete;
  TPrivateProfile& operator=(const TPrivateProfile&) = delete;

  const std::string& Path() const;
  bool SectionExists(const std::string& section);
  // The value of a key; false when the section or key is missing.
  bool Find(const std::string& section, const std::string& key, std::string& value);
  // Writes the key (replacing its line, or adding it at the end of its
  // section, or a new section at the end of the file). False when the file
  // could not be written; a line break in the value becomes a blank.
  bool Write(const std::string& section, const std::string& key, const std::string& value);
  // The section names, and the key names of one section, in file order.
  std::vector<std::string> Sections();
  std::vector<std::string> Keys(const std::string& section);

 private:
  class TFile;
  std::unique_ptr<TFile> file_;
};
