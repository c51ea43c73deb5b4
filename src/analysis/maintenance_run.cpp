#include "analysis/maintenance_run.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/level_list.h"
#include "app/front_end.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/key_listing.h"
#include "database/race.h"
#include "database/race_cache.h"
#include "database/race_reader.h"

namespace {

constexpr int kListCount = 6;

// The share of the finishers that ran at least as fast as the race's time
// figure, for the diagnostic file.
double ShareAtOrInsideFigure(const TResult& race) {
  const double figure = RaceTimeFigure(race);
  int inside = 0;
  for (const TResultInfo& runner : race.Runners()) {
    if (runner.Time() > 0 && runner.Time() <= figure) ++inside;
  }
  return static_cast<double>(inside) / race.Finishers();
}

}  // namespace

std::string MaintenanceCaption(const std::string& listName, int pass) {
  std::string caption = listName + SJ("メンテナンス");
  if (pass > 0) caption += SJ("（") + std::to_string(pass) + SJ("回目）");
  return caption;
}

void DeleteMaintenanceBackups() {
  std::error_code error;
  if (_BaseList != nullptr) std::filesystem::remove(_BaseList->BackupPath(), error);
  if (_Level1 != nullptr) std::filesystem::remove(_Level1->BackupPath(), error);
}

TMaintenanceLists ProcessMaintenanceLists() {
  return {{_BaseList, _Level1, _Level2, _Level3, _Level4, _Level5}, _BabaList};
}

TMaintenanceRun::TMaintenanceRun(TRunView& view, TMaintenanceLists lists) : view_(view), lists_(lists) {}

std::vector<TKeyInfo> TMaintenanceRun::CollectKeys() {
  std::vector<TKeyInfo> keys = ListKeys(23, kJraRaces);
  std::vector<TKeyInfo> others = ListKeys(24, kOtherRaces);
  keys.insert(keys.end(), others.begin(), others.end());
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

TMaintenanceOutcome TMaintenanceRun::Run() {
  TMaintenanceOutcome outcome;
  view_.SetStatus(0, SJ("成績ファイルの検索中"));
  keys_ = CollectKeys();
  outcome.keys = static_cast<int>(keys_.size());
  if (keys_.empty()) {
    view_.SetStatus(0, "");
    return outcome;
  }
  view_.SetProgress(0, 0, outcome.keys);
  writeDiagnostics_ = ReadBool(ini::kDebug, ini::kBaseTime, false);

  // Which lists take part and where the cycle starts are debugging
  // switches; values the loop cannot use are held at the nearest usable one.
  const int count = std::clamp(ReadInteger(ini::kDebug, ini::kCount, ini::kCountDefault), 1, kListCount);
  const int target = std::max(ReadInteger(ini::kDebug, ini::kTarget, 0), 0) % kListCount;
  std::array<int, kListCount> changed;
  changed.fill(1);
  auto anyChanged = [&] {
    int sum = 0;
    for (int k = 0; k < count; ++k) sum += changed[static_cast<std::size_t>(k)];
    return sum > 0;
  };
  for (int i = 0; anyChanged() && i < kMaxRebuilds; ++i) {
    const int pass = i / count + 1;
    if (i % count == 0 && lists_.trackIndex != nullptr) {
      ++outcome.trackRebuilds;
      if (!Rebuild(*lists_.trackIndex, pass)) break;
    }
    if (view_.Cancelled()) break;
    const int k = (target + i) % count;
    TDataList* list = lists_.lists[static_cast<std::size_t>(k)];
    if (list == nullptr) {
      changed[static_cast<std::size_t>(k)] = 0;
      continue;
    }
    ++outcome.listRebuilds;
    if (!Rebuild(*list, pass)) break;
    changed[static_cast<std::size_t>(k)] = list->IsChanged() ? 1 : 0;
  }
  outcome.cancelled = view_.Cancelled();
  FrontEnd().ShowInformation(outcome.cancelled ? SJ("メンテナンス中止") : SJ("メンテナンス完了"));
  if (_CacheList != nullptr) _CacheList->Clear();
  return outcome;
}

bool TMaintenanceRun::Rebuild(TDataList& list, int pass) {
  const std::string& name = list.DisplayName();
  view_.SetCaption(MaintenanceCaption(name, pass));
  const int total = static_cast<int>(keys_.size());
  view_.SetProgress(0, 0, total);
  list.Clear();
  int done = 0;
  for (const TKeyInfo& key : keys_) {
    FrontEnd().ProcessPending();
    if (view_.Cancelled()) {
      list.Load();
      return false;
    }
    view_.SetStatus(0, key.Label(true) + SJ("の処理中"));
    AddKey(list, key);
    view_.SetProgress(0, ++done, total);
  }
  view_.SetProgress(0, total, total);
  view_.SetStatus(0, name + SJ("の書込み中"));
  list.Save();
  view_.SetStatus(0, name + SJ("の読込み中"));
  list.Load();
  return true;
}

void TMaintenanceRun::AddKey(TDataList& list, const TKeyInfo& key) {
  const std::vector<TRace> races = RacesOfKey(key);
  for (const TRace& race : races) {
    if (race.DataKind() > 6) list.AddRace(race);
  }
  if (!writeDiagnostics_ || &list != lists_.trackIndex) return;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen((ProgramFolder() + "ANA_B.CSV").c_str(), "ab"),
                                                       std::fclose);
  if (!file) return;
  for (const TRace& race : races) {
    // A race without finishers has no share to give.
    if (race.Venue >= 30 || race.Finishers() <= 0) continue;
    std::fprintf(file.get(), "%d,%08d,%d,%f\n", race.Year, race.RaceCode(), race.SurfaceKind(),
                 ShareAtOrInsideFigure(race));
  }
}
