// The maintenance and batch runs from their windows, on a small sample
// database.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/batch_run.h"
#include "gui/batch_dialog.h"
#include "gui/day_spin_box.h"
#include "gui/main_window.h"
#include "gui/maintenance_dialog.h"
#include "gui_test_support.h"
#include "support/sample_database.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class GuiRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    CopySampleDatabase(home_.path());
    form_ = std::make_unique<TMainForm>();  // creates the process-wide objects
    form_->show();
    QApplication::processEvents();
  }
  void TearDown() override { form_.reset(); }

  bool Exists(const std::string& relative) const { return fs::exists(home_.path() + relative); }

  TTempHome home_;
  TGuiFrontEnd front_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(GuiRuns, MaintenanceFromTheMenuRebuildsTheTablesAndDeletesItsBackups) {
  QString captionAtEnd;
  front_.onMessage = [&] {
    QWidget* modal = ModalWindow();
    ASSERT_NE(modal, nullptr);
    captionAtEnd = modal->windowTitle();
    SaveScreenshot(*modal, "maintenance-done");
  };
  form_->findChild<QAction*>(QStringLiteral("M1"))->trigger();
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス完了")});
  EXPECT_TRUE(captionAtEnd.endsWith(Text("回目）"))) << captionAtEnd.toStdString();
  EXPECT_EQ(ModalWindow(), nullptr);
  EXPECT_TRUE(Exists("DATA/BASETIME.DAT"));
  EXPECT_TRUE(Exists("DATA/LEVEL.DAT"));
  EXPECT_FALSE(Exists("DATA/BASETIME.BAK"));
  EXPECT_FALSE(Exists("DATA/LEVEL.BAK"));
}

TEST_F(GuiRuns, EscDuringMaintenanceStopsItAndLeavesTheFilesUntouched) {
  TMaintenance dialog(form_.get());
  front_.onPending = [&] {
    if (!dialog.Running()) return true;
    SaveScreenshot(dialog, "maintenance-running");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return false;
  };
  dialog.exec();
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("メンテナンス中止")});
  EXPECT_TRUE(dialog.Outcome().cancelled);
  EXPECT_FALSE(Exists("DATA/BASETIME.DAT"));
}

TEST_F(GuiRuns, BatchFromItsWindowPredictsTheChosenDaysAndKeepsTheChoices) {
  const std::vector<TKeyInfo> days = TBatchRun::MeetingDays();
  ASSERT_GE(days.size(), 3u);
  const int last = static_cast<int>(days.size()) - 2;  // the last settled day
  {
    TBatchProcess dialog(form_.get());
    dialog.show();
    QApplication::processEvents();
    // The whole range at first: the first and the last day.
    EXPECT_EQ(dialog.UpDown1()->value(), 0);
    EXPECT_EQ(dialog.UpDown2()->value(), static_cast<int>(days.size()) - 1);
    dialog.UpDown2()->setValue(last);
    dialog.UpDown1()->setValue(last - 1);
    const QString first = Q(BatchDateText(days[last - 1].DateNumber()));
    const QString second = Q(BatchDateText(days[last].DateNumber()));
    EXPECT_EQ(dialog.windowTitle(), Text("一括予想（") + first + Text("～") + second + Text("）"));
    dialog.OutputBox('D')->setChecked(true);
    dialog.OutputBox('S')->setChecked(true);
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.State(), TBatchProcess::TState::kIdle);
    EXPECT_EQ(dialog.Outcome().days, 2);
    EXPECT_GT(dialog.Outcome().scored, 0);
    EXPECT_FALSE(dialog.Outcome().stopped);
    EXPECT_EQ(dialog.findChild<QStatusBar*>()->findChildren<QLabel*>()[1]->text(), Text("完了"));
    EXPECT_EQ(dialog.StartButton()->text(), Text("開始(&S)"));
    const QProgressBar* bar = dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->maximum(), 2 * TBatchRun::kRacesPerDay);
    EXPECT_EQ(bar->value(), bar->maximum());
    SaveScreenshot(dialog, "batch-done");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(Exists("TEXT/D" + std::to_string(days[last].DateNumber()) + ".TXT"));
  EXPECT_TRUE(Exists("TEXT/FRC.DAT"));
  EXPECT_FALSE(Exists("TEXT/W" + std::to_string(days[last].DateNumber()) + ".TXT"));
  EXPECT_TRUE(Exists("ANA.CSV"));
  EXPECT_EQ(ReadInteger(ini::kBatch1, ini::kStart, -1), last - 1);
  EXPECT_EQ(ReadInteger(ini::kBatch1, ini::kEnd, -1), last);
  EXPECT_EQ(ReadInteger(ini::kBatch1, ini::kD, -1), 1);
  EXPECT_EQ(ReadInteger(ini::kBatch1, ini::kW, -1), 0);
  // The next window starts where this one ended.
  TBatchProcess again(form_.get());
  EXPECT_EQ(again.UpDown1()->value(), last - 1);
  EXPECT_EQ(again.UpDown2()->value(), last);
  EXPECT_TRUE(again.OutputBox('S')->isChecked());
}

TEST_F(GuiRuns, BatchStopsOnAConfirmedStopAndEscWaitsForTheRunToEnd) {
  const int count = static_cast<int>(TBatchRun::MeetingDays().size());
  TBatchProcess dialog(form_.get());
  dialog.show();
  QApplication::processEvents();
  dialog.OutputBox('S')->setChecked(true);
  front_.answers = {false, true};  // the first stop is taken back
  int pending = 0;
  front_.onPending = [&] {
    ++pending;
    if (pending == 1) {
      QTest::keyClick(&dialog, Qt::Key_Escape);  // ignored while running
      EXPECT_TRUE(dialog.isVisible());
      SaveScreenshot(dialog, "batch-running");
      QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
      EXPECT_EQ(dialog.State(), TBatchProcess::TState::kRunning);
      return true;
    }
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.State(), TBatchProcess::TState::kStopRequested);
    return false;
  };
  QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
  EXPECT_EQ(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kConfirmation),
            (std::vector<std::string>{SJ("本当に中止しますか？"), SJ("本当に中止しますか？")}));
  EXPECT_TRUE(dialog.Outcome().stopped);
  EXPECT_EQ(dialog.Outcome().days, 1);
  EXPECT_EQ(dialog.State(), TBatchProcess::TState::kIdle);
  EXPECT_LT(dialog.Outcome().days, count);
  EXPECT_FALSE(Exists("TEXT/FRC.DAT"));  // the stopped day writes no group files
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(GuiRuns, BatchDaysNeverCrossAndPageKeysMoveEightDays) {
  const int count = static_cast<int>(TBatchRun::MeetingDays().size());
  ASSERT_GE(count, 10);
  TBatchProcess dialog(form_.get());
  dialog.show();
  QApplication::processEvents();
  TDaySpinBox* first = dialog.UpDown1();
  TDaySpinBox* last = dialog.UpDown2();
  last->setValue(5);
  first->setValue(0);
  QTest::keyClick(first, Qt::Key_PageUp);
  EXPECT_EQ(first->value(), 5);  // stops at the last day
  EXPECT_EQ(dialog.windowTitle(), Text("一括予想（") + first->DateText() + Text("）"));
  QTest::keyClick(last, Qt::Key_Down);
  EXPECT_EQ(last->value(), 5);  // cannot go below the first day
  QTest::keyClick(last, Qt::Key_PageUp);
  EXPECT_EQ(last->value(), 13 < count ? 13 : count - 1);
  QTest::keyClick(first, Qt::Key_PageDown);
  EXPECT_EQ(first->value(), 0);
  QTest::keyClick(first, Qt::Key_Up);
  EXPECT_EQ(first->value(), 1);
}

TEST_F(GuiRuns, BatchWithoutRaceCardsSaysSoAndClosesAtOnce) {
  fs::remove_all(home_.path() + "DATA");
  fs::create_directories(home_.path() + "DATA");
  TBatchProcess dialog(form_.get());
  EXPECT_EQ(front_.Errors(), std::vector<std::string>{SJ("出馬表ファイルがありません。")});
  dialog.exec();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(SectionExists(ini::kBatch1));
}

}  // namespace
