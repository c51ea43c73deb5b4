// The TARGET purchase CSV apart from the odds list, so that its stakes can
// be worked out over odds given by the caller.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TRace;

// Where the purchase CSV takes its odds from.
struct TTargetOdds {
  // The odds of a type's first bet; below 0 when the race has no odds of
  // the type, which leaves the type out.
  std::function<double(const TRace& race, int type)> firstBetOdds;
  // The odds of bet n of a type; 0 when there are none.
  std::function<double(const TRace& race, int type, int n)> betOdds;
};

// The stake unit of a budget: the budget ÷ 40000, at least 10.
int TargetUnit(int maxMoney);

// The stake of a bet of probability `value` at `odds`, in units of 100 yen;
// 0 when the bet is not to be bought, which ends its type's list.
int TargetStake(double value, double odds, int unit);

// Appends the purchase lines of the races to `text`. False when it stopped
// at a bet whose odds are 0; the lines before it stay in `text`.
bool AppendTargetCsv(const std::vector<TRace>& races, int maxMoney, const TTargetOdds& odds, std::string& text);
