// The odds of one race for all eight bet types, keyed by bet type and
// combination: announced odds (O1-O6 records), vote counts (H1, H6
// records) from which odds are worked out on request, or predicted odds
// (a KOL record, a FKEIBADO log block) completed to every bet type.
//
// A combination number is the first number, then × 100 + the second, then
// × 100 + the third (horse numbers; frame numbers for 枠連); unordered bets
// hold the smaller numbers first. The key of an entry is bet type ×
// 1000000 + combination number.
//
// Odds from votes. Amounts are in tenths of a vote; trunc drops the
// fraction; v is the combination's votes and P the pool of its bet type
// (total less refunded votes) in tenths:
// - single-result types (単勝, 枠連, 馬連, 馬単, ３連複, ３連単): G = trunc(P ×
//   0.82), R = trunc((G − 10v) × 0.1), S = trunc(P × 0.05) for 単勝 and 0
//   for the others; odds × 10 = (G − R) ÷ v + S ÷ v before 2005 and
//   (G + S − R) ÷ v from 2005 on (integer divisions);
// - 複勝: the same over the pool that the placed horses share: with two
//   places Q = ((T − v − vi) × 10) ÷ 2 + 10v and S = trunc((10T ÷ 2) ×
//   0.05), with three Q = (T − v − vi − vj) × 10 ÷ 3 + 10v and S =
//   trunc((10T ÷ 3) × 0.05), where vi, vj are the votes of the other placed
//   horses; then G = trunc(Q × 0.82) and R, the odds as above;
// - ワイド: Q = (T − v − va − vb) × 10 ÷ 3 + 10v, where va and vb are the
//   votes of the other two pairs of the three placed horses; G = trunc(Q ×
//   0.82), R as above, odds × 10 = (G − R) ÷ v.
// Place and quinella-place odds depend on which horses run in with the
// combination, so an entry holds the lowest and the highest value over all
// of them.
#pragma once

#include <cstdint>
#include <map>
#include <string_view>

#include "database/race_id.h"

// ---------------------------------------------------------------------------
// Odds × 10 from votes. Votes and pools are counted in votes (the pool is
// total less refunded); the results are not held to any range, and are 0
// when `votes` is 0 or below.

// A single-result bet type (0, 2, 3, 5, 6, 7) in a race of `year`.
std::int64_t SingleOddsFromVotes(int betType, std::int64_t votes, std::int64_t pool, int year);

// 複勝 with two places paid, `other` being the votes of the other placed
// horse.
std::int64_t PlaceOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t other, int year);

// 複勝 with three places paid, `other1` and `other2` being the votes of the
// other two placed horses.
std::int64_t PlaceOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t other1,
                                std::int64_t other2, int year);

// ワイド: `va` and `vb` are the votes of the other two pairs of the three
// placed horses.
std::int64_t WideOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t va, std::int64_t vb);

// ---------------------------------------------------------------------------

// Predicted-odds data kinds.
inline constexpr int kKolOddsKind = -1;
inline constexpr int kFkeibadoOddsKind = -2;

// The racecourse code (a number, as in a race key: "08" is 8, "A4" is 104)
// of a KOL racecourse number; 0 for a number the KOL table has no
// racecourse for, or one outside 0-99.
int KolVenue(int kolVenueIndex);

// One combination of a race.
struct TOddsEntry {
  std::int64_t Votes = 0;
  std::int32_t Low = -1;   // lowest odds × 10; -1 until known
  std::int32_t High = -1;  // highest odds × 10; -1 until known
};

class TOddsData : public TRaceID {
 public:
  // Data kind of the record (O and H records: as stored; -1 KOL, -2
  // FKEIBADO predicted odds); 0 for an empty record.
  int DataKind = 0;
  // O records MMDDhhmm, predicted odds hhmm, vote counts 0.
  int AnnounceTime = 0;
  // Places paid for 複勝 (2 or 3).
  int PlaceCount = 0;
  std::map<int, TOddsEntry> Entries;
  // By bet type: the sale flag (odds records) or the pool, total less
  // refunded votes (vote records and predicted odds). A type without a
  // value has no odds at all.
  std::map<int, std::int64_t> TypeInfo;

  // An empty record.
  TOddsData() = default;
  // An empty record of a race.
  explicit TOddsData(const TRaceID& race) : TRaceID(race) {}

  // ---- Building. A record shorter than its kind gives an empty record (or
  // is not merged).
  // From an O1 record: 単勝, 複勝 and 枠連.
  static TOddsData FromO1(std::string_view record);
  // Merges an O2-O6 record (`kind` 2-6) of the same race.
  void MergeOdds(int kind, std::string_view record);
  // From an H1 record: the votes and pools of every type but ３連単.
  static TOddsData FromH1(std::string_view record);
  // Merges the H6 record (３連単) of the same race.
  void MergeH6(std::string_view record);
  // From a KOL record: 単勝, 枠連 and 馬連 odds; finish it before use.
  static TOddsData FromKol(std::string_view record);
  // Completes predicted odds (KOL or FKEIBADO, once their odds are
  // stored): votes of every other bet type from a notional pool of
  // 100000000 votes, 複勝 from 単勝, ワイド from 馬連, and 馬単, ３連複 and ３連単
  // from the pairs of 馬連 (枠連 when there is no 馬連), each horse weighted
  // by its share of the pair odds. Their odds are worked out on request.
  void FinishPredicted();

  // Stores odds `odds` of a combination: odds × 10 + 0.1, truncated, at
  // least 1.0 when above 0, widening the entry's range.
  void StoreOdds(int betType, int combination, double odds);
  // The same with odds × 10.
  void StoreOdds10(int betType, int combination, std::int64_t odds10);
  // Sets the votes of a combination.
  void SetVotes(int betType, int combination, std::int64_t votes);

  // ---- Questions.
  // The odds of a combination: -1 when the bet type has no odds, 0 when
  // the combination has none; otherwise the lowest (`which` 0) or highest
  // (1) odds, worked out from the votes first when only votes are known.
  double GetOdds(int betType, int combination, int which = 0);
  // The votes of a combination; 0 when it has none.
  std::int64_t Votes(int betType, int combination) const;
  // The TypeInfo value of a bet type; 0 when it has none.
  std::int64_t TypeValue(int betType) const;

  static int Key(int betType, int combination) { return betType * 1000000 + combination; }

 private:
  TOddsEntry& Entry(int betType, int combination);
  void ComputeOdds(int betType, int combination, TOddsEntry& entry);
};
