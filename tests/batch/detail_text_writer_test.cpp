// The detailed text: a race card block with its runners, bet summary and
// the empty lines that give every block of a day the same height; a result
// block with past runs; appending the races of a group to one file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/surface_scale.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/prediction_writers.h"
#include "prediction_fixture.h"

using namespace writers;

namespace {

const std::string kEquals(79, '=');
const std::string kDashes(79, '-');
// The runner text of a horse named ミズナラ with no mark, probability,
// odds, figure, past runs or position values.
const std::string kPlainRunner = "    ミズナラ          牡４  57          0%        (               )         ";

class DetailTextTest : public WritersTest {
 protected:
  void SetUp() override {
    WritersTest::SetUp();
    WriteString(ini::kOutPut, ini::kYosoPath, home_.path() + "yoso/");
  }
  std::string File(int date) const { return ReadBytes(home_.path() + "yoso/D" + std::to_string(date) + ".TXT"); }
};

// The Tokyo turf mile of 5 June 2005, race 11, a race card of twelve: the
// first horse marked, in blinkers, with a name longer than its column that
// cannot be cut at byte 18, a jockey, odds and position values; the second
// scratched, outsider, with odds beyond the cap.
TRace TwelveRunnerCard() {
  scoring::TRaceSpec spec;
  spec.dataKind = '2';
  spec.symbol = "001";
  TResult race = scoring::MakeRace(spec);
  std::vector<THorseSpec> runners;
  runners.push_back({.horseNo = 1, .name = "Aミズナラノキセキダヨネ", .blinker = true, .jockey = "武豊",
                     .odds = 34, .mark = 1, .probability = 0.253, .early = 0.9, .late = 0});
  runners.push_back({.horseNo = 2, .name = "ミズナラ", .sex = 2, .carried = 545, .odds = 12345,
                     .abnormality = '1', .mark = -3, .probability = 0.004, .early = 0, .late = 0});
  for (int no = 3; no <= 12; ++no) runners.push_back({.horseNo = no, .name = "ミズナラ"});
  TRace card = Card(race, runners);
  card.SetExpectedPace(1.25);
  card.AddBet(kMainPairBet, 0.123, 1, 2);
  card.AddBet(kMainPairBet, 0.05, 1, 12);
  card.AddBet(5, 0.05, 2, 1);
  card.AddBet(6, 0.021, 1, 2, 3);
  card.AddBet(6, 0.0049, 1, 2, 12);
  return card;
}

TEST_F(DetailTextTest, ARaceCardOfTwelveEndsWithOnePlusSixEmptyLines) {
  WriteDetailText(TwelveRunnerCard(), true);
  std::vector<std::string> lines = {
      kEquals,
      "東京11Ｒ                                                                       ",
      // Kind, symbol, class, weight rule, course: longer than the line with
      // the pace, so not right-aligned.
      "３歳以上 (指定)       " + std::string(14, ' ') + " " + std::string(6, ' ') + " 芝           1600m <1.250000> [15:40]",
      kDashes,
      "１:◎1BAミズナラノキセキ 牡４  57武豊     25%  3.4   (               )    <----",
      "２:‥  ミズナラ          牝４54.5          0%999.9   (               )         ",
  };
  const char* const numbers[] = {"３", "４", "５", "６", "７", "８", "９", "10", "11", "12"};
  for (const char* number : numbers) lines.push_back(std::string(number) + ":" + kPlainRunner);
  const std::vector<std::string> tail = {
      kDashes,
      "連複     1- 2(12.3)  1-12( 5.0)                                                ",
      "馬単     2- 1( 5.0)                                                            ",
      "３連複            1- 2- 3( 2.1)           1- 2-12( 0.5)                        ",
      kEquals,
      "", "", "", "", "", "", "",
  };
  lines.insert(lines.end(), tail.begin(), tail.end());
  EXPECT_EQ(File(20050605), SjisLines(lines));
}

// A race before the final card (data kind 1: no bet summary, no padding lines) for a horse with
// five past runs: one on this surface with a figure, one on the dirt at a
// JRA course, one at a local course, one abroad, one that it did not
// finish; a score, a rest of three weeks.
TEST_F(DetailTextTest, PastRunsShowFiguresVenuesAndAbnormalities) {
  scoring::TRaceSpec spec;
  spec.dataKind = '1';
  TResult raceData = scoring::MakeRace(spec);
  TRace race = Card(raceData, {{.horseNo = 1, .name = "ミズナラ", .mark = 2, .probability = 0.5}});
  THorse& horse = race.MutableHorses()[0];
  const double level = LevelFigure(race);
  horse.SetScore(level + 20 / 700.0);
  horse.Data().RestDays = 21;
  const int id = horse.HorseID();
  const auto past = [id](int venue, int trackCode, int abnormality) {
    scoring::TRaceSpec p;
    p.date = 20050501;
    p.venue = venue;
    p.trackCode = trackCode;
    p.runners = {{.horseNo = 1, .horseID = id, .abnormality = abnormality}};
    return scoring::MakeRace(p);
  };
  scoring::AddPastRun(horse, past(5, 17, 0));
  scoring::AddPastRun(horse, past(6, 23, 0));
  scoring::AddPastRun(horse, past(44, 23, 0));
  scoring::AddPastRun(horse, past(104, 17, 0));
  scoring::AddPastRun(horse, past(9, 23, 4));
  scoring::AddPastRun(horse, past(5, 17, 0));
  horse.MutablePastRuns()[0].SetTimeFigure(level + 15 / 700.0);

  WriteDetailText(race, true);
  EXPECT_EQ(File(20050605), SjisLines({
                                kEquals,
                                "東京11Ｒ                                                                       ",
                                "    ３歳以上                                    芝           1600m      [15:40]",
                                kDashes,
                                "１:○2 ミズナラ          牡４  57         50%      70( 65D中D地 外D止)３週     ",
                                kEquals,
                            }));
}

TEST_F(DetailTextTest, TheFirstRaceOfAGroupStartsTheFileAndTheOthersAppend) {
  home_.WriteFile("yoso/D20050605.TXT", "old day\r\n");
  const TRace race = TwelveRunnerCard();
  WriteDetailText(race, true);
  const std::string block = File(20050605);
  WriteDetailText(race, false);
  EXPECT_EQ(File(20050605), block + block);
  EXPECT_EQ(block.rfind("old day", 0), std::string::npos);
}

}  // namespace
