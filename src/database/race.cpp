#include "database/race.h"

#include "analysis/odds_list.h"
#include "database/race_codes.h"

#include <algorithm>

void TRace::AddBet(int type, double value, int h1, int h2, int h3) {
  type = ResolveBetType(type);
  if (type < 0 || type >= kBetTypeCount) return;
  TBetData bet;
  bet.Type = static_cast<std::int8_t>(type);
  bet.No = {static_cast<std::uint8_t>(h1), static_cast<std::uint8_t>(h2), static_cast<std::uint8_t>(h3)};
  bet.Payout = Payout(type, bet.Combination());
  bet.Value = static_cast<float>(value);
  bets_.push_back(bet);
  ++betCounts_[static_cast<std::size_t>(type)];
}

void TRace::AppendBet(const TBetData& bet) {
  if (bet.Type < 0 || bet.Type >= kBetTypeCount) return;
  bets_.push_back(bet);
  ++betCounts_[static_cast<std::size_t>(bet.Type)];
}

void TRace::ClearBets() {
  bets_.clear();
  betCounts_.fill(0);
}

void TRace::SortBets() {
  std::stable_sort(bets_.begin(), bets_.end(), [](const TBetData& a, const TBetData& b) {
    if (a.Type != b.Type) return a.Type < b.Type;
    return a.Value > b.Value;
  });
}

double TRace::FirstBetOdds(int type, int which) const {
  if (_OddsList == nullptr) return -1;
  return _OddsList->GetOdds(*this, type, Bet(type, 0).Combination(), which);
}

double TRace::BetOdds(int type, int n, int which) const {
  return _OddsList == nullptr ? 0 : _OddsList->BetOdds(*this, Bet(type, n), which);
}

std::string TRace::OddsTimeText() const {
  if (_OddsList == nullptr) return std::string();
  const int kind = _OddsList->OddsKind(*this), time = _OddsList->OddsTime(*this);
  return OddsTimeLabel(kind, OddsDaysBefore(*this, time), time / 100 % 100, time % 100);
}

TBetData TRace::Bet(int type, int n) const {
  type = ResolveBetType(type);
  if (type < 0 || type >= kBetTypeCount || n < 0) return TBetData();
  std::size_t position = static_cast<std::size_t>(n);
  for (int t = 0; t < type; ++t) position += static_cast<std::size_t>(betCounts_[static_cast<std::size_t>(t)]);
  if (position >= bets_.size() || bets_[position].Type != type) return TBetData();
  return bets_[position];
}

int TRace::BetCount(int type) const {
  type = ResolveBetType(type);
  if (type < 0 || type >= kBetTypeCount) return 0;
  return betCounts_[static_cast<std::size_t>(type)];
}

double TRace::BetValueSum(int type, int n) const {
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += Bet(type, i).Value;
  return sum;
}

void TRace::SetHorses(std::vector<THorse> horses) {
  horses_ = std::move(horses);
  ranked_.clear();
  rankedBuilt_ = false;
}

const std::vector<THorse>& TRace::RankedHorses() {
  if (!rankedBuilt_) {
    ranked_ = RankedRunners(horses_);
    rankedBuilt_ = true;
  }
  return ranked_;
}
