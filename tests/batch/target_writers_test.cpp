// The TARGET files: the external index by its type, and the purchase CSV's
// units, stakes and stops.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "analysis/surface_scale.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/prediction_writers.h"
#include "batch/target_csv.h"
#include "database/jv_records.h"
#include "prediction_fixture.h"
#include "sample/sample_record.h"

using namespace writers;

namespace {

class TargetIndexTest : public WritersTest {};

TEST_F(TargetIndexTest, ProbabilityOrSpeedFigureThenTheRank) {
  WriteString(ini::kOutPut, ini::kTfExtPath, home_.path() + "target/");
  const TResult race = RaRace({});
  TRace card = Card(race, {{.horseNo = 1, .name = "A", .mark = 2, .probability = 0.253},
                           {.horseNo = 2, .name = "B", .mark = 1, .probability = 0.5},
                           {.horseNo = 3, .name = "C", .mark = -3, .probability = 0}});
  card.MutableHorses()[1].SetScore(LevelFigure(card) + 20 / 700.0);
  const struct {
    int type;
    const char* line;
  } cases[] = {
      {0, "2005060505030411,25.30,2,50.00,1,0.00,3\r\n"},
      {1, "2005060505030411,0.00,2,70.00,1,0.00,3\r\n"},
      {2, "2005060505030411,2,1,3\r\n"},
  };
  for (const auto& c : cases) {
    WriteInteger(ini::kOutPut, ini::kTfExtType, c.type);
    WriteTargetIndex({card});
    EXPECT_EQ(ReadBytes(home_.path() + "target/TE20050605.CSV"), c.line) << "type " << c.type;
  }
}

TEST(TargetCsvStakes, UnitsAndStakes) {
  EXPECT_EQ(TargetUnit(0), 10);
  EXPECT_EQ(TargetUnit(439999), 10);
  EXPECT_EQ(TargetUnit(800000), 20);
  const struct {
    double value, odds;
    int unit, stake;
  } cases[] = {
      {0.25, 5.0, 10, 2},   // 2.5 units, 5.0 × 2 reaches the unit
      {0.25, 4.0, 10, 0},   // 4.0 × 2 falls short of the unit
      {0.5, 2.9, 10, 0},    // odds below 3.0
      {0.1, 9.0, 10, 0},    // odds × value below 1
      {0.05, 25.0, 10, 1},  // half a unit: at least one
      {0.3, 3.5, 10, 3},
      {0.29, 3.5, 10, 0},   // 2 × 3.5 below the unit
      {0.25, 5.0, 20, 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TargetStake(c.value, c.odds, c.unit), c.stake) << c.value << " at " << c.odds << ", unit " << c.unit;
  }
}

// Odds by bet type and combination; a type that is not listed has none.
TTargetOdds OddsOf(std::map<int, std::map<int, double>> table) {
  return {
      [table](const TRace& race, int type) {
        const auto it = table.find(type);
        if (it == table.end()) return -1.0;
        const auto odds = it->second.find(race.Bet(type, 0).Combination());
        return odds == it->second.end() ? 0.0 : odds->second;
      },
      [table](const TRace& race, int type, int n) {
        const auto it = table.find(type);
        const auto odds = it->second.find(race.Bet(type, n).Combination());
        return odds == it->second.end() ? 0.0 : odds->second;
      },
  };
}

TEST(TargetCsvLines, EachTypeStopsAtItsFirstBetNotWorthBuying) {
  TRace race = RaCard({});
  race.AddBet(0, 0.25, 1);
  race.AddBet(0, 0.25, 2);  // 4.0: ends the win bets
  race.AddBet(0, 0.25, 3);
  race.AddBet(1, 0.9, 4);   // no odds of the type: left out
  race.AddBet(3, 0.5, 1, 2);
  race.AddBet(3, 0.4, 1, 3);  // 2.9: ends the pairs though the next pays more
  race.AddBet(3, 0.3, 2, 3);
  race.AddBet(6, 0.06, 1, 2, 3);
  std::string text;
  const bool complete = AppendTargetCsv(
      {race}, 0, OddsOf({{0, {{1, 5.0}, {2, 4.0}, {3, 9.0}}}, {3, {{102, 4.0}, {103, 2.9}, {203, 50.0}}},
                         {6, {{10203, 20.0}}}}),
      text);
  EXPECT_TRUE(complete);
  EXPECT_EQ(text,
            "2005060505030411,,0,1,,,200,,,,\r\n"
            "2005060505030411,,3,1,2,,500,,,,\r\n"
            "2005060505030411,,6,1,2,3,100,,,,\r\n");
}

// An O1 record of the race with 単勝 odds × 10 of horse 1 only.
std::string O1(const std::string& key, int win) {
  namespace o1 = jv::o1;
  sample::TRecordWriter w("O1", o1::kLength, '1', 20050604);
  w.RaceKey(key);
  w.Number(o1::kAnnounceTime, 6041030);
  w.Raw(o1::kSaleWin, "7");
  w.Number(sample::Block(o1::kWinOddsStart, o1::kWinOddsStride, 0, o1::kWinHorseNo), 1);
  w.Number(sample::Block(o1::kWinOddsStart, o1::kWinOddsStride, 0, o1::kWinOdds), win);
  return w.bytes();
}

class TargetCsvTest : public WritersTest {};

TEST_F(TargetCsvTest, ABetWithoutOddsStopsWithTheLinesBeforeKept) {
  WriteString(ini::kOutPut, ini::kTfCsvPath, home_.path() + "tf/");
  WriteString(ini::kOutPut, ini::kTfCsvName, "buy.csv");
  home_.WriteFile("DATA/O1/20050503.DAT", O1("2005060505030411", 50));
  TRace race = RaCard({});
  race.AddBet(0, 0.25, 1);
  race.AddBet(0, 0.4, 2);
  race.AddBet(3, 0.5, 1, 2);
  TRace next = RaCard({.key = "2005060505030412"});
  next.AddBet(0, 0.25, 1);

  EXPECT_FALSE(WriteTargetCsv({race, next}, 0));
  EXPECT_EQ(ReadBytes(home_.path() + "tf/buy.csv"), "2005060505030411,,0,1,,,200,,,,\r\n");
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front_.Errors()[0]), "オッズ不定");
}

TEST_F(TargetCsvTest, RacesWithoutOddsWriteAnEmptyFile) {
  WriteString(ini::kOutPut, ini::kTfCsvPath, home_.path() + "tf/");
  WriteString(ini::kOutPut, ini::kTfCsvName, "buy.csv");
  home_.WriteFile("tf/buy.csv", "old\r\n");
  TRace race = RaCard({});
  race.AddBet(0, 0.25, 1);
  EXPECT_TRUE(WriteTargetCsv({race}, 0));
  EXPECT_EQ(ReadBytes(home_.path() + "tf/buy.csv"), "");
  EXPECT_TRUE(front_.messages.empty());
}

}  // namespace
