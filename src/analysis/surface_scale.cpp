#include "analysis/surface_scale.h"

#include <algorithm>

#include "analysis/level_list.h"
#include "database/result.h"

double SurfaceScale(double x, const TResult& race, int meetingCode) {
  double a = 0, b = 0;
  switch (race.SurfaceKind()) {
    case 1: a = 1.24; break;
    case 2: a = 0.76; break;
    case 3: a = 0.5, b = 6; break;
    default: return x;
  }
  const double scaled = (x - 1) * a + 1 + b * 0.001;
  if (race.Venue > 10) return (scaled - 1) * 0.96 + 1;
  // Meetings with lower classes (by their meeting code) run a little lower.
  static constexpr double kMeetingShift[4] = {0, -3, -4, -2};
  const int m = race.Grade() <= 4 ? meetingCode % 10 : 0;
  return scaled + (m >= 0 && m < 4 ? kMeetingShift[m] : 0) * 0.001;
}

double SurfaceScale(double x, const TResult& race) { return SurfaceScale(x, race, MeetingCode(race)); }

double LevelFigure(const TResult& race) { return SurfaceScale(CombinedLevel(race, 0), race); }

double DisplayIndex(double value, double reference) {
  if (reference <= 0) return value;
  return std::max((value - reference) * 700 + 50, 0.0);
}
