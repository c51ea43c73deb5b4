#include "analysis/person_list.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "analysis/process_objects.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

using sample::TPersonSummary;
using TSix = std::array<int, 6>;

constexpr int kMadeOn = 20240601;
constexpr int kThisYear = 0, kLastYear = 1, kCareer = 2;

// Copies `text` over the start of a field.
void Put(std::string& record, jv::TField field, const std::string& text) {
  record.replace(static_cast<std::size_t>(field.offset), text.size(), text);
}

sample::TPerson Someone(int code, const char* name, int affiliation) {
  sample::TPerson p;
  p.code = code;
  p.name = Utf8ToSjis(name);
  p.affiliation = affiliation;
  p.firstFlatRide = "2015010506010101";
  p.firstJumpRide = "2018061003020105";
  p.licenceDate = 20120301;
  return p;
}

// An empty summary of the usual years.
TPersonSummary Years() {
  TPersonSummary s;
  s.blocks[kThisYear].year = 2024;
  s.blocks[kLastYear].year = 2023;
  s.blocks[kCareer].year = 2024;
  return s;
}

void SetCounts(sample::TCountSet& set, const TSix& counts) { set.counts = counts; }

std::string Ks(const sample::TPerson& p, const TPersonSummary& s) {
  return sample::KsRecord(p, s, '1', kMadeOn);
}
std::string Ch(const sample::TPerson& p, const TPersonSummary& s) {
  return sample::ChRecord(p, s, '1', kMadeOn);
}

TSix RowOf(const TPersonData& person, int row) {
  TSix six{};
  for (std::size_t k = 0; k < 6; ++k) six[k] = person.Counts[static_cast<std::size_t>(row)][k];
  return six;
}

// ---------------------------------------------------------------------------

TEST(PersonList, NameMatching) {
  struct {
    const char* full;
    const char* name;
    bool matches;
  } cases[] = {
      // Characters of the name, in order, anywhere in the full name.
      {"田中 健太", "田中健", true},
      {"田中 健太", "田健", true},
      {"田中 健太", "健田", false},
      {"田中 田子", "田田", true},
      {"田中 花子", "田田", false},
      {"田中 健太", "田中　　", true},  // padding of a runner record
      // Alias pairs: the right side replaces the name.
      {"Ｌ．ヴェルタ", "ルカ", true},
      {"丸山 ルカ", "ルカ", false},
      {"Ｈ．ブラント", "ＢＲＡＮ", true},
      {"山崎 健二", "山﨑健", true},
      {"高野 誠一", "髙野誠", true},
      // Character table: only the name is translated.
      {"斉藤 一郎", "齋藤", true},
      {"斉藤 一郎", "斎藤", true},
      {"渡辺 二郎", "渡邊", true},
      {"渡辺 二郎", "渡邉", true},
      {"沢田 三郎", "澤田", true},
      {"Ｏ．ベルク", "Ｏ・ベルク", true},
      {"齋藤 一郎", "齋藤", false},
      // Nothing to match with.
      {"", "田中", false},
      {"田中 健太", "", false},
      {"田中 健太", "　", false},
      {"田中 健太", "Tanaka", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NameMatches(Utf8ToSjis(c.full), Utf8ToSjis(c.name)), c.matches)
        << c.full << " / " << c.name;
  }
}

TEST(PersonList, ShortNamesOfAWidth) {
  struct {
    const char* full;
    int width;
    const char* shortName;
  } cases[] = {
      {"田中 健太", 0, "田中 健太"},
      {"田中 健太", 9, "田中 健太"},
      {"田中 健太", 12, "田中    健太"},  // the gap widened to the width
      {"田中 健太", 8, "田中健太"},      // the gap closed
      {"田中 健太", 7, "田中健"},        // then cut on a whole character
      {"Ｏ．ベルク", 10, "Ｏ．ベルク"},  // no gap to widen
      {"Ｏ．ベルク", 8, "ベルク"},       // the initial goes first
      {"Ｊ．Ｐ．ロサ", 6, "ロサ"},       // one initial after the other
      {"Ｏ． ベルク", 8, "ベルク"},      // the gap before the initial
      {"ベルクＯ．", 4, "ベル"},         // nothing after the "．": only cut
      {"", 8, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortNameOfWidth(Utf8ToSjis(c.full), c.width), Utf8ToSjis(c.shortName))
        << c.full << " " << c.width;
  }
  const std::string longName = Utf8ToSjis("長い名前長い名前長い名前長い名前長い名前");
  EXPECT_EQ(ShortNameOfWidth(longName, 0), longName.substr(0, 34));
}

// Smoothed rates of the count sets used below, worked out by hand from the
// seven points and their weighted line.
constexpr double kRate2110006 = 0.07264682772269934;   // {2,1,1,0,0,6}
constexpr double kRate3100006 = 0.06638563330263453;   // {3,1,0,0,0,6}
constexpr double kRate31100010 = 0.06356929116506775;  // {3,1,1,0,0,10}
constexpr double kRate2100003 = 0.0736996967070104;    // {2,1,0,0,0,3}
constexpr double kRate10Wins92 = 0.15370787040818087;  // {10,0,0,0,0,0}, factor 0.92

TEST(PersonList, SmoothedWinRate) {
  struct {
    TSix counts;
    double factor;
    double rate;
  } cases[] = {
      {{0, 0, 0, 0, 0, 0}, 1.0, 1.0 / 14},  // a random horse of 14
      {{0, 0, 0, 0, 0, 0}, 0.92, 1.0 / 14},
      {{10, 0, 0, 0, 0, 0}, 1.0, 0.16123195581769875},
      {{10, 0, 0, 0, 0, 0}, 0.92, kRate10Wins92},
      {{2, 1, 1, 0, 0, 6}, 1.0, kRate2110006},
      {{3, 1, 0, 0, 0, 6}, 1.0, kRate3100006},
      {{3, 1, 1, 0, 0, 10}, 1.0, kRate31100010},
      {{2, 1, 0, 0, 0, 3}, 1.0, kRate2100003},
      {{0, 0, 0, 0, 0, 30}, 1.0, -0.011367928680173523},  // the line runs below 0
      {{3, 0, 0, 0, 0, 0}, 0.0, 0},  // no field
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(SmoothedWinRate(c.counts, c.factor), c.rate, 1e-12)
        << c.counts[0] << " … " << c.counts[5] << " × " << c.factor;
  }
}

TEST(PersonList, RecordRowsOfJockeysAndTrainers) {
  // Block b: flat {1..6} + 10·b, jump {100 + b, 0, 0, 0, 0, 200 + b};
  // distance row d of this year {d + 1, 0, 0, 0, 0, 10·(d + 1)}, of last
  // year {0, d + 1, 0, 0, 0, 0}, of the career 900s that no row takes.
  TPersonSummary s = Years();
  for (int b = 0; b < 3; ++b) {
    auto& block = s.blocks[static_cast<std::size_t>(b)];
    SetCounts(block.flat, {1 + 10 * b, 2 + 10 * b, 3 + 10 * b, 4 + 10 * b, 5 + 10 * b, 6 + 10 * b});
    SetCounts(block.jump, {100 + b, 0, 0, 0, 0, 200 + b});
    for (int d = 0; d < 6; ++d) {
      TSix row = b == kThisYear ? TSix{d + 1, 0, 0, 0, 0, 10 * (d + 1)}
                 : b == kLastYear ? TSix{0, d + 1, 0, 0, 0, 0}
                                  : TSix{900, 900, 900, 900, 900, 900};
      SetCounts(block.distance[static_cast<std::size_t>(d)], row);
    }
  }
  const TSix careerFlat{21, 22, 23, 24, 25, 26}, thisFlat{1, 2, 3, 4, 5, 6},
      lastFlat{11, 12, 13, 14, 15, 16};
  const TSix thisTurf{6, 0, 0, 0, 0, 60}, lastTurf{0, 6, 0, 0, 0, 0};
  const TSix thisDirt{15, 0, 0, 0, 0, 150}, lastDirt{0, 15, 0, 0, 0, 0};
  const TSix jockeyRows[9] = {careerFlat, thisTurf, lastTurf, careerFlat, thisDirt, lastDirt,
                              {102, 0, 0, 0, 0, 202}, {100, 0, 0, 0, 0, 200},
                              {101, 0, 0, 0, 0, 201}};
  const TSix trainerRows[9] = {careerFlat, thisFlat, lastFlat, careerFlat, thisFlat, lastFlat,
                               jockeyRows[6], jockeyRows[7], jockeyRows[8]};

  const sample::TPerson p = Someone(1234, "楢山 健太", 2);
  for (int kind = 1; kind <= 2; ++kind) {
    SCOPED_TRACE(kind);
    const std::string record = kind == 1 ? Ks(p, s) : Ch(p, s);
    const TPersonData d = TPersonData::FromRecord(kind, record.data());
    EXPECT_EQ(d.Kind, kind);
    EXPECT_EQ(d.Code, 1234);
    EXPECT_EQ(d.MadeOn, kMadeOn);
    EXPECT_EQ(d.FirstFlat, kind == 1 ? 20150105 : 20120301);
    EXPECT_EQ(d.FirstJump, kind == 1 ? 20180610 : 20120301);
    EXPECT_EQ(d.Name, Utf8ToSjis("楢山 健太"));
    EXPECT_EQ(d.EastWest, 2);
    EXPECT_EQ(d.ThisYear, 2024);
    EXPECT_EQ(d.LastYear, 2023);
    const TSix* rows = kind == 1 ? jockeyRows : trainerRows;
    for (int r = 0; r < 9; ++r) EXPECT_EQ(RowOf(d, r), rows[r]) << "row " << r;
    for (int r = 9; r < 15; ++r) {
      EXPECT_EQ(RowOf(d, r), (TSix{r - 8, r - 8, 0, 0, 0, 10 * (r - 8)})) << "row " << r;
    }
  }
}

TEST(PersonList, RecordFieldsOutOfRange) {
  std::string record = Ks(Someone(5, "楢山健太", 1), Years());
  Put(record, jv::ks::kEastWest, "5");
  // This year's first count of turf up to 1600 m, beyond 16 bits.
  namespace ps = jv::person_summary;
  Put(record, {jv::ks::kSummaryStart + ps::kDistanceRowsStart, 6}, "999999");
  const TPersonData d = TPersonData::FromRecord(1, record.data());
  EXPECT_EQ(d.EastWest, 0);
  EXPECT_EQ(d.Name, Utf8ToSjis("楢山健太"));  // the full-width padding is gone
  EXPECT_EQ(d.Counts[1][0], 32767);          // held at the largest count
  EXPECT_EQ(d.Counts[9][0], 32767);
  EXPECT_EQ(TPersonData::FromRecord(3, record.data()).Kind, 0);
}

// ---------------------------------------------------------------------------
// The lists over a data folder.

class PersonListFiles : public testing::Test {
 protected:
  void WriteJockeys(const std::string& records) { home.WriteFile("DATA/KS.DAT", records); }

  TTempHome home;
  TRecordingFrontEnd front;
};

TEST_F(PersonListFiles, UnknownCodesGetAnEmptyRecordOfTheListsKind) {
  WriteJockeys(Ks(Someone(7, "楢山 健太", 1), Years()) + Ks(Someone(5, "楢山 次郎", 2), Years()) +
               Ks(Someone(7, "別人 三郎", 1), Years()));
  TPersonList jockeys(1), trainers(2);  // CH.DAT is missing
  EXPECT_EQ(jockeys.Person(7).Name, Utf8ToSjis("楢山 健太"));  // the first of the code
  EXPECT_EQ(jockeys.Person(5).EastWest, 2);
  EXPECT_EQ(jockeys.Person(7).EastWest, 1);
  struct {
    TPersonList& list;
    int code;
  } unknown[] = {{jockeys, 99999}, {jockeys, 0}, {trainers, 7}};
  for (const auto& c : unknown) {
    const TPersonData& d = c.list.Person(c.code);
    EXPECT_EQ(d.Kind, c.list.Kind());
    EXPECT_EQ(d.Code, c.code);
    EXPECT_EQ(d.Name, "");
    EXPECT_EQ(RowOf(d, 0), TSix{});
    EXPECT_EQ(c.list.StatisticsValue(c.code, kMadeOn, 11, 1600), 0);
    EXPECT_EQ(c.list.ShortName(c.code, 8), "");
  }
  EXPECT_EQ(jockeys.ShortName(5, 8), Utf8ToSjis("楢山次郎"));
  EXPECT_TRUE(front.Errors().empty());
}

TEST_F(PersonListFiles, NamesResolveInCodeOrderAndAreAskedOnce) {
  WriteJockeys(Ks(Someone(7, "楢山 健太", 1), Years()) + Ks(Someone(5, "楢山 次郎", 2), Years()));
  TPersonList jockeys(1);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("楢山")), 5);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("楢健")), 7);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("謎野")), 0);
  EXPECT_EQ(jockeys.CodeOfName(""), 0);

  // A file that would be reported if read again: the names map and the set
  // answer everything.
  WriteJockeys("short");
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("謎野")), 0);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("楢次")), 5);
  EXPECT_EQ(jockeys.Person(7).Name, Utf8ToSjis("楢山 健太"));
  EXPECT_TRUE(front.Errors().empty());

  // Once cleared the list reads its file again, and an unusable file is
  // reported once, however often the list is asked.
  jockeys.Clear();
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("楢山")), 0);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("謎野")), 0);
  EXPECT_EQ(jockeys.CodeOfName(Utf8ToSjis("楢健")), 0);
  EXPECT_EQ(jockeys.Person(7).Name, "");
  ASSERT_EQ(front.Errors().size(), 1u);
  EXPECT_NE(SjisToUtf8(front.Errors()[0]).find("KS.DAT\nファイルサイズに異常有り（5）"),
            std::string::npos);
}

TEST_F(PersonListFiles, UnresolvedNamesAreWrittenAtTheEndWhenAsked) {
  WriteJockeys(Ks(Someone(7, "楢山 健太", 1), Years()));
  for (bool on : {false, true}) {
    SCOPED_TRACE(on);
    WriteBool(ini::kDebug, ini::kPersonList, on);
    std::filesystem::remove(home.path() + "DEBUG_PERSON_1.TXT");
    CreateProcessObjects();
    _JockeyList->CodeOfName(Utf8ToSjis("謎野"));
    _JockeyList->CodeOfName(Utf8ToSjis("楢山"));
    _JockeyList->CodeOfName(Utf8ToSjis("ＡＢ"));
    _JockeyList->CodeOfName(Utf8ToSjis("謎野　　"));  // padded: the same name
    _JockeyList->CodeOfName("");
    DestroyProcessObjects();
    EXPECT_EQ(std::filesystem::exists(home.path() + "DEBUG_PERSON_1.TXT"), on);
    EXPECT_EQ(std::filesystem::exists(home.path() + "DEBUG_PERSON_2.TXT"), on);
    if (on) {
      EXPECT_EQ(home.ReadFile("DEBUG_PERSON_1.TXT"), Utf8ToSjis("ＡＢ\n謎野\n"));
      EXPECT_EQ(home.ReadFile("DEBUG_PERSON_2.TXT"), "");
    }
  }
}

// ---------------------------------------------------------------------------
// Statistics values.

TEST_F(PersonListFiles, PriorOfThePersonWithoutRides) {
  // No rides: every point holds the prior T ÷ 14, and the value is
  // (T − 1) ÷ 14.
  WriteJockeys(Ks(Someone(1, "甲 一", 1), Years()) + Ks(Someone(2, "乙 二", 2), Years()) +
               Ks(Someone(3, "丙 三", 3), Years()) + Ks(Someone(4, "丁 四", 4), Years()) +
               Ks(Someone(5, "戊 五", 0), Years()));
  home.WriteFile("DATA/CH.DAT",
                 Ch(Someone(1, "甲 一", 1), Years()) + Ch(Someone(4, "丁 四", 4), Years()));
  TPersonList jockeys(1), trainers(2);
  struct {
    TPersonList& list;
    int code;
    double t;
  } cases[] = {
      {jockeys, 1, 0.8}, {jockeys, 2, 0.9}, {jockeys, 3, 1.2}, {jockeys, 4, 1.9},
      {trainers, 1, 1.0}, {trainers, 4, 1.0},
  };
  for (const auto& c : cases) {
    for (int track : {11, 23, 110}) {
      EXPECT_NEAR(c.list.StatisticsValue(c.code, 20240615, track, 1800), (c.t - 1) / 14, 1e-12)
          << c.list.Kind() << "/" << c.code << " track " << track;
    }
  }
  EXPECT_EQ(jockeys.StatisticsValue(5, 20240615, 11, 1800), 0);  // no affiliation
}

// A person of one point (affiliation 3, so no yearly points) with rides on
// turf and dirt.
TPersonSummary RidesOnTurfAndDirt() {
  TPersonSummary s = Years();
  SetCounts(s.blocks[kCareer].flat, {2, 1, 1, 0, 0, 6});
  SetCounts(s.blocks[kThisYear].distance[0], {1, 0, 0, 0, 0, 3});  // turf up to 1600
  SetCounts(s.blocks[kThisYear].distance[1], {1, 1, 0, 0, 0, 2});  // turf up to 2200
  SetCounts(s.blocks[kThisYear].distance[3], {0, 0, 1, 0, 0, 4});  // dirt up to 1600
  SetCounts(s.blocks[kLastYear].distance[1], {1, 0, 0, 0, 0, 1});
  // Jump rides, which no flat value may use.
  SetCounts(s.blocks[kCareer].jump, {10, 0, 0, 0, 0, 0});
  return s;
}

TEST_F(PersonListFiles, FlatValueWithSurfaceAndDistanceCorrections) {
  const TPersonSummary s = RidesOnTurfAndDirt();
  WriteJockeys(Ks(Someone(3, "丙 三", 3), s));
  home.WriteFile("DATA/CH.DAT", Ch(Someone(3, "丙 三", 3), s));
  TPersonList jockeys(1), trainers(2);

  // Career: {2,1,1,0,0,6}, 10 rides. The point of the career's middle is
  // the only one with weight, so the line is flat at its rate R1.
  const double p0 = kRate2110006;
  // Turf 1800 m. Turf rows (this + last year): {1,0,0,0,0,3},
  // {2,1,0,0,0,3}, 0; dirt rows {0,0,1,0,0,4}, 0, 0.
  const double onTurf = kRate3100006;   // S = {3,1,0,0,0,6}
  const double onBoth = kRate31100010;  // A = {3,1,1,0,0,10}
  const double at1800 = kRate2100003;   // L = row up to 2200, {2,1,0,0,0,3}
  const double jockeyR1 = (7 * (1.2 / 14) + 10 * p0) / (7 + 10);
  const double trainerR1 = (7 * (1.0 / 14) + 10 * p0) / (7 + 10);
  const double jockey =
      jockeyR1 + (onTurf - onBoth) * 0.6 + (at1800 - onTurf) * 0.2 - 1.0 / 14;
  const double trainer =
      trainerR1 + (onTurf - onBoth) * 0.8 + (at1800 - onTurf) * 0.2 - 1.0 / 14;
  EXPECT_NEAR(jockey, 0.009751592254078718, 1e-12);
  const double value = jockeys.StatisticsValue(3, 20240615, 11, 1800);
  EXPECT_NEAR(value, jockey, 1e-12);
  EXPECT_NEAR(trainers.StatisticsValue(3, 20240615, 11, 1800), trainer, 1e-12);

  // Distance rows: up to 1600, up to 2200, above.
  EXPECT_NE(jockeys.StatisticsValue(3, 20240615, 11, 1600), value);
  EXPECT_EQ(jockeys.StatisticsValue(3, 20240615, 11, 1601), value);
  EXPECT_EQ(jockeys.StatisticsValue(3, 20240615, 11, 2200), value);
  EXPECT_NE(jockeys.StatisticsValue(3, 20240615, 11, 2201), value);
  // Any track of the turf (10-19) is turf.
  EXPECT_EQ(jockeys.StatisticsValue(3, 20240615, 17, 1800), value);
}

TEST_F(PersonListFiles, JumpValueUsesJumpRidesWithoutCorrections) {
  TPersonSummary s = RidesOnTurfAndDirt();
  WriteJockeys(Ks(Someone(4, "丁 四", 4), s));
  TPersonList jockeys(1);
  // Career jumps {10,0,0,0,0,0} at the jump factor 0.92.
  const double expected = (7 * (1.9 / 14) + 10 * kRate10Wins92) / (7 + 10) - 1.0 / 14;
  EXPECT_NEAR(jockeys.StatisticsValue(4, 20240615, 110, 3000), expected, 1e-12);
  EXPECT_NEAR(jockeys.StatisticsValue(4, 20240615, 125, 3000), expected, 1e-12);
}

TEST_F(PersonListFiles, ValueFollowsTheTrendFromLastYearToThisYear) {
  // Two jockeys of the same career and the same rides of the two years,
  // one improving and one declining: the improving one rates higher, and
  // both lie on either side of the one who rode as well in both years.
  const TSix good{12, 5, 5, 5, 5, 68}, poor{4, 5, 5, 5, 5, 76}, even{8, 5, 5, 5, 5, 72};
  auto jockey = [&](int code, const TSix& thisYear, const TSix& lastYear) {
    TPersonSummary s = Years();
    SetCounts(s.blocks[kCareer].flat, {30, 20, 20, 20, 20, 290});
    SetCounts(s.blocks[kThisYear].distance[1], thisYear);
    SetCounts(s.blocks[kLastYear].distance[1], lastYear);
    return Ks(Someone(code, "楢山 健太", 1), s);
  };
  WriteJockeys(jockey(1, good, poor) + jockey(2, poor, good) + jockey(3, even, even));
  TPersonList jockeys(1);
  const double improving = jockeys.StatisticsValue(1, 20240615, 11, 2000);
  const double declining = jockeys.StatisticsValue(2, 20240615, 11, 2000);
  const double steady = jockeys.StatisticsValue(3, 20240615, 11, 2000);
  EXPECT_GT(improving, steady);
  EXPECT_LT(declining, steady);
}

}  // namespace
