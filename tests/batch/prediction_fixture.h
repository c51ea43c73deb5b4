// Scored races for the prediction writers' tests: a race from the scoring
// fixture, runners with names, marks and probabilities set by hand, bets
// added as the scoring would add them, and the output folders in a
// temporary program folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/horse.h"
#include "database/race.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace writers {

struct THorseSpec {
  int horseNo = 1;
  std::string name{};        // UTF-8
  int sex = 1;               // 1 牡, 2 牝, 3 ｾﾝ
  int age = 4;
  int carried = 570;         // tenths of a kilogram
  bool blinker = false;
  std::string jockey{};      // UTF-8, at most 4 full-width characters
  int odds = 0;              // win odds × 10 as stored
  char abnormality = '0';    // stored code: '1' scratched
  int mark = 0;              // rank
  double probability = 0;
  double early = -1, late = -1;  // position values of the scoring
};

// A race as read from its RA record with the fields the group files use.
struct TRaRaceSpec {
  std::string key = "2005060505030411";  // date, course, meeting, day, race
  char dataKind = '2';
  int weekday = 2;          // 日
  int registered = 12;
  int distance = 1600;
  int track = 17;           // record track code: 17 turf, 23 dirt, 51 jumps
  std::string condition = "005";  // class condition code of the youngest group
  char grade = ' ';
  int startTime = 1540;
};
TResult RaRace(const TRaRaceSpec& spec);

// A race card of the RA race without runners.
inline TRace RaCard(const TRaRaceSpec& spec) { return TRace(RaRace(spec)); }

// A runner of the race with the given fields (registration number
// 2001100000 + horse number).
THorse Runner(const TResult& race, const THorseSpec& spec);

// The race card of the race with the runners.
TRace Card(const TResult& race, const std::vector<THorseSpec>& runners);

// The file's bytes, "" when missing.
std::string ReadBytes(const std::string& path);

// Lines of UTF-8 text as CP932 lines, each ending in CR LF.
std::string SjisLines(const std::vector<std::string>& utf8Lines);

// The process objects and a temporary program folder around each case,
// with a recording front end.
class WritersTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TTempHome home_;
  TRecordingFrontEnd front_;
};

}  // namespace writers
