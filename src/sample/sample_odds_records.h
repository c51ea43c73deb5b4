// Odds and vote-count records of the sample feed: O1-O6 and H1, H6.
//
// Each function returns one whole record of its kind's length, CR LF at
// the end, every other byte blank. What is written is what the race's
// TMarket holds: the market makes odds, votes and payouts agree, turning
// votes into odds with OddsFromVotes (sample_market.h), the program's own
// arithmetic.
//
// Entries. Every list holds the combinations of all the race's runners
// (scratched ones included) in ascending combination order, as the lists
// of real odds data do, and ends in blank slots:
// - a combination of running horses gets its odds from the market, "0000"
//   (no votes) when the market has none;
// - a combination that involves a horse scratched or excluded (abnormality
//   1-3) gets its odds field filled with '-' when one of its horses was
//   scratched (1, taken off before the sale) and '*' otherwise (2 or 3,
//   taken off after the sale), as real data marks them; the program reads
//   both as no odds. A bracket pair is marked so when a frame of it has no
//   running horse left, or, for a same-frame pair, fewer than two;
// - a bet type the market did not sell has sale flag "0" and no entries.
// Sale flags are "7" sold and "0" not sold, the values of real odds data.
#pragma once

#include <string>

#include "sample/sample_world.h"

namespace sample {

// O1-O6 (`kind` 1-6): the race's odds. `dataKind`: '1' intermediate, '2'
// previous-day final, '3' final, '4' and '5' settled. `announceTime` is the
// announcement time MMDDhhmm of intermediate odds, 0 otherwise. Odds come
// from race.market.odds (low ends) and oddsHigh (high ends of 複勝 and
// ワイド); an O1 record of data kind '1' takes its 単勝 odds from
// race.market.intermediateWin[announceTime] when the market has that time.
// O1 also holds the sale flags of 単勝, 複勝 and 枠連 and the place count.
// Throws std::invalid_argument for a kind outside 1-6.
std::string OddsRecord(int kind, const TRace& race, char dataKind, int announceTime, int created);

// H1: the votes of every bet type but ３連単 from race.market.pools (lists as
// above, 11-digit votes in place of odds, marked the same way), the pool
// totals and refunded votes of types 0-6, the place count, and the refund
// flags ("1" refunded, "0" not, for every horse number and frame of the
// race): a horse scratched or excluded (abnormality 1-3), a frame none of
// whose horses runs, and the same-frame pair of a frame that had two or
// more horses and has fewer than two running. `dataKind`: '2' previous-day
// final, '4' settled, '5' settled (Monday), as in real vote data.
std::string H1Record(const TRace& race, char dataKind, int created);

// H6: the ３連単 votes, pool and refunded votes, and the horses' refund flags.
std::string H6Record(const TRace& race, char dataKind, int created);

}  // namespace sample
