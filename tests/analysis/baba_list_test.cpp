// The track-condition index: days built from races written as records by
// the sample world's writers against a base-time file written by hand, the
// smoothing on hand-made days, and the race cache feeding the index.
#include "analysis/baba_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/base_list.h"
#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/race_cache.h"
#include "database/result.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

// Tokyo's second course era (52): turf 1600 m (track value 12, class 10)
// 960.0, dirt 1200 m (track value 22, class 20) 720.0, jumps 200.0 per
// distance unit (2000 m: × 10).
const char* const kBaseTimes =
    "05212" "1600" "09600" "10000" "\r\n"
    "05222" "1200" "07200" "10000" "\r\n"
    "05299" "0000" "02000" "10000" "\r\n";

// A race at Tokyo (05), 3rd meeting, 4th day, on `date`, run by two horses
// in `time` each, so that its time figure is `time`. Track codes: 11 turf
// (value 12), 23 dirt (value 22), 51 jumps.
sample::TRace MakeSampleRace(int raceNo, int trackCode, int distance, int time, int going = 1,
                             int weather = 1, int date = 20240602) {
  sample::TRace race;
  race.date = date;
  race.venue = 5;
  race.venueCode = "05";
  race.meeting = 3;
  race.meetingDay = 4;
  race.raceNo = raceNo;
  char tail[16];
  std::snprintf(tail, sizeof tail, "050304%02d", raceNo);
  race.key = std::to_string(date) + tail;
  race.weekday = 2;
  race.distance = distance;
  race.track = trackCode;
  race.surface = trackCode >= 51 ? sample::kJump : trackCode >= 23 ? sample::kDirt : sample::kTurf;
  race.ageCode = 13;
  race.registered = race.starters = race.finishers = 2;
  race.startTime = 1000 + 30 * raceNo;
  race.weather = weather;
  race.turfGoing = race.dirtGoing = going;
  for (int i = 0; i < 2; ++i) {
    sample::TRunner r;
    r.horse = i;
    r.horseNo = r.frame = i + 1;
    r.age = 4;
    r.carried = 570;
    r.position = r.arrival = i + 1;
    r.time = time;
    race.runners.push_back(r);
  }
  return race;
}

sample::TWorld TwoHorses() {
  sample::TWorld world;
  for (int i = 0; i < 2; ++i) {
    sample::THorse h;
    h.id = 2020100001 + i;
    h.name = Utf8ToSjis("ミズナラ");
    world.horses.push_back(h);
  }
  return world;
}

TResult MakeRace(const sample::TRace& race, char dataKind = '7') {
  const sample::TWorld world = TwoHorses();
  const std::string ra = sample::RaRecord(race, dataKind, race.date);
  TResult result = TResult::FromRa(ra.data());
  for (const sample::TRunner& r : race.runners) {
    const std::string se = sample::SeRecord(world, race, r, dataKind, race.date);
    result.AddRunner(TResultInfo::FromSe(se.data()));
  }
  return result;
}

// A turf 1600 m race whose raw index is (960 − time) ÷ 1600 + 1.
TResult Turf(int raceNo, int time, int going = 1, int weather = 1, int date = 20240602) {
  return MakeRace(MakeSampleRace(raceNo, 11, 1600, time, going, weather, date));
}

// A day of hand-set slots: (slot, class, value, going, weather).
struct TSlot {
  int slot, trackClass;
  float value;
  int going = 1, weather = 1;
};
TBabaData Day(const std::vector<TSlot>& slots) {
  TBabaData day;
  day.Open = 1;
  for (const TSlot& s : slots) {
    const auto i = static_cast<std::size_t>(s.slot);
    day.TrackClass[i] = static_cast<std::uint8_t>(s.trackClass);
    day.Value[i] = s.value;
    day.Going[i] = static_cast<std::uint8_t>(s.going);
    day.Weather[i] = static_cast<std::uint8_t>(s.weather);
  }
  return day;
}

class BabaList : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    home_.WriteFile("DATA/BASETIME.DAT", kBaseTimes);
  }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

}  // namespace

TEST_F(BabaList, TrackClassesAndADaysSlotsFromItsRaces) {
  EXPECT_EQ(BabaTrackClass(Turf(1, 950)), 10) << "track value 12";
  EXPECT_EQ(BabaTrackClass(MakeRace(MakeSampleRace(1, 18, 1600, 950))), 11) << "outer course, value 11";
  EXPECT_EQ(BabaTrackClass(MakeRace(MakeSampleRace(1, 10, 1000, 550))), 12) << "straight course, value 14";
  EXPECT_EQ(BabaTrackClass(MakeRace(MakeSampleRace(1, 23, 1200, 700))), 20);
  EXPECT_EQ(BabaTrackClass(MakeRace(MakeSampleRace(1, 51, 2000, 2000))), 30);
  TResult nakayama = MakeRace(MakeSampleRace(1, 23, 1200, 700));
  nakayama.Venue = 6;
  EXPECT_EQ(BabaTrackClass(nakayama), 21);

  TBabaList list;
  list.AddRace(Turf(3, 950, 3, 4));                                // (960 − 950) ÷ 1600 + 1
  sample::TRace dirt = MakeSampleRace(5, 23, 1200, 732, 2, 4);    // (720 − 732) ÷ 1200 + 1
  dirt.turfGoing = 4;
  list.AddRace(MakeRace(dirt));
  list.AddRace(MakeRace(MakeSampleRace(6, 11, 1600, 900), '2'));   // a race card: not counted
  list.AddRace(Turf(13, 900));                                     // no slot for race 13
  list.AddRace(MakeRace(MakeSampleRace(7, 11, 1400, 800)));       // no base time for 1400 m
  ASSERT_EQ(list.DayCount(), 1);
  const TBabaData* day = list.Find(20240602, 52);
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(day->Open, 1);
  EXPECT_EQ(day->TrackClass[2], 10);
  EXPECT_FLOAT_EQ(day->Value[2], 1.00625f);
  EXPECT_EQ(day->Going[2], 3);
  EXPECT_EQ(day->Weather[2], 4);
  EXPECT_EQ(day->TrackClass[4], 20);
  EXPECT_FLOAT_EQ(day->Value[4], 0.99f);
  EXPECT_EQ(day->Going[4], 2) << "the dirt going";
  for (int slot : {5, 6}) EXPECT_EQ(day->TrackClass[static_cast<std::size_t>(slot)], 0) << slot;

  // Alone on their classes, smoothing leaves both as they were.
  EXPECT_NEAR(list.GetTrackIndex(Turf(3, 950), 1.0), 1.00625, 1e-6);
  EXPECT_NEAR(list.GetTrackIndex(MakeRace(MakeSampleRace(5, 23, 1200, 732)), 1.0), 0.99, 1e-6);
  EXPECT_EQ(day->Open, 0) << "smoothed by the first read";

  // A race added after the day was read starts the day afresh.
  list.AddRace(Turf(1, 970));
  EXPECT_EQ(list.GetTrackIndex(Turf(3, 950), 0.5), 0.5) << "race 3 was wiped";
  EXPECT_NEAR(list.GetTrackIndex(Turf(1, 970), 1.0), 0.99375, 1e-6);
}

TEST_F(BabaList, NoValueGivesTheCallersDefault) {
  TBabaList list;
  EXPECT_EQ(list.GetTrackIndex(Turf(1, 950), 1.0), 1.0) << "no day";
  list.AddRace(Turf(1, 2600));  // slower than base time + distance: (960 − 2600) ÷ 1600 + 1 < 0
  list.AddRace(Turf(2, 950, 1, 1, 20240609));
  EXPECT_EQ(list.GetTrackIndex(Turf(1, 2600), 0.8), 0.8);
  EXPECT_EQ(list.GetTrackIndex(Turf(2, 950), 1.0), 1.0) << "another race of a day with data";
  EXPECT_EQ(list.GetTrackIndex(Turf(13, 950), 1.0), 1.0) << "race number outside 1-12";

  // Without a base-time file nothing is stored and nothing is reported.
  std::remove((home_.path() + "DATA/BASETIME.DAT").c_str());
  _BaseList->Clear();
  TBabaList bare;
  bare.AddRace(Turf(1, 950));
  EXPECT_EQ(bare.DayCount(), 0);
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(BabaList, SmoothingPullsNeighboursOnTheSameTrackTogether) {
  // Two turf races a and b with w their weight: each pass is
  // a' = (1.94 a + w b) ÷ (1.94 + w), so the mean stays and the gap shrinks
  // by (1.94 − w) ÷ (1.94 + w) a pass.
  auto gapAfterSmoothing = [](TBabaData day, int a, int b) {
    SmoothBabaData(day);
    EXPECT_EQ(day.Open, 0);
    const double mean = day.Value[static_cast<std::size_t>(a)] + day.Value[static_cast<std::size_t>(b)];
    EXPECT_NEAR(mean, 2.0, 1e-6) << "the mean stays";
    return day.Value[static_cast<std::size_t>(a)] - day.Value[static_cast<std::size_t>(b)];
  };
  auto shrunk = [](double w) { return std::pow((1.94 - w) / (1.94 + w), 8); };

  EXPECT_NEAR(gapAfterSmoothing(Day({{0, 10, 1.2f}, {1, 10, 0.8f}}), 0, 1), 0.4 * shrunk(0.94), 1e-6);
  // Two races apart, a dirt race between them that keeps its own value.
  TBabaData day = Day({{0, 10, 1.2f}, {1, 20, 0.7f}, {2, 10, 0.8f}});
  EXPECT_NEAR(gapAfterSmoothing(day, 0, 2), 0.4 * shrunk(0.94 * 0.94), 1e-6);
  SmoothBabaData(day);
  EXPECT_FLOAT_EQ(day.Value[1], 0.7f);
  EXPECT_EQ(day.Value[3], 0.0f) << "empty slots stay empty";
  // Different classes of turf do not mix.
  day = Day({{0, 10, 1.2f}, {1, 11, 0.8f}});
  SmoothBabaData(day);
  EXPECT_FLOAT_EQ(day.Value[0], 1.2f);

  // Going and weather: w = (0.94 × G × G' × H × H')^((|going − going'| + 1) × distance).
  struct TCase {
    const char* name;
    int going1, going2, weather1, weather2;
    double w;
  };
  const std::vector<TCase> cases = {
      {"good and yielding", 1, 2, 1, 1, std::pow(0.94 * 0.86, 2)},
      {"both heavy", 3, 3, 1, 1, 0.94 * 0.84 * 0.84},
      {"heavy and bad", 3, 4, 1, 1, std::pow(0.94 * 0.84 * 0.84, 2)},
      {"light rain", 1, 1, 3, 1, 0.94 * 0.99},
      {"both in snow", 1, 1, 5, 5, 0.94 * 0.25},
      {"unknown codes are neutral", 0, 0, 9, 9, 0.94},
  };
  for (const TCase& c : cases) {
    EXPECT_NEAR(gapAfterSmoothing(Day({{0, 10, 1.2f, c.going1, c.weather1}, {1, 10, 0.8f, c.going2, c.weather2}}), 0, 1),
                0.4 * shrunk(c.w), 1e-6)
        << c.name;
  }
}

TEST_F(BabaList, AJumpRaceBetweenTurfRacesIsPulledTowardsOne) {
  // Each pass: j' = (j + 0.94 + 0.94) ÷ 2.88; the turf races do not see it.
  TBabaData day = Day({{0, 10, 1.1f}, {1, 30, 0.8f}, {2, 10, 1.1f}});
  SmoothBabaData(day);
  EXPECT_NEAR(day.Value[1], 1 - 0.2 / std::pow(2.88, 8), 1e-6);
  EXPECT_FLOAT_EQ(day.Value[0], 1.1f);
  EXPECT_FLOAT_EQ(day.Value[2], 1.1f);
}

TEST_F(BabaList, LoadCentresOnTheCourseClassMeanAndClearForgets) {
  TBabaList list;
  list.AddRace(Turf(1, 640));                    // 1.2
  list.AddRace(Turf(1, 800, 1, 1, 20240609));    // 1.1
  list.Load();                                   // mean 1.15: offset 0.15
  EXPECT_NEAR(list.GetTrackIndex(Turf(1, 640), 1.0), 1.05, 1e-6);
  EXPECT_NEAR(list.GetTrackIndex(Turf(1, 800, 1, 1, 20240609), 1.0), 0.95, 1e-6) << "the offset is kept";
  EXPECT_NEAR(list.GetTrackIndex(Turf(1, 640), 0.0), 1.2, 1e-6) << "a default of 0 takes the raw value";

  list.Clear();
  EXPECT_EQ(list.DayCount(), 0);
  EXPECT_EQ(list.GetTrackIndex(Turf(1, 640), 1.0), 1.0);
  list.AddRace(Turf(1, 640));
  EXPECT_NEAR(list.GetTrackIndex(Turf(1, 640), 1.0), 1.2, 1e-6) << "the means went too";
  EXPECT_FALSE(list.IsChanged());
}

TEST_F(BabaList, TheRaceCacheFeedsTheDaysItLoadsAndClearsThem) {
  const sample::TWorld world = TwoHorses();
  std::string ra, se;
  for (const sample::TRace& race : {MakeSampleRace(1, 11, 1600, 950), MakeSampleRace(2, 11, 1600, 970)}) {
    ra += sample::RaRecord(race, '7', 20240602);
    for (const sample::TRunner& r : race.runners) se += sample::SeRecord(world, race, r, '7', 20240602);
  }
  home_.WriteFile("DATA/RA/20240503.DAT", ra);
  home_.WriteFile("DATA/SE/20240503.DAT", se);

  TRaceID id;
  id.SetRaceKey(std::string_view("2024060205030401"));
  const TResult race = _CacheList->Race(id);
  ASSERT_EQ(race.RaceNo, 1);
  id.RaceNo = 2;
  _CacheList->Race(id);
  EXPECT_EQ(_CacheList->MeetingReads(), 1);
  // 1.00625 and 0.99375 next to each other: the gap 0.0125 shrinks 2.88 times a pass.
  const double index = _BabaList->GetTrackIndex(race, 1.0);
  EXPECT_NEAR(index, 1 + 0.00625 / std::pow(2.88, 8), 1e-6);
  EXPECT_GT(index, 1.0);

  // The base times take the index off a race's time: t + (index − 1) × distance.
  TBaseList base;
  base.AddRace(race);
  const TBaseData* cell = base.Find(5212, 1600);
  ASSERT_NE(cell, nullptr);
  EXPECT_NEAR(cell->Time / cell->Weight, 950 + (index - 1) * 1600, 1e-6);

  _CacheList->Clear();
  EXPECT_EQ(_BabaList->DayCount(), 0);
  EXPECT_TRUE(front_.Errors().empty());
}
