#include "database/course_era.h"

#include <gtest/gtest.h>

#include "database/race_id.h"

namespace {

TEST(CourseEraTest, CountsTheRebuildsUpToTheRaceMonth) {
  struct TCase {
    const char* key;
    int era;
  } cases[] = {
      {"1990120109010101", 91},  // Hanshin before its first rebuild
      {"1991010109010101", 92},  // the first month of a new era counts
      {"2006110109010101", 92},
      {"2006120109010101", 93},
      {"2002120105010101", 51},  // Tokyo
      {"2003010105010101", 52},
      {"1988120106010101", 62},  // Nakayama, the oldest row
      {"2004122644010101", 441},  // Oi: never rebuilt
      {"20041226A4010101", 1041},
      {"2004122600000000", 1},    // an empty racecourse
      {"0000000000000000", 1},
  };
  for (const TCase& c : cases) {
    TRaceID id;
    id.SetRaceKey(c.key);
    EXPECT_EQ(id.CourseEraNumber(), c.era) << c.key;
  }
}

TEST(CourseEraTest, EveryRebuildRaisesItsRacecourseByOne) {
  for (const TCourseEra& era : CourseEraTable()) {
    EXPECT_EQ(CourseEraNumber(era.Venue, era.FirstMonth) - CourseEraNumber(era.Venue, era.FirstMonth - 1), 1)
        << era.Venue << " " << era.FirstMonth;
  }
  EXPECT_EQ(CourseEraTable().size(), 16u);
}

}  // namespace
