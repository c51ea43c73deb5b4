// The maintenance run: the rebuild loop with its flags, cap and debugging
// switches on stand-in lists, and whole runs on a sample database.
#include "analysis/maintenance_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/level_list.h"
#include "analysis/process_objects.h"
#include "app/file_io.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/race.h"
#include "database/race_reader.h"
#include "support/recording_front_end.h"
#include "support/sample_database.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

// A list that records its operations and says it changed as often as told.
class TStandInList : public TDataList {
 public:
  TStandInList(std::string name, std::vector<std::string>& log, int changes)
      : TDataList(std::move(name), "STANDIN.DAT"), log_(log), changes_(changes) {}
  bool IsChanged() override { return changes_-- > 0; }
  void Clear() override { log_.push_back(DisplayName() + " clear"); }
  void AddRace(const TResult&) override {}
  void Load() override { log_.push_back(DisplayName() + " load"); }
  void Save() override { log_.push_back(DisplayName() + " save"); }

 private:
  std::vector<std::string>& log_;
  int changes_;
};

class MaintenanceLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    // One stored meeting is enough for the loop to run.
    home_.WriteFile("DATA/RA/2024.IDX", "2024060205030405");
  }
  void TearDown() override { DestroyProcessObjects(); }
  // Stand-ins for the six lists and the track index; list k says it
  // changed changes[k] times.
  void StandIn(const std::vector<int>& changes) {
    lists_.clear();
    for (int k = 0; k < 6; ++k) {
      lists_.push_back(std::make_unique<TStandInList>("L" + std::to_string(k), log_, changes[static_cast<std::size_t>(k)]));
    }
    lists_.push_back(std::make_unique<TStandInList>("T", log_, 0));
    for (std::size_t k = 0; k < 6; ++k) standIns_.lists[k] = lists_[k].get();
    standIns_.trackIndex = lists_[6].get();
  }
  TMaintenanceOutcome Run(TRunView& view) { return TMaintenanceRun(view, standIns_).Run(); }
  // The lists rebuilt, in order (their clears), without the track index.
  std::vector<std::string> Rebuilt() const {
    std::vector<std::string> names;
    for (const std::string& entry : log_) {
      if (entry.ends_with(" clear") && entry != "T clear") names.push_back(entry.substr(0, entry.size() - 6));
    }
    return names;
  }

  TTempHome home_;
  TRecordingFrontEnd front_;
  TRecordingRunView view_;
  std::vector<std::string> log_;
  std::vector<std::unique_ptr<TStandInList>> lists_;
  TMaintenanceLists standIns_;
};

TEST_F(MaintenanceLoop, CyclesUntilACycleChangesNothing) {
  StandIn({1, 2, 0, 0, 0, 0});
  const TMaintenanceOutcome outcome = Run(view_);
  // The flags are summed before every rebuild: L0 and L1 change in their
  // first rebuild, L1 once more; the loop ends as soon as L1's third
  // rebuild (the 14th) leaves every flag clear.
  EXPECT_EQ(outcome.listRebuilds, 14);
  EXPECT_EQ(outcome.trackRebuilds, 3);
  EXPECT_EQ(Rebuilt().front(), "L0");
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス完了")});
}

TEST_F(MaintenanceLoop, DebuggingSwitchesPickTheListsAndAreHeldInRange) {
  struct TCase {
    int target, count;
    std::vector<std::string> firstRebuilt;
  };
  const std::vector<TCase> cases = {
      {0, 1, {"L0"}},
      {2, 3, {"L2", "L0", "L1"}},
      {-4, 2, {"L0", "L1"}},       // a negative start is the first list
      {0, 40, {"L0", "L1", "L2", "L3", "L4", "L5"}},  // more lists than there are
      {0, 0, {"L0"}},              // at least one
  };
  for (const TCase& c : cases) {
    log_.clear();
    StandIn({1, 1, 1, 1, 1, 1});
    WriteInteger(ini::kDebug, ini::kTarget, c.target);
    WriteInteger(ini::kDebug, ini::kCount, c.count);
    TRecordingRunView view;
    Run(view);
    const std::vector<std::string> rebuilt = Rebuilt();
    ASSERT_GE(rebuilt.size(), c.firstRebuilt.size()) << c.target << "/" << c.count;
    EXPECT_EQ(std::vector<std::string>(rebuilt.begin(), rebuilt.begin() + static_cast<long>(c.firstRebuilt.size())),
              c.firstRebuilt)
        << c.target << "/" << c.count;
  }
}

TEST_F(MaintenanceLoop, StopsAfterNinetyNineRebuildsWhenListsKeepChanging) {
  StandIn({1000, 1000, 1000, 1000, 1000, 1000});
  const TMaintenanceOutcome outcome = Run(view_);
  EXPECT_EQ(outcome.listRebuilds, TMaintenanceRun::kMaxRebuilds);
  EXPECT_EQ(outcome.trackRebuilds, 17);
  EXPECT_FALSE(outcome.cancelled);
}

TEST_F(MaintenanceLoop, CancelReloadsTheListBeingRebuiltAndSaysSo) {
  StandIn({1, 1, 1, 1, 1, 1});
  view_.cancelAfterProgressCalls = 5;  // as the first rebuild of L0 starts
  const TMaintenanceOutcome outcome = Run(view_);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_EQ(log_, (std::vector<std::string>{"T clear", "T save", "T load", "L0 clear", "L0 load"}))
      << "the track index done, base times never saved";
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス中止")});
}

TEST_F(MaintenanceLoop, NoStoredRacesNoRunAndNoMessage) {
  fs::remove_all(home_.path() + "DATA");
  StandIn({1, 1, 1, 1, 1, 1});
  const TMaintenanceOutcome outcome = Run(view_);
  EXPECT_EQ(outcome.keys, 0);
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(front_.messages.empty());
}

TEST(MaintenanceCaption, NamesTheListAndItsPass) {
  EXPECT_EQ(SjisToUtf8(MaintenanceCaption(SJ("基準タイム"), 3)), "基準タイムメンテナンス（3回目）");
  EXPECT_EQ(SjisToUtf8(MaintenanceCaption(SJ("馬場指数"), 0)), "馬場指数メンテナンス");
}

// Whole runs on the sample database.
class MaintenanceSample : public ::testing::Test {
 protected:
  void SetUp() override {
    CopySampleDatabase(home_.path());
    CreateProcessObjects();
  }
  void TearDown() override { DestroyProcessObjects(); }
  std::string File(const std::string& name) { return home_.ReadFile("DATA/" + name); }

  TTempHome home_;
  TRecordingFrontEnd front_;
};

TEST_F(MaintenanceSample, ConvergesAndASecondRunStopsAfterOneCycle) {
  WriteBool(ini::kDebug, ini::kBaseTime, true);
  TRecordingRunView view;
  const TMaintenanceOutcome first = TMaintenanceRun(view).Run();
  EXPECT_GT(first.keys, 10);
  EXPECT_FALSE(first.cancelled);
  EXPECT_LT(first.listRebuilds, TMaintenanceRun::kMaxRebuilds);
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス完了")});
  EXPECT_TRUE(front_.Errors().empty()) << SjisToUtf8(front_.Errors().front());
  EXPECT_FALSE(File("BASETIME.DAT").empty());
  EXPECT_FALSE(File("LEVEL.DAT").empty());
  for (int t = 1; t <= 5; ++t) EXPECT_FALSE(File("LEVEL" + std::to_string(t) + ".TXT").empty()) << t;
  ASSERT_FALSE(view.statusHistory.empty());
  EXPECT_EQ(SjisToUtf8(view.statusHistory.front()), "成績ファイルの検索中");

  // The diagnostic file: year, race code, surface class, share of finishers.
  const std::string diagnostics = home_.ReadFile("ANA_B.CSV");
  ASSERT_FALSE(diagnostics.empty());
  const std::string firstLine = diagnostics.substr(0, diagnostics.find('\n'));
  EXPECT_TRUE(std::regex_match(firstLine, std::regex(R"(20\d\d,\d{8},[0-3],[01]\.\d{6})"))) << firstLine;

  // Base times lie near what the races of their cells were run in.
  std::map<std::pair<int, int>, std::pair<double, int>> ratios;
  for (const TKeyInfo& key : TMaintenanceRun::CollectKeys()) {
    for (const TRace& race : RacesOfKey(key)) {
      const double figure = RaceTimeFigure(race);
      const double base = _BaseList->GetBaseTime(race);
      if (race.DataKind() <= 6 || race.Venue > 10 || figure == 0) continue;
      ASSERT_GT(base, 0) << race.RaceKey();
      auto& [sum, n] = ratios[{BaseKey(race), BaseDistance(race)}];
      sum += figure / base;
      ++n;
    }
  }
  int cells = 0;
  for (const auto& [cell, entry] : ratios) {
    const auto& [sum, n] = entry;
    if (n < 10) continue;
    ++cells;
    EXPECT_NEAR(sum / n, 1.0, 0.02) << cell.first << " " << cell.second << " over " << n << " races";
  }
  EXPECT_GT(cells, 5);

  // Nothing changed since: one cycle, and the files stay as they are.
  const std::string base = File("BASETIME.DAT"), level = File("LEVEL.DAT");
  front_.messages.clear();
  const TMaintenanceOutcome second = TMaintenanceRun(view).Run();
  EXPECT_EQ(second.listRebuilds, 6);
  EXPECT_EQ(second.trackRebuilds, 1);
  EXPECT_EQ(File("BASETIME.DAT"), base);
  EXPECT_EQ(File("LEVEL.DAT"), level);
  DeleteMaintenanceBackups();
  EXPECT_FALSE(fs::exists(home_.path() + "DATA/BASETIME.BAK"));
  EXPECT_FALSE(fs::exists(home_.path() + "DATA/LEVEL.BAK"));
}

TEST_F(MaintenanceSample, CancelInTheFirstRebuildLeavesTheFilesUntouched) {
  TRecordingRunView view;
  view.cancelAfterProgressCalls = 5;
  const TMaintenanceOutcome outcome = TMaintenanceRun(view).Run();
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(fs::exists(home_.path() + "DATA/BASETIME.DAT"));
  EXPECT_FALSE(fs::exists(home_.path() + "DATA/LEVEL.DAT"));
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス中止")});
}

TEST_F(MaintenanceSample, WithOneListOnlyTheBaseTimesAreRebuilt) {
  WriteInteger(ini::kDebug, ini::kCount, 1);
  TRecordingRunView view;
  const TMaintenanceOutcome outcome = TMaintenanceRun(view).Run();
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(outcome.trackRebuilds, outcome.listRebuilds) << "the track index before every step";
  EXPECT_FALSE(File("BASETIME.DAT").empty());
  EXPECT_FALSE(fs::exists(home_.path() + "DATA/LEVEL.DAT"));
  EXPECT_EQ(File("BASETIME.DAT"), File("BASETIME.BAK"));
}

}  // namespace
