// Base times: the standard finishing time of a race on one course layout,
// surface and distance, learned from every stored result and kept in
// BASETIME.DAT in the data folder; and the per-race measures the analysis
// is built on: the race time figure, the pace factor, the distance factor
// and the year weight.
//
// Times are in tenths of a second, distances in metres; factors are near
// 1.0 (neutral), and 0 means that a race has no value.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "analysis/data_list.h"

class TResult;

// One base-time cell.
struct TBaseData {
  std::int32_t Key = 0;       // course-era number × 100 + min(track, 99)
  std::int32_t Distance = 0;  // metres for flat races, 0 for jump races
  double Time = 0;            // Σ weight × normalised time while adding; the mean after Save or Load
  double Pace = 0;            // Σ weight × pace factor while adding; the mean after Save or Load
  double Weight = 0;          // Σ weight while adding; 0 after Save or Load
};

// The representative finishing time of a race: the runners' times weighted
// by e^(−k × (arrival − 1) ÷ (finishers − 1)), k 4.5 on the flat and 5.2
// over jumps, so the winner weighs 1 and the last finisher least. 0 for
// races abroad, races whose runners are not all stored, and races with
// fewer than two finishers (one time alone says nothing of the field).
double RaceTimeFigure(const TResult& race);

// How the early sections compare with the race's average speed (JRA and
// local flat races with laps): below 1 when the early pace was slow. 0 when
// the race has no laps or no time figure; always 1 on other surfaces.
double PaceFactor(const TResult& race);

// 1 on the flat; over jumps the number of 200-metre units, lengthened by
// 3.3 % per 1000 metres beyond 2000.
double DistanceFactor(const TResult& race);

// The recency weight of a race (TDataList::AgeWeight).
double YearWeight(const TResult& race);

// The key and distance of a race's cell.
int BaseKey(const TResult& race);
int BaseDistance(const TResult& race);

class TBaseList : public TDataList {
 public:
  TBaseList();

  // ---- The list operations.
  void Clear() override;
  // Adds the race's normalised time figure and pace factor to its cell.
  // Races without a figure or without a known track are left out.
  void AddRace(const TResult& race) override;
  // Replaces the cells by the file's records. A missing file or one whose
  // length is not a multiple of the record length is reported and leaves
  // the cells unchanged.
  void Load() override;
  // Turns sums into means, copies the file to its backup and rewrites it.
  // A mean that comes out within one step of the file's precision of the
  // value the cell held before the last Clear keeps that value, so that
  // repeated rebuilds settle instead of flipping the last digit.
  void Save() override;

  // The base time of the race in tenths of a second, lengthened for a
  // slowly run race; 0 when the table has no cell for it. Loads the file
  // first when the table is empty and has not been loaded since the last
  // Clear.
  double GetBaseTime(const TResult& race);

  // ---- Lookup.
  // The cell of a key and distance, or null.
  const TBaseData* Find(int key, int distance) const;
  int CellCount() const { return static_cast<int>(cells_.size()); }

  // The length of one record of the file, CR LF included.
  static constexpr int kRecordLength = 21;

 private:
  std::map<std::pair<int, int>, TBaseData> cells_;
  // The cells as they were before the last Clear (means only).
  std::map<std::pair<int, int>, TBaseData> before_;
  bool loadTried_ = false;
};

// The process-wide base-time table; null until created.
extern TBaseList* _BaseList;
