// A horse as a runner of one race: the race (TResult), its entry in it
// (TResultInfo), its master data (names, birth, breed, coat, pedigree,
// breeder, producing area, career money) and its past runs.
//
// The race card, the horse window and the batch run work on these. A horse
// read by its registration number alone has an empty race part; the
// runners of a race (horse_reader.h) carry the race and their entries.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "database/horse_info55.h"
#include "database/result.h"
#include "database/result_info.h"

// Kinds of career money.
inline constexpr int kMainPrize = 0;
inline constexpr int kAddedPrize = 1;
inline constexpr int kEarnedPrize = 2;

// Number of ancestors in three generations: sire, dam, the four
// grandparents (sire's sire and dam, dam's sire and dam), then the eight
// great-grandparents in the same order.
inline constexpr int kAncestorCount = 14;

// The cut-off date that keeps every past run.
inline constexpr int kAllRuns = 99999999;

class THorse : public TResult, public TResultInfo {
 public:
  struct THorse_Data {
    int BreedingNo = 0;     // own breeding number (breeding horses only)
    int DeleteFlag = 0;     // registration deleted
    int RegisteredOn = 0;   // YYYYMMDD
    int DeletedOn = 0;      // YYYYMMDD
    int BirthDate = 0;      // YYYYMMDD (breeding horses: the year × 10000)
    std::string KanaName;   // half-width kana
    std::string LatinName;
    int Breed = 0;          // 0-7
    int Coat = 0;           // 0-11
    std::array<int, kAncestorCount> Pedigree{};  // breeding numbers
    // Names of the ancestors: from the record, or looked up on first request.
    mutable std::array<std::string, kAncestorCount> AncestorName;
    std::string InvitedFrom;  // region of an invited horse
    int BreederCode = 0;
    mutable std::string BreederName;  // from the record, or looked up on first request
    std::string Area;         // producing area
    // Career money in hundreds of yen: flat and jump main prize, flat and
    // jump added prize, flat and jump earned prize.
    std::array<int, 6> PrizeSum{};
    int RaceCount = 0;        // registered races
    std::vector<THorseInfo55> PastRuns;  // newest first once prepared
    int RestDays = 0;         // days from the newest valid past run to this race
    std::array<double, 2> Figure{-1, -1};  // early and late position values of the scoring
    int Mark = 0;             // rank by win probability; negative for an outsider, 0 a non-runner
    double TimeFigure = 0;    // the horse's time figure, 0 until the scoring sets it
    // What the scoring works out for the horse in its race.
    double PreferredPace = 0;   // weighted mean pace factor of its past runs (0 = none)
    double TotalRunWeight = 0;  // Σ run weights over all past runs
    double Score = 0;           // expected figure in this race
    double Spread = 0;          // the horse's own uncertainty
    double WinProbability = 0;  // normalised probability of winning
  };

  THorse() = default;

  // From a horse master record (UM, 1577 bytes).
  static THorse FromUm(const char* record);
  // From a foal record (SK, 178 bytes).
  static THorse FromSk(const char* record);
  // From a breeding horse record (HN, 245 bytes).
  static THorse FromHn(const char* record);
  // A horse that only knows its registration number.
  static THorse FromHorseID(int horseID);

  const THorse_Data& Data() const { return horse_; }
  THorse_Data& Data() { return horse_; }

  const std::vector<THorseInfo55>& PastRuns() const { return horse_.PastRuns; }
  std::vector<THorseInfo55>& MutablePastRuns() { return horse_.PastRuns; }
  int RestDays() const { return horse_.RestDays; }
  int Mark() const { return horse_.Mark; }
  void SetMark(int mark) { horse_.Mark = mark; }
  // Figure i (0 early, 1 late); 0 outside.
  double Figure(int i) const;
  void SetFigure(int i, double value);
  double TimeFigure() const { return horse_.TimeFigure; }
  void SetTimeFigure(double figure) { horse_.TimeFigure = figure; }
  // The scoring's results (analysis/score_race.h).
  double PreferredPace() const { return horse_.PreferredPace; }
  void SetPreferredPace(double pace) { horse_.PreferredPace = pace; }
  double TotalRunWeight() const { return horse_.TotalRunWeight; }
  void SetTotalRunWeight(double weight) { horse_.TotalRunWeight = weight; }
  double Score() const { return horse_.Score; }
  void SetScore(double score) { horse_.Score = score; }
  double Spread() const { return horse_.Spread; }
  void SetSpread(double spread) { horse_.Spread = spread; }
  double WinProbability() const { return horse_.WinProbability; }
  void SetWinProbability(double probability) { horse_.WinProbability = probability; }

  // Readies the past runs for a race dated `cutOff` (kAllRuns keeps them
  // all): newest first, without the runs on or after the cut-off, each run
  // taking its race from the race cache and the horse's entry in it; a run
  // whose race is not final (data kind below 3), was cancelled (9), or has
  // no runner of this horse is dropped. Sets RestDays and every run's
  // Interval. A horse of a special registration without a jockey or a
  // trainer takes them from its newest run.
  void PreparePastRuns(int cutOff);

  // The name of ancestor i (0-13): the stored one or the breeding horse
  // master's, kept from the first request on; "" outside 0-13.
  const std::string& AncestorName(int i) const;
  // The breeder's name: the stored one or the breeder master's, kept from
  // the first request on.
  const std::string& BreederName() const;
  // Career money (hundreds of yen) of a kind (kMainPrize, kAddedPrize,
  // kEarnedPrize) on a surface (0 flat, 1 jump); 0 outside.
  int PrizeSum(int kind, int surface) const;
  // The age in a year: the year less the birth year of the registration
  // number when both are known, else the stored age, else -1.
  int AgeIn(int year) const;
  // Win odds of the race: 0 before the final card (race data kind 1 or
  // less), otherwise the stored odds.
  double WinOdds() const;
  // The relative position (0 front, 1 rear; -1 unknown) at the first or
  // last corner among the race's starters.
  double RelativePosition(bool last) const;
  // The five-column gauges of the corner positions and of the two figures.
  std::string PositionGaugeText() const;
  std::string FigureGaugeText() const;
  // The time figure against a reference x: the figure itself when x ≤ 0 or
  // the figure ≤ 0, else max((figure − x) × 700 + 50, 0).
  double RelativeFigure(double reference) const;
  // "%3d" of the body weight, then " 初" for a horse without past runs or
  // the change since the newest weighed run (" ", "+" or "-" and "%2d");
  // "" for a scratched horse or no weight.
  std::string BodyWeightText() const;
  // ◎1 ○2 ▲3 △4 … △9 for Mark 1-9, "   " for 0, "‥ " for anything else.
  std::string MarkText() const;
  // The coat colour ("鹿毛"); "" for code 0 or an unknown code.
  const std::string& CoatText() const;

 private:
  THorse_Data horse_;
};

// The runners of a race that are to start (scratched ones are left out)
// include one without a past run at a JRA or local racecourse (code 99 or
// below).
bool HasDebutant(const std::vector<THorse>& runners);

// The runners of a final result (runner data kind above 2) in finishing
// order.
std::vector<THorse> RankedRunners(const std::vector<THorse>& runners);
