// Racecourse and country names by code, at several widths.
//
// JV-Data writes a racecourse or a country as two characters ("05", "A4");
// ParseFixedField turns them into the number held in TRaceID::Venue ("05" is
// 5, "A4" is 104, "M0" is 220).
#pragma once

#include <array>
#include <span>
#include <string>

struct TVenueRow {
  // Column 0: the two-character code; 1 to 4: the name in 1, 2 and 3
  // characters and the long form (CP932; empty where not given).
  std::array<std::string, 5> Columns;
  // The code read by ParseFixedField.
  int Number = 0;
};

// The 101 rows (JRA racecourses, local racecourses, "99" overseas, then the
// countries "A0" to "M0") followed by the terminating row, whose code and
// names are empty.
std::span<const TVenueRow> VenueTable();

// The name of the racecourse or country `code` in at most `width` bytes:
// column min(width ÷ 2, 4) of its row, or the nearest shorter column that is
// not empty. Widths 2, 4, 6 and 8 give up to 1, 2, 3 and 4 characters; a
// width below 2 gives the code text itself. A code not in the table gives
// the empty text.
const std::string& VenueName(int code, int width);
