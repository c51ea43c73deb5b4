#include "sample/sample_record.h"

#include <cstdio>
#include <stdexcept>

#include "app/sjis.h"

namespace sample {

namespace {

void Check(jv::TField field, const std::string& bytes) {
  if (field.offset < 0 || field.length <= 0 ||
      static_cast<std::size_t>(field.offset + field.length) > bytes.size()) {
    throw std::logic_error("field outside its record");
  }
}

}  // namespace

TRecordWriter::TRecordWriter(std::string_view id, int length, char dataKind, int created)
    : bytes_(static_cast<std::size_t>(length), ' ') {
  bytes_[static_cast<std::size_t>(length) - 2] = '\r';
  bytes_[static_cast<std::size_t>(length) - 1] = '\n';
  Raw(jv::kRecordId, id);
  bytes_[2] = dataKind;
  Number(jv::kCreated, created);
}

TRecordWriter::TRecordWriter(int length, bool lineEnd) : bytes_(static_cast<std::size_t>(length), ' ') {
  if (lineEnd) {
    bytes_[static_cast<std::size_t>(length) - 2] = '\r';
    bytes_[static_cast<std::size_t>(length) - 1] = '\n';
  }
}

void TRecordWriter::Text(jv::TField field, std::string_view sjis, bool fullWidth) {
  Check(field, bytes_);
  std::size_t n = SjisCutLength(sjis, static_cast<std::size_t>(field.length));
  std::size_t at = static_cast<std::size_t>(field.offset);
  bytes_.replace(at, n, sjis.substr(0, n));
  if (fullWidth) {
    const std::string& blank = SJ("　");
    std::size_t i = n;
    while (i + 2 <= static_cast<std::size_t>(field.length)) {
      bytes_.replace(at + i, 2, blank);
      i += 2;
    }
  }
}

void TRecordWriter::Number(jv::TField field, std::int64_t value) {
  Check(field, bytes_);
  int width = field.length;
  std::int64_t limit = 1;
  for (int i = 0; i < (value < 0 ? width - 1 : width); ++i) limit *= 10;
  if (value >= limit) value = limit - 1;
  if (value <= -limit) value = -(limit - 1);
  char buffer[32];
  if (value < 0) {
    std::snprintf(buffer, sizeof buffer, "-%0*lld", width - 1, static_cast<long long>(-value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, static_cast<long long>(value));
  }
  bytes_.replace(static_cast<std::size_t>(field.offset), static_cast<std::size_t>(width), buffer);
}

void TRecordWriter::NumberOrBlank(jv::TField field, std::int64_t value) {
  if (value != 0) Number(field, value);
}

void TRecordWriter::Raw(jv::TField field, std::string_view text) {
  Check(field, bytes_);
  std::size_t n = std::min(text.size(), static_cast<std::size_t>(field.length));
  bytes_.replace(static_cast<std::size_t>(field.offset), n, text.substr(0, n));
}

}  // namespace sample
