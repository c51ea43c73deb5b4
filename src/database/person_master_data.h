// The master record of a person or body connected with a horse: a jockey
// (KS.DAT), a trainer (CH.DAT), a breeder (BR.DAT) or an owner (BN.DAT),
// with its names and the summary blocks the jockey/trainer window shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "database/jv_records.h"

// Kinds of master.
inline constexpr int kJockeyMaster = 1;
inline constexpr int kTrainerMaster = 2;
inline constexpr int kBreederMaster = 3;
inline constexpr int kOwnerMaster = 4;

// Summary blocks: 0 this year, 1 last year, 2 career. Breeder and owner
// masters have no last-year block (it stays 0) and only flat results.
struct TPersonMasterData {
  std::int32_t Kind = 0;  // 1 jockey, 2 trainer, 3 breeder, 4 owner; 0 empty
  std::int32_t Code = 0;
  std::string Name;       // full name
  std::string Name2;      // second form (breeders and owners: the form a horse shows)
  std::string KanaName;
  std::string ShortName;  // jockeys and trainers
  std::string LatinName;
  std::string Address;    // breeders: region
  std::string Colours;    // owners: racing colours
  std::array<std::int32_t, 3> Years{};
  // Money in hundreds of yen by block and surface (0 flat, 1 jump). Ten
  // digits do not fit 32 bits (a big breeder's career passes 2^31), so the
  // money is held in 64.
  std::array<std::array<std::int64_t, 2>, 3> Prize{};
  std::array<std::array<std::int64_t, 2>, 3> Added{};
  // Finishes by block, surface and place (1st … 5th, out of the first five).
  std::array<std::array<std::array<std::int32_t, 6>, 2>, 3> Counts{};

  // From a KS, CH, BR or BN record (kind 1-4) of its kind's length; any
  // other kind gives an empty record.
  static TPersonMasterData FromRecord(int kind, const char* record);

  // The year of block b, 0 for b outside 0-2.
  int Year(int block) const;
  // The count of block a, surface b and place k (0-5); any other k gives
  // the sum of the six places (the rides); a outside 0-2 or b outside 0-1
  // gives 0.
  int Count(int block, int surface, int place) const;
};

// The file name ("KS.DAT" …) and record length of a kind; "" and 0 for an
// unknown kind.
const char* PersonMasterFileName(int kind);
int PersonMasterRecordLength(int kind);

// The master record of a kind and code from the data folder: the first
// record of the file whose code equals `code`. A code of 0 or below, a
// missing file or no match gives an empty record (Kind 0); a file that
// cannot be read or whose length is not a whole number of records is
// reported through the file problem report and gives an empty record.
TPersonMasterData LookUpPersonMaster(int kind, int code);

// The text of a field with the blanks (half-width and "　") at its end
// removed; it ends early at a NUL byte.
std::string TrimmedField(const char* record, jv::TField field);
