// A full setup from the database menu on a small sample feed.
#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "gui/main_window.h"
#include "gui_test_support.h"
#include "support/sample_database.h"
#include "support/temp_home.h"

namespace {

TEST(GuiSetup, FullSetupFromTheMenuFillsTheDatabaseAndKeepsTheTimestamp) {
  EnsureGuiApplication();
  TTempHome home;
  TGuiFrontEnd front;
  WriteSampleFeed(home.path(), 2024, 2024, 3, 0.03);

  auto form = std::make_unique<TMainForm>();
  form->show();
  QApplication::processEvents();
  int filesRead = 0;
  front.onMessage = [&] {
    QWidget* modal = ModalWindow();
    ASSERT_NE(modal, nullptr);
    filesRead = modal->findChild<QProgressBar*>(QStringLiteral("ProgressBar2"))->value();
    SaveScreenshot(*modal, "import-full-setup");
  };
  form->findChild<QAction*>(QStringLiteral("SA"))->trigger();
  EXPECT_EQ(front.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation),
            std::vector<std::string>{SJ("セットアップ終了")});
  EXPECT_TRUE(front.Errors().empty());
  EXPECT_GT(filesRead, 0);
  EXPECT_EQ(ModalWindow(), nullptr);
  EXPECT_FALSE(ReadString(ini::kJvLink, ini::kLastFileTimeStamp, "").empty());
  EXPECT_TRUE(std::filesystem::exists(home.path() + "DATA/RA/2024.IDX"));
  // The status bar tells when the database was last brought up to date.
  QTest::qWait(1100);
  EXPECT_TRUE(form->statusBar()->currentMessage().startsWith(QString::fromUtf8("最終更新 ")))
      << form->statusBar()->currentMessage().toStdString();
}

}  // namespace
