// The normal curve of the scoring, the common scale of the surfaces and the
// figure of a run, on races built in memory.
#include "analysis/run_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/baba_list.h"
#include "analysis/normal_distribution.h"
#include "analysis/process_objects.h"
#include "analysis/surface_scale.h"
#include "database/horse_info55.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

using namespace scoring;

namespace {

class RunFigureTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

// A Tokyo turf mile of three finishers; the horse 2002100001 ran second in
// 96.5 s.
TRaceSpec PastMile() {
  TRaceSpec spec;
  spec.date = 20050522;
  spec.runners = {
      {.horseNo = 1, .horseID = 2002100002, .arrival = 1, .time = 960, .corners = {1, 1, 1, 1}},
      {.horseNo = 2, .horseID = 2002100001, .arrival = 2, .time = 965, .corners = {2, 2, 2, 2}},
      {.horseNo = 3, .horseID = 2002100003, .arrival = 3, .time = 970, .corners = {3, 3, 3, 3}},
  };
  return spec;
}

TRaceSpec WithTrack(int trackCode, int venue = 5, char grade = ' ') {
  TRaceSpec spec = PastMile();
  spec.trackCode = trackCode;
  spec.venue = venue;
  spec.grade = grade;
  return spec;
}

}  // namespace

TEST(NormalDistribution, TableLookupAtSomeZ) {
  struct {
    double mean, deviation, x, expected;
  } cases[] = {
      {0, 1, 0, 0.5},
      {0, 2, 2, 0.84134475},             // z = 1: 1 − T[2000]
      {1, 1, -0.96, 0.0249979},          // z = −1.96: T[3920]
      {0, 1, 0.00049, 0.5},              // cut down to k = 0, not rounded up
      {0, 1, -0.0007, 0.49980053},       // T[1]
      {0, 1, 5, 0.99996826},             // held at 3.9995: 1 − T[7999]
      {0, 1, -5, 0.00003174},
      {1.0, 0.0, 1.0, 0.5},              // 0 ÷ 0 counts as z = 0
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(NormalDistribution(c.mean, c.deviation, c.x), c.expected, 1e-12) << c.x;
  }
  EXPECT_EQ(NormalUpperTail(0), 0.5);
  EXPECT_EQ(NormalUpperTail(kNormalTableSize), 0.0);
  // Not divided by the deviation.
  EXPECT_NEAR(NormalDensity(1.0, 0.5, 1.5), std::exp(-0.5) / std::sqrt(2 * std::numbers::pi), 1e-15);
  EXPECT_NEAR(NormalDensity(3.0, 7.0, 3.0), 0.3989422804014327, 1e-15);
}

TEST(SurfaceScale, BySurfaceRacecourseAndMeeting) {
  struct {
    const char* what;
    int trackCode, venue;
    char grade;
    int meetingCode;
    double expected;
  } cases[] = {
      {"turf", 17, 5, ' ', 0, 1.0124},
      {"dirt", 23, 5, ' ', 0, 1.0076},
      {"jumps: halved and 0.006 up", 51, 5, ' ', 0, 1.011},
      {"no known surface: unchanged", 0, 5, ' ', 21, 1.01},
      {"local racecourse", 17, 30, ' ', 0, 1.011904},
      {"local racecourse ignores the meeting", 17, 45, ' ', 91, 1.011904},
      {"meeting code 21", 17, 5, ' ', 21, 1.0094},
      {"meeting code 22", 23, 5, ' ', 22, 1.0036},
      {"meeting code 33", 17, 5, ' ', 33, 1.0104},
      {"meeting code 10", 17, 5, ' ', 10, 1.0124},
      {"grade 4 (G3) still shifted", 17, 5, 'C', 21, 1.0094},
      {"grade 5 (G2) not shifted", 17, 5, 'B', 21, 1.0124},
  };
  for (const auto& c : cases) {
    const TResult race = MakeRace(WithTrack(c.trackCode, c.venue, c.grade));
    EXPECT_NEAR(SurfaceScale(1.01, race, c.meetingCode), c.expected, 1e-12) << c.what;
  }
}

TEST(SurfaceScale, DisplayIndex) {
  EXPECT_EQ(DisplayIndex(1.02, 0), 1.02);
  EXPECT_NEAR(DisplayIndex(1.02, 1.0), 64, 1e-9);
  EXPECT_EQ(DisplayIndex(0.9, 1.0), 0.0) << "never below 0";
}

TEST_F(RunFigureTest, FigureOfAHandMadeRunIsComputedOnceAndKept) {
  const TResult past = MakeRace(PastMile());
  home_.WriteFile("DATA/BASETIME.DAT", BaseTimeRecord(past, 955.0));
  _BabaList->AddRace(past);
  // The race's index B = (b − F) ÷ d + 1, so the figure is
  // 1 + (F − t) ÷ d on the turf scale, with F the weighted time figure
  // 960.5715 of the three.
  THorseInfo55 run(past, 2002100001);
  run.SetRace(past, past.RunnerOf(2002100001, 0));
  EXPECT_NEAR(RunFigure(run), 0.9965679136, 1e-6);
  EXPECT_NEAR(run.TimeFigure(), 0.9965679136, 1e-6);
  EXPECT_NEAR(RunFigure(run, 0.99), (0.9965679136 - 0.99) * 700 + 50, 1e-3);

  // Kept: the index going away does not change it.
  _BabaList->Clear();
  EXPECT_NEAR(RunFigure(run), 0.9965679136, 1e-6);
  // Uncached for a horse's own run.
  EXPECT_EQ(RaceRunFigure(past, past.RunnerOf(2002100001, 0)), 0.0) << "no index now";
}

TEST_F(RunFigureTest, NoFigureWithoutBaseTimeIndexOrTime) {
  const TResult past = MakeRace(PastMile());
  _BabaList->AddRace(past);  // no base time: the index has no value either
  THorseInfo55 run(past, 2002100001);
  run.SetRace(past, past.RunnerOf(2002100001, 0));
  EXPECT_EQ(RunFigure(run), 0.0);

  TRaceSpec spec = PastMile();
  spec.runners[1].time = 0;
  spec.runners[1].arrival = 0;
  spec.runners[1].abnormality = 4;
  const TResult stopped = MakeRace(spec);
  home_.WriteFile("DATA/BASETIME.DAT", BaseTimeRecord(stopped, 955.0));
  _BabaList->AddRace(stopped);
  EXPECT_EQ(RaceRunFigure(stopped, stopped.RunnerOf(2002100001, 0)), 0.0) << "did not finish";
  EXPECT_GT(RaceRunFigure(stopped, stopped.RunnerOf(2002100002, 0)), 0.0);
}
