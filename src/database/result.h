// A race as the database holds it: its key, the race data (conditions,
// distance, track, going, prize money, lap times), its runners and its
// payouts.
//
// The race data lives in one block that every copy of a race shares:
// copying a TResult (or building a race card or a horse from it) points
// the copy at the same block, so runners, payouts and the day's news
// changed through one copy are seen through all of them. The block goes
// when its last holder does.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/race_id.h"
#include "database/result_info.h"

// Bet types: 0 単勝, 1 複勝, 2 枠連, 3 馬連, 4 ワイド, 5 馬単, 6 ３連複,
// 7 ３連単; 9 stands for the race's main pair bet (枠連 or 馬連).
inline constexpr int kBetTypeCount = 8;
inline constexpr int kMainPairBet = 9;

// The combination number of up to three numbers: the first, then × 100 +
// the second when it is above 0, then × 100 + the third when above 0.
int CombinationNumber(int first, int second, int third);

// One paid combination of a race.
struct TPayData {
  std::int8_t Type = 0;                 // bet type 0-7
  std::array<std::uint8_t, 3> No{};     // horse (枠連: frame) numbers; 0 when not part of it
  std::int32_t Payout = 0;              // yen per 100-yen ticket, as stored

  int Combination() const { return CombinationNumber(No[0], No[1], No[2]); }
};

class TResult : public TRaceID {
 public:
  struct TResult_Data {
    int DataKind = 0;       // data kind of the record; negative for a special registration
    int Weekday = 0;        // 1-8
    int SpecialNo = 0;
    std::string RaceName;   // composed full name
    std::string ShortName10, ShortName6, ShortName3;
    int Grade = 0;
    int AgeClass = 0;       // +50 for Anglo-Arab races
    int Symbol = 0;
    int WeightType = 0;     // 0-4
    std::array<int, 5> Condition{};  // by age group; [4] the youngest horses
    int Distance = 0;       // metres
    int Track = 0;          // track value, -1 when unknown
    int CourseDiv = 0;      // rail position
    std::array<int, 7> Prize{};
    std::array<int, 5> AddedPrize{};
    int StartTime = 0;      // HHMM
    int Registered = 0;
    int Starters = 0;
    int Finishers = 0;
    int Weather = 0;        // 0-6
    int TurfGoing = 0;      // 0-4
    int DirtGoing = 0;      // 0-4
    std::array<int, 25> Lap{};  // tenths of a second
    int JumpMileTime = 0;
    std::vector<TResultInfo> Runners;
    std::vector<TPayData> Payouts;
    double AvgTrainer = 0;      // cached averages, 0 until first asked
    double AvgJockey = 0;
  };

  // An empty race: key 0, a block of its own with every field 0.
  TResult();

  // From a race record (RA, 1272 bytes).
  static TResult FromRa(const char* record);
  // From a special-registration record (TK, 21657 bytes): its horse slots
  // become the runners, and the data kind is stored negated.
  static TResult FromTk(const char* record);
  // From a schedule record (YS, 382 bytes): the race day with the first
  // graded race's fields; race number 0.
  static TResult FromYs(const char* record);

  // ---- Building.
  void AddRunner(const TResultInfo& runner);
  // The payouts of a payout record (HR, 719 bytes), in place of any
  // payouts attached before.
  void AddPayouts(const char* hrRecord);
  // Completes the runner-derived values once the runners are in (final
  // results, data kind 7 and above, with every entered horse present):
  // local races get their age class and sex condition from the runners and
  // their arrival order from the confirmed positions, every runner's time
  // difference becomes its margin to the winner, and on a straight course
  // the fourth corner position holds the rank of the time before the last
  // 600 m.
  void Complete();

  // ---- Fields.
  int DataKind() const { return data_->DataKind; }
  int Weekday() const { return data_->Weekday; }
  int SpecialNo() const { return data_->SpecialNo; }
  const std::string& RaceName() const { return data_->RaceName; }
  int Grade() const { return data_->Grade; }
  int AgeClass() const { return data_->AgeClass; }
  int Symbol() const { return data_->Symbol; }
  int WeightType() const { return data_->WeightType; }
  // Class condition of age group i (0-4); 0 outside.
  int Condition(int i) const;
  int Distance() const { return data_->Distance; }
  int Track() const { return data_->Track; }
  int CourseDiv() const { return data_->CourseDiv; }
  // Prize and added money of place i as stored; 0 outside 0-6 and 0-4.
  int Prize(int i) const;
  int AddedPrize(int i) const;
  int StartTime() const { return data_->StartTime; }
  int Registered() const { return data_->Registered; }
  int Weather() const { return data_->Weather; }
  int TurfGoing() const { return data_->TurfGoing; }
  int DirtGoing() const { return data_->DirtGoing; }
  // Lap i (0-24) in tenths; 0 outside.
  int Lap(int i) const;
  int JumpMileTime() const { return data_->JumpMileTime; }

  // ---- Runners and payouts.
  const std::vector<TResultInfo>& Runners() const { return data_->Runners; }
  // The runners for changes (the day's news); shared by every copy.
  std::vector<TResultInfo>& MutableRunners() { return data_->Runners; }
  int RunnerCount() const { return static_cast<int>(data_->Runners.size()); }
  // Runner i; an empty runner outside.
  const TResultInfo& Runner(int i) const;
  // The position of the first runner with registration number `horseID`
  // when it is above 0, else of the first with horse number `horseNo`;
  // -1 when none.
  int FindRunner(int horseID, int horseNo) const;
  // That runner, or an empty one.
  TResultInfo RunnerOf(int horseID, int horseNo) const;
  const std::vector<TPayData>& Payouts() const { return data_->Payouts; }
  // The payout of a combination number (CombinationNumber) of a bet type:
  // 0 when the race has payouts of that type but not for this combination,
  // -1 when it has none of that type.
  int Payout(int type, int combination) const;

  // ---- Derived values.
  // Horses that started: the stored count, or the entered horses less the
  // runners that did not start.
  int Starters() const;
  // Horses that finished: the stored count, or the entered horses less the
  // runners that did not start or did not finish.
  int Finishers() const;
  // The going (0-4) of the turf (0) or the dirt (1); -1 the race's own
  // surface (the turf for a jump race); 0 for anything else.
  int Going(int index = -1) const;
  // 1 turf, 2 dirt, 3 jump, 0 anything else.
  int SurfaceKind() const;
  // 3 (馬連) for races after 2004 or with more than 8 horses entered, else
  // 2 (枠連).
  int MainPairBetType() const;
  // `type`, with 9 read as the main pair bet type.
  int ResolveBetType(int type) const { return type == kMainPairBet ? MainPairBetType() : type; }
  // The average statistics value of the starters' trainers and jockeys for
  // this race; computed on first request and kept with the race.
  double AverageTrainerValue() const;
  double AverageJockeyValue() const;

  // ---- Texts.
  const std::string& WeekdayText() const;
  const std::string& GradeShortText() const;
  const std::string& GradeLongText() const;
  const std::string& AgeClassText() const;
  std::string SymbolText() const;
  const std::string& WeightTypeText() const;
  // Class condition of the youngest horses: form 2 short, 8 long with
  // half-width digits, any other long with full-width digits.
  std::string ClassConditionText(int form) const;
  // 芝・外(Ｂ１), ダート, 障害・芝 …
  std::string TrackText() const;
  // T, D, J or 芝, ダ, 障.
  const std::string& TrackLetter(bool kanji) const;
  const std::string& WeatherText() const;
  // The going text of Going(index).
  const std::string& GoingText(int index = -1) const;
  // The short name of a width in bytes: the 3-character name up to 6
  // bytes, the 6-character one up to 12, the 10-character one beyond; cut
  // to the width, and up to 12 bytes without its first half-width blank.
  std::string ShortName(int width) const;

  // ---- Changes: the day's news.
  void SetWeather(int weather) { data_->Weather = weather; }
  void SetTurfGoing(int going) { data_->TurfGoing = going; }
  void SetDirtGoing(int going) { data_->DirtGoing = going; }
  void SetStartTime(int hhmm) { data_->StartTime = hhmm; }
  void SetDistance(int metres) { data_->Distance = metres; }
  void SetTrack(int track) { data_->Track = track; }

  // Whether two races share one data block.
  bool SharesDataWith(const TResult& other) const { return data_ == other.data_; }

 private:
  std::shared_ptr<TResult_Data> data_;
};
