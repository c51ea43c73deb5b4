// The OVERS text: the candidate bets of every race by bet type.
#include <algorithm>
#include <array>
#include <string>

#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"
#include "database/venue_table.h"

namespace {

constexpr std::array<int, kBetTypeCount> kOversLimit{6, 6, 12, 24, 24, 48, 48, 96};
constexpr char kOversCode[] = "B108";

const std::string& OversTypeName(int type) {
  static const std::array<const std::string*, kBetTypeCount> kNames{
      &SJ("単勝"), &SJ("複勝"), &SJ("枠連複"), &SJ("馬連複"), &SJ("ワイド"), &SJ("馬単"), &SJ("三連複"), &SJ("三連単")};
  return *kNames[static_cast<std::size_t>(type)];
}

// The bets of a type to list: up to the type's limit, stopping at the
// first empty one.
int ListedBets(const TRace& race, int type) {
  const int limit = std::min(race.BetCount(type), kOversLimit[static_cast<std::size_t>(type)]);
  int n = 0;
  while (n < limit && race.Bet(type, n).Combination() != 0) ++n;
  return n;
}

std::string BetText(int type, const TBetData& bet) {
  std::string text;
  if (type <= 1) {
    text = Format("%6d", bet.No[0]);
  } else if (type <= 5) {
    text = Format("%3d-%2d", bet.No[0], bet.No[1]);
  } else {
    text = Format("%11d-%2d-%2d", bet.No[0], bet.No[1], bet.No[2]);
  }
  AppendFormat(text, "(%3.0f)", bet.Value * 1000.0);
  return text;
}

std::string RaceBlock(const TRace& race) {
  std::array<int, kBetTypeCount> counts{};
  bool any = false;
  for (int type = 0; type < kBetTypeCount; ++type) {
    counts[static_cast<std::size_t>(type)] = ListedBets(race, type);
    any = any || counts[static_cast<std::size_t>(type)] > 0;
  }
  if (!any) return std::string();
  std::string text = Format("%4s---%2d%s-%8d-[%4s]%s(%02d:%02d)\r\n", VenueName(race.GetVenue(), 4).c_str(),
                            race.GetRaceNo(), SJ("Ｒ").c_str(), race.DateNumber(), kOversCode,
                            Repeat('-', 38).c_str(), race.StartTime() / 100, race.StartTime() % 100);
  for (int type = 0; type < kBetTypeCount; ++type) {
    const int count = counts[static_cast<std::size_t>(type)];
    const int perLine = type >= 6 ? 3 : 6;
    for (int n = 0; n < count; n += perLine) {
      std::string line = Format("%-6s", OversTypeName(type).c_str());
      for (int k = n; k < std::min(count, n + perLine); ++k) line += BetText(type, race.Bet(type, k));
      text += line + "\r\n";
    }
  }
  return text;
}

}  // namespace

void WriteOversText(const std::vector<TRace>& races) {
  if (races.empty()) return;
  std::string text;
  for (const TRace& race : races) text += RaceBlock(race);
  text += Repeat('-', 72) + "\r\n";
  const std::string path =
      Format("%sO%08d.TXT", OutputFolder(ini::kOversPath).c_str(), races.front().DateNumber());
  WriteOutputFile(path, text, false);
}
