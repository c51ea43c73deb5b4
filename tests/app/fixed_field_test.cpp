#include "app/fixed_field.h"

#include <gtest/gtest.h>

#include "app/number_text.h"
#include "app/sjis.h"

TEST(FixedField, ParsesDigitsLettersBlanksAndSigns) {
  struct {
    const char* field;
    int value;
  } cases[] = {
      {"A4", 104}, {" 7", 7}, {"-3", -3}, {"0A", 10},   {"  ", 0},  {"05", 5},
      {"M0", 220}, {"3-", -30}, {"1a", 10}, {"Z", 35}, {"", 0},    {"20041226", 20041226},
      {"1 2", 102},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseFixedField(std::string_view(c.field)), c.value) << '"' << c.field << '"';
  }
}

TEST(FixedField, LongFieldOfLettersDoesNotOverflow) {
  EXPECT_EQ(ParseFixedField(std::string_view("ZZZZZZZZZZZZZZ")), 2147483647);
  EXPECT_EQ(ParseFixedField(std::string_view("-ZZZZZZZZZZZZZ")), -2147483647);
}

TEST(FixedField, InRangeGivesZeroOutsideTheRange) {
  EXPECT_EQ(ParseFixedFieldInRange("18", 2, 18), 18);
  EXPECT_EQ(ParseFixedFieldInRange("19", 2, 18), 0);
  EXPECT_EQ(ParseFixedFieldInRange("-1", 2, 18), 0);
  EXPECT_EQ(ParseFixedFieldInRange("00", 2, 18), 0);
}

TEST(FixedField, SqueezeBlanksTrimsAndJoinsHalfAndFullWidthBlanks) {
  struct {
    const char* utf8;
    const char* squeezed;
  } cases[] = {
      {"  ディープ　　インパクト　 ", "ディープ インパクト"},
      {"　　", ""},
      {"ABC", "ABC"},
      {" a  b ", "a b"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SjisToUtf8(SqueezeBlanks(Utf8ToSjis(c.utf8))), c.squeezed) << c.utf8;
  }
  // The trail byte 0x40 of another character is not half of a full-width blank.
  std::string tricky = Utf8ToSjis("ア") + "@";
  EXPECT_EQ(SqueezeBlanks(tricky), tricky);
  // Reading stops at 255 bytes and at a NUL byte.
  EXPECT_EQ(SqueezeBlanks(std::string(300, 'x')).size(), 255u);
  EXPECT_EQ(SqueezeBlanks(std::string("ab\0cd", 5)), "ab");
}

TEST(NumberText, FullWidthAndTwoColumnNumbers) {
  struct {
    int value;
    const char* fullWidth;
    const char* twoColumn;
  } cases[] = {
      {-5, "？", ""},   {0, "０", ""},     {7, "７", "７"},    {9, "９", "９"},
      {10, "１０", "10"}, {100, "１００", " 0"}, {105, "１０５", " 5"}, {999, "９９９", "99"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SjisToUtf8(FullWidthNumber(c.value)), c.fullWidth) << c.value;
    EXPECT_EQ(SjisToUtf8(TwoColumnNumber(c.value)), c.twoColumn) << c.value;
  }
}
