#include "analysis/run_weight.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "analysis/base_list.h"
#include "analysis/numeric.h"
#include "database/horse.h"
#include "database/horse_info55.h"
#include "database/race.h"

namespace {

bool FilliesRace(const TResult& race) { return race.Symbol() / 10 % 10 == 2; }

}  // namespace

TRunMeasures MeasureRun(const TResult& race) { return {RaceTimeFigure(race), PaceFactor(race)}; }

double RunWeight(const TRace& race, const THorse& horse, const THorseInfo55& run, bool oldest) {
  return RunWeight(race, horse, run, oldest, MeasureRun(run));
}

double RunWeight(const TRace& race, const THorse& horse, const THorseInfo55& run, bool oldest,
                 const TRunMeasures& measures) {
  const TResult& r = race;
  const TResult& p = run;
  const TResultInfo& now = horse;
  const TResultInfo& then = run;
  double u = 0;

  // What kind of race.
  if (r.Track() / 100 != p.Track() / 100) u += 1.7;
  if (r.Track() < 100 && r.Track() / 10 % 10 != p.Track() / 10 % 10) u += 2.0;
  if ((r.Venue < 11) != (p.Venue < 11)) u += 1.9;
  if (FilliesRace(r) != FilliesRace(p)) u += 0.1;

  // The people.
  const int trainer = now.TrainerCode(), trainerThen = then.TrainerCode();
  if (trainer != 0 && trainerThen != 0 && trainer != trainerThen) u += 1.5;
  const int jockey = now.JockeyCode(), jockeyThen = then.JockeyCode();
  if (jockey != 0 && jockeyThen != 0 && jockey != jockeyThen) u += 0.6;

  // The horse then and now.
  if (now.Carried() != 0 && then.Carried() != 0) u += 0.21 * std::abs(now.Carried() - then.Carried()) / 10.0;
  if (now.BodyWeight() != 0 && then.BodyWeight() != 0) {
    u += 1.0 * std::abs(now.BodyWeight() - then.BodyWeight()) / now.BodyWeight();
  }
  const int field = p.Starters();
  if (then.Popularity() > 0 && field > 1) u += 0.3 * (then.Popularity() - 1) / (field - 1.0);
  u += 0.0002 * (oldest ? 360 : run.Interval());

  // How long ago, against the horse's racing age (from 1 March of its
  // second year).
  const int since = DaysBetween(horse.BirthYear() > 0 ? (horse.BirthYear() + 2) * 10000 + 301 : 0, r.DateNumber());
  if (since > 0) u += 8.0 * DaysBetween(p.DateNumber(), r.DateNumber()) / since;

  if (r.Distance() > 0 && p.Distance() > 0) u += 4.0 * std::abs(r.Distance() - p.Distance()) / r.Distance();

  const double pace = measures.pace;
  if (race.ExpectedPace() > 0 && pace > 0) u += 2.3 * std::fabs(race.ExpectedPace() - pace);

  // An unusual run: well beaten, or winning by far.
  if (p.Distance() > 0) {
    const double figure = measures.timeFigure;
    const int t = then.Time();
    if (figure > 0 && t > figure) {
      const double slow = std::max(0.0, (t - figure) / p.Distance() - 0.01);
      u += 8000 * slow * slow;
    }
    if (then.TimeDiff() < 0) u += 110 * std::max(0.0, std::abs(then.TimeDiff()) / double(p.Distance()) - 0.005);
  }

  return std::max(std::exp(-u), 1e-9);
}
