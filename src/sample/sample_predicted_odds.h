// Predicted odds of the sample world as the two outside predictors deliver
// them: KOL records (the "kol_ods.kd2" file of a KOL archive) and the
// FKEIBADO log text.
//
// A predictor's odds are the race's market odds, each moved by up to ±15%
// as a forecast would miss them; for a race card without market odds they
// are worked out from its latest intermediate win odds. The same race,
// source and time always give the same odds.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sample/sample_world.h"

namespace sample {

// Odds × 10; 0 where there is none (no such horse, a scratched horse, a
// frame pair that cannot come up).
struct TPredictedOdds {
  std::array<int, 19> win{};                       // by horse number 1-18
  std::array<std::array<int, 9>, 9> bracket{};     // [f][g], frames 1 <= f <= g <= 8
  std::array<std::array<int, 19>, 19> quinella{};  // [a][b], horses 1 <= a < b <= 18
};

// The odds `source` ("KOL", "FKEIBADO") predicts for `race` at hhmm.
TPredictedOdds PredictOdds(const TRace& race, std::string_view source, int announceHHMM);

// The KOL racecourse number of a two-character racecourse code, -1 when the
// KOL table has none.
int KolVenueIndex(std::string_view venueCode);

// One KOL record of 1504 bytes, its last two bytes CR LF; "" when the
// racecourse has no KOL number. `recordDate` (YYYYMMDD) decides which of two
// records of a race the import keeps.
std::string KolRecord(const TRace& race, int announceHHMM, int recordDate);

// The FKEIBADO log of the given races (JRA races with runners; others are
// left out): one block per race in the given order, CP932 lines ending in
// CR LF, every block stamped with the prediction time hhmm.
std::string FkeibadoLog(const std::vector<const TRace*>& races, int announceHHMM = 900);

}  // namespace sample
