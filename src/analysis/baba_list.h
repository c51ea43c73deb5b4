// The track-condition index (馬場指数): how fast the ground was on one race
// day at one course. 1.0 is a normal day, above 1.0 a fast track, below
// 1.0 a slow one. Each race gives the ratio of its base time to the time
// actually run, freed from the class of the race; the day's races on the
// same kind of track then smooth one another, and after a full rebuild the
// values are centred on the long-run mean of the course and track kind.
//
// The index lives in memory only: the race cache feeds it every race it
// loads and clears it with itself, and the maintenance run rebuilds it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <utility>

#include "analysis/data_list.h"

class TResult;

// One race day at one course. Slot i holds race number i + 1.
struct TBabaData {
  static constexpr int kSlots = 12;

  std::uint8_t Open = 0;          // 1 while raw values are being collected, 0 once smoothed
  std::int32_t Date = 0;          // date number of the day
  std::int16_t CourseEra = 0;     // course-era number of the course
  std::array<std::uint8_t, kSlots> TrackClass{};  // 0 = no value
  std::array<float, kSlots> Value{};              // raw, then smoothed index
  std::array<std::uint8_t, kSlots> Going{};       // going code of the race's surface
  std::array<std::uint8_t, kSlots> Weather{};     // weather code
};

// The track class of a race: turf 10 (inner or ordinary course), 11 (outer),
// 12 (straight); dirt 20, and 21 for the 1200 m at Nakayama; jumps 30;
// 0 for any other track.
int BabaTrackClass(const TResult& race);

// Smooths the twelve values of a day in place: eight passes in which every
// race is pulled towards its nearest races on the same kind of track before
// and after it (a jump race towards 1.0 by its turf neighbours), less so
// the farther away they are, on a different or heavy going, or in bad
// weather. Slots without a value stay 0. Clears the open mark.
void SmoothBabaData(TBabaData& day);

class TBabaList : public TDataList {
 public:
  TBabaList();

  // ---- The list operations.
  // The index has no file: never changed.
  bool IsChanged() override { return false; }
  // Forgets every day and every course-class mean.
  void Clear() override;
  // Stores the raw index of one race with final results in its day's slot.
  // Adding a race to a day that has been read since its last addition
  // starts that day afresh.
  void AddRace(const TResult& race) override;
  // Builds the mean index of every course era and track class from the
  // smoothed values of all days (no file is read).
  void Load() override;
  // Nothing to write.
  void Save() override {}

  // The index of the race: its day's smoothed value, less its course
  // class's offset from 1.0 after a Load; `fallback` when the race has none
  // or the value is not positive.
  double GetTrackIndex(const TResult& race, double fallback);

  // ---- Lookup.
  // The day of a date and course era, or null. Not smoothed by this.
  const TBabaData* Find(int date, int courseEra) const;
  int DayCount() const { return static_cast<int>(days_.size()); }

 private:
  std::map<std::pair<int, int>, TBabaData> days_;    // by (date, course era)
  std::map<int, std::pair<double, int>> means_;     // course era × 100 + class → (sum, count)
};

// The process-wide track-condition index; null until created.
extern TBabaList* _BabaList;
