// The detailed text: one block per race with its conditions, a line per
// runner and, once the card is out, the leading pair and trio bets.
#include <algorithm>
#include <string>

#include "analysis/run_figure.h"
#include "analysis/score_race.h"
#include "analysis/surface_scale.h"
#include "app/number_text.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"
#include "database/race_texts.h"
#include "database/venue_table.h"

namespace {

constexpr int kLineWidth = 79;
constexpr int kPastRunColumns = 5;
constexpr int kFullField = 18;

// "<pace>" for an expected pace above 0, else empty.
std::string PaceText(double pace) { return pace > 0 ? Format("<%f>", pace) : std::string(); }

// Two columns for a past run: its figure, else where it was run or what
// went wrong in it.
std::string PastRunCell(THorseInfo55 run, double level) {
  const double figure = RunFigure(run, level);
  if (figure > 0) return Format("%2.0f", figure);
  if (run.Abnormality() != 0) return Format("%2s", run.AbnormalityText(2).c_str());
  const int venue = run.GetVenue();
  if (venue > 99) return SJ("外");
  if (venue >= 30) return SJ("地");
  return Format("%2s", VenueName(venue, 2).c_str());
}

std::string PastRunsText(const TRace& race, const THorse& horse, double level) {
  std::string text;
  const auto& runs = horse.PastRuns();
  for (int i = 0; i < kPastRunColumns; ++i) {
    if (i >= static_cast<int>(runs.size())) {
      text += "   ";
      continue;
    }
    const THorseInfo55& run = runs[static_cast<std::size_t>(i)];
    const std::string surface = run.SurfaceKind() == race.SurfaceKind() ? " " : run.TrackLetter(false);
    AppendFormat(text, "%1s", surface.c_str());
    text += PastRunCell(run, level);
  }
  return text;
}

std::string RunnerText(const TRace& race, const THorse& horse, double level) {
  std::string text =
      Format("%3s%1s%-18s%2s%2s%4s%-8s %2.0f%%", horse.MarkText().c_str(), horse.BlinkerText().c_str(),
             SjisCut(horse.HorseName(), 18).c_str(), horse.SexText().c_str(),
             TwoColumnNumber(horse.AgeIn(race.GetYear())).c_str(), horse.CarriedText().c_str(),
             SjisCut(horse.JockeyName(8), 8).c_str(), horse.WinProbability() * 100);
  const double odds = horse.WinOdds();
  text += odds > 0 ? Format("%5.1f", std::min(odds, 999.9)) : std::string(5, ' ');
  const double figure = HorseScore(horse, level);
  text += figure != 0 ? Format(" %2.0f", figure) : std::string(3, ' ');
  text += "(" + PastRunsText(race, horse, level);
  AppendFormat(text, ")%4s", RestIntervalText(horse.RestDays()).c_str());
  AppendFormat(text, "%5s", horse.Scratched() ? "" : horse.FigureGaugeText().c_str());
  return text;
}

// "連複   " and the like followed by the leading bets of a type, up to
// `limit`, stopping at the first empty one.
std::string BetSummary(const TRace& race, const std::string& caption, int type, int limit, bool trio) {
  std::string text = caption;
  for (int n = 0; n < limit; ++n) {
    const TBetData bet = race.Bet(type, n);
    if (bet.Combination() == 0) break;
    if (trio) {
      AppendFormat(text, "%12d-%2d-%2d(%4.1f)", bet.No[0], bet.No[1], bet.No[2], bet.Value * 100.0);
    } else {
      AppendFormat(text, "%3d-%2d(%4.1f)", bet.No[0], bet.No[1], bet.Value * 100.0);
    }
  }
  return Format("%-79s\r\n", text.c_str());
}

std::string DetailBlock(const TRace& race) {
  const std::string equals = Repeat('=', kLineWidth), dashes = Repeat('-', kLineWidth);
  const double level = LevelFigure(race);
  std::string text = Format("%-79s\r\n", equals.c_str());
  const std::string title = Format("%4s%2s%s %s", VenueName(race.GetVenue(), 4).c_str(),
                                   TwoColumnNumber(race.GetRaceNo()).c_str(), SJ("Ｒ").c_str(),
                                   race.RaceName().c_str());
  AppendFormat(text, "%-79s\r\n", title.c_str());
  const std::string conditions =
      Format("%-8s %-12s %-14s %-6s %-12s %4dm %4s [%02d:%02d]", race.AgeClassText().c_str(),
             race.SymbolText().c_str(), race.ClassConditionText(0).c_str(), race.WeightTypeText().c_str(),
             race.TrackText().c_str(), race.Distance(), PaceText(race.ExpectedPace()).c_str(),
             race.StartTime() / 100, race.StartTime() % 100);
  AppendFormat(text, "%79s\r\n", conditions.c_str());
  AppendFormat(text, "%s\r\n", dashes.c_str());
  for (const THorse& horse : race.Horses()) {
    AppendFormat(text, "%2s:%-76s\r\n", TwoColumnNumber(horse.HorseNo()).c_str(),
                 RunnerText(race, horse, level).c_str());
  }
  const bool card = race.DataKind() > 1;
  if (card) {
    AppendFormat(text, "%s\r\n", dashes.c_str());
    text += BetSummary(race, SJ("連複   "), kMainPairBet, 6, false);
    text += BetSummary(race, SJ("馬単   "), 5, 6, false);
    text += BetSummary(race, SJ("３連複 "), 6, 3, true);
  }
  AppendFormat(text, "%79s\r\n", equals.c_str());
  if (card) {
    text += "\r\n";
    for (int n = static_cast<int>(race.Horses().size()); n < kFullField; ++n) text += "\r\n";
  }
  return text;
}

}  // namespace

void WriteDetailText(const TRace& race, bool newFile) {
  const std::string path = Format("%sD%08d.TXT", OutputFolder(ini::kYosoPath).c_str(), race.DateNumber());
  WriteOutputFile(path, DetailBlock(race), !newFile);
}
