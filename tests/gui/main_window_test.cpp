// The main window: its menus, the first start, its placement, the deferred
// start and the commands whose windows come later.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "analysis/base_list.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/version.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui_test_support.h"
#include "import/local_jvlink.h"
#include "support/temp_home.h"

namespace {

class GuiMainWindow : public ::testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }

  static std::unique_ptr<TMainForm> Open() {
    auto form = std::make_unique<TMainForm>();
    form->show();
    QApplication::processEvents();  // the deferred start
    return form;
  }

  TTempHome home_;
  TGuiFrontEnd front_;
};

QString Caption(const char* utf8) { return QString::fromUtf8(utf8); }

// The texts of a menu's items in order; separators as "-", submenus with
// their items after them.
QStringList Items(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      items << QStringLiteral("-");
    } else {
      items << action->objectName() + QStringLiteral("=") + action->text();
      if (action->menu() != nullptr) {
        for (const QString& sub : Items(action->menu())) items << QStringLiteral("  ") + sub;
      }
    }
  }
  return items;
}

TEST_F(GuiMainWindow, MenusHoldEveryItemInOrderWithCaptionsAndShortcuts) {
  auto form = std::make_unique<TMainForm>();
  form->show();
  // The administrator menu appears only once JV-Link is there.
  QMenu* owner = form->findChild<QMenu*>(QStringLiteral("Owner1"));
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(owner->menuAction()->isVisible());
  QApplication::processEvents();
  EXPECT_TRUE(owner->menuAction()->isVisible());
  EXPECT_EQ(form->windowTitle(), Q(ApplicationTitle()));
  EXPECT_EQ(form->windowTitle(), Caption("ミズナラ for JRA-VAN Data Lab. Version 1.3.2"));

  struct TMenu {
    const char* name;
    const char* caption;
    QStringList items;
  };
  const TMenu menus[] = {
      {"File1", "ファイル(&F)",
       {Caption("R1=出馬表"), Caption("T1=特別登録馬名表"), Caption("R2=成績（開催別）"), Caption("R3=地方海外（月別）"),
        Caption("R4=地方海外（場別）"), Caption("YS=開催スケジュール"), "-", Caption("B1=一括予想(&B)"), "-",
        Caption("Exit1=終了(&X)")}},
      {"Owner1", "管理者(&A)", {Caption("A1=検証(&A)"), Caption("M1=再構築(&R)")}},
      {"D1", "データベース(&D)",
       {Caption("U1=更新(&U)"), "-", Caption("SA=完全セットアップ(&A)"), Caption("SM=最小セットアップ(&M)"),
        Caption("N5=分割セットアップ(&D)"), Caption("  DIFF=蓄積情報セットアップ(&D)"),
        Caption("  RACE=レース情報セットアップ(&R)"), Caption("  BLOD=血統情報セットアップ(&B)"),
        Caption("  SLOP=坂路調教情報セットアップ(&S)"), "-", Caption("KOL=KOL予想オッズ登録(&K)")}},
      {"Option1", "オプション(&O)", {Caption("O1=基本設定(&E)"), Caption("O2=JV-Link設定(&J)")}},
      {"Help1", "ヘルプ(&H)", {Caption("Contents1=目次(&C)"), Caption("About1=バージョン情報(&A)...")}},
  };
  const QList<QAction*> bar = form->menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(menus[i].name);
    QMenu* menu = bar[i]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QString::fromLatin1(menus[i].name));
    EXPECT_EQ(menu->title(), Caption(menus[i].caption));
    EXPECT_EQ(Items(menu), menus[i].items);
  }
  EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("R1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
  EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("T1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F6));

  QMenu* file = form->findChild<QMenu*>(QStringLiteral("File1"));
  file->popup(form->mapToGlobal(QPoint(0, 0)));
  QApplication::processEvents();
  SaveScreenshot(*file, "main-file-menu");
  file->hide();
  SaveScreenshot(*form, "main-window");
}

TEST_F(GuiMainWindow, FirstStartWritesTheDesignPlacementAndTheOutputFolders) {
  home_.WriteFile("Umayado.ini", "[OutPut]\r\nWARS_PATH=/keep/\r\nTF_EXT_TYPE=1\r\n");
  {
    auto form = Open();
    EXPECT_NE(_BaseList, nullptr);  // the process-wide objects
    EXPECT_EQ(form->pos(), QPoint(200, 182));
    EXPECT_EQ(form->size(), QSize(508, 320));
    EXPECT_EQ(form->Timer()->interval(), 1000);
    EXPECT_TRUE(form->Timer()->isActive());
  }
  EXPECT_EQ(_BaseList, nullptr);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kTop, -1), 182);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kLeft, -1), 200);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kWidth, -1), 508);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kHeight, -1), 320);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kState, -1), 0);
  const std::string text = home_.path() + "TEXT/";
  for (const char* key : {ini::kYosoPath, ini::kSniperPath, ini::kOversPath, ini::kTfExtPath}) {
    EXPECT_EQ(ReadString(ini::kOutPut, key, ""), text) << key;
  }
  // Values that were there stay.
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kWarsPath, ""), "/keep/");
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kTfExtType, ""), "1");
}

TEST_F(GuiMainWindow, PlacementSurvivesARestartAndAMaximisedCloseKeepsTheNormalOne) {
  {
    auto form = Open();
    form->move(40, 30);
    form->resize(700, 500);
    form->close();
  }
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kLeft, -1), 40);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kTop, -1), 30);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kWidth, -1), 700);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kHeight, -1), 500);
  {
    auto form = Open();
    EXPECT_EQ(form->pos(), QPoint(40, 30));
    EXPECT_EQ(form->size(), QSize(700, 500));
    form->setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    form->close();
  }
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kState, -1), 2);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kWidth, -1), 700);
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kHeight, -1), 500);
  {
    auto form = Open();
    EXPECT_TRUE(form->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(form->normalGeometry().size(), QSize(700, 500));
  }
}

TEST_F(GuiMainWindow, WithoutJVLinkItSaysSoOnceAndCloses) {
  auto form = std::make_unique<TMainForm>();
  form->SetJVLinkFactory([]() -> std::unique_ptr<TLocalJVLink> { throw std::runtime_error("no control"); });
  form->show();
  front_.onMessage = [&] { SaveScreenshot(*form, "main-without-jvlink"); };
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(front_.Errors(), std::vector<std::string>{SJ("JV-Linkがインストールされていません。") + "\n" +
                                                      SJ("詳細はJRA-VANのホームページを参照して下さい。")});
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->JVLink(), nullptr);
  EXPECT_FALSE(form->findChild<QMenu*>(QStringLiteral("Owner1"))->menuAction()->isVisible());
}

TEST_F(GuiMainWindow, CommandsOfWindowsStillToComeSaySoAndTheWindowRuns) {
  auto form = Open();
  for (const char* item : {"R1", "T1", "R2", "R3", "R4", "YS", "A1", "KOL"}) {
    form->findChild<QAction*>(QString::fromLatin1(item))->trigger();
  }
  const std::vector<std::string> texts = front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation);
  ASSERT_EQ(texts.size(), 8u);
  EXPECT_EQ(texts[0], SJ("「出馬表」の画面はまだ利用できません。"));
  EXPECT_EQ(texts[7], SJ("「KOL予想オッズ登録」の画面はまだ利用できません。"));
  EXPECT_TRUE(form->isVisible());
  form->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
