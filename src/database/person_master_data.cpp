#include "database/person_master_data.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "app/file_problem.h"
#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/sjis.h"
#include "database/record_fields.h"

namespace {

// A field too wide for 32 bits (money: 10 digits), read by the same rule as
// ParseFixedField in two parts: the last nine characters and the rest.
std::int64_t LongNumber(const char* record, jv::TField field) {
  const char* text = record + field.offset;
  const int tail = field.length < 9 ? field.length : 9;
  const int head = field.length - tail;
  const int high = ParseFixedField(text, head);
  const int low = ParseFixedField(text + head, tail);
  const std::int64_t value = std::llabs(static_cast<long long>(high)) * 1000000000LL +
                            std::llabs(static_cast<long long>(low));
  return high < 0 || low < 0 ? -value : value;
}

jv::TField At(int start, jv::TField field) { return {start + field.offset, field.length}; }

struct TNameFields {
  jv::TField name, name2, kana, shortName, latin;
};

// KS and CH: three summary blocks of both surfaces.
void ReadPersonBlocks(TPersonMasterData& data, const char* record, int start) {
  namespace ps = jv::person_summary;
  for (int b = 0; b < 3; ++b) {
    const int block = start + ps::kLength * b;
    const auto i = static_cast<std::size_t>(b);
    data.Years[i] = Number(record, At(block, ps::kYear));
    data.Prize[i][0] = LongNumber(record, At(block, ps::kFlatPrize));
    data.Prize[i][1] = LongNumber(record, At(block, ps::kJumpPrize));
    data.Added[i][0] = LongNumber(record, At(block, ps::kFlatAdded));
    data.Added[i][1] = LongNumber(record, At(block, ps::kJumpAdded));
    for (int k = 0; k < ps::kCountCount; ++k) {
      const auto place = static_cast<std::size_t>(k);
      const int flat = block + ps::kFlatCountsStart, jump = block + ps::kJumpCountsStart;
      data.Counts[i][0][place] = Number(record, jv::InBlock(flat, ps::kCountStride, k, ps::kCount));
      data.Counts[i][1][place] = Number(record, jv::InBlock(jump, ps::kCountStride, k, ps::kCount));
    }
  }
}

// BR and BN: this year into block 0 and the career into block 2, flat only.
void ReadFlatBlocks(TPersonMasterData& data, const char* record, int start) {
  namespace fs = jv::flat_summary;
  constexpr std::size_t kTarget[2] = {0, 2};
  for (int b = 0; b < 2; ++b) {
    const int block = start + fs::kLength * b;
    const std::size_t i = kTarget[b];
    data.Years[i] = Number(record, At(block, fs::kYear));
    data.Prize[i][0] = LongNumber(record, At(block, fs::kFlatPrize));
    data.Added[i][0] = LongNumber(record, At(block, fs::kFlatAdded));
    for (int k = 0; k < fs::kCountCount; ++k) {
      data.Counts[i][0][static_cast<std::size_t>(k)] =
          Number(record, jv::InBlock(block + fs::kCountsStart, fs::kCountStride, k, fs::kCount));
    }
  }
}

jv::TField CodeField(int kind) {
  switch (kind) {
    case kJockeyMaster: return jv::ks::kCode;
    case kTrainerMaster: return jv::ch::kCode;
    case kBreederMaster: return jv::br::kCode;
    case kOwnerMaster: return jv::bn::kCode;
    default: return {0, 0};
  }
}

}  // namespace

std::string TrimmedField(const char* record, jv::TField field) {
  const char* text = record + field.offset;
  const int length = field.length;
  int end = 0;  // one past the last character that is not a blank
  int i = 0;
  while (i < length && text[i] != '\0') {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool twoBytes = IsSjisLeadByte(c) && i + 1 < length && text[i + 1] != '\0';
    const bool blank =
        c == ' ' || (twoBytes && c == 0x81 && static_cast<unsigned char>(text[i + 1]) == 0x40);
    i += twoBytes ? 2 : 1;
    if (!blank) end = i;
  }
  return std::string(text, static_cast<std::size_t>(end));
}

TPersonMasterData TPersonMasterData::FromRecord(int kind, const char* record) {
  TPersonMasterData data;
  switch (kind) {
    case kJockeyMaster: {
      namespace ks = jv::ks;
      data.Name = TrimmedField(record, ks::kName);
      data.Name2 = data.Name;
      data.KanaName = TrimmedField(record, ks::kKanaName);
      data.ShortName = TrimmedField(record, ks::kShortName);
      data.LatinName = TrimmedField(record, ks::kLatinName);
      ReadPersonBlocks(data, record, ks::kSummaryStart);
      break;
    }
    case kTrainerMaster: {
      namespace ch = jv::ch;
      data.Name = TrimmedField(record, ch::kName);
      data.Name2 = data.Name;
      data.KanaName = TrimmedField(record, ch::kKanaName);
      data.ShortName = TrimmedField(record, ch::kShortName);
      data.LatinName = TrimmedField(record, ch::kLatinName);
      ReadPersonBlocks(data, record, ch::kSummaryStart);
      break;
    }
    case kBreederMaster: {
      namespace br = jv::br;
      data.Name = TrimmedField(record, br::kName);
      data.Name2 = TrimmedField(record, br::kName2);
      data.KanaName = TrimmedField(record, br::kKanaName);
      data.LatinName = TrimmedField(record, br::kLatinName);
      data.Address = TrimmedField(record, br::kAddress);
      ReadFlatBlocks(data, record, br::kSummaryStart);
      break;
    }
    case kOwnerMaster: {
      namespace bn = jv::bn;
      data.Name = TrimmedField(record, bn::kName);
      data.Name2 = TrimmedField(record, bn::kName2);
      data.KanaName = TrimmedField(record, bn::kKanaName);
      data.LatinName = TrimmedField(record, bn::kLatinName);
      data.Colours = TrimmedField(record, bn::kColours);
      ReadFlatBlocks(data, record, bn::kSummaryStart);
      break;
    }
    default:
      return data;
  }
  data.Kind = kind;
  data.Code = Number(record, CodeField(kind));
  return data;
}

int TPersonMasterData::Year(int block) const {
  if (block < 0 || block > 2) return 0;
  return Years[static_cast<std::size_t>(block)];
}

int TPersonMasterData::Count(int block, int surface, int place) const {
  if (block < 0 || block > 2 || surface < 0 || surface > 1) return 0;
  const auto& counts = Counts[static_cast<std::size_t>(block)][static_cast<std::size_t>(surface)];
  if (place >= 0 && place <= 5) return counts[static_cast<std::size_t>(place)];
  int sum = 0;
  for (int c : counts) sum += c;
  return sum;
}

const char* PersonMasterFileName(int kind) {
  switch (kind) {
    case kJockeyMaster: return "KS.DAT";
    case kTrainerMaster: return "CH.DAT";
    case kBreederMaster: return "BR.DAT";
    case kOwnerMaster: return "BN.DAT";
    default: return "";
  }
}

int PersonMasterRecordLength(int kind) {
  switch (kind) {
    case kJockeyMaster: return jv::ks::kLength;
    case kTrainerMaster: return jv::ch::kLength;
    case kBreederMaster: return jv::br::kLength;
    case kOwnerMaster: return jv::bn::kLength;
    default: return 0;
  }
}

TPersonMasterData LookUpPersonMaster(int kind, int code) {
  const int length = PersonMasterRecordLength(kind);
  if (code <= 0 || length == 0) return {};
  const std::string path = DataFolder() + PersonMasterFileName(kind);
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return {};
  if (!S_ISREG(st.st_mode)) {
    ReportFileProblem(path, 0);
    return {};
  }
  if (st.st_size % length != 0) {
    ReportFileProblem(path, static_cast<std::int64_t>(st.st_size));
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ReportFileProblem(path, 0);
    return {};
  }
  // One record at a time: the file is read only as far as the person.
  const jv::TField codeField = CodeField(kind);
  std::string record(static_cast<std::size_t>(length), ' ');
  while (in.read(record.data(), length)) {
    if (Number(record.data(), codeField) == code) {
      return TPersonMasterData::FromRecord(kind, record.data());
    }
  }
  return {};
}
