// The bet candidates of a race: from the runners' win probabilities, the
// probability of every combination of every bet type, with the payout of
// the combination when the race has results.
#pragma once

class TRace;

// Empties the race's bets and, for a race at a racecourse of code below
// 30 with a race card or results (data kind 2 or more), every entered horse
// loaded and at least two entered, adds the candidates of every bet type
// the field allows, ordered by bet type and, within a type, by probability
// descending.
void AddBetCandidates(TRace& race);
