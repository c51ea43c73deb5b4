#include "database/key_info.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/sjis.h"

namespace {

TKeyInfo Key(std::string_view raceKey, int kind) {
  TKeyInfo key;
  key.SetRaceKey(raceKey, kind);
  return key;
}

TRaceID Race(std::string_view raceKey) {
  TRaceID id;
  id.SetRaceKey(raceKey);
  return id;
}

TEST(KeyInfoTest, KeyNumberCountsTheFieldsOfItsLevel) {
  struct TCase {
    const char* key;
    int kind;
    int number;
  } cases[] = {
      {"2004122605050811", 21, 5050811}, {"2004122605050811", 22, 5050800},
      {"2004122605050811", 33, 5050000}, {"2004122605050811", 14, 5000000},
      {"2004122605050811", 25, 1226},    {"2004122605050811", 46, 1200},
      {"2004122605050811", 20, 0},       {"2004122605050811", 47, 0},
      // Every country counts as overseas (99).
      {"20041226A4050811", 21, 99050811}, {"20041226M0000000", 44, 99000000},
      {"2004122699000000", 44, 99000000},
  };
  for (const TCase& c : cases) {
    TKeyInfo key = Key(c.key, c.kind);
    EXPECT_EQ(key.Level(), c.kind % 10);
    EXPECT_EQ(key.KeyNumber(), c.number) << c.key << " kind " << c.kind;
  }
}

TEST(KeyInfoTest, KeySetsOrderByYearThenKeyNumberWithoutDuplicates) {
  // Racecourse keys collected from races: the two countries and "99" are
  // one overseas node, and the year comes before the racecourse.
  std::set<TKeyInfo> racecourses;
  for (const char* race : {"2004122644010101", "20041226A4010101", "2004010399010101",
                           "2004050144020305", "20040601B2010101", "2003122661010101",
                           "2004010130010101"}) {
    racecourses.insert(Key(race, 14));
  }
  std::vector<std::string> labels;
  for (const TKeyInfo& key : racecourses) labels.push_back(SjisToUtf8(key.Label(true)));
  EXPECT_EQ(labels, (std::vector<std::string>{"2003年地方中京", "2004年門別", "2004年大井",
                                              "2004年海外"}));

  // Day keys: the races of one day are one node; ordered by meeting and day.
  std::set<TKeyInfo> days;
  for (const char* race : {"2004122605050811", "2004122605050801", "2004010606010101",
                           "2004122609050812", "2004121205050401"}) {
    days.insert(Key(race, 22));
  }
  std::vector<int> numbers;
  for (const TKeyInfo& key : days) numbers.push_back(key.KeyNumber());
  EXPECT_EQ(numbers, (std::vector<int>{5050400, 5050800, 6010100, 9050800}));

  EXPECT_TRUE(Key("2004122605050811", 22) == Key("2004122605050801", 22));
  EXPECT_FALSE(Key("2004122605050811", 22) != Key("2004122605050801", 22));
  EXPECT_TRUE(Key("2003123110999999", 25) < Key("2004010101010101", 25));
  EXPECT_TRUE(Key("2004010101010101", 25) > Key("2003123110999999", 25));
}

TEST(KeyInfoTest, ContainsTheRacesUnderItsNode) {
  struct TCase {
    const char* node;
    int kind;
    const char* race;
    bool contained;
  } cases[] = {
      {"2004122605050811", 21, "2004122605050811", true},
      {"2004122605050811", 21, "2004122605050812", false},
      {"2004122605050811", 21, "2005122605050811", false},  // another year
      {"20041226A4050811", 21, "20041226A4050811", false},  // races of level 1-3 are JRA races
      {"2004122605050811", 22, "2004122605050801", true},
      {"2004122605050811", 22, "2004122605050711", false},
      {"2004122605050811", 23, "2004121205050411", true},
      {"2004122605050811", 23, "2004122605060801", false},
      {"2004122644050811", 23, "2004122644050811", false},
      {"2004122644010101", 14, "2004050144020305", true},
      {"2004122644010101", 14, "2004122645010101", false},
      {"20041226A4010101", 14, "20040601B2010101", true},   // all overseas
      {"2004122699010101", 14, "20040601M0010101", true},
      {"2004122605010101", 14, "2004122605010101", false},  // not a local racecourse
      {"2004122605050811", 25, "2004122609050801", true},
      {"2004122605050811", 25, "2004122644010101", false},
      {"2004122605050811", 25, "2004122705050901", false},
      {"2004120144010101", 16, "2004122630010101", true},
      {"2004120144010101", 16, "20041231A4010101", true},
      {"2004120144010101", 16, "2004122605050811", false},
      {"2004120144010101", 16, "2004110144010101", false},
      {"2004122605050811", 10, "2004010144010101", true},   // another level: the whole year
      {"2004122605050811", 10, "2005010144010101", false},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Key(c.node, c.kind).Contains(Race(c.race)), c.contained)
        << c.node << " kind " << c.kind << " / " << c.race;
  }
}

TEST(KeyInfoTest, LabelsEveryLevel) {
  struct TCase {
    const char* key;
    int kind;
    bool withYear;
    const char* label;
  } cases[] = {
      {"2004122605050811", 21, false, "東京５回８日11Ｒ"},
      {"2004122605050811", 21, true, "2004年東京５回８日11Ｒ"},
      {"2004122609100110", 31, false, "阪神10回１日10Ｒ"},
      {"2004122605050811", 22, false, "東京５回８日"},
      {"2004122605050811", 23, false, "東京５回"},
      {"2004122632000000", 14, false, "岩見沢"},
      {"20041226A4000000", 14, false, "海外"},
      {"2004122699000000", 44, true, "2004年海外"},
      {"2004010505050811", 25, false, " 1月 5日"},
      {"2004122605050811", 25, false, "12月26日"},
      {"2004010544000000", 46, true, "2004年 1月"},
      {"2004122605050811", 20, true, "2004年"},
      {" 800122605050811", 20, true, " 800年"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SjisToUtf8(Key(c.key, c.kind).Label(c.withYear)), c.label) << c.key << " kind " << c.kind;
  }
  EXPECT_EQ(Key("2004122605050811", 21).Label(false), SJ("東京５回８日11Ｒ"));
}

TEST(KeyInfoTest, DayKeyBuildsANodeOfTheWholeDay) {
  TKeyInfo key;
  key.SetDayKey("20041226050508", 42);
  EXPECT_EQ(key.Kind, 42);
  EXPECT_EQ(key.RaceNo, 0);
  EXPECT_EQ(SjisToUtf8(key.Label(false)), "東京５回８日");
  EXPECT_TRUE(key.Contains(Race("2004122605050812")));
}

}  // namespace
