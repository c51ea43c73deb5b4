// TMainForm: the frame of the desktop program.
//
// A multiple-document window: its menu bar opens every other window,
// dialog and run; child windows (race lists, race cards, horses, persons,
// analysis) live in its workspace, the runs and option dialogs are modal.
// It creates the process-wide objects when it is made and destroys them
// when it goes, keeps its placement in the settings file, and holds the
// local JV-Link whose settings dialog the "JV-Link設定(&J)" command opens.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMenu;
class QTimer;
class TLocalJVLink;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Makes the JV-Link instance at the deferred start; a throw means that
  // it cannot be made.
  using TJVLinkFactory = std::function<std::unique_ptr<TLocalJVLink>()>;
  // Opens a file with the desktop's viewer; false when there is none.
  using TFileOpener = std::function<bool(const QString& path)>;

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The JV-Link instance, null until the deferred start has made it.
  TLocalJVLink* JVLink() const { return jvlink_.get(); }
  QMdiArea* Workspace() const { return workspace_; }
  QTimer* Timer() const { return timer_; }

  // For tests and other platforms: how the JV-Link instance is made and how
  // the help file is opened.
  void SetJVLinkFactory(TJVLinkFactory factory) { jvlinkFactory_ = std::move(factory); }
  void SetFileOpener(TFileOpener opener) { fileOpener_ = std::move(opener); }

  // The deferred start: runs once the window exists and the event loop
  // runs (posted by the constructor). Public so that a test can run it.
  void DeferredStart();

  // The menu commands.
  void R1Click();
  void T1Click();
  void R2Click();
  void R3Click();
  void R4Click();
  void YSClick();
  void B1Click();
  void Exit1Click();
  void A1Click();
  void M1Click();
  void U1Click();
  void SAClick();
  void SMClick();
  void DIFFClick();
  void RACEClick();
  void BLODClick();
  void SLOPClick();
  void KOLClick();
  void O1Click();
  void O2Click();
  void Contents1Click();
  void About1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, void (TMainForm::*handler)());
  void Timer1Timer();
  void ShowImport(int mode);
  // A window that a later version of the program brings.
  void NotAvailable(const char* caption);
  int ShowJVLinkSettings();

  QMdiArea* workspace_ = nullptr;
  QTimer* timer_ = nullptr;
  QMenu* owner1_ = nullptr;
  std::unique_ptr<TLocalJVLink> jvlink_;
  TJVLinkFactory jvlinkFactory_;
  TFileOpener fileOpener_;
  bool started_ = false;
  bool placementSaved_ = false;
};

// The one main window, null when there is none.
extern TMainForm* _MainForm;
