// The probabilities and payouts of the bet candidates, from hand-set win
// probabilities.
#include "analysis/bet_candidates.h"

#include <gtest/gtest.h>

#include "analysis/process_objects.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

using namespace scoring;

namespace {

class BetCandidatesTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateProcessObjects(); }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

// Four horses in frames 1, 1, 2, 3 with win probabilities 0.4, 0.3, 0.2,
// 0.1, run in `year`, with results paying 単勝 1, 馬単 1→2 and 3連単 1-2-3.
TRace FourHorses(int year) {
  TRaceSpec spec;
  spec.date = year * 10000 + 605;
  const int frames[] = {1, 1, 2, 3};
  for (int i = 0; i < 4; ++i) {
    spec.runners.push_back({.horseNo = i + 1, .frame = frames[i], .horseID = 2002100001 + i, .arrival = i + 1,
                            .time = 960 + i});
  }
  spec.payouts = {{0, 1, 250}, {5, 102, 800}, {7, 10203, 5000}};
  const TResult race = MakeRace(spec);
  std::vector<THorse> horses;
  const double p[] = {0.4, 0.3, 0.2, 0.1};
  for (int i = 0; i < 4; ++i) {
    horses.push_back(HorseOf(race, i));
    horses.back().SetWinProbability(p[i]);
  }
  return CardOf(race, horses);
}

const TBetData* Find(const TRace& race, int type, int h1, int h2 = 0, int h3 = 0) {
  for (const TBetData& bet : race.Bets()) {
    if (bet.Type == type && bet.No[0] == h1 && bet.No[1] == h2 && bet.No[2] == h3) return &bet;
  }
  return nullptr;
}

}  // namespace

TEST_F(BetCandidatesTest, ProbabilitiesOfFourRunners) {
  // n = 4: second places pulled by 0.04^(1/3), third places by 0.04^(2/3).
  struct {
    int type, h1, h2, h3;
    double expected2004, expected2005;  // -1: no such candidate that year
  } cases[] = {
      {0, 1, 0, 0, 0.4, 0.4},
      {0, 4, 0, 0, 0.1, 0.1},
      {5, 1, 2, 0, 0.15613301262235596, 0.15613301262235596},
      {5, 2, 1, 0, 0.1244282278096671, 0.1244282278096671},
      {3, 1, 2, 0, -1, 0.2805612404320231},
      {4, 1, 2, 0, -1, 0.615208766416718},
      {7, 1, 2, 3, 0.08111007763403387, 0.08111007763403387},
      {7, 3, 2, 1, 0.037197527479467536, 0.037197527479467536},
      {6, 1, 2, 3, 0.3457231132188089, 0.3457231132188089},
      // Frames: 1-1 is horses 1 and 2; 1-2 is 1-3 and 2-3.
      {2, 1, 1, 0, 0.2805612404320231, -1},
      {2, 1, 2, 0, 0.3760308206603724, -1},
      {2, 2, 3, 0, 0.08195025389619043, -1},
      {1, 1, 0, 0, -1, -1},  // 4 entered: no 複勝
  };
  for (int year : {2004, 2005}) {
    TRace race = FourHorses(year);
    AddBetCandidates(race);
    for (const auto& c : cases) {
      const double expected = year == 2004 ? c.expected2004 : c.expected2005;
      const TBetData* bet = Find(race, c.type, c.h1, c.h2, c.h3);
      if (expected < 0) {
        EXPECT_EQ(bet, nullptr) << year << " type " << c.type;
      } else {
        ASSERT_NE(bet, nullptr) << year << " type " << c.type;
        EXPECT_NEAR(bet->Value, expected, 1e-6) << year << " type " << c.type << " " << c.h1 << c.h2 << c.h3;
      }
    }
    // The positional look-ups see the order: the best 3連単 first.
    EXPECT_EQ(race.Bet(7, 0).Combination(), 10203);
  }
}

TEST_F(BetCandidatesTest, PayoutsOfTheCombinations) {
  TRace race = FourHorses(2005);
  AddBetCandidates(race);
  EXPECT_EQ(Find(race, 0, 1)->Payout, 250);
  EXPECT_EQ(Find(race, 0, 2)->Payout, 0) << "単勝 paid, not this one";
  EXPECT_EQ(Find(race, 5, 1, 2)->Payout, 800);
  EXPECT_EQ(Find(race, 5, 2, 1)->Payout, 0) << "the order counts";
  EXPECT_EQ(Find(race, 7, 1, 2, 3)->Payout, 5000);
  EXPECT_EQ(Find(race, 7, 3, 2, 1)->Payout, 0);
  EXPECT_EQ(Find(race, 3, 1, 2)->Payout, -1) << "no 馬連 payouts at all";
  EXPECT_EQ(Find(race, 6, 1, 2, 3)->Payout, -1);

  // Scored again: the list starts afresh.
  const std::size_t count = race.Bets().size();
  AddBetCandidates(race);
  EXPECT_EQ(race.Bets().size(), count);
}
