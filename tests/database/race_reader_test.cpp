// Races read back from record files written by the sample world's writers.
#include "database/race_reader.h"

#include <gtest/gtest.h>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/breeding_horse.h"
#include "database/key_listing.h"
#include "sample/sample_master_records.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

// A meeting of two races at Niigata (04) with three runners each.
class RaceReader : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    for (int i = 0; i < 3; ++i) {
      sample::THorse h;
      h.id = 2021100001 + i;
      h.name = Utf8ToSjis(i == 0 ? "ミカゲムーン" : i == 1 ? "ヴェルトスカイ" : "クリアデューク");
      h.sex = i == 0 ? 2 : 1;
      world_.horses.push_back(h);
    }
    std::string ra, se, hr, index;
    for (int raceNo : {1, 2}) {
      sample::TRace race;
      race.date = 20250824;
      race.venue = 4;
      race.venueCode = "04";
      race.meeting = 2;
      race.meetingDay = 8;
      race.raceNo = raceNo;
      race.key = "202508240402080" + std::to_string(raceNo);
      race.weekday = 2;
      race.distance = 1800;
      race.track = 23;
      race.surface = 2;
      race.ageCode = 13;
      race.conditions = {0, 5, 5, 5, 5};
      race.registered = race.starters = race.finishers = 3;
      race.startTime = 1340;
      for (int i = 0; i < 3; ++i) {
        sample::TRunner r;
        r.horse = i;
        r.horseNo = r.frame = i + 1;
        r.age = 4;
        r.carried = 570;
        r.position = r.arrival = 3 - i;  // horse 3 wins
        r.time = 1107 + (2 - i) * 2;
        r.margin = i == 2 ? "" : "1  ";
        r.odds = 20 + 10 * i;
        race.runners.push_back(r);
      }
      race.market.sold[0] = true;
      race.market.payouts[0].push_back({3, 200, 1});
      ra += sample::RaRecord(race, '7', 20250825);
      for (const sample::TRunner& r : race.runners) se += sample::SeRecord(world_, race, r, '7', 20250825);
      hr += sample::HrRecord(race, '2', 20250825);
      index += race.key;
    }
    home_.WriteFile("DATA/RA/20250402.DAT", ra);
    home_.WriteFile("DATA/SE/20250402.DAT", se);
    home_.WriteFile("DATA/HR/20250402.DAT", hr);
    home_.WriteFile("DATA/RA/2025.IDX", index);
  }
  void TearDown() override { DestroyProcessObjects(); }

  TRaceID Key(const char* key) {
    TRaceID id;
    id.SetRaceKey(std::string_view(key));
    return id;
  }

  TTempHome home_;
  TRecordingFrontEnd front_;
  sample::TWorld world_;
};

}  // namespace

TEST_F(RaceReader, ReadsARaceWithRunnersResultsAndPayouts) {
  TResult race = ReadRace(Key("2025082404020802"));
  ASSERT_EQ(race.RaceNo, 2);
  EXPECT_EQ(race.Distance(), 1800);
  ASSERT_EQ(race.Runners().size(), 3u);
  EXPECT_EQ(race.Runners()[0].HorseNo(), 1);
  EXPECT_EQ(SjisToUtf8(race.Runners()[0].HorseName()), "ミカゲムーン");
  EXPECT_EQ(race.Runners()[2].Position(), 1);
  EXPECT_EQ(race.Payout(0, 3), 200);
  EXPECT_EQ(race.Payout(0, 1), 0);
  EXPECT_EQ(race.Payout(3, 102), -1) << "no quinella payouts stored";
  EXPECT_EQ(ReadRace(Key("2025082404020803")).Year, 0) << "no such race";
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(RaceReader, RacesOfADayFromTheRaceIndex) {
  std::vector<TKeyInfo> days = ListKeys(22, kJraRaces);
  ASSERT_EQ(days.size(), 1u);
  std::vector<TRace> races = RacesOfKey(days[0]);
  ASSERT_EQ(races.size(), 2u);
  EXPECT_EQ(races[1].RaceNo, 2);
  EXPECT_EQ(races[1].Runners().size(), 3u);
}

TEST_F(RaceReader, MissingOrBrokenRunnerFilesLeaveTheRacesWithoutRunners) {
  home_.WriteFile("DATA/SE/20250402.DAT", std::string(100, ' '));
  TResult race = ReadRace(Key("2025082404020801"));
  EXPECT_EQ(race.RaceNo, 1);
  EXPECT_TRUE(race.Runners().empty());
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_NE(SjisToUtf8(front_.Errors()[0]).find("ファイルサイズに異常有り（100）"), std::string::npos);
  std::remove((home_.path() + "DATA/SE/20250402.DAT").c_str());
  EXPECT_TRUE(ReadRace(Key("2025082404020801")).Runners().empty());
  EXPECT_EQ(front_.Errors().size(), 1u) << "a missing runner file is not reported";
}

TEST(BreedingHorse, FoundByNumberInItsFileOrEmpty) {
  TTempHome home;
  TRecordingFrontEnd front;
  sample::TBreedingHorse sire;
  sire.number = 11000123;
  sire.name = Utf8ToSjis("ミズナラオー");
  sire.sex = 1;
  sire.birthYear = 2010;
  sample::TBreedingHorse dam = sire;
  dam.number = 11000456;
  dam.name = Utf8ToSjis("サクラヒメ");
  dam.sex = 2;
  home.WriteFile("DATA/HN/1100.DAT", sample::HnRecord(sire, '1', 20250101) + sample::HnRecord(dam, '1', 20250101));
  EXPECT_EQ(SjisToUtf8(LookUpBreedingHorse(11000456).HorseName()), "サクラヒメ");
  EXPECT_EQ(LookUpBreedingHorse(11000456).Sex(), 2);
  EXPECT_TRUE(LookUpBreedingHorse(11000999).HorseName().empty());
  EXPECT_TRUE(LookUpBreedingHorse(12000001).HorseName().empty()) << "no such file";
  EXPECT_TRUE(LookUpBreedingHorse(0).HorseName().empty());
  EXPECT_TRUE(front.Errors().empty());
}
