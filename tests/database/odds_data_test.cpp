// Odds of one race: the arithmetic that turns votes into odds, the reading
// of O1-O6, H1, H6 and KOL records, and the completion of predicted odds.
#include "database/odds_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/jv_records.h"
#include "sample/sample_market.h"
#include "sample/sample_odds_records.h"
#include "sample/sample_random.h"
#include "sample/sample_record.h"

namespace {

using sample::Block;
using sample::TRecordWriter;

// ---------------------------------------------------------------------------
// Odds from votes. Every expected value is worked out by hand below; the
// amounts are in tenths of a vote.

TEST(OddsFromVotes, SingleResultTypesByTheYearRule) {
  // P = 123450, G = trunc(101229.0) = 101229, v = 4000:
  // R = trunc((101229 - 40000) × 0.1) = 6122; 単勝 S = trunc(6172.5) = 6172.
  // 単勝 2005: (101229 + 6172 - 6122) ÷ 4000 = 25;
  //      2004: (101229 - 6122) ÷ 4000 + 6172 ÷ 4000 = 23 + 1 = 24.
  // 馬連 (S = 0): 95107 ÷ 4000 = 23 in either year.
  struct {
    int type, year;
    std::int64_t expected;
  } cases[] = {{0, 2005, 25}, {0, 2004, 24}, {3, 2005, 23}, {3, 2004, 23}, {7, 2005, 23}};
  for (const auto& c : cases) {
    EXPECT_EQ(SingleOddsFromVotes(c.type, 4000, 12345, c.year), c.expected) << c.type << " " << c.year;
  }
  EXPECT_EQ(SingleOddsFromVotes(0, 0, 12345, 2005), 0);
}

TEST(OddsFromVotes, PlaceAndQuinellaPlace) {
  // Place, two places, T = 12345, v = 4000, vi = 1222:
  // Q = (12345 - 4000 - 1222) × 10 ÷ 2 + 40000 = 75615, S = trunc(61725 × 0.05) = 3086,
  // G = trunc(62004.3) = 62004, R = trunc(2200.4) = 2200;
  // 2005: (62004 + 3086 - 2200) ÷ 4000 = 15; 2004: 59804 ÷ 4000 + 3086 ÷ 4000 = 14.
  EXPECT_EQ(PlaceOddsFromVotes(4000, 12345, 1222, 2005), 15);
  EXPECT_EQ(PlaceOddsFromVotes(4000, 12345, 1222, 2004), 14);
  // Three places, vi = 1555, vj = 1007:
  // Q = 57830 ÷ 3 + 40000 = 59276, S = trunc(41150 × 0.05) = 2057,
  // G = trunc(48606.32) = 48606, R = 860; 2005: 49803 ÷ 4000 = 12; 2004: 47746 ÷ 4000 = 11.
  EXPECT_EQ(PlaceOddsFromVotes(4000, 12345, 1555, 1007, 2005), 12);
  EXPECT_EQ(PlaceOddsFromVotes(4000, 12345, 1555, 1007, 2004), 11);
  // Quinella place, va = 2003, vb = 1007:
  // Q = 53350 ÷ 3 + 40000 = 57783, G = trunc(47382.06) = 47382, R = 738; 46644 ÷ 4000 = 11.
  EXPECT_EQ(WideOddsFromVotes(4000, 12345, 2003, 1007), 11);
  EXPECT_EQ(PlaceOddsFromVotes(0, 12345, 1222, 2005), 0);
  EXPECT_EQ(WideOddsFromVotes(0, 12345, 2003, 1007), 0);
}

TEST(OddsFromVotes, TheSampleMarketUsesTheSameArithmeticHeldToItsRange) {
  EXPECT_EQ(sample::OddsFromVotes(0, 4000, 12345, 2004), 24);
  EXPECT_EQ(sample::PlaceOdds(4000, 12345, {1555, 1007}, 2005), 12);
  EXPECT_EQ(sample::WideOdds(4000, 12345, 2003, 1007), 11);
  // The sample holds the odds to at least 1.0: 9000 of 10000 votes work out below it.
  EXPECT_LT(SingleOddsFromVotes(3, 9000, 10000, 2005), 10);
  EXPECT_EQ(sample::OddsFromVotes(3, 9000, 10000, 2005), 10);
}

// ---------------------------------------------------------------------------
// Records built by hand.

constexpr char kKey2005[] = "2005052905020811";
constexpr char kKey2004[] = "2004053005020811";

TEST(OddsData, StoringOddsKeepsTheRangeAndNeverGoesBelowOne) {
  TOddsData odds;
  EXPECT_EQ(odds.GetOdds(0, 1), -1);  // no 単勝 at all
  odds.StoreOdds(1, 3, 2.3);
  odds.StoreOdds(1, 3, 1.4);
  odds.StoreOdds(1, 3, 4.0);
  odds.StoreOdds(0, 5, 0.5);   // below 1.0
  odds.StoreOdds(0, 6, 0.0);   // no odds
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 3, 0), 1.4);
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 3, 1), 4.0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 5), 1.0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 6), 0.0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 7), 0.0);  // the type has odds, this horse none
  EXPECT_EQ(odds.TypeValue(1), 1);            // a type gets 1 with its first entry
}

std::string O1Record() {
  namespace o1 = jv::o1;
  TRecordWriter w("O1", o1::kLength, '1', 20050528);
  w.RaceKey(kKey2005);
  w.Number(o1::kAnnounceTime, 5281030);
  w.Raw(o1::kSaleWin, "7");
  w.Raw(o1::kSalePlace, "7");
  w.Raw(o1::kSaleBracket, "7");
  w.Number(o1::kPlaceCount, 3);
  auto win = [&w](int i, int horse, int odds) {
    w.Number(Block(o1::kWinOddsStart, o1::kWinOddsStride, i, o1::kWinHorseNo), horse);
    w.Number(Block(o1::kWinOddsStart, o1::kWinOddsStride, i, o1::kWinOdds), odds);
  };
  win(0, 1, 34);
  win(1, 2, 5);    // "0005": odds 0.5 read as 1.0
  win(2, 0, 77);   // number 0: skipped
  w.Number(Block(o1::kPlaceOddsStart, o1::kPlaceOddsStride, 0, o1::kPlaceHorseNo), 1);
  w.Number(Block(o1::kPlaceOddsStart, o1::kPlaceOddsStride, 0, o1::kPlaceOddsLow), 11);
  w.Number(Block(o1::kPlaceOddsStart, o1::kPlaceOddsStride, 0, o1::kPlaceOddsHigh), 15);
  w.Raw(Block(o1::kBracketOddsStart, o1::kBracketOddsStride, 0, o1::kBracketPair), "18");
  w.Number(Block(o1::kBracketOddsStart, o1::kBracketOddsStride, 0, o1::kBracketOdds), 123);
  return w.bytes();
}

TEST(OddsData, AnnouncedOddsFromO1AndTheMergedRecords) {
  TOddsData odds = TOddsData::FromO1(O1Record());
  EXPECT_EQ(odds.RaceKey(), kKey2005);
  EXPECT_EQ(odds.DataKind, 1);
  EXPECT_EQ(odds.AnnounceTime, 5281030);
  EXPECT_EQ(odds.PlaceCount, 3);
  EXPECT_EQ(odds.TypeValue(0), 7);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 1), 3.4);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 2), 1.0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 0), 1.1);
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 1), 1.5);
  EXPECT_DOUBLE_EQ(odds.GetOdds(2, 108), 12.3);  // frames "18" are the pair 1-8
  EXPECT_EQ(odds.GetOdds(4, 102), -1);            // no ワイド record yet

  TRecordWriter o3("O3", jv::o3::kLength, '1', 20050528);
  o3.RaceKey(kKey2005);
  o3.Raw(jv::o3::kSaleFlag, "7");
  o3.Raw(Block(jv::o3::kEntryStart, jv::o3::kEntryStride, 0, jv::o3::kCombination), "0102");
  o3.Number(Block(jv::o3::kEntryStart, jv::o3::kEntryStride, 0, jv::o3::kOddsLow), 21);
  o3.Number(Block(jv::o3::kEntryStart, jv::o3::kEntryStride, 0, jv::o3::kOddsHigh), 34);
  odds.MergeOdds(3, o3.bytes());
  TRecordWriter o6("O6", jv::o6::kLength, '1', 20050528);
  o6.RaceKey(kKey2005);
  o6.Raw(jv::o6::kSaleFlag, "7");
  o6.Raw(Block(jv::o6::kEntryStart, jv::o6::kEntryStride, 0, jv::o6::kCombination), "030102");
  o6.Number(Block(jv::o6::kEntryStart, jv::o6::kEntryStride, 0, jv::o6::kOdds), 123456);
  odds.MergeOdds(6, o6.bytes());
  odds.MergeOdds(4, "O4 too short");  // ignored
  EXPECT_DOUBLE_EQ(odds.GetOdds(4, 102, 0), 2.1);
  EXPECT_DOUBLE_EQ(odds.GetOdds(4, 102, 1), 3.4);
  EXPECT_DOUBLE_EQ(odds.GetOdds(7, 30102), 12345.6);
  EXPECT_EQ(odds.GetOdds(5, 102), -1);

  EXPECT_EQ(TOddsData::FromO1(O1Record().substr(0, 500)).DataKind, 0);  // a short record gives nothing
}

// An H1 record: place count, votes of 単勝 1-4 (horse 3 refunded), 複勝 1, 2,
// 4, 枠連 with refunded frame 2 and same-frame pair 5-5, ワイド around the
// pair 1-2, and pools.
std::string H1Record(const char* key, int placeCount) {
  namespace h1 = jv::h1;
  TRecordWriter w("H1", h1::kLength, '4', 20050529);
  w.RaceKey(key);
  w.Number(h1::kPlaceCount, placeCount);
  for (int n = 1; n <= 28; ++n) w.Raw({h1::kRefundHorseStart + n - 1, 1}, n == 3 ? "1" : "0");
  for (int f = 1; f <= 8; ++f) {
    w.Raw({h1::kRefundFrameStart + f - 1, 1}, f == 2 ? "1" : "0");
    w.Raw({h1::kRefundSameFrameStart + f - 1, 1}, f == 5 || f == 6 ? "1" : "0");
  }
  auto votes = [&w](int start, int stride, int i, jv::TField number, jv::TField value, const char* text,
                    std::int64_t v) {
    w.Raw(Block(start, stride, i, number), text);
    w.Number(Block(start, stride, i, value), v);
  };
  const char* horses[] = {"01", "02", "03", "04"};
  const std::int64_t win[] = {4000, 3000, 500, 1000};
  for (int i = 0; i < 4; ++i)
    votes(h1::kWinVotesStart, h1::kWinVotesStride, i, h1::kVoteNumber, h1::kVoteNumberVotes, horses[i], win[i]);
  const std::int64_t place[] = {4000, 1555, 900, 1007};
  for (int i = 0; i < 4; ++i)
    votes(h1::kPlaceVotesStart, h1::kPlaceVotesStride, i, h1::kVoteNumber, h1::kVoteNumberVotes, horses[i],
          place[i]);
  const char* frames[] = {"12", "13", "55", "56", "66"};
  for (int i = 0; i < 5; ++i)
    votes(h1::kBracketVotesStart, h1::kBracketVotesStride, i, h1::kVoteNumber, h1::kVoteNumberVotes, frames[i], 700);
  const char* pairs[] = {"0102", "0104", "0204", "0103"};
  const std::int64_t wide[] = {4000, 2003, 1007, 800};
  for (int i = 0; i < 4; ++i)
    votes(h1::kWideVotesStart, h1::kWideVotesStride, i, h1::kVotePair, h1::kVotePairVotes, pairs[i], wide[i]);
  // Pools of 単勝, 複勝 and ワイド: 12345 after refunds (an 11-digit total).
  for (int t : {0, 1, 4}) {
    w.Number(Block(h1::kPoolStart, h1::kPoolStride, t, h1::kPool), 10000012345LL);
    w.Number(Block(h1::kRefundPoolStart, h1::kPoolStride, t, h1::kPool), 10000000000LL);
  }
  return w.bytes();
}

TEST(OddsData, VoteCountsFromH1WorkOutOdds) {
  TOddsData odds = TOddsData::FromH1(H1Record(kKey2005, 3));
  EXPECT_EQ(odds.DataKind, 4);
  EXPECT_EQ(odds.AnnounceTime, 0);
  EXPECT_EQ(odds.TypeValue(0), 12345);
  EXPECT_EQ(odds.Votes(0, 1), 4000);
  // Worked out as in OddsFromVotes above.
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 1), 2.5);
  // A refunded horse has no entry.
  EXPECT_EQ(odds.Votes(0, 3), 0);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 3), 0.0);
  // Three places: horse 1 with the pair (2, 4) is the only one (3 is refunded).
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 0), 1.2);
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 1), 1.2);
  // ワイド 1-2 with the third horse 4 only (1-3 involves the refunded horse).
  EXPECT_DOUBLE_EQ(odds.GetOdds(4, 102, 0), 1.1);
  EXPECT_EQ(odds.Votes(4, 103), 0);
  // 枠連: frame 2 refunded, the same-frame pairs 5-5 and 6-6 refunded; 5-6 stays.
  EXPECT_EQ(odds.Votes(2, 102), 0);
  EXPECT_EQ(odds.Votes(2, 103), 700);
  EXPECT_EQ(odds.Votes(2, 505), 0);
  EXPECT_EQ(odds.Votes(2, 606), 0);
  EXPECT_EQ(odds.Votes(2, 506), 700);
}

TEST(OddsData, PlaceOddsOverOneOtherHorseWithTwoPlaces) {
  TOddsData odds = TOddsData::FromH1(H1Record(kKey2005, 2));
  // Horse 1 with horse 2 (1555 votes) or horse 4 (1007 votes):
  // Q = (12345 - 4000 - 1555) × 10 ÷ 2 + 40000 = 73950, S = 3086,
  //   G = trunc(60639.0) = 60639, R = 2063: (60639 + 3086 - 2063) ÷ 4000 = 15;
  // Q = (12345 - 4000 - 1007) × 10 ÷ 2 + 40000 = 76690, S = 3086,
  //   G = trunc(62885.8) = 62885, R = 2288: (62885 + 3086 - 2288) ÷ 4000 = 15.
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 0), 1.5);
  EXPECT_DOUBLE_EQ(odds.GetOdds(1, 1, 1), 1.5);
  // Horse 2 (1555 votes) with horse 1 (4000) or 4 (1007): two different values.
  EXPECT_LT(odds.GetOdds(1, 2, 0), odds.GetOdds(1, 2, 1));
}

TEST(OddsData, TheYearRuleSeparatesTwoRacesWithTheSameVotes) {
  TOddsData y2005 = TOddsData::FromH1(H1Record(kKey2005, 3));
  TOddsData y2004 = TOddsData::FromH1(H1Record(kKey2004, 3));
  EXPECT_DOUBLE_EQ(y2005.GetOdds(0, 1), 2.5);
  EXPECT_DOUBLE_EQ(y2004.GetOdds(0, 1), 2.4);
}

TEST(OddsData, TrifectaVotesFromH6) {
  namespace h6 = jv::h6;
  TRecordWriter w("H6", h6::kLength, '4', 20050529);
  w.RaceKey(kKey2005);
  for (int n = 1; n <= 18; ++n) w.Raw({h6::kRefundHorseStart + n - 1, 1}, n == 3 ? "1" : "0");
  w.Raw(Block(h6::kVotesStart, h6::kVotesStride, 0, h6::kCombination), "010204");
  w.Number(Block(h6::kVotesStart, h6::kVotesStride, 0, h6::kVotes), 4000);
  w.Raw(Block(h6::kVotesStart, h6::kVotesStride, 1, h6::kCombination), "040301");
  w.Number(Block(h6::kVotesStart, h6::kVotesStride, 1, h6::kVotes), 100);
  w.Number(h6::kPool, 12400);
  w.Number(h6::kRefundPool, 55);
  TOddsData odds = TOddsData::FromH1(H1Record(kKey2005, 3));
  odds.MergeH6(w.bytes());
  EXPECT_EQ(odds.TypeValue(7), 12345);
  EXPECT_DOUBLE_EQ(odds.GetOdds(7, 10204), 2.3);  // as 馬連 in OddsFromVotes above
  EXPECT_EQ(odds.Votes(7, 40301), 0);              // horse 3 refunded
}

TEST(OddsData, VoteCountsOfTheSampleMarketGiveItsAnnouncedOdds) {
  // A twelve-horse race of the sample world: its O records carry the odds
  // the market made from its votes, so the odds worked out from its H1 and
  // H6 records must be the same, type by type and end by end.
  sample::TRace race;
  race.key = kKey2005;
  race.date = 20050529;
  race.venue = 5;
  race.venueCode = "05";
  race.meeting = 2;
  race.meetingDay = 8;
  race.raceNo = 11;
  std::vector<double> chances;
  for (int i = 0; i < 12; ++i) {
    sample::TRunner runner;
    runner.horseNo = i + 1;
    runner.frame = i < 4 ? i + 1 : 5 + (i - 4) / 2;
    race.runners.push_back(runner);
    chances.push_back(1.0 / (i + 2));
  }
  race.registered = race.starters = 12;
  sample::TRandom random(11);
  sample::BuildMarket(race, chances, 20000, random);

  TOddsData announced = TOddsData::FromO1(sample::OddsRecord(1, race, '4', 0, 20050529));
  for (int kind = 2; kind <= 6; ++kind) announced.MergeOdds(kind, sample::OddsRecord(kind, race, '4', 0, 20050529));
  TOddsData voted = TOddsData::FromH1(sample::H1Record(race, '4', 20050529));
  voted.MergeH6(sample::H6Record(race, '4', 20050529));

  // The widest value each type's odds field holds.
  const int fieldMax[8] = {9999, 9999, 99999, 999999, 99999, 999999, 999999, 9999999};
  int compared = 0;
  for (const auto& [key, entry] : announced.Entries) {
    const int type = key / 1000000, combination = key % 1000000;
    if (entry.High >= fieldMax[type]) continue;
    for (int which : {0, 1}) {
      ASSERT_DOUBLE_EQ(voted.GetOdds(type, combination, which), announced.GetOdds(type, combination, which))
          << "type " << type << " combination " << combination << " end " << which;
    }
    ++compared;
  }
  EXPECT_GT(compared, 1000);
}

// ---------------------------------------------------------------------------
// Predicted odds.

// A KOL record at racecourse number 8 (code 01) with the given 単勝 texts of
// horses 1, 2, 3 and 馬連 texts of 1-2, 1-3, 2-3.
std::string KolRecord(const std::vector<std::string>& win, const std::vector<std::string>& quinella,
                      const std::string& bracket12 = "-----") {
  namespace kol = jv::kol;
  TRecordWriter w(kol::kLength, true);
  w.Number(kol::kVenueIndex, 8);
  w.Number(kol::kMeeting, 2);
  w.Number(kol::kMeetingDay, 8);
  w.Number(kol::kRaceNo, 11);
  w.Number(kol::kYear, 2005);
  w.Number(kol::kMonth, 5);
  w.Number(kol::kDay, 29);
  w.Number(kol::kAnnounceTime, 930);
  for (int h = 0; h < kol::kWinCount; ++h)
    w.Raw(Block(kol::kWinStart, kol::kWinStride, h, kol::kWinOdds), h < static_cast<int>(win.size()) ? win[h] : "-----");
  for (int i = 0; i < kol::kBracketCount; ++i)
    w.Raw(Block(kol::kBracketStart, kol::kBracketStride, i, kol::kBracketOdds), i == 1 ? bracket12 : "-----");
  // Pairs 1-2, 1-3 are the first two; 2-3 is the 18th (after the 17 pairs of horse 1).
  const int places[] = {0, 1, 17};
  for (int i = 0; i < kol::kQuinellaCount; ++i)
    w.Raw(Block(kol::kQuinellaStart, kol::kQuinellaStride, i, kol::kQuinellaOdds), "///////");
  for (std::size_t i = 0; i < quinella.size(); ++i)
    w.Raw(Block(kol::kQuinellaStart, kol::kQuinellaStride, places[i], kol::kQuinellaOdds), quinella[i]);
  return w.bytes();
}

TEST(OddsData, KolRecordOddsAndRace) {
  TOddsData odds = TOddsData::FromKol(KolRecord({"00034", "*****", "-----"}, {"0000123", "*******", "///////"}));
  EXPECT_EQ(odds.RaceKey(), "2005052901020811");
  EXPECT_EQ(odds.DataKind, -1);
  EXPECT_EQ(odds.AnnounceTime, 930);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 1), 3.4);
  EXPECT_DOUBLE_EQ(odds.GetOdds(0, 2), 50.0);
  EXPECT_EQ(odds.Entries.count(TOddsData::Key(0, 3)), 0u);
  EXPECT_DOUBLE_EQ(odds.GetOdds(3, 102), 12.3);
  EXPECT_DOUBLE_EQ(odds.GetOdds(3, 103), 1000.0);
  EXPECT_EQ(odds.Entries.count(TOddsData::Key(3, 203)), 0u);
  EXPECT_EQ(odds.GetOdds(2, 101), -1);  // no 枠連 at all

  EXPECT_EQ(KolVenue(0), 8);
  EXPECT_EQ(KolVenue(61), 104);  // "A4"
  EXPECT_EQ(KolVenue(17), 0);
  EXPECT_EQ(KolVenue(100), 0);
}

TEST(OddsData, FinishingPredictedOddsSplitsThePairsByStrength) {
  // 馬連 1-2 2.0, 1-3 4.0, 2-3 4.0: the sum of 2 ÷ o is 2, so the strengths
  // are w1 = w2 = (1/2 + 1/4) ÷ 2 = 0.375 and w3 = (1/4 + 1/4) ÷ 2 = 0.25.
  TOddsData odds = TOddsData::FromKol(KolRecord({"00020", "00040", "00050"}, {"0000020", "0000040", "0000040"}));
  odds.FinishPredicted();
  EXPECT_EQ(odds.PlaceCount, 2);  // three horses
  // 複勝 from 単勝: N ÷ o.
  EXPECT_EQ(odds.Votes(1, 1), 50000000);
  EXPECT_EQ(odds.Votes(1, 3), 20000000);
  EXPECT_EQ(odds.TypeValue(1), 50000000 + 25000000 + 20000000);
  // ワイド from 馬連.
  EXPECT_EQ(odds.Votes(4, 102), 50000000);
  EXPECT_EQ(odds.Votes(4, 203), 25000000);
  // 馬単: 1-3 has g = N ÷ 4 ÷ 0.625 = 40000000; 1→3 gets g × 0.375, 3→1 g × 0.25.
  EXPECT_NEAR(static_cast<double>(odds.Votes(5, 103)), 15000000, 1);
  EXPECT_NEAR(static_cast<double>(odds.Votes(5, 301)), 10000000, 1);
  EXPECT_NEAR(static_cast<double>(odds.Votes(5, 102)), 25000000, 1);
  // ３連複 1-2-3 from the pair 1-2 only: N ÷ 2 ÷ w3 × w3 = 50000000.
  EXPECT_NEAR(static_cast<double>(odds.Votes(6, 10203)), 50000000, 1);
  EXPECT_EQ(odds.Votes(6, 10302), 0);
  // ３連単 from 1-3: g = N ÷ 4 ÷ 0.625 ÷ 0.375; 3→1→2 gets g × 0.25 × 0.375.
  EXPECT_NEAR(static_cast<double>(odds.Votes(7, 30102)), 10000000, 1);
  EXPECT_NEAR(static_cast<double>(odds.Votes(7, 10302)), 15000000, 1);
  // The 馬単 pool is N ÷ o summed over the three pairs, 100000000; the odds
  // are worked out from it and the votes.
  const std::int64_t pool = odds.TypeValue(5);
  EXPECT_NEAR(static_cast<double>(pool), 100000000, 3);
  EXPECT_DOUBLE_EQ(odds.GetOdds(5, 103), static_cast<double>(SingleOddsFromVotes(5, odds.Votes(5, 103), pool, 2005)) * 0.1);
}

TEST(OddsData, WithoutQuinellaOddsTheBracketPairsAreUsed) {
  TOddsData odds = TOddsData::FromKol(KolRecord({"00020", "00030"}, {}, "00025"));
  odds.FinishPredicted();
  EXPECT_DOUBLE_EQ(odds.GetOdds(2, 102), 2.5);
  // Two frames of equal strength share the pair evenly; no third horse, no trio.
  EXPECT_EQ(odds.Votes(5, 102), 20000000);
  EXPECT_EQ(odds.Votes(5, 201), 20000000);
  EXPECT_EQ(odds.GetOdds(6, 10203), -1);
}

}  // namespace
