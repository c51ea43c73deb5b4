// TRunDialog: the small modal window of a long run (import, maintenance).
//
// Progress bars, a status text and a "中止" button. The run starts by itself
// once the window is shown and the window closes itself when the run ends.
// The window is the run's view: the "中止" button, Esc and the window's
// close button set the cancel flag while the run works.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/front_end.h"

class QLabel;
class QProgressBar;
class QPushButton;

class TRunDialog : public QDialog, public TRunView {
  Q_OBJECT

 public:
  TRunDialog(QWidget* parent, int bars);

  void SetCaption(const std::string& text) override;
  void SetStatus(int line, const std::string& text) override;
  void SetProgress(int bar, int position, int maximum) override;
  bool Cancelled() const override { return cancelled_; }
  void Cancel() override { cancelled_ = true; }

  QProgressBar* ProgressBar(int bar) const;
  QLabel* StatusText() const { return status_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  bool Running() const { return running_; }

 public slots:
  void reject() override;

 protected:
  // The run itself. The window closes after it returns.
  virtual void Run() = 0;
  void showEvent(QShowEvent* event) override;

 private:
  void Start();

  std::vector<QProgressBar*> bars_;
  QLabel* status_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  bool shown_ = false;
  bool running_ = false;
  bool cancelled_ = false;
};
