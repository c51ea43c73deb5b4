// The corrections of a run and the weight of a past run for the race to
// come, term by term on hand-made races.
#include "analysis/run_weight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "analysis/base_list.h"
#include "analysis/process_objects.h"
#include "analysis/run_corrections.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

using namespace scoring;

namespace {

constexpr int kHorse = 2002100001;

class RunWeightTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

// The race to come: a Tokyo turf mile on 5 June 2005; the horse carries
// 57 kg, weighs 480 kg and has trainer 11 and jockey 21.
TRaceSpec Target() {
  TRaceSpec spec;
  spec.dataKind = '2';
  spec.runners = {{.horseNo = 8, .horseID = kHorse, .carried = 570, .bodyWeight = 480, .trainer = 11, .jockey = 21}};
  return spec;
}

// Its last run, two weeks before, as like the race as can be: second,
// favourite, same people and weights, half a length behind.
TRaceSpec Past() {
  TRaceSpec spec;
  spec.date = 20050522;
  spec.runners = {
      {.horseNo = 1, .horseID = 2002100002, .arrival = 1, .time = 960, .corners = {1, 1, 1, 1}, .timeDiff = -5},
      {.horseNo = 2, .horseID = kHorse, .carried = 570, .bodyWeight = 480, .arrival = 2, .time = 965,
       .corners = {2, 2, 2, 2}, .popularity = 1, .timeDiff = 5, .trainer = 11, .jockey = 21},
      {.horseNo = 3, .horseID = 2002100003, .arrival = 3, .time = 970, .corners = {3, 3, 3, 3}, .timeDiff = 10},
  };
  return spec;
}

TResult RaceOn(int date, int trackCode = 17, int distance = 1600) {
  TRaceSpec spec = Target();
  spec.date = date;
  spec.trackCode = trackCode;
  spec.distance = distance;
  return MakeRace(spec);
}

}  // namespace

TEST(RunCorrections, AgeAllowanceAtTheRowBoundaries) {
  struct {
    int date;
    double expected;  // (1 − exp(−c × 0.16)) × k × 0.001 over 1600 m
  } cases[] = {
      {20040615, 0.0148765537942647},   // 206: first row (k 15, c 30)
      {20040715, 0.0148765537942647},   // 207: still the first row
      {20040815, 0.014621655377471593}, // 208: k 15, c 23
      {20050115, 0.008407127210162374}, // 301: k 9, c 17
      {20050615, 0.0055867243740374125},// 306: k 7, c 10
      {20051215, 0.002468428456099552}, // 312: k 4, c 6
      {20060115, 0.0010954038517052363},// 401: last row (k 4, c 2)
  };
  for (const auto& c : cases) {
    const TResult race = RaceOn(c.date);
    EXPECT_NEAR(AgeAllowance(race, race.Runner(0)), c.expected, 1e-15) << c.date;
  }
  const TResult race = RaceOn(20050615);
  EXPECT_EQ(AgeAllowance(race, TResultInfo()), 0.0) << "no birth year: beyond the table";
}

TEST(RunCorrections, WeightTerm) {
  const TResult flat = RaceOn(20050605);
  const TResult jump = RaceOn(20050605, 51, 3000);
  TResultInfo runner = flat.Runner(0);
  runner.SetCarried(550);
  EXPECT_NEAR(WeightTerm(flat, runner), 0.00126, 1e-15);
  runner.SetCarried(575);
  EXPECT_NEAR(WeightTerm(flat, runner), 0.00021, 1e-15);
  runner.SetCarried(600);
  EXPECT_NEAR(WeightTerm(jump, runner), 0.0, 1e-15);
  EXPECT_NEAR(WeightTerm(flat, runner), -0.00084, 1e-15);
  runner.SetCarried(0);
  EXPECT_EQ(WeightTerm(flat, runner), 0.0);
}

TEST(RunCorrections, PaceBias) {
  TRaceSpec spec = Target();
  const TResult tokyo = MakeRace(spec);
  spec.venue = 30;
  const TResult local = MakeRace(spec);
  TResultInfo eight = tokyo.Runner(0);  // horse number 8
  spec = Target();
  spec.runners[0].horseNo = 3;
  const TResultInfo three = MakeRace(spec).Runner(0);
  struct {
    const TResult* race;
    const TResultInfo* runner;
    double pace, position, expected;
  } cases[] = {
      // 0.27 × (min(0, −0.02 − 0.3 × 0.014) − (−0.02)) − 3 × 0.4 × 0.08 ÷ 1600
      {&tokyo, &eight, 0.98, 0.5, -0.001194},
      // A fast pace costs the front nothing; the wide draw still costs.
      {&tokyo, &eight, 1.02, 0.0, -0.000135},
      // An inside draw from the rear of a slow race.
      {&tokyo, &three, 0.99, 1.0, -0.003024},
      {&tokyo, &eight, 0.0, 0.5, 0.0},
      {&tokyo, &eight, 0.98, -1.0, 0.0},
      {&local, &eight, 0.98, 0.5, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(PaceBias(*c.race, *c.runner, c.pace, c.position), c.expected, 1e-15)
        << c.pace << " " << c.position;
  }
}

TEST_F(RunWeightTest, EachTermOfTheDissimilarity) {
  // The baseline differs from the race only in time: 8 × 14 days ÷ 461
  // days since 1 March of the horse's second year.
  constexpr double kBase = 8.0 * 14 / 461;
  auto runner = [](TRaceSpec& s) -> TRunnerSpec& { return s.runners[1]; };
  struct {
    const char* what;
    std::function<void(TRaceSpec&)> change;
    int interval;
    bool oldest;
    double term;
  } cases[] = {
      {"as like as can be", [](TRaceSpec&) {}, 0, false, 0},
      {"dirt", [](TRaceSpec& s) { s.trackCode = 23; }, 0, false, 2.0},
      {"jumps (tens digit still turf)", [](TRaceSpec& s) { s.trackCode = 51; }, 0, false, 1.7},
      {"local racecourse", [](TRaceSpec& s) { s.venue = 30; }, 0, false, 1.9},
      {"fillies' race", [](TRaceSpec& s) { s.symbol = "020"; }, 0, false, 0.1},
      {"other trainer", [&](TRaceSpec& s) { runner(s).trainer = 12; }, 0, false, 1.5},
      {"trainer unknown", [&](TRaceSpec& s) { runner(s).trainer = 0; }, 0, false, 0},
      {"other jockey", [&](TRaceSpec& s) { runner(s).jockey = 22; }, 0, false, 0.6},
      {"2 kg less", [&](TRaceSpec& s) { runner(s).carried = 550; }, 0, false, 0.42},
      {"24 kg lighter", [&](TRaceSpec& s) { runner(s).bodyWeight = 456; }, 0, false, 0.05},
      {"not weighed", [&](TRaceSpec& s) { runner(s).bodyWeight = 0; }, 0, false, 0},
      {"last in popularity", [&](TRaceSpec& s) { runner(s).popularity = 3; }, 0, false, 0.3},
      {"50 days' rest before it", [](TRaceSpec&) {}, 50, false, 0.01},
      {"the oldest run", [](TRaceSpec&) {}, 50, true, 0.072},
      {"2000 m", [](TRaceSpec& s) { s.distance = 2000; }, 0, false, 1.0},
      // 8000 × ((100.0 − F) ÷ 1600 − 0.01)² with F = 961.34 of the three
      // times.
      {"beaten far", [&](TRaceSpec& s) {
         runner(s).time = 1000, runner(s).arrival = 3;
         s.runners[2].arrival = 2;
       }, 0, false, 1.604328256729726},
      // 110 × (20 ÷ 1600 − 0.005)
      {"won by two seconds", [&](TRaceSpec& s) {
         s.runners[0].time = 980, s.runners[0].timeDiff = 20;
         runner(s).time = 960, runner(s).timeDiff = -20;
       }, 0, false, 0.825},
  };
  const TResult target = MakeRace(Target());
  const TRace card = CardOf(target, {HorseOf(target, 0)});
  for (const auto& c : cases) {
    TRaceSpec spec = Past();
    c.change(spec);
    THorse horse = card.Horses()[0];
    AddPastRun(horse, MakeRace(spec), c.interval);
    const double w = RunWeight(card, horse, horse.PastRuns()[0], c.oldest);
    EXPECT_NEAR(-std::log(w), kBase + c.term, 1e-9) << c.what;
  }
}

TEST_F(RunWeightTest, PaceAgainstTheExpectedPaceAndTheFloor) {
  TRaceSpec spec = Past();
  spec.laps = {125, 120, 118, 120, 122, 120, 118, 117};
  const TResult past = MakeRace(spec);
  const double pace = PaceFactor(past);
  ASSERT_GT(pace, 0);
  const TResult target = MakeRace(Target());
  TRace card = CardOf(target, {HorseOf(target, 0)});
  THorse horse = card.Horses()[0];
  AddPastRun(horse, past);
  const double without = RunWeight(card, horse, horse.PastRuns()[0], false);
  card.SetExpectedPace(1.02);
  EXPECT_NEAR(std::log(without) - std::log(RunWeight(card, horse, horse.PastRuns()[0], false)),
              2.3 * std::fabs(1.02 - pace), 1e-9);

  // Nothing alike at all: the weight stops at 1e-9.
  spec = Past();
  spec.trackCode = 51;
  spec.venue = 45;
  spec.date = 20040301;
  spec.distance = 3600;
  spec.runners[1].popularity = 3;
  spec.runners[1].time = 950;
  spec.runners[1].timeDiff = -100;
  spec.runners[1].trainer = 12;
  spec.runners[1].jockey = 22;
  THorse far = card.Horses()[0];
  AddPastRun(far, MakeRace(spec));
  EXPECT_EQ(RunWeight(card, far, far.PastRuns()[0], true), 1e-9);
}
