// Base times and the per-race measures, on small races written as records
// by the sample world's writers; the derived-list file handling beside them.
#include "analysis/base_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/result.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

// A race at Tokyo (05) on 2 June 2024 with one runner per time; a time of 0
// is a runner that did not finish.
TResult MakeRace(int trackCode, int distance, const std::vector<int>& times,
                 const std::vector<int>& laps = {}, int year = 2024) {
  sample::TWorld world;
  sample::TRace race;
  race.date = year * 10000 + 602;
  race.venue = 5;
  race.venueCode = "05";
  race.meeting = 3;
  race.meetingDay = 4;
  race.raceNo = 5;
  race.key = std::to_string(race.date) + "05030405";
  race.weekday = 2;
  race.distance = distance;
  race.track = trackCode;
  race.surface = trackCode >= 50 ? sample::kJump : trackCode >= 23 ? sample::kDirt : sample::kTurf;
  race.ageCode = 13;
  race.registered = race.starters = static_cast<int>(times.size());
  race.finishers = 0;
  for (int t : times) race.finishers += t > 0;
  race.startTime = 1340;
  for (std::size_t i = 0; i < laps.size(); ++i) race.laps[i] = laps[i];
  int arrival = 0;
  for (std::size_t i = 0; i < times.size(); ++i) {
    sample::THorse h;
    h.id = 2020100001 + static_cast<int>(i);
    h.name = Utf8ToSjis("ミズナラ");
    world.horses.push_back(h);
    sample::TRunner r;
    r.horse = static_cast<int>(i);
    r.horseNo = r.frame = static_cast<int>(i) + 1;
    r.age = 4;
    r.carried = 570;
    r.time = times[i];
    if (times[i] > 0) {
      r.arrival = r.position = ++arrival;
    } else {
      r.abnormality = 4;  // did not finish
    }
    race.runners.push_back(r);
  }
  const std::string ra = sample::RaRecord(race, '7', race.date);
  TResult result = TResult::FromRa(ra.data());
  for (const sample::TRunner& r : race.runners) {
    const std::string se = sample::SeRecord(world, race, r, '7', race.date);
    result.AddRunner(TResultInfo::FromSe(se.data()));
  }
  return result;
}

// 1000 m dirt, three finishers; the first three sections run slower than the
// race's average, the last two faster.
TResult FlatRace() { return MakeRace(23, 1000, {600, 610, 620}, {125, 125, 125, 115, 113}); }
// 3000 m over jumps, two finishers.
TResult JumpRace() { return MakeRace(51, 3000, {2000, 2050}); }

class BaseList : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

}  // namespace

TEST_F(BaseList, RaceMeasuresOfHandMadeRaces) {
  const TResult flat = FlatRace();
  // (600 + 610 e^-2.25 + 620 e^-4.5) / (1 + e^-2.25 + e^-4.5)
  EXPECT_NEAR(RaceTimeFigure(flat), 601.1430029374, 1e-9);
  // Sections of 200 m at 0.6011 tenths a metre: three early (×28), two late (×-41).
  EXPECT_NEAR(PaceFactor(flat), 0.9908845720117, 1e-12);
  EXPECT_EQ(DistanceFactor(flat), 1.0);

  const TResult jump = JumpRace();
  EXPECT_NEAR(RaceTimeFigure(jump), 2000.2743149450, 1e-9) << "k = 5.2 over jumps";
  EXPECT_EQ(PaceFactor(jump), 0.0) << "no pace over jumps";
  EXPECT_NEAR(DistanceFactor(jump), 15.495, 1e-12) << "3000 × 0.005 × 1.033";

  EXPECT_EQ(PaceFactor(MakeRace(23, 1000, {600, 610, 620})), 0.0) << "no laps";
  EXPECT_EQ(RaceTimeFigure(MakeRace(23, 1000, {0, 0, 0})), 0.0) << "nobody finished";
}

TEST_F(BaseList, SingleFinisherHasNoFigureAndAddsNothing) {
  const TResult race = MakeRace(23, 1000, {600, 0, 0}, {125, 125, 125, 115, 113});
  ASSERT_EQ(race.Finishers(), 1);
  EXPECT_EQ(RaceTimeFigure(race), 0.0);
  EXPECT_EQ(PaceFactor(race), 0.0);
  TBaseList list;
  list.AddRace(race);
  EXPECT_EQ(list.CellCount(), 0);
  list.Save();
  EXPECT_EQ(home_.ReadFile("DATA/BASETIME.DAT"), "");
}

TEST_F(BaseList, YearWeight) {
  EXPECT_EQ(YearWeight(MakeRace(23, 1000, {600, 610}, {}, 1900)), 1.0);
  EXPECT_EQ(YearWeight(TResult()), 1.0) << "year 0";
  EXPECT_NEAR(YearWeight(MakeRace(23, 1000, {600, 610}, {}, 1901)), 1.4918246976, 1e-9);
  EXPECT_NEAR(YearWeight(MakeRace(23, 1000, {600, 610}, {}, 2025)) /
                  YearWeight(MakeRace(23, 1000, {600, 610}, {}, 2024)),
              std::exp(0.4), 1e-9);
  EXPECT_TRUE(std::isfinite(YearWeight(MakeRace(23, 1000, {600, 610}, {}, 9999))));
}

TEST_F(BaseList, SaveWritesMeansAndLoadSaveReproducesTheFile) {
  TBaseList list;
  list.AddRace(FlatRace());
  list.AddRace(JumpRace());
  list.AddRace(FlatRace());  // a second run of the same race leaves the mean alone
  list.Save();
  // Tokyo's second course era (52); dirt 22, jumps 99. The flat time is the
  // figure shortened by the slow early pace: 601.143 + 1000 × (0.99088 − 1);
  // the jump time is the figure ÷ 15.495.
  const std::string file = home_.ReadFile("DATA/BASETIME.DAT");
  EXPECT_EQ(file,
            "05222" "1000" "05920" "09909" "\r\n"
            "05299" "0000" "01291" "00000" "\r\n");
  // In memory the means stay unrounded: the base time of the race is its figure again.
  EXPECT_NEAR(list.GetBaseTime(FlatRace()), 601.1430029374, 1e-9);
  EXPECT_NEAR(list.GetBaseTime(JumpRace()), 2000.2743149450, 1e-9);
  EXPECT_TRUE(list.IsChanged()) << "no backup before the first save";

  TBaseList again;
  again.Load();
  ASSERT_EQ(again.CellCount(), 2);
  EXPECT_EQ(again.Find(5222, 1000)->Weight, 0.0);
  again.Save();
  EXPECT_EQ(home_.ReadFile("DATA/BASETIME.DAT"), file);
  EXPECT_EQ(home_.ReadFile("DATA/BASETIME.BAK"), file);
  EXPECT_FALSE(again.IsChanged());
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(BaseList, ARebuildWithinOneStepOfTheFileKeepsTheValueBefore) {
  // The flat race's cell comes out at 592.03 tenths and pace 0.990885.
  struct TCase {
    const char* before;
    const char* after;
  };
  const TCase cases[] = {
      {"0522210000592109908\r\n", "0522210000592109908\r\n"},  // 0.7 and 0.85 steps away: kept
      {"0522210000592209910\r\n", "0522210000592009909\r\n"},  // 1.7 and 1.15 steps: the new means
  };
  for (const TCase& c : cases) {
    home_.WriteFile("DATA/BASETIME.DAT", c.before);
    TBaseList list;
    list.Load();
    list.Clear();
    list.AddRace(FlatRace());
    list.AddRace(JumpRace());
    list.Save();
    EXPECT_EQ(home_.ReadFile("DATA/BASETIME.DAT"), std::string(c.after) + "05299" "0000" "01291" "00000" "\r\n")
        << c.before;
  }
}

TEST_F(BaseList, MissingCellsAndBrokenFiles) {
  TBaseList list;
  EXPECT_EQ(list.GetBaseTime(FlatRace()), 0.0) << "no file";
  EXPECT_EQ(list.GetBaseTime(FlatRace()), 0.0);
  ASSERT_EQ(front_.Errors().size(), 1u) << "a missing file is reported once, not on every request";
  EXPECT_NE(SjisToUtf8(front_.Errors()[0]).find("存在しない"), std::string::npos);

  home_.WriteFile("DATA/BASETIME.DAT", "0522210000592009909\r\n");
  list.Clear();
  EXPECT_EQ(list.GetBaseTime(JumpRace()), 0.0) << "no cell for the race";
  EXPECT_NEAR(list.GetBaseTime(MakeRace(23, 1000, {600, 610})), 592.0, 1e-9) << "no laps: the cell's time";
  EXPECT_NEAR(list.GetBaseTime(FlatRace()), 592.0 - 1000 * (0.9908845720117 - 1), 1e-9)
      << "lengthened for a slow early pace";

  for (int size : {20, 22}) {
    home_.WriteFile("DATA/BASETIME.DAT", std::string(static_cast<std::size_t>(size), '0'));
    list.Load();
    EXPECT_EQ(list.CellCount(), 1) << size << " bytes leave the table unchanged";
    EXPECT_NE(SjisToUtf8(front_.Errors().back()).find("ファイルサイズに異常有り（" + std::to_string(size) + "）"),
              std::string::npos);
  }
  home_.WriteFile("DATA/BASETIME.DAT", "");
  list.Load();
  EXPECT_EQ(list.CellCount(), 0) << "an empty file is an empty table";
}

TEST_F(BaseList, ChangedTestAgainstTheBackup) {
  struct TCase {
    const char* name;
    const char* file;    // nullptr: missing
    const char* backup;  // nullptr: missing
    bool changed;
  };
  const std::vector<TCase> cases = {
      {"same", "0001\r\n0002\r\n", "0001\r\n0002\r\n", false},
      {"both empty", "", "", false},
      {"one line differs", "0001\r\n0002\r\n", "0001\r\n0003\r\n", true},
      {"lengths differ", "0001\r\n0002\r\n", "0001\r\n", true},
      {"no backup", "0001\r\n", nullptr, true},
      {"no file", nullptr, "0001\r\n", true},
  };
  for (const TCase& c : cases) {
    std::remove((home_.path() + "DATA/BASETIME.DAT").c_str());
    std::remove((home_.path() + "DATA/BASETIME.BAK").c_str());
    if (c.file) home_.WriteFile("DATA/BASETIME.DAT", c.file);
    if (c.backup) home_.WriteFile("DATA/BASETIME.BAK", c.backup);
    TBaseList list;
    EXPECT_EQ(list.IsChanged(), c.changed) << c.name;
  }
}

TEST_F(BaseList, BackupCopiesTheFile) {
  TBaseList list;
  EXPECT_EQ(list.BackupPath(), home_.path() + "DATA/BASETIME.BAK");
  EXPECT_FALSE(list.Backup()) << "nothing to copy";
  home_.WriteFile("DATA/BASETIME.BAK", "old\r\n");
  home_.WriteFile("DATA/BASETIME.DAT", "new\r\n");
  EXPECT_TRUE(list.Backup());
  EXPECT_EQ(home_.ReadFile("DATA/BASETIME.BAK"), "new\r\n");
}
