#include "sample/sample_market.h"

#include <algorithm>
#include <cmath>

#include "database/odds_data.h"

namespace sample {

namespace {

constexpr int kWin = 0, kPlace = 1, kBracket = 2, kQuinella = 3, kWide = 4, kExacta = 5, kTrio = 6, kTrifecta = 7;

// Share of each bet type's pool against the win pool.
constexpr double kPoolShare[8] = {1.0, 0.7, 0.25, 1.4, 0.6, 1.0, 1.8, 3.5};

int Pair(int a, int b) { return a < b ? a * 100 + b : b * 100 + a; }
int Ordered(int a, int b) { return a * 100 + b; }
int Triple(int a, int b, int c) {
  int x[3] = {a, b, c};
  std::sort(x, x + 3);
  return (x[0] * 100 + x[1]) * 100 + x[2];
}
int OrderedTriple(int a, int b, int c) { return (a * 100 + b) * 100 + c; }

int Clamp10(std::int64_t odds10) { return static_cast<int>(std::clamp<std::int64_t>(odds10, 10, 99999999)); }

std::int64_t Votes(const TPool& pool, int combination) {
  auto it = pool.votes.find(combination);
  return it == pool.votes.end() ? 0 : it->second;
}

}  // namespace

int OddsFromVotes(int betType, std::int64_t votes, std::int64_t pool, int year) {
  if (votes <= 0) return 0;
  return Clamp10(SingleOddsFromVotes(betType, votes, pool, year));
}

int PlaceOdds(std::int64_t votes, std::int64_t pool, const std::vector<std::int64_t>& others, int year) {
  if (votes <= 0) return 0;
  return Clamp10(others.size() == 1 ? PlaceOddsFromVotes(votes, pool, others[0], year)
                                    : PlaceOddsFromVotes(votes, pool, others[0], others[1], year));
}

int WideOdds(std::int64_t votes, std::int64_t pool, std::int64_t va, std::int64_t vb) {
  if (votes <= 0) return 0;
  return Clamp10(WideOddsFromVotes(votes, pool, va, vb));
}

void BuildMarket(TRace& race, const std::vector<double>& publicWin, double poolSize, TRandom& random) {
  TMarket& m = race.market;
  m = TMarket();
  int year = race.date / 10000;
  // Starters: horse number → public win probability.
  std::vector<int> numbers;
  std::vector<double> p;
  double total = 0;
  for (std::size_t i = 0; i < race.runners.size(); ++i) {
    if (publicWin[i] <= 0) continue;
    numbers.push_back(race.runners[i].horseNo);
    p.push_back(publicWin[i]);
    total += publicWin[i];
  }
  int n = static_cast<int>(numbers.size());
  if (n < 2) return;
  for (double& x : p) x /= total;
  std::vector<int> frameOf(19, 0);
  for (const TRunner& r : race.runners) frameOf[static_cast<std::size_t>(r.horseNo)] = r.frame;

  m.placeCount = n <= 7 ? 2 : 3;
  m.sold = {true, n >= 5, n >= 9, true, n >= 3, true, n >= 3, n >= 3};

  // Probabilities of every combination by the Harville model.
  std::array<std::map<int, double>, 8> prob;
  for (int a = 0; a < n; ++a) {
    prob[kWin][numbers[a]] += p[a];
    for (int b = 0; b < n; ++b) {
      if (b == a) continue;
      double pab = p[a] * p[b] / std::max(1e-9, 1 - p[a]);
      prob[kExacta][Ordered(numbers[a], numbers[b])] += pab;
      prob[kQuinella][Pair(numbers[a], numbers[b])] += pab;
      int fa = frameOf[static_cast<std::size_t>(numbers[a])];
      int fb = frameOf[static_cast<std::size_t>(numbers[b])];
      prob[kBracket][Pair(fa, fb)] += pab;
      if (n >= 3) prob[kWide][Pair(numbers[a], numbers[b])] += pab;  // any third horse
      if (m.placeCount == 2) {
        prob[kPlace][numbers[a]] += pab;
        prob[kPlace][numbers[b]] += pab;
      }
      for (int c = 0; c < n; ++c) {
        if (c == a || c == b) continue;
        double pabc = pab * p[c] / std::max(1e-9, 1 - p[a] - p[b]);
        prob[kTrifecta][OrderedTriple(numbers[a], numbers[b], numbers[c])] += pabc;
        prob[kTrio][Triple(numbers[a], numbers[b], numbers[c])] += pabc;
        if (m.placeCount == 3) prob[kPlace][numbers[c]] += pabc;
        prob[kWide][Pair(numbers[a], numbers[c])] += pabc;
        prob[kWide][Pair(numbers[b], numbers[c])] += pabc;
        if (m.placeCount == 3) {
          // a and b are placed too, counted once per ordered triple.
          prob[kPlace][numbers[a]] += pabc;
          prob[kPlace][numbers[b]] += pabc;
        }
      }
    }
  }
  if (m.placeCount == 3) {
    // Each placed horse was counted for every ordered triple holding it.
    for (auto& [number, value] : prob[kPlace]) value = std::min(1.0, value);
  }

  // Votes: every combination of starters gets at least one vote.
  for (int t = 0; t < 8; ++t) {
    if (!m.sold[static_cast<std::size_t>(t)]) continue;
    TPool& pool = m.pools[static_cast<std::size_t>(t)];
    double size = poolSize * kPoolShare[t];
    double sum = 0;
    for (const auto& [combination, value] : prob[static_cast<std::size_t>(t)]) sum += value;
    for (const auto& [combination, value] : prob[static_cast<std::size_t>(t)]) {
      double noisy = value / sum * size * std::exp(0.08 * random.Normal());
      std::int64_t votes = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::llround(noisy)));
      pool.votes[combination] = votes;
      pool.total += votes;
    }
  }

  // Odds of every combination, by the program's arithmetic.
  for (int t : {kWin, kBracket, kQuinella, kExacta, kTrio, kTrifecta}) {
    const TPool& pool = m.pools[static_cast<std::size_t>(t)];
    for (const auto& [combination, votes] : pool.votes) {
      m.odds[static_cast<std::size_t>(t)][combination] = OddsFromVotes(t, votes, pool.total - pool.refunded, year);
    }
  }
  if (m.sold[kPlace]) {
    const TPool& pool = m.pools[kPlace];
    std::int64_t t = pool.total - pool.refunded;
    for (int h : numbers) {
      std::int64_t v = Votes(pool, h);
      int low = 0, high = 0;
      for (int i : numbers) {
        if (i == h) continue;
        if (m.placeCount == 2) {
          int o = PlaceOdds(v, t, {Votes(pool, i)}, year);
          low = low == 0 ? o : std::min(low, o);
          high = std::max(high, o);
          continue;
        }
        for (int j : numbers) {
          if (j <= i || j == h) continue;
          int o = PlaceOdds(v, t, {Votes(pool, i), Votes(pool, j)}, year);
          low = low == 0 ? o : std::min(low, o);
          high = std::max(high, o);
        }
      }
      m.odds[kPlace][h] = low;
      m.oddsHigh[kPlace][h] = high;
    }
  }
  if (m.sold[kWide]) {
    const TPool& pool = m.pools[kWide];
    std::int64_t t = pool.total - pool.refunded;
    for (const auto& [combination, v] : pool.votes) {
      int a = combination / 100, b = combination % 100;
      int low = 0, high = 0;
      for (int r : numbers) {
        if (r == a || r == b) continue;
        int o = WideOdds(v, t, Votes(pool, Pair(a, r)), Votes(pool, Pair(b, r)));
        low = low == 0 ? o : std::min(low, o);
        high = std::max(high, o);
      }
      m.odds[kWide][combination] = low;
      m.oddsHigh[kWide][combination] = high;
    }
  }

  // The runners' final win odds and popularity.
  std::vector<std::pair<std::int64_t, int>> byVotes;
  for (const auto& [number, votes] : m.pools[kWin].votes) byVotes.push_back({-votes, number});
  std::sort(byVotes.begin(), byVotes.end());
  for (TRunner& r : race.runners) {
    r.odds = 0;
    r.popularity = 0;
  }
  for (std::size_t rank = 0; rank < byVotes.size(); ++rank) {
    int number = byVotes[rank].second;
    for (TRunner& r : race.runners) {
      if (r.horseNo == number) {
        r.odds = m.odds[kWin][number];
        r.popularity = static_cast<int>(rank) + 1;
      }
    }
  }
}

void CompactMarket(TRace& race) {
  for (auto& pool : race.market.pools) pool = TPool();
  for (auto& odds : race.market.odds) odds.clear();
  for (auto& odds : race.market.oddsHigh) odds.clear();
}

void RestoreMarket(TRace& race) {
  if (race.publicWin.empty()) return;
  auto payouts = race.market.payouts;
  auto intermediate = race.market.intermediateWin;
  TRandom random(race.marketSeed);
  BuildMarket(race, race.publicWin, race.poolSize, random);
  race.market.payouts = std::move(payouts);
  race.market.intermediateWin = std::move(intermediate);
}

void SettleMarket(TRace& race) {
  TMarket& m = race.market;
  for (auto& list : m.payouts) list.clear();
  int year = race.date / 10000;
  std::vector<const TRunner*> placed;
  for (int position = 1; position <= 3; ++position) {
    for (const TRunner& r : race.runners) {
      if (r.position == position && r.abnormality == 0) {
        placed.push_back(&r);
        break;
      }
    }
  }
  auto rank = [&](int type, int combination) {
    const TPool& pool = m.pools[static_cast<std::size_t>(type)];
    std::int64_t v = Votes(pool, combination);
    int better = 1;
    for (const auto& [c, votes] : pool.votes) better += votes > v;
    return better;
  };
  auto pay = [&](int type, int combination, int odds10) {
    if (odds10 <= 0) return;
    m.payouts[static_cast<std::size_t>(type)].push_back({combination, odds10 * 10, rank(type, combination)});
  };
  if (placed.empty()) return;
  int first = placed[0]->horseNo;
  if (m.sold[kWin]) pay(kWin, first, m.odds[kWin][first]);
  if (m.sold[kPlace]) {
    const TPool& pool = m.pools[kPlace];
    std::int64_t t = pool.total - pool.refunded;
    std::size_t count = std::min<std::size_t>(placed.size(), static_cast<std::size_t>(m.placeCount));
    for (std::size_t i = 0; i < count; ++i) {
      std::vector<std::int64_t> others;
      for (std::size_t j = 0; j < count; ++j) {
        if (j != i) others.push_back(Votes(pool, placed[j]->horseNo));
      }
      if (others.empty()) continue;
      int h = placed[i]->horseNo;
      pay(kPlace, h, PlaceOdds(Votes(pool, h), t, others, year));
    }
  }
  if (placed.size() < 2) return;
  int second = placed[1]->horseNo;
  if (m.sold[kBracket]) {
    int c = Pair(placed[0]->frame, placed[1]->frame);
    pay(kBracket, c, m.odds[kBracket][c]);
  }
  if (m.sold[kQuinella]) pay(kQuinella, Pair(first, second), m.odds[kQuinella][Pair(first, second)]);
  if (m.sold[kExacta]) pay(kExacta, Ordered(first, second), m.odds[kExacta][Ordered(first, second)]);
  if (placed.size() < 3) return;
  int third = placed[2]->horseNo;
  if (m.sold[kWide]) {
    const TPool& pool = m.pools[kWide];
    std::int64_t t = pool.total - pool.refunded;
    int pairs[3][3] = {{first, second, third}, {first, third, second}, {second, third, first}};
    for (auto& pr : pairs) {
      int c = Pair(pr[0], pr[1]);
      pay(kWide, c, WideOdds(Votes(pool, c), t, Votes(pool, Pair(pr[0], pr[2])), Votes(pool, Pair(pr[1], pr[2]))));
    }
  }
  if (m.sold[kTrio]) pay(kTrio, Triple(first, second, third), m.odds[kTrio][Triple(first, second, third)]);
  if (m.sold[kTrifecta]) {
    int c = OrderedTriple(first, second, third);
    pay(kTrifecta, c, m.odds[kTrifecta][c]);
  }
}

}  // namespace sample
