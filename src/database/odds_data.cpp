#include "database/odds_data.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "app/fixed_field.h"
#include "database/jv_records.h"
#include "database/record_fields.h"

namespace {

constexpr int kWin = 0, kPlace = 1, kBracket = 2, kQuinella = 3, kWide = 4, kExacta = 5, kTrio = 6,
              kTrifecta = 7;

// The notional pool of predicted odds, in votes.
constexpr double kPredictedPool = 100000000.0;

std::int64_t Trunc(double x) { return static_cast<std::int64_t>(x); }

// Odds × 10 from the amounts G (after the take), S (the 単勝 bonus) and v,
// by the year rule.
std::int64_t YearRule(std::int64_t g, std::int64_t s, std::int64_t votes, int year) {
  std::int64_t r = Trunc(static_cast<double>(g - votes * 10) * 0.1);
  return year < 2005 ? (g - r) / votes + s / votes : (g + s - r) / votes;
}

bool Fits(std::string_view record, int length) { return record.size() >= static_cast<std::size_t>(length); }

// A vote count (up to 11 digits, beyond 32 bits).
std::int64_t VoteCount(std::string_view record, jv::TField f) {
  return ParseFixedFieldWide(record.data() + f.offset, f.length);
}

bool Flag(std::string_view record, int offset) { return record[static_cast<std::size_t>(offset)] == '1'; }

// The race key and data kind at their places in a JV-Data record.
void ReadHead(TOddsData& odds, std::string_view record) {
  odds.SetRaceKey(record.data() + jv::kRaceKey.offset);
  odds.DataKind = Number(record, jv::kDataKind);
}

// A one-digit-per-frame 枠連 pair ("18") as a combination number (108).
int FramePair(int pair) { return pair / 10 * 100 + pair % 10; }

// The horse numbers of a combination number.
std::array<int, 3> Numbers(int combination) {
  if (combination >= 10000) return {combination / 10000, combination / 100 % 100, combination % 100};
  if (combination >= 100) return {combination / 100, combination % 100, 0};
  return {combination, 0, 0};
}

// Widens the odds range of an entry by odds × 10 (held to 32 bits, and to
// at least 1.0 when above 0).
void Widen(TOddsEntry& entry, std::int64_t odds10) {
  std::int64_t a = std::clamp<std::int64_t>(odds10, std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max());
  if (a > 0) a = std::max<std::int64_t>(a, 10);
  const auto value = static_cast<std::int32_t>(a);
  entry.Low = entry.Low == -1 ? value : std::min(entry.Low, value);
  entry.High = entry.High == -1 ? value : std::max(entry.High, value);
}

// Racecourse codes by KOL racecourse number; "00" is none.
constexpr std::array<const char*, 100> kKolVenueCodes = [] {
  std::array<const char*, 100> codes{};
  constexpr const char* jra[] = {"08", "09", "07", "10", "05", "06", "03", "04", "01", "02", "44",
                                 "45", "43", "42", "32", "34", "33", "00", "31", "47", "46", "56",
                                 "40", "55", "57", "41", "54", "39", "37", "36", "38", "49", "52",
                                 "35", "48", "58", "59", "50", "53", "51", "61", "60", "30"};
  constexpr const char* abroad[] = {"G0", "A4", "A6", "A8", "B2", "C7", "B8", "C0", "C2",
                                    "B6", "C2", "B4", "F2", "E2", "E4", "M0", "D0", "G2"};
  for (auto& code : codes) code = "00";
  for (std::size_t i = 0; i < std::size(jra); ++i) codes[i] = jra[i];
  for (std::size_t i = 0; i < std::size(abroad); ++i) codes[60 + i] = abroad[i];
  return codes;
}();

// A KOL odds text: none for "-" (and `slash` "/"), `beyond` for "*",
// otherwise the number × 0.1.
double KolOdds(std::string_view record, jv::TField f, bool slash, double beyond) {
  char first = record[static_cast<std::size_t>(f.offset)];
  if (first == '-' || (slash && first == '/')) return 0;
  if (first == '*') return beyond;
  return Number(record, f) * 0.1;
}

}  // namespace

// ---------------------------------------------------------------------------
// Odds from votes.

std::int64_t SingleOddsFromVotes(int betType, std::int64_t votes, std::int64_t pool, int year) {
  if (votes <= 0) return 0;
  const std::int64_t p = pool * 10;
  const std::int64_t g = Trunc(static_cast<double>(p) * 0.82);
  const std::int64_t s = betType == kWin ? Trunc(static_cast<double>(p) * 0.05) : 0;
  return YearRule(g, s, votes, year);
}

std::int64_t PlaceOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t other, int year) {
  if (votes <= 0) return 0;
  const std::int64_t q = ((pool - votes - other) * 10) / 2 + votes * 10;
  const std::int64_t s = Trunc(static_cast<double>((pool * 10) / 2) * 0.05);
  return YearRule(Trunc(static_cast<double>(q) * 0.82), s, votes, year);
}

std::int64_t PlaceOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t other1, std::int64_t other2,
                                int year) {
  if (votes <= 0) return 0;
  const std::int64_t q = (pool - votes - other1 - other2) * 10 / 3 + votes * 10;
  const std::int64_t s = Trunc(static_cast<double>(pool * 10 / 3) * 0.05);
  return YearRule(Trunc(static_cast<double>(q) * 0.82), s, votes, year);
}

std::int64_t WideOddsFromVotes(std::int64_t votes, std::int64_t pool, std::int64_t va, std::int64_t vb) {
  if (votes <= 0) return 0;
  const std::int64_t q = (pool - votes - va - vb) * 10 / 3 + votes * 10;
  const std::int64_t g = Trunc(static_cast<double>(q) * 0.82);
  const std::int64_t r = Trunc(static_cast<double>(g - votes * 10) * 0.1);
  return (g - r) / votes;
}

int KolVenue(int kolVenueIndex) {
  if (kolVenueIndex < 0 || kolVenueIndex >= static_cast<int>(kKolVenueCodes.size())) return 0;
  return ParseFixedField(kKolVenueCodes[static_cast<std::size_t>(kolVenueIndex)], 2);
}

// ---------------------------------------------------------------------------
// Entries.

TOddsEntry& TOddsData::Entry(int betType, int combination) {
  std::int64_t& info = TypeInfo[betType];
  if (info == 0) info = 1;
  return Entries[Key(betType, combination)];
}

void TOddsData::StoreOdds(int betType, int combination, double odds) {
  StoreOdds10(betType, combination, Trunc(odds * 10 + 0.1));
}

void TOddsData::StoreOdds10(int betType, int combination, std::int64_t odds10) {
  Widen(Entry(betType, combination), odds10);
}

void TOddsData::SetVotes(int betType, int combination, std::int64_t votes) { Entry(betType, combination).Votes = votes; }

std::int64_t TOddsData::Votes(int betType, int combination) const {
  auto it = Entries.find(Key(betType, combination));
  return it == Entries.end() ? 0 : it->second.Votes;
}

std::int64_t TOddsData::TypeValue(int betType) const {
  auto it = TypeInfo.find(betType);
  return it == TypeInfo.end() ? 0 : it->second;
}

double TOddsData::GetOdds(int betType, int combination, int which) {
  if (TypeInfo.find(betType) == TypeInfo.end()) return -1;
  auto it = Entries.find(Key(betType, combination));
  if (it == Entries.end()) return 0;
  TOddsEntry& entry = it->second;
  if (entry.Low == -1) ComputeOdds(betType, combination, entry);
  return (which == 0 ? entry.Low : entry.High) * 0.1;
}

void TOddsData::ComputeOdds(int betType, int combination, TOddsEntry& entry) {
  const std::int64_t v = entry.Votes;
  const std::int64_t pool = TypeValue(betType);
  auto store = [&entry](std::int64_t odds10) { Widen(entry, odds10); };
  if (v > 0 && betType == kPlace) {
    for (int i = 1; i <= 28; ++i) {
      const std::int64_t vi = i == combination ? 0 : Votes(kPlace, i);
      if (vi <= 0) continue;
      if (PlaceCount == 2) {
        store(PlaceOddsFromVotes(v, pool, vi, Year));
        continue;
      }
      for (int j = i + 1; j <= 28; ++j) {
        const std::int64_t vj = j == combination ? 0 : Votes(kPlace, j);
        if (vj > 0) store(PlaceOddsFromVotes(v, pool, vi, vj, Year));
      }
    }
  } else if (v > 0 && betType == kWide) {
    const int a = combination / 100, b = combination % 100;
    for (int r = 1; r <= 18; ++r) {
      if (r == a || r == b) continue;
      const std::int64_t va = Votes(kWide, std::min(a, r) * 100 + std::max(a, r));
      const std::int64_t vb = Votes(kWide, std::min(b, r) * 100 + std::max(b, r));
      if (va > 0 && vb > 0) store(WideOddsFromVotes(v, pool, va, vb));
    }
  } else if (v > 0) {
    store(SingleOddsFromVotes(betType, v, pool, Year));
  }
  // No votes, or no other horses to be placed with: no odds.
  if (entry.Low == -1) store(0);
}

// ---------------------------------------------------------------------------
// Announced odds.

TOddsData TOddsData::FromO1(std::string_view record) {
  namespace o1 = jv::o1;
  TOddsData odds;
  if (!Fits(record, o1::kLength)) return odds;
  ReadHead(odds, record);
  odds.AnnounceTime = Number(record, o1::kAnnounceTime);
  odds.PlaceCount = Number(record, o1::kPlaceCount);
  odds.TypeInfo[kWin] = Number(record, o1::kSaleWin);
  odds.TypeInfo[kPlace] = Number(record, o1::kSalePlace);
  odds.TypeInfo[kBracket] = Number(record, o1::kSaleBracket);
  for (int i = 0; i < o1::kWinOddsCount; ++i) {
    int h = Number(record, jv::InBlock(o1::kWinOddsStart, o1::kWinOddsStride, i, o1::kWinHorseNo));
    if (h == 0) continue;
    odds.StoreOdds(kWin, h, Number(record, jv::InBlock(o1::kWinOddsStart, o1::kWinOddsStride, i, o1::kWinOdds)) * 0.1);
  }
  for (int i = 0; i < o1::kPlaceOddsCount; ++i) {
    auto field = [i](jv::TField f) { return jv::InBlock(o1::kPlaceOddsStart, o1::kPlaceOddsStride, i, f); };
    int h = Number(record, field(o1::kPlaceHorseNo));
    if (h == 0) continue;
    odds.StoreOdds(kPlace, h, Number(record, field(o1::kPlaceOddsLow)) * 0.1);
    odds.StoreOdds(kPlace, h, Number(record, field(o1::kPlaceOddsHigh)) * 0.1);
  }
  for (int i = 0; i < o1::kBracketOddsCount; ++i) {
    auto field = [i](jv::TField f) { return jv::InBlock(o1::kBracketOddsStart, o1::kBracketOddsStride, i, f); };
    int pair = Number(record, field(o1::kBracketPair));
    if (pair == 0) continue;
    odds.StoreOdds(kBracket, FramePair(pair), Number(record, field(o1::kBracketOdds)) * 0.1);
  }
  return odds;
}

void TOddsData::MergeOdds(int kind, std::string_view record) {
  // Every one of O2-O6: a sale flag at 39, then entries of a combination
  // and the odds (ワイド: the lowest and the highest).
  struct TLayout {
    int length, betType, start, stride, count;
    jv::TField combination, low, high;
  };
  static const TLayout layouts[] = {
      {jv::o2::kLength, kQuinella, jv::o2::kEntryStart, jv::o2::kEntryStride, jv::o2::kEntryCount,
       jv::o2::kCombination, jv::o2::kOdds, jv::o2::kOdds},
      {jv::o3::kLength, kWide, jv::o3::kEntryStart, jv::o3::kEntryStride, jv::o3::kEntryCount,
       jv::o3::kCombination, jv::o3::kOddsLow, jv::o3::kOddsHigh},
      {jv::o4::kLength, kExacta, jv::o4::kEntryStart, jv::o4::kEntryStride, jv::o4::kEntryCount,
       jv::o4::kCombination, jv::o4::kOdds, jv::o4::kOdds},
      {jv::o5::kLength, kTrio, jv::o5::kEntryStart, jv::o5::kEntryStride, jv::o5::kEntryCount,
       jv::o5::kCombination, jv::o5::kOdds, jv::o5::kOdds},
      {jv::o6::kLength, kTrifecta, jv::o6::kEntryStart, jv::o6::kEntryStride, jv::o6::kEntryCount,
       jv::o6::kCombination, jv::o6::kOdds, jv::o6::kOdds},
  };
  if (kind < 2 || kind > 6) return;
  const TLayout& l = layouts[kind - 2];
  if (!Fits(record, l.length)) return;
  static_assert(jv::o2::kSaleFlag == jv::o6::kSaleFlag && jv::o3::kSaleFlag == jv::o5::kSaleFlag &&
                jv::o4::kSaleFlag == jv::o2::kSaleFlag);
  TypeInfo[l.betType] = Number(record, jv::o2::kSaleFlag);
  for (int i = 0; i < l.count; ++i) {
    int combination = Number(record, jv::InBlock(l.start, l.stride, i, l.combination));
    if (combination == 0) continue;
    StoreOdds(l.betType, combination, Number(record, jv::InBlock(l.start, l.stride, i, l.low)) * 0.1);
    if (l.high != l.low)
      StoreOdds(l.betType, combination, Number(record, jv::InBlock(l.start, l.stride, i, l.high)) * 0.1);
  }
}

// ---------------------------------------------------------------------------
// Vote counts.

TOddsData TOddsData::FromH1(std::string_view record) {
  namespace h1 = jv::h1;
  TOddsData odds;
  if (!Fits(record, h1::kLength)) return odds;
  ReadHead(odds, record);
  odds.PlaceCount = Number(record, h1::kPlaceCount);
  std::array<bool, 29> refunded{};
  for (int n = 1; n <= h1::kRefundHorseCount; ++n) refunded[static_cast<std::size_t>(n)] = Flag(record, h1::kRefundHorseStart + n - 1);
  std::array<bool, 9> frameRefunded{}, sameFrameRefunded{};
  for (int f = 1; f <= h1::kRefundFrameCount; ++f) {
    frameRefunded[static_cast<std::size_t>(f)] = Flag(record, h1::kRefundFrameStart + f - 1);
    sameFrameRefunded[static_cast<std::size_t>(f)] = Flag(record, h1::kRefundSameFrameStart + f - 1);
  }
  auto involvesRefunded = [&refunded](int combination) {
    for (int n : Numbers(combination)) {
      if (n > 0 && n < static_cast<int>(refunded.size()) && refunded[static_cast<std::size_t>(n)]) return true;
    }
    return false;
  };

  // Pools first, so that a type keeps its pool (an empty pool of a type
  // with entries becomes 1).
  for (int t = 0; t < h1::kPoolCount; ++t) {
    odds.TypeInfo[t] = VoteCount(record, jv::InBlock(h1::kPoolStart, h1::kPoolStride, t, h1::kPool)) -
                       VoteCount(record, jv::InBlock(h1::kRefundPoolStart, h1::kPoolStride, t, h1::kPool));
  }

  struct TList {
    int betType, start, stride, count;
    jv::TField number, votes;
  };
  const TList lists[] = {
      {kWin, h1::kWinVotesStart, h1::kWinVotesStride, h1::kWinVotesCount, h1::kVoteNumber, h1::kVoteNumberVotes},
      {kPlace, h1::kPlaceVotesStart, h1::kPlaceVotesStride, h1::kPlaceVotesCount, h1::kVoteNumber,
       h1::kVoteNumberVotes},
      {kBracket, h1::kBracketVotesStart, h1::kBracketVotesStride, h1::kBracketVotesCount, h1::kVoteNumber,
       h1::kVoteNumberVotes},
      {kQuinella, h1::kQuinellaVotesStart, h1::kQuinellaVotesStride, h1::kQuinellaVotesCount, h1::kVotePair,
       h1::kVotePairVotes},
      {kWide, h1::kWideVotesStart, h1::kWideVotesStride, h1::kWideVotesCount, h1::kVotePair, h1::kVotePairVotes},
      {kExacta, h1::kExactaVotesStart, h1::kExactaVotesStride, h1::kExactaVotesCount, h1::kVotePair,
       h1::kVotePairVotes},
      {kTrio, h1::kTrioVotesStart, h1::kTrioVotesStride, h1::kTrioVotesCount, h1::kVoteTriple,
       h1::kVoteTripleVotes},
  };
  for (const TList& l : lists) {
    for (int i = 0; i < l.count; ++i) {
      int combination = Number(record, jv::InBlock(l.start, l.stride, i, l.number));
      if (combination == 0) continue;
      if (l.betType == kBracket) {
        const int f = combination / 10, g = combination % 10;
        if (f < 1 || f > 8 || g < 1 || g > 8) continue;
        if (frameRefunded[static_cast<std::size_t>(f)] || frameRefunded[static_cast<std::size_t>(g)]) continue;
        if (f == g && sameFrameRefunded[static_cast<std::size_t>(f)]) continue;
        combination = FramePair(combination);
      } else if (involvesRefunded(combination)) {
        continue;
      }
      odds.SetVotes(l.betType, combination, VoteCount(record, jv::InBlock(l.start, l.stride, i, l.votes)));
    }
  }
  return odds;
}

void TOddsData::MergeH6(std::string_view record) {
  namespace h6 = jv::h6;
  if (!Fits(record, h6::kLength)) return;
  std::array<bool, 19> refunded{};
  for (int n = 1; n <= h6::kRefundHorseCount; ++n) refunded[static_cast<std::size_t>(n)] = Flag(record, h6::kRefundHorseStart + n - 1);
  TypeInfo[kTrifecta] = VoteCount(record, h6::kPool) - VoteCount(record, h6::kRefundPool);
  for (int i = 0; i < h6::kVotesCount; ++i) {
    int combination = Number(record, jv::InBlock(h6::kVotesStart, h6::kVotesStride, i, h6::kCombination));
    if (combination == 0) continue;
    bool skip = false;
    for (int n : Numbers(combination)) {
      if (n > 0 && n < static_cast<int>(refunded.size()) && refunded[static_cast<std::size_t>(n)]) skip = true;
    }
    if (skip) continue;
    SetVotes(kTrifecta, combination, VoteCount(record, jv::InBlock(h6::kVotesStart, h6::kVotesStride, i, h6::kVotes)));
  }
}

// ---------------------------------------------------------------------------
// Predicted odds.

TOddsData TOddsData::FromKol(std::string_view record) {
  namespace kol = jv::kol;
  TOddsData odds;
  if (!Fits(record, kol::kLength)) return odds;
  odds.Year = static_cast<std::int16_t>(Number(record, kol::kYear));
  odds.Month = static_cast<std::int8_t>(Number(record, kol::kMonth));
  odds.Day = static_cast<std::int8_t>(Number(record, kol::kDay));
  odds.Venue = static_cast<std::uint8_t>(KolVenue(Number(record, kol::kVenueIndex)));
  odds.Meeting = static_cast<std::int8_t>(Number(record, kol::kMeeting));
  odds.MeetingDay = static_cast<std::int8_t>(Number(record, kol::kMeetingDay));
  odds.RaceNo = static_cast<std::int8_t>(Number(record, kol::kRaceNo));
  odds.DataKind = kKolOddsKind;
  odds.AnnounceTime = Number(record, kol::kAnnounceTime);
  // A value that reads 0 or below is no odds either.
  auto store = [&odds](int betType, int combination, double value) {
    if (value > 0) odds.StoreOdds(betType, combination, value);
  };
  for (int h = 1; h <= kol::kWinCount; ++h) {
    store(kWin, h, KolOdds(record, jv::InBlock(kol::kWinStart, kol::kWinStride, h - 1, kol::kWinOdds), false, 50.0));
  }
  int i = 0;
  for (int f = 1; f <= 8; ++f) {
    for (int g = f; g <= 8; ++g, ++i) {
      store(kBracket, f * 100 + g,
            KolOdds(record, jv::InBlock(kol::kBracketStart, kol::kBracketStride, i, kol::kBracketOdds), true, 100.0));
    }
  }
  i = 0;
  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b, ++i) {
      store(kQuinella, a * 100 + b,
            KolOdds(record, jv::InBlock(kol::kQuinellaStart, kol::kQuinellaStride, i, kol::kQuinellaOdds), true,
                    1000.0));
    }
  }
  return odds;
}

void TOddsData::FinishPredicted() {
  auto odds = [this](int betType, int combination) {
    auto it = Entries.find(Key(betType, combination));
    return it == Entries.end() ? 0.0 : it->second.Low * 0.1;
  };
  auto addVotes = [this](int betType, int combination, double votes) {
    const std::int64_t v = Trunc(votes);
    if (v <= 0) return;
    TypeInfo[betType] += v;
    SetVotes(betType, combination, v);
  };

  // 複勝 from 単勝; two places paid with seven runners or fewer.
  int runners = 0;
  for (int h = 1; h <= 18; ++h) {
    const double o = odds(kWin, h);
    if (o <= 0) continue;
    ++runners;
    addVotes(kPlace, h, kPredictedPool / o);
  }
  if (PlaceCount == 0) PlaceCount = runners <= 7 ? 2 : 3;

  // ワイド from 馬連.
  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b) {
      const double o = odds(kQuinella, a * 100 + b);
      if (o > 0) addVotes(kWide, a * 100 + b, kPredictedPool / o);
    }
  }

  // The strength of each horse from the pairs.
  bool hasQuinella = false;
  for (const auto& [key, entry] : Entries) hasQuinella = hasQuinella || key / 1000000 == kQuinella;
  const int pairType = hasQuinella ? kQuinella : kBracket;
  std::array<double, 19> w{};
  double total = 0;
  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b) {
      const double o = odds(pairType, a * 100 + b);
      if (o <= 0) continue;
      w[static_cast<std::size_t>(a)] += 1 / o;
      w[static_cast<std::size_t>(b)] += 1 / o;
      total += 2 / o;
    }
  }
  if (total <= 0) return;
  for (double& x : w) x /= total;

  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b) {
      const double o = odds(pairType, a * 100 + b);
      if (o <= 0) continue;
      const double wa = w[static_cast<std::size_t>(a)], wb = w[static_cast<std::size_t>(b)];
      double rest = 0;
      for (int c = 1; c <= 18; ++c) {
        if (c != a && c != b) rest += w[static_cast<std::size_t>(c)];
      }
      const double g = kPredictedPool / o / (wa + wb);
      addVotes(kExacta, a * 100 + b, g * wa);
      addVotes(kExacta, b * 100 + a, g * wb);
      if (rest <= 0) continue;
      const double trio = kPredictedPool / o / rest;
      const double trifecta = g / rest;
      for (int c = 1; c <= 18; ++c) {
        if (c == a || c == b) continue;
        const double wc = w[static_cast<std::size_t>(c)];
        if (c > b) addVotes(kTrio, (a * 100 + b) * 100 + c, trio * wc);
        addVotes(kTrifecta, (a * 100 + b) * 100 + c, trifecta * wa * wc);
        addVotes(kTrifecta, (b * 100 + a) * 100 + c, trifecta * wb * wc);
      }
    }
  }
}
