#include "database/colours.h"

#include <cstddef>

namespace {

constexpr TColour kBlack{0, 0, 0, false};
constexpr TColour kWhite{255, 255, 255, false};
constexpr TColour kRed{255, 0, 0, false};
constexpr TColour kGreen{0, 128, 0, false};
constexpr TColour kBlue{0, 0, 255, false};
constexpr TColour kLime{0, 255, 0, false};
constexpr TColour kYellow{255, 255, 0, false};
constexpr TColour kCyan{0, 255, 255, false};
constexpr TColour kMagenta{255, 0, 255, false};
constexpr TColour kOrange{255, 128, 0, false};
constexpr TColour kWindow{0, 0, 0, true};

constexpr TColour kAffiliation[] = {kGreen, kBlack, kBlue, kMagenta, kRed};
constexpr TColour kHighlight[] = {kWindow, kYellow, kCyan, kLime, kWindow};
constexpr TColour kFrameText[] = {kBlack, kBlack, kWhite, kWhite, kWhite,
                                  kBlack, kWhite, kWhite, kBlack};
constexpr TColour kFrameBack[] = {kWhite, kWhite,   kBlack, kRed,     kBlue,   kYellow, kGreen,
                                  kOrange, kMagenta, kWhite, kMagenta, kYellow, kCyan};

// Entry `index` of `table`, or `fallback` when the index is outside it.
template <std::size_t N>
TColour Entry(const TColour (&table)[N], int index, TColour fallback) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return fallback;
  return table[index];
}

}  // namespace

TColour AffiliationColour(int affiliation) { return Entry(kAffiliation, affiliation, kBlack); }

TColour HighlightColour(int index) {
  if (index > 4) index = 4;
  return Entry(kHighlight, index, kWindow);
}

TColour FrameTextColour(int frame) { return Entry(kFrameText, frame, kBlack); }

TColour FrameBackColour(int index) { return Entry(kFrameBack, index, kWhite); }

TColour RatingColour(double score) {
  if (score >= 49.95) return FrameBackColour(10);
  if (score >= 47.45) return FrameBackColour(11);
  if (score >= 44.95) return FrameBackColour(12);
  return FrameBackColour(9);
}
