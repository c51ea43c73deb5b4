#include "gui/maintenance_dialog.h"

TMaintenance* _Maintenance = nullptr;

TMaintenance::TMaintenance(QWidget* parent) : TRunDialog(parent, 1) {
  _Maintenance = this;
  setObjectName(QStringLiteral("Maintenance"));
  setWindowTitle(QString::fromUtf8("メンテナンス"));
}

TMaintenance::~TMaintenance() {
  DeleteMaintenanceBackups();
  if (_Maintenance == this) _Maintenance = nullptr;
}

void TMaintenance::Run() {
  TMaintenanceRun run(*this);
  outcome_ = run.Run();
  raise();
  activateWindow();
}
