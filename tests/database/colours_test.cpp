#include "database/colours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr TColour kBlack{0, 0, 0, false};
constexpr TColour kWhite{255, 255, 255, false};
constexpr TColour kWindow{0, 0, 0, true};
constexpr TColour kYellow{255, 255, 0, false};
constexpr TColour kMagenta{255, 0, 255, false};
constexpr TColour kCyan{0, 255, 255, false};

TEST(ColoursTest, FramesOneToEightPairTextWithBackground) {
  struct TCase {
    TColour text, back;
  } frames[] = {
      {kBlack, kWhite},       {kWhite, kBlack},         {kWhite, {255, 0, 0, false}},
      {kWhite, {0, 0, 255, false}}, {kBlack, kYellow},  {kWhite, {0, 128, 0, false}},
      {kWhite, {255, 128, 0, false}}, {kBlack, kMagenta},
  };
  for (int frame = 1; frame <= 8; ++frame) {
    EXPECT_EQ(FrameTextColour(frame), frames[frame - 1].text) << frame;
    EXPECT_EQ(FrameBackColour(frame), frames[frame - 1].back) << frame;
  }
}

TEST(ColoursTest, IndexesOutsideTheTablesAreSafe) {
  EXPECT_EQ(FrameTextColour(-1), kBlack);
  EXPECT_EQ(FrameTextColour(9), kBlack);
  EXPECT_EQ(FrameBackColour(-1), kWhite);
  EXPECT_EQ(FrameBackColour(13), kWhite);
  EXPECT_EQ(AffiliationColour(-1), kBlack);
  EXPECT_EQ(AffiliationColour(5), kBlack);
  EXPECT_EQ(AffiliationColour(4), (TColour{255, 0, 0, false}));
  EXPECT_EQ(HighlightColour(-1), kWindow);
  EXPECT_EQ(HighlightColour(3), (TColour{0, 255, 0, false}));
  EXPECT_EQ(HighlightColour(4), kWindow);
  EXPECT_EQ(HighlightColour(1000), kWindow);
}

TEST(ColoursTest, RatingColourStepsAtItsThresholds) {
  struct TCase {
    double score;
    TColour colour;
  } cases[] = {
      {60.0, kMagenta}, {49.95, kMagenta}, {49.94, kYellow}, {47.45, kYellow},
      {47.44, kCyan},   {44.95, kCyan},    {44.94, kWhite},  {0.0, kWhite},
      {std::nan(""), kWhite},
  };
  for (const TCase& c : cases) EXPECT_EQ(RatingColour(c.score), c.colour) << c.score;
}

}  // namespace
