// Horses and their past runs, read from a small database written with the
// sample world's record writers.
#include "database/horse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/horse_reader.h"
#include "database/race.h"
#include "database/race_cache.h"
#include "database/race_reader.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

constexpr int kSire = 11000123;

struct TEntry {
  int horse;       // index into the world's horses
  int bodyWeight;  // kilograms
  int jockey;      // jockey code
};

// A database of runs of a few horses of 2021:
//   H0 2021000005  two runs (its rows come first in the runs index)
//   A  2021100001  2025-01-05, 03-01 (cancelled), 04-05, 05-10, 06-01; its
//                  horse-index row has blanks where the runs row belongs
//   F  2021100003  a foal-index horse with one run
//   D  2021100007  a debutant on 2025-05-10
//   U  2021100008  one run, but neither index knows it
class HorseDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    sample::TBreedingHorse sire;
    sire.number = kSire;
    sire.name = Utf8ToSjis("ミズナラオー");
    sire.birthYear = 2010;
    world_.breedingHorses.push_back(sire);
    h0_ = AddHorse(2021000005, "ハヤテ");
    a_ = AddHorse(2021100001, "ミカゲムーン");
    f_ = AddHorse(2021100003, "");
    d_ = AddHorse(2021100007, "ハジメテノウマ");
    u_ = AddHorse(2021100008, "ナゾノウマ");
    world_.horses[static_cast<std::size_t>(a_)].birthDate = 20210312;
    world_.horses[static_cast<std::size_t>(f_)].birthDate = 20210405;
    for (int i : {a_, f_}) world_.horses[static_cast<std::size_t>(i)].sire = kSire;

    AddRace(20250105, 6, 1, 1, 1, '7', {{a_, 470, 1101}, {h0_, 500, 1102}, {u_, 430, 1103}});
    AddRace(20250301, 6, 2, 1, 1, '9', {{a_, 476, 1101}});
    AddRace(20250405, 9, 2, 3, 5, '7', {{a_, 480, 1104}, {h0_, 502, 1102}, {f_, 450, 1103}});
    raceKey_ = AddRace(20250510, 5, 2, 4, 11, '7', {{a_, 486, 1105}, {d_, 490, 1106}});
    AddRace(20250601, 5, 3, 1, 11, '7', {{a_, 484, 1107}});
    WriteRaces();

    std::string um = "2021000005000000" + std::string("2021100001") + "      ";
    home_.WriteFile("DATA/UM/2021.IDX", um);
    sample::TMasterStats stats;
    stats.flatPrize = 12345;
    stats.jumpAdded = 67;
    home_.WriteFile("DATA/UM/2021.DAT", sample::UmRecord(world_, Horse(h0_), stats, '1', 20250701) +
                                            sample::UmRecord(world_, Horse(a_), stats, '1', 20250701));
    char row[32];
    std::snprintf(row, sizeof row, "2021100003%06d", FirstRunsRow(2021100003));
    home_.WriteFile("DATA/SK/2021.IDX", row);
    home_.WriteFile("DATA/SK/2021.DAT", sample::SkRecord(world_, Horse(f_), '1', 20250701));
    home_.WriteFile("DATA/HN/1100.DAT", sample::HnRecord(sire, '1', 20250101));
  }
  void TearDown() override { DestroyProcessObjects(); }

  int AddHorse(std::int64_t id, const char* name) {
    sample::THorse h;
    h.id = id;
    h.name = Utf8ToSjis(name);
    world_.horses.push_back(h);
    return static_cast<int>(world_.horses.size()) - 1;
  }
  const sample::THorse& Horse(int i) const { return world_.horses[static_cast<std::size_t>(i)]; }

  // Adds a race with its runners (horse numbers in entry order) to its
  // meeting file and its runs to the runs index; returns its key.
  std::string AddRace(int date, int venue, int meeting, int day, int raceNo, char dataKind,
                      const std::vector<TEntry>& entries) {
    sample::TRace race;
    race.date = date;
    race.venue = venue;
    char text[32];
    std::snprintf(text, sizeof text, "%02d", venue);
    race.venueCode = text;
    race.meeting = meeting;
    race.meetingDay = day;
    race.raceNo = raceNo;
    std::snprintf(text, sizeof text, "%08d%02d%02d%02d%02d", date, venue, meeting, day, raceNo);
    race.key = text;
    race.weekday = 1;
    race.distance = 1600;
    race.track = 11;
    race.conditions = {0, 5, 5, 5, 5};
    race.registered = race.starters = race.finishers = static_cast<int>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      sample::TRunner r;
      r.horse = entries[i].horse;
      r.horseNo = static_cast<int>(i) + 1;
      r.frame = std::min(r.horseNo, 8);
      r.age = 4;
      r.carried = 560;
      r.jockeyCode = entries[i].jockey;
      r.bodyWeight = entries[i].bodyWeight;
      r.position = r.arrival = r.horseNo;
      r.time = 960 + r.horseNo;
      r.margin = i == 0 ? "" : "1  ";
      r.corners = {r.horseNo, r.horseNo, r.horseNo, r.horseNo};
      r.odds = 35;
      race.runners.push_back(r);
      runs_.emplace_back(Horse(r.horse).id, race.key);
    }
    int file = date / 10000 * 10000 + venue * 100 + meeting;
    meetings_[file].first += sample::RaRecord(race, dataKind, 20250701);
    for (const sample::TRunner& r : race.runners) {
      meetings_[file].second += sample::SeRecord(world_, race, r, dataKind, 20250701);
    }
    races_.push_back(race);
    return race.key;
  }

  void WriteRaces() {
    for (const auto& [file, records] : meetings_) {
      home_.WriteFile("DATA/RA/" + std::to_string(file) + ".DAT", records.first);
      home_.WriteFile("DATA/SE/" + std::to_string(file) + ".DAT", records.second);
    }
    std::sort(runs_.begin(), runs_.end());
    std::map<int, std::string> index;
    for (const auto& [id, key] : runs_) index[static_cast<int>(id / 1000000)] += std::to_string(id) + key;
    for (const auto& [year, rows] : index) home_.WriteFile("DATA/SE/" + std::to_string(year) + ".IDX", rows);
  }

  int FirstRunsRow(std::int64_t id) const {
    auto at = std::find_if(runs_.begin(), runs_.end(), [id](const auto& run) { return run.first / 1000000 == id / 1000000; });
    auto it = std::find_if(at, runs_.end(), [id](const auto& run) { return run.first == id; });
    return static_cast<int>(it - at);
  }

  static TRaceID Key(const std::string& key) {
    TRaceID id;
    id.SetRaceKey(std::string_view(key));
    return id;
  }

  static std::vector<int> Dates(const THorse& horse) {
    std::vector<int> dates;
    for (const THorseInfo55& run : horse.PastRuns()) dates.push_back(run.DateNumber());
    return dates;
  }

  TTempHome home_;
  TRecordingFrontEnd front_;
  sample::TWorld world_;
  std::vector<sample::TRace> races_;
  std::map<int, std::pair<std::string, std::string>> meetings_;
  std::vector<std::pair<std::int64_t, std::string>> runs_;
  std::string raceKey_;
  int h0_ = 0, a_ = 0, f_ = 0, d_ = 0, u_ = 0;
};

}  // namespace

TEST_F(HorseDatabase, RunnersSeeOnlyTheValidRunsBeforeTheRace) {
  if (_CacheList == nullptr) GTEST_SKIP();
  TResult race = _CacheList->Race(Key(raceKey_));
  std::vector<THorse> horses = RunnersAsHorses(race, true);
  ASSERT_EQ(horses.size(), 2u);
  const THorse& a = horses[0];
  EXPECT_TRUE(a.SharesDataWith(race));
  EXPECT_EQ(a.HorseNo(), 1);
  EXPECT_EQ(a.JockeyCode(), 1105) << "the entry in this race, not the master's";
  EXPECT_DOUBLE_EQ(a.WinOdds(), 3.5);
  // Not the race itself, nor the later one, nor the cancelled one; found
  // although the horse index has no runs row for it.
  EXPECT_EQ(Dates(a), (std::vector<int>{20250405, 20250105}));
  EXPECT_EQ(a.RestDays(), 35);
  EXPECT_EQ(a.PastRuns()[0].Interval(), 90);
  EXPECT_EQ(a.PastRuns()[1].Interval(), 0);
  EXPECT_EQ(a.PastRuns()[0].HorseNo(), 1) << "the horse's own entry in the past race";
  EXPECT_EQ(a.PastRuns()[0].BodyWeight(), 480);
  EXPECT_EQ(a.PastRuns()[0].FieldSize(), 3);
  EXPECT_EQ(a.BodyWeightText(), "486+ 6");
  EXPECT_EQ(SjisToUtf8(a.AncestorName(0)), "ミズナラオー");

  const THorse& d = horses[1];
  EXPECT_TRUE(d.PastRuns().empty());
  EXPECT_EQ(SjisToUtf8(d.BodyWeightText()), "490 初");
  EXPECT_TRUE(HasDebutant(horses));
  EXPECT_FALSE(HasDebutant({a}));

  std::vector<THorse> all = RunnersAsHorses(race, false, true);
  EXPECT_EQ(Dates(all[0]), (std::vector<int>{20250601, 20250510, 20250405, 20250105}));
  EXPECT_EQ(all[0].PastRuns()[1].Interval(), 35);
  EXPECT_EQ(all[0].RestDays(), 0);
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(HorseDatabase, ACutOffWithoutARunThatDayKeepsTheEarlierRuns) {
  if (_CacheList == nullptr) GTEST_SKIP();
  THorse a = ReadHorse(2021100001, false);
  ASSERT_EQ(a.PastRuns().size(), 5u);
  a.PreparePastRuns(20250420);
  EXPECT_EQ(Dates(a), (std::vector<int>{20250405, 20250105}));
  EXPECT_EQ(a.RestDays(), 15);
}

TEST_F(HorseDatabase, HorsesFromTheHorseOrFoalIndexOrNone) {
  if (_CacheList == nullptr) GTEST_SKIP();
  THorse a = ReadHorse(2021100001, true);
  EXPECT_EQ(SjisToUtf8(a.HorseName()), "ミカゲムーン");
  EXPECT_EQ(a.Data().BirthDate, 20210312);
  EXPECT_EQ(a.Data().Pedigree[0], kSire);
  EXPECT_EQ(a.PrizeSum(kMainPrize, 0), 12345);
  EXPECT_EQ(a.PrizeSum(kAddedPrize, 1), 67);
  EXPECT_EQ(a.PrizeSum(kMainPrize, 2), 0);
  EXPECT_EQ(a.AgeIn(2025), 4);
  EXPECT_EQ(a.Year, 0) << "no race part";
  EXPECT_EQ(a.PastRuns().size(), 5u);
  EXPECT_EQ(ReadHorse(2021000005, false).PastRuns().size(), 2u);

  THorse f = ReadHorse(2021100003, true);
  EXPECT_EQ(f.HorseID(), 2021100003);
  EXPECT_EQ(f.Data().BirthDate, 20210405);
  EXPECT_EQ(SjisToUtf8(f.AncestorName(0)), "ミズナラオー") << "looked up in the breeding horse master";
  EXPECT_EQ(f.AncestorName(14), "");
  ASSERT_EQ(f.PastRuns().size(), 1u);
  EXPECT_EQ(f.PastRuns()[0].RaceKey(), "2025040509020305");

  THorse u = ReadHorse(2021100008, true);
  EXPECT_EQ(u.HorseID(), 0);
  EXPECT_TRUE(u.HorseName().empty());
  EXPECT_TRUE(u.PastRuns().empty());
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(HorseDatabase, AHorseMasterOfTheWrongSizeIsReportedAndNotUsed) {
  if (_CacheList == nullptr) GTEST_SKIP();
  home_.WriteFile("DATA/UM/2021.DAT", home_.ReadFile("DATA/UM/2021.DAT") + " ");
  THorse a = ReadHorse(2021100001, true);
  EXPECT_EQ(a.HorseID(), 2021100001);
  EXPECT_TRUE(a.HorseName().empty());
  EXPECT_EQ(a.PastRuns().size(), 5u);
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_NE(SjisToUtf8(front_.Errors()[0]).find("ファイルサイズに異常有り（3155）"), std::string::npos);
}

TEST_F(HorseDatabase, ASpeciallyRegisteredHorseTakesTheJockeyOfItsNewestRun) {
  if (_CacheList == nullptr) GTEST_SKIP();
  sample::TRace tk = races_.back();
  tk.date = 20250615;
  tk.key = "2025061505030211";
  TResult race = TResult::FromTk(sample::TkRecord(world_, tk, {a_}, '1', 20250610).c_str());
  ASSERT_LT(race.DataKind(), 0);
  std::vector<THorse> horses = RunnersAsHorses(race, false);
  ASSERT_EQ(horses.size(), 1u);
  EXPECT_EQ(Dates(horses[0]).front(), 20250601);
  EXPECT_EQ(horses[0].JockeyCode(), 1107);
  EXPECT_DOUBLE_EQ(horses[0].WinOdds(), 0) << "no odds before the final card";
}

TEST_F(HorseDatabase, ARaceCardOf18RunnersReadsEachMeetingOnce) {
  if (_CacheList == nullptr) GTEST_SKIP();
  std::vector<TEntry> field;
  std::string index;
  for (int i = 0; i < 18; ++i) {
    int id = 2022100101 + i;
    field.push_back({AddHorse(id, "ウマ"), 460 + i, 1101});
  }
  AddRace(20250105, 6, 1, 1, 2, '7', field);
  AddRace(20250202, 5, 1, 4, 3, '7', field);
  std::string card = AddRace(20250301, 6, 2, 1, 11, '7', field);
  WriteRaces();
  for (int i = 0; i < 18; ++i) {
    char row[32];
    std::snprintf(row, sizeof row, "%d%06d", 2022100101 + i, 3 * i);
    index += row;
  }
  home_.WriteFile("DATA/UM/2022.IDX", index);

  const int before = _CacheList->MeetingReads();
  // The cache's own shared result, handed on as it is.
  std::vector<THorse> horses = RunnersAsHorses(_CacheList->Race(Key(card)), false);
  EXPECT_EQ(_CacheList->MeetingReads() - before, 3);
  ASSERT_EQ(horses.size(), 18u);
  for (const THorse& h : horses) {
    EXPECT_EQ(h.RaceNo, 11);
    EXPECT_EQ(Dates(h), (std::vector<int>{20250202, 20250105}));
  }
  EXPECT_EQ(horses[17].HorseNo(), 18);

  // The race card keeps them; its ranked list is in finishing order and
  // nobody on it is a debutant.
  TRace race(_CacheList->Race(Key(card)));
  race.SetHorses(horses);
  EXPECT_FALSE(race.HasDebutant());
  const std::vector<THorse>& ranked = race.RankedHorses();
  ASSERT_EQ(ranked.size(), 18u);
  for (std::size_t i = 1; i < ranked.size(); ++i) EXPECT_FALSE(FinishOrderLess(ranked[i], ranked[i - 1]));
  race.MutableHorses()[3].MutablePastRuns().clear();
  EXPECT_TRUE(race.HasDebutant());
}

TEST(Horse, BodyWeightText) {
  auto horse = [](int weight, int abnormality, std::vector<int> pastWeights) {
    THorse h;
    h.SetBodyWeight(weight);
    h.SetAbnormality(abnormality);
    for (int w : pastWeights) {
      TResultInfo entry;
      entry.SetBodyWeight(w);
      THorseInfo55 run;
      run.SetRace(TResult(), entry);
      h.MutablePastRuns().push_back(run);
    }
    return SjisToUtf8(h.BodyWeightText());
  };
  EXPECT_EQ(horse(480, 0, {}), "480 初");
  EXPECT_EQ(horse(480, 0, {470}), "480+10");
  EXPECT_EQ(horse(480, 0, {0, 484}), "480- 4") << "the newest run that was weighed";
  EXPECT_EQ(horse(480, 0, {480}), "480  0");
  EXPECT_EQ(horse(480, 0, {0}), "480");
  EXPECT_EQ(horse(480, 23, {470}), "") << "scratched";
  EXPECT_EQ(horse(0, 0, {470}), "");
}

TEST(Horse, MarkText) {
  const std::pair<int, const char*> cases[] = {{0, "   "}, {1, "◎1"}, {2, "○2"}, {3, "▲3"},
                                               {4, "△4"},  {6, "△6"}, {9, "△9"}, {10, "‥ "}, {-2, "‥ "}};
  for (const auto& [mark, text] : cases) {
    THorse h;
    h.SetMark(mark);
    EXPECT_EQ(SjisToUtf8(h.MarkText()), text) << mark;
    EXPECT_EQ(h.MarkText().size(), 3u) << mark;
  }
}
