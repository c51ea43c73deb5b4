// The level tables: the criteria and class code of a race, the shared cells
// and LEVEL.DAT, the normalisation of each table, the dump, and a level
// measured from two races against their base time.
#include "analysis/level_list.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/base_list.h"
#include "analysis/process_objects.h"
#include "app/file_io.h"
#include "app/program_folder.h"
#include "app/sjis.h"
#include "database/result.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

// What a test race is made of; everything else is an ordinary race.
struct TRaceSpec {
  int venue = 5;
  int month = 6;
  int ageCode = 13;            // 3歳以上
  std::string symbol = "   ";
  char grade = ' ';
  int condition = 5;           // 1勝クラス
  int track = 23;              // dirt
  int distance = 1000;
  int weightType = 3;
  int raceNo = 5;
  std::vector<int> times = {600, 610, 620};
};

TResult MakeRace(const TRaceSpec& spec) {
  sample::TWorld world;
  sample::TRace race;
  race.date = 2024 * 10000 + spec.month * 100 + 2;
  race.venue = spec.venue;
  char venue[3];
  std::snprintf(venue, sizeof venue, "%02d", spec.venue);
  race.venueCode = venue;
  race.meeting = 3;
  race.meetingDay = 4;
  race.raceNo = spec.raceNo;
  char key[32];
  std::snprintf(key, sizeof key, "%08d%s0304%02d", race.date, venue, spec.raceNo);
  race.key = key;
  race.weekday = 2;
  race.dataKind = spec.venue >= 30 ? 10 : 7;
  race.grade = spec.grade;
  race.ageCode = spec.ageCode;
  race.symbol = spec.symbol;
  race.weightType = spec.weightType;
  race.conditions = {spec.condition, spec.condition, spec.condition, spec.condition, spec.condition};
  race.distance = spec.distance;
  race.track = spec.track;
  race.surface = spec.track >= 50 ? sample::kJump : spec.track >= 23 ? sample::kDirt : sample::kTurf;
  race.registered = race.starters = race.finishers = static_cast<int>(spec.times.size());
  race.startTime = 1340;
  for (std::size_t i = 0; i < spec.times.size(); ++i) {
    sample::THorse h;
    h.id = 2020100001 + static_cast<int>(i);
    h.name = Utf8ToSjis("ミズナラ");
    world.horses.push_back(h);
    sample::TRunner r;
    r.horse = static_cast<int>(i);
    r.horseNo = r.frame = static_cast<int>(i) + 1;
    r.age = 4;
    r.carried = 570;
    r.time = spec.times[i];
    r.arrival = r.position = static_cast<int>(i) + 1;
    race.runners.push_back(r);
  }
  const char kind = race.dataKind == 10 ? 'A' : '7';
  const std::string ra = sample::RaRecord(race, kind, race.date);
  TResult result = TResult::FromRa(ra.data());
  for (const sample::TRunner& r : race.runners) {
    const std::string se = sample::SeRecord(world, race, r, kind, race.date);
    result.AddRunner(TResultInfo::FromSe(se.data()));
  }
  return result;
}

class LevelList : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  // Writes LEVEL.DAT from (key, level × 10000, count) rows.
  void WriteLevelFile(const std::vector<std::array<int, 3>>& rows) {
    std::string data;
    for (const auto& [key, level, count] : rows) {
      char line[32];
      std::snprintf(line, sizeof line, "%08d%05d%05d\r\n", key, level, count);
      data += line;
    }
    ASSERT_TRUE(CreateFolderChain(DataFolder()));
    ASSERT_TRUE(WriteFileAtomically(DataFolder() + "LEVEL.DAT", data));
  }
  std::string LevelFile() {
    std::string data;
    ReadWholeFile(DataFolder() + "LEVEL.DAT", data);
    return data;
  }
  double Level(int key) {
    auto it = TLevel::Cells().find(key);
    return it == TLevel::Cells().end() ? -99 : it->second.Value;
  }

  TTempHome home_;
  TRecordingFrontEnd frontEnd_;
};

TEST_F(LevelList, CriteriaAndClassCodeOfARace) {
  struct TCase {
    const char* what;
    TRaceSpec spec;
    int classCode;
    std::array<TLevelCriteria, 5> criteria;
  };
  const std::vector<TCase> cases = {
      {"1勝クラス dirt, June", {}, 4,
       {{{1, 2, 1, 4}, {1, 2, 2, 1}, {0, 2, 1, 2}, {0, 2, 1, 1}, {0, 2, 1, 1}}}},
      {"two-year-olds at Tokyo in July: age-season 7",
       {.month = 7, .ageCode = 11, .condition = 703, .track = 11}, 3,
       {{{1, 1, 1, 3}, {1, 1, 2, 7}, {0, 1, 1, 2}, {0, 1, 1, 1}, {0, 1, 1, 1}}}},
      {"the same in January falls through to 0",
       {.month = 1, .ageCode = 11, .condition = 703, .track = 11}, 3,
       {{{1, 1, 1, 3}, {1, 1, 2, 0}, {0, 1, 1, 2}, {0, 1, 1, 1}, {0, 1, 1, 1}}}},
      {"fillies' G1 in November, turf 2000 m",
       {.month = 11, .symbol = "A2 ", .grade = 'A', .condition = 999, .track = 11, .distance = 2000}, 15,
       {{{1, 1, 1, 15}, {1, 1, 3, 1}, {0, 1, 1, 1}, {0, 1, 1, 12}, {0, 1, 1, 4}}}},
      {"jump G1", {.grade = 'F', .condition = 999, .track = 51, .distance = 4250}, 15,
       {{{1, 3, 1, 15}, {}, {}, {}, {}}}},
      {"jump graded handicap", {.grade = 'D', .condition = 999, .track = 51, .distance = 3000, .weightType = 1},
       13, {{{1, 3, 1, 13}, {}, {}, {}, {}}}},
      {"jump graded race over 4000 m", {.grade = 'D', .condition = 999, .track = 51, .distance = 4100}, 15,
       {{{1, 3, 1, 15}, {}, {}, {}, {}}}},
      {"jump graded race, weight for age", {.grade = 'D', .condition = 999, .track = 51, .distance = 3000}, 14,
       {{{1, 3, 1, 14}, {}, {}, {}, {}}}},
      {"local race, open", {.venue = 44, .grade = 'E', .condition = 999, .track = 24, .distance = 1400}, 11,
       {{{3, 1, 0, 11}, {2, 1, 2, 1}, {0, 2, 1, 2}, {0, 2, 1, 1}, {0, 2, 1, 1}}}},
      {"Anglo-Arab, JRA", {.ageCode = 23, .condition = 703}, 3,
       {{{2, 2, 1, 3}, {3, 2, 1, 1}, {0, 2, 1, 10}, {0, 2, 1, 1}, {0, 2, 1, 1}}}},
  };
  for (const TCase& c : cases) {
    const TResult race = MakeRace(c.spec);
    EXPECT_EQ(LevelClassCode(race), c.classCode) << c.what;
    for (int t = 1; t <= 5; ++t) {
      const bool applies = LevelApplies(t, race);
      EXPECT_EQ(applies, t == 1 || c.spec.track < 50) << c.what << " table " << t;
      if (!applies) continue;
      const TLevelCriteria k = LevelCriteria(t, race);
      const TLevelCriteria& e = c.criteria[static_cast<std::size_t>(t - 1)];
      EXPECT_EQ(LevelKey(t, k), LevelKey(t, e)) << c.what << " table " << t;
    }
  }
}

TEST_F(LevelList, LookupsFallBackToOneAndCombineDeviations) {
  const TResult race = MakeRace({});  // table 1 (1,2,1,4), table 3 (0,2,1,2)
  // No file yet: every level is 1.0 and nothing is reported.
  EXPECT_EQ(CombinedLevel(race, 0), 1.0);
  EXPECT_TRUE(frontEnd_.Errors().empty());

  TLevel::ForgetCells();
  WriteLevelFile({{10120104, 10200, 30}, {30020102, 9900, 12}, {40020101, 0, 5}, {50020101, -500, 5}});
  EXPECT_NEAR(CombinedLevel(race, 0), 1 + 0.02 - 0.01, 1e-12);
  EXPECT_NEAR(CombinedLevel(race, 1), 1 - 0.01, 1e-12) << "table 1 left out";
  EXPECT_NEAR(CombinedLevel(race, 3), 1.02, 1e-12) << "table 3 left out";
  EXPECT_EQ(_Level4->GetLevel({0, 2, 1, 1}), 1.0) << "a mean of 0 reads as 1.0";
  EXPECT_EQ(_Level5->GetLevel({0, 2, 1, 1}), 1.0) << "a negative mean reads as 1.0";
  EXPECT_EQ(_Level2->RaceLevel(MakeRace({.track = 51, .distance = 3000})), 1.0) << "jumps: not in table 2";
}

TEST_F(LevelList, LoadOfAFileOfWrongLengthIsReportedAndKeepsTheCells) {
  WriteLevelFile({{30020102, 9900, 12}});
  _Level3->Load();
  ASSERT_EQ(TLevel::Cells().size(), 1u);
  WriteFileAtomically(DataFolder() + "LEVEL.DAT", LevelFile() + "123");
  _Level3->Load();
  EXPECT_EQ(TLevel::Cells().size(), 1u);
  ASSERT_EQ(frontEnd_.Errors().size(), 1u);
  EXPECT_NE(SjisToUtf8(frontEnd_.Errors()[0]).find("LEVEL.DAT"), std::string::npos);
  EXPECT_NE(SjisToUtf8(frontEnd_.Errors()[0]).find("23"), std::string::npos) << "the length";
}

TEST_F(LevelList, TableOneAnchorsDivisionOneAndJoinsTheDivisionsAbove) {
  // Turf (B 1) of A 1: division 1 has classes 3 and 5, division 2 is empty,
  // division 3 has classes 5 and 9; its highest class 9 has no cell below,
  // so it keeps its own anchor. Division 4 has class 5, joined to division
  // 3's class 5 once that is shifted.
  WriteLevelFile({{10110103, 10300, 1},
                  {10110105, 10800, 1},
                  {10110305, 11000, 1},
                  {10110309, 11500, 1},
                  {10110405, 9000, 1},
                  {30010102, 9800, 1}});
  _Level1->Load();
  _Level1->Save();
  EXPECT_NEAR(Level(10110103), 1.0, 1e-9);
  EXPECT_NEAR(Level(10110105), 1.05, 1e-9);
  // Division 3: anchor offset 0 (division 1 now at 1.0); its top class 9
  // has no cell in a lower division: shifted by 0.
  EXPECT_NEAR(Level(10110305), 1.10, 1e-9);
  EXPECT_NEAR(Level(10110309), 1.15, 1e-9);
  // Division 4 joins division 3 at class 5: 0.90 → 1.10.
  EXPECT_NEAR(Level(10110405), 1.10, 1e-9);
  EXPECT_NEAR(Level(30010102), 0.98, 1e-9) << "another table's cell is left alone";
  EXPECT_EQ(LevelFile(),
            "101101031000000001\r\n101101051050000001\r\n101103051100000001\r\n"
            "101103091150000001\r\n101104051100000001\r\n300101020980000001\r\n");
}

TEST_F(LevelList, TablesTwoToFiveAreCentredOnTheirFirstCode) {
  WriteLevelFile({{20120102, 10400, 3},
                  {20120105, 10100, 3},
                  {30020101, 10100, 4},
                  {30020102, 10300, 4},
                  {40010103, 9700, 2},
                  {40010101, 10200, 2}});
  _Level2->Load();
  _Level2->Save();
  EXPECT_NEAR(Level(20120102), 1.00, 1e-9);
  EXPECT_NEAR(Level(20120105), 0.97, 1e-9);
  _Level3->Save();
  EXPECT_NEAR(Level(30020101), 1.00, 1e-9);
  EXPECT_NEAR(Level(30020102), 1.02, 1e-9);
  _Level4->Save();
  EXPECT_NEAR(Level(40010101), 1.00, 1e-9);
  EXPECT_NEAR(Level(40010103), 0.95, 1e-9);
}

TEST_F(LevelList, RebuildingOneTableKeepsTheOthersCellsAndBacksUpTheFile) {
  WriteLevelFile({{10120104, 10200, 30}, {30020101, 10000, 2}, {30020102, 9900, 12}, {40020101, 10000, 5}});
  const std::string before = LevelFile();
  _Level3->Clear();
  _Level3->Save();
  _Level3->Load();
  EXPECT_EQ(LevelFile(), "101201041020000030\r\n400201011000000005\r\n");
  std::string backup;
  ASSERT_TRUE(ReadWholeFile(DataFolder() + "LEVEL.BAK", backup));
  EXPECT_EQ(backup, before);
  EXPECT_TRUE(_Level1->IsChanged()) << "every table answers for the one file";
  _Level3->Save();
  EXPECT_FALSE(_Level3->IsChanged());
}

TEST_F(LevelList, DumpShowsEveryCellWithItsCount) {
  WriteLevelFile({{30010101, 10000, 7}, {30010103, 10250, 12}, {30020310, 9870, 3}});
  _Level3->Load();
  _Level3->Save();
  std::string dump;
  ASSERT_TRUE(ReadWholeFile(ProgramFolder() + "DATA/LEVEL3.TXT", dump));
  const std::string blank(6, ' ');
  auto row = [&](const std::vector<std::pair<int, std::string>>& cells) {
    std::string line;
    for (int d = 0; d < 16; ++d) {
      std::string cell = blank;
      for (const auto& [at, text] : cells) {
        if (at == d) cell = text;
      }
      line += cell;
    }
    return line + "\n";
  };
  std::string expected = "[0]\n";
  expected += row({{1, " 10000"}, {3, " 10250"}}) + row({{1, "     7"}, {3, "    12"}});
  for (int c = 2; c <= 5; ++c) expected += row({}) + row({});
  expected += row({}) + row({}) + row({}) + row({});
  expected += row({{10, "  9870"}}) + row({{10, "     3"}});
  expected += row({}) + row({}) + row({}) + row({});
  EXPECT_EQ(dump, expected);
}

TEST_F(LevelList, LevelsAreMeasuredAgainstTheBaseTime) {
  // Two dirt 1000 m races: a mixed race (condition code 1) and an ordinary
  // one (code 2) a second faster for every runner. The base time is their
  // mean; after the table is centred on code 1 the ordinary race is
  // 1 + 10 ÷ 1000 = 1.01.
  const TResult mixed = MakeRace({.symbol = "A  ", .raceNo = 5, .times = {600, 610, 620}});
  const TResult ordinary = MakeRace({.raceNo = 6, .times = {590, 600, 610}});
  _BaseList->Clear();
  _BaseList->AddRace(mixed);
  _BaseList->AddRace(ordinary);
  _BaseList->Save();
  _BaseList->Load();
  _Level3->Clear();
  _Level3->AddRace(mixed);
  _Level3->AddRace(ordinary);
  _Level3->AddRace(MakeRace({.raceNo = 7, .times = {600}}));  // one finisher: no figure, not counted
  _Level3->Save();
  EXPECT_NEAR(Level(30020101), 1.0, 1e-9);
  EXPECT_NEAR(Level(30020102), 1.01, 1e-9);
  EXPECT_EQ(TLevel::Cells().at(30020102).Count, 1);
  EXPECT_EQ(LevelFile(), "300201011000000001\r\n300201021010000001\r\n");
}

TEST_F(LevelList, ARebuildWithinOneStepOfTheFileKeepsTheLevelBefore) {
  // Over 1200 m one second a runner is 1 + 10 ÷ 1200 = 1.008333.
  const TResult mixed = MakeRace({.symbol = "A  ", .distance = 1200, .raceNo = 5, .times = {720, 730, 740}});
  const TResult ordinary = MakeRace({.distance = 1200, .raceNo = 6, .times = {710, 720, 730}});
  _BaseList->AddRace(mixed);
  _BaseList->AddRace(ordinary);
  _BaseList->Save();
  _BaseList->Load();
  for (const auto& [before, after] : {std::pair{10084, 10084}, std::pair{10085, 10083}}) {
    WriteLevelFile({{30020101, 10000, 1}, {30020102, before, 1}});
    _Level3->Load();
    _Level3->Clear();
    _Level3->AddRace(mixed);
    _Level3->AddRace(ordinary);
    _Level3->Save();
    char expected[64];
    std::snprintf(expected, sizeof expected, "300201011000000001\r\n30020102%05d00001\r\n", after);
    EXPECT_EQ(LevelFile(), expected) << before;
  }
}

}  // namespace
