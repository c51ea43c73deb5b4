// The race card a window or the batch run works on: a race (sharing the
// race's data block) with the list of bets that the scoring and the odds
// consider.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/horse.h"
#include "database/result.h"

// One candidate bet of a race.
struct TBetData {
  std::int8_t Type = 0;              // bet type 0-7
  std::array<std::uint8_t, 3> No{};  // horse (枠連: frame) numbers; 0 when not part of it
  // The payout of this combination when it paid; 0 when the race has
  // payouts of the type but not this one; -1 when it has none of the type.
  std::int32_t Payout = -1;
  float Value = 0;    // the probability, odds or score the bet was added with
  float Value2 = 0;   // a second value of the scoring

  int Combination() const { return CombinationNumber(No[0], No[1], No[2]); }
};

static_assert(sizeof(TBetData) == 16);

class TRace : public TResult {
 public:
  TRace() = default;
  // The race card of a race: shares its data block, with empty lists.
  explicit TRace(const TResult& race) : TResult(race) {}

  // ---- Bets.
  // Appends a bet of `type` (0-7; 9 the main pair bet) with up to three
  // numbers (0 for none) and counts it; its payout is looked up in the
  // race's payouts. A type outside those is ignored.
  void AddBet(int type, double value, int h1, int h2 = 0, int h3 = 0);
  // Empties the bet list and its counts.
  void ClearBets();
  // Orders the bets by type and, within a type, by value descending (the
  // order that Bet relies on; the scoring appends its candidates in that
  // order already).
  void SortBets();
  // Bet n (0 first) of a type; type 9 is the main pair bet type. An empty
  // bet (type 0, payout -1) when the type has no bet n.
  TBetData Bet(int type, int n) const;
  // The odds of the first bet of a type (9: the main pair bet) from the odds
  // list; -1 when the race has no odds of the type. `which` picks the low
  // (0) or high (1) end of a range (place, quinella place).
  double FirstBetOdds(int type, int which = 0) const;
  // The odds of bet n of a type: 0 when the data kind is 1 or less, never
  // below 0.
  double BetOdds(int type, int n, int which = 0) const;
  // The label of the odds the race shows ("[前日10:30]", "[確定]",
  // "[KOL予想オッズ]" …).
  std::string OddsTimeText() const;
  // The number of bets of a type (9: the main pair bet type); 0 for any
  // other type.
  int BetCount(int type) const;
  // The sum of the values of the first n bets of a type.
  double BetValueSum(int type, int n) const;
  const std::vector<TBetData>& Bets() const { return bets_; }
  // Appends a bet whose payout is already known (the scoring looks the
  // payouts up once per race) and counts it. A type outside 0-7 is ignored.
  void AppendBet(const TBetData& bet);

  // ---- The scoring's expected pace of the race (0 = none).
  double ExpectedPace() const { return expectedPace_; }
  void SetExpectedPace(double pace) { expectedPace_ = pace; }

  // ---- Two values that the views keep with the race.
  int ViewValue(int i) const { return i >= 0 && i < 2 ? viewValues_[static_cast<std::size_t>(i)] : 0; }
  void SetViewValue(int i, int value) {
    if (i >= 0 && i < 2) viewValues_[static_cast<std::size_t>(i)] = value;
  }

  // The runners as horses with their past runs, in horse-number order, as
  // the race card, the batch run or the horse window loaded them.
  const std::vector<THorse>& Horses() const { return horses_; }
  std::vector<THorse>& MutableHorses() { return horses_; }
  void SetHorses(std::vector<THorse> horses);
  // The horses whose runner data kind is above 2 in finishing order, built
  // once from the horse list.
  const std::vector<THorse>& RankedHorses();
  // True when a horse that started or is to start has no past run at a
  // racecourse of code 99 or below.
  bool HasDebutant() const { return ::HasDebutant(horses_); }

 private:
  std::array<int, 2> viewValues_{};
  std::vector<TBetData> bets_;
  std::vector<THorse> horses_;
  std::vector<THorse> ranked_;
  bool rankedBuilt_ = false;
  std::array<int, kBetTypeCount> betCounts_{};
  double expectedPace_ = 0;
};
