// The WARS text: venue blocks and race lines, pairs as frame digits for
// races of 2004 with eight horses entered or fewer.
#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "batch/prediction_writers.h"
#include "prediction_fixture.h"

using namespace writers;

namespace {

class WarsTextTest : public WritersTest {};

TRace WithBets(TRace race) {
  race.AddBet(0, 0.30, 3);
  race.AddBet(0, 0.20, 1);
  race.AddBet(kMainPairBet, 0.12, 1, 8);
  race.AddBet(kMainPairBet, 0.054, 2, 3);
  return race;
}

TEST_F(WarsTextTest, VenueBlocksAndFrameDigitsIn2004) {
  WriteString(ini::kOutPut, ini::kWarsPath, home_.path() + "wars/");
  const std::string rule(76, '-');
  WriteWarsText({
      WithBets(RaCard({.key = "2004060505030401", .registered = 8})),
      WithBets(RaCard({.key = "2004060505030402", .registered = 9})),
      WithBets(RaCard({.key = "2004060508020301", .weekday = 1, .registered = 16})),
  });
  EXPECT_EQ(ReadBytes(home_.path() + "wars/W20040605.TXT"),
            SjisLines({
                rule,
                "東京 2004年  3回  4日目  6月  5日(日) [0065] ミズナラ for JRA-VAN Data Lab.",
                rule,
                " 1R   3    18    23    00    00    00    00  |100 30 20  0 12  5  0  0  0  0",
                " 2R   3  1- 8  2- 3  0- 0  0- 0  0- 0  0- 0  |100 30 20  0 12  5  0  0  0  0",
                "",
                rule,
                "京都 2004年  2回  3日目  6月  5日(土) [0065] ミズナラ for JRA-VAN Data Lab.",
                rule,
                " 1R   3  1- 8  2- 3  0- 0  0- 0  0- 0  0- 0  |100 30 20  0 12  5  0  0  0  0",
            }));
}

TEST_F(WarsTextTest, AFolderThatCannotBeCreatedSkipsTheFile) {
  home_.WriteFile("blocked", "a file where the folder would be");
  WriteString(ini::kOutPut, ini::kWarsPath, home_.path() + "blocked/wars/");
  WriteWarsText({WithBets(RaCard({}))});
  EXPECT_TRUE(front_.messages.empty());
  EXPECT_EQ(home_.ReadFile("blocked"), "a file where the folder would be");
}

}  // namespace
