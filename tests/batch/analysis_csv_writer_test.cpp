// The analysis CSV: the bet types that have payouts, with every ranked bet's
// numbers, probability and payout, appended.
#include <gtest/gtest.h>

#include <string>

#include "batch/prediction_writers.h"
#include "prediction_fixture.h"

using namespace writers;

namespace {

class AnalysisCsvTest : public WritersTest {};

TEST_F(AnalysisCsvTest, TypesWithPayoutsAppended) {
  home_.WriteFile("ANA.CSV", "old\r\n");
  scoring::TRaceSpec spec;
  spec.runners = {{.horseNo = 1, .horseID = 2001100001}, {.horseNo = 3, .horseID = 2001100003}};
  spec.payouts = {{.type = 0, .combination = 3, .yen = 450}, {.type = 3, .combination = 103, .yen = 1230},
                  {.type = 7, .combination = 30102, .yen = 98760}};
  TRace race(scoring::MakeRace(spec));
  race.AddBet(0, 0.3, 3);
  race.AddBet(0, 0.2, 1);
  race.AddBet(3, 0.1, 1, 3);
  race.AddBet(5, 0.05, 1, 3);  // no 馬単 payouts: left out
  race.AddBet(7, 0.01, 3, 1, 2);
  race.AddBet(7, 0.005, 1, 3, 2);

  WriteAnalysisCsv({race, TRace(scoring::MakeRace({}))});
  EXPECT_EQ(home_.ReadFile("ANA.CSV"),
            "old\r\n"
            "20050605,05030411,1,3,0,0,0.300000,450,1,0,0,0.200000,0\r\n"
            "20050605,05030411,4,1,3,0,0.100000,1230\r\n"
            "20050605,05030411,8,3,1,2,0.010000,98760,1,3,2,0.005000,0\r\n");
}

}  // namespace
