// The odds list: the odds of any race for any bet type, and the expected
// values of the scoring's candidate bets.
//
// Odds come from three sources, tried in this order: the announced odds of
// the import (O1-O6 files), its vote counts (H1, H6 files), and predicted
// odds (the date's KOL file and the FKEIBADO log, each when switched on in
// the settings, section "InPut"). A meeting's odds files are large, so the
// list keeps at most three meetings of announced odds, three of vote counts
// and one date of predicted odds, and reads the rest on demand.
//
// Files. "O1/<meeting>.DAT" makes one record per race and O2-O6 are merged
// into them in turn, stopping at the first file that does not exist; a
// wrong-sized O2-O6 file is reported and skipped. H1 makes the records and
// H6 is merged; a wrong-sized H1 or H6 file is reported and ends the
// reading. "KOL/<date>.DAT" holds one KOL record per race. A missing file
// is no odds; an unreadable or wrong-sized one goes to the file problem
// report, and what was read before it stays.
#pragma once

#include <map>
#include <set>

#include "database/odds_data.h"

class TResult;
struct TBetData;

// Odds sources, as ClearOdds takes them.
inline constexpr int kVoteOdds = 1;
inline constexpr int kAnnouncedOdds = 2;
inline constexpr int kPredictedOdds = 3;

// The meeting key of a race's odds files: Year × 10000 + Venue × 100 +
// Meeting.
int OddsMeetingKey(const TRaceID& race);

class TOddsList {
 public:
  // The odds record chosen for the race: announced odds, else vote counts,
  // else predicted odds; an empty record (data kind 0, every odds -1) when
  // there are none or the race is not at a JRA racecourse (Venue 30 or
  // more).
  TOddsData GetRaceOdds(const TRaceID& race);
  // The data kind and the announcement time of that record.
  int OddsKind(const TRaceID& race);
  int OddsTime(const TRaceID& race);

  // The odds of a combination of the chosen record: -1 when it has no
  // odds of the bet type, 0 when it has none of the combination; for 複勝
  // and ワイド `which` 0 is the low end, 1 the high end. Bet type 9 is the
  // race's main pair bet (馬連, or 枠連 for races before 2005 with 8 horses
  // or fewer).
  double GetOdds(const TResult& race, int betType, int combination, int which = 0);

  // Forgets the vote counts (1), the announced odds (2) or the predicted
  // odds (3) and which meetings or dates they came from, so that the next
  // request reads them again.
  void ClearOdds(int source);

  // ---- Expected values of the scoring's candidate bets.
  // The odds of a candidate: 0 when the race's data kind is 1 or less,
  // otherwise its combination's odds, never below 0.
  double BetOdds(const TResult& race, const TBetData& bet, int which = 0);
  // The candidate's probability (its value) × its odds.
  double BetExpectation(const TResult& race, const TBetData& bet, int which = 0);

 private:
  // The chosen record, or null; reads the files it needs.
  TOddsData* Find(const TRaceID& race);
  void LoadAnnounced(int meeting);
  void LoadVotes(int meeting);
  void LoadPredicted(int date);

  std::map<TRaceID, TOddsData> votes_;
  std::map<TRaceID, TOddsData> announced_;
  std::map<TRaceID, TOddsData> predicted_;
  std::set<int> voteMeetings_;
  std::set<int> announcedMeetings_;
  std::set<int> predictedDates_;
};

// The number of days from the announcement of odds (MMDDhhmm, in the race's
// year or, for a later month, the year before) to the race day.
int OddsDaysBefore(const TRaceID& race, int announceTime);

// The process-wide odds list; null until created.
extern TOddsList* _OddsList;
