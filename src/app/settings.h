// The settings file Umayado.ini: typed reads with defaults and writes that
// reach the file at once.
//
// The file is in the private-profile format ("[Section]" lines, then
// "Key=Value" lines) and Shift-JIS. Section and key names compare without
// regard to case; values are CP932 text. Reads never fail: a missing file,
// section or key, or a line that cannot be understood, gives the default.
// A write that cannot reach the file fails silently.
//
// The settings object opens on first use and follows the file: when another
// process (the other front end) changes it, the next access reads it again.
#pragma once

#include <string>
#include <vector>

bool SectionExists(const std::string& section);

// Any non-zero integer is true; a missing key or a value that is not an
// integer gives the default.
bool ReadBool(const std::string& section, const std::string& key, bool defaultValue);

// Decimal, with an optional sign, or hexadecimal after "0x" or "$"; a
// missing key or a value that is not a number gives the default.
int ReadInteger(const std::string& section, const std::string& key, int defaultValue);

// The stored text (blanks around it removed, and one pair of enclosing
// quotes), or the default when the key is missing.
std::string ReadString(const std::string& section, const std::string& key,
                       const std::string& defaultValue);

// Each write returns true when the value differs from what a read with
// default false / 0 / "" gave before the write.
bool WriteBool(const std::string& section, const std::string& key, bool value);
bool WriteInteger(const std::string& section, const std::string& key, int value);
bool WriteString(const std::string& section, const std::string& key, const std::string& value);

// Writes the value only when the stored text is empty or missing.
void DefaultString(const std::string& section, const std::string& key, const std::string& value);

// The section names, and the key names of one section, in file order.
std::vector<std::string> SettingsSections();
std::vector<std::string> SettingsKeys(const std::string& section);

// Closes the settings object; the next access opens the settings file of
// the program folder of that moment.
void CloseSettings();
