#include "gui/jvlink_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/file_problem.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"
#include "import/jvlink.h"
#include "import/jvlink_settings.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TJVLinkSettingsDialog::TJVLinkSettingsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("JVLinkSettings"));
  setWindowTitle(Text("JV-Link設定"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  folderPicker_ = [](QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title, QString());
  };
  const TJVLinkSettings settings = ReadJVLinkSettings();
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto addFolder = [&](int row, const char* label, const char* name, const std::string& value) {
    auto* edit = new QLineEdit(ToQString(value), this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(320);
    auto* button = new QPushButton(Text("参照..."), this);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
    button->setAutoDefault(false);
    const QString title = Text(label);
    connect(button, &QPushButton::clicked, this, [this, edit, title] { PickFolder(edit, title); });
    grid->addWidget(new QLabel(title, this), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(button, row, 2);
    return edit;
  };
  feed_ = addFolder(0, "データフォルダ", "FeedPath", settings.feedPath);
  save_ = addFolder(1, "保存フォルダ", "SavePath", settings.savePath);
  key_ = new QLineEdit(ToQString(settings.serviceKey), this);
  key_->setObjectName(QStringLiteral("ServiceKey"));
  grid->addWidget(new QLabel(Text("サービスキー"), this), 2, 0);
  grid->addWidget(key_, 2, 1);
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TJVLinkSettingsDialog::PickFolder(QLineEdit* edit, const QString& title) {
  QString folder = folderPicker_(this, title);
  if (folder.isEmpty()) return;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  edit->setText(folder);
}

void TJVLinkSettingsDialog::accept() {
  // One line each: a line break would make a second key of the file.
  auto oneLine = [](const QLineEdit* edit) {
    QString text = edit->text().trimmed();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return ToSjis(text);
  };
  const bool written = WriteJVLinkSetting(jvlink_ini::kFeedPath, oneLine(feed_)) &&
                       WriteJVLinkSetting(jvlink_ini::kSavePath, oneLine(save_)) &&
                       WriteJVLinkSetting(jvlink_ini::kServiceKey, oneLine(key_));
  if (!written) {
    result_ = jvcode::kBadParameter;
    ReportFileProblem(JVLinkSettingsPath(), 0);
    return;
  }
  result_ = jvcode::kOk;
  QDialog::accept();
}

void TJVLinkSettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CentreOverMainWindow(*this);
}
