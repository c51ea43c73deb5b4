// Reading the fixed-width text fields of JV-Data records.
//
// Every stored number is fixed-width Shift-JIS text and is read here without
// validation: blanks count as zero digits and a '-' anywhere makes the value
// negative.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// For each byte: value × 10, then add 1–9 for '1'–'9', 10–35 for 'A'–'Z'
// and nothing for any other byte; a '-' anywhere negates the result.
int ParseFixedField(const char* field, int length);
// The same in 64 bits, for fields of more than nine digits (vote counts),
// held below 10^18.
std::int64_t ParseFixedFieldWide(const char* field, int length);
inline int ParseFixedField(std::string_view field) {
  return ParseFixedField(field.data(), static_cast<int>(field.size()));
}

// The parsed value, or 0 when it is negative or above `maximum`.
int ParseFixedFieldInRange(const char* field, int length, int maximum);

// A copy of the field (at most 255 bytes; it ends early at a NUL byte) with
// full-width "　" and half-width blanks removed at both ends and every inner
// run of them replaced by one half-width blank.
std::string SqueezeBlanks(const char* field, int length);
inline std::string SqueezeBlanks(std::string_view field) {
  return SqueezeBlanks(field.data(), static_cast<int>(field.size()));
}

// Appends `value` rounded to a whole number as a field of `width`
// characters ("%0*.0f"), held inside what the width can show so that every
// record keeps its length: at most `width` nines, at least a minus sign and
// `width` − 1 nines. A value that is not finite is written as 0.
void AppendFixedNumber(std::string& out, double value, int width);
