#include "analysis/bet_candidates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "database/horse.h"
#include "database/race.h"

namespace {

// Horse numbers run 1-27; slot 0 stays empty.
constexpr int kSlots = 28;
// How far the second and third places follow the win probabilities (0:
// not at all, 1: fully).
constexpr double kBeta = 0.04;

struct TRunner {
  int no;
  int frame;
  double p;
};

// The payouts of a race by bet type, looked up once per race.
class TPayouts {
 public:
  explicit TPayouts(const TResult& race) {
    for (const TPayData& pay : race.Payouts()) {
      if (pay.Type < 0 || pay.Type >= kBetTypeCount) continue;
      auto& list = lists_[static_cast<std::size_t>(pay.Type)];
      list.emplace_back(pay.Combination(), pay.Payout);
    }
  }
  // As TResult::Payout.
  int Of(int type, int combination) const {
    const auto& list = lists_[static_cast<std::size_t>(type)];
    if (list.empty()) return -1;
    for (const auto& [number, payout] : list) {
      if (number == combination) return payout;
    }
    return 0;
  }

 private:
  std::array<std::vector<std::pair<int, int>>, kBetTypeCount> lists_;
};

// The probability of every order of finish of three runners i, j, k, and
// its sums along each dimension and pair of dimensions.
struct TTable {
  std::array<double, kSlots * kSlots * kSlots> cell;
  std::array<double, kSlots> first, second, third;
  // [a][b]: a first and b second; a first and b third; a second and b third.
  std::array<double, kSlots * kSlots> firstSecond, firstThird, secondThird;

  static std::size_t At(int i, int j, int k) { return static_cast<std::size_t>((i * kSlots + j) * kSlots + k); }
  static std::size_t At(int i, int j) { return static_cast<std::size_t>(i * kSlots + j); }
  double T(int i, int j, int k) const { return cell[At(i, j, k)]; }

  void Clear() {
    cell.fill(0);
    first.fill(0), second.fill(0), third.fill(0);
    firstSecond.fill(0), firstThird.fill(0), secondThird.fill(0);
  }
};

// p_i × q_j × r_k: the winner by its win probability, the second and the
// third by theirs among the rest, pulled towards an even chance.
void FillTable(TTable& t, const std::vector<TRunner>& runners, int starters) {
  t.Clear();
  if (starters < 3) return;
  const double even2 = 1.0 / (starters - 1);
  const double even3 = 1.0 / (starters - 2);
  const double pull2 = std::pow(kBeta, 1.0 / (starters - 1));
  const double pull3 = std::pow(kBeta, 2.0 / (starters - 1));
  auto share = [](double p, double rest) { return rest > 0 ? p / rest : 0.0; };
  for (const TRunner& a : runners) {
    for (const TRunner& b : runners) {
      if (b.no == a.no) continue;
      const double q = even2 + (share(b.p, 1 - a.p) - even2) * pull2;
      for (const TRunner& c : runners) {
        if (c.no == a.no || c.no == b.no) continue;
        const double r = even3 + (share(c.p, 1 - a.p - b.p) - even3) * pull3;
        const double v = a.p * q * r;
        t.cell[TTable::At(a.no, b.no, c.no)] = v;
        t.first[static_cast<std::size_t>(a.no)] += v;
        t.second[static_cast<std::size_t>(b.no)] += v;
        t.third[static_cast<std::size_t>(c.no)] += v;
        t.firstSecond[TTable::At(a.no, b.no)] += v;
        t.firstThird[TTable::At(a.no, c.no)] += v;
        t.secondThird[TTable::At(b.no, c.no)] += v;
      }
    }
  }
}

// Orders bets by value, highest first, keeping the order of equal values
// (a stable sort): a radix sort of the values' bits, which order as
// unsigned numbers once the sign is folded in. A race of 18 has 4896
// 3連単 candidates, so this is where the time of the ordering goes.
void SortByValue(std::vector<TBetData>& bets) {
  const std::size_t n = bets.size();
  // Kept from race to race, as the candidate lists are.
  static thread_local std::vector<std::uint32_t> keyBuffer[2];
  static thread_local std::vector<TBetData> betBuffer;
  keyBuffer[0].resize(n);
  keyBuffer[1].resize(n);
  betBuffer.resize(n);
  std::uint32_t* keys = keyBuffer[0].data();
  std::uint32_t* nextKeys = keyBuffer[1].data();
  TBetData* from = bets.data();
  TBetData* to = betBuffer.data();
  for (std::size_t i = 0; i < n; ++i) {
    const float v = from[i].Value == 0 ? 0.0f : from[i].Value;  // -0 as 0
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    bits = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;  // ascending with the value
    keys[i] = ~bits;                                                   // descending
  }
  for (int shift = 0; shift < 32; shift += 8) {
    std::array<std::size_t, 257> start{};
    for (std::size_t i = 0; i < n; ++i) ++start[((keys[i] >> shift) & 0xFFu) + 1];
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t at = start[(keys[i] >> shift) & 0xFFu]++;
      to[at] = from[i];
      nextKeys[at] = keys[i];
    }
    std::swap(from, to);
    std::swap(keys, nextKeys);
  }
  // Four passes: the sorted bets are back in `bets`.
}

// The table is large: one per thread, cleared once per race.
TTable& SharedTable() {
  static thread_local TTable table;
  return table;
}

}  // namespace

void AddBetCandidates(TRace& race) {
  race.ClearBets();
  const std::vector<THorse>& horses = race.Horses();
  const int registered = race.Registered();
  if (race.Venue >= 30 || race.DataKind() < 2 || static_cast<int>(horses.size()) < registered || registered < 2) {
    return;
  }

  std::vector<TRunner> runners;
  runners.reserve(horses.size());
  for (const THorse& horse : horses) {
    if (!horse.Scratched() && horse.HorseNo() >= 1 && horse.HorseNo() < kSlots) {
      runners.push_back({horse.HorseNo(), horse.Frame(), horse.WinProbability()});
    }
  }
  TTable& t = SharedTable();
  FillTable(t, runners, race.Starters());

  const TPayouts payouts(race);
  // The candidates by type; kept from race to race so that a race does not
  // allocate them afresh.
  static thread_local std::array<std::vector<TBetData>, kBetTypeCount> byType;
  for (std::vector<TBetData>& bets : byType) bets.clear();
  auto add = [&](int type, double probability, int h1, int h2 = 0, int h3 = 0) {
    TBetData bet;
    bet.Type = static_cast<std::int8_t>(type);
    bet.No = {static_cast<std::uint8_t>(h1), static_cast<std::uint8_t>(h2), static_cast<std::uint8_t>(h3)};
    bet.Payout = payouts.Of(type, bet.Combination());
    bet.Value = static_cast<float>(probability);
    byType[static_cast<std::size_t>(type)].push_back(bet);
  };
  auto slot = [](int no) { return static_cast<std::size_t>(no); };

  // 単勝 and 複勝 (places paid: two from 5 entered, three from 8).
  for (const TRunner& h : runners) add(0, t.first[slot(h.no)], h.no);
  if (registered > 4) {
    for (const TRunner& h : runners) {
      double place = t.first[slot(h.no)] + t.second[slot(h.no)];
      if (registered > 7) place += t.third[slot(h.no)];
      add(1, place, h.no);
    }
  }

  // Pairs and triples. Up to 2004 a field of 8 or fewer had 枠連 and no
  // 馬連 or ワイド; from 2005 the reverse; 9 or more had both.
  const bool brackets = race.Year <= 2004 || registered >= 9;
  const bool quinellas = race.Year >= 2005 || registered >= 9;
  std::array<std::array<double, 9>, 9> bracket{};
  if (registered > 2) {
    for (std::size_t a = 0; a < runners.size(); ++a) {
      const int h = runners[a].no;
      for (std::size_t b = a + 1; b < runners.size(); ++b) {
        const int g = runners[b].no;
        const double hg = t.firstSecond[TTable::At(h, g)];
        const double gh = t.firstSecond[TTable::At(g, h)];
        add(5, hg, h, g);
        add(5, gh, g, h);
        const double q = hg + gh;
        const int f1 = std::min(runners[a].frame, runners[b].frame);
        const int f2 = std::max(runners[a].frame, runners[b].frame);
        if (brackets && f1 >= 1 && f2 <= 8) bracket[slot(f1)][slot(f2)] += q;
        if (quinellas) add(3, q, h, g);
        if (registered <= 3) continue;
        if (quinellas) {
          add(4,
              q + t.firstThird[TTable::At(h, g)] + t.firstThird[TTable::At(g, h)] +
                  t.secondThird[TTable::At(h, g)] + t.secondThird[TTable::At(g, h)],
              h, g);
        }
        for (std::size_t c = b + 1; c < runners.size(); ++c) {
          const int k = runners[c].no;
          const std::array<std::array<int, 3>, 6> orders = {
              {{h, g, k}, {h, k, g}, {g, h, k}, {g, k, h}, {k, h, g}, {k, g, h}}};
          double trio = 0;
          for (const auto& o : orders) {
            const double v = t.T(o[0], o[1], o[2]);
            add(7, v, o[0], o[1], o[2]);
            trio += v;
          }
          add(6, trio, h, g, k);
        }
      }
    }
  }
  for (int f1 = 1; f1 <= 8; ++f1) {
    for (int f2 = f1; f2 <= 8; ++f2) {
      if (bracket[slot(f1)][slot(f2)] > 0) add(2, bracket[slot(f1)][slot(f2)], f1, f2);
    }
  }

  // By bet type, then by probability, highest first.
  for (std::vector<TBetData>& bets : byType) {
    SortByValue(bets);
    for (const TBetData& bet : bets) race.AppendBet(bet);
  }
}
