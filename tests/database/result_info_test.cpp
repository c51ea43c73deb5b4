#include "database/result_info.h"

#include <gtest/gtest.h>

#include "analysis/person_list.h"
#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/sample_record.h"
#include "support/temp_home.h"

namespace {

namespace se = jv::se;

std::string Utf8(const std::string& sjis) { return SjisToUtf8(sjis); }

sample::TRecordWriter SeWriter(char dataKind = '7') {
  sample::TRecordWriter w("SE", se::kLength, dataKind, 20041226);
  w.RaceKey("2004122605050811");
  return w;
}

// A runner for the order tests: only the fields the orders read.
struct TOrderRunner {
  char kind = '7';
  int horseNo = 0;
  int horseID = 0;
  int arrival = 0;
  int time = 0;  // MSST as stored
  int position = 0;
  char abnormality = '0';
};

TResultInfo OrderRunner(const TOrderRunner& r) {
  sample::TRecordWriter w = SeWriter(r.kind);
  w.NumberOrBlank(se::kHorseNo, r.horseNo);
  w.NumberOrBlank(se::kHorseID, r.horseID);
  w.NumberOrBlank(se::kArrival, r.arrival);
  w.NumberOrBlank(se::kTime, r.time);
  w.NumberOrBlank(se::kPosition, r.position);
  w.Raw(se::kAbnormality, std::string(1, r.abnormality));
  return TResultInfo::FromSe(w.bytes().data());
}

TEST(ResultInfoTest, FromRunnerRecord) {
  sample::TRecordWriter w = SeWriter();
  w.Number(se::kFrame, 3);
  w.Number(se::kHorseNo, 5);
  w.Number(se::kHorseID, 2001104567);
  w.Text(se::kHorseName, SJ("テスト　ホース"), true);
  w.Number(se::kHorseMark, 12);
  w.Number(se::kSex, 2);
  w.Number(se::kAge, 4);
  w.Number(se::kTrainerCode, 1234);
  w.Text(se::kTrainerName, SJ("調教師"));
  w.Text(se::kOwnerName, SJ("馬主　一郎"));
  w.Number(se::kCarried, 575);
  w.Number(se::kBlinker, 1);
  w.Text(se::kJockeyName, SJ("騎手"));
  w.Number(se::kApprentice, 1);
  w.Number(se::kBodyWeight, 480);
  w.Number(se::kAbnormality, 0);
  w.Number(se::kArrival, 2);
  w.Number(se::kPosition, 3);
  w.Raw(se::kTime, "1234");
  w.Raw(jv::InBlock(se::kMarginStart, se::kMarginStride, 0, se::kMargin), "112");
  w.Raw(jv::InBlock(se::kMarginStart, se::kMarginStride, 1, se::kMargin), "H  ");
  for (int i = 0; i < 4; ++i) w.Number(jv::InBlock(se::kCornerStart, se::kCornerStride, i, se::kCorner), 4 - i);
  w.Number(se::kOdds, 34);
  w.Number(se::kPopularity, 1);
  w.Raw(se::kLast4F, "480");
  w.Raw(se::kLast3F, "000");
  w.Number(se::kTimeDiff, -3);
  w.Number(se::kRecordFlag, 1);
  TResultInfo r = TResultInfo::FromSe(w.bytes().data());

  EXPECT_EQ(r.DataKind(), 7);
  EXPECT_EQ(r.Frame(), 3);
  EXPECT_EQ(r.HorseNo(), 5);
  EXPECT_EQ(r.HorseID(), 2001104567);
  EXPECT_EQ(r.BirthYear(), 2001);
  EXPECT_EQ(Utf8(r.HorseName()), "テスト ホース");
  EXPECT_EQ(Utf8(r.HorseName(5)), "テス");  // bytes, on a character boundary
  EXPECT_EQ(r.HorseMark(), 12);
  EXPECT_EQ(r.Sex(), 2);
  EXPECT_EQ(r.Age(), 4);
  // A name is kept only where the record has no code.
  EXPECT_EQ(r.RawTrainerCode(), 1234);
  EXPECT_EQ(r.RawTrainerName(), "");
  EXPECT_EQ(r.OwnerCode(), 0);
  EXPECT_EQ(Utf8(r.RawOwnerName()), "馬主 一郎");
  EXPECT_EQ(Utf8(r.OwnerName()), "馬主 一郎");
  EXPECT_EQ(r.RawJockeyCode(), 0);
  EXPECT_EQ(Utf8(r.RawJockeyName()), "騎手");
  EXPECT_EQ(r.Carried(), 575);
  EXPECT_EQ(r.Blinker(), 1);
  EXPECT_EQ(r.Apprentice(), 1);
  EXPECT_EQ(r.BodyWeight(), 480);
  EXPECT_EQ(r.Abnormality(), 0);
  EXPECT_EQ(r.Arrival(), 2);
  EXPECT_EQ(r.Position(), 3);
  EXPECT_EQ(r.Time(), 834);
  EXPECT_EQ(r.Margin(0), 16);
  EXPECT_EQ(r.Margin(1), 2);
  EXPECT_EQ(r.Margin(2), 0);
  EXPECT_EQ(r.Margin(3), 0);
  EXPECT_EQ(r.Corner(0), 4);
  EXPECT_EQ(r.Corner(3), 1);
  EXPECT_EQ(r.Corner(4), 0);
  EXPECT_EQ(r.Odds(), 34);
  EXPECT_EQ(r.Popularity(), 1);
  EXPECT_EQ(r.Last3F(), -480);
  EXPECT_EQ(r.TimeDiff(), -3);
  EXPECT_EQ(r.RecordFlag(), 1);

  EXPECT_EQ(Utf8(r.MarginText()), "１1/2");
  EXPECT_EQ(r.MarginKindText(), "1/2");
  EXPECT_EQ(Utf8(r.CarriedText()), "☆57.5");
  EXPECT_EQ(Utf8(r.SexText()), "牝");
  EXPECT_EQ(Utf8(r.HorseMarkText()), "(父)(市)(地)");
  EXPECT_EQ(r.BlinkerText(), "B");
  EXPECT_EQ(Utf8(r.ApprenticeText()), "☆");
  EXPECT_EQ(r.AbnormalityText(4), "");
  // Only an 800 m time: kind 3 has none, kind 4 and kind 0 give it.
  EXPECT_EQ(r.LastFurlongs(3), 0);
  EXPECT_EQ(r.LastFurlongs(4), 480);
  EXPECT_EQ(r.LastFurlongs(0), 480);
  EXPECT_EQ(r.LastFurlongs(5), 0);
}

TEST(ResultInfoTest, AbnormalityAndCodeRanges) {
  struct TCase {
    char stored;
    int value;
    bool scratched, notFinished;
    const char* text;
  } cases[] = {{'1', 23, true, true, "取消"},   {'2', 21, true, true, "発除"},
               {'4', 11, false, true, "中止"},  {'7', 1, false, false, "降着"},
               {'0', 0, false, false, ""}};
  for (const TCase& c : cases) {
    sample::TRecordWriter w = SeWriter();
    w.Raw(se::kAbnormality, std::string(1, c.stored));
    TResultInfo r = TResultInfo::FromSe(w.bytes().data());
    EXPECT_EQ(r.Abnormality(), c.value) << c.stored;
    EXPECT_EQ(r.Scratched(), c.scratched) << c.stored;
    EXPECT_EQ(r.NotFinished(), c.notFinished) << c.stored;
    EXPECT_EQ(Utf8(r.AbnormalityText(4)), c.text) << c.stored;
  }

  // Out-of-range mark and sex read 0; a 600 m time wins over the 800 m one.
  sample::TRecordWriter w = SeWriter();
  w.Number(se::kHorseMark, 42);
  w.Number(se::kSex, 4);
  w.Raw(se::kLast4F, "470");
  w.Raw(se::kLast3F, "350");
  w.Number(se::kCarried, 550);
  TResultInfo r = TResultInfo::FromSe(w.bytes().data());
  EXPECT_EQ(r.HorseMark(), 0);
  EXPECT_EQ(r.Sex(), 0);
  EXPECT_EQ(r.Last3F(), 350);
  EXPECT_EQ(r.LastFurlongs(3), 350);
  EXPECT_EQ(r.LastFurlongs(4), 0);
  EXPECT_EQ(r.CarriedText(), "  55");
}

TEST(ResultInfoTest, OtherSources) {
  namespace tk = jv::tk;
  std::string slot(tk::kEntryStride, ' ');
  auto put = [&slot](jv::TField f, const std::string& text) { slot.replace(static_cast<std::size_t>(f.offset), text.size(), text); };
  put(tk::kEntryOrderNo, "012");
  put(tk::kEntryHorseID, "2002100001");
  put(tk::kEntryHorseName, SJ("トクベツ"));
  put(tk::kEntryHorseMark, "06");
  put(tk::kEntrySex, "3");
  put(tk::kEntryTrainerName, SJ("調教"));
  put(tk::kEntryCarried, "560");
  TResultInfo t = TResultInfo::FromTkSlot(slot.data());
  EXPECT_EQ(t.HorseNo(), 12);
  EXPECT_EQ(t.HorseID(), 2002100001);
  EXPECT_EQ(Utf8(t.HorseName()), "トクベツ");
  EXPECT_EQ(t.HorseMark(), 6);
  EXPECT_EQ(t.Sex(), 3);
  EXPECT_EQ(t.RawTrainerCode(), 0);
  EXPECT_EQ(Utf8(t.RawTrainerName()), "調教");
  EXPECT_EQ(t.Carried(), 560);

  namespace um = jv::um;
  sample::TRecordWriter u("UM", um::kLength, '1', 20040101);
  u.Number(um::kHorseID, 2001100002);
  u.Text(um::kHorseName, SJ("マスター"));
  u.Number(um::kHorseMark, 3);
  u.Number(um::kSex, 1);
  u.Number(um::kTrainerCode, 1055);
  u.Text(um::kTrainerName, SJ("調教"));
  u.Number(um::kOwnerCode, 123456);
  u.Text(um::kOwnerName, SJ("馬主"));
  TResultInfo m = TResultInfo::FromUm(u.bytes().data());
  EXPECT_EQ(m.DataKind(), 1);
  EXPECT_EQ(m.HorseID(), 2001100002);
  EXPECT_EQ(Utf8(m.HorseName()), "マスター");
  EXPECT_EQ(m.HorseMark(), 3);
  EXPECT_EQ(m.Sex(), 1);
  EXPECT_EQ(m.RawTrainerCode(), 1055);
  EXPECT_EQ(m.RawTrainerName(), "");
  EXPECT_EQ(m.OwnerCode(), 123456);
  EXPECT_EQ(m.RawOwnerName(), "");

  sample::TRecordWriter s("SK", jv::sk::kLength, '2', 20040101);
  s.Number(jv::sk::kHorseID, 2003100003);
  s.Number(jv::sk::kSex, 2);
  TResultInfo k = TResultInfo::FromSk(s.bytes().data());
  EXPECT_EQ(k.DataKind(), 2);
  EXPECT_EQ(k.HorseID(), 2003100003);
  EXPECT_EQ(k.Sex(), 2);

  sample::TRecordWriter h("HN", jv::hn::kLength, '1', 20040101);
  h.Number(jv::hn::kBreedingNo, 12345678);
  h.Number(jv::hn::kHorseID, 1995100004);
  h.Text(jv::hn::kHorseName, SJ("ハンショク"));
  h.Number(jv::hn::kSex, 2);
  TResultInfo n = TResultInfo::FromHn(h.bytes().data());
  EXPECT_EQ(n.HorseID(), 1995100004);
  EXPECT_EQ(Utf8(n.HorseName()), "ハンショク");
  EXPECT_EQ(n.Sex(), 2);

  EXPECT_EQ(TResultInfo::FromHorseID(2001100009).HorseID(), 2001100009);
}

TEST(ResultInfoTest, CornerPositions) {
  struct TCase {
    int corners[4];
    int first, last;
    int runners;
    double relativeFirst, relativeLast;
  } cases[] = {
      {{0, 3, 5, 2}, 3, 2, 9, 0.25, 0.125},
      {{0, 3, 5, 7}, 3, 3, 9, 0.25, 0.25},  // the last corner never behind the first
      {{5, 0, 0, 0}, 5, 5, 5, 1.0, 1.0},
      {{0, 0, 0, 0}, 0, 0, 9, -1.0, -1.0},
      {{1, 1, 1, 1}, 1, 1, 1, -1.0, -1.0},  // fewer than two runners
  };
  for (const TCase& c : cases) {
    TResultInfo r;
    for (int i = 0; i < 4; ++i) r.SetCorner(i, c.corners[i]);
    EXPECT_EQ(r.FirstCorner(), c.first);
    EXPECT_EQ(r.LastCorner(), c.last);
    EXPECT_DOUBLE_EQ(r.RelativeCorner(false, c.runners), c.relativeFirst);
    EXPECT_DOUBLE_EQ(r.RelativeCorner(true, c.runners), c.relativeLast);
  }
}

TEST(ResultInfoTest, FinishingOrder) {
  struct TCase {
    const char* what;
    TOrderRunner a, b;
    bool aFirst;
  } cases[] = {
      {"arrival decides before time", {.horseNo = 1, .arrival = 1, .time = 1100}, {.horseNo = 2, .arrival = 2, .time = 1000}, true},
      {"time when one lacks arrival", {.horseNo = 1, .arrival = 0, .time = 1005}, {.horseNo = 2, .arrival = 3, .time = 1010}, true},
      {"position when times tie", {.horseNo = 1, .time = 1010, .position = 4}, {.horseNo = 2, .time = 1010, .position = 3}, false},
      {"abnormality when nothing decides", {.horseNo = 1, .abnormality = '1'}, {.horseNo = 2, .abnormality = '4'}, false},
      {"horse number last", {.horseNo = 7, .abnormality = '1'}, {.horseNo = 3, .abnormality = '1'}, false},
      {"overseas by position", {.kind = 'B', .horseNo = 1, .arrival = 1, .position = 2}, {.kind = 'B', .horseNo = 2, .arrival = 2, .position = 1}, false},
      {"overseas position 0 is 99", {.kind = 'B', .horseNo = 1, .position = 0}, {.kind = 'B', .horseNo = 2, .position = 12}, false},
      {"local races by arrival", {.kind = 'A', .horseNo = 1, .arrival = 1, .position = 2}, {.kind = 'A', .horseNo = 2, .arrival = 2, .position = 1}, true},
  };
  for (const TCase& c : cases) {
    TResultInfo a = OrderRunner(c.a);
    TResultInfo b = OrderRunner(c.b);
    EXPECT_EQ(FinishOrderLess(a, b), c.aFirst) << c.what;
    EXPECT_EQ(FinishOrderLess(b, a), !c.aFirst) << c.what;
  }
  TResultInfo same = OrderRunner({.horseNo = 4, .arrival = 1});
  EXPECT_FALSE(FinishOrderLess(same, same));
}

TEST(ResultInfoTest, HorseNumberOrder) {
  struct TCase {
    TOrderRunner a, b;
    bool aFirst;
  } cases[] = {
      {{.horseNo = 2, .horseID = 2001100009}, {.horseNo = 10, .horseID = 2001100001}, true},
      {{.horseNo = 0, .horseID = 2001100009}, {.horseNo = 10, .horseID = 2001100001}, false},
      {{.horseNo = 5, .horseID = 2000100001}, {.horseNo = 0, .horseID = 2001100001}, true},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(HorseNumberLess(OrderRunner(c.a), OrderRunner(c.b)), c.aFirst);
    EXPECT_EQ(HorseNumberLess(OrderRunner(c.b), OrderRunner(c.a)), !c.aFirst);
  }
}

// The people of a runner through the jockey and trainer lists and the owner
// master of a temporary data folder.
class ResultInfoPeopleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sample::TRecordWriter ks("KS", jv::ks::kLength, '1', 20040101);
    ks.Number(jv::ks::kCode, 1001);
    ks.Text(jv::ks::kName, SJ("山田 太郎"));
    ks.Text(jv::ks::kShortName, SJ("山田太"));
    ks.Number(jv::ks::kEastWest, 1);
    home_.WriteFile("DATA/KS.DAT", ks.bytes());
    sample::TRecordWriter ch("CH", jv::ch::kLength, '1', 20040101);
    ch.Number(jv::ch::kCode, 2002);
    ch.Text(jv::ch::kName, SJ("佐藤 次郎"));
    ch.Number(jv::ch::kEastWest, 2);
    home_.WriteFile("DATA/CH.DAT", ch.bytes());
    sample::TRecordWriter bn("BN", jv::bn::kLength, '1', 20040101);
    bn.Number(jv::bn::kCode, 300001);
    bn.Text(jv::bn::kName, SJ("株式会社　馬主"));
    bn.Text(jv::bn::kName2, SJ("馬主商事"));
    home_.WriteFile("DATA/BN.DAT", bn.bytes());
    CreateProcessObjects();
  }
  void TearDown() override { DestroyProcessObjects(); }

  TTempHome home_;
};

TEST_F(ResultInfoPeopleTest, NamesResolveToCodesOnce) {
  sample::TRecordWriter w = SeWriter();
  w.Text(se::kJockeyName, SJ("山田太"));
  w.Text(se::kTrainerName, SJ("佐藤"));
  w.Number(se::kOwnerCode, 300001);
  TResultInfo r = TResultInfo::FromSe(w.bytes().data());

  EXPECT_EQ(r.JockeyCode(), 1001);
  EXPECT_EQ(r.RawJockeyCode(), 1001);
  EXPECT_EQ(r.RawJockeyName(), "");
  EXPECT_EQ(r.TrainerCode(), 2002);
  EXPECT_EQ(r.RawTrainerName(), "");
  EXPECT_EQ(r.JockeyData().Code, 1001);
  EXPECT_EQ(r.EastWest(), 2);  // the trainer's affiliation
  EXPECT_EQ(r.JockeyName(8), _JockeyList->ShortName(1001, 8));
  EXPECT_EQ(r.TrainerName(0), _TrainerList->ShortName(2002, 0));
  EXPECT_FALSE(r.JockeyName(8).empty());

  // The owner's name comes from the owner master and stays.
  EXPECT_EQ(r.RawOwnerName(), "");
  EXPECT_EQ(Utf8(r.OwnerName()), "馬主商事");
  EXPECT_EQ(Utf8(r.RawOwnerName()), "馬主商事");

  // A changed jockey keeps a negative code; the code reads positive.
  r.SetJockeyCode(-1001);
  EXPECT_TRUE(r.JockeyChanged());
  EXPECT_EQ(r.JockeyCode(), 1001);
}

TEST_F(ResultInfoPeopleTest, UnknownNamesStayAsStored) {
  sample::TRecordWriter w = SeWriter();
  w.Text(se::kJockeyName, SJ("不明騎手"));
  w.Number(se::kTrainerCode, 9999);
  TResultInfo r = TResultInfo::FromSe(w.bytes().data());
  EXPECT_EQ(r.JockeyCode(), 0);
  EXPECT_EQ(Utf8(r.RawJockeyName()), "不明騎手");
  EXPECT_EQ(Utf8(r.JockeyName(4)), "不明");
  EXPECT_EQ(Utf8(r.JockeyName(0)), "不明騎手");
  EXPECT_EQ(r.TrainerCode(), 9999);
  EXPECT_EQ(r.TrainerName(8), "");
  EXPECT_EQ(r.EastWest(), 0);
}

TEST(ResultInfoTest, NoPersonListsNoLookUp) {
  DestroyProcessObjects();
  sample::TRecordWriter w = SeWriter();
  w.Text(se::kJockeyName, SJ("山田太"));
  TResultInfo r = TResultInfo::FromSe(w.bytes().data());
  EXPECT_EQ(r.JockeyCode(), 0);
  EXPECT_EQ(Utf8(r.JockeyName(0)), "山田太");
  EXPECT_EQ(r.JockeyData().Kind, 0);
  EXPECT_EQ(r.EastWest(), 0);
}

}  // namespace
