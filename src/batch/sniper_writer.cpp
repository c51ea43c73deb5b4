// The SNIPER CSV: a line per race with win bets, appended to FRC.DAT.
#include <string>

#include "app/settings_keys.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"

namespace {

constexpr int kOpenClass = 91;

// The class code SNIPER reads: open races by their grade, the maiden
// classes renumbered, money classes as stored.
int SniperClassCode(const TRace& race) {
  const int condition = race.Condition(4);
  if (condition == kOpenClass) {
    switch (race.Grade()) {
      case 4: return 993;
      case 5: return 992;
      case 6: return 991;
      default: return 999;
    }
  }
  switch (condition) {
    case 71: return 701;
    case 72: return 702;
    case 81: return 703;
    default: return condition;
  }
}

std::string SniperLine(const TRace& race) {
  std::string line = Format("%06d,%2d,%4d,%2d,%1d,%3d,%2d,%5.1f,%4.1f", race.DateNumber() % 1000000, race.GetVenue(),
                            race.Distance(), race.Registered(), race.SurfaceKind() - 1, SniperClassCode(race),
                            race.GetRaceNo(), 100.0, race.BetValueSum(kMainPairBet, 6) * 100);
  for (int n = 0; n < 3; ++n) {
    const TBetData bet = race.Bet(0, n);
    AppendFormat(line, ",%2d,%4.1f", bet.No[0], bet.Value * 100.0);
  }
  for (int n = 0; n < 6; ++n) {
    const TBetData bet = race.Bet(kMainPairBet, n);
    AppendFormat(line, ",%2d-%2d,%4.1f", bet.No[0], bet.No[1], bet.Value * 100.0);
  }
  return line + "\r\n";
}

}  // namespace

void WriteSniperCsv(const std::vector<TRace>& races) {
  std::string text;
  for (const TRace& race : races) {
    if (race.BetCount(0) > 0) text += SniperLine(race);
  }
  if (text.empty()) return;
  WriteOutputFile(OutputFolder(ini::kSniperPath) + "FRC.DAT", text, true);
}
