// Text helpers of the command line's listings: Shift-JIS texts go to the
// terminal as UTF-8, and columns are Shift-JIS byte widths.
#pragma once

#include <string>

#include "app/format_text.h"

// Writes a Shift-JIS text to stdout (as UTF-8).
void Put(const std::string& sjis);

// `text` cut to `width` bytes on a character boundary and padded with
// blanks to it, on the right or (RightColumn) on the left.
std::string Column(const std::string& text, int width);
std::string RightColumn(const std::string& text, int width);
