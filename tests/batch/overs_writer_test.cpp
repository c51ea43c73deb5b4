// The OVERS text: the bets of each type in lines of six (three for the
// three-horse types), within each type's limit.
#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "batch/prediction_writers.h"
#include "prediction_fixture.h"

using namespace writers;

namespace {

class OversTextTest : public WritersTest {};

TEST_F(OversTextTest, LinesOfSixWithinTheLimits) {
  WriteString(ini::kOutPut, ini::kOversPath, home_.path() + "overs/");
  TRace race = RaCard({});
  const double win[] = {0.3, 0.2, 0.15, 0.1, 0.08, 0.05, 0.02};  // one more than listed
  for (int i = 0; i < 7; ++i) race.AddBet(0, win[i], i + 1);
  for (int i = 2; i <= 8; ++i) race.AddBet(3, 0.012, 1, i);
  for (int i = 3; i <= 6; ++i) race.AddBet(7, 0.004, 1, 2, i);
  WriteOversText({RaCard({.key = "2005060505030410"}), race});
  EXPECT_EQ(ReadBytes(home_.path() + "overs/O20050605.TXT"),
            SjisLines({
                "東京---11Ｒ-20050605-[B108]--------------------------------------(15:40)",
                "単勝       1(300)     2(200)     3(150)     4(100)     5( 80)     6( 50)",
                "馬連複  1- 2( 12)  1- 3( 12)  1- 4( 12)  1- 5( 12)  1- 6( 12)  1- 7( 12)",
                "馬連複  1- 8( 12)",
                "三連単          1- 2- 3(  4)          1- 2- 4(  4)          1- 2- 5(  4)",
                "三連単          1- 2- 6(  4)",
                std::string(72, '-'),
            }));
}

}  // namespace
