#include "database/race_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "app/sjis.h"

namespace {

TEST(RaceTextsTest, RestIntervalInWeeksMonthsAndYears) {
  struct TCase {
    int days;
    const char* text;
  } cases[] = {
      {INT_MIN, ""}, {0, ""},        {1, "連闘"},   {9, "連闘"},    {10, "２週"},
      {65, "９週"},  {66, "２月"},   {70, "２月"},  {300, "10月"},  {2999, "99月"},
      {3000, "８年"}, {3650, "10年"}, {INT_MAX, "16年"},  // 5883516 years: last two digits
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SjisToUtf8(RestIntervalText(c.days)), c.text) << c.days;
  }
  // The widths are CP932 bytes: a one-digit week count fills both columns.
  EXPECT_EQ(RestIntervalText(10), SJ("２週"));
  EXPECT_EQ(RestIntervalText(3650), "10" + SJ("年"));
}

TEST(RaceTextsTest, PositionGaugeByThirds) {
  const double third = 1.0 / 3.0;
  const double twoThirds = 2.0 / 3.0;
  struct TCase {
    double early, late;
    const char* gauge;
  } cases[] = {
      {0.5, -0.1, ""},       {0.5, std::nan(""), ""},
      {0.0, 0.0, "<-   "},   {0.01, 0.0, "<--  "},   {third, 0.0, "<--  "},  {0.34, 0.0, "<--- "},
      {twoThirds, 0.0, "<--- "}, {0.67, 0.0, "<----"}, {-1.0, 0.0, "<--  "},
      {0.0, 0.01, " <-  "},  {third, third, " <-  "}, {0.5, third, " <-- "},  {1.0, third, " <---"},
      {0.0, 0.34, "  <- "},  {twoThirds, twoThirds, "  <- "}, {0.9, 0.5, "  <--"},
      {0.0, 0.67, "   <-"},  {1.0, 1.0, "   <-"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(PositionGauge(c.early, c.late), c.gauge) << c.early << " " << c.late;
  }
}

}  // namespace
