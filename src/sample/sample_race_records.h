// Race records of the sample feed: race details (RA), runners (SE),
// payouts (HR), special registrations (TK) and the schedule (YS).
//
// Each function returns one whole record: exactly its kind's length, CR LF
// at the end, every field the program reads put at its offset and every
// other byte blank. `created` is the creation date written into the head
// (YYYYMMDD).
#pragma once

#include <string>
#include <vector>

#include "sample/sample_world.h"

namespace sample {

// The data-kind character of a numeric data kind: 0-9 as the digit, 10 'A'
// (local racing), 11 'B' (overseas). TRace::dataKind is stored this way.
char DataKindChar(int dataKind);

// A time in tenths of a second as the records store it, MSST: minutes,
// seconds, tenths (834 tenths, 1:23.4, gives 1234).
int TimeMsst(int tenths);

// RA: the race's details. `dataKind`: '7' final results, '2' or '3' a race
// card, 'A' local, 'B' overseas. When the race is not settled, the fields
// only the running of the race decides stay blank: weather, going, starters,
// finishers, laps and the jump mile time (the program counts starters from
// the runners itself; weather and going come with the day's news).
std::string RaRecord(const TRace& race, char dataKind, int created);

// SE: one runner of the race. The horse's name, mark and sex come from the
// horse; trainer, owner and jockey names from the world's masters by the
// runner's codes (blank when a code is unknown). A runner scratched or
// excluded (abnormality 1-3) keeps its entry fields, its abnormality digit
// and its body weight when it was weighed (not 0), and no result. When the
// race is not settled every result field is blank, body weight included
// (it comes with the day's news); the abnormality digit is then written
// only for a scratch ("1"), else "0".
std::string SeRecord(const TWorld& world, const TRace& race, const TRunner& runner, char dataKind,
                     int created);

// HR: the payouts of race.market.payouts, data kind `dataKind` ('2' the
// settled payouts). Each bet type's list is written in the order the
// market holds it, cut to the list's capacity (win 3, place 5, bracket 3,
// quinella 3, quinella place 7, exacta 6, trio 3, trifecta 6); the slots
// after it stay blank, which ends the list for the reader. A bracket pair
// is written as two digits, one per frame ("18").
std::string HrRecord(const TRace& race, char dataKind, int created);

// TK: the special-registration horses of the race: the race fields and one
// entry slot per horse of `horseIndexes` (indexes into world.horses, in
// registration order, at most 300; the order number stands for the horse
// number). A horse that is also a runner of the race takes its weight
// carried from the runner, any other horse has it blank. `dataKind` is the
// stage of the registrations ('1', '2', ...).
std::string TkRecord(const TWorld& world, const TRace& race, const std::vector<int>& horseIndexes,
                     char dataKind, int created);

// YS: one race day of the schedule. The day key is that of the day's races
// (of `gradedRace` when given, else of the day's first race, else built
// from the day's date, racecourse, meeting and day as two-digit numbers).
// The first graded-race block is filled from `gradedRace` when it is not
// null; the program lists the day only when that race's special-race number
// is above 0. `dataKind`: the stage of the schedule ('1' ... '7').
std::string YsRecord(const TWorld& world, const TRaceDay& day, const TRace* gradedRace,
                     char dataKind, int created);

}  // namespace sample
