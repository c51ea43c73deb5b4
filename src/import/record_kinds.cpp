#include "import/record_kinds.h"

#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race_id.h"

namespace {

using R = TFileNumberRule;
using C = TConvertedIn;

constexpr std::array<TRecordKind, kRecordKindCount> kKinds{{
    {0, "TK", jv::tk::kLength, "TK", R::kRaceDate, C::kAllRuns},
    {1, "RA", jv::ra::kLength, "RA", R::kMeeting, C::kAllRuns},
    {2, "SE", jv::se::kLength, "SE", R::kMeeting, C::kAllRuns},
    {3, "HR", jv::hr::kLength, "HR", R::kMeeting, C::kAllRuns},
    {4, "H1", jv::h1::kLength, "H1", R::kMeeting, C::kNever},
    {5, "H6", jv::h6::kLength, "H6", R::kMeeting, C::kNever},
    {6, "O1", jv::o1::kLength, "O1", R::kMeeting, C::kAllRuns},
    {7, "O2", jv::o2::kLength, "O2", R::kMeeting, C::kAllRuns},
    {8, "O3", jv::o3::kLength, "O3", R::kMeeting, C::kAllRuns},
    {9, "O4", jv::o4::kLength, "O4", R::kMeeting, C::kAllRuns},
    {10, "O5", jv::o5::kLength, "O5", R::kMeeting, C::kAllRuns},
    {11, "O6", jv::o6::kLength, "O6", R::kMeeting, C::kAllRuns},
    {12, "UM", jv::um::kLength, "UM", R::kBirthYearUM, C::kAllRuns},
    {13, "KS", jv::ks::kLength, "KS", R::kSingleFile, C::kAllRuns},
    {14, "CH", jv::ch::kLength, "CH", R::kSingleFile, C::kAllRuns},
    {15, "BR", jv::br::kLength, "BR", R::kSingleFile, C::kAllRuns},
    {16, "BN", jv::bn::kLength, "BN", R::kSingleFile, C::kAllRuns},
    {17, "HN", jv::hn::kLength, "HN", R::kBreedingNo, C::kAllRuns},
    {18, "SK", jv::sk::kLength, "SK", R::kBirthYearSK, C::kAllRuns},
    {19, "RC", jv::rc::kLength, "RC", R::kSingleFile, C::kAllRuns},
    {20, "HC", jv::hc::kLength, "HC", R::kYearMonth, C::kAllRuns},
    {21, "WH", jv::wh::kLength, "WH", R::kRaceDate, C::kQuickNewsOnly},
    {22, "WE", jv::we::kLength, "WE", R::kRaceDate, C::kQuickNewsOnly},
    {23, "AV", jv::av::kLength, "AV", R::kRaceDate, C::kQuickNewsOnly},
    {24, "JC", jv::jc::kLength, "JC", R::kRaceDate, C::kQuickNewsOnly},
    {25, "TC", jv::tc::kLength, "TC", R::kRaceDate, C::kQuickNewsOnly},
    {26, "CC", jv::cc::kLength, "CC", R::kRaceDate, C::kQuickNewsOnly},
    {27, "DM", jv::dm::kLength, "DM", R::kRaceDate, C::kNever},
    {28, "YS", jv::ys::kLength, "YS", R::kDayKeyYear, C::kAllRuns},
}};

constexpr bool NumbersInOrder() {
  for (int i = 0; i < kRecordKindCount; ++i) {
    if (kKinds[static_cast<std::size_t>(i)].number != i) return false;
  }
  return true;
}
static_assert(NumbersInOrder());

int Field(const char* record, int offset, int length) { return ParseFixedField(record + offset, length); }

}  // namespace

const std::array<TRecordKind, kRecordKindCount>& RecordKinds() { return kKinds; }

const TRecordKind* FindRecordKind(std::string_view record) {
  if (record.size() < 2) return nullptr;
  for (const TRecordKind& kind : kKinds) {
    if (record[0] == kind.id[0] && record[1] == kind.id[1]) return &kind;
  }
  return nullptr;
}

const TRecordKind* RecordKindOf(int number) {
  if (number < 0 || number >= kRecordKindCount) return nullptr;
  return &kKinds[static_cast<std::size_t>(number)];
}

int RecordFileNumber(const TRecordKind& kind, const char* record) {
  switch (kind.rule) {
    case R::kSingleFile:
      return 0;
    case R::kMeeting: {
      // The same rule the readers use to find a race's meeting file.
      TRaceID race;
      race.SetRaceKey(record + jv::kRaceKey.offset);
      return MeetingFileNumber(race);
    }
    case R::kRaceDate:
      return DateNumberFromText(record + jv::kRaceKey.offset);
    case R::kDayKeyYear:
      return Field(record, jv::kDayKey.offset, 4);
    case R::kBirthYearUM:
      return Field(record, jv::um::kBirthYear.offset, jv::um::kBirthYear.length);
    case R::kBirthYearSK:
      return Field(record, jv::sk::kBirthYear.offset, jv::sk::kBirthYear.length);
    case R::kBreedingNo:
      return Field(record, jv::hn::kBreedingNo.offset, jv::hn::kBreedingNo.length) / 10000;
    case R::kYearMonth:
      return Field(record, jv::hc::kDate.offset, jv::hc::kDate.length) / 100;
  }
  return 0;
}

std::string RecordFilePath(const TRecordKind& kind, int fileNumber) {
  if (kind.SingleFile()) return DataFolder() + kind.id + ".DAT";
  return NumberedFilePath(kind.folder, fileNumber);
}

std::string StagingFilePath(const TRecordKind& kind, int fileNumber) {
  return RecordFilePath(kind, fileNumber) + "~";
}
