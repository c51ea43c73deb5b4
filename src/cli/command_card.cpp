// mizunara-cli card: one race card as the analysis sees it.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/run_figure.h"
#include "analysis/score_race.h"
#include "analysis/surface_scale.h"
#include "app/sjis.h"
#include "cli/command.h"
#include "cli/cli_text.h"
#include "database/horse_reader.h"
#include "database/race.h"
#include "database/race_cache.h"
#include "database/race_reader.h"
#include "database/race_texts.h"
#include "database/venue_table.h"

namespace {

const char* const kBetNames[kBetTypeCount] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単"};
// How many candidates of each type the card lists.
constexpr int kShown[kBetTypeCount] = {5, 5, 5, 8, 8, 8, 8, 10};

std::string Combination(const TBetData& bet) {
  const char* separator = bet.Type == 5 || bet.Type == 7 ? "→" : "-";
  std::string text = std::to_string(bet.No[0]);
  for (int i = 1; i < 3 && bet.No[static_cast<std::size_t>(i)] != 0; ++i) {
    text += Utf8ToSjis(separator) + std::to_string(bet.No[static_cast<std::size_t>(i)]);
  }
  return text;
}

}  // namespace

int RunCard(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].size() != 16) return UsageError("card takes one 16-character race key YYYYMMDDJJKKNNRR");
  TRaceID id;
  id.SetRaceKey(std::string_view(args[0]));
  TRace race(_CacheList != nullptr ? _CacheList->Race(id) : ReadRace(id));
  if (race.Year == 0) {
    std::fprintf(stderr, "mizunara-cli card: no race %s in the database\n", args[0].c_str());
    return 1;
  }
  race.SetHorses(RunnersAsHorses(race, true));
  ScoreRace(race);
  const double reference = LevelFigure(race);

  Put(race.RaceKey() + "  " + race.RaceName() + "  " + race.OddsTimeText() + "\n");
  Put(Format("%04d/%02d/%02d", race.Year, race.Month, race.Day) + "(" + race.WeekdayText() + ") " +
      VenueName(race.Venue, 8) + " " + std::to_string(race.RaceNo) + "R  " + race.GradeLongText() + " " +
      race.AgeClassText() + " " + race.ClassConditionText(0) + " " + race.WeightTypeText() + "  " + race.TrackText() +
      " " + std::to_string(race.Distance()) + "m  " + race.GoingText() +
      (race.ExpectedPace() > 0 ? Format("  pace %.4f", race.ExpectedPace()) : std::string()) + "\n\n");
  Put(SJ("印  番 馬名                 性齢 斤量   騎手       単勝   単勝率  ＳＰ 間隔 脚質  近走ＳＰ          着") + "\n");
  for (THorse& h : race.MutableHorses()) {
    std::string past;
    int shown = 0;
    // The figures are those the scoring computed and kept in the runs.
    for (THorseInfo55& run : h.MutablePastRuns()) {
      if (shown++ == 5) break;
      const double figure = RunFigure(run, reference);
      past += figure > 0 ? Format(" %3.0f", figure) : std::string("   -");
    }
    const double odds = h.WinOdds();
    const double score = HorseScore(h, reference);
    const int position = h.Position();
    Put(h.MarkText() + Format(" %2d ", h.HorseNo()) + Column(h.HorseName(), 20) + " " + h.SexText() +
        std::to_string(h.Age()) + " " + Format("%5s", h.CarriedText().c_str()) + "  " + Column(h.JockeyName(0), 10) +
        (odds > 0 ? Format(" %6.1f", std::min(odds, 9999.9)) : std::string("       ")) +
        Format("  %5.1f%%", h.WinProbability() * 100) + (score > 0 ? Format("  %3.0f", score) : std::string("    ")) +
        " " + Column(RestIntervalText(h.RestDays()), 4) + " " + Column(h.FigureGaugeText(), 5) + " " +
        Column(past, 20) + (position > 0 ? Format(" %2d", position) : std::string()) + "\n");
  }
  for (int type = 0; type < kBetTypeCount; ++type) {
    const int count = std::min(race.BetCount(type), kShown[type]);
    if (count == 0) continue;
    Put("\n" + Utf8ToSjis(kBetNames[type]) + SJ("      確率    オッズ  期待値  払戻") + "\n");
    for (int n = 0; n < count; ++n) {
      const TBetData bet = race.Bet(type, n);
      const double odds = race.BetOdds(type, n);
      std::string line = "  " + Column(Combination(bet), 10) + Format(" %5.1f%%", bet.Value * 100.0);
      line += odds > 0 ? Format("  %7.1f  %6.2f", odds, odds * bet.Value) : std::string("        -       -");
      if (bet.Payout > 0) line += Format("  %d", bet.Payout);
      Put(line + "\n");
    }
  }
  return 0;
}
