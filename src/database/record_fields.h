// Reading one field of a JV-Data record by its layout (jv_records.h).
#pragma once

#include <string>
#include <string_view>

#include "app/fixed_field.h"
#include "database/jv_records.h"

// The field as a number (ParseFixedField).
inline int Number(const char* record, jv::TField field) {
  return ParseFixedField(record + field.offset, field.length);
}
inline int Number(std::string_view record, jv::TField field) { return Number(record.data(), field); }

// The field as a number, 0 when negative or above `maximum`.
inline int NumberInRange(const char* record, jv::TField field, int maximum) {
  return ParseFixedFieldInRange(record + field.offset, field.length, maximum);
}

// The field's text with its blanks squeezed.
inline std::string Text(const char* record, jv::TField field) {
  return SqueezeBlanks(record + field.offset, field.length);
}
