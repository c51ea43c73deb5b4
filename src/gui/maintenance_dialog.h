// TMaintenance: the window of the maintenance run, which rebuilds the base
// times, the track-condition index and the level tables from every stored
// race. It starts by itself, names the list being rebuilt in its caption and
// closes when the run is done; when it goes it deletes the backups the
// rebuilds left.
#pragma once

#include "analysis/maintenance_run.h"
#include "gui/run_dialog.h"

class TMaintenance : public TRunDialog {
  Q_OBJECT

 public:
  explicit TMaintenance(QWidget* parent);
  ~TMaintenance() override;

  const TMaintenanceOutcome& Outcome() const { return outcome_; }

 protected:
  void Run() override;

 private:
  TMaintenanceOutcome outcome_;
};

extern TMaintenance* _Maintenance;
