// The TARGET external index: a line per race with a value and the rank of
// every runner.
#include <cstdlib>
#include <string>

#include "analysis/score_race.h"
#include "analysis/surface_scale.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"

namespace {

constexpr int kIndexProbability = 0;
constexpr int kIndexSpeedFigure = 1;

std::string IndexLine(const TRace& race, int indexType) {
  std::string line = Format("%08d%08d", race.DateNumber(), race.RaceCode());
  const double level = indexType == kIndexSpeedFigure ? LevelFigure(race) : 0;
  for (const THorse& horse : race.Horses()) {
    if (indexType == kIndexProbability) {
      AppendFormat(line, ",%.2f", horse.WinProbability() * 100);
    } else if (indexType == kIndexSpeedFigure) {
      AppendFormat(line, ",%.2f", HorseScore(horse, level));
    }
    AppendFormat(line, ",%d", std::abs(horse.Mark()));
  }
  return line + "\r\n";
}

}  // namespace

void WriteTargetIndex(const std::vector<TRace>& races) {
  if (races.empty()) return;
  const int indexType = ReadInteger(ini::kOutPut, ini::kTfExtType, 0);
  std::string text;
  for (const TRace& race : races) text += IndexLine(race, indexType);
  const std::string path =
      Format("%sTE%08d.CSV", OutputFolder(ini::kTfExtPath).c_str(), races.front().DateNumber());
  WriteOutputFile(path, text, false);
}
