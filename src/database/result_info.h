// One runner of one race: the horse, its frame and number, the people
// around it, what it carried and weighed, and how it finished.
//
// A plain value, zero on creation, filled as far as each source has the
// fields: a runner record (SE), a special-registration slot (TK), a horse
// master record (UM), a foal record (SK) or a breeding record (HN). The
// horse records of the database derive from it.
#pragma once

#include <array>
#include <string>

#include "database/race_codes.h"

struct TPersonData;

class TResultInfo {
 public:
  TResultInfo() = default;

  // From a runner record (555 bytes).
  static TResultInfo FromSe(const char* record);
  // From one 70-byte horse slot of a special-registration record; the
  // registration order stands for the horse number.
  static TResultInfo FromTkSlot(const char* slot);
  // From a horse master record (1577 bytes).
  static TResultInfo FromUm(const char* record);
  // From a foal record (178 bytes).
  static TResultInfo FromSk(const char* record);
  // From a breeding horse record (245 bytes).
  static TResultInfo FromHn(const char* record);
  // A runner that only knows its 10-digit registration number.
  static TResultInfo FromHorseID(int horseID);

  // A race time of 4 characters MSST in tenths of a second ("1234" 834).
  static int TimeFromMsst(const char* field) { return ::TimeFromMsst(field); }

  // ---- Fields as stored.
  int DataKind() const { return dataKind_; }
  int Frame() const { return frame_; }
  int HorseNo() const { return horseNo_; }
  int HorseID() const { return horseID_; }
  // The 10-digit registration number ÷ 1000000.
  int BirthYear() const { return horseID_ / 1000000; }
  int HorseMark() const { return horseMark_; }
  int Sex() const { return sex_; }
  int Age() const { return age_; }
  int OwnerCode() const { return ownerCode_; }
  int Carried() const { return carried_; }
  int Blinker() const { return blinker_; }
  int Apprentice() const { return apprentice_; }
  int BodyWeight() const { return bodyWeight_; }
  int Abnormality() const { return abnormality_; }
  int Arrival() const { return arrival_; }
  int Position() const { return position_; }
  // Race time in tenths of a second.
  int Time() const { return time_; }
  // Margin code of column i (0: to the horse in front); 0 outside 0-2.
  int Margin(int i) const;
  // Position at corner i (0-3); 0 outside.
  int Corner(int i) const;
  // Win odds × 10.
  int Odds() const { return odds_; }
  int Popularity() const { return popularity_; }
  // Last-600 m time in tenths; a negative value is a last-800 m time.
  int Last3F() const { return last3F_; }
  // Time difference in tenths; once the race is complete, the margin to
  // the winner (the winner's to the second, negative).
  int TimeDiff() const { return timeDiff_; }
  int RecordFlag() const { return recordFlag_; }
  // The stored people fields, before any lookup: codes (the jockey code is
  // negative when the jockey was changed) and the names kept for a code
  // of 0.
  int RawTrainerCode() const { return trainerCode_; }
  int RawJockeyCode() const { return jockeyCode_; }
  const std::string& RawTrainerName() const { return trainerName_; }
  const std::string& RawJockeyName() const { return jockeyName_; }
  const std::string& RawOwnerName() const { return ownerName_; }

  // ---- Status.
  // Did not start (scratched or excluded before the start).
  bool Scratched() const { return abnormality_ / 10 > 1; }
  // Did not finish, or did not start.
  bool NotFinished() const { return abnormality_ / 10 > 0; }
  // The jockey was changed after the entries (the stored code is negative).
  bool JockeyChanged() const { return jockeyCode_ < 0; }

  // ---- People, resolved through the jockey and trainer lists.
  // The trainer code; when none is stored, the code that the trainer list
  // finds for the stored name, which from then on is stored in place of
  // the name. 0 when neither gives one.
  int TrainerCode() const;
  // The same for the jockey; always 0 or above.
  int JockeyCode() const;
  // The statistics records of the trainer and the jockey (an empty record
  // without a code or a list).
  const TPersonData& TrainerData() const;
  const TPersonData& JockeyData() const;
  // The short name of a width (0: the full name) from the person list when
  // it knows the code; otherwise the stored name cut to the width.
  std::string TrainerName(int width) const;
  std::string JockeyName(int width) const;
  // The owner's name: the stored one, or, when empty, the name in the owner
  // master of the owner code, kept from the first request on.
  const std::string& OwnerName() const;
  // The trainer's affiliation (1 east, 2 west, 3 local, 4 overseas; 0
  // unknown), kept from the first request on.
  int EastWest() const;

  // ---- Names and texts.
  // The horse name cut to `width` bytes (0: whole).
  std::string HorseName(int width = 0) const;
  const std::string& SexText() const;
  const std::string& BlinkerText() const;
  const std::string& ApprenticeText() const;
  const std::string& HorseMarkText() const;
  // The kind of the margin to the horse in front (同着, ハナ, 1/2 …).
  const std::string& MarginKindText() const;
  // The margin to the horse in front in five columns ("１1/2", "ハナ ").
  std::string MarginText() const;
  // The abnormality in one character (width below 4) or two (取消).
  const std::string& AbnormalityText(int width) const;
  // The weight carried in kilograms with the apprentice mark ("☆55").
  std::string CarriedText() const;

  // ---- Derived values.
  // Last furlongs of a kind: 3 the last 600 m, 4 the last 800 m, 0 either;
  // 0 when the runner has none of that kind, and for any other kind.
  int LastFurlongs(int kind) const;
  // The first corner position above 0, 0 when none.
  int FirstCorner() const;
  // The last corner position above 0, but not behind the first one.
  int LastCorner() const;
  // (corner − 1) ÷ (runners − 1) for the first or the last corner: 0 the
  // front, 1 the rear; -1 without a corner position or with fewer than two
  // runners.
  double RelativeCorner(bool last, int runners) const;

  // ---- Changes: the day's news and the completion of a race.
  void SetBodyWeight(int kilograms) { bodyWeight_ = kilograms; }
  void SetAbnormality(int value) { abnormality_ = value; }
  void SetCarried(int tenths) { carried_ = tenths; }
  // A code below 0 marks a changed jockey.
  void SetJockeyCode(int code) { jockeyCode_ = code; }
  void SetTrainerCode(int code) { trainerCode_ = code; }
  void SetJockeyName(const std::string& name) { jockeyName_ = name; }
  void SetApprentice(int mark) { apprentice_ = mark; }
  void SetArrival(int arrival) { arrival_ = arrival; }
  void SetTimeDiff(int tenths) { timeDiff_ = tenths; }
  // Position at corner i (0-3); ignored outside.
  void SetCorner(int i, int position);

 private:
  int dataKind_ = 0;
  int frame_ = 0;
  int horseNo_ = 0;
  int horseID_ = 0;
  std::string horseName_;
  int horseMark_ = 0;
  int sex_ = 0;
  mutable int eastWest_ = 0;
  int age_ = 0;
  mutable int trainerCode_ = 0;
  mutable std::string trainerName_;
  int ownerCode_ = 0;
  mutable std::string ownerName_;
  int carried_ = 0;
  int blinker_ = 0;
  mutable int jockeyCode_ = 0;
  mutable std::string jockeyName_;
  int apprentice_ = 0;
  int bodyWeight_ = 0;
  int abnormality_ = 0;
  int arrival_ = 0;
  int position_ = 0;
  int time_ = 0;
  std::array<int, 3> margin_{};
  std::array<int, 4> corner_{};
  int odds_ = 0;
  int popularity_ = 0;
  int last3F_ = 0;
  int timeDiff_ = 0;
  int recordFlag_ = 0;
};

// The order of a race's finishers: by confirmed position (0 counting as 99)
// when both runners come from overseas records (data kind above 10);
// otherwise by the first of arrival order, time and confirmed position that
// both have above 0 and that differs; then by abnormality and horse number.
bool FinishOrderLess(const TResultInfo& a, const TResultInfo& b);

// The order in which a race keeps its runners: by horse number when both
// have one, otherwise by registration number.
bool HorseNumberLess(const TResultInfo& a, const TResultInfo& b);
