#include "analysis/run_figure.h"

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/surface_scale.h"
#include "database/horse.h"
#include "database/horse_info55.h"

double RaceRunFigure(const TResult& race, const TResultInfo& entry) {
  const int t = entry.Time();
  const int d = race.Distance();
  if (t == 0 || d == 0) return 0;
  if (RaceTimeFigure(race) == 0) return 0;
  const double index = _BabaList != nullptr ? _BabaList->GetTrackIndex(race, 0) : 0;
  if (index == 0) return 0;
  const double base = _BaseList != nullptr ? _BaseList->GetBaseTime(race) : 0;
  if (base == 0) return 0;
  return SurfaceScale(1 + (base - t) / d - (index - 1), race);
}

double RunFigure(THorseInfo55& run, double reference) {
  if (run.TimeFigure() == 0) run.SetTimeFigure(RaceRunFigure(run, run));
  return DisplayIndex(run.TimeFigure(), reference);
}

double HorseRunFigure(const THorse& horse, double reference) {
  return DisplayIndex(RaceRunFigure(horse, horse), reference);
}
