#include "analysis/win_probability.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "analysis/normal_distribution.h"
#include "database/horse.h"
#include "database/race.h"

namespace {

// The integration runs over x = s ± 4σ in steps of σ/2.
constexpr int kSteps = 8;

bool IsRunner(const THorse& horse) { return !horse.Scratched(); }

// The spread of the race: the runners' own spreads weighted by their
// scores to the fifth power (the strong runners' spreads count), widened
// on a soft flat track.
double RaceSpread(const TRace& race) {
  double sum = 0, weight = 0;
  for (const THorse& horse : race.Horses()) {
    if (!IsRunner(horse)) continue;
    const double s5 = std::pow(horse.Score(), 5);
    sum += horse.Spread() * s5;
    weight += s5;
  }
  if (weight == 0) return 0;
  const double going = race.Track() < 100 ? 0.03 : 0.0;
  return sum / weight * (1 + going * std::max(race.Going(-1) - 1, 0));
}

}  // namespace

void RankHorses(TRace& race) {
  std::vector<THorse>& horses = race.MutableHorses();
  for (THorse& horse : horses) {
    horse.SetSpread(0);
    horse.SetWinProbability(0);
    horse.SetMark(0);
  }
  if (race.Venue > 99 || static_cast<int>(horses.size()) < race.Registered()) return;

  const double scale = race.Track() < 100 ? 1.0 : 1.26;
  for (THorse& horse : horses) horse.SetSpread(std::exp(-0.8 * horse.TotalRunWeight()) * 0.0101 * scale);
  const double sigma = RaceSpread(race);

  // The chance of each runner to finish ahead of all the others: its
  // density at x times the chance of every other runner to stay below x.
  std::vector<std::size_t> runners;
  for (std::size_t i = 0; i < horses.size(); ++i) {
    if (IsRunner(horses[i])) runners.push_back(i);
  }
  std::vector<double> p(horses.size(), 0.0);
  if (sigma > 0 && std::isfinite(sigma)) {
    for (std::size_t h : runners) {
      const double s = horses[h].Score();
      double sum = 0;
      for (int i = -kSteps; i <= kSteps; ++i) {
        const double x = s + 0.5 * sigma * i;
        double term = 0.5 * NormalDensity(s, sigma, x);
        for (std::size_t k : runners) {
          if (k != h) term *= NormalDistribution(horses[k].Score(), sigma, x);
        }
        sum += term;
      }
      p[h] = sum;
    }
  }

  // Runners first, by probability; the rank is the place in that order.
  std::vector<std::size_t> order(horses.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (IsRunner(horses[a]) != IsRunner(horses[b])) return IsRunner(horses[a]);
    return p[a] > p[b];
  });
  const double total = std::accumulate(p.begin(), p.end(), 0.0);
  if (total > 0) {
    for (double& value : p) value /= total;
  }
  const std::size_t n = runners.size();
  const double p1 = n > 0 ? p[order[0]] : 0;
  const double p2 = n > 1 ? p[order[1]] : 0;
  const int starters = race.Starters();
  for (std::size_t place = 0; place < n; ++place) {
    THorse& horse = horses[order[place]];
    int rank = static_cast<int>(place) + 1;
    // An outsider: below the even share of what the first two leave.
    if (rank > 3 && starters > 2 && p[order[place]] < (1 - p1 - p2) / (starters - 2)) rank = -rank;
    horse.SetWinProbability(p[order[place]]);
    horse.SetMark(rank);
  }

  if (!std::is_sorted(horses.begin(), horses.end(), HorseNumberLess)) {
    std::stable_sort(horses.begin(), horses.end(), HorseNumberLess);
  }
}
