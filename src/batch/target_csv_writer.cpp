// The TARGET purchase CSV: the bets of every race worth buying at their
// odds, with stakes from the budget.
#include <algorithm>
#include <string>

#include "app/front_end.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "batch/target_csv.h"
#include "database/race.h"

namespace {

constexpr double kMinimumOdds = 3.0;

std::string CombinationFields(int type, int combination) {
  if (type <= 1) return Format(",%d,,", combination);
  if (type <= 5) return Format(",%d,%d,", combination / 100, combination % 100);
  return Format(",%d,%d,%d", combination / 10000, combination / 100 % 100, combination % 100);
}

}  // namespace

int TargetUnit(int maxMoney) { return std::max(maxMoney / 40000, 10); }

int TargetStake(double value, double odds, int unit) {
  if (odds < kMinimumOdds || odds * value < 1.0) return 0;
  const int stake = std::max(static_cast<int>(value * unit), 1);
  return unit > odds * stake ? 0 : stake;
}

bool AppendTargetCsv(const std::vector<TRace>& races, int maxMoney, const TTargetOdds& odds, std::string& text) {
  const int unit = TargetUnit(maxMoney);
  for (const TRace& race : races) {
    for (int type = 0; type < kBetTypeCount; ++type) {
      if (race.Bet(type, 0).Combination() == 0 || odds.firstBetOdds(race, type) < 0) continue;
      for (int n = 0; n < race.BetCount(type); ++n) {
        const TBetData bet = race.Bet(type, n);
        const double betOdds = odds.betOdds(race, type, n);
        if (betOdds == 0) return false;
        const int stake = TargetStake(bet.Value, betOdds, unit);
        if (stake == 0) break;
        AppendFormat(text, "%d%08d,,%d", race.DateNumber(), race.RaceCode(), type);
        text += CombinationFields(type, bet.Combination());
        AppendFormat(text, ",%d,,,,\r\n", stake * 100);
      }
    }
  }
  return true;
}

bool WriteTargetCsv(const std::vector<TRace>& races, int maxMoney) {
  const TTargetOdds odds{
      [](const TRace& race, int type) { return race.FirstBetOdds(type); },
      [](const TRace& race, int type, int n) { return race.BetOdds(type, n); },
  };
  std::string text;
  const bool complete = AppendTargetCsv(races, maxMoney, odds, text);
  const std::string path =
      OutputFolder(ini::kTfCsvPath) + ReadString(ini::kOutPut, ini::kTfCsvName, "");
  if (!WriteOutputFile(path, text, false)) return true;
  if (!complete) FrontEnd().ShowError(SJ("オッズ不定"));
  return complete;
}
