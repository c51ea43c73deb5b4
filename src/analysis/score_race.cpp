#include "analysis/score_race.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/base_list.h"
#include "analysis/bet_candidates.h"
#include "analysis/run_corrections.h"
#include "analysis/run_figure.h"
#include "analysis/run_weight.h"
#include "analysis/surface_scale.h"
#include "analysis/win_probability.h"
#include "database/horse.h"
#include "database/race.h"

namespace {

// How much of a trainer's and a jockey's deviation is taken out of a past
// run's figure, and how much of the present ones goes into the score.
constexpr double kPastTrainer = 0.008 - 0.015;
constexpr double kPastJockey = 0.003 - 0.017;
constexpr double kTrainer = 0.015 + 0.007;
constexpr double kJockey = 0.017 + 0.011;

// Affiliation 4: a horse trained abroad.
constexpr int kOverseas = 4;

bool IsRunner(const THorse& horse) { return !horse.Scratched(); }

// The measures of every past run of the horse, taken once per scoring.
std::vector<TRunMeasures> MeasureRuns(const THorse& horse) {
  std::vector<TRunMeasures> measures;
  measures.reserve(horse.PastRuns().size());
  for (const THorseInfo55& run : horse.PastRuns()) measures.push_back(MeasureRun(run));
  return measures;
}

// Weighs every past run of the horse for the race and takes its running
// positions and preferred pace from the runs that have a figure.
void WeighPastRuns(const TRace& race, THorse& horse, const std::vector<TRunMeasures>& measures) {
  std::vector<THorseInfo55>& runs = horse.MutablePastRuns();
  const bool withPace = race.Venue <= 10 && race.Track() < 100;
  double total = 0;
  double positionWeight = 0, early = 0, late = 0;
  double paceWeight = 0, pace = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    THorseInfo55& run = runs[i];
    const double w = RunWeight(race, horse, run, i + 1 == runs.size(), measures[i]);
    run.SetRunWeight(w);
    total += w;
    if (RunFigure(run) <= 0) continue;
    const double first = run.RelativePosition(false);
    if (first >= 0) {
      positionWeight += w;
      early += w * first;
      late += w * run.RelativePosition(true);
    }
    if (withPace) {
      const double factor = measures[i].pace;
      if (factor > 0) {
        paceWeight += w;
        pace += w * factor;
      }
    }
  }
  horse.SetTotalRunWeight(total);
  if (positionWeight > 0) {
    horse.SetFigure(0, early / positionWeight);
    horse.SetFigure(1, late / positionWeight);
  } else {
    // No runs to go by: a horse from abroad is taken to race handily.
    const double guess = horse.EastWest() == kOverseas ? 0.4 : 0.6;
    horse.SetFigure(0, guess);
    horse.SetFigure(1, guess);
  }
  horse.SetPreferredPace(paceWeight > 0 ? pace / paceWeight : 0);
}

// Stretches each of the two positions over the runners so that the
// front-most becomes 0 (with some room below it, cut at 0) and the rearmost
// 1; a position that does not tell the runners apart becomes -1.
void NormalisePositions(TRace& race) {
  std::vector<THorse>& horses = race.MutableHorses();
  for (int i = 0; i < 2; ++i) {
    double low = 1.0, high = 0.0;
    for (const THorse& horse : horses) {
      if (!IsRunner(horse) || horse.Figure(i) < 0) continue;
      low = std::min(low, horse.Figure(i));
      high = std::max(high, horse.Figure(i));
    }
    for (THorse& horse : horses) {
      if (!IsRunner(horse)) continue;
      if (high > low) {
        const double e = (horse.Figure(i) - low) / (high - low);
        horse.SetFigure(i, std::max(1.19 * e - 0.19, 0.0));
      } else {
        horse.SetFigure(i, -1);
      }
    }
  }
}

// The pace the race is expected to be run at: the mean preferred pace of
// the runners that come to the front late.
double ExpectedPace(const TRace& race) {
  double sum = 0;
  int count = 0;
  for (const THorse& horse : race.Horses()) {
    if (IsRunner(horse) && horse.Figure(1) == 0 && horse.PreferredPace() > 0) {
      sum += horse.PreferredPace();
      ++count;
    }
  }
  return count > 0 ? sum / count : 0;
}

// The horse's expected figure in the race: the weighted mean of its past
// figures freed of their circumstances, carried over to this race's
// circumstances.
double HorseScoreIn(const TRace& race, THorse& horse, const std::vector<TRunMeasures>& measures) {
  std::vector<THorseInfo55>& runs = horse.MutablePastRuns();
  double weight = 0, sum = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    THorseInfo55& run = runs[i];
    const double w = RunWeight(race, horse, run, i + 1 == runs.size(), measures[i]);
    run.SetRunWeight(w);
    const double figure = RunFigure(run);
    if (figure <= 0) continue;
    if (!run.HasAdjustment()) {
      run.SetAdjustment(kPastTrainer * TrainerDeviation(run, run) + kPastJockey * JockeyDeviation(run, run) +
                        AgeAllowance(run, run) - WeightTerm(run, run) -
                        PaceBias(run, run, measures[i].pace, run.RelativePosition(false)));
    }
    const double adjusted = figure + run.Adjustment();
    weight += w;
    sum += w * adjusted;
  }
  double score = weight > 0 ? sum / weight : LevelFigure(race) - (horse.EastWest() == kOverseas ? 0 : 0.004);
  score += kTrainer * TrainerDeviation(race, horse) + kJockey * JockeyDeviation(race, horse) -
           AgeAllowance(race, horse) + WeightTerm(race, horse);
  if (IsRunner(horse)) score += PaceBias(race, horse, race.ExpectedPace(), horse.Figure(0));
  // A horse back from a rest is a little short of its best.
  if (horse.EastWest() <= 3) score -= (1 - std::exp(-0.0028 * horse.RestDays())) * 0.004;
  return score;
}

}  // namespace

void ScoreRace(TRace& race) {
  race.SetExpectedPace(0);
  std::vector<THorse>& horses = race.MutableHorses();
  std::vector<std::vector<TRunMeasures>> measures;
  measures.reserve(horses.size());
  for (const THorse& horse : horses) measures.push_back(MeasureRuns(horse));
  for (std::size_t i = 0; i < horses.size(); ++i) WeighPastRuns(race, horses[i], measures[i]);
  NormalisePositions(race);
  race.SetExpectedPace(ExpectedPace(race));
  for (std::size_t i = 0; i < horses.size(); ++i) {
    horses[i].SetScore(horses[i].HorseID() != 0 ? HorseScoreIn(race, horses[i], measures[i]) : 0);
  }
  RankHorses(race);
  AddBetCandidates(race);
  if (race.DataKind() < 0) {
    std::stable_sort(horses.begin(), horses.end(), [](const THorse& a, const THorse& b) {
      if (IsRunner(a) != IsRunner(b)) return IsRunner(a);
      return a.HorseNo() < b.HorseNo();
    });
  }
}

double HorseScore(const THorse& horse, double reference) { return DisplayIndex(horse.Score(), reference); }
