// Latest-news records of the sample feed: body weights (WH), weather and
// going (WE), scratches (AV), jockey changes (JC), post-time changes (TC),
// course changes (CC), and the mining-data record (DM).
//
// Each function returns one whole record of its kind's length, CR LF at the
// end, every other byte blank. The news records carry data kind '1' unless
// a parameter says otherwise. The program applies them only to race cards
// (WH, AV, JC to races of data kind 2-6, WE, TC, CC to data kind 2 only).
#pragma once

#include <string>
#include <string_view>

#include "sample/sample_world.h"

namespace sample {

// WH: the body weights of race.news.bodyWeights, one block per runner in
// the order given (at most 18).
std::string WhRecord(const TRace& race, int created);

// WE: a weather and going announcement for the race day of `dayKey` (the
// first 14 characters of any race key of the day are taken). `changeKind`:
// 1 weather and going, 2 weather only, 3 going only; codes as in the race.
std::string WeRecord(std::string_view dayKey, int announceTime, int changeKind, int weather,
                     int turfGoing, int dirtGoing, int created);

// AV: runner `horseNo` taken off the race; `kind` is the data kind, '1'
// scratched (取消), '2' excluded (除外).
std::string AvRecord(const TRace& race, int horseNo, char kind, int created);

// JC: a jockey change as the state after it: announcement time, horse
// number, weight carried, jockey code, the jockey's full name from the
// world's jockeys (blank when unknown) and the apprentice mark.
std::string JcRecord(const TWorld& world, const TRace& race,
                     const TRaceNews::TJockeyChange& change, int created);

// TC: the new post time of race.news.newStartTime (HHMM).
std::string TcRecord(const TRace& race, int created);

// CC: the new distance and track of race.news (a value the news leaves 0
// keeps the race's own).
std::string CcRecord(const TRace& race, int created);

// DM: mining data: the head and the race key only (the program stores it
// and reads nothing of it). `dataKind` as the feed wants it ('1' ...).
std::string DmRecord(const TRace& race, char dataKind, int created);

}  // namespace sample
