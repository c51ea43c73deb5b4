// Horses read from the database: one horse by its registration number, and
// the runners of a race as horses with their past runs.
#pragma once

#include <vector>

#include "database/horse.h"
#include "database/result.h"

// The horse of a 10-digit registration number, found through the race
// cache's horse index (UM/<birth year>.IDX) or, failing that, its foal
// index (SK/<birth year>.IDX); with `withMaster` built from its master
// record (UM or SK, read by seeking to its row), otherwise holding only
// its number. Its past runs are listed (unprepared) from the runs-by-horse
// index. A horse that neither index knows gives an empty horse. The race
// part is empty. A master file whose length is not a whole number of
// records is reported and not used.
THorse ReadHorse(int horseID, bool withMaster);

// The runs of a horse in SE/<birth year>.IDX, read from row `runsRow` (a
// row below 0 counts as 0) while the rows' horse numbers are not above the
// horse's own: each run holds its race key and the horse's number only.
std::vector<THorseInfo55> ReadPastRuns(int horseID, int runsRow);

// The runners of a race as horses, in the race's runner order: each horse
// read by its registration number (with its master record when asked),
// carrying the race (sharing its data block) and its runner entry, with its
// past runs prepared up to the race's date, or all of them when `allRuns`.
std::vector<THorse> RunnersAsHorses(const TResult& race, bool withMaster, bool allRuns = false);
