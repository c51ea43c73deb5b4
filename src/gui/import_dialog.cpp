#include "gui/import_dialog.h"

#include <QTimer>

#include "gui/qt_text.h"
#include "import/import_run.h"
#include "import/local_jvlink.h"

TImport* _Import = nullptr;

TImport::TImport(QWidget* parent, int mode, TJVLink* jvlink) : TRunDialog(parent, 2), mode_(mode) { Init(jvlink); }

TImport::TImport(QWidget* parent, std::vector<TRaceID> races, TJVLink* jvlink)
    : TRunDialog(parent, 2), mode_(30), races_(std::move(races)) {
  Init(jvlink);
}

TImport::~TImport() {
  if (_Import == this) _Import = nullptr;
}

void TImport::Init(TJVLink* jvlink) {
  _Import = this;
  setObjectName(QStringLiteral("Import"));
  if (jvlink == nullptr) {
    ownJVLink_ = std::make_unique<TLocalJVLink>();
    jvlink = ownJVLink_.get();
  }
  run_ = mode_ == 30 ? std::make_unique<TImportRun>(*jvlink, *this, races_)
                     : std::make_unique<TImportRun>(*jvlink, *this, mode_);
  const std::string caption = run_->Caption();
  setWindowTitle(ToQString(caption));
  // A mode that does not exist closes the window at once.
  if (caption.empty()) QTimer::singleShot(0, this, &QDialog::reject);
}

void TImport::Run() {
  if (run_->Caption().empty()) return;
  run_->Run();
}
