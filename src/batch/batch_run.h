// The batch prediction run: predicts many races in one go and writes the
// prediction files. Variant 1 takes every race of the JRA race-card days
// between two chosen days, one day after another; variant 2 takes a list of
// races as one group.
//
// The run drives a run view: status line 0 the elapsed time, line 1 the
// current activity, progress bar 0 counted in races with a budget of 36 a
// day. Its cancel flag ends the race loop at the next race and skips the
// group's outputs; the front end asks "本当に中止しますか？" before setting
// it.
#pragma once

#include <chrono>
#include <vector>

#include "database/key_info.h"

class TRace;
class TRunView;

// Which files a run writes (the check boxes of the batch window).
struct TBatchOutputs {
  bool detail = false;     // D: detailed text
  bool sniper = false;     // S: SNIPER CSV
  bool wars = false;       // W: WARS text
  bool overs = false;      // O: OVERS text
  bool target = false;     // T: TARGET external index
  bool targetCsv = false;  // TARGET purchase CSV (variant 2)
};

// The outputs stored in the settings section "Batch<variant>" (keys D, S,
// W, O, T), and writing them back.
TBatchOutputs ReadBatchOutputs(int variant);
void WriteBatchOutputs(int variant, const TBatchOutputs& outputs);

struct TBatchOutcome {
  int days = 0;           // days taken (variant 1)
  int races = 0;          // races looked at
  int scored = 0;         // races scored (not skipped by "Select")
  bool stopped = false;
};

class TBatchRun {
 public:
  // Races of one day at most, for the progress budget.
  static constexpr int kRacesPerDay = 36;

  // The JRA race-card days (race list kind 25, region 1), ascending.
  static std::vector<TKeyInfo> MeetingDays();

  // `variant` 1 or 2: the settings section "Batch<variant>" gives "Select".
  TBatchRun(TRunView& view, int variant);

  // Variant 1: days[first] … days[last] inclusive. Backs up ANA.CSV as
  // ANA.BAK and starts it afresh, then predicts day by day.
  TBatchOutcome RunDays(const std::vector<TKeyInfo>& days, int first, int last, const TBatchOutputs& outputs);

  // Variant 2: the races as one group, in the order given.
  TBatchOutcome RunRaces(std::vector<TRace> races, const TBatchOutputs& outputs);

 private:
  // Loads, filters, scores and writes a group; false when stopped.
  bool ProcessGroup(std::vector<TRace>& races, const TBatchOutputs& outputs, TBatchOutcome& outcome);
  void ShowElapsed();

  TRunView& view_;
  int variant_;
  int progress_ = 0;
  int maximum_ = 0;
  std::chrono::steady_clock::time_point start_;
};

// "一括予想（<first>）" or "一括予想（<first>～<last>）": the caption of the
// batch window for two date texts.
std::string BatchCaption(const std::string& first, const std::string& last);

// A date number as "YYYY/MM/DD".
std::string BatchDateText(int dateNumber);
