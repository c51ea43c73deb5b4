// TBatchProcess: the batch prediction window ("一括予想").
//
// Variant 1, opened from the main menu, predicts every race of the JRA
// race-card days between two chosen days; variant 2, opened from a race
// list, the races handed over. The window is the run's view: status panel 0
// the elapsed time, panel 1 the current activity. Its start button becomes
// the stop button while the run works; Esc and the close button close it
// only while it is idle. Closing stores the chosen days and output check
// boxes in the settings section "Batch<variant>".
#pragma once

#include <QDialog>
#include <chrono>
#include <vector>

#include "app/front_end.h"
#include "batch/batch_run.h"
#include "database/key_info.h"
#include "database/race.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class TDaySpinBox;

class TBatchProcess : public QDialog, public TRunView {
  Q_OBJECT

 public:
  // Variant 1: the race-card days. Without any, shows "出馬表ファイルが
  // ありません。" and closes at once.
  explicit TBatchProcess(QWidget* parent);
  // Variant 2: the races, in this order.
  TBatchProcess(QWidget* parent, std::vector<TRace> races);
  ~TBatchProcess() override;

  void SetCaption(const std::string& text) override;
  void SetStatus(int line, const std::string& text) override;
  void SetProgress(int bar, int position, int maximum) override;
  bool Cancelled() const override { return state_ == TState::kStopRequested; }
  void Cancel() override;

  enum class TState { kIdle, kRunning, kStopRequested };
  TState State() const { return state_; }
  int Variant() const { return variant_; }
  const TBatchOutcome& Outcome() const { return outcome_; }

  TDaySpinBox* UpDown1() const { return upDown1_; }
  TDaySpinBox* UpDown2() const { return upDown2_; }
  QPushButton* StartButton() const { return startButton_; }
  QCheckBox* OutputBox(char key) const;

  // The start button: starts the run when idle; while it runs, asks
  // "本当に中止しますか？" and on Yes stops it at the next race.
  void BitBtn1Click();

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Build();
  void RestoreSettings();
  void StoreSettings();
  void DaysChanged();
  void CaptionChanged();
  void Timer1Timer();
  void SetControlsEnabled(bool enabled);
  TBatchOutputs ChosenOutputs() const;

  int variant_;
  std::vector<TKeyInfo> days_;
  std::vector<TRace> races_;
  TState state_ = TState::kIdle;
  TBatchOutcome outcome_;
  std::chrono::steady_clock::time_point start_;
  bool shown_ = false;
  bool closed_ = false;
  bool noDays_ = false;
  QString firstDate_, lastDate_;

  QGroupBox* groupBox1_ = nullptr;
  QGroupBox* groupBox2_ = nullptr;
  QGroupBox* groupBox3_ = nullptr;
  TDaySpinBox* upDown1_ = nullptr;
  TDaySpinBox* upDown2_ = nullptr;
  QCheckBox* checkD_ = nullptr;
  QCheckBox* checkS_ = nullptr;
  QCheckBox* checkW_ = nullptr;
  QCheckBox* checkO_ = nullptr;
  QCheckBox* checkT_ = nullptr;
  QCheckBox* checkKP_ = nullptr;
  QCheckBox* checkWP_ = nullptr;
  QCheckBox* checkTC_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* panel0_ = nullptr;
  QLabel* panel1_ = nullptr;
  QPushButton* startButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QTimer* timer_ = nullptr;
};

extern TBatchProcess* _BatchProcess;
