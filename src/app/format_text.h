// printf into strings, without a length limit.
#pragma once

#include <string>

// Appends printf-formatted text to `text`.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The printf-formatted text.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
