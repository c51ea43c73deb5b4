// The maintenance run: rebuilds the derived statistics from every stored
// race. Base times, the five level tables and the track-condition index
// depend on each other, so they are rebuilt in turn (the track index before
// each cycle) until a whole cycle leaves every file as it was, or 99 list
// rebuilds have been made.
//
// The run drives a run view: the caption names the list being rebuilt and
// its pass, status line 0 the key being read, progress bar 0 the keys.
// Either front end shows the closing message through the front end.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "database/key_info.h"

class TDataList;
class TRunView;

struct TMaintenanceOutcome {
  int keys = 0;          // keys collected (0: nothing stored, nothing done)
  int listRebuilds = 0;  // rebuilds of the base times and level tables
  int trackRebuilds = 0; // rebuilds of the track-condition index
  bool cancelled = false;
};

// The lists a run rebuilds: the base times and the five level tables in
// this order, and the track-condition index before each cycle.
struct TMaintenanceLists {
  std::array<TDataList*, 6> lists{};
  TDataList* trackIndex = nullptr;
};

// The process-wide lists (_BaseList, _Level1 … _Level5; _BabaList).
TMaintenanceLists ProcessMaintenanceLists();

class TMaintenanceRun {
 public:
  // The most list rebuilds one run makes.
  static constexpr int kMaxRebuilds = 99;

  explicit TMaintenanceRun(TRunView& view, TMaintenanceLists lists = ProcessMaintenanceLists());

  // Collects the keys, rebuilds until nothing changes, shows
  // "メンテナンス完了" or "メンテナンス中止", then clears the race cache
  // (and with it the track index). With no stored races it does nothing and
  // says nothing.
  TMaintenanceOutcome Run();

  // The keys of all stored races: one per meeting of the JRA racecourses,
  // one per racecourse and year for all others, ascending.
  static std::vector<TKeyInfo> CollectKeys();

 private:
  // One rebuild of a list; false when cancelled (the list then reloads its
  // file).
  bool Rebuild(TDataList& list, int pass);
  void AddKey(TDataList& list, const TKeyInfo& key);

  TRunView& view_;
  TMaintenanceLists lists_;
  std::vector<TKeyInfo> keys_;
  bool writeDiagnostics_ = false;
};

// The caption of a rebuild: the list's name + "メンテナンス", and
// "（<pass>回目）" when the pass is positive.
std::string MaintenanceCaption(const std::string& listName, int pass);

// Deletes the backups the rebuilds leave (BASETIME.BAK and LEVEL.BAK), as
// the maintenance window does when it closes.
void DeleteMaintenanceBackups();
