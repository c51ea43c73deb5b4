// Races and horses for the scoring tests and the scoring benchmark, built
// in memory from records written by the sample world's writers.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "database/horse.h"
#include "database/race.h"
#include "database/result.h"

namespace scoring {

struct TRunnerSpec {
  int horseNo = 0;
  int frame = 0;         // 0: the horse number
  int horseID = 0;       // 10 digits, the birth year first
  int carried = 570;     // tenths of a kilogram
  int bodyWeight = 0;    // kilograms
  int abnormality = 0;   // stored code: 1 scratched, 4 did not finish
  int arrival = 0;
  int time = 0;          // tenths of a second
  std::array<int, 4> corners{};
  int popularity = 0;
  int timeDiff = 0;      // tenths
  int trainer = 0;
  int jockey = 0;
};

struct TPaySpec {
  int type = 0;
  int combination = 0;   // as TPayData::Combination
  int yen = 0;
};

struct TRaceSpec {
  int date = 20050605;
  int venue = 5;            // Tokyo
  int meeting = 3;
  int meetingDay = 4;
  int raceNo = 11;
  int trackCode = 17;       // record track code: 17 turf, 23 dirt, 51 jumps, 0 none
  int distance = 1600;
  char dataKind = '7';      // '7' results, '2' a race card
  char grade = ' ';
  std::string symbol = "000";
  int registered = 0;       // 0: the number of runners
  int starters = 0;         // 0: counted from the runners
  int turfGoing = 1;
  int dirtGoing = 1;
  std::vector<int> laps;    // 200 m sections, tenths
  std::vector<TRunnerSpec> runners;
  std::vector<TPaySpec> payouts;
};

// The race so described, with its runners and payouts.
TResult MakeRace(const TRaceSpec& spec);

// The 21-byte base-time record of the race's cell with a base time in
// tenths (written to DATA/BASETIME.DAT by the caller).
std::string BaseTimeRecord(const TResult& race, double tenths);

// Runner i of the race as a horse of the race, without past runs.
THorse HorseOf(const TResult& race, int i);
// Adds the horse's run in `past` after its past runs so far (they are kept
// newest first), with `interval` days since the horse's run before it.
void AddPastRun(THorse& horse, const TResult& past, int interval = 0);

// The race card of a race with the horses.
TRace CardOf(const TResult& race, std::vector<THorse> horses);

}  // namespace scoring
