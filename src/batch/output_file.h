// What the prediction writers share: the output folders of section
// "OutPut", formatted text built in memory, and writing it to a file whose
// folders are created on the way.
#pragma once

#include <string>
#include <string_view>

#include "app/format_text.h"

// The folder stored under `key` in section "OutPut", used as stored (it
// should end with "/").
std::string OutputFolder(const char* key);

// `count` copies of `c`.
inline std::string Repeat(char c, int count) { return std::string(count > 0 ? static_cast<std::size_t>(count) : 0, c); }

// Writes `text` to `path`, in place of the file or appended to it,
// creating the folders of the path first. False, with nothing written,
// when a folder cannot be created or the file cannot be opened.
bool WriteOutputFile(const std::string& path, std::string_view text, bool append);
