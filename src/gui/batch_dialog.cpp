#include "gui/batch_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <exception>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "gui/day_spin_box.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"

TBatchProcess* _BatchProcess = nullptr;

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QCheckBox* AddBox(QWidget* parent, QLayout* layout, const char* name, const char* caption) {
  auto* box = new QCheckBox(Text(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  layout->addWidget(box);
  return box;
}

std::vector<int> DateNumbers(const std::vector<TKeyInfo>& days) {
  std::vector<int> dates;
  for (const TKeyInfo& day : days) dates.push_back(day.DateNumber());
  return dates;
}

}  // namespace

TBatchProcess::TBatchProcess(QWidget* parent) : QDialog(parent), variant_(1) {
  days_ = TBatchRun::MeetingDays();
  Build();
  if (days_.empty()) {
    noDays_ = true;
    FrontEnd().ShowError(SJ("出馬表ファイルがありません。"));
    QTimer::singleShot(0, this, &QDialog::reject);
    return;
  }
  RestoreSettings();
}

TBatchProcess::TBatchProcess(QWidget* parent, std::vector<TRace> races)
    : QDialog(parent), variant_(2), races_(std::move(races)) {
  Build();
  RestoreSettings();
}

TBatchProcess::~TBatchProcess() {
  if (_BatchProcess == this) _BatchProcess = nullptr;
}

void TBatchProcess::Build() {
  _BatchProcess = this;
  setObjectName(QStringLiteral("BatchProcess"));
  setWindowTitle(Text("一括予想"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  groupBox1_ = new QGroupBox(Text("予想期間"), this);
  groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
  auto* range = new QHBoxLayout(groupBox1_);
  const std::vector<int> dates = DateNumbers(days_);
  upDown1_ = new TDaySpinBox(groupBox1_, dates);
  upDown1_->setObjectName(QStringLiteral("UpDown1"));
  upDown2_ = new TDaySpinBox(groupBox1_, dates);
  upDown2_->setObjectName(QStringLiteral("UpDown2"));
  auto* label1 = new QLabel(Text("～"), groupBox1_);
  label1->setObjectName(QStringLiteral("Label1"));
  range->addWidget(upDown1_);
  range->addWidget(label1);
  range->addWidget(upDown2_);
  range->addStretch();
  layout->addWidget(groupBox1_);

  groupBox2_ = new QGroupBox(Text("出力ファイル形式"), this);
  groupBox2_->setObjectName(QStringLiteral("GroupBox2"));
  auto* files = new QVBoxLayout(groupBox2_);
  checkD_ = AddBox(groupBox2_, files, "CheckBoxD", "詳細形式(&1)");
  checkS_ = AddBox(groupBox2_, files, "CheckBoxS", "SNIPER仕様CSV形式(&2)");
  checkW_ = AddBox(groupBox2_, files, "CheckBoxW", "WARS形式(&3)");
  checkO_ = AddBox(groupBox2_, files, "CheckBoxO", "OVERS形式(&4)");
  checkT_ = AddBox(groupBox2_, files, "CheckBoxT", "TARGET外部指数(&5)");
  layout->addWidget(groupBox2_);

  groupBox3_ = new QGroupBox(Text("出力ＰＡＤ形式"), this);
  groupBox3_->setObjectName(QStringLiteral("GroupBox3"));
  auto* pads = new QVBoxLayout(groupBox3_);
  checkKP_ = AddBox(groupBox3_, pads, "CheckBoxKP", "FKEIBADO馬券塾投票用(&C)");
  checkWP_ = AddBox(groupBox3_, pads, "CheckBoxWP", "W.A.R.S.コンテスト投票用(&B)");
  checkTC_ = AddBox(groupBox3_, pads, "CheckBoxTC", "TARGET仕様CSV形式(&A)");
  layout->addWidget(groupBox3_);

  // The period in variant 1 only; the entry files in variant 2 only, and
  // not for special registrations (no odds to stake on).
  groupBox1_->setVisible(variant_ == 1);
  groupBox3_->setVisible(variant_ == 2 && !races_.empty() && races_.front().DataKind() > 1);

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setTextVisible(false);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  layout->addWidget(progress_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  startButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), Text("開始(&S)"), this);
  startButton_->setObjectName(QStringLiteral("BitBtn1"));
  connect(startButton_, &QPushButton::clicked, this, &TBatchProcess::BitBtn1Click);
  closeButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), Text("閉じる(&C)"), this);
  closeButton_->setObjectName(QStringLiteral("BitBtn2"));
  closeButton_->setAutoDefault(false);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(startButton_);
  buttons->addWidget(closeButton_);
  layout->addLayout(buttons);

  auto* statusBar = new QStatusBar(this);
  statusBar->setObjectName(QStringLiteral("StatusBar1"));
  statusBar->setSizeGripEnabled(false);
  panel0_ = new QLabel(statusBar);
  panel0_->setMinimumWidth(130);
  panel1_ = new QLabel(statusBar);
  panel1_->setMinimumWidth(200);
  statusBar->addWidget(panel0_);
  statusBar->addWidget(panel1_, 1);
  layout->addWidget(statusBar);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &TBatchProcess::Timer1Timer);

  connect(upDown1_, &QSpinBox::valueChanged, this, &TBatchProcess::DaysChanged);
  connect(upDown2_, &QSpinBox::valueChanged, this, &TBatchProcess::DaysChanged);
}

void TBatchProcess::RestoreSettings() {
  const std::string section = ini::BatchSection(variant_);
  if (variant_ == 1) {
    const int last = static_cast<int>(days_.size()) - 1;
    int first = 0, end = last;
    if (ReadInteger(section, ini::kSelect, 0) <= 1) {
      first = ReadInteger(section, ini::kStart, 0);
      end = ReadInteger(section, ini::kEnd, last);
    }
    // Stored positions of a longer or shorter list are brought into range.
    first = std::clamp(first, 0, last);
    end = std::clamp(end, first, last);
    upDown1_->setRange(0, last);
    upDown2_->setRange(0, last);
    upDown2_->setValue(end);
    upDown1_->setValue(first);
    DaysChanged();
  } else if (!races_.empty()) {
    firstDate_ = ToQString(BatchDateText(races_.front().DateNumber()));
    lastDate_ = ToQString(BatchDateText(races_.back().DateNumber()));
    CaptionChanged();
  }
  const TBatchOutputs outputs = ReadBatchOutputs(variant_);
  checkD_->setChecked(outputs.detail);
  checkS_->setChecked(outputs.sniper);
  checkW_->setChecked(outputs.wars);
  checkO_->setChecked(outputs.overs);
  checkT_->setChecked(outputs.target);
}

void TBatchProcess::StoreSettings() {
  const std::string section = ini::BatchSection(variant_);
  if (variant_ == 1 && ReadInteger(section, ini::kSelect, 0) <= 1) {
    WriteInteger(section, ini::kStart, upDown1_->value());
    WriteInteger(section, ini::kEnd, upDown2_->value());
  }
  TBatchOutputs outputs = ChosenOutputs();
  WriteBatchOutputs(variant_, outputs);
}

// The range can never be inverted: the first day goes up to the last one,
// the last day down to the first one.
void TBatchProcess::DaysChanged() {
  const QSignalBlocker block1(upDown1_);
  const QSignalBlocker block2(upDown2_);
  upDown1_->setMaximum(upDown2_->value());
  upDown2_->setMinimum(upDown1_->value());
  firstDate_ = upDown1_->DateText();
  lastDate_ = upDown2_->DateText();
  CaptionChanged();
}

void TBatchProcess::CaptionChanged() { setWindowTitle(ToQString(BatchCaption(ToSjis(firstDate_), ToSjis(lastDate_)))); }

QCheckBox* TBatchProcess::OutputBox(char key) const {
  switch (key) {
    case 'D': return checkD_;
    case 'S': return checkS_;
    case 'W': return checkW_;
    case 'O': return checkO_;
    case 'T': return checkT_;
    default: return nullptr;
  }
}

TBatchOutputs TBatchProcess::ChosenOutputs() const {
  TBatchOutputs outputs;
  outputs.detail = checkD_->isChecked();
  outputs.sniper = checkS_->isChecked();
  outputs.wars = checkW_->isChecked();
  outputs.overs = checkO_->isChecked();
  outputs.target = checkT_->isChecked();
  outputs.targetCsv = groupBox3_->isVisibleTo(this) && checkTC_->isChecked();
  return outputs;
}

void TBatchProcess::SetCaption(const std::string& text) { setWindowTitle(ToQString(text)); }

void TBatchProcess::SetStatus(int line, const std::string& text) {
  (line == 0 ? panel0_ : panel1_)->setText(ToQString(text));
}

void TBatchProcess::SetProgress(int /*bar*/, int position, int maximum) {
  progress_->setRange(0, std::max(maximum, 1));
  progress_->setValue(std::clamp(position, 0, std::max(maximum, 1)));
}

void TBatchProcess::Cancel() {
  if (state_ == TState::kRunning) state_ = TState::kStopRequested;
}

void TBatchProcess::SetControlsEnabled(bool enabled) {
  closeButton_->setEnabled(enabled);
  groupBox1_->setEnabled(enabled);
  groupBox2_->setEnabled(enabled);
  groupBox3_->setEnabled(enabled);
}

void TBatchProcess::BitBtn1Click() {
  if (state_ == TState::kRunning) {
    if (FrontEnd().Confirm(SJ("本当に中止しますか？"), false)) Cancel();
    return;
  }
  if (state_ != TState::kIdle || noDays_) return;
  state_ = TState::kRunning;
  startButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  startButton_->setText(Text("中止(&S)"));
  SetControlsEnabled(false);
  start_ = std::chrono::steady_clock::now();
  timer_->start();
  panel1_->clear();
  TBatchRun run(*this, variant_);
  // A run that fails says why and leaves the window ready for the next.
  try {
    if (variant_ == 1) {
      outcome_ = run.RunDays(days_, upDown1_->value(), upDown2_->value(), ChosenOutputs());
    } else {
      outcome_ = run.RunRaces(races_, ChosenOutputs());
    }
  } catch (const std::exception& error) {
    FrontEnd().ShowError(error.what());
  }
  raise();
  activateWindow();
  timer_->stop();
  state_ = TState::kIdle;
  startButton_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  startButton_->setText(Text("開始(&S)"));
  SetControlsEnabled(true);
}

void TBatchProcess::Timer1Timer() {
  const long long seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_).count();
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  panel0_->setText(Text("経過時間：") + QString::fromLatin1(text));
}

void TBatchProcess::done(int result) {
  // Esc and the close button do nothing while the run works.
  if (state_ != TState::kIdle) return;
  if (!closed_ && !noDays_) StoreSettings();
  closed_ = true;
  QDialog::done(result);
}

void TBatchProcess::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CentreOverMainWindow(*this);
}
