// Text helpers of the command line's listings: Shift-JIS texts go to the
// terminal as UTF-8, and columns are Shift-JIS byte widths.
#pragma once

#include <string>

// Writes a Shift-JIS text to stdout (as UTF-8).
void Put(const std::string& sjis);

// printf into a string (at most 511 bytes).
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `text` cut to `width` bytes on a character boundary and padded with
// blanks to it, on the right or (RightColumn) on the left.
std::string Column(const std::string& text, int width);
std::string RightColumn(const std::string& text, int width);
