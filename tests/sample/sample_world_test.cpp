// The sample world as a whole: the same seed gives the same world, and the
// calendar and the races look like JRA racing.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "sample/sample_calendar.h"
#include "sample/sample_generate.h"
#include "sample/sample_race_records.h"
#include "sample/sample_simulation.h"

namespace {

sample::TSampleOptions Tiny(std::uint64_t seed) {
  sample::TSampleOptions options;
  options.fromYear = 2024;
  options.toYear = 2024;
  options.seed = seed;
  options.scale = 0.03;
  return options;
}

std::string RaceBytes(const sample::TWorld& world) {
  std::string bytes;
  for (const sample::TRace& race : world.races) {
    if (race.runners.empty() || race.dataKind < 2) continue;
    bytes += sample::RaRecord(race, sample::DataKindChar(race.dataKind), race.date);
    for (const sample::TRunner& r : race.runners) bytes += sample::SeRecord(world, race, r, '7', race.date);
  }
  return bytes;
}

}  // namespace

TEST(SampleWorld, SameSeedSameWorldOtherSeedOtherWorld) {
  sample::TWorld a = sample::BuildWorld(Tiny(3));
  sample::TWorld b = sample::BuildWorld(Tiny(3));
  sample::TWorld c = sample::BuildWorld(Tiny(4));
  std::string bytes = RaceBytes(a);
  EXPECT_GT(bytes.size(), 100000u);
  EXPECT_EQ(bytes, RaceBytes(b));
  EXPECT_NE(bytes, RaceBytes(c));

  // Fields: numbers in order, frames by the JRA rule, no result on a card.
  int run = 0, cards = 0;
  for (const sample::TRace& race : a.races) {
    if (race.runners.empty() || race.dataKind < 2) continue;
    if (race.venue <= 10) {
      EXPECT_GE(race.runners.size(), 5u) << race.key;
      EXPECT_LE(race.runners.size(), 18u) << race.key;
    }
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      EXPECT_EQ(race.runners[i].horseNo, static_cast<int>(i) + 1);
      EXPECT_EQ(race.runners[i].frame, sample::FrameOf(race.runners[i].horseNo, static_cast<int>(race.runners.size())));
    }
    if (race.settled) {
      ++run;
    } else {
      ++cards;
      for (const sample::TRunner& r : race.runners) EXPECT_EQ(r.time, 0) << "a race card has no result";
    }
  }
  EXPECT_GT(run, 300);
  EXPECT_GT(cards, 3);
}

TEST(SampleWorld, CalendarRunsAJraYearOfAboutThreeThousandFourHundredRaces) {
  sample::TWorld world;
  world.options.fromYear = 2024;
  world.options.toYear = 2025;
  world.options.scale = 1.0;
  sample::BuildCalendar(world, sample::TRandom(9));
  std::map<int, int> racesPerYear;
  std::set<std::string> keys;
  std::map<std::pair<int, int>, std::set<int>> meetingDays;  // (year, venue × 100 + meeting) → days
  int jumps = 0, graded = 0, local = 0, overseas = 0, cards = 0, registrations = 0;
  for (const sample::TRace& race : world.races) {
    if (race.dataKind == sample::kScheduleOnly) continue;
    EXPECT_TRUE(keys.insert(race.key).second) << race.key;
    EXPECT_EQ(race.key.size(), 16u);
    if (race.venue >= 100) {
      ++overseas;
    } else if (race.venue >= 30) {
      ++local;
    } else if (race.settled) {
      ++racesPerYear[race.date / 10000];
      jumps += race.surface == 3;
      graded += race.grade >= 'A' && race.grade <= 'C';
      meetingDays[{race.date / 10000, race.venue * 100 + race.meeting}].insert(race.meetingDay);
    } else if (race.dataKind == sample::kRegistrationOnly) {
      ++registrations;
    } else {
      ++cards;
    }
  }
  for (int year : {2024, 2025}) {
    EXPECT_GT(racesPerYear[year], 3200) << year;
    EXPECT_LT(racesPerYear[year], 3700) << year;
  }
  EXPECT_GT(jumps, 100);
  EXPECT_GT(graded, 80);
  EXPECT_GT(local, 1000);
  EXPECT_GE(overseas, 10);
  EXPECT_EQ(cards % 12, 0);
  EXPECT_GT(cards, 0);
  EXPECT_GT(registrations, 0);
  // A meeting's days are numbered 1, 2, 3 ... without gaps, at most 8 (and
  // the card weekend's days carry on their meeting).
  for (const auto& [meeting, days] : meetingDays) {
    EXPECT_EQ(*days.begin(), 1);
    EXPECT_EQ(*days.rbegin(), static_cast<int>(days.size()));
    EXPECT_LE(days.size(), 8u);
  }
  EXPECT_LT(world.lastSettledDate, world.presentDate);
}

TEST(SampleWorld, FramesAndMargins) {
  struct {
    int runners;
    std::vector<int> frames;
  } cases[] = {
      {5, {1, 2, 3, 4, 5}},
      {10, {1, 2, 3, 4, 5, 6, 7, 7, 8, 8}},
      {16, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}},
      {18, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8}},
  };
  for (const auto& c : cases) {
    for (int n = 1; n <= c.runners; ++n) {
      EXPECT_EQ(sample::FrameOf(n, c.runners), c.frames[static_cast<std::size_t>(n - 1)]) << n << " of " << c.runners;
    }
  }
  struct {
    double seconds;
    const char* code;
  } margins[] = {{0.005, "H  "}, {0.02, "A  "}, {0.05, "K  "}, {0.08, " 12"}, {0.16, "1  "},
                 {0.24, "112"}, {0.5, "3  "}, {1.5, "9  "}, {2.0, "Z  "}, {5.0, "T  "}};
  for (const auto& m : margins) EXPECT_EQ(sample::MarginCode(m.seconds), m.code) << m.seconds;
}
