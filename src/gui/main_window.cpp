#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <exception>

#include "analysis/process_objects.h"
#include "app/front_end.h"
#include "app/output_folders.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/version.h"
#include "gui/batch_dialog.h"
#include "gui/help.h"
#include "gui/import_dialog.h"
#include "gui/jvlink_settings_dialog.h"
#include "gui/maintenance_dialog.h"
#include "gui/options/about_box.h"
#include "gui/options/option_basic.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"
#include "import/local_jvlink.h"

TMainForm* _MainForm = nullptr;

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// "20250105120000" as "2025/01/05 12:00:00".
QString TimestampText(const std::string& stamp) {
  if (stamp.size() != 14) return ToQString(stamp);
  return QString::fromStdString(stamp.substr(0, 4) + "/" + stamp.substr(4, 2) + "/" + stamp.substr(6, 2) + " " +
                                stamp.substr(8, 2) + ":" + stamp.substr(10, 2) + ":" + stamp.substr(12, 2));
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  _MainForm = this;
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(ToQString(ApplicationTitle()));
  workspace_ = new QMdiArea(this);
  workspace_->setObjectName(QStringLiteral("Workspace"));
  workspace_->setBackground(palette().brush(QPalette::Dark));
  setCentralWidget(workspace_);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  BuildMenus();

  jvlinkFactory_ = [] { return std::make_unique<TLocalJVLink>(); };
  fileOpener_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

  RestoreMainWindowPlacement(*this);
  DefaultOutputFolders();
  CreateProcessObjects();

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
  timer_->start();

  // The rest runs once the window exists and the event loop runs.
  QTimer::singleShot(0, this, &TMainForm::DeferredStart);
}

TMainForm::~TMainForm() {
  if (!placementSaved_) SaveMainWindowPlacement(*this);
  jvlink_.reset();
  DestroyProcessObjects();
  if (_MainForm == this) _MainForm = nullptr;
}

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const char* caption, void (TMainForm::*handler)()) {
  QAction* action = menu->addAction(Text(caption));
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, handler] {
    // A command that fails shows why and leaves the window running.
    try {
      (this->*handler)();
    } catch (const std::exception& error) {
      FrontEnd().ShowError(error.what());
    }
  });
  return action;
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = bar->addMenu(Text("ファイル(&F)"));
  file->setObjectName(QStringLiteral("File1"));
  AddItem(file, "R1", "出馬表", &TMainForm::R1Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
  AddItem(file, "T1", "特別登録馬名表", &TMainForm::T1Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
  AddItem(file, "R2", "成績（開催別）", &TMainForm::R2Click);
  AddItem(file, "R3", "地方海外（月別）", &TMainForm::R3Click);
  AddItem(file, "R4", "地方海外（場別）", &TMainForm::R4Click);
  AddItem(file, "YS", "開催スケジュール", &TMainForm::YSClick);
  file->addSeparator()->setObjectName(QStringLiteral("N1"));
  AddItem(file, "B1", "一括予想(&B)", &TMainForm::B1Click);
  file->addSeparator()->setObjectName(QStringLiteral("N3"));
  AddItem(file, "Exit1", "終了(&X)", &TMainForm::Exit1Click);

  owner1_ = bar->addMenu(Text("管理者(&A)"));
  owner1_->setObjectName(QStringLiteral("Owner1"));
  AddItem(owner1_, "A1", "検証(&A)", &TMainForm::A1Click);
  AddItem(owner1_, "M1", "再構築(&R)", &TMainForm::M1Click);
  // Shown once the deferred start has made the JV-Link instance.
  owner1_->menuAction()->setVisible(false);

  QMenu* database = bar->addMenu(Text("データベース(&D)"));
  database->setObjectName(QStringLiteral("D1"));
  AddItem(database, "U1", "更新(&U)", &TMainForm::U1Click);
  database->addSeparator()->setObjectName(QStringLiteral("N2"));
  AddItem(database, "SA", "完全セットアップ(&A)", &TMainForm::SAClick);
  AddItem(database, "SM", "最小セットアップ(&M)", &TMainForm::SMClick);
  QMenu* split = database->addMenu(Text("分割セットアップ(&D)"));
  split->setObjectName(QStringLiteral("N5"));
  split->menuAction()->setObjectName(QStringLiteral("N5"));
  AddItem(split, "DIFF", "蓄積情報セットアップ(&D)", &TMainForm::DIFFClick);
  AddItem(split, "RACE", "レース情報セットアップ(&R)", &TMainForm::RACEClick);
  AddItem(split, "BLOD", "血統情報セットアップ(&B)", &TMainForm::BLODClick);
  AddItem(split, "SLOP", "坂路調教情報セットアップ(&S)", &TMainForm::SLOPClick);
  database->addSeparator()->setObjectName(QStringLiteral("N4"));
  AddItem(database, "KOL", "KOL予想オッズ登録(&K)", &TMainForm::KOLClick);

  QMenu* option = bar->addMenu(Text("オプション(&O)"));
  option->setObjectName(QStringLiteral("Option1"));
  AddItem(option, "O1", "基本設定(&E)", &TMainForm::O1Click);
  AddItem(option, "O2", "JV-Link設定(&J)", &TMainForm::O2Click);

  QMenu* help = bar->addMenu(Text("ヘルプ(&H)"));
  help->setObjectName(QStringLiteral("Help1"));
  AddItem(help, "Contents1", "目次(&C)", &TMainForm::Contents1Click);
  AddItem(help, "About1", "バージョン情報(&A)...", &TMainForm::About1Click);
}

void TMainForm::DeferredStart() {
  if (started_) return;
  started_ = true;
  try {
    jvlink_ = jvlinkFactory_();
  } catch (const std::exception&) {
    jvlink_.reset();
  }
  if (jvlink_ == nullptr) {
    FrontEnd().ShowError(SJ("JV-Linkがインストールされていません。") + "\n" +
                         SJ("詳細はJRA-VANのホームページを参照して下さい。"));
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  jvlink_->SetUIPropertiesHandler([this] { return ShowJVLinkSettings(); });
  owner1_->menuAction()->setVisible(true);
  setWindowTitle(ToQString(ApplicationTitle()));
}

// The workspace is repainted, and the status bar tells how current the
// database is (another program, the command line, may have updated it).
void TMainForm::Timer1Timer() {
  workspace_->viewport()->update();
  const std::string last = ReadString(ini::kJvLink, ini::kLastFileTimeStamp, "");
  const QString text = last.empty() ? ToQString(SJ("セットアップが完了していません"))
                                    : Text("最終更新 ") + TimestampText(last);
  if (statusBar()->currentMessage() != text) statusBar()->showMessage(text);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  SaveMainWindowPlacement(*this);
  placementSaved_ = true;
  QMainWindow::closeEvent(event);
}

void TMainForm::NotAvailable(const char* caption) {
  FrontEnd().ShowInformation(SJ("「") + Utf8ToSjis(caption) + SJ("」の画面はまだ利用できません。"));
}

void TMainForm::R1Click() { NotAvailable("出馬表"); }
void TMainForm::T1Click() { NotAvailable("特別登録馬名表"); }
void TMainForm::R2Click() { NotAvailable("成績（開催別）"); }
void TMainForm::R3Click() { NotAvailable("地方海外（月別）"); }
void TMainForm::R4Click() { NotAvailable("地方海外（場別）"); }
void TMainForm::YSClick() { NotAvailable("開催スケジュール"); }
void TMainForm::A1Click() { NotAvailable("検証"); }
void TMainForm::KOLClick() { NotAvailable("KOL予想オッズ登録"); }

void TMainForm::B1Click() {
  TBatchProcess dialog(this);
  dialog.exec();
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::M1Click() {
  TMaintenance dialog(this);
  dialog.exec();
}

void TMainForm::ShowImport(int mode) {
  TImport dialog(this, mode);
  dialog.exec();
}

void TMainForm::U1Click() { ShowImport(20); }
void TMainForm::SAClick() { ShowImport(11); }
void TMainForm::SMClick() { ShowImport(12); }
void TMainForm::RACEClick() { ShowImport(13); }
void TMainForm::DIFFClick() { ShowImport(14); }
void TMainForm::BLODClick() { ShowImport(15); }
void TMainForm::SLOPClick() { ShowImport(16); }

void TMainForm::O1Click() {
  TOptionBasic dialog(this);
  dialog.SetHelpOpener([this] { OpenHelp(this, fileOpener_, QStringLiteral("options")); });
  dialog.exec();
}

void TMainForm::O2Click() {
  if (jvlink_ != nullptr) jvlink_->JVSetUIProperties();
}

int TMainForm::ShowJVLinkSettings() {
  TJVLinkSettingsDialog dialog(this);
  dialog.exec();
  return dialog.Result();
}

void TMainForm::Contents1Click() { OpenHelp(this, fileOpener_, QString()); }

void TMainForm::About1Click() {
  TAboutBox dialog(this);
  dialog.exec();
}
