// The odds list over odds, vote and predicted-odds files in a temporary
// program folder.
#include "analysis/odds_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "database/jv_records.h"
#include "database/race.h"
#include "sample/sample_record.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

using sample::Block;
using sample::TRecordWriter;

TRaceID Race(const std::string& key) {
  TRaceID race;
  race.SetRaceKey(std::string_view(key));
  return race;
}

// An O1 record with 単勝 odds × 10 `win` for horse 1 and 枠連 1-8 12.3.
std::string O1(const std::string& key, int win, char dataKind = '1') {
  namespace o1 = jv::o1;
  TRecordWriter w("O1", o1::kLength, dataKind, 20050528);
  w.RaceKey(key);
  w.Number(o1::kAnnounceTime, 5281030);
  w.Raw(o1::kSaleWin, "7");
  w.Raw(o1::kSaleBracket, "7");
  w.Number(Block(o1::kWinOddsStart, o1::kWinOddsStride, 0, o1::kWinHorseNo), 1);
  w.Number(Block(o1::kWinOddsStart, o1::kWinOddsStride, 0, o1::kWinOdds), win);
  w.Raw(Block(o1::kBracketOddsStart, o1::kBracketOddsStride, 0, o1::kBracketPair), "18");
  w.Number(Block(o1::kBracketOddsStart, o1::kBracketOddsStride, 0, o1::kBracketOdds), 123);
  return w.bytes();
}

// An O2-O6 record (`kind`) with odds × 10 `odds` for the combination.
std::string OddsRecord(int kind, const std::string& key, const char* combination, int odds) {
  struct {
    const char* id;
    int length, start, stride;
    jv::TField combination, odds;
  } const layouts[] = {
      {"O2", jv::o2::kLength, jv::o2::kEntryStart, jv::o2::kEntryStride, jv::o2::kCombination, jv::o2::kOdds},
      {"O3", jv::o3::kLength, jv::o3::kEntryStart, jv::o3::kEntryStride, jv::o3::kCombination, jv::o3::kOddsLow},
      {"O4", jv::o4::kLength, jv::o4::kEntryStart, jv::o4::kEntryStride, jv::o4::kCombination, jv::o4::kOdds},
  };
  const auto& l = layouts[kind - 2];
  TRecordWriter w(l.id, l.length, '1', 20050528);
  w.RaceKey(key);
  w.Raw({39, 1}, "7");
  w.Raw(Block(l.start, l.stride, 0, l.combination), combination);
  w.Number(Block(l.start, l.stride, 0, l.odds), odds);
  if (kind == 3) w.Number(Block(l.start, l.stride, 0, jv::o3::kOddsHigh), odds);
  return w.bytes();
}

// An H1 record with 4000 of 12345 単勝 votes on horse 1 (odds 2.5 from 2005 on).
std::string H1(const std::string& key) {
  namespace h1 = jv::h1;
  TRecordWriter w("H1", h1::kLength, '4', 20050529);
  w.RaceKey(key);
  w.Number(h1::kPlaceCount, 3);
  w.Raw(Block(h1::kWinVotesStart, h1::kWinVotesStride, 0, h1::kVoteNumber), "01");
  w.Number(Block(h1::kWinVotesStart, h1::kWinVotesStride, 0, h1::kVoteNumberVotes), 4000);
  w.Number(Block(h1::kPoolStart, h1::kPoolStride, 0, h1::kPool), 12345);
  w.Number(Block(h1::kRefundPoolStart, h1::kPoolStride, 0, h1::kPool), 0);
  return w.bytes();
}

// A KOL record (racecourse number 4 is code 05) with 単勝 odds × 10 `win`
// for horse 1.
std::string Kol(int raceNo, int win) {
  namespace kol = jv::kol;
  TRecordWriter w(kol::kLength, true);
  w.Number(kol::kVenueIndex, 4);
  w.Number(kol::kMeeting, 2);
  w.Number(kol::kMeetingDay, 8);
  w.Number(kol::kRaceNo, raceNo);
  w.Number(kol::kYear, 2005);
  w.Number(kol::kMonth, 5);
  w.Number(kol::kDay, 29);
  w.Number(kol::kAnnounceTime, 930);
  for (int i = 0; i < kol::kWinCount; ++i) w.Raw(Block(kol::kWinStart, kol::kWinStride, i, kol::kWinOdds), "-----");
  w.Number(Block(kol::kWinStart, kol::kWinStride, 0, kol::kWinOdds), win);
  for (int i = 0; i < kol::kBracketCount; ++i)
    w.Raw(Block(kol::kBracketStart, kol::kBracketStride, i, kol::kBracketOdds), "-----");
  for (int i = 0; i < kol::kQuinellaCount; ++i)
    w.Raw(Block(kol::kQuinellaStart, kol::kQuinellaStride, i, kol::kQuinellaOdds), "-------");
  return w.bytes();
}

// A race as the database reads it from its RA record.
TResult RaRace(const std::string& key, char dataKind, int registered) {
  namespace ra = jv::ra;
  TRecordWriter w("RA", ra::kLength, dataKind, 20050529);
  w.RaceKey(key);
  w.Number(ra::kRegistered, registered);
  return TResult::FromRa(w.bytes().c_str());
}

const std::string kRace11 = "2005052905020811";  // meeting file 20050502
const std::string kRace12 = "2005052905020812";
const std::string kRace10 = "2005052905020810";

class OddsList : public ::testing::Test {
 protected:
  TTempHome home_;
  TRecordingFrontEnd frontEnd_;
  TOddsList list_;

  void Write(const std::string& relative, const std::string& bytes) { home_.WriteFile("DATA/" + relative, bytes); }
  double Win(const std::string& key) { return list_.GetRaceOdds(Race(key)).GetOdds(0, 1); }
};

TEST_F(OddsList, AnnouncedOddsThenVoteCountsThenPredictedOdds) {
  Write("O1/20050502.DAT", O1(kRace11, 34));
  Write("H1/20050502.DAT", H1(kRace11) + H1(kRace12));
  Write("KOL/20050529.DAT", Kol(10, 77) + Kol(12, 88));
  WriteInteger(ini::kInPut, ini::kKol, 1);

  EXPECT_EQ(list_.OddsKind(Race(kRace11)), 1);
  EXPECT_EQ(list_.OddsTime(Race(kRace11)), 5281030);
  EXPECT_DOUBLE_EQ(Win(kRace11), 3.4);
  EXPECT_EQ(list_.OddsKind(Race(kRace12)), 4);  // only vote counts, though KOL has it too
  EXPECT_DOUBLE_EQ(Win(kRace12), 2.5);
  EXPECT_EQ(list_.OddsKind(Race(kRace10)), -1);
  EXPECT_EQ(list_.OddsTime(Race(kRace10)), 930);
  EXPECT_DOUBLE_EQ(Win(kRace10), 7.7);

  const TRaceID none = Race("2005052905020801");
  EXPECT_EQ(list_.OddsKind(none), 0);
  EXPECT_EQ(list_.GetRaceOdds(none).GetOdds(0, 1), -1);
  EXPECT_TRUE(frontEnd_.Errors().empty());

  // KOL switched off: no predicted odds.
  WriteInteger(ini::kInPut, ini::kKol, 0);
  TOddsList withoutKol;
  EXPECT_EQ(withoutKol.OddsKind(Race(kRace10)), 0);
}

TEST_F(OddsList, OddsFilesAreReadUpToTheFirstMissingOne) {
  // Meeting 2: O1, O2 and O4 but no O3: O4 is not read.
  Write("O1/20050502.DAT", O1(kRace11, 34));
  Write("O2/20050502.DAT", OddsRecord(2, kRace11, "0102", 56));
  Write("O4/20050502.DAT", OddsRecord(4, kRace11, "0102", 99));
  TOddsData odds = list_.GetRaceOdds(Race(kRace11));
  EXPECT_DOUBLE_EQ(odds.GetOdds(3, 102), 5.6);
  EXPECT_EQ(odds.GetOdds(4, 102), -1);
  EXPECT_EQ(odds.GetOdds(5, 102), -1);

  // Meeting 3: a wrong-sized O2 is reported and skipped, O3 is read; a
  // record of a race without an O1 record is ignored.
  const std::string race = "2005052805030111";
  Write("O1/20050503.DAT", O1(race, 21));
  Write("O2/20050503.DAT", OddsRecord(2, race, "0102", 56) + "x");
  Write("O3/20050503.DAT", OddsRecord(3, race, "0102", 23) + OddsRecord(3, "2005052805030112", "0102", 45));
  odds = list_.GetRaceOdds(Race(race));
  EXPECT_EQ(odds.GetOdds(3, 102), -1);
  EXPECT_DOUBLE_EQ(odds.GetOdds(4, 102), 2.3);
  ASSERT_EQ(frontEnd_.Errors().size(), 1u);
  EXPECT_NE(frontEnd_.Errors()[0].find("O2/20050503.DAT"), std::string::npos);
  EXPECT_EQ(list_.OddsKind(Race("2005052805030112")), 0);
}

TEST_F(OddsList, AWrongSizedFileIsReportedAndTheNextSourceServes) {
  Write("O1/20050502.DAT", O1(kRace11, 34).substr(1));
  Write("H1/20050502.DAT", H1(kRace11));
  EXPECT_EQ(list_.OddsKind(Race(kRace11)), 4);
  EXPECT_EQ(frontEnd_.Errors().size(), 1u);
}

TEST_F(OddsList, AtMostThreeMeetingsAreKept) {
  const std::string races[] = {"2005052905020811", "2005052904020811", "2005052903020811", "2005052906020811"};
  for (const std::string& key : races) Write("O1/" + key.substr(0, 4) + key.substr(8, 4) + ".DAT", O1(key, 34));
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(Win(races[i]), 3.4);

  Write("O1/20050502.DAT", O1(races[0], 45));
  EXPECT_DOUBLE_EQ(Win(races[0]), 3.4);  // still the meeting read first
  EXPECT_DOUBLE_EQ(Win(races[3]), 3.4);  // a fourth meeting: the three are forgotten
  EXPECT_DOUBLE_EQ(Win(races[0]), 4.5);
}

TEST_F(OddsList, ClearOddsForgetsOneSource) {
  Write("O1/20050502.DAT", O1(kRace11, 34));
  Write("H1/20050502.DAT", H1(kRace12));
  Write("KOL/20050529.DAT", Kol(10, 77));
  WriteInteger(ini::kInPut, ini::kKol, 1);
  EXPECT_DOUBLE_EQ(Win(kRace11), 3.4);
  EXPECT_DOUBLE_EQ(Win(kRace12), 2.5);
  EXPECT_DOUBLE_EQ(Win(kRace10), 7.7);

  Write("O1/20050502.DAT", O1(kRace11, 45));
  Write("H1/20050502.DAT", H1("2005052905020801"));
  Write("KOL/20050529.DAT", Kol(10, 66));
  list_.ClearOdds(1);
  EXPECT_DOUBLE_EQ(Win(kRace11), 3.4);  // announced odds kept
  EXPECT_EQ(list_.OddsKind(Race(kRace12)), 0);  // vote counts read again: none for it now
  EXPECT_DOUBLE_EQ(Win(kRace10), 7.7);
  list_.ClearOdds(2);
  EXPECT_DOUBLE_EQ(Win(kRace11), 4.5);
  list_.ClearOdds(3);
  EXPECT_DOUBLE_EQ(Win(kRace10), 6.6);
}

TEST_F(OddsList, OneDateOfPredictedOddsIsKept) {
  Write("KOL/20050529.DAT", Kol(10, 77));
  WriteInteger(ini::kInPut, ini::kKol, 1);
  EXPECT_DOUBLE_EQ(Win(kRace10), 7.7);
  Write("KOL/20050529.DAT", Kol(10, 66));
  EXPECT_EQ(list_.OddsKind(Race("2005052805020710")), 0);  // another date
  EXPECT_DOUBLE_EQ(Win(kRace10), 6.6);
}

TEST_F(OddsList, FkeibadoLogAfterKol) {
  std::string log;
  for (int race : {10, 11}) {
    char header[32];
    std::snprintf(header, sizeof header, "==ODDS2005052950208%02d010", race);
    log += std::string(header) + "\n\n\n\n\n\n\n\n" + "          " + (race == 10 ? "9.9" : "3.3") + "\n";
    for (int i = 0; i < 14; ++i) log += "\n";
  }
  // The header above: date, racecourse 5, meeting 02, day 08, race, 1 horse.
  const std::string path = home_.WriteFile("fkeibado.log", log);
  Write("KOL/20050529.DAT", Kol(10, 77));
  WriteInteger(ini::kInPut, ini::kKol, 1);
  WriteInteger(ini::kInPut, ini::kFkeibado, 1);
  WriteString(ini::kInPut, ini::kFkeibadoLog, path);
  EXPECT_EQ(list_.OddsKind(Race(kRace10)), -1);
  EXPECT_DOUBLE_EQ(Win(kRace10), 7.7);
  EXPECT_EQ(list_.OddsKind(Race(kRace11)), -2);
  EXPECT_DOUBLE_EQ(Win(kRace11), 3.3);
}

TEST_F(OddsList, LocalRacesHaveNoOdds) {
  const std::string local = "2005052930020811";
  Write("O1/20053002.DAT", O1(local, 34));
  EXPECT_EQ(list_.OddsKind(Race(local)), 0);
  EXPECT_EQ(list_.GetRaceOdds(Race(local)).GetOdds(0, 1), -1);
}

TEST_F(OddsList, CandidateOddsAndExpectedValues) {
  Write("O1/20050502.DAT", O1(kRace11, 34));
  Write("O2/20050502.DAT", OddsRecord(2, kRace11, "0108", 56));
  Write("O1/20040501.DAT", O1("2004053005010811", 34));
  Write("O2/20040501.DAT", OddsRecord(2, "2004053005010811", "0108", 56));

  TRace race(RaRace(kRace11, '7', 8));
  race.AddBet(0, 0.25, 1);
  race.AddBet(5, 0.5, 1, 2);   // no 馬単 odds: -1, counted as 0
  race.AddBet(3, 0.125, 1, 8);
  race.SortBets();
  EXPECT_DOUBLE_EQ(list_.BetOdds(race, race.Bet(0, 0)), 3.4);
  EXPECT_DOUBLE_EQ(list_.BetExpectation(race, race.Bet(0, 0)), 0.85);
  EXPECT_DOUBLE_EQ(list_.BetOdds(race, race.Bet(5, 0)), 0.0);
  EXPECT_DOUBLE_EQ(list_.BetExpectation(race, race.Bet(3, 0)), 0.7);
  EXPECT_DOUBLE_EQ(list_.BetOdds(race, race.Bet(9, 0)), 5.6);  // the main pair bet
  EXPECT_EQ(list_.GetOdds(race, 5, 102), -1);

  // Type 9: 馬連 from 2005, 枠連 in 2004 with 8 horses, 馬連 with 9.
  EXPECT_DOUBLE_EQ(list_.GetOdds(race, 9, 108), 5.6);
  EXPECT_DOUBLE_EQ(list_.GetOdds(RaRace("2004053005010811", '7', 8), 9, 108), 12.3);
  EXPECT_DOUBLE_EQ(list_.GetOdds(RaRace("2004053005010811", '7', 9), 9, 108), 5.6);

  // A race card before the final field (data kind 1) has no candidate odds.
  TRace card(RaRace(kRace11, '1', 8));
  card.AddBet(0, 0.25, 1);
  EXPECT_DOUBLE_EQ(list_.BetOdds(card, card.Bet(0, 0)), 0.0);
  EXPECT_DOUBLE_EQ(list_.GetOdds(card, 0, 1), 3.4);
}

TEST(OddsListDays, DaysFromTheAnnouncementToTheRace) {
  EXPECT_EQ(OddsDaysBefore(Race("2005052905020811"), 5291030), 0);
  EXPECT_EQ(OddsDaysBefore(Race("2005052905020811"), 5271700), 2);
  EXPECT_EQ(OddsDaysBefore(Race("2005010506010111"), 12311200), 5);  // the year before
}

}  // namespace
