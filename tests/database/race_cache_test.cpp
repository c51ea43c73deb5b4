// The race cache over record files written by the sample world's writers.
#include "database/race_cache.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/database_files.h"
#include "database/key_listing.h"
#include "database/race_codes.h"
#include "database/race_reader.h"
#include "sample/sample_news_records.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

TRaceID Key(const std::string& key) {
  TRaceID id;
  id.SetRaceKey(std::string_view(key));
  return id;
}

// A race of `runners` runners (horse numbers 1..n, horses 0..n-1 of the
// world) keyed by `key` (YYYYMMDDJJKKNNRR).
sample::TRace MakeRace(const std::string& key, int track, int runners) {
  sample::TRace race;
  race.key = key;
  TRaceID id = Key(key);
  race.date = id.DateNumber();
  race.venue = id.Venue;
  race.venueCode = key.substr(8, 2);
  race.meeting = id.Meeting;
  race.meetingDay = id.MeetingDay;
  race.raceNo = id.RaceNo;
  race.weekday = 1;
  race.distance = 1600;
  race.track = track;
  race.surface = track >= 51 ? sample::kJump : track >= 23 ? sample::kDirt : sample::kTurf;
  race.ageCode = 13;
  race.conditions = {0, 5, 5, 5, 5};
  race.registered = race.starters = race.finishers = runners;
  race.startTime = 1000 + 30 * race.raceNo;
  race.weather = 2;
  race.turfGoing = race.dirtGoing = 2;
  for (int i = 0; i < runners; ++i) {
    sample::TRunner r;
    r.horse = i;
    r.horseNo = r.frame = i + 1;
    r.age = 4;
    r.jockeyCode = 101;
    r.carried = 570;
    r.position = r.arrival = i + 1;
    r.time = 960 + i;
    race.runners.push_back(r);
  }
  return race;
}

class RaceCache : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    for (int i = 0; i < 4; ++i) {
      sample::THorse h;
      h.id = 2021100001 + i;
      h.name = Utf8ToSjis("ミズナラ");
      h.sex = 1;
      world_.horses.push_back(h);
    }
    sample::TPerson jockey;
    jockey.code = 1234;
    jockey.name = SJ("ミズナラ  太郎");
    world_.jockeys.push_back(jockey);
  }
  void TearDown() override { DestroyProcessObjects(); }

  // Writes the RA and SE files of a meeting; every runner's data kind is
  // `runnerKinds[horseNo - 1]` when given, else the race's.
  void WriteMeeting(const std::string& fileNumber, std::vector<sample::TRace> races, char raceKind,
                    const std::string& runnerKinds = "") {
    std::string ra, se;
    for (sample::TRace& race : races) {
      race.settled = raceKind >= '7';
      ra += sample::RaRecord(race, raceKind, 20250101);
      for (const sample::TRunner& r : race.runners) {
        std::size_t i = static_cast<std::size_t>(r.horseNo - 1);
        char kind = i < runnerKinds.size() ? runnerKinds[i] : raceKind;
        se += sample::SeRecord(world_, race, r, kind, 20250101);
      }
    }
    home_.WriteFile("DATA/RA/" + fileNumber + ".DAT", ra);
    home_.WriteFile("DATA/SE/" + fileNumber + ".DAT", se);
  }

  TTempHome home_;
  TRecordingFrontEnd front_;
  sample::TWorld world_;
};

}  // namespace

TEST_F(RaceCache, ReadsAMeetingOnceHoweverManyRacesAreAsked) {
  WriteMeeting("20250402", {MakeRace("2025082404020801", 17, 3), MakeRace("2025082404020802", 23, 2)}, '7');
  home_.WriteFile("DATA/RA/2025.IDX", "20250824040208012025082404020802");

  const TResult& first = _CacheList->Race(Key("2025082404020801"));
  EXPECT_EQ(first.RaceNo, 1);
  EXPECT_EQ(first.Runners().size(), 3u);
  EXPECT_EQ(_CacheList->Race(Key("2025082404020802")).Runners().size(), 2u);
  EXPECT_EQ(_CacheList->Race(Key("2025082404020803")).Year, 0) << "no such race in the meeting";
  std::vector<TRace> races = RacesOfKey(ListKeys(22, kJraRaces).at(0));
  ASSERT_EQ(races.size(), 2u);
  EXPECT_EQ(races[1].Runners().size(), 2u);
  EXPECT_EQ(_CacheList->MeetingReads(), 1);

  std::remove((home_.path() + "DATA/RA/20250402.DAT").c_str());
  EXPECT_EQ(_CacheList->Race(Key("2025082404020801")).RaceNo, 1) << "kept in memory";
  _CacheList->ForgetMeeting(20250402);
  EXPECT_EQ(_CacheList->Race(Key("2025082404020801")).Year, 0);
  EXPECT_EQ(_CacheList->MeetingReads(), 2);
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(RaceCache, AMissingMeetingIsAnEmptyRaceAndNotSearchedAgainUntilCleared) {
  TRaceID id = Key("2025031506010105");
  EXPECT_EQ(_CacheList->Race(id).Year, 0);
  WriteMeeting("20250601", {MakeRace("2025031506010105", 17, 2)}, '7');
  EXPECT_EQ(_CacheList->Race(id).Year, 0) << "the empty meeting is remembered";
  EXPECT_EQ(_CacheList->MeetingReads(), 1);

  home_.WriteFile("DATA/UM/2021.IDX", "2021100001000003");
  EXPECT_EQ(_CacheList->HorseIndex(2021100001), std::make_pair(0, 3));
  _CacheList->Clear();
  home_.WriteFile("DATA/UM/2021.IDX", "2021100001000009");
  EXPECT_EQ(_CacheList->HorseIndex(2021100001), std::make_pair(0, 9)) << "the index was cleared too";
  EXPECT_EQ(_CacheList->Race(id).Runners().size(), 2u);
  EXPECT_EQ(_CacheList->MeetingReads(), 2);
  EXPECT_TRUE(front_.Errors().empty()) << "a missing meeting is not reported";
}

// The day's news over a race card of each data kind: runner news (WH, AV,
// JC) for kinds 2-6 and runners of kind 2 only, race news (WE, TC, CC) for
// kind 2 only.
TEST_F(RaceCache, AppliesTheDaysNewsByDataKind) {
  struct TCase {
    char raceKind;
    bool runnerNews;
    bool raceNews;
  };
  for (const TCase& c : {TCase{'2', true, true}, TCase{'3', true, false}, TCase{'6', true, false},
                         TCase{'7', false, false}}) {
    SCOPED_TRACE(std::string("race data kind ") + c.raceKind);
    _CacheList->Clear();
    sample::TRace race = MakeRace("2025082404020801", 17, 4);
    sample::TRace other = MakeRace("2025082404020802", 17, 4);
    // Runner 4 already holds a result.
    WriteMeeting("20250402", {race, other}, c.raceKind, std::string(3, c.raceKind == '7' ? '7' : '2') + "7");

    race.news.bodyWeights = {{1, 470}, {4, 500}};
    std::string wh = sample::WhRecord(race, 20250824);
    race.news.bodyWeights = {{1, 480}};
    wh += sample::WhRecord(race, 20250824);  // the later record wins
    other.news.bodyWeights = {{2, 510}};
    wh += sample::WhRecord(other, 20250824);
    home_.WriteFile("DATA/WH/20250824.DAT", wh);
    home_.WriteFile("DATA/WE/20250824.DAT",
                    sample::WeRecord("20250824050208", 8241000, 1, 5, 4, 4, 20250824) +  // another racecourse
                        sample::WeRecord(race.key, 8241000, 1, 1, 1, 2, 20250824) +
                        sample::WeRecord(race.key, 8241200, 3, 3, 3, 4, 20250824));
    home_.WriteFile("DATA/AV/20250824.DAT",
                    sample::AvRecord(race, 1, '1', 20250824) + sample::AvRecord(race, 2, '2', 20250824) +
                        sample::AvRecord(race, 2, '3', 20250824) + sample::AvRecord(race, 4, '1', 20250824));
    sample::TRaceNews::TJockeyChange change;
    change.horseNo = 3;
    change.carried = 550;
    change.jockeyCode = 1234;
    change.apprentice = 2;
    home_.WriteFile("DATA/JC/20250824.DAT", sample::JcRecord(world_, race, change, 20250824));
    race.news.newStartTime = 1545;
    home_.WriteFile("DATA/TC/20250824.DAT", sample::TcRecord(race, 20250824));
    race.news.newDistance = 2000;
    race.news.newTrack = 24;
    home_.WriteFile("DATA/CC/20250824.DAT", sample::CcRecord(race, 20250824));

    for (int request = 0; request < 2; ++request) {  // the same race at every request
      const TResult& r = _CacheList->Race(Key(race.key));
      ASSERT_EQ(r.Runners().size(), 4u);
      const std::vector<TResultInfo>& runners = r.Runners();
      EXPECT_EQ(runners[0].BodyWeight(), c.runnerNews ? 480 : 0);
      EXPECT_EQ(runners[3].BodyWeight(), 0) << "a runner with a result keeps its weight";
      EXPECT_EQ(runners[1].BodyWeight(), 0) << "another race's weight";
      EXPECT_EQ(runners[0].Abnormality(), c.runnerNews ? 23 : 0);
      EXPECT_EQ(runners[1].Abnormality(), c.runnerNews ? 22 : 0) << "kind 3 changes nothing";
      EXPECT_EQ(runners[3].Abnormality(), 0);
      EXPECT_EQ(runners[2].RawJockeyCode(), c.runnerNews ? -1234 : 101);
      if (c.runnerNews) {
        EXPECT_EQ(SjisToUtf8(runners[2].RawJockeyName()), "ミズナラ 太郎");
        EXPECT_EQ(runners[2].Carried(), 550);
        EXPECT_EQ(runners[2].Apprentice(), 2);
      }
      EXPECT_EQ(r.Weather(), c.raceNews ? 1 : c.raceKind == '7' ? 2 : 0) << "change kind 3 keeps the weather";
      EXPECT_EQ(r.TurfGoing(), c.raceNews ? 3 : c.raceKind == '7' ? 2 : 0);
      EXPECT_EQ(r.DirtGoing(), c.raceNews ? 4 : c.raceKind == '7' ? 2 : 0);
      EXPECT_EQ(r.StartTime(), c.raceNews ? 1545 : 1030);
      EXPECT_EQ(r.Distance(), c.raceNews ? 2000 : 1600);
      EXPECT_EQ(r.Track(), c.raceNews ? TrackValueOfCode(24) : TrackValueOfCode(17));
    }
    EXPECT_EQ(_CacheList->Race(Key(other.key)).Runners()[1].BodyWeight(), c.runnerNews ? 510 : 0);
  }
  EXPECT_EQ(_CacheList->MeetingReads(), 4);
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(RaceCache, ANewsFileOfTheWrongLengthIsReportedAndSkipped) {
  sample::TRace race = MakeRace("2025082404020801", 17, 2);
  WriteMeeting("20250402", {race}, '2');
  home_.WriteFile("DATA/WH/20250824.DAT", std::string(100, ' '));
  race.news.newStartTime = 1545;
  home_.WriteFile("DATA/TC/20250824.DAT", sample::TcRecord(race, 20250824));
  const TResult& r = _CacheList->Race(Key(race.key));
  EXPECT_EQ(r.Runners()[0].BodyWeight(), 0);
  EXPECT_EQ(r.StartTime(), 1545) << "the other files still apply";
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_NE(front_.Errors()[0].find("WH"), std::string::npos);
}

TEST_F(RaceCache, RecordsAGroupCodeForEveryLoadedMeeting) {
  struct TCase {
    const char* firstKey;  // the meeting's first race, a flat one
    int secondTrack;       // track code of its second race (51-59 a jump race)
    int group;
  };
  const TCase cases[] = {
      {"2025061401010101", 17, 33}, {"2025061402010101", 23, 33}, {"2025061403010101", 17, 22},
      {"2025061404010101", 17, 22}, {"2025061407010101", 17, 12}, {"2025061410010101", 17, 12},
      {"2025061405010101", 17, 0},  {"2025061408010101", 17, 0},
      // Jump meetings: 3-6 get 20 (+1 in July or August), 7-10 get 10 (+1 in August).
      {"2025061403010101", 54, 20}, {"2025071406010101", 54, 21}, {"2025081404010101", 52, 21},
      {"2025061407010101", 54, 10}, {"2025071410010101", 54, 10}, {"2025081408010101", 54, 11},
      {"2025081401010101", 54, 0},
      // Other racecourses: 42-45 get 91, the rest of 30-61 92, others nothing.
      {"2025061442010101", 23, 91}, {"2025061445010101", 23, 91}, {"2025061430010101", 23, 92},
      {"2025061441010101", 23, 92}, {"2025061446010101", 23, 92}, {"2025061461010101", 23, 92},
      {"2025061462010101", 23, 0},  {"2025061420010101", 23, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.firstKey) + " track " + std::to_string(c.secondTrack));
    _CacheList->Clear();
    std::string second = std::string(c.firstKey).substr(0, 14) + "02";
    TRaceID id = Key(c.firstKey);
    WriteMeeting(std::to_string(MeetingFileNumber(id)), {MakeRace(c.firstKey, 17, 2), MakeRace(second, c.secondTrack, 2)},
                 id.Venue <= 10 ? '7' : 'A');
    EXPECT_EQ(_CacheList->GroupCode(id), 0) << "not loaded yet";
    ASSERT_EQ(_CacheList->Race(id).RaceNo, 1);
    EXPECT_EQ(_CacheList->GroupCode(Key(second)), c.group);
  }
  // A JRA group belongs to its meeting, another racecourse's to the racecourse.
  EXPECT_EQ(_CacheList->GroupCode(Key("2025061408020101")), 0);
  _CacheList->Race(Key("2025061445010101"));
  EXPECT_EQ(_CacheList->GroupCode(Key("2019120245090905")), 91);
  // A meeting without races records nothing.
  _CacheList->Race(Key("2025061401050101"));
  EXPECT_EQ(_CacheList->GroupCode(Key("2025061401050101")), 0);
}

// The horse index (UM) and the foal index (SK) of a birth year.
TEST_F(RaceCache, KeepsTheHorseAndFoalIndexOfABirthYear) {
  struct TIndex {
    const char* folder;
    std::pair<int, int> (TCacheList::*lookUp)(int);
    void (TCacheList::*forget)(int);
  };
  for (const TIndex& index : {TIndex{"UM", &TCacheList::HorseIndex, &TCacheList::ForgetHorseYear},
                              TIndex{"SK", &TCacheList::FoalIndex, &TCacheList::ForgetFoalYear}}) {
    SCOPED_TRACE(index.folder);
    _CacheList->Clear();
    TCacheList& cache = *_CacheList;
    auto lookUp = [&](int horseID) { return (cache.*index.lookUp)(horseID); };
    std::string file = std::string("DATA/") + index.folder + "/2021.IDX";
    home_.WriteFile(file, "2021100001000000" "2021100002      " "2021100003000042");
    home_.WriteFile(std::string("DATA/") + index.folder + "/2020.IDX", "2020100001000005");
    EXPECT_EQ(lookUp(2021100003), std::make_pair(2, 42));
    EXPECT_EQ(lookUp(2021100002), std::make_pair(1, 0)) << "a blank runs row reads 0";
    EXPECT_EQ(lookUp(2020100001), std::make_pair(0, 5));

    home_.WriteFile(file, "2021100003000007");
    EXPECT_EQ(lookUp(2021100003), std::make_pair(2, 42)) << "the year's file is read once";
    (cache.*index.forget)(2020);
    EXPECT_EQ(lookUp(2021100003), std::make_pair(2, 42)) << "another year forgotten";
    (cache.*index.forget)(2021);
    EXPECT_EQ(lookUp(2021100003), std::make_pair(0, 7));

    EXPECT_EQ(lookUp(2021100009), std::make_pair(-1, -1));
    home_.WriteFile(file, "2021100003000007" "2021100009000011");
    EXPECT_EQ(lookUp(2021100009), std::make_pair(1, 11)) << "a failed lookup reads the file again";
    EXPECT_EQ(lookUp(2019100001), std::make_pair(-1, -1)) << "no file for the year";
  }
  EXPECT_TRUE(front_.Errors().empty());
  home_.WriteFile("DATA/UM/2018.IDX", std::string(20, ' '));
  EXPECT_EQ(_CacheList->HorseIndex(2018100001), std::make_pair(-1, -1));
  EXPECT_EQ(front_.Errors().size(), 1u) << "an index of the wrong length is reported";
}
