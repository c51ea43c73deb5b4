// The jockey and trainer lists: one statistics record per person, read
// from the jockey master (KS.DAT) or the trainer master (CH.DAT) on first
// use; codes of names, short names of a width, and the statistics value of
// a person for a race.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One person's statistics record.
struct TPersonData {
  std::int8_t Kind = 0;    // 1 jockey, 2 trainer; 0 for an empty record
  std::int32_t Code = 0;
  std::int32_t MadeOn = 0;     // creation date of the master record
  std::int32_t FirstFlat = 0;  // date of the first flat ride (jockeys) or the licence date (trainers)
  std::int32_t FirstJump = 0;
  std::string Name;            // full name (CP932)
  std::int8_t EastWest = 0;    // affiliation 1-4, 0 when out of range
  std::int16_t LastYear = 0;
  std::int16_t ThisYear = 0;
  // Finishing counts in 15 rows of six places (1st … 5th, out of the first
  // five); the rows are those of the jockey and trainer tables.
  std::array<std::array<std::int16_t, 6>, 15> Counts{};

  // From a KS (kind 1) or CH (kind 2) record of the right length.
  static TPersonData FromRecord(int kind, const char* record);
};

class TPersonList {
 public:
  explicit TPersonList(int kind);  // 1 jockeys, 2 trainers
  // Writes the unresolved names to DEBUG_PERSON_<kind>.TXT when the
  // settings key "DEBUG"/"PERSONLIST" is on.
  ~TPersonList();
  TPersonList(const TPersonList&) = delete;
  TPersonList& operator=(const TPersonList&) = delete;

  int Kind() const { return kind_; }
  // Empties the list and reads KS.DAT or CH.DAT of the data folder.
  void Load();
  // Forgets everything; the next request loads again (the import calls it
  // when the master file changed).
  void Clear();
  // The record of a code; an unknown code gets an empty record of the
  // list's kind, so every code yields one.
  const TPersonData& Person(int code);
  // The code of a (short) name, 0 when nobody matches; answers a name asked
  // before from the names map.
  int CodeOfName(const std::string& name);
  // The short name of a width (0: the full name) of a code; "" when the
  // code is unknown.
  std::string ShortName(int code, int width);
  // The statistics value of a person for a race (date number, track value,
  // distance); 0 for an unknown person.
  double StatisticsValue(int code, int date, int track, int distance);

 private:
  int kind_;
  bool loaded_ = false;
  std::map<int, TPersonData> persons_;
  int lastCode_ = -1;
  const TPersonData* last_ = nullptr;
  std::map<std::string, int> names_;
};

// The process-wide lists.
extern TPersonList* _JockeyList;
extern TPersonList* _TrainerList;

// Whether the short name S names the full name F (alias and character
// tables, characters in order).
bool NameMatches(const std::string& fullName, const std::string& shortName);

// The full name adjusted to a width: blanks widened or removed, an initial
// such as "Ｏ．" dropped, then cut (0: the full name cut to 34 bytes).
std::string ShortNameOfWidth(const std::string& fullName, int width);

// The smoothed win rate of a count set (1st … 5th, rest) with a field-size
// factor.
double SmoothedWinRate(const std::array<int, 6>& counts, double factor);
