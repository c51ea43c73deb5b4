#include "database/venue_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/fixed_field.h"
#include "app/sjis.h"

namespace {

std::string U(const std::string& sjis) { return SjisToUtf8(sjis); }

TEST(VenueTableTest, HoldsDistinctCodesThatFitEightBits) {
  auto table = VenueTable();
  ASSERT_EQ(table.size(), 102u);  // 101 rows and the terminating row
  for (const std::string& column : table.back().Columns) EXPECT_EQ(column, "");

  std::set<int> numbers;
  for (std::size_t i = 0; i + 1 < table.size(); ++i) {
    const TVenueRow& row = table[i];
    const std::string& code = row.Columns[0];
    ASSERT_EQ(code.size(), 2u) << i;
    EXPECT_EQ(row.Number, ParseFixedField(code)) << code;
    EXPECT_GT(row.Number, 0) << code;
    EXPECT_LE(row.Number, 255) << code;
    EXPECT_TRUE(numbers.insert(row.Number).second) << "duplicate " << code;
    // Every name converted and is full-width: 1 and 2 characters always,
    // the 3-character form when given.
    for (std::size_t c = 1; c < 5; ++c) {
      EXPECT_EQ(U(row.Columns[c]).find('?'), std::string::npos) << code;
      EXPECT_EQ(row.Columns[c].size() % 2, 0u) << code << " column " << c;
    }
    EXPECT_EQ(row.Columns[1].size(), 2u) << code;
    EXPECT_EQ(row.Columns[2].size(), 4u) << code;
    EXPECT_LE(row.Columns[3].size(), 6u) << code;
  }
}

TEST(VenueTableTest, CountryShortFormsBeginTheirLongNames) {
  // Only "A0", "C7" and "H0" have short forms of their own.
  const std::set<std::string> ownForms = {"A0", "C7", "H0"};
  int countries = 0;
  for (const TVenueRow& row : VenueTable()) {
    const std::string& code = row.Columns[0];
    if (row.Number < 100) continue;
    ++countries;
    if (ownForms.count(code)) continue;
    const std::string& name = row.Columns[4].empty() ? row.Columns[3].empty() ? row.Columns[2]
                                                                              : row.Columns[3]
                                                     : row.Columns[4];
    for (std::size_t c = 2; c < 4; ++c) {
      EXPECT_EQ(name.compare(0, row.Columns[c].size(), row.Columns[c]), 0)
          << code << ": " << U(row.Columns[c]) << " / " << U(name);
    }
  }
  EXPECT_EQ(countries, 58);
}

TEST(VenueTableTest, NamesAtAWidthFallBackToShorterForms) {
  struct TCase {
    int code;
    int width;
    const char* name;
  } cases[] = {
      {104, 8, "アメリカ"}, {104, 6, "アメリ"}, {104, 4, "アメ"}, {104, 2, "米"},
      {32, 8, "岩見沢"},    {32, 6, "岩見沢"}, {32, 4, "岩見"},
      {5, 8, "東京"},       {5, 3, "東"},       {5, 1, "05"},       {5, 0, "05"},
      {5, -4, "05"},        {5, 100, "東京"},
      {3, 4, "福島"},       {53, 4, "福山"},    {53, 2, "福"},
      {49, 8, "紀三井寺"},  {49, 6, "紀三寺"},
      {58, 8, "地方札幌"},  {58, 6, "札幌"},
      {99, 8, "海外"},      {100, 8, "その他の外国"}, {100, 2, "外"},
      {150, 8, "韓国"},     {150, 2, "韓"},     {170, 6, "西独"},   {220, 8, "シンガポール"},
      {0, 8, ""},           {0, 0, ""},         {11, 8, ""},        {255, 8, ""},  {-5, 8, ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(U(VenueName(c.code, c.width)), c.name) << c.code << " at " << c.width;
  }
}

}  // namespace
