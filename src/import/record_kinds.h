// The JV-Data record kinds the import knows: their ids, lengths, where their
// records are stored and how the number of a record's file is found.
//
// The position of a kind in the table (its kind number, 0-28) is the order
// in which the converters, the database rebuild and the cleanup of an
// import take the kinds. A kind is stored either in a folder of numbered
// files ("RA/20040501.DAT") or in one file in the data folder ("KS.DAT").
// New records go to staging files first: the record file's path followed
// by "~" ("RA/20040501.DAT~"), merged into the record file by the rebuild.
#pragma once

#include <array>
#include <string>
#include <string_view>

// How the number of a record's file is found.
enum class TFileNumberRule {
  kSingleFile,   // one file for the kind, no number
  kMeeting,      // race key at 11: JRA meeting Year×10000 + Venue×100 + Meeting, else Year×100 + min(Venue, 99)
  kRaceDate,     // date number of the race (or day) key at 11
  kDayKeyYear,   // year of the day key at 11
  kBirthYearUM,  // 4 characters at 38 (birth year of a racehorse master record)
  kBirthYearSK,  // 4 characters at 21 (birth year of a foal record)
  kBreedingNo,   // 8 characters at 11, divided by 10000
  kYearMonth,    // 8-character date at 12, divided by 100 (yyyymm)
};

// Which import runs convert a kind (the read loop skips the files of the
// others; the rebuild merges any staging file of every kind).
enum class TConvertedIn {
  kAllRuns,
  kQuickNewsOnly,
  kNever,
};

struct TRecordKind {
  int number;             // position in the table, 0-28
  const char* id;         // two letters, "RA"
  int length;             // exact record length, CR LF included
  const char* folder;     // the folder below the data folder, or the single file's name ("KS")
  TFileNumberRule rule;
  TConvertedIn convertedIn;

  bool SingleFile() const { return rule == TFileNumberRule::kSingleFile; }
};

inline constexpr int kRecordKindCount = 29;

// Kind numbers by name.
namespace record_kind {
inline constexpr int kTK = 0, kRA = 1, kSE = 2, kHR = 3, kH1 = 4, kH6 = 5;
inline constexpr int kO1 = 6, kO2 = 7, kO3 = 8, kO4 = 9, kO5 = 10, kO6 = 11;
inline constexpr int kUM = 12, kKS = 13, kCH = 14, kBR = 15, kBN = 16, kHN = 17, kSK = 18;
inline constexpr int kRC = 19, kHC = 20, kWH = 21, kWE = 22, kAV = 23, kJC = 24, kTC = 25;
inline constexpr int kCC = 26, kDM = 27, kYS = 28;
}  // namespace record_kind

// The table, in kind-number order.
const std::array<TRecordKind, kRecordKindCount>& RecordKinds();

// The kind whose id is the first two characters of `record` (or of an id);
// null for an unknown id.
const TRecordKind* FindRecordKind(std::string_view record);

// The kind of a kind number; null out of range.
const TRecordKind* RecordKindOf(int number);

// The file number of a record of `kind` (at least the kind's length bytes
// at `record`); 0 for a single-file kind. Fields are read with
// ParseFixedField, so nothing is validated.
int RecordFileNumber(const TRecordKind& kind, const char* record);

// "<data folder><folder>/<number>.DAT" for a folder kind,
// "<data folder><id>.DAT" for a single-file kind (the number is ignored).
std::string RecordFilePath(const TRecordKind& kind, int fileNumber);
// The same followed by "~".
std::string StagingFilePath(const TRecordKind& kind, int fileNumber);
