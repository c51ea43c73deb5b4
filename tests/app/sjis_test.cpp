#include "app/sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, RoundTripsJapaneseAndAscii) {
  const std::string utf8 = "ミズナラ for JRA-VAN Data Lab. 東京５回８日11Ｒ ～ ①";
  std::string sjis = Utf8ToSjis(utf8);
  EXPECT_EQ(SjisToUtf8(sjis), utf8);
  // "東" is two bytes in CP932, ASCII one.
  EXPECT_EQ(Utf8ToSjis("東京").size(), 4u);
  EXPECT_EQ(Utf8ToSjis("\\~").size(), 2u);
}

TEST(Sjis, LiteralHelperConvertsOnceAndKeepsTheResult) {
  const std::string* first = &SJ("東京");
  const std::string* again = nullptr;
  for (int i = 0; i < 2; ++i) again = &SJ("中山");
  EXPECT_EQ(*first, Utf8ToSjis("東京"));
  EXPECT_EQ(*again, Utf8ToSjis("中山"));
}

TEST(Sjis, BadInputBecomesQuestionMarksWithoutLosingTheRest) {
  // A character CP932 cannot hold (an emoji), and a stray CP932 lead byte.
  EXPECT_EQ(Utf8ToSjis("a😀b"), "a?b");
  EXPECT_EQ(SjisToUtf8(std::string("x\x81", 2)), "x?");
  EXPECT_EQ(SjisToUtf8(std::string("\xA0z", 2)).back(), 'z');
}

TEST(Sjis, CutNeverSplitsATwoByteCharacter) {
  std::string text = Utf8ToSjis("aあいう");  // 1 + 2 + 2 + 2 bytes
  struct {
    std::size_t limit;
    std::size_t length;
  } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {7, 7}, {100, 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(SjisCutLength(text, c.limit), c.length) << "limit " << c.limit;
  }
  // A lead byte at the very end (a broken field) is dropped, not read past.
  EXPECT_EQ(SjisCutLength(std::string("ab\x82", 3), 10), 2u);
}
