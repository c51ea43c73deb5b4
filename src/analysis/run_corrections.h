// The corrections that the scoring applies to a run (a runner `entry` in a
// race `race`): a past run's figure is corrected by them to what the horse
// would have run as a mature horse under a standard weight, free of the
// pace and of its people; the score in the race to come is corrected back
// by the same terms of that race.
#pragma once

class TResult;
class TResultInfo;

// The allowance of a young horse at the race's age in months (race year −
// birth year) × 100 + month, the birth year being the registration number
// ÷ 1000000: (1 − exp(−c × distance × 0.0001)) × k × 0.001 with k and c
// from the first row of the age table whose limit is at least that age;
// 0 beyond the table.
double AgeAllowance(const TResult& race, const TResultInfo& entry);

// The weight carried against the standard: 0.00042 × (60 − kg) over jumps
// and 0.00042 × (58 − kg) on the flat; 0 when the weight is not known.
double WeightTerm(const TResult& race, const TResultInfo& entry);

// What a pace a (a pace factor, 0 = none) costs a horse running at early
// position p (0 front … 1 rear, below 0 unknown) with its horse number:
// at a JRA or local racecourse (code below 30) with a > 0 and p ≥ 0,
// 0.27 × (min(0, a − 1 + (0.2 − p) × 0.014) − min(0, a − 1))
// − max(0, horse number − 5) × max(0, 0.9 − p) × 0.08 ÷ distance; else 0.
double PaceBias(const TResult& race, const TResultInfo& entry, double pace, double position);

// The statistics value of the runner's trainer (jockey) for the race less
// the race's average over its starters.
double TrainerDeviation(const TResult& race, const TResultInfo& entry);
double JockeyDeviation(const TResult& race, const TResultInfo& entry);
