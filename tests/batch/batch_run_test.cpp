// The batch run on a sample database: days, progress, the group files in
// their folders, the analysis file started afresh, the Select filter, a
// stop, and the window caption.
#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/process_objects.h"
#include "app/output_folders.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/race.h"
#include "support/recording_front_end.h"
#include "support/sample_database.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    CopySampleDatabase(home_.path());
    CreateProcessObjects();
    DefaultOutputFolders();
    days_ = TBatchRun::MeetingDays();
    ASSERT_GE(days_.size(), 3u);
  }
  void TearDown() override { DestroyProcessObjects(); }
  std::vector<std::string> TextFiles() const {
    std::vector<std::string> names;
    if (!fs::exists(home_.path() + "TEXT")) return names;
    for (const auto& entry : fs::directory_iterator(home_.path() + "TEXT")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::string DateOf(const TKeyInfo& day) { return std::to_string(day.DateNumber()); }

  TTempHome home_;
  TRecordingFrontEnd front_;
  std::vector<TKeyInfo> days_;
};

TEST_F(BatchRun, ARangeOfDaysWritesEveryFileAndStartsTheAnalysisFileAfresh) {
  home_.WriteFile("ANA.CSV", "old\r\n");
  const int last = static_cast<int>(days_.size()) - 2;  // the last settled day before the race cards
  TRecordingRunView view;
  TBatchOutputs all;
  all.detail = all.sniper = all.wars = all.overs = all.target = true;
  const TBatchOutcome outcome = TBatchRun(view, 1).RunDays(days_, last - 1, last, all);
  EXPECT_EQ(outcome.days, 2);
  EXPECT_GT(outcome.scored, 2);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(view.progress[0], std::make_pair(72, 72)) << "36 a day";
  EXPECT_EQ(SjisToUtf8(view.status[1]), "完了");
  EXPECT_EQ(SjisToUtf8(view.status[0]).rfind("経過時間：", 0), 0u);

  const std::string first = DateOf(days_[static_cast<std::size_t>(last - 1)]);
  const std::string second = DateOf(days_[static_cast<std::size_t>(last)]);
  const std::vector<std::string> files = TextFiles();
  for (const std::string& name : {"D" + first + ".TXT", "D" + second + ".TXT", "W" + first + ".TXT",
                                  "O" + second + ".TXT", "TE" + first + ".CSV", std::string("FRC.DAT")}) {
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;
  }
  EXPECT_EQ(home_.ReadFile("ANA.BAK"), "old\r\n");
  const std::string analysis = home_.ReadFile("ANA.CSV");
  EXPECT_NE(analysis.find(first.substr(0, 8) + ","), std::string::npos) << "the first day's results";
  EXPECT_NE(analysis.find(second + ","), std::string::npos) << "appended by the second day";
}

TEST_F(BatchRun, SelectLeavesOutRacesWithADebutant) {
  // The first days of the sample's first year are full of debutants.
  TBatchOutputs none;
  TRecordingRunView all, selected;
  const TBatchOutcome every = TBatchRun(all, 1).RunDays(days_, 0, 0, none);
  WriteInteger("Batch1", ini::kSelect, 1);
  const TBatchOutcome some = TBatchRun(selected, 1).RunDays(days_, 0, 0, none);
  EXPECT_EQ(every.scored, every.races);
  EXPECT_EQ(some.races, every.races);
  EXPECT_LT(some.scored, every.scored);
}

TEST_F(BatchRun, AStopWritesTheDetailsDoneButNoGroupFiles) {
  const int last = static_cast<int>(days_.size()) - 2;
  TRecordingRunView view;
  view.cancelAfterProgressCalls = 3;  // after the second race of the day
  TBatchOutputs outputs;
  outputs.detail = outputs.wars = true;
  const TBatchOutcome outcome = TBatchRun(view, 1).RunDays(days_, last, last, outputs);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(outcome.scored, 2);
  const std::string date = DateOf(days_[static_cast<std::size_t>(last)]);
  EXPECT_EQ(TextFiles(), std::vector<std::string>{"D" + date + ".TXT"});
  EXPECT_TRUE(home_.ReadFile("ANA.CSV").empty());
}

TEST(BatchCaption, OneDateOrARange) {
  EXPECT_EQ(SjisToUtf8(BatchCaption("2025/12/27", "2025/12/27")), "一括予想（2025/12/27）");
  EXPECT_EQ(SjisToUtf8(BatchCaption("2025/12/20", "2025/12/27")), "一括予想（2025/12/20～2025/12/27）");
  EXPECT_EQ(BatchDateText(20251227), "2025/12/27");
}

}  // namespace
