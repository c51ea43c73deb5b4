#include "database/breeding_horse.h"

#include "app/fixed_field.h"
#include "app/record_file.h"
#include "database/database_files.h"
#include "database/jv_records.h"

TResultInfo LookUpBreedingHorse(int number) {
  if (number <= 0) return TResultInfo();
  std::string data;
  if (ReadRecordFile(NumberedFilePath("HN", number / 10000), jv::hn::kLength, data, false) != TRecordFileResult::kOk) {
    return TResultInfo();
  }
  for (std::size_t at = 0; at + jv::hn::kLength <= data.size(); at += jv::hn::kLength) {
    const char* record = data.data() + at;
    if (ParseFixedField(record + jv::hn::kBreedingNo.offset, jv::hn::kBreedingNo.length) == number) {
      return TResultInfo::FromHn(record);
    }
  }
  return TResultInfo();
}
