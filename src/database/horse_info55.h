// One past run of a horse: the race (sharing the cached race's data block)
// and the horse's runner entry in it, with the days since the run before
// and the figures the scoring keeps with it.
#pragma once

#include "database/result.h"
#include "database/result_info.h"

class THorseInfo55 : public TResult, public TResultInfo {
 public:
  THorseInfo55() = default;
  // A run known only by its race key and the horse's registration number,
  // as the runs-by-horse index lists it: an empty race block with the key.
  THorseInfo55(const TRaceID& race, int horseID);

  // The run takes the race (sharing its data block) and the horse's entry.
  void SetRace(const TResult& race, const TResultInfo& entry);

  // Days from the horse's previous (older) valid run to this one; 0 for
  // the oldest run.
  int Interval() const { return interval_; }
  void SetInterval(int days) { interval_ = days; }
  // A value the scoring keeps with the run.
  int Value() const { return value_; }
  void SetValue(int value) { value_ = value; }
  // The weight of the run in the scoring, 0 until set.
  double RunWeight() const { return runWeight_; }
  void SetRunWeight(double weight) { runWeight_ = weight; }
  // The run's time figure, 0 until the scoring computes it (0 also means
  // the run has none).
  double TimeFigure() const { return timeFigure_; }
  void SetTimeFigure(double figure) { timeFigure_ = figure; }
  // What the scoring adds to the run's figure for its circumstances
  // (people, age, weight, pace), kept once computed: it depends on the run
  // alone.
  bool HasAdjustment() const { return hasAdjustment_; }
  double Adjustment() const { return adjustment_; }
  void SetAdjustment(double value) {
    adjustment_ = value;
    hasAdjustment_ = true;
  }

  // The field size of the run: its race's starters, or the registered
  // count when that is 0.
  int FieldSize() const;
  // The relative position (0 front, 1 rear; -1 unknown) at the first or
  // the last corner in that field.
  double RelativePosition(bool last) const;
  // The five-column gauge of the first and last relative positions.
  std::string PositionGaugeText() const;
  // The time figure against a reference x: the figure itself when x ≤ 0,
  // else max((figure − x) × 700 + 50, 0).
  double RelativeFigure(double reference) const;

 private:
  int interval_ = 0;
  int value_ = 0;
  double runWeight_ = 0;
  double timeFigure_ = 0;
  double adjustment_ = 0;
  bool hasAdjustment_ = false;
};
