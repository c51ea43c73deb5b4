// A fixed-length JV-Data record being written: blanks everywhere, the
// fields put at their offsets, CR LF at the end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "database/jv_records.h"

namespace sample {

class TRecordWriter {
 public:
  // A record of `length` bytes (CR LF included) with its id, data kind
  // character ('1'-'9', 'A', 'B') and creation date in the common head.
  TRecordWriter(std::string_view id, int length, char dataKind, int created);
  // A fixed-length record without the JV-Data head (KOL), CR LF included
  // only when `lineEnd`.
  TRecordWriter(int length, bool lineEnd);

  // Text, left-aligned, cut to the field on a character boundary; the rest
  // stays blank, or is padded with full-width blanks when `fullWidth`.
  void Text(jv::TField field, std::string_view sjis, bool fullWidth = false);
  // A number, right-aligned and zero-padded to the field's width; a
  // negative number keeps its '-' in front; a number too wide for the field
  // is held at the largest value that fits.
  void Number(jv::TField field, std::int64_t value);
  // A number, or blanks when it is 0.
  void NumberOrBlank(jv::TField field, std::int64_t value);
  // Raw characters (a code or key) copied as they are, cut to the field.
  void Raw(jv::TField field, std::string_view text);
  // The 16-character race key at byte 11.
  void RaceKey(std::string_view key) { Raw(jv::kRaceKey, key); }

  const std::string& bytes() const { return bytes_; }
  int length() const { return static_cast<int>(bytes_.size()); }

 private:
  std::string bytes_;
};

// A field of block `index` in a run of blocks.
inline jv::TField Block(int start, int stride, int index, jv::TField field) {
  return jv::InBlock(start, stride, index, field);
}

}  // namespace sample
