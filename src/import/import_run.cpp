#include "import/import_run.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>

#include "analysis/odds_list.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/version.h"
#include "database/key_listing.h"
#include "import/jvlink_errors.h"
#include "import/staging.h"

namespace {

constexpr int kDownloadBar = 0;  // downloads, or the keys of a quick-news fetch
constexpr int kFileBar = 1;      // files read, then files rebuilt

// The data spec of a mode's data selection (units digit).
const char* DataSpec(int selection) {
  switch (selection) {
    case 0:
    case 1: return "TOKURACEDIFFBLODSLOPYSCH";
    case 2: return "TOKURACEDIFF";
    case 3: return "TOKURACEYSCH";
    case 4: return "DIFF";
    case 5: return "BLOD";
    case 6: return "SLOP";
    default: return "";
  }
}

// Kinds converted in every run, and the news kinds of a quick-news fetch.
bool IsConvertedKind(const std::string& id, bool quickNews) {
  static const std::set<std::string> always = {"TK", "RA", "SE", "HR", "O1", "O2", "O3", "O4", "O5", "O6", "UM",
                                               "KS", "CH", "BR", "BN", "HN", "SK", "RC", "HC", "YS"};
  static const std::set<std::string> news = {"WH", "WE", "AV", "JC", "TC", "CC"};
  return always.count(id) > 0 || (quickNews && news.count(id) > 0);
}

// A rewritten odds or vote file makes the odds list read it again.
void ClearListedOdds(int source) {
  if (_OddsList != nullptr) _OddsList->ClearOdds(source);
}

}  // namespace

std::string ImportSoftwareId() { return "SQ120345/SR678901/umaya204/" + VersionText(); }

TImportRun::TImportRun(TJVLink& jvlink, TRunView& view, int mode) : jvlink_(jvlink), view_(view), mode_(mode) {
  state_.clearOdds = ClearListedOdds;
}

TImportRun::TImportRun(TJVLink& jvlink, TRunView& view, std::vector<TRaceID> races)
    : jvlink_(jvlink), view_(view), mode_(30), races_(std::move(races)) {
  state_.clearOdds = ClearListedOdds;
}

std::string TImportRun::Caption() const {
  switch (mode_ / 10) {
    case 1: return SJ("セットアップ");
    case 2: return SJ("更新");
    case 3: return SJ("速報データ");
    default: return std::string();
  }
}

void TImportRun::Report(int code) {
  std::string message = JVLinkErrorMessage(code);
  if (message.empty()) return;  // codes without a text are not reported
  FrontEnd().ShowError(message);
  view_.Cancel();
}

bool TImportRun::Run() {
  if (Caption().empty()) return false;
  if ((mode_ / 10 == 1 && (mode_ % 10 < 1 || mode_ % 10 > 6)) || (mode_ / 10 == 2 && mode_ != 20)) return false;
  int init = jvlink_.JVInit(ImportSoftwareId());
  if (init < 0) {
    Report(init);
    return true;
  }
  readSize_ = kJVReadSize;
  TStaging staging;
  staging_ = &staging;
  if (mode_ / 10 > 2) {
    QuickNews();
  } else {
    SetupOrUpdate();
  }
  staging.Close();
  staging_ = nullptr;
  DeleteOutdatedNews();
  return true;
}

void TImportRun::SetupOrUpdate() {
  std::string spec = DataSpec(mode_ % 10);
  std::string fromTime = "00000000000000";
  if (mode_ == 11) {
    fromTime = ReadString(ini::kJvLink, ini::kFirstFileTimeStamp, ini::kFirstFileTimeStampDefault);
  } else if (mode_ == 12) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    fromTime = std::to_string(local.tm_year + 1900 - 3) + "0000000000";
  } else if (mode_ == 20) {
    fromTime = ReadString(ini::kJvLink, ini::kLastFileTimeStamp, "");
    if (fromTime.empty()) {
      FrontEnd().ShowError(SJ("セットアップが完了していません"));
      return;
    }
  }
  int readCount = 0, downloadCount = 0;
  std::string lastFileTimestamp;
  int open = jvlink_.JVOpen(spec, fromTime, mode_ / 10 == 1 ? 3 : 1, readCount, downloadCount, lastFileTimestamp);
  if (open == -1) {
    jvlink_.JVClose();
    FrontEnd().ShowInformation(SJ("更新データ無し"));
    return;
  }
  if (open == -2) {
    jvlink_.JVClose();
    return;
  }
  if (open < 0) {
    Report(open);
    jvlink_.JVClose();
    return;
  }
  readCount_ = readCount;
  if (downloadCount > 0) {
    view_.SetProgress(kDownloadBar, 0, downloadCount);
    int shown = 0;
    for (;;) {
      FrontEnd().ProcessPending();
      int status = jvlink_.JVStatus();
      if (status < 0) Report(status);
      if (view_.Cancelled()) {
        jvlink_.JVClose();
        FrontEnd().ShowInformation(SJ("セットアップ中止"));
        return;
      }
      if (status > shown) {
        shown = status;
        view_.SetProgress(kDownloadBar, shown, downloadCount);
        char text[64];
        std::snprintf(text, sizeof text, SJ("ダウンロード中（%d/%d）").c_str(), status, downloadCount);
        view_.SetStatus(0, text);
      }
      if (status == downloadCount) break;
    }
  }
  view_.SetProgress(kDownloadBar, downloadCount, downloadCount);
  ReadLoop();
  // Merge whatever was staged, also after a cancel.
  staging_->Close();
  state_.collectIndexEntries = true;
  RebuildDatabase(state_, view_);
  RebuildIndexes(state_, view_);
  if (view_.Cancelled()) {
    view_.SetStatus(0, SJ("セットアップ中止"));
  } else {
    view_.SetStatus(0, SJ("セットアップ終了"));
    if (mode_ == 11 || mode_ == 12) {
      WriteString(ini::kJvLink, ini::kCurrentFileTimeStamp, "");
      WriteString(ini::kJvLink, ini::kLastFileTimeStamp, lastFileTimestamp);
    } else if (mode_ == 20) {
      WriteString(ini::kJvLink, ini::kLastFileTimeStamp, lastFileTimestamp);
    }
  }
  int close = jvlink_.JVClose();
  if (close < 0) Report(close);
  FrontEnd().ShowInformation(SJ("セットアップ終了"));
}

void TImportRun::QuickNews() {
  int keys = static_cast<int>(races_.size()) + 3;
  int done = 0;
  view_.SetProgress(kDownloadBar, 0, keys);
  for (int code : {11, 12, 14, 30}) {
    char spec[8];
    std::snprintf(spec, sizeof spec, "0B%02d", code);
    std::set<std::string> keySet;
    for (const TRaceID& race : races_) {
      char key[40];
      if (code >= 30) {
        keySet.insert(race.RaceKey());
      } else {
        std::snprintf(key, sizeof key, "%8d", race.DateNumber());
        keySet.insert(key);
      }
    }
    for (const std::string& key : keySet) {
      FrontEnd().ProcessPending();
      int open = jvlink_.JVRTOpen(spec, key);
      if (open == -1) {
        jvlink_.JVClose();
      } else if (open < 0) {
        Report(open);
        jvlink_.JVClose();
      }
      if (open != -1) {
        if (view_.Cancelled()) break;
        readCount_ = 1;
        ReadLoop();
        int close = jvlink_.JVClose();
        if (close < 0) Report(close);
      }
      view_.SetProgress(kDownloadBar, ++done, keys);
    }
    if (view_.Cancelled()) break;
  }
  readCount_ = 0;
  state_.collectIndexEntries = false;
  staging_->Close();
  RebuildDatabase(state_, view_);
  view_.SetStatus(0, view_.Cancelled() ? SJ("ダウンロード中止") : SJ("ダウンロード終了"));
}

void TImportRun::ReadLoop() {
  view_.SetProgress(kFileBar, 0, readCount_);
  files_ = 0;
  // The skip phase of a full setup: files up to the resume point are passed over.
  std::string resume = mode_ == 11 ? ReadString(ini::kJvLink, ini::kCurrentFileTimeStamp, "") : std::string();
  int counter = 0;
  for (;;) {
    view_.SetProgress(kFileBar, counter, readCount_);
    FrontEnd().ProcessPending();
    if (view_.Cancelled()) return;
    result_ = jvlink_.JVRead(buffer_, readSize_, fileName_);
    if (mode_ != 11 || result_ <= 0) break;
    if (jvlink_.CurrentFileTimestamp() > resume) break;
    view_.SetStatus(0, SJ("スキップ（") + fileName_ + SJ("）"));
    jvlink_.JVSkip();
    counter = ++files_;
  }
  for (;;) {
    while (result_ > 0 && !view_.Cancelled()) {
      view_.SetStatus(0, SJ("インポート（") + fileName_ + SJ("）"));
      std::string id = buffer_.substr(0, 2);
      if (IsConvertedKind(id, mode_ == 30)) {
        result_ = Convert();
      } else {
        jvlink_.JVSkip();
        result_ = -1;
      }
    }
    if (result_ <= -2) {
      if (result_ == -402 || result_ == -403) {
        int code = result_;
        Report(code);
        int deleted = jvlink_.JVFiledelete(fileName_);
        if (deleted < 0) Report(deleted);
      } else {
        Report(result_);
      }
    }
    if (view_.Cancelled() || result_ == 0) return;
    if (result_ == -1 && mode_ / 10 <= 2) {
      if (mode_ == 11) WriteString(ini::kJvLink, ini::kCurrentFileTimeStamp, jvlink_.CurrentFileTimestamp());
      view_.SetProgress(kFileBar, ++files_, readCount_);
    }
    FrontEnd().ProcessPending();
    result_ = jvlink_.JVRead(buffer_, readSize_, fileName_);
  }
}

int TImportRun::Convert() {
  const std::string id = buffer_.substr(0, 2);
  int last = 1;
  for (;;) {
    if (!staging_->Append(buffer_)) {
      // The staging file cannot take the record (already reported): the
      // run ends as cancelled rather than retrying it for ever.
      view_.Cancel();
      return last;
    }
    ++converted_[id];
    FrontEnd().ProcessPending();
    if (view_.Cancelled()) return last;
    buffer_.clear();
    last = jvlink_.JVRead(buffer_, readSize_, fileName_);
    if (last <= 0) return last;
    if (buffer_.compare(0, 2, id) != 0) return last;
  }
}

void TImportRun::DeleteOutdatedNews() {
  int until = state_.finalResultsDate;
  if (until <= 0) return;
  for (const char* folder : {"TK", "WH", "WE", "AV", "JC", "TC", "CC", "DM"}) {
    for (const std::string& path : DataFiles(folder, ".DAT")) {
      std::string name = path.substr(path.rfind('/') + 1);
      if (std::atoll(name.c_str()) <= until) unlink(path.c_str());  // named by its leading digits
    }
  }
}
