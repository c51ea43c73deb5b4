#include "database/key_listing.h"

#include <gtest/gtest.h>

#include "app/sjis.h"
#include "database/database_files.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

std::vector<std::string> Labels(const std::vector<TKeyInfo>& keys) {
  std::vector<std::string> labels;
  for (const TKeyInfo& key : keys) labels.push_back(SjisToUtf8(key.Label(true)));
  return labels;
}

sample::TRace SampleRace(const std::string& key, char grade, int specialNo) {
  sample::TRace race;
  race.key = key;
  race.date = std::stoi(key.substr(0, 8));
  race.grade = grade;
  race.specialNo = specialNo;
  return race;
}

class KeyListing : public ::testing::Test {
 protected:
  TTempHome home_;
  TRecordingFrontEnd front_;
};

}  // namespace

TEST_F(KeyListing, RaceIndexKeysByLevelAndFilter) {
  home_.WriteFile("DATA/RA/2004.IDX",
                  std::string("2004122605050811") + "2004122605050812" + "2004122644010101" + "20041226A4010101");
  home_.WriteFile("DATA/RA/2003.IDX", std::string("2003010606010101"));
  EXPECT_EQ(Labels(ListKeys(22, kJraRaces)), (std::vector<std::string>{"2003年中山１回１日", "2004年東京５回８日"}));
  EXPECT_EQ(Labels(ListKeys(24, kOtherRaces)), (std::vector<std::string>{"2004年大井", "2004年海外"}));
  EXPECT_TRUE(ListKeys(22, 3).empty()) << "an unknown filter admits nothing";
  // Source 3: meetings of JRA racecourses and racecourses of the others.
  std::vector<TKeyInfo> mixed = ListKeys(33, 0);
  ASSERT_EQ(mixed.size(), 4u);
  EXPECT_EQ(mixed[0].Kind, 23);
  EXPECT_EQ(mixed.back().Kind, 24);
  EXPECT_TRUE(front_.Errors().empty());
}

TEST_F(KeyListing, SpecialRegistrationAndScheduleKeys) {
  sample::TWorld world;
  std::string tk = sample::TkRecord(world, SampleRace("2004122605050811", 'A', 1234), {}, '1', 20041220) +
                   sample::TkRecord(world, SampleRace("2004122609050811", 'B', 55), {}, '1', 20041220);
  home_.WriteFile("DATA/TK/20041226.DAT", tk);
  EXPECT_EQ(Labels(ListKeys(11, 0)), (std::vector<std::string>{"2004年東京５回８日11Ｒ", "2004年阪神５回８日11Ｒ"}));
  // Schedule days count only with a graded race.
  sample::TRaceDay day;
  day.date = 20041226;
  day.venue = 5;
  day.meeting = 5;
  day.meetingDay = 8;
  sample::TRace graded = SampleRace("2004122605050811", 'A', 1234);
  sample::TRaceDay plain = day;
  plain.venue = 9;
  std::string ys = sample::YsRecord(world, day, &graded, '1', 20041201) + sample::YsRecord(world, plain, nullptr, '1', 20041201);
  home_.WriteFile("DATA/YS/2004.DAT", ys);
  EXPECT_EQ(Labels(ListKeys(45, 0)), (std::vector<std::string>{"2004年12月26日"}));
  EXPECT_TRUE(ListKeys(11, 0).size() == 2u);
}

TEST_F(KeyListing, BadFilesAreReportedAndSkippedMissingFoldersGiveNothing) {
  EXPECT_TRUE(ListKeys(15, 0).empty());
  home_.WriteFile("DATA/RA/2004.IDX", "2004122605050811XYZ");
  home_.WriteFile("DATA/RA/2005.IDX", "2005010505010101");
  EXPECT_EQ(ListKeys(22, kJraRaces).size(), 1u);
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front_.Errors()[0]), home_.path() + "DATA/RA/2004.IDX\nファイルサイズに異常有り（19）");
}

TEST(DatabaseFiles, MeetingFileNumbers) {
  struct {
    const char* key;
    int number;
  } cases[] = {{"2004122605050811", 20040505}, {"2004050144020305", 200444}, {"20041003A8010101", 200499},
               {"2004050110030101", 20041003}};
  for (const auto& c : cases) {
    TRaceID race;
    race.SetRaceKey(std::string_view(c.key));
    EXPECT_EQ(MeetingFileNumber(race), c.number) << c.key;
  }
}
