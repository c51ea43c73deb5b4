#include "analysis/numeric.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Numeric, DaysBetweenDateNumbers) {
  struct {
    int a, b, days;
  } cases[] = {
      {20040101, 20040102, 1},
      {20040102, 20040101, 1},  // either order
      {20040228, 20040301, 2},  // leap year
      {20030228, 20030301, 1},
      {21000228, 21000301, 2},  // every fourth year leaps, 2100 too
      {20041231, 20050101, 1},
      {20000101, 20010101, 366},
      {20010101, 20020101, 365},
      {20010101, 20050101, 1461},
      {20240601, 20240601, 0},
      // No date on one side.
      {0, 20040101, 0},
      {20040001, 20040101, 0},
      {20040100, 20040101, 0},
      {20041301, 20040101, 0},
      {-20040101, 20040101, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DaysBetween(c.a, c.b), c.days) << c.a << " " << c.b;
  }
}

TEST(Numeric, WeightedLineFitsByWeight) {
  // Points on a line give that line whatever their weights.
  {
    const double w[] = {1, 5, 0.5}, x[] = {0, 2, 7}, y[] = {1, 5, 15};
    const TLine line = WeightedLine(w, x, y, 3);
    EXPECT_NEAR(line.slope, 2, 1e-12);
    EXPECT_NEAR(line.intercept, 1, 1e-12);
  }
  // (0, 0), (1, 1), (2, 3) weighted 1, 1, 2: S 4, Sx 5, Sy 7, Sxx 9,
  // Sxy 13, D 11; slope 17 / 11, intercept -2 / 11.
  {
    const std::vector<double> w{1, 1, 2}, x{0, 1, 2}, y{0, 1, 3};
    const TLine line = WeightedLine(w, x, y);
    EXPECT_NEAR(line.slope, 17.0 / 11, 1e-12);
    EXPECT_NEAR(line.intercept, -2.0 / 11, 1e-12);
  }
}

TEST(Numeric, WeightedLineOfOneAbscissaIsFlatAtTheMean) {
  struct {
    std::vector<double> w, x, y;
    double intercept;
  } cases[] = {
      // One point whose sums leave D a rounding trace away from 0.
      {{1.07}, {0.791}, {0.1}, 0.1},
      {{0.87}, {0.765}, {0.1}, 0.1},
      // A point of weight 0 takes no part.
      {{0, 3}, {0, 4.5}, {9, 0.2}, 0.2},
      {{1, 3}, {2, 2}, {1, 2}, 1.75},
      // No weight: no line.
      {{0, 0}, {1, 2}, {1, 2}, 0},
      {{}, {}, {}, 0},
  };
  for (const auto& c : cases) {
    const TLine line = WeightedLine(c.w, c.x, c.y);
    EXPECT_EQ(line.slope, 0);
    EXPECT_NEAR(line.intercept, c.intercept, 1e-15);
  }
}

}  // namespace
