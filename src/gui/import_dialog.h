// TImport: the window of an import run: a setup (modes 11 to 16), an update
// (20) or the quick-news fetch of chosen races (30). It has its own JV-Link
// instance, starts by itself and closes when the run is done.
#pragma once

#include <memory>
#include <vector>

#include "database/race_id.h"
#include "gui/run_dialog.h"

class TImportRun;
class TJVLink;

class TImport : public TRunDialog {
  Q_OBJECT

 public:
  // A setup or update run. `jvlink`: the JV-Link to read from (null: a
  // local JV-Link of the window's own); the caller keeps ownership.
  TImport(QWidget* parent, int mode, TJVLink* jvlink = nullptr);
  // The quick-news fetch of the races.
  TImport(QWidget* parent, std::vector<TRaceID> races, TJVLink* jvlink = nullptr);
  ~TImport() override;

  const TImportRun& ImportRun() const { return *run_; }

 protected:
  void Run() override;

 private:
  void Init(TJVLink* jvlink);

  std::unique_ptr<TJVLink> ownJVLink_;
  std::unique_ptr<TImportRun> run_;
  int mode_;
  std::vector<TRaceID> races_;
};

extern TImport* _Import;
