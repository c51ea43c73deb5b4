// How much a past run says about the race to come: the closer the run is
// to the race in surface, racecourse, people, weight, time, distance and
// pace, and the more normal the run itself was, the more it weighs.
#pragma once

class TRace;
class TResult;
class THorse;
class THorseInfo55;

// The measures of a past run's race that the weight needs: its race time
// figure and its pace factor (base_list.h); the scoring takes them once per
// run.
struct TRunMeasures {
  double timeFigure = 0;
  double pace = 0;
};
TRunMeasures MeasureRun(const TResult& race);

// The weight of past run `run` of horse `horse` for race `race`:
// max(exp(−u), 1e-9), u being the sum of the dissimilarity terms (surface,
// turf against dirt, JRA against other racecourses, trainer, jockey, race
// for fillies and mares, weight carried, body weight, popularity, rest
// before the run, age of the run, distance, pace against the race's
// expected pace, a slow time and a wide winning margin). `oldest` marks the
// oldest run of the list, whose rest before it counts as 360 days.
double RunWeight(const TRace& race, const THorse& horse, const THorseInfo55& run, bool oldest);
// The same with the measures of the run's race taken before.
double RunWeight(const TRace& race, const THorse& horse, const THorseInfo55& run, bool oldest,
                 const TRunMeasures& measures);
