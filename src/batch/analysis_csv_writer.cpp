// The analysis CSV: the ranked bets of every race and bet type with their
// probabilities and payouts, appended to ANA.CSV for the analysis view.
#include <array>
#include <string>

#include "app/program_folder.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"

namespace {

constexpr std::array<int, kBetTypeCount> kAnalysisLimit{18, 18, 36, 36, 36, 36, 36, 72};

std::string AnalysisLine(const TRace& race, int type) {
  std::string line = Format("%8d,%08d,%d", race.DateNumber(), race.RaceCode(), type + 1);
  const int limit = kAnalysisLimit[static_cast<std::size_t>(type)];
  for (int n = 0; n < limit; ++n) {
    const TBetData bet = race.Bet(type, n);
    if (bet.Combination() == 0) break;
    AppendFormat(line, ",%d,%d,%d,%f,%d", bet.No[0], bet.No[1], bet.No[2], static_cast<double>(bet.Value),
                 bet.Payout);
  }
  return line + "\r\n";
}

}  // namespace

void WriteAnalysisCsv(const std::vector<TRace>& races) {
  std::string text;
  for (const TRace& race : races) {
    for (int type = 0; type < kBetTypeCount; ++type) {
      if (race.Bet(type, 0).Payout >= 0) text += AnalysisLine(race, type);
    }
  }
  if (text.empty()) return;
  WriteOutputFile(ProgramFolder() + "ANA.CSV", text, true);
}
