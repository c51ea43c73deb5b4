// Win probabilities and ranks from the horses' scores: each runner's
// finishing figure is taken as normal about its score with the race's
// spread, and its chance to beat every other runner is integrated.
#pragma once

class TRace;

// Sets every horse's spread, win probability and rank (1 the favourite,
// negated for an outsider, 0 for a non-runner) for a race at a racecourse
// up to code 99 whose entered horses are all loaded; otherwise clears
// them. The horses end in horse-number order.
void RankHorses(TRace& race);
