#include "database/race_name.h"

#include <gtest/gtest.h>

#include "app/sjis.h"

namespace {

std::string Utf8(const std::string& sjis) { return SjisToUtf8(sjis); }

TRaceTitles Titles(int division, int runningNo, const char* main, const char* sub = "",
                   const char* paren = "", const char* condition = "") {
  TRaceTitles t;
  t.Division = division;
  t.RunningNo = runningNo;
  t.MainTitle = Utf8ToSjis(main);
  t.Subtitle = Utf8ToSjis(sub);
  t.ParenTitle = Utf8ToSjis(paren);
  t.ConditionName = Utf8ToSjis(condition);
  return t;
}

TEST(RaceNameTest, RunningNumberStandsBeforeItsTitle) {
  struct TCase {
    TRaceTitles titles;
    const char* name;
  } cases[] = {
      {Titles(2, 5, "東京記念", "ＢＳ杯"), "第5回 ＢＳ杯 東京記念"},
      {Titles(1, 5, "東京記念", "ＢＳ杯"), "ＢＳ杯 第5回 東京記念"},
      {Titles(2, 0, "東京記念", "ＢＳ杯"), "ＢＳ杯 東京記念"},
      {Titles(2, 5, "東京記念"), "東京記念"},  // no subtitle: the number has nowhere to stand
      {Titles(1, 12, "有馬記念"), "第12回 有馬記念"},
      {Titles(3, 3, "東京記念", "", "Ｇ２"), "東京記念（第3回 Ｇ２）"},
      {Titles(1, 3, "東京記念", "", "Ｇ２"), "第3回 東京記念（Ｇ２）"},
      {Titles(0, 0, "", "", "", "５００万下"), " ５００万下"},
      {Titles(1, 60, "有馬記念", "ＸＹ賞", "Ｇ１", "サラ系３歳以上"), "ＸＹ賞 第60回 有馬記念（Ｇ１） サラ系３歳以上"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Utf8(JoinTitles(c.titles)), c.name);
}

TEST(RaceNameTest, AgeClassFromTheNameBeforeAndAfter2001) {
  struct TCase {
    const char* name;
    int year;
    int ageClass;
  } cases[] = {
      {"サラ系４才上５００万下", 2000, 4}, {"サラ系４才上５００万下", 2001, 5}, {"サラ系３才", 2000, 1},
      {"サラ系３才", 2001, 2},             {"サラ系３歳上", 2005, 4},           {"３・４歳", 2005, 4},
      {"サラ系２歳", 2005, 1},             {"４・５才", 1998, 4},               {"サラ系６才上", 1990, 6},
      {"アラ系一般", 2000, 59},            {"アラ系３歳", 2005, 52},           {"サラ系一般 Ｃ１", 2005, 9},
      {"認定競走", 2005, 1},               {"東京記念", 2005, 0},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(AgeClassFromName(Utf8ToSjis(c.name), c.year), c.ageClass) << c.name << " " << c.year;
  }
}

TEST(RaceNameTest, FirstClassPrefixOfTheListIsCut) {
  struct TCase {
    const char* name;
    const char* cut;
  } cases[] = {
      {"サラ系４才上５００万下", "５００万下"}, {"アラ系一般 Ｃ１", " Ｃ１"},
      {"混合３歳 ＯＰ", " ＯＰ"},              {"サラ系 Ａ１", " Ａ１"},
      {"特別 サラ系３・４歳", "特別 "},        {"東京記念", "東京記念"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Utf8(CutClassPrefix(Utf8ToSjis(c.name))), c.cut) << c.name;
}

TEST(RaceNameTest, SymbolAndConditionFromTheName) {
  struct TSymbol {
    const char* name;
    int symbol;
    const char* cut;
  } symbols[] = {
      {"九州産 ひまわり賞", 700, "九州産 ひまわり賞"},
      {"ＪＲＡ認定競走 フレッシュ", 6, " フレッシュ"},
      {"中央交流 ＪＲＡ認定", 6, " "},
      {"中央交流 特別", 5, " 特別"},
      {"九州産 中央認定", 706, "九州産 "},
      {"特別", 0, "特別"},
  };
  for (const TSymbol& s : symbols) {
    std::string name = Utf8ToSjis(s.name);
    EXPECT_EQ(SymbolFromName(name), s.symbol) << s.name;
    EXPECT_EQ(Utf8(CutSymbolWords(name)), s.cut) << s.name;
  }

  struct TCondition {
    const char* name;
    int venue;
    int condition;
  } conditions[] = {
      {"特別 ＯＰ", 5, 91},   {"３歳未勝利", 5, 81}, {"初出走", 44, 73},   {"２歳新馬", 5, 71},
      {"特別 Ａ１", 5, 104},  {"特別 一般Ｂ", 44, 103}, {"特別 Ｄ", 44, 101}, {"特別 Ｅ", 44, 0},
      {"特別 Ｓ", 50, 104},   {"特別 Ａ", 51, 103},  {"特別 Ｃ", 50, 101}, {"認未", 50, 81},
      {"認初", 51, 73},       {"認未", 44, 0},       {"特別 Ａ", 54, 104}, {"特別 Ｃ", 54, 102},
      {"特別 Ｇ", 54, 101},   {"特別 Ｓ", 44, 0},    {"特別", 5, 0},
  };
  for (const TCondition& c : conditions) {
    EXPECT_EQ(ConditionFromName(Utf8ToSjis(c.name), c.venue), c.condition) << c.name << " " << c.venue;
  }
}

TEST(RaceNameTest, ComposeFillsOnlyTheCodesThatAreZero) {
  // A race of 2000 whose age code is blank: age class 4, prefix cut.
  TRaceNameCodes codes;
  std::string name = ComposeRaceName(Titles(0, 0, "サラ系４才上５００万下"), 2000, 5, codes);
  EXPECT_EQ(Utf8(name), "５００万下");
  EXPECT_EQ(codes.AgeClass, 4);
  EXPECT_EQ(codes.Symbol, 0);
  EXPECT_EQ(codes.YoungestCondition, 0);

  // Stored codes stay, and with them the words of the name.
  codes = {5, 6, 16};
  name = ComposeRaceName(Titles(0, 0, "サラ系４才上 ＪＲＡ認定 未勝利"), 2000, 5, codes);
  EXPECT_EQ(Utf8(name), "サラ系４才上 ＪＲＡ認定 未勝利");
  EXPECT_EQ(codes.AgeClass, 5);
  EXPECT_EQ(codes.Symbol, 6);
  EXPECT_EQ(codes.YoungestCondition, 16);

  // A local race: every code from the name, then the empty brackets and
  // " ・" cut.
  codes = {};
  name = ComposeRaceName(Titles(0, 0, "サラ系２歳 ・九州産（）", "", "", "新馬"), 2005, 44, codes);
  EXPECT_EQ(Utf8(name), "九州産 新馬");
  EXPECT_EQ(codes.AgeClass, 1);
  EXPECT_EQ(codes.Symbol, 700);
  EXPECT_EQ(codes.YoungestCondition, 71);

  // The same marks stay at a JRA racecourse.
  codes = {1, 1, 1};
  name = ComposeRaceName(Titles(0, 0, "記念 ・（）"), 2005, 10, codes);
  EXPECT_EQ(Utf8(name), "記念 ・（）");
}

TEST(RaceNameTest, WordsAreFoundOnCharacterBoundariesOnly) {
  // "ャ" is 0x83 0x83 and "ア" 0x83 0x41: the bytes of "ャA" hold those of
  // "ア" across the character boundary.
  std::string text = SJ("ャ") + "A";
  ASSERT_NE(text.find(SJ("ア")), std::string::npos);
  EXPECT_EQ(FindSjis(text, SJ("ア")), std::string::npos);
  EXPECT_EQ(FindSjis(SJ("ャア"), SJ("ア")), 2u);
  EXPECT_EQ(FindSjis(SJ("アアア"), SJ("ア"), 2), 2u);
  EXPECT_EQ(FindSjis("abc", ""), 0u);
}

}  // namespace
