#include "gui/run_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "gui/qt_text.h"
#include "gui/window_placement.h"

TRunDialog::TRunDialog(QWidget* parent, int bars) : QDialog(parent) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  for (int bar = 0; bar < bars; ++bar) {
    auto* progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("ProgressBar%1").arg(bar + 1));
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);
    layout->addWidget(progress);
    bars_.push_back(progress);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  cancelButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString::fromUtf8("中止"), this);
  cancelButton_->setObjectName(QStringLiteral("BitBtn1"));
  cancelButton_->setAutoDefault(false);
  connect(cancelButton_, &QPushButton::clicked, this, [this] { Cancel(); });
  buttons->addWidget(cancelButton_);
  buttons->addStretch();
  layout->addLayout(buttons);
  auto* statusBar = new QStatusBar(this);
  statusBar->setObjectName(QStringLiteral("StatusBar1"));
  statusBar->setSizeGripEnabled(false);
  status_ = new QLabel(statusBar);
  status_->setMinimumWidth(360);
  statusBar->addWidget(status_, 1);
  layout->addWidget(statusBar);
  layout->setContentsMargins(8, 8, 8, 0);
}

void TRunDialog::SetCaption(const std::string& text) { setWindowTitle(ToQString(text)); }

void TRunDialog::SetStatus(int /*line*/, const std::string& text) { status_->setText(ToQString(text)); }

void TRunDialog::SetProgress(int bar, int position, int maximum) {
  QProgressBar* progress = ProgressBar(bar);
  if (progress == nullptr) return;
  progress->setRange(0, std::max(maximum, 1));
  progress->setValue(std::clamp(position, 0, std::max(maximum, 1)));
}

QProgressBar* TRunDialog::ProgressBar(int bar) const {
  if (bar < 0 || bar >= static_cast<int>(bars_.size())) return nullptr;
  return bars_[static_cast<std::size_t>(bar)];
}

void TRunDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CentreOverMainWindow(*this);
  // The run starts once the window is on the screen.
  QTimer::singleShot(0, this, &TRunDialog::Start);
}

void TRunDialog::Start() {
  if (!isVisible()) return;  // closed before the run began
  running_ = true;
  // A run that fails says why; the window still closes.
  try {
    Run();
  } catch (const std::exception& error) {
    FrontEnd().ShowError(error.what());
  }
  running_ = false;
  QTimer::singleShot(0, this, &TRunDialog::accept);
}

void TRunDialog::reject() {
  // While the run works, closing the window asks it to stop; the window
  // closes when the run has ended.
  if (running_) {
    Cancel();
    return;
  }
  QDialog::reject();
}
