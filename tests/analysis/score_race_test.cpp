// The scoring of whole races built in memory: positions, expected pace and
// scores; win probabilities and ranks; which bet candidates a race gets.
#include "analysis/score_race.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/person_list.h"
#include "analysis/process_objects.h"
#include "analysis/run_corrections.h"
#include "analysis/run_figure.h"
#include "analysis/run_weight.h"
#include "analysis/win_probability.h"
#include "app/sjis.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

using namespace scoring;

namespace {

constexpr int kFirstHorse = 2002100001;

class ScoreRaceTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

// A Tokyo turf mile on 5 June 2005 of `count` horses 1, 2, … (frames equal
// to the numbers), each carrying 57 kg.
TRaceSpec Card(int count, int year = 2005, char dataKind = '2') {
  TRaceSpec spec;
  spec.date = year * 10000 + 605;
  spec.dataKind = dataKind;
  for (int i = 0; i < count; ++i) spec.runners.push_back({.horseNo = i + 1, .horseID = kFirstHorse + i});
  return spec;
}

std::vector<THorse> HorsesOf(const TResult& race) {
  std::vector<THorse> horses;
  for (int i = 0; i < race.RunnerCount(); ++i) horses.push_back(HorseOf(race, i));
  return horses;
}

// The race of the horse's past run: three finishers on the Tokyo turf mile
// two weeks before, the horse at `corners`, with laps so that the race has
// a pace factor.
TResult PastRaceOf(int horseID, int raceNo, std::array<int, 4> corners, std::vector<int> laps) {
  TRaceSpec spec;
  spec.date = 20050522;
  spec.raceNo = raceNo;
  spec.laps = std::move(laps);
  spec.runners = {
      {.horseNo = 1, .horseID = horseID + 100, .arrival = 1, .time = 958, .corners = {2, 2, 2, 2}},
      {.horseNo = 2, .horseID = horseID, .arrival = 2, .time = 962, .corners = corners, .popularity = 2},
      {.horseNo = 3, .horseID = horseID + 200, .arrival = 3, .time = 971, .corners = {3, 3, 3, 3}},
  };
  return MakeRace(spec);
}

// Writes the base times of the races and feeds the track index with them.
void KnowRaces(const TTempHome& home, const std::vector<TResult>& races) {
  std::string records;
  for (const TResult& race : races) records += BaseTimeRecord(race, 955.0 + race.RaceNo);
  home.WriteFile("DATA/BASETIME.DAT", records);
  for (const TResult& race : races) _BabaList->AddRace(race);
}

// What the score of a runner with one past run comes to, from the terms
// that are tested one by one (no trainer or jockey statistics here).
double ExpectedScore(const TRace& race, THorse& horse, double earlyInRace) {
  THorseInfo55& run = horse.MutablePastRuns()[0];
  const double adjusted = RunFigure(run) + AgeAllowance(run, run) - WeightTerm(run, run) -
                          PaceBias(run, run, PaceFactor(run), run.RelativePosition(false));
  return adjusted - AgeAllowance(race, horse) + WeightTerm(race, horse) +
         PaceBias(race, horse, race.ExpectedPace(), earlyInRace) -
         (1 - std::exp(-0.0028 * horse.RestDays())) * 0.004;
}

const std::vector<int> kSlowEarly = {125, 124, 123, 118, 117, 118, 116, 117};
const std::vector<int> kFastEarly = {115, 116, 117, 122, 123, 121, 124, 123};

}  // namespace

TEST_F(ScoreRaceTest, HorsesWithoutUsableRunsScoreFromTheLevelFigure) {
  // Trainer 101 is based abroad (affiliation 4).
  sample::TPerson abroad;
  abroad.code = 101;
  abroad.name = Utf8ToSjis("海外 調教師");
  abroad.affiliation = 4;
  abroad.licenceDate = 20000301;
  sample::TPersonSummary years;
  years.blocks[0].year = 2005;
  years.blocks[1].year = 2004;
  years.blocks[2].year = 2005;
  years.blocks[2].flat.counts = {30, 20, 15, 10, 10, 60};
  home_.WriteFile("DATA/CH.DAT", sample::ChRecord(abroad, years, '1', 20050601));

  TRaceSpec spec = Card(4);
  spec.runners[2].trainer = 101;
  spec.runners[3].trainer = 101;
  spec.runners[3].abnormality = 1;  // scratched
  const TResult race = MakeRace(spec);
  std::vector<THorse> horses = HorsesOf(race);
  // Horse 1's only run has no figure (no base times are known).
  AddPastRun(horses[0], PastRaceOf(kFirstHorse, 1, {1, 1, 1, 1}, kSlowEarly));
  horses[1].Data().RestDays = 100;
  horses[2].Data().RestDays = 100;
  TRace card = CardOf(race, horses);
  ScoreRace(card);

  const std::vector<THorse>& h = card.Horses();
  // Positions 0.6, 0.6, 0.4 among the runners stretch to 1, 1, 0; the
  // scratched horse from abroad keeps its 0.4.
  EXPECT_NEAR(h[0].Figure(0), 1.0, 1e-12);
  EXPECT_NEAR(h[1].Figure(1), 1.0, 1e-12);
  EXPECT_EQ(h[2].Figure(0), 0.0);
  EXPECT_EQ(h[2].Figure(1), 0.0);
  EXPECT_EQ(h[3].Figure(0), 0.4);
  EXPECT_EQ(h[3].Figure(1), 0.4);
  EXPECT_EQ(card.ExpectedPace(), 0.0);

  // Level figure 1.0, age 3 in June (allowance (1 − e^−1.6) × 0.007),
  // 57 kg (0.00042 × 1), the trainer's deviation.
  const double base = 1.0 - 0.0055867243740374125 + 0.00042;
  const double rest = (1 - std::exp(-0.28)) * 0.004;
  EXPECT_NEAR(h[0].Score(), base - 0.004 + 0.022 * TrainerDeviation(card, h[0]), 1e-12);
  EXPECT_NEAR(h[1].Score(), base - 0.004 - rest + 0.022 * TrainerDeviation(card, h[1]), 1e-12);
  EXPECT_NEAR(h[2].Score(), base + 0.022 * TrainerDeviation(card, h[2]), 1e-12)
      << "from abroad: no level discount, no rest";
  EXPECT_NE(TrainerDeviation(card, h[2]), 0.0);
  EXPECT_GT(h[0].PastRuns()[0].RunWeight(), 0.0);
  EXPECT_EQ(h[0].TotalRunWeight(), h[0].PastRuns()[0].RunWeight());
  EXPECT_EQ(h[3].Mark(), 0) << "scratched";
  EXPECT_EQ(h[3].WinProbability(), 0.0);
  EXPECT_NEAR(HorseScore(h[2], h[2].Score() - 0.01), 57, 1e-9);
}

TEST_F(ScoreRaceTest, PositionsExpectedPaceAndScoresFromPastRuns) {
  struct {
    const char* what;
    std::array<std::array<int, 4>, 3> corners;  // in each horse's past race of three
    std::array<double, 3> early, late;          // normalised over the runners
    int paceSetter;                              // the horse whose late position is 0
  } cases[] = {
      // Early 0, 0.5, 1 and late 0, 0.5, 0.5: 1.19 e − 0.19, cut at 0.
      {"spread out", {{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 2}}}, {0, 0.405, 1}, {0, 1, 1}, 0},
      // Every early position 0.5: no early position, so no pace bias.
      {"all alike early", {{{2, 2, 2, 2}, {2, 2, 2, 1}, {2, 2, 2, 2}}}, {-1, -1, -1}, {1, 0, 1}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CreateProcessObjects();
    const TResult race = MakeRace(Card(3));
    std::vector<THorse> horses = HorsesOf(race);
    std::vector<TResult> past;
    for (int i = 0; i < 3; ++i) {
      past.push_back(PastRaceOf(kFirstHorse + i, i + 1, c.corners[i], i == 1 ? kFastEarly : kSlowEarly));
      AddPastRun(horses[i], past.back());
      horses[i].Data().RestDays = 14;
    }
    KnowRaces(home_, past);
    TRace card = CardOf(race, horses);
    ScoreRace(card);

    std::vector<THorse>& h = card.MutableHorses();
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(h[i].Figure(0), c.early[i], 1e-12) << i;
      EXPECT_NEAR(h[i].Figure(1), c.late[i], 1e-12) << i;
      EXPECT_NEAR(h[i].PreferredPace(), PaceFactor(past[i]), 1e-12);
    }
    EXPECT_NEAR(card.ExpectedPace(), PaceFactor(past[c.paceSetter]), 1e-12);
    for (int i = 0; i < 3; ++i) {
      THorseInfo55& run = h[i].MutablePastRuns()[0];
      ASSERT_GT(run.TimeFigure(), 0.0);
      // The run's weight is recomputed with the expected pace; the total
      // stays that of the first round, without it.
      EXPECT_NEAR(run.RunWeight(), RunWeight(card, h[i], run, true), 1e-15);
      TRace noPace = card;
      noPace.SetExpectedPace(0);
      EXPECT_NEAR(h[i].TotalRunWeight(), RunWeight(noPace, h[i], run, true), 1e-15);
      EXPECT_NEAR(h[i].Score(), ExpectedScore(card, h[i], c.early[i]), 1e-12) << i;
    }
  }
}

TEST_F(ScoreRaceTest, WinProbabilitiesOfHandSetScores) {
  struct {
    const char* what;
    int trackCode;
    std::array<double, 3> expected;  // by horse number
  } cases[] = {
      // σ = Σ spread × s⁵ ÷ Σ s⁵ = 0.0044098 on the flat, × 1.06 on a heavy
      // (code 3) going.
      {"flat", 17, {0.2121605145346725, 0.7489657825763226, 0.038873702889004894}},
      // Spreads × 1.26 over jumps, not widened by the going.
      {"jumps", 51, {0.2411413979346192, 0.6974770902275703, 0.06138151183781041}},
  };
  for (const auto& c : cases) {
    TRaceSpec spec = Card(4);
    spec.trackCode = c.trackCode;
    spec.turfGoing = 3;
    spec.runners[3].abnormality = 1;
    const TResult race = MakeRace(spec);
    TRace card = CardOf(race, HorsesOf(race));
    const double scores[] = {1.0, 1.005, 0.995, 1.2};
    const double weights[] = {1.0, 2.0, 0.5, 0.0};
    for (int i = 0; i < 4; ++i) {
      card.MutableHorses()[i].SetScore(scores[i]);
      card.MutableHorses()[i].SetTotalRunWeight(weights[i]);
    }
    RankHorses(card);
    const std::vector<THorse>& h = card.Horses();
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(h[i].WinProbability(), c.expected[i], 1e-12) << c.what << i;
    EXPECT_NEAR(h[0].Spread(), std::exp(-0.8) * 0.0101 * (c.trackCode == 51 ? 1.26 : 1.0), 1e-15);
    EXPECT_EQ(h[0].Mark(), 2);
    EXPECT_EQ(h[1].Mark(), 1);
    EXPECT_EQ(h[2].Mark(), 3);
    EXPECT_EQ(h[3].Mark(), 0) << "scratched";
    EXPECT_EQ(h[3].WinProbability(), 0.0);
  }
}

TEST_F(ScoreRaceTest, OutsidersRankNegatedAndHorsesBackInNumberOrder) {
  const TResult race = MakeRace(Card(6));
  std::vector<THorse> horses = HorsesOf(race);
  // Given in an order other than by number.
  std::swap(horses[0], horses[5]);
  TRace card = CardOf(race, horses);
  // Horse numbers 6, 2, 3, 4, 5, 1.
  const double scores[] = {0.979, 1.019, 1.0, 0.999, 0.98, 1.02};
  for (int i = 0; i < 6; ++i) {
    card.MutableHorses()[i].SetScore(scores[i]);
    card.MutableHorses()[i].SetTotalRunWeight(1.0);
  }
  RankHorses(card);
  const std::vector<THorse>& h = card.Horses();
  // Ranks 4 (3.1e-5) and 5 (6.5e-14) against (1 − P1 − P2) ÷ 4 = 2.4e-5.
  const int expected[] = {1, 2, 3, 4, -5, -6};
  double sum = 0;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(h[i].HorseNo(), i + 1);
    EXPECT_EQ(h[i].Mark(), expected[i]) << i + 1;
    sum += h[i].WinProbability();
  }
  EXPECT_NEAR(sum, 1.0, 1e-12);
  EXPECT_NEAR(h[0].WinProbability(), 0.5618207534138041, 1e-12);
}

TEST_F(ScoreRaceTest, WhichRacesGetProbabilitiesAndCandidates) {
  enum : unsigned { kWin = 1, kPlace = 2, kBracket = 4, kQuinella = 8, kWide = 16, kExacta = 32, kTrio = 64,
                    kTrifecta = 128 };
  struct {
    const char* what;
    int year, runners, venue;
    char dataKind;
    bool ranked;
    unsigned types;
    int loaded = -1;  // horses loaded; -1 all
  } cases[] = {
      {"2004, 8 entered: 枠連, no 馬連 or ワイド", 2004, 8, 5, '2', true,
       kWin | kPlace | kBracket | kExacta | kTrio | kTrifecta},
      {"2005, 8 entered: 馬連 and ワイド, no 枠連", 2005, 8, 5, '2', true,
       kWin | kPlace | kQuinella | kWide | kExacta | kTrio | kTrifecta},
      {"2004, 9 entered: both", 2004, 9, 5, '2', true,
       kWin | kPlace | kBracket | kQuinella | kWide | kExacta | kTrio | kTrifecta},
      {"4 entered: no 複勝", 2005, 4, 5, '2', true, kWin | kQuinella | kWide | kExacta | kTrio | kTrifecta},
      {"5 entered: 複勝", 2005, 5, 5, '2', true, kWin | kPlace | kQuinella | kWide | kExacta | kTrio | kTrifecta},
      {"3 entered: pairs only", 2005, 3, 5, '2', true, kWin | kQuinella | kExacta},
      {"2 entered", 2005, 2, 5, '2', true, kWin},
      {"local racecourse: ranked, no bets", 2005, 8, 30, '7', true, 0},
      {"abroad: neither", 2005, 8, 105, '7', false, 0},
      {"entries not yet final (data kind 1)", 2005, 8, 5, '1', true, 0},
      {"a horse not loaded", 2005, 8, 5, '2', false, 0, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TRaceSpec spec = Card(c.runners, c.year, c.dataKind);
    spec.venue = c.venue;
    const TResult race = MakeRace(spec);
    std::vector<THorse> horses = HorsesOf(race);
    if (c.loaded >= 0) horses.resize(static_cast<std::size_t>(c.loaded));
    TRace card = CardOf(race, horses);
    card.AddBet(0, 9.9, 1);  // left from an earlier scoring
    ScoreRace(card);

    EXPECT_EQ(card.Horses()[0].Mark() != 0, c.ranked);
    if (c.ranked) {
      double sum = 0;
      for (const THorse& horse : card.Horses()) sum += horse.WinProbability();
      EXPECT_NEAR(sum, 1.0, 1e-12);
    }
    unsigned types = 0;
    for (int type = 0; type < 8; ++type) {
      if (card.BetCount(type) > 0) types |= 1u << type;
    }
    EXPECT_EQ(types, c.types);
    for (std::size_t i = 1; i < card.Bets().size(); ++i) {
      const TBetData& a = card.Bets()[i - 1];
      const TBetData& b = card.Bets()[i];
      ASSERT_TRUE(a.Type < b.Type || (a.Type == b.Type && a.Value >= b.Value)) << i;
    }
  }
}
