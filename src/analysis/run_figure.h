// The figure of one run: how fast the horse ran against the base time of
// its race, freed from the going of the day, on the common scale of the
// surfaces. 1.01 is a run one tenth of a second per 100 metres faster than
// the base time on a neutral track; 0 means the run has no figure.
#pragma once

class TResult;
class TResultInfo;
class THorse;
class THorseInfo55;

// The figure of the runner `entry` in `race`: with t its time, b the base
// time of the race and B its track-condition index,
// SurfaceScale(1 + (b − t) ÷ distance − (B − 1)); 0 when t, the race's
// time figure, b or B is 0.
double RaceRunFigure(const TResult& race, const TResultInfo& entry);

// The figure of a past run, computed while the run's cached figure is 0
// and kept in the run; against a reference r > 0 the display index
// max((figure − r) × 700 + 50, 0).
double RunFigure(THorseInfo55& run, double reference = 0);

// The same figure of the horse's own run in the race it is shown in, once
// that race has results; not kept.
double HorseRunFigure(const THorse& horse, double reference = 0);
