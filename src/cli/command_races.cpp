// mizunara-cli races and race: the race lists and one race of the database.
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>

#include "app/number_text.h"
#include "app/sjis.h"
#include "cli/command.h"
#include "cli/cli_text.h"
#include "database/key_listing.h"
#include "database/race_list_row.h"
#include "database/race_cache.h"
#include "database/race_reader.h"
#include "database/result_info.h"
#include "database/venue_table.h"

namespace {

bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < -1000000000L || v > 1000000000L) return false;
  value = static_cast<int>(v);
  return true;
}

// "m:ss.s" of a time in tenths.
std::string TimeText(int tenths) {
  if (tenths <= 0) return "";
  return Format("%d:%02d.%d", tenths / 600, (tenths / 10) % 60, tenths % 10);
}

const char* const kBetNames[8] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単"};

}  // namespace

int RunRaces(const std::vector<std::string>& args) {
  int kind = 0, region = 1, key = 0;
  bool haveKind = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i + 1 >= args.size()) return UsageError("races: " + args[i] + " needs a value (try races --help)");
    const std::string& value = args[++i];
    int n = 0;
    if (!ParseInt(value, n)) return UsageError("races: " + args[i - 1] + " takes a number, not \"" + value + "\"");
    if (args[i - 1] == "--kind") {
      kind = n;
      haveKind = true;
    } else if (args[i - 1] == "--region") {
      region = n;
    } else if (args[i - 1] == "--key") {
      key = n;
    } else {
      return UsageError("races: unknown option " + args[i - 1] + " (try races --help)");
    }
  }
  if (!haveKind) return UsageError("races needs --kind (try races --help)");
  if (kind / 10 < 1 || kind / 10 > 4 || kind % 10 < 1 || kind % 10 > 6) {
    return UsageError("races: --kind takes a two-digit kind: source 1-4, level 1-6 (e.g. 25, 15, 23, 45)");
  }
  std::vector<TKeyInfo> keys = ListKeys(kind, region);
  if (key == 0) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      Put(Format("%4zu  ", i + 1) + keys[i].Label(true) + "\n");
    }
    if (keys.empty()) std::fprintf(stderr, "no keys of kind %d in the database\n", kind);
    return 0;
  }
  if (key < 1 || key > static_cast<int>(keys.size())) {
    std::fprintf(stderr, "mizunara-cli races: no key %d (there are %zu; list them without --key)\n", key, keys.size());
    return 1;
  }
  const TKeyInfo& node = keys[static_cast<std::size_t>(key - 1)];
  Put(node.Label(true) + "\n");
  std::string header;
  for (const std::string& caption : RaceListCaptions()) header += caption + "  ";
  Put(header + "\n");
  for (const TRace& race : RacesOfKey(node)) {
    std::string line;
    for (const std::string& column : RaceListRow(race)) line += column + "  ";
    Put(line + "\n");
  }
  return 0;
}

int RunRace(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].size() != 16) return UsageError("race takes one 16-character race key YYYYMMDDJJKKNNRR");
  TRaceID id;
  id.SetRaceKey(std::string_view(args[0]));
  // Through the race cache, which applies the day's latest news.
  TResult race = _CacheList != nullptr ? TResult(_CacheList->Race(id)) : ReadRace(id);
  if (race.Year == 0) {
    std::fprintf(stderr, "mizunara-cli race: no race %s in the database\n", args[0].c_str());
    return 1;
  }
  Put(race.RaceKey() + "  " + race.RaceName() + "\n");
  Put(Format("%04d/%02d/%02d", race.Year, race.Month, race.Day) + "(" + race.WeekdayText() + ") " +
      VenueName(race.Venue, 8) + " " + std::to_string(race.Meeting) + SJ("回") + std::to_string(race.MeetingDay) +
      SJ("日") + " " + std::to_string(race.RaceNo) + "R  " + race.GradeLongText() + " " + race.AgeClassText() +
      " " + race.ClassConditionText(0) + " " + race.SymbolText() + " " + race.WeightTypeText() + "\n");
  Put(race.TrackText() + " " + std::to_string(race.Distance()) + "m  " + race.WeatherText() + " " + race.GoingText() +
      Format("  %02d:%02d", race.StartTime() / 100, race.StartTime() % 100) +
      Format("  registered %d, started %d, finished %d", race.Registered(), race.Starters(), race.Finishers()) + "\n");
  Put(SJ(" 着 枠 馬番 馬名                 性齢 斤量   騎手         調教師       馬体重 タイム   着差   通過         上り  単勝  人気") +
      "\n");
  std::vector<TResultInfo> runners = race.Runners();
  std::stable_sort(runners.begin(), runners.end(), HorseNumberLess);
  for (const TResultInfo& r : runners) {
    std::string position = r.Position() > 0 ? Format("%3d", r.Position()) : Format("%3s", r.AbnormalityText(4).c_str());
    std::string corners;
    for (int c = 0; c < 4; ++c) {
      if (r.Corner(c) > 0) corners += (corners.empty() ? "" : "-") + std::to_string(r.Corner(c));
    }
    std::string last = r.LastFurlongs(0) > 0 ? Format("%d.%d", r.LastFurlongs(0) / 10, r.LastFurlongs(0) % 10) : "";
    std::string odds = r.Odds() > 0 ? Format("%d.%d", r.Odds() / 10, r.Odds() % 10) : "";
    Put(position + Format(" %2d %4d ", r.Frame(), r.HorseNo()) + Format("%-20s", r.HorseName().c_str()) + " " +
        r.SexText() + std::to_string(r.Age()) + " " + Format("%5s", r.CarriedText().c_str()) + "  " +
        Format("%-12s", r.JockeyName(0).c_str()) + " " + Format("%-12s", r.TrainerName(0).c_str()) + " " +
        Format("%5d", r.BodyWeight()) + "  " + Format("%-7s", TimeText(r.Time()).c_str()) + " " +
        Format("%-6s", r.MarginText().c_str()) + " " + Format("%-12s", corners.c_str()) + " " +
        Format("%5s", last.c_str()) + " " + Format("%5s", odds.c_str()) + " " + Format("%4d", r.Popularity()) + "\n");
  }
  if (!race.Payouts().empty()) {
    Put(SJ("払戻") + "\n");
    for (const TPayData& pay : race.Payouts()) {
      std::string numbers;
      for (int i = 0; i < 3; ++i) {
        if (pay.No[static_cast<std::size_t>(i)] == 0) continue;
        if (!numbers.empty()) numbers += pay.Type == 5 || pay.Type == 7 ? "→" : "-";
        numbers += std::to_string(pay.No[static_cast<std::size_t>(i)]);
      }
      Put(Utf8ToSjis(std::string("  ") + kBetNames[pay.Type & 7] + " ") + Utf8ToSjis(numbers) +
          Format("  %d", pay.Payout) + SJ("円") + "\n");
    }
  }
  return 0;
}
