#include "database/race_codes.h"

#include <gtest/gtest.h>

#include "app/sjis.h"

namespace {

std::string Utf8(const std::string& sjis) { return SjisToUtf8(sjis); }

TEST(RaceCodesTest, GradeLetters) {
  struct TCase {
    const char* field;
    int grade;
  } cases[] = {{" ", 1}, {"A", 6}, {"F", 6}, {"B", 5}, {"G", 5}, {"C", 4}, {"H", 4},
               {"D", 3}, {"E", 2}, {"L", 0}, {"1", 0}, {"a", 0}};
  for (const TCase& c : cases) EXPECT_EQ(DecodeGrade(c.field), c.grade) << c.field;
}

TEST(RaceCodesTest, AgeClassWithAngloArabOffset) {
  struct TCase {
    const char* field;
    int ageClass;
  } cases[] = {{"11", 1},  {"12", 2},  {"13", 4},  {"14", 5},  {"15", 0},  {"  ", 0},
               {"21", 51}, {"22", 52}, {"23", 54}, {"24", 55}, {"20", 50}, {"16", 1}};
  for (const TCase& c : cases) EXPECT_EQ(DecodeAgeClass(c.field), c.ageClass) << c.field;
}

TEST(RaceCodesTest, SymbolHundredsTensAndUnits) {
  struct TCase {
    const char* field;
    int symbol;
  } cases[] = {{"   ", 0},   {"A00", 100}, {"B14", 214}, {"C  ", 300}, {"D01", 401}, {"G01", 401},
               {"H  ", 400}, {"E  ", 500}, {"I03", 503}, {"J  ", 500}, {"F04", 604}, {"K  ", 600},
               {"L  ", 600}, {"M  ", 700}, {"N20", 820}, {"Z59", 0},   {" 5 ", 0},   {" 44", 44}};
  for (const TCase& c : cases) EXPECT_EQ(DecodeSymbol(c.field), c.symbol) << c.field;
}

TEST(RaceCodesTest, ConditionsAndTracks) {
  struct TCondition {
    const char* field;
    int value;
  } conditions[] = {{"701", 71}, {"702", 72}, {"703", 81}, {"999", 91},
                    {"005", 5},  {"016", 16}, {"   ", 0},  {"704", 704}};
  for (const TCondition& c : conditions) EXPECT_EQ(DecodeCondition(c.field), c.value) << c.field;

  struct TTrack {
    const char* field;
    int value;
  } tracks[] = {{"10", 14},  {"11", 12},  {"14", 12},  {"15", 12}, {"12", 13}, {"13", 13}, {"16", 13},
                {"17", 10},  {"20", 10},  {"21", 10},  {"18", 11}, {"19", 11}, {"22", 11}, {"23", 22},
                {"24", 20},  {"25", 23},  {"26", 21},  {"27", 32}, {"28", 30}, {"29", 24}, {"51", 110},
                {"53", 110}, {"59", 110}, {"52", 120}, {"50", -1}, {"60", -1}, {"09", -1}, {"30", -1},
                {"  ", -1}};
  for (const TTrack& t : tracks) EXPECT_EQ(DecodeTrack(t.field), t.value) << t.field;

  struct TSurface {
    int track, kind;
  } surfaces[] = {{14, 1}, {10, 1}, {24, 2}, {110, 3}, {120, 3}, {30, 0}, {32, 0}, {-1, 0}, {0, 0}};
  for (const TSurface& s : surfaces) EXPECT_EQ(SurfaceKindOfTrack(s.track), s.kind) << s.track;
}

TEST(RaceCodesTest, RaceTextTables) {
  EXPECT_EQ(Utf8(WeekdayText(1)), "土");
  EXPECT_EQ(Utf8(WeekdayText(3)), "祝");
  EXPECT_EQ(Utf8(WeekdayText(8)), "金");
  EXPECT_EQ(WeekdayText(9), "");
  EXPECT_EQ(WeekdayText(-1), "");

  EXPECT_EQ(GradeShortText(2), "");
  EXPECT_EQ(GradeShortText(3), "G ");
  EXPECT_EQ(GradeShortText(6), "G1");
  EXPECT_EQ(Utf8(GradeLongText(3, 110)), "重賞");
  EXPECT_EQ(Utf8(GradeLongText(4, 12)), "Ｇ３");
  // Grade "F" of a jump race: the jump form long, plain G1 short.
  EXPECT_EQ(Utf8(GradeLongText(DecodeGrade("F"), 110)), "Ｊ・Ｇ１");
  EXPECT_EQ(GradeShortText(DecodeGrade("F")), "G1");

  EXPECT_EQ(Utf8(AgeClassText(1)), "２歳指定");
  EXPECT_EQ(Utf8(AgeClassText(54)), "３歳以上");  // Anglo-Arab: modulo 50
  EXPECT_EQ(Utf8(AgeClassText(9)), "一般");
  EXPECT_EQ(AgeClassText(7), "");

  EXPECT_EQ(Utf8(SymbolText(214)), "(父)牡(特指)");
  EXPECT_EQ(Utf8(SymbolText(706)), "九州産馬中央認定");
  EXPECT_EQ(Utf8(SymbolText(20)), "牝");
  EXPECT_EQ(Utf8(SymbolText(605)), "(市)(抽)中央交流");
  EXPECT_EQ(SymbolText(0), "");

  EXPECT_EQ(Utf8(WeightTypeText(1)), "ハンデ");
  EXPECT_EQ(Utf8(WeightTypeText(4)), "定量");
  EXPECT_EQ(WeightTypeText(5), "");
  EXPECT_EQ(Utf8(WeatherText(4)), "小雨");
  EXPECT_EQ(Utf8(WeatherText(6)), "小雪");
  EXPECT_EQ(WeatherText(7), "");
  EXPECT_EQ(Utf8(GoingText(2)), "稍");
  EXPECT_EQ(Utf8(GoingText(4)), "不");
  EXPECT_EQ(GoingText(5), "");
}

TEST(RaceCodesTest, ClassConditionForms) {
  struct TCase {
    int condition, form;
    const char* text;
  } cases[] = {
      {5, 0, "５００万下"},  {16, 0, "１６００万下"}, {10, 1, "１０００万下"},
      {5, 8, "５00万下"},    {16, 8, "1600万下"},     {5, 2, "5"},
      {16, 2, "16"},         {91, 2, "OP"},           {99, 2, "OP"},
      {90, 2, ""},           {71, 2, ""},             {81, 2, ""},
      {71, 0, "新馬"},       {72, 0, "未出走"},       {73, 0, "初出走"},
      {81, 0, "未勝利"},     {91, 0, "オ－プン"},     {91, 8, "オ－プン"},
      {70, 0, ""},           {80, 8, ""},             {0, 0, ""},
      {0, 2, ""},            {104, 0, ""},            {101, 2, ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Utf8(ClassConditionText(c.condition, c.form)), c.text) << c.condition << " " << c.form;
  }
}

TEST(RaceCodesTest, TrackTexts) {
  struct TCase {
    int track, courseDiv;
    const char* text;
  } cases[] = {
      {12, 0, "芝"},          {13, 0, "芝・外"},         {11, 0, "芝・外"},     {14, 0, "芝・直線"},
      {10, 0, "芝"},          {22, 0, "ダート"},         {23, 0, "ダート・外"}, {24, 0, "ダート・直線"},
      {110, 0, "障害・芝"},   {120, 0, "障害・ダ"},      {30, 0, "サンド"},     {0, 111, ""},
      {-1, 0, ""},            {13, 111, "芝・外(Ｂ１)"}, {22, 100, "ダート(Ａ)"}, {12, 142, "芝(Ｅ２)"},
      {110, 120, "障害・芝(Ｃ)"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Utf8(TrackText(c.track, c.courseDiv)), c.text) << c.track;

  struct TLetter {
    int track;
    const char *letter, *kanji;
  } letters[] = {{12, "T", "芝"}, {24, "D", "ダ"}, {120, "J", "障"}, {32, "S", "砂"}, {-1, "", ""}, {0, "", ""}};
  for (const TLetter& l : letters) {
    EXPECT_EQ(TrackLetter(l.track, false), l.letter) << l.track;
    EXPECT_EQ(Utf8(TrackLetter(l.track, true)), l.kanji) << l.track;
  }
}

TEST(RaceCodesTest, OddsTimeLabels) {
  struct TCase {
    int state, days, hour, minute;
    const char* label;
  } cases[] = {
      {1, 0, 9, 5, "[09:05]"},     {1, 1, 17, 30, "[前日17:30]"}, {1, 2, 12, 0, "[前々日12:00]"},
      {1, 3, 12, 0, ""},           {2, 1, 0, 0, "[前日最終]"},     {2, 2, 0, 0, "[前々日最終]"},
      {2, 0, 0, 0, ""},            {3, 0, 0, 0, "[最終]"},         {4, 0, 0, 0, "[確定]"},
      {5, 5, 0, 0, "[確定]"},      {-1, 0, 0, 0, "[KOL予想オッズ]"},
      {-2, 0, 0, 0, "[FKEIBADO予想オッズ]"},                       {0, 0, 0, 0, ""},
      {6, 0, 0, 0, ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Utf8(OddsTimeLabel(c.state, c.days, c.hour, c.minute)), c.label) << c.state << " " << c.days;
  }
}

TEST(RaceCodesTest, RunnerCodes) {
  struct TAbnormality {
    const char* field;
    int value;
  } abnormalities[] = {{"1", 23}, {"2", 21}, {"3", 22}, {"4", 11}, {"5", 2},
                       {"6", 3},  {"7", 1},  {"0", 0},  {" ", 0},  {"8", 0}};
  for (const TAbnormality& a : abnormalities) EXPECT_EQ(DecodeAbnormality(a.field), a.value) << a.field;

  EXPECT_EQ(TimeFromMsst("1234"), 834);
  EXPECT_EQ(TimeFromMsst("0598"), 598);
  EXPECT_EQ(TimeFromMsst("2005"), 1205);
  EXPECT_EQ(TimeFromMsst("    "), 0);

  struct TMargin {
    const char* field;
    int value;
  } margins[] = {{"112", 16}, {"A  ", 3}, {"D  ", 1},  {"H  ", 2},  {"K  ", 4}, {"T  ", 8},
                 {"Z  ", 100}, {"3  ", 30}, {" 12", 6}, {" 14", 5}, {" 34", 7}, {"214", 25},
                 {"   ", 0},   {"X  ", 0}};
  for (const TMargin& m : margins) EXPECT_EQ(DecodeMargin(m.field), m.value) << m.field;

  // The 600 m field counts when it reads 1-998, else the 800 m one, negated.
  struct TFurlongs {
    const char *last800, *last600;
    int value;
  } furlongs[] = {{"480", "350", 350}, {"480", "000", -480}, {"480", "999", -480},
                  {"999", "   ", 0},   {"000", "000", 0},    {"001", "998", 998}};
  for (const TFurlongs& f : furlongs) EXPECT_EQ(DecodeLastFurlongs(f.last800, f.last600), f.value) << f.last600;
}

TEST(RaceCodesTest, RunnerTexts) {
  EXPECT_EQ(Utf8(SexText(3)), "ｾﾝ");
  EXPECT_EQ(SexText(4), "");
  EXPECT_EQ(BlinkerText(1), "B");
  EXPECT_EQ(Utf8(ApprenticeText(3)), "▲");
  EXPECT_EQ(Utf8(HorseMarkText(12)), "(父)(市)(地)");
  EXPECT_EQ(HorseMarkText(13), "");
  EXPECT_EQ(Utf8(HorseMarkText(31)), "(持)");
  EXPECT_EQ(Utf8(HorseMarkText(41)), "(父)(外)[地]");
  EXPECT_EQ(HorseMarkText(42), "");

  struct TMarginText {
    int margin;
    const char* text;
  } margins[] = {{16, "１1/2"}, {2, "ハナ "}, {6, "  1/2"}, {5, "  1/4"}, {4, "クビ "},
                 {0, "     "}, {30, "３   "}, {100, "10   "}, {8, "大差 "}, {1, "同着 "}};
  for (const TMarginText& m : margins) EXPECT_EQ(Utf8(MarginText(m.margin)), m.text) << m.margin;
  EXPECT_EQ(MarginText(6).size(), 5u);
  EXPECT_EQ(MarginText(16).size(), 5u);

  struct TAbnormalityText {
    int value, width;
    const char* text;
  } abnormalities[] = {{23, 4, "取消"}, {23, 2, "消"}, {23, 0, "消"}, {23, 8, "取消"}, {21, 4, "発除"},
                       {22, 2, "除"},   {11, 4, "中止"}, {1, 4, "降着"}, {2, 2, "失"},  {3, 4, "再騎"},
                       {0, 4, ""},      {12, 4, ""}};
  for (const TAbnormalityText& a : abnormalities) {
    EXPECT_EQ(Utf8(AbnormalityText(a.value, a.width)), a.text) << a.value << " " << a.width;
  }

  struct TCarried {
    int carried, apprentice;
    const char* text;
  } carried[] = {{550, 0, "  55"}, {550, 1, "☆55"}, {575, 0, "57.5"}, {535, 2, "△53.5"}, {0, 1, ""}};
  for (const TCarried& c : carried) EXPECT_EQ(Utf8(CarriedText(c.carried, c.apprentice)), c.text) << c.carried;
}

}  // namespace
