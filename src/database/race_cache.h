// The race cache: every meeting file read once and kept, races handed out
// with the day's latest news applied, the horse and foal indexes of each
// birth year kept in memory, and a group code for every meeting.
#pragma once

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "database/result.h"

class TCacheList {
 public:
  TCacheList() = default;
  TCacheList(const TCacheList&) = delete;
  TCacheList& operator=(const TCacheList&) = delete;

  // The race of a key with its runners, payouts and the latest news of its
  // day applied; an empty race (Year 0) when the meeting has no such race.
  // The reference is to the one shared result, valid until the next call:
  // copy what you keep (copies share the race's data block).
  const TResult& Race(const TRaceID& race);

  // The group code of a race's meeting (0 when none was recorded).
  int GroupCode(const TRaceID& race) const;

  // (data row in UM/<year>.DAT, first row in SE/<year>.IDX) of a horse
  // number, reading UM/<year>.IDX on a miss; (-1, -1) when the index lacks
  // it (a failed lookup is not remembered). The foal index works the same
  // with SK/<year>.IDX.
  std::pair<int, int> HorseIndex(int horseID);
  std::pair<int, int> FoalIndex(int horseID);

  // Forgets the horse (or foal) index entries of a birth year, one meeting
  // (by its file number), or everything.
  void ForgetHorseYear(int year);
  void ForgetFoalYear(int year);
  void ForgetMeeting(int fileNumber);
  void Clear();

  // How many meeting files have been read (for tests and benchmarks).
  int MeetingReads() const { return meetingReads_; }

 private:
  std::map<int, std::vector<TResult>> meetings_;
  std::map<int, int> groups_;
  std::map<int, std::pair<int, int>> horses_;
  std::map<int, std::pair<int, int>> foals_;
  TResult result_;
  int meetingReads_ = 0;
};

extern TCacheList* _CacheList;
