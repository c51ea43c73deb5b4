// Races read from the database: the meetings of the record files and the
// races under a node of the race-list tree.
#pragma once

#include <vector>

#include "database/key_info.h"
#include "database/race.h"
#include "database/result.h"

// Every race of a race's meeting file (RA), in key order, with its runners
// (SE) and, when asked, its payouts (HR); each race completed once its
// runners are in. A missing race file gives nothing; a missing runner or
// payout file gives races without them.
std::vector<TResult> LoadMeeting(const TRaceID& race, bool withPayouts);

// The races under a node of the race-list tree: special registrations (TK)
// for source 1, the races of the race index (read through their meetings)
// for sources 2 and 3, the graded race days of the schedule for source 4.
std::vector<TRace> RacesOfKey(const TKeyInfo& key);

// One race of the database by its key, with runners and payouts; an empty
// race (Year 0) when there is none.
TResult ReadRace(const TRaceID& race);
