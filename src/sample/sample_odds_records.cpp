#include "sample/sample_odds_records.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "sample/sample_record.h"

namespace sample {

namespace {

using jv::TField;

constexpr char kSold = '7';
constexpr char kNotSold = '0';

// One slot of a combination list.
struct TEntry {
  int key = 0;      // combination number as TMarket keys it
  int written = 0;  // as the record holds it (a bracket pair is one digit per frame)
  char mark = 0;    // 0 for a live combination, else '-' or '*' (see the header)
};

// A list of entries inside a record: `count` slots of `stride` bytes from
// `start`; `value2` has length 0 when the slot holds one value only.
struct TList {
  int start, stride, count;
  TField combination, value, value2;
};

// The runners of a race by horse number, ascending.
std::vector<const TRunner*> ByHorseNo(const TRace& race) {
  std::vector<const TRunner*> runners;
  for (const TRunner& r : race.runners) {
    if (r.horseNo > 0) runners.push_back(&r);
  }
  std::sort(runners.begin(), runners.end(),
            [](const TRunner* a, const TRunner* b) { return a->horseNo < b->horseNo; });
  return runners;
}

bool Scratched(const TRunner& runner) { return runner.abnormality >= 1 && runner.abnormality <= 3; }

// The mark of a combination of these runners: '-' when one was scratched
// before the sale, '*' when one was taken off after it, 0 when all run.
char MarkOf(std::initializer_list<const TRunner*> runners) {
  char mark = 0;
  for (const TRunner* r : runners) {
    if (r->abnormality == 1) return '-';
    if (Scratched(*r)) mark = '*';
  }
  return mark;
}

// Every combination of bet type `type` among the race's runners, in
// ascending combination order.
std::vector<TEntry> Entries(int type, const TRace& race) {
  std::vector<const TRunner*> h = ByHorseNo(race);
  std::vector<TEntry> entries;
  switch (type) {
    case 0:
    case 1:
      for (const TRunner* a : h) entries.push_back({a->horseNo, a->horseNo, MarkOf({a})});
      break;
    case 2: {
      std::array<int, 9> entered{}, running{};
      std::array<bool, 9> scratchedBefore{};
      for (const TRunner* r : h) {
        if (r->frame < 1 || r->frame > 8) continue;
        std::size_t f = static_cast<std::size_t>(r->frame);
        ++entered[f];
        if (!Scratched(*r)) ++running[f];
        if (r->abnormality == 1) scratchedBefore[f] = true;
      }
      for (std::size_t a = 1; a <= 8; ++a) {
        for (std::size_t b = a; b <= 8; ++b) {
          if (entered[a] == 0 || entered[b] == 0 || (a == b && entered[a] < 2)) continue;
          bool dead = running[a] == 0 || running[b] == 0 || (a == b && running[a] < 2);
          char mark = !dead ? 0 : (scratchedBefore[a] || scratchedBefore[b]) ? '-' : '*';
          int ia = static_cast<int>(a), ib = static_cast<int>(b);
          entries.push_back({ia * 100 + ib, ia * 10 + ib, mark});
        }
      }
      break;
    }
    case 3:
    case 4:
      for (std::size_t i = 0; i < h.size(); ++i) {
        for (std::size_t j = i + 1; j < h.size(); ++j) {
          int key = h[i]->horseNo * 100 + h[j]->horseNo;
          entries.push_back({key, key, MarkOf({h[i], h[j]})});
        }
      }
      break;
    case 5:
      for (const TRunner* a : h) {
        for (const TRunner* b : h) {
          if (a == b) continue;
          int key = a->horseNo * 100 + b->horseNo;
          entries.push_back({key, key, MarkOf({a, b})});
        }
      }
      break;
    case 6:
      for (std::size_t i = 0; i < h.size(); ++i) {
        for (std::size_t j = i + 1; j < h.size(); ++j) {
          for (std::size_t k = j + 1; k < h.size(); ++k) {
            int key = (h[i]->horseNo * 100 + h[j]->horseNo) * 100 + h[k]->horseNo;
            entries.push_back({key, key, MarkOf({h[i], h[j], h[k]})});
          }
        }
      }
      break;
    case 7:
      for (const TRunner* a : h) {
        for (const TRunner* b : h) {
          for (const TRunner* c : h) {
            if (a == b || a == c || b == c) continue;
            int key = (a->horseNo * 100 + b->horseNo) * 100 + c->horseNo;
            entries.push_back({key, key, MarkOf({a, b, c})});
          }
        }
      }
      break;
    default:
      break;
  }
  return entries;
}

template <typename Value>
Value Lookup(const std::map<int, Value>& map, int key) {
  auto it = map.find(key);
  return it == map.end() ? Value{} : it->second;
}

// Writes the entries of one list: the combination, then the value (and the
// second value) from `value` and `value2`, or the mark in their place.
template <typename ValueFn, typename Value2Fn>
void WriteList(TRecordWriter& w, const TList& list, const std::vector<TEntry>& entries,
               ValueFn value, Value2Fn value2) {
  int n = std::min(static_cast<int>(entries.size()), list.count);
  for (int i = 0; i < n; ++i) {
    const TEntry& e = entries[static_cast<std::size_t>(i)];
    w.Number(Block(list.start, list.stride, i, list.combination), e.written);
    TField v = Block(list.start, list.stride, i, list.value);
    TField v2 = Block(list.start, list.stride, i, list.value2);
    if (e.mark != 0) {
      w.Raw(v, std::string(static_cast<std::size_t>(v.length), e.mark));
      if (list.value2.length > 0) w.Raw(v2, std::string(static_cast<std::size_t>(v2.length), e.mark));
    } else {
      w.Number(v, value(e.key));
      if (list.value2.length > 0) w.Number(v2, value2(e.key));
    }
  }
}

void WriteOddsList(TRecordWriter& w, const TList& list, int type, const TRace& race,
                   const std::map<int, int>& low, const std::map<int, int>& high) {
  if (!race.market.sold[static_cast<std::size_t>(type)]) return;
  WriteList(w, list, Entries(type, race), [&low](int key) { return Lookup(low, key); },
            [&high](int key) { return Lookup(high, key); });
}

void WriteVoteList(TRecordWriter& w, const TList& list, int type, const TRace& race) {
  if (!race.market.sold[static_cast<std::size_t>(type)]) return;
  const auto& votes = race.market.pools[static_cast<std::size_t>(type)].votes;
  auto value = [&votes](int key) { return Lookup(votes, key); };
  WriteList(w, list, Entries(type, race), value, value);
}

char SaleFlag(const TRace& race, int type) {
  return race.market.sold[static_cast<std::size_t>(type)] ? kSold : kNotSold;
}

void PutFlag(TRecordWriter& w, int offset, char flag) {
  w.Raw(TField{offset, 1}, std::string_view(&flag, 1));
}

// The refund flags of every horse number of the race, "1" when it was
// scratched or excluded, from `start` (horse n at start + n - 1).
void WriteHorseRefunds(TRecordWriter& w, const TRace& race, int start, int count) {
  for (const TRunner* r : ByHorseNo(race)) {
    if (r->horseNo > count) break;
    PutFlag(w, start + r->horseNo - 1, Scratched(*r) ? '1' : '0');
  }
}

constexpr TField kNone{0, 0};

}  // namespace

std::string OddsRecord(int kind, const TRace& race, char dataKind, int announceTime, int created) {
  const TMarket& m = race.market;
  switch (kind) {
    case 1: {
      namespace o1 = jv::o1;
      TRecordWriter w("O1", o1::kLength, dataKind, created);
      w.RaceKey(race.key);
      w.Number(o1::kAnnounceTime, announceTime);
      PutFlag(w, o1::kSaleWin.offset, SaleFlag(race, 0));
      PutFlag(w, o1::kSalePlace.offset, SaleFlag(race, 1));
      PutFlag(w, o1::kSaleBracket.offset, SaleFlag(race, 2));
      w.Number(o1::kPlaceCount, m.placeCount);
      const std::map<int, int>* win = &m.odds[0];
      auto shown = m.intermediateWin.find(announceTime);
      if (dataKind == '1' && shown != m.intermediateWin.end()) win = &shown->second;
      WriteOddsList(w, {o1::kWinOddsStart, o1::kWinOddsStride, o1::kWinOddsCount, o1::kWinHorseNo,
                        o1::kWinOdds, kNone},
                    0, race, *win, *win);
      WriteOddsList(w, {o1::kPlaceOddsStart, o1::kPlaceOddsStride, o1::kPlaceOddsCount,
                        o1::kPlaceHorseNo, o1::kPlaceOddsLow, o1::kPlaceOddsHigh},
                    1, race, m.odds[1], m.oddsHigh[1]);
      WriteOddsList(w, {o1::kBracketOddsStart, o1::kBracketOddsStride, o1::kBracketOddsCount,
                        o1::kBracketPair, o1::kBracketOdds, kNone},
                    2, race, m.odds[2], m.odds[2]);
      return w.bytes();
    }
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: {
      // O2-O6 share their head; they differ in the list and the bet type.
      struct TKind {
        const char* id;
        int length, type;
        TField announce, sale;
        TList list;
      };
      static const TKind kinds[5] = {
          {"O2", jv::o2::kLength, 3, jv::o2::kAnnounceTime, jv::o2::kSaleFlag,
           {jv::o2::kEntryStart, jv::o2::kEntryStride, jv::o2::kEntryCount, jv::o2::kCombination,
            jv::o2::kOdds, kNone}},
          {"O3", jv::o3::kLength, 4, jv::o3::kAnnounceTime, jv::o3::kSaleFlag,
           {jv::o3::kEntryStart, jv::o3::kEntryStride, jv::o3::kEntryCount, jv::o3::kCombination,
            jv::o3::kOddsLow, jv::o3::kOddsHigh}},
          {"O4", jv::o4::kLength, 5, jv::o4::kAnnounceTime, jv::o4::kSaleFlag,
           {jv::o4::kEntryStart, jv::o4::kEntryStride, jv::o4::kEntryCount, jv::o4::kCombination,
            jv::o4::kOdds, kNone}},
          {"O5", jv::o5::kLength, 6, jv::o5::kAnnounceTime, jv::o5::kSaleFlag,
           {jv::o5::kEntryStart, jv::o5::kEntryStride, jv::o5::kEntryCount, jv::o5::kCombination,
            jv::o5::kOdds, kNone}},
          {"O6", jv::o6::kLength, 7, jv::o6::kAnnounceTime, jv::o6::kSaleFlag,
           {jv::o6::kEntryStart, jv::o6::kEntryStride, jv::o6::kEntryCount, jv::o6::kCombination,
            jv::o6::kOdds, kNone}},
      };
      const TKind& k = kinds[kind - 2];
      TRecordWriter w(k.id, k.length, dataKind, created);
      w.RaceKey(race.key);
      w.Number(k.announce, announceTime);
      PutFlag(w, k.sale.offset, SaleFlag(race, k.type));
      std::size_t t = static_cast<std::size_t>(k.type);
      WriteOddsList(w, k.list, k.type, race, m.odds[t], m.oddsHigh[t]);
      return w.bytes();
    }
    default:
      throw std::invalid_argument("odds record: kind outside 1-6");
  }
}

std::string H1Record(const TRace& race, char dataKind, int created) {
  namespace h1 = jv::h1;
  TRecordWriter w("H1", h1::kLength, dataKind, created);
  w.RaceKey(race.key);
  w.Number(h1::kPlaceCount, race.market.placeCount);

  WriteHorseRefunds(w, race, h1::kRefundHorseStart, h1::kRefundHorseCount);
  std::array<int, 9> entered{}, running{};
  for (const TRunner& r : race.runners) {
    if (r.frame < 1 || r.frame > 8) continue;
    ++entered[static_cast<std::size_t>(r.frame)];
    if (!Scratched(r)) ++running[static_cast<std::size_t>(r.frame)];
  }
  for (int f = 1; f <= 8; ++f) {
    std::size_t i = static_cast<std::size_t>(f);
    if (entered[i] == 0) continue;
    PutFlag(w, h1::kRefundFrameStart + f - 1, running[i] == 0 ? '1' : '0');
    PutFlag(w, h1::kRefundSameFrameStart + f - 1, entered[i] >= 2 && running[i] < 2 ? '1' : '0');
  }

  WriteVoteList(w, {h1::kWinVotesStart, h1::kWinVotesStride, h1::kWinVotesCount, h1::kVoteNumber,
                    h1::kVoteNumberVotes, kNone},
                0, race);
  WriteVoteList(w, {h1::kPlaceVotesStart, h1::kPlaceVotesStride, h1::kPlaceVotesCount,
                    h1::kVoteNumber, h1::kVoteNumberVotes, kNone},
                1, race);
  WriteVoteList(w, {h1::kBracketVotesStart, h1::kBracketVotesStride, h1::kBracketVotesCount,
                    h1::kVoteNumber, h1::kVoteNumberVotes, kNone},
                2, race);
  WriteVoteList(w, {h1::kQuinellaVotesStart, h1::kQuinellaVotesStride, h1::kQuinellaVotesCount,
                    h1::kVotePair, h1::kVotePairVotes, kNone},
                3, race);
  WriteVoteList(w, {h1::kWideVotesStart, h1::kWideVotesStride, h1::kWideVotesCount, h1::kVotePair,
                    h1::kVotePairVotes, kNone},
                4, race);
  WriteVoteList(w, {h1::kExactaVotesStart, h1::kExactaVotesStride, h1::kExactaVotesCount,
                    h1::kVotePair, h1::kVotePairVotes, kNone},
                5, race);
  WriteVoteList(w, {h1::kTrioVotesStart, h1::kTrioVotesStride, h1::kTrioVotesCount,
                    h1::kVoteTriple, h1::kVoteTripleVotes, kNone},
                6, race);

  for (int t = 0; t < h1::kPoolCount; ++t) {
    const TPool& pool = race.market.pools[static_cast<std::size_t>(t)];
    w.Number(Block(h1::kPoolStart, h1::kPoolStride, t, h1::kPool), pool.total);
    w.Number(Block(h1::kRefundPoolStart, h1::kPoolStride, t, h1::kPool), pool.refunded);
  }
  return w.bytes();
}

std::string H6Record(const TRace& race, char dataKind, int created) {
  namespace h6 = jv::h6;
  TRecordWriter w("H6", h6::kLength, dataKind, created);
  w.RaceKey(race.key);
  WriteHorseRefunds(w, race, h6::kRefundHorseStart, h6::kRefundHorseCount);
  WriteVoteList(w, {h6::kVotesStart, h6::kVotesStride, h6::kVotesCount, h6::kCombination,
                    h6::kVotes, kNone},
                7, race);
  const TPool& pool = race.market.pools[7];
  w.Number(h6::kPool, pool.total);
  w.Number(h6::kRefundPool, pool.refunded);
  return w.bytes();
}

}  // namespace sample
