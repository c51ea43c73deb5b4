// The base of the derived-data lists (base times, track index, level
// tables): a file in the data folder, the test whether the last rebuild
// changed it against its backup, the backup copy, and the recency weight
// of a race. The maintenance run drives every list through the virtual
// operations alone.
#pragma once

#include <string>

class TResult;

class TDataList {
 public:
  // `displayName` (CP932) names the list to the user; `fileName` is the
  // name of its file in the data folder.
  TDataList(std::string displayName, std::string fileName);
  virtual ~TDataList() = default;
  TDataList(const TDataList&) = delete;
  TDataList& operator=(const TDataList&) = delete;

  // ---- The operations every list has, in this order.
  // True unless the file and its backup both exist with equal contents.
  virtual bool IsChanged();
  // Empties the list.
  virtual void Clear() = 0;
  // Adds one race with settled results to the accumulators.
  virtual void AddRace(const TResult& race) = 0;
  // Replaces the list by the contents of its file.
  virtual void Load() = 0;
  // Turns the accumulators into values, backs the file up and writes it.
  virtual void Save() = 0;

  const std::string& DisplayName() const { return displayName_; }
  // The file in the current data folder.
  std::string Path() const;
  // The backup: the file name with its extension replaced by ".BAK".
  std::string BackupPath() const;
  // Copies the file over its backup (crash-safe). False when the file
  // cannot be read or the copy cannot be written.
  bool Backup() const;

  // The recency weight of a race: 1 up to 1900, e^(0.4 × (year − 1900))
  // after, so each year weighs about 1.49 times the year before. Years
  // after 2900 weigh as 2900, which keeps every sum of weights finite.
  static double AgeWeight(const TResult& race);

 private:
  std::string displayName_;
  std::string fileName_;
};
