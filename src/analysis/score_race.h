// The scoring of a race: the past runs of every horse turned into a score
// (the horse's expected figure in the race), the scores into win
// probabilities and ranks, and the win probabilities into the race's bet
// candidates of every bet type. The race card view and the batch run call
// ScoreRace on a race whose horses and past runs are loaded, then read the
// horses' results and the race's bets.
#pragma once

class TRace;
class THorse;

// Scores the race: every past run's weight and figure, every horse's
// preferred pace, early and late positions (normalised over the runners),
// total run weight and score, the race's expected pace, the win
// probabilities and ranks (racecourses up to code 99, every entered horse
// loaded) and the bet candidates (racecourses below code 30, race
// cards and results). A race of special registrations ends with its runners first.
void ScoreRace(TRace& race);

// The score of a horse; against a reference r > 0 the display index
// max((score − r) × 700 + 50, 0).
double HorseScore(const THorse& horse, double reference = 0);
