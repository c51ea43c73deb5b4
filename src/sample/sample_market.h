// The betting market of a race: the public's view of the runners, the
// votes of all eight bet types, their odds and, once the race is run, the
// payouts. Odds are made from the votes with the very arithmetic the
// program uses to turn vote counts into odds, so odds, votes and payouts
// agree.
#pragma once

#include <cstdint>
#include <vector>

#include "sample/sample_random.h"
#include "sample/sample_world.h"

namespace sample {

// The program's odds from votes (database/odds_data.h), held to 1.0-9999999.9
// as odds × 10; 0 when there are no votes.
// A single-result bet type (0, 2, 3, 5, 6, 7); `pool` is total less refunded.
int OddsFromVotes(int betType, std::int64_t votes, std::int64_t pool, int year);

// A place bet on a horse with `votes` of a place pool `pool` when the other
// placed horses have `others` votes (one or two entries).
int PlaceOdds(std::int64_t votes, std::int64_t pool, const std::vector<std::int64_t>& others, int year);

// A quinella-place pair with `votes` when the other two pairs of the three
// placed horses have `va` and `vb` votes.
int WideOdds(std::int64_t votes, std::int64_t pool, std::int64_t va, std::int64_t vb);

// Builds the pools and odds of every bet type from the public's win
// probabilities of the runners (by index into race.runners; 0 for a runner
// that does not start). `poolSize` is the number of win votes.
void BuildMarket(TRace& race, const std::vector<double>& publicWin, double poolSize, TRandom& random);

// Drops the pools and odds maps of a race's market (see TRace), and brings
// them back exactly as they were.
void CompactMarket(TRace& race);
void RestoreMarket(TRace& race);

// Sets the payouts of a run race from its market and its result; the
// runners' final odds and popularity are set by BuildMarket.
void SettleMarket(TRace& race);

}  // namespace sample
