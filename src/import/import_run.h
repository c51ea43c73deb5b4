// One import run: a setup (modes 11 to 16), an update (20) or a quick-news
// fetch of chosen races (30). It opens JV-Link, waits for the downloads,
// hands every run of records of one kind to the staging files, merges them
// into the database, rebuilds the indexes, keeps the download timestamps in
// the settings file and deletes the news files that final results made
// stale. Everything it shows goes through a run view and the front end.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "database/race_id.h"
#include "import/jvlink.h"
#include "import/database_rebuild.h"

class TImportRun {
 public:
  // A setup or update run of an import mode (11 to 16, 20).
  TImportRun(TJVLink& jvlink, TRunView& view, int mode);
  // A quick-news fetch of the given races (mode 30).
  TImportRun(TJVLink& jvlink, TRunView& view, std::vector<TRaceID> races);

  // The window caption of the mode: "セットアップ", "更新", "速報データ";
  // "" for a mode that does not exist.
  std::string Caption() const;

  // The whole run. False when the mode does not exist.
  bool Run();

  int Mode() const { return mode_; }
  bool Cancelled() const { return view_.Cancelled(); }
  int FinalResultsDate() const { return state_.finalResultsDate; }
  // Records handed to the staging files, by kind id.
  const std::map<std::string, long long>& Converted() const { return converted_; }

 private:
  void SetupOrUpdate();
  void QuickNews();
  void ReadLoop();
  int Convert();
  void Report(int code);
  void DeleteOutdatedNews();

  TJVLink& jvlink_;
  TRunView& view_;
  int mode_;
  std::vector<TRaceID> races_;
  TRebuildState state_;
  std::map<std::string, long long> converted_;
  // JVRead state.
  std::string buffer_;
  std::string fileName_;
  int readSize_ = kJVReadSize;
  int readCount_ = 0;
  int result_ = 0;
  int files_ = 0;
  class TStaging* staging_ = nullptr;
};

// The software id given to JVInit.
std::string ImportSoftwareId();
