// Colour tables of the grids: affiliation, highlight, frame number and
// rating colours, as plain RGB values. The window toolkit maps a colour
// whose Window flag is set to its own window background colour.
#pragma once

#include <cstdint>

struct TColour {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  bool Window = false;  // the system window background; R, G, B unused

  friend bool operator==(const TColour&, const TColour&) = default;
};

// Text colour of a jockey's or trainer's east/west affiliation 0-4: green,
// black, blue, magenta, red. Any other value gives black.
TColour AffiliationColour(int affiliation);

// Highlight colour of index 0-4 (larger indexes use 4): window, yellow,
// cyan, lime, window. A negative index gives window.
TColour HighlightColour(int index);

// Text colour of frame-number cell 0-8 (frames 1-8: black on white, white
// on black, red, blue; black on yellow; white on green, orange; black on
// pink). Any other value gives black.
TColour FrameTextColour(int frame);

// Background colour of entry 0-12: white, white, black, red, blue, yellow,
// green, orange, magenta, then the rating colours white, magenta, yellow,
// cyan. Any other value gives white.
TColour FrameBackColour(int index);

// Background of a score: 49.95 and above magenta, 47.45 and above yellow,
// 44.95 and above cyan, otherwise (and for a score that is not a number)
// white.
TColour RatingColour(double score);
