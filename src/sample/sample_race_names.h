// Names of the special and graded races of the sample world: invented,
// the same every year, each with its own special-race number.
#pragma once

#include <string>

namespace sample {

struct TRaceName {
  std::string main;       // CP932 main title
  std::string short10;    // at most 10 full-width characters
  std::string short6;     // at most 6
  std::string short3;     // at most 3
  int specialNo = 0;      // 4 digits
  int founded = 0;        // year of the first running (for 第N回)
};

// The name of the special race at a racecourse, month and slot; `graded`
// gives names of the stakes kind (記念, ステークス, 杯, 賞), otherwise the
// ordinary special kind (特別, ステークス for open races).
TRaceName SpecialRaceName(int venue, int month, int slot, bool graded, bool open);

}  // namespace sample
