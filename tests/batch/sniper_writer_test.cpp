// The SNIPER CSV: a line per race with win bets appended to FRC.DAT, and
// the class codes SNIPER reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "batch/prediction_writers.h"
#include "prediction_fixture.h"

using namespace writers;

namespace {

class SniperCsvTest : public WritersTest {
 protected:
  void SetUp() override {
    WritersTest::SetUp();
    WriteString(ini::kOutPut, ini::kSniperPath, home_.path() + "sniper/");
    home_.WriteFile("sniper/FRC.DAT", "old\r\n");
  }
  std::string File() const { return ReadBytes(home_.path() + "sniper/FRC.DAT"); }
};

TRace WithBets(TRace race) {
  race.AddBet(0, 0.30, 3);
  race.AddBet(0, 0.20, 1);
  race.AddBet(0, 0.10, 7);
  race.AddBet(kMainPairBet, 0.12, 1, 3);
  race.AddBet(kMainPairBet, 0.05, 3, 7);
  return race;
}

TEST_F(SniperCsvTest, ADayWithoutWinBetsAddsNothing) {
  TRace race = RaCard({});
  race.AddBet(kMainPairBet, 0.12, 1, 3);
  WriteSniperCsv({race, RaCard({.key = "2005060505030412"})});
  EXPECT_EQ(File(), "old\r\n");
}

TEST_F(SniperCsvTest, OneLinePerRaceWithWinBetsAppended) {
  const TRace dirt = WithBets(RaCard({.key = "2005060508020305", .registered = 9, .distance = 1200, .track = 23}));
  WriteSniperCsv({WithBets(RaCard({})), RaCard({.key = "2005060505030412"}), dirt});
  EXPECT_EQ(File(),
            "old\r\n"
            "050605, 5,1600,12,0,  5,11,100.0,17.0, 3,30.0, 1,20.0, 7,10.0, 1- 3,12.0, 3- 7, 5.0,"
            " 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0\r\n"
            "050605, 8,1200, 9,1,  5, 5,100.0,17.0, 3,30.0, 1,20.0, 7,10.0, 1- 3,12.0, 3- 7, 5.0,"
            " 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0\r\n");
}

TEST_F(SniperCsvTest, ClassCodes) {
  struct TCase {
    const char* condition;
    char grade;
    const char* code;
  };
  const TCase cases[] = {
      {"999", 'C', "993"}, {"999", 'B', "992"}, {"999", 'A', "991"}, {"999", 'D', "999"}, {"999", ' ', "999"},
      {"701", ' ', "701"}, {"702", ' ', "702"}, {"703", ' ', "703"}, {"016", ' ', " 16"}, {"000", ' ', "  0"},
  };
  std::vector<TRace> races;
  std::string expected = "old\r\n";
  for (const TCase& c : cases) {
    TRace race = RaCard({.condition = c.condition, .grade = c.grade});
    race.AddBet(0, 0.5, 1);
    races.push_back(race);
    expected += std::string("050605, 5,1600,12,0,") + c.code +
                ",11,100.0, 0.0, 1,50.0, 0, 0.0, 0, 0.0, 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0, 0- 0, 0.0,"
                " 0- 0, 0.0\r\n";
  }
  WriteSniperCsv(races);
  EXPECT_EQ(File(), expected);
}

}  // namespace
