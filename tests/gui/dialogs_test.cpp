// The modal dialogs of the main window: opened from their menu items and
// closed with Esc, and what the option, version, JV-Link and help windows do.
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "gui/help.h"
#include "gui/import_dialog.h"
#include "gui/jvlink_settings_dialog.h"
#include "gui/main_window.h"
#include "gui/options/about_box.h"
#include "gui/options/option_basic.h"
#include "gui_test_support.h"
#include "import/jvlink_settings.h"
#include "support/temp_home.h"

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class GuiDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    form_ = std::make_unique<TMainForm>();
    form_->show();
    QApplication::processEvents();
  }
  void TearDown() override { form_.reset(); }

  // Triggers a menu item; once its modal window shows, takes its picture
  // and presses Esc. Returns the window's title.
  QString OpenAndEscape(const char* item, const std::string& shot) {
    QString title;
    bool seen = false;
    WhenModal([&](QWidget& modal) {
      seen = true;
      title = modal.windowTitle();
      SaveScreenshot(modal, shot);
      QTest::keyClick(&modal, Qt::Key_Escape);
    });
    form_->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    EXPECT_TRUE(seen) << item;
    EXPECT_EQ(ModalWindow(), nullptr) << item;
    return title;
  }

  TTempHome home_;
  TGuiFrontEnd front_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(GuiDialogs, EachOpensFromItsMenuItemAndClosesWithEsc) {
  EXPECT_EQ(OpenAndEscape("O1", "options-output"), Text("基本設定"));
  EXPECT_EQ(OpenAndEscape("About1", "version"), Text("バージョン情報"));
  EXPECT_EQ(OpenAndEscape("O2", "jvlink-settings"), Text("JV-Link設定"));
  EXPECT_TRUE(front_.messages.empty());
  // Cancelled: nothing written.
  EXPECT_FALSE(SectionExists(ini::kInPut));
  EXPECT_FALSE(std::filesystem::exists(JVLinkSettingsPath()));
}

TEST_F(GuiDialogs, DialogsAreCentredOverTheMainWindow) {
  form_->move(300, 200);
  form_->resize(900, 700);
  TAboutBox about(form_.get());
  about.show();
  QApplication::processEvents();
  const QRect main = form_->frameGeometry();
  const QRect own = about.frameGeometry();
  EXPECT_EQ(own.left(), main.left() + (main.width() - own.width()) / 2);
  EXPECT_EQ(own.top(), main.top() + (main.height() - own.height()) / 2);
  // Never above or left of the screen's origin.
  form_->move(-600, -500);
  TAboutBox small(form_.get());
  small.show();
  QApplication::processEvents();
  EXPECT_EQ(small.pos(), QPoint(0, 0));
}

TEST_F(GuiDialogs, VersionLabelNamesTheBaseTimeFileDateWhenThereIsOne) {
  EXPECT_EQ(AboutVersionText(), Text("Version 1.3.2"));
  const std::string file = home_.WriteFile("DATA/BASETIME.DAT", "x\r\n");
  const QDateTime stamp(QDate(2004, 5, 1), QTime(12, 0));
  std::filesystem::last_write_time(
      file, std::filesystem::file_time_type::clock::now() +
                std::chrono::seconds(stamp.toSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch()));
  EXPECT_EQ(AboutVersionText(), Text("Version 1.3.2\n\n基準データ 2004/05/01 版"));
  TAboutBox about(form_.get());
  EXPECT_EQ(about.ProductName()->text(), Text("ミズナラ for JRA-VAN Data Lab."));
  about.show();
  QApplication::processEvents();
  SaveScreenshot(about, "version-with-base-times");
}

TEST_F(GuiDialogs, BasicSettingsWriteEveryValueAndReloadOddsOnlyOnAChangedInput) {
  WriteString(ini::kInPut, ini::kKolPath, "/kol/");
  WriteBool(ini::kInPut, ini::kKol, true);
  struct TCase {
    const char* name;
    std::function<void(TOptionBasic&)> change;
    bool reload;
  };
  const TCase cases[] = {
      {"nothing changed", [](TOptionBasic&) {}, false},
      {"index type only", [](TOptionBasic& d) { d.ExtType()->button(1)->setChecked(true); }, false},
      {"an output folder", [](TOptionBasic& d) { d.FolderEdit(0)->setText(QStringLiteral("/yoso/")); }, false},
      {"KOL switched off", [](TOptionBasic& d) { d.CheckBoxKOL()->setChecked(false); }, true},
      {"FKEIBADO file", [](TOptionBasic& d) { d.EditFKEIBADO()->setText(QStringLiteral("/log/FK.LOG")); }, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TOptionBasic dialog(form_.get());
    EXPECT_EQ(dialog.Pages()->currentIndex(), 0);
    EXPECT_EQ(dialog.FolderEdit(1)->text(), Q(home_.path() + "TEXT/"));  // the first-run default
    c.change(dialog);
    dialog.accept();
    EXPECT_EQ(dialog.OddsCleared(), c.reload);
  }
  EXPECT_EQ(ReadInteger(ini::kOutPut, ini::kTfExtType, -1), 1);
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kYosoPath, ""), "/yoso/");
  EXPECT_FALSE(ReadBool(ini::kInPut, ini::kKol, true));
  EXPECT_EQ(ReadString(ini::kInPut, ini::kKolPath, ""), "/kol/");
  EXPECT_EQ(ReadString(ini::kInPut, ini::kFkeibadoLog, ""), "/log/FK.LOG");
  // Cancel writes nothing.
  TOptionBasic dialog(form_.get());
  dialog.FolderEdit(0)->setText(QStringLiteral("/other/"));
  dialog.reject();
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kYosoPath, ""), "/yoso/");
}

TEST_F(GuiDialogs, BasicSettingsPickersFillTheirEditsAndACancelledPickKeepsThem) {
  TOptionBasic dialog(form_.get());
  QString answer;
  QString asked;
  dialog.SetFolderPicker([&](QWidget*, const QString& title) {
    asked = title;
    return answer;
  });
  dialog.SetFilePicker([&](QWidget*, const QString& preset) {
    asked = preset;
    return answer;
  });
  int helps = 0;
  dialog.SetHelpOpener([&] { ++helps; });
  dialog.show();
  QApplication::processEvents();

  answer = QStringLiteral("/out/wars");
  QTest::mouseClick(dialog.FolderButton(2), Qt::LeftButton);
  EXPECT_EQ(asked, Text("WARS形式"));
  EXPECT_EQ(dialog.FolderEdit(2)->text(), QStringLiteral("/out/wars/"));
  answer.clear();
  QTest::mouseClick(dialog.FolderButton(2), Qt::LeftButton);
  EXPECT_EQ(dialog.FolderEdit(2)->text(), QStringLiteral("/out/wars/"));
  QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
  EXPECT_EQ(helps, 1);

  dialog.Pages()->setCurrentIndex(1);
  SaveScreenshot(dialog, "options-predicted-odds");
  dialog.EditFKEIBADO()->setText(QStringLiteral("/log/OLD.LOG"));
  answer.clear();
  QTest::mouseClick(dialog.ButtonFKEIBADO(), Qt::LeftButton);
  EXPECT_EQ(asked, QStringLiteral("/log/OLD.LOG"));
  EXPECT_EQ(dialog.EditFKEIBADO()->text(), QStringLiteral("/log/OLD.LOG"));
  answer = QStringLiteral("/log/NEW.LOG");
  QTest::mouseClick(dialog.ButtonFKEIBADO(), Qt::LeftButton);
  EXPECT_EQ(dialog.EditFKEIBADO()->text(), QStringLiteral("/log/NEW.LOG"));
  answer = QStringLiteral("/kol");
  QTest::mouseClick(dialog.ButtonKOL(), Qt::LeftButton);
  EXPECT_EQ(dialog.EditKOL()->text(), QStringLiteral("/kol/"));
  // The help has no page for the predicted odds.
  QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
  EXPECT_EQ(helps, 1);
}

TEST_F(GuiDialogs, JVLinkSettingsAreKeptInItsOwnFileThroughTheMenu) {
  WhenModal([&](QWidget& modal) {
    auto& dialog = static_cast<TJVLinkSettingsDialog&>(modal);
    dialog.SetFolderPicker([](QWidget*, const QString&) { return QStringLiteral("/feed/here"); });
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("FeedPathButton")), Qt::LeftButton);
    dialog.KeyEdit()->setText(QStringLiteral("MYKEY\nSecond=1"));
    dialog.accept();
  });
  form_->findChild<QAction*>(QStringLiteral("O2"))->trigger();
  const TJVLinkSettings settings = ReadJVLinkSettings();
  EXPECT_EQ(settings.feedPath, "/feed/here/");
  EXPECT_EQ(settings.savePath, home_.path() + "JVCACHE/");
  EXPECT_EQ(settings.serviceKey, "MYKEYSecond=1");  // one line, whatever was typed
}

TEST_F(GuiDialogs, ImportWindowRunsItsModeAndClosesItself) {
  WriteJVLinkSetting(jvlink_ini::kServiceKey, "TESTKEY");
  struct TCase {
    int mode;
    const char* caption;
    TRecordingFrontEnd::TMessage::TKind kind;
    const char* text;  // "" for no message
  };
  const TCase cases[] = {
      {11, "セットアップ", TRecordingFrontEnd::TMessage::TKind::kInformation, "更新データ無し"},
      {20, "更新", TRecordingFrontEnd::TMessage::TKind::kError, "セットアップが完了していません"},
      {99, "", TRecordingFrontEnd::TMessage::TKind::kError, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.mode);
    front_.messages.clear();
    TImport dialog(form_.get(), c.mode);
    EXPECT_EQ(dialog.windowTitle(), Text(c.caption));
    front_.onMessage = [&] { SaveScreenshot(dialog, "import-" + std::to_string(c.mode)); };
    dialog.exec();
    front_.onMessage = nullptr;
    EXPECT_FALSE(dialog.isVisible());
    if (*c.text == '\0') {
      EXPECT_TRUE(front_.messages.empty());
    } else {
      ASSERT_EQ(front_.messages.size(), 1u);
      EXPECT_EQ(front_.messages[0].kind, c.kind);
      EXPECT_EQ(front_.messages[0].text, Utf8ToSjis(c.text));
    }
  }
}

TEST_F(GuiDialogs, HelpOpensTheHelpFileWithTheDesktopViewerElseTheOwnManual) {
  QString opened;
  bool viewer = true;
  const auto opener = [&](const QString& path) {
    opened = path;
    return viewer;
  };
  QWidget* manual = OpenHelp(form_.get(), opener, QString());
  ASSERT_NE(manual, nullptr);  // no help file
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_TRUE(manual->isVisible());
  EXPECT_TRUE(static_cast<QTextBrowser*>(manual)->toPlainText().contains(Text("一括予想")));
  SaveScreenshot(*manual, "help-manual");
  manual->close();
  QApplication::processEvents();

  home_.WriteFile("Umayado.chm", "ITSF");
  EXPECT_EQ(OpenHelp(form_.get(), opener, QString()), nullptr);
  EXPECT_EQ(opened, Q(home_.path() + "Umayado.chm"));
  viewer = false;  // no viewer on the desktop
  EXPECT_NE(OpenHelp(form_.get(), opener, QStringLiteral("options")), nullptr);
}

}  // namespace
