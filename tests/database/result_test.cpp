#include "database/result.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/person_list.h"
#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/race.h"
#include "sample/sample_record.h"
#include "support/temp_home.h"

namespace {

namespace ra = jv::ra;
namespace se = jv::se;
namespace hr = jv::hr;
using sample::TRecordWriter;

std::string Utf8(const std::string& sjis) { return SjisToUtf8(sjis); }

TRecordWriter RaWriter(const char* key, char dataKind = '7') {
  TRecordWriter w("RA", ra::kLength, dataKind, 20041226);
  w.RaceKey(key);
  return w;
}

// A race of `registered` horses at the key, with a track code.
TResult Race(const char* key, int registered, int trackCode = 11, char dataKind = '7') {
  TRecordWriter w = RaWriter(key, dataKind);
  w.Number(ra::kRegistered, registered);
  w.Number(ra::kTrack, trackCode);
  w.Raw(ra::kAgeClass, "13");  // a stored age code: nothing derived from the name
  return TResult::FromRa(w.bytes().data());
}

// A runner with the fields the race-level operations read.
struct TRunner {
  int horseNo = 0;
  int horseID = 0;
  int sex = 1;
  const char* time = "    ";  // MSST
  int arrival = 0;
  int position = 0;
  char abnormality = '0';
  const char* last3F = "   ";
  int timeDiff = 0;
  int jockeyCode = 0;
};

TResultInfo Runner(const TRunner& r) {
  TRecordWriter w("SE", se::kLength, '7', 20041226);
  w.NumberOrBlank(se::kHorseNo, r.horseNo);
  w.NumberOrBlank(se::kHorseID, r.horseID);
  w.Number(se::kSex, r.sex);
  w.Raw(se::kTime, r.time);
  w.NumberOrBlank(se::kArrival, r.arrival);
  w.NumberOrBlank(se::kPosition, r.position);
  w.Raw(se::kAbnormality, std::string(1, r.abnormality));
  w.Raw(se::kLast3F, r.last3F);
  w.Number(se::kTimeDiff, r.timeDiff);
  w.NumberOrBlank(se::kJockeyCode, r.jockeyCode);
  return TResultInfo::FromSe(w.bytes().data());
}

std::vector<int> Numbers(const TResult& race, int (TResultInfo::*field)() const) {
  std::vector<int> values;
  for (const TResultInfo& r : race.Runners()) values.push_back((r.*field)());
  return values;
}

// Payouts of a race: win 5, place 5 3 11 (a fourth place entry after a
// blank one is not read), bracket 3-6, quinella 3-5, no quinella place,
// exacta 5-3, trio 3-5-11, trifecta 5-3-11.
std::string HrRecord() {
  TRecordWriter w("HR", hr::kLength, '2', 20041226);
  w.RaceKey("2004122605050811");
  auto single = [&w](int start, int stride, int i, const char* no, int yen) {
    w.Raw(jv::InBlock(start, stride, i, hr::kPayHorseNo), no);
    w.Number(jv::InBlock(start, stride, i, hr::kPayHorseNoYen), yen);
  };
  single(hr::kPayWinStart, hr::kPayWinStride, 0, "05", 350);
  single(hr::kPayPlaceStart, hr::kPayPlaceStride, 0, "05", 150);
  single(hr::kPayPlaceStart, hr::kPayPlaceStride, 1, "03", 200);
  single(hr::kPayPlaceStart, hr::kPayPlaceStride, 2, "11", 480);
  single(hr::kPayPlaceStart, hr::kPayPlaceStride, 4, "07", 900);
  single(hr::kPayBracketStart, hr::kPayBracketStride, 0, "36", 1200);
  auto pair = [&w](int start, int stride, const char* combo, int yen) {
    w.Raw(jv::InBlock(start, stride, 0, hr::kPayPair), combo);
    w.Number(jv::InBlock(start, stride, 0, hr::kPayPairYen), yen);
  };
  pair(hr::kPayQuinellaStart, hr::kPayQuinellaStride, "0305", 2500);
  pair(hr::kPayExactaStart, hr::kPayExactaStride, "0503", 5000);
  auto triple = [&w](int start, int stride, const char* combo, int yen) {
    w.Raw(jv::InBlock(start, stride, 0, hr::kPayTriple), combo);
    w.Number(jv::InBlock(start, stride, 0, hr::kPayTripleYen), yen);
  };
  triple(hr::kPayTrioStart, hr::kPayTrioStride, "030511", 12000);
  triple(hr::kPayTrifectaStart, hr::kPayTrifectaStride, "050311", 60000);
  return w.bytes();
}

TEST(ResultTest, FromRaceRecord) {
  TRecordWriter w = RaWriter("2004122605050811");
  w.Number(ra::kWeekday, 2);
  w.Number(ra::kSpecialNo, 1234);
  w.Text(ra::kMainTitle, SJ("東京記念"), true);
  w.Text(ra::kSubtitle, SJ("ＢＳ杯"), true);
  w.Text(ra::kConditionName, SJ("ハンデ戦"), true);
  w.Number(ra::kDivision, 2);
  w.Number(ra::kRunningNo, 5);
  w.Text(ra::kShortName10, SJ("東京 記念杯"));
  w.Text(ra::kShortName6, SJ("東京 記念"));
  w.Text(ra::kShortName3, SJ("東 京"));
  w.Raw(ra::kGrade, "F");
  w.Raw(ra::kAgeClass, "13");
  w.Raw(ra::kSymbol, "B14");
  w.Number(ra::kWeightType, 1);
  const char* conditions[5] = {"000", "016", "010", "999", "005"};
  for (int i = 0; i < 5; ++i) {
    w.Raw(jv::InBlock(ra::kConditionStart, ra::kConditionStride, i, ra::kCondition), conditions[i]);
  }
  w.Number(ra::kDistance, 2400);
  w.Number(ra::kTrack, 12);
  w.Raw(ra::kCourseDiv, "B1");
  for (int i = 0; i < 7; ++i) w.Number(jv::InBlock(ra::kPrizeStart, ra::kPrizeStride, i, ra::kPrize), 1000 * (i + 1));
  for (int i = 0; i < 5; ++i) {
    w.Number(jv::InBlock(ra::kAddedPrizeStart, ra::kAddedPrizeStride, i, ra::kAddedPrize), 10 * (i + 1));
  }
  w.Number(ra::kStartTime, 1540);
  w.Number(ra::kRegistered, 16);
  w.Number(ra::kStarters, 15);
  w.Number(ra::kFinishers, 14);
  w.Number(ra::kWeather, 4);
  w.Number(ra::kTurfGoing, 2);
  w.Number(ra::kDirtGoing, 3);
  for (int i = 0; i < 12; ++i) w.Number(jv::InBlock(ra::kLapStart, ra::kLapStride, i, ra::kLap), 120 + i);
  w.Raw(ra::kJumpMileTime, "1412");
  TResult race = TResult::FromRa(w.bytes().data());

  EXPECT_EQ(race.RaceKey(), "2004122605050811");
  EXPECT_EQ(race.DataKind(), 7);
  EXPECT_EQ(race.Weekday(), 2);
  EXPECT_EQ(race.SpecialNo(), 1234);
  EXPECT_EQ(Utf8(race.RaceName()), "第5回 ＢＳ杯 東京記念 ハンデ戦");
  EXPECT_EQ(race.Grade(), 6);
  EXPECT_EQ(race.AgeClass(), 4);
  EXPECT_EQ(race.Symbol(), 214);
  EXPECT_EQ(race.WeightType(), 1);
  EXPECT_EQ(race.Condition(0), 0);
  EXPECT_EQ(race.Condition(1), 16);
  EXPECT_EQ(race.Condition(3), 91);
  EXPECT_EQ(race.Condition(4), 5);
  EXPECT_EQ(race.Condition(5), 0);
  EXPECT_EQ(race.Condition(-1), 0);
  EXPECT_EQ(race.Distance(), 2400);
  EXPECT_EQ(race.Track(), 13);
  EXPECT_EQ(race.CourseDiv(), 111);
  EXPECT_EQ(race.Prize(0), 1000);
  EXPECT_EQ(race.Prize(6), 7000);
  EXPECT_EQ(race.Prize(7), 0);
  EXPECT_EQ(race.AddedPrize(4), 50);
  EXPECT_EQ(race.AddedPrize(5), 0);
  EXPECT_EQ(race.StartTime(), 1540);
  EXPECT_EQ(race.Registered(), 16);
  EXPECT_EQ(race.Starters(), 15);
  EXPECT_EQ(race.Finishers(), 14);
  EXPECT_EQ(race.Weather(), 4);
  EXPECT_EQ(race.TurfGoing(), 2);
  EXPECT_EQ(race.DirtGoing(), 3);
  EXPECT_EQ(race.Lap(0), 120);
  EXPECT_EQ(race.Lap(11), 131);
  EXPECT_EQ(race.Lap(12), 0);
  EXPECT_EQ(race.Lap(25), 0);
  EXPECT_EQ(race.Lap(-1), 0);
  EXPECT_EQ(race.JumpMileTime(), 1412);

  EXPECT_EQ(Utf8(race.WeekdayText()), "日");
  EXPECT_EQ(race.GradeShortText(), "G1");
  EXPECT_EQ(Utf8(race.GradeLongText()), "Ｇ１");
  EXPECT_EQ(Utf8(race.AgeClassText()), "３歳以上");
  EXPECT_EQ(Utf8(race.SymbolText()), "(父)牡(特指)");
  EXPECT_EQ(Utf8(race.WeightTypeText()), "ハンデ");
  EXPECT_EQ(Utf8(race.ClassConditionText(0)), "５００万下");
  EXPECT_EQ(race.ClassConditionText(2), "5");
  EXPECT_EQ(Utf8(race.TrackText()), "芝・外(Ｂ１)");
  EXPECT_EQ(race.TrackLetter(false), "T");
  EXPECT_EQ(Utf8(race.WeatherText()), "小雨");
  EXPECT_EQ(Utf8(race.GoingText()), "稍");
  EXPECT_EQ(Utf8(race.GoingText(1)), "重");
  EXPECT_EQ(race.SurfaceKind(), 1);

  // Short names by width: the 3-, 6- or 10-character name, cut, and up
  // to 12 bytes without the first half-width blank.
  struct TWidth {
    int width;
    const char* name;
  } widths[] = {{6, "東京"}, {4, "東"}, {12, "東京記念"}, {8, "東京記"}, {20, "東京 記念杯"}, {13, "東京 記念杯"}, {0, ""}};
  for (const TWidth& c : widths) EXPECT_EQ(Utf8(race.ShortName(c.width)), c.name) << c.width;
}

TEST(ResultTest, OutOfRangeCodesReadZero) {
  TRecordWriter w = RaWriter("2004122605050811");
  w.Number(ra::kWeekday, 9);
  w.Number(ra::kWeightType, 5);
  w.Number(ra::kWeather, 7);
  w.Number(ra::kTurfGoing, 5);
  w.Raw(ra::kDirtGoing, "-");
  w.Number(ra::kTrack, 50);
  TResult race = TResult::FromRa(w.bytes().data());
  EXPECT_EQ(race.Weekday(), 0);
  EXPECT_EQ(race.WeightType(), 0);
  EXPECT_EQ(race.Weather(), 0);
  EXPECT_EQ(race.TurfGoing(), 0);
  EXPECT_EQ(race.DirtGoing(), 0);
  EXPECT_EQ(race.Track(), -1);
  EXPECT_EQ(race.Going(), 0);
  EXPECT_EQ(race.SurfaceKind(), 0);
  EXPECT_EQ(race.TrackText(), "");
  EXPECT_EQ(race.Grade(), 1);  // a blank grade letter
}

TEST(ResultTest, FromSpecialRegistrationAndSchedule) {
  namespace tk = jv::tk;
  TRecordWriter t("TK", tk::kLength, '2', 20041220);
  t.RaceKey("2004122606050811");
  t.Text(tk::kMainTitle, SJ("有馬記念"));
  t.Number(tk::kDivision, 1);
  t.Number(tk::kRunningNo, 49);
  t.Raw(tk::kGrade, "A");
  t.Raw(tk::kAgeClass, "14");
  t.Raw(tk::kSymbol, "N00");
  t.Number(tk::kWeightType, 4);
  t.Raw(jv::InBlock(tk::kConditionStart, tk::kConditionStride, 4, tk::kCondition), "999");
  t.Number(tk::kDistance, 2500);
  t.Number(tk::kTrack, 18);
  t.Raw(tk::kCourseDiv, "A ");
  t.Number(tk::kRegistered, 3);
  const char* ids[] = {"2001100001", "2001100002", "2001100003"};
  for (int i = 0; i < 3; ++i) {
    t.Number(jv::InBlock(tk::kEntryStart, tk::kEntryStride, i, tk::kEntryOrderNo), i + 1);
    t.Raw(jv::InBlock(tk::kEntryStart, tk::kEntryStride, i, tk::kEntryHorseID), ids[i]);
  }
  // A slot after the first blank order number is not a runner.
  t.Number(jv::InBlock(tk::kEntryStart, tk::kEntryStride, 4, tk::kEntryOrderNo), 5);
  TResult race = TResult::FromTk(t.bytes().data());
  EXPECT_EQ(race.DataKind(), -2);
  EXPECT_EQ(Utf8(race.RaceName()), "第49回 有馬記念");
  EXPECT_EQ(race.Grade(), 6);
  EXPECT_EQ(race.AgeClass(), 5);
  EXPECT_EQ(race.Symbol(), 800);
  EXPECT_EQ(race.WeightType(), 4);
  EXPECT_EQ(race.Condition(4), 91);
  EXPECT_EQ(race.Distance(), 2500);
  EXPECT_EQ(race.Track(), 11);
  EXPECT_EQ(Utf8(race.TrackText()), "芝・外(Ａ)");
  EXPECT_EQ(race.Registered(), 3);
  ASSERT_EQ(race.RunnerCount(), 3);
  EXPECT_EQ(race.Runner(2).HorseNo(), 3);
  EXPECT_EQ(race.Runner(2).HorseID(), 2001100003);
  // A special registration is never completed.
  race.Complete();
  EXPECT_EQ(race.Runner(0).HorseID(), 2001100001);

  namespace ys = jv::ys;
  TRecordWriter y("YS", ys::kLength, '3', 20040101);
  y.Raw(jv::kDayKey, "20041226060508");
  y.Number(ys::kWeekday, 2);
  y.Number(ys::kSpecialNo, 10);
  y.Text(ys::kRaceName, SJ("有馬　記念"), true);
  y.Text(ys::kShortName3, SJ("有馬"));
  y.Raw(ys::kGrade, "A");
  y.Raw(ys::kAgeClass, "13");
  y.Raw(ys::kSymbol, "N00");
  y.Number(ys::kWeightType, 4);
  y.Number(ys::kDistance, 2500);
  y.Number(ys::kTrack, 18);
  TResult day = TResult::FromYs(y.bytes().data());
  EXPECT_EQ(day.RaceKey(), "2004122606050800");
  EXPECT_EQ(day.DataKind(), 3);
  EXPECT_EQ(day.Weekday(), 2);
  EXPECT_EQ(day.SpecialNo(), 10);
  EXPECT_EQ(Utf8(day.RaceName()), "有馬 記念");
  EXPECT_EQ(Utf8(day.ShortName(6)), "有馬");
  EXPECT_EQ(day.Grade(), 6);
  EXPECT_EQ(day.AgeClass(), 4);
  EXPECT_EQ(day.Symbol(), 800);
  EXPECT_EQ(day.Distance(), 2500);
  EXPECT_EQ(day.Track(), 11);
}

TEST(ResultTest, PayoutsOfCombinations) {
  TResult race = Race("2004122605050811", 12);
  EXPECT_EQ(race.Payout(0, 5), -1);  // no payout record
  race.AddPayouts(HrRecord().data());
  struct TCase {
    int type, combination, payout;
  } cases[] = {
      {0, 5, 350},      {0, 3, 0},         {1, 5, 150},       {1, 11, 480},      {1, 7, 0},
      {2, 306, 1200},   {2, 36, 0},        {3, 305, 2500},    {3, 503, 0},       {4, 305, -1},
      {5, 503, 5000},   {5, 305, 0},       {6, 30511, 12000}, {7, 50311, 60000}, {7, 30511, 0},
      {8, 5, -1},
  };
  for (const TCase& c : cases) EXPECT_EQ(race.Payout(c.type, c.combination), c.payout) << c.type << " " << c.combination;
  // A second payout record replaces the first.
  race.AddPayouts(HrRecord().data());
  EXPECT_EQ(race.Payouts().size(), 9u);
}

TEST(ResultTest, StartersGoingAndRunnerLookUp) {
  TResult race = Race("2004122605050811", 5, 11);
  race.AddRunner(Runner({.horseNo = 1, .horseID = 2001100001}));
  race.AddRunner(Runner({.horseNo = 2, .horseID = 2001100002, .abnormality = '1'}));
  race.AddRunner(Runner({.horseNo = 3, .horseID = 2001100003, .abnormality = '4'}));
  race.AddRunner(Runner({.horseNo = 4, .horseID = 0}));
  race.AddRunner(Runner({.horseNo = 5, .horseID = 2001100005, .abnormality = '7'}));
  EXPECT_EQ(race.Starters(), 4);   // the scratched one is not counted
  EXPECT_EQ(race.Finishers(), 3);  // nor the one that did not finish

  EXPECT_EQ(race.RunnerOf(2001100003, 1).HorseNo(), 3);  // the registration number first
  EXPECT_EQ(race.RunnerOf(0, 4).HorseNo(), 4);
  EXPECT_EQ(race.RunnerOf(2001100009, 4).HorseNo(), 0);  // no fallback to the number
  EXPECT_EQ(race.FindRunner(0, 9), -1);
  EXPECT_EQ(race.Runner(5).HorseNo(), 0);
  EXPECT_EQ(race.Runner(-1).HorseNo(), 0);

  struct TGoing {
    int trackCode;
    int going;
  } goings[] = {{11, 1}, {23, 3}, {51, 1}, {52, 1}, {27, 0}, {50, 0}};
  for (const TGoing& g : goings) {
    TRecordWriter w = RaWriter("2004122605050811");
    w.Number(ra::kTrack, g.trackCode);
    w.Number(ra::kTurfGoing, 1);
    w.Number(ra::kDirtGoing, 3);
    TResult r = TResult::FromRa(w.bytes().data());
    EXPECT_EQ(r.Going(), g.going) << g.trackCode;
    EXPECT_EQ(r.Going(0), 1);
    EXPECT_EQ(r.Going(1), 3);
    EXPECT_EQ(r.Going(2), 0);
  }
}

TEST(ResultTest, CopiesShareTheDataBlock) {
  TResult copy;
  {
    TResult race = Race("2004122605050811", 2);
    copy = race;
    race.AddRunner(Runner({.horseNo = 1}));
    race.SetWeather(3);
    TRace card(race);
    EXPECT_TRUE(card.SharesDataWith(race));
    card.AddRunner(Runner({.horseNo = 2}));
    card.MutableRunners()[0].SetBodyWeight(500);
    card.SetTrack(24);
  }
  // The block outlives the race it was read for.
  ASSERT_EQ(copy.RunnerCount(), 2);
  EXPECT_EQ(copy.Runner(0).BodyWeight(), 500);
  EXPECT_EQ(copy.Weather(), 3);
  EXPECT_EQ(copy.Track(), 24);
  EXPECT_EQ(copy.RaceKey(), "2004122605050811");
  EXPECT_FALSE(copy.SharesDataWith(TResult()));
}

TEST(ResultTest, CompleteReplacesTimeDifferencesByMargins) {
  TResult race = Race("2004122605050811", 5);
  // Stored in any order; the winner 1:34.5, dead heat for second.
  race.AddRunner(Runner({.horseNo = 4, .time = "1347", .arrival = 2, .position = 2, .timeDiff = 99}));
  race.AddRunner(Runner({.horseNo = 1, .time = "1350", .arrival = 4, .position = 4, .timeDiff = 99}));
  race.AddRunner(Runner({.horseNo = 5, .abnormality = '1', .timeDiff = 99}));
  race.AddRunner(Runner({.horseNo = 2, .time = "1345", .arrival = 1, .position = 1, .timeDiff = 99}));
  race.AddRunner(Runner({.horseNo = 3, .time = "1347", .arrival = 2, .position = 2, .timeDiff = 99}));
  TResult incomplete = Race("2004122605050812", 6);
  incomplete.AddRunner(Runner({.horseNo = 1, .time = "1345", .arrival = 1, .position = 1, .timeDiff = 99}));
  TResult card = Race("2004122605050810", 1, 11, '2');
  card.AddRunner(Runner({.horseNo = 1, .time = "1345", .arrival = 1, .position = 1, .timeDiff = 99}));

  race.Complete();
  incomplete.Complete();
  card.Complete();
  EXPECT_EQ(Numbers(race, &TResultInfo::HorseNo), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Numbers(race, &TResultInfo::TimeDiff), (std::vector<int>{5, -2, 2, 2, 99}));
  EXPECT_EQ(incomplete.Runner(0).TimeDiff(), 99);  // fewer runners than entered
  EXPECT_EQ(card.Runner(0).TimeDiff(), 99);        // no results yet

  // A dead heat for the win: nobody is second, so the winners' margin is 0.
  TResult heat = Race("2004122605050809", 3);
  heat.AddRunner(Runner({.horseNo = 1, .time = "1350", .arrival = 3, .position = 3}));
  heat.AddRunner(Runner({.horseNo = 2, .time = "1345", .arrival = 1, .position = 1}));
  heat.AddRunner(Runner({.horseNo = 3, .time = "1345", .arrival = 1, .position = 1}));
  heat.Complete();
  EXPECT_EQ(Numbers(heat, &TResultInfo::TimeDiff), (std::vector<int>{5, 0, 0}));
}

TEST(ResultTest, CompleteAtLocalRacecourses) {
  // Ooi, 2005: arrival order renumbered from the confirmed positions, ties
  // sharing it; the runner without a time keeps none.
  TRecordWriter w = RaWriter("2005061044030405", 'A');
  w.Number(ra::kRegistered, 5);
  w.Number(ra::kTrack, 24);
  TResult race = TResult::FromRa(w.bytes().data());
  race.AddRunner(Runner({.horseNo = 1, .horseID = 2002100001, .sex = 2, .time = "1300", .position = 2}));
  race.AddRunner(Runner({.horseNo = 2, .horseID = 2002100002, .sex = 2, .time = "1295", .position = 1}));
  race.AddRunner(Runner({.horseNo = 3, .horseID = 2002100003, .sex = 2, .time = "1300", .position = 2}));
  race.AddRunner(Runner({.horseNo = 4, .horseID = 2002100004, .sex = 2, .time = "1310", .position = 4}));
  race.AddRunner(Runner({.horseNo = 5, .horseID = 2002100005, .sex = 2, .abnormality = '1'}));
  race.Complete();
  EXPECT_EQ(Numbers(race, &TResultInfo::Arrival), (std::vector<int>{2, 1, 2, 4, 0}));
  EXPECT_EQ(Numbers(race, &TResultInfo::TimeDiff), (std::vector<int>{5, -5, 5, 15, 0}));
  EXPECT_EQ(race.AgeClass(), 2);  // every runner three years old
  EXPECT_EQ(race.Symbol(), 20);   // every runner female

  struct TAges {
    const char* ageCode;
    int birthYears[2];
    int sexes[2];
    int ageClass, symbol;
  } cases[] = {
      {"  ", {2003, 2003}, {1, 2}, 1, 0},
      {"  ", {2001, 2001}, {2, 2}, 3, 20},
      {"  ", {2001, 2002}, {2, 2}, 9, 20},
      {"20", {2003, 2003}, {1, 1}, 51, 0},  // the Anglo-Arab tens stay
      {"13", {2003, 2003}, {1, 1}, 4, 0},   // a stored age class stays
  };
  for (const TAges& c : cases) {
    TRecordWriter v = RaWriter("2005061044030405", 'A');
    v.Number(ra::kRegistered, 2);
    v.Raw(ra::kAgeClass, c.ageCode);
    TResult r = TResult::FromRa(v.bytes().data());
    for (int i = 0; i < 2; ++i) {
      r.AddRunner(Runner({.horseNo = i + 1, .horseID = c.birthYears[i] * 1000000 + 1, .sex = c.sexes[i]}));
    }
    r.Complete();
    EXPECT_EQ(r.AgeClass(), c.ageClass) << c.ageCode << c.birthYears[1];
    EXPECT_EQ(r.Symbol(), c.symbol) << c.ageCode << c.birthYears[1];
  }
}

TEST(ResultTest, StraightCourseRanksTheTimeBeforeTheLastFurlongs) {
  TResult race = Race("2004050104010105", 4, 10);  // turf straight
  race.AddRunner(Runner({.horseNo = 1, .time = "1000", .arrival = 2, .last3F = "330"}));  // 270
  race.AddRunner(Runner({.horseNo = 2, .time = "1003", .arrival = 3, .last3F = "320"}));  // 283
  race.AddRunner(Runner({.horseNo = 3, .time = "0598", .arrival = 1, .last3F = "328"}));  // 270
  race.AddRunner(Runner({.horseNo = 4, .time = "1010", .arrival = 4, .last3F = "000"}));  // no 600 m time
  race.Complete();
  EXPECT_EQ(Numbers(race, &TResultInfo::HorseNo), (std::vector<int>{1, 2, 3, 4}));
  std::vector<int> fourth;
  for (const TResultInfo& r : race.Runners()) fourth.push_back(r.Corner(3));
  EXPECT_EQ(fourth, (std::vector<int>{1, 3, 1, 0}));

  // An ordinary course keeps its fourth corner.
  TResult bend = Race("2004050104010106", 1, 11);
  bend.AddRunner(Runner({.horseNo = 1, .time = "1000", .arrival = 1, .last3F = "330"}));
  bend.Complete();
  EXPECT_EQ(bend.Runner(0).Corner(3), 0);
}

TEST(ResultTest, AveragePersonValuesOverTheStarters) {
  TTempHome home;
  TRecordWriter ks("KS", jv::ks::kLength, '1', 20040101);
  ks.Number(jv::ks::kCode, 1001);
  ks.Text(jv::ks::kName, SJ("山田 太郎"));
  ks.Number(jv::ks::kEastWest, 1);
  home.WriteFile("DATA/KS.DAT", ks.bytes());
  CreateProcessObjects();

  TResult race = Race("2004122605050811", 3, 11);
  race.AddRunner(Runner({.horseNo = 1, .jockeyCode = 1001}));
  race.AddRunner(Runner({.horseNo = 2, .jockeyCode = 2002}));  // unknown: value 0
  race.AddRunner(Runner({.horseNo = 3, .abnormality = '1', .jockeyCode = 1001}));  // did not start
  double value = _JockeyList->StatisticsValue(1001, race.DateNumber(), race.Track(), race.Distance());
  ASSERT_NE(value, 0.0);
  EXPECT_DOUBLE_EQ(race.AverageJockeyValue(), value / 2);
  EXPECT_DOUBLE_EQ(TResult(race).AverageJockeyValue(), value / 2);
  EXPECT_EQ(race.AverageTrainerValue(), 0.0);  // no trainers known
  DestroyProcessObjects();

  // Without the lists there is nothing to average.
  TResult other = Race("2004122605050812", 1, 11);
  other.AddRunner(Runner({.horseNo = 1, .jockeyCode = 1001}));
  EXPECT_EQ(other.AverageJockeyValue(), 0.0);
}

// ---------------------------------------------------------------------------
// The race card's bets.

TEST(RaceTest, BetsByTypeAndPosition) {
  TRace race(Race("2004122605050811", 12));
  race.AddPayouts(HrRecord().data());
  race.AddBet(3, 0.10, 3, 5);
  race.AddBet(0, 0.20, 3);
  race.AddBet(0, 0.30, 5);
  race.AddBet(4, 0.05, 3, 5);
  race.AddBet(3, 0.15, 1, 2);
  race.AddBet(0, 0.25, 1);
  race.AddBet(8, 0.5, 1);  // no such bet type
  race.SortBets();

  EXPECT_EQ(race.BetCount(0), 3);
  EXPECT_EQ(race.BetCount(1), 0);
  EXPECT_EQ(race.BetCount(3), 2);
  EXPECT_EQ(race.BetCount(9), 2);  // the main pair bet of a race of 2004 with 12 entered: 馬連
  EXPECT_EQ(race.BetCount(8), 0);
  EXPECT_EQ(race.BetCount(-1), 0);
  EXPECT_EQ(race.Bets().size(), 6u);

  struct TCase {
    int type, n;
    int combination, payout;
    float value;
  } cases[] = {
      {0, 0, 5, 350, 0.30f},   {0, 1, 1, 0, 0.25f},     {0, 2, 3, 0, 0.20f},   {3, 0, 102, 0, 0.15f},
      {3, 1, 305, 2500, 0.10f}, {9, 1, 305, 2500, 0.10f}, {4, 0, 305, -1, 0.05f},
  };
  for (const TCase& c : cases) {
    TBetData bet = race.Bet(c.type, c.n);
    EXPECT_EQ(bet.Combination(), c.combination) << c.type << " " << c.n;
    EXPECT_EQ(bet.Payout, c.payout) << c.type << " " << c.n;
    EXPECT_FLOAT_EQ(bet.Value, c.value) << c.type << " " << c.n;
    EXPECT_EQ(bet.Value2, 0.0f);
  }
  // Past the bets of a type, or of a type without bets: an empty bet.
  struct TPosition {
    int type, n;
  } beyond[] = {{0, 3}, {1, 0}, {3, 2}, {7, 0}, {0, -1}, {8, 0}};
  for (auto [type, n] : beyond) {
    TBetData bet = race.Bet(type, n);
    EXPECT_EQ(bet.Type, 0) << type << " " << n;
    EXPECT_EQ(bet.Combination(), 0) << type << " " << n;
    EXPECT_EQ(bet.Payout, -1) << type << " " << n;
    EXPECT_EQ(bet.Value, 0.0f) << type << " " << n;
  }
  EXPECT_NEAR(race.BetValueSum(0, 2), 0.55, 1e-6);
  EXPECT_NEAR(race.BetValueSum(0, 6), 0.75, 1e-6);
  EXPECT_EQ(race.BetValueSum(2, 6), 0.0);

  race.ClearBets();
  EXPECT_EQ(race.BetCount(0), 0);
  EXPECT_EQ(race.Bet(0, 0).Payout, -1);
}

TEST(RaceTest, MainPairBetByYearAndEntrants) {
  struct TCase {
    const char* key;
    int registered;
    int type;
  } cases[] = {
      {"2004122605050811", 8, 2}, {"2004122605050811", 9, 3}, {"2005010505010111", 8, 3},
      {"1999122605050811", 18, 3}, {"2004122605050811", 0, 2},
  };
  for (const TCase& c : cases) {
    TRace race(Race(c.key, c.registered));
    EXPECT_EQ(race.MainPairBetType(), c.type) << c.key << " " << c.registered;
    race.AddBet(9, 0.1, 1, 2);
    EXPECT_EQ(race.BetCount(c.type), 1) << c.key << " " << c.registered;
    EXPECT_EQ(race.Bet(c.type, 0).Type, c.type);
  }
}

TEST(RaceTest, ViewValuesTravelWithTheRaceCard) {
  TRace race(Race("2004122605050811", 8));
  race.SetViewValue(0, 7);
  race.SetViewValue(1, -3);
  race.SetViewValue(2, 9);  // ignored
  race.AddBet(0, 0.5, 1);
  TRace copy = race;
  EXPECT_EQ(copy.ViewValue(0), 7);
  EXPECT_EQ(copy.ViewValue(1), -3);
  EXPECT_EQ(copy.ViewValue(2), 0);
  EXPECT_EQ(copy.BetCount(0), 1);
  EXPECT_TRUE(copy.SharesDataWith(race));

  TBetData empty;
  EXPECT_EQ(empty.Type, 0);
  EXPECT_EQ(empty.Payout, -1);
  EXPECT_EQ(empty.Combination(), 0);
}

}  // namespace
