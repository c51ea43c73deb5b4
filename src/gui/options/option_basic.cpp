#include "gui/options/option_basic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/odds_list.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"

TOptionBasic* _OptionBasic = nullptr;

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

struct TFolderGroup {
  const char* group;
  const char* caption;
  const char* edit;
  const char* button;
  const char* buttonCaption;
  const char* key;
};

const TFolderGroup kFolderGroups[5] = {
    {"GroupBoxYOSO", "詳細形式(&1)", "YOSO_PATH", "ButtonYOSO", "参照(&A)", ini::kYosoPath},
    {"GroupBoxSNIPER", "SNIPER仕様CSV形式(&2)", "SNIPER_PATH", "ButtonSNIPER", "参照(&B)", ini::kSniperPath},
    {"GroupBoxWARS", "WARS形式(&3)", "WARS_PATH", "ButtonWARS", "参照(&C)", ini::kWarsPath},
    {"GroupBoxOVERS", "OVERS形式(&4)", "OVERS_PATH", "ButtonOVERS", "参照(&D)", ini::kOversPath},
    {"GroupBoxTF_EXT", "TARGET外部指数(&5)", "TF_EXT_PATH", "ButtonTF_EXT", "参照(&E)", ini::kTfExtPath},
};

// A caption without its accelerator: "詳細形式(&1)" → "詳細形式".
QString PlainCaption(const QString& caption) {
  QString plain = caption;
  plain.remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
  plain.remove(QLatin1Char('&'));
  return plain;
}

// One row: the label, the edit and the browse button.
void AddPathRow(QGroupBox* group, QGridLayout* grid, int row, const char* label, QLineEdit* edit,
                QPushButton* button) {
  grid->addWidget(new QLabel(Text(label), group), row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(button, row, 2);
}

}  // namespace

TOptionBasic::TOptionBasic(QWidget* parent) : QDialog(parent) {
  _OptionBasic = this;
  setObjectName(QStringLiteral("OptionBasic"));
  setWindowTitle(Text("基本設定"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  folderPicker_ = [](QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title, QString());
  };
  filePicker_ = [](QWidget* owner, const QString& preset) {
    return QFileDialog::getOpenFileName(owner, QString(), preset, Text("ログファイル (*)"));
  };

  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->addTab(BuildOutputPage(), Text("出力"));
  pages_->addTab(BuildOddsPage(), Text("予想オッズ"));
  layout->addWidget(pages_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("BitBtn2"));
  cancel->setText(Text("キャンセル"));
  helpButton_ = buttons->addButton(QDialogButtonBox::Help);
  helpButton_->setObjectName(QStringLiteral("BitBtn3"));
  helpButton_->setText(Text("ヘルプ(&H)"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // The help has a topic for the output page only.
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (pages_->currentIndex() == 0 && helpOpener_) helpOpener_();
  });
  layout->addWidget(buttons);

  pages_->setCurrentIndex(0);
  for (int i = 0; i < 5; ++i) folderEdits_[i]->setText(ToQString(ReadString(ini::kOutPut, kFolderGroups[i].key, "")));
  const int type = ReadInteger(ini::kOutPut, ini::kTfExtType, 0);
  if (QAbstractButton* button = extType_->button(type == 1 ? 1 : 0)) button->setChecked(true);
  editKol_->setText(ToQString(ReadString(ini::kInPut, ini::kKolPath, "")));
  checkKol_->setChecked(ReadBool(ini::kInPut, ini::kKol, false));
  editFkeibado_->setText(ToQString(ReadString(ini::kInPut, ini::kFkeibadoLog, "")));
  checkFkeibado_->setChecked(ReadBool(ini::kInPut, ini::kFkeibado, false));
}

TOptionBasic::~TOptionBasic() {
  if (_OptionBasic == this) _OptionBasic = nullptr;
}

QWidget* TOptionBasic::BuildOutputPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet1"));
  auto* layout = new QVBoxLayout(page);
  for (int i = 0; i < 5; ++i) {
    const TFolderGroup& g = kFolderGroups[i];
    auto* group = new QGroupBox(Text(g.caption), page);
    group->setObjectName(QString::fromLatin1(g.group));
    auto* grid = new QGridLayout(group);
    folderEdits_[i] = new QLineEdit(group);
    folderEdits_[i]->setObjectName(QString::fromLatin1(g.edit));
    folderEdits_[i]->setMinimumWidth(280);
    folderButtons_[i] = new QPushButton(Text(g.buttonCaption), group);
    folderButtons_[i]->setObjectName(QString::fromLatin1(g.button));
    folderButtons_[i]->setAutoDefault(false);
    AddPathRow(group, grid, 0, "フォルダ名", folderEdits_[i], folderButtons_[i]);
    QLineEdit* edit = folderEdits_[i];
    const QString title = PlainCaption(group->title());
    connect(folderButtons_[i], &QPushButton::clicked, this, [this, edit, title] { PickFolder(edit, title); });
    if (i == 4) {
      auto* typeBox = new QGroupBox(Text("指数タイプ"), group);
      typeBox->setObjectName(QStringLiteral("TF_EXT_TYPE"));
      auto* types = new QHBoxLayout(typeBox);
      extType_ = new QButtonGroup(typeBox);
      auto* probability = new QRadioButton(Text("確率"), typeBox);
      auto* sp = new QRadioButton(Text("ＳＰ"), typeBox);
      extType_->addButton(probability, 0);
      extType_->addButton(sp, 1);
      types->addWidget(probability);
      types->addWidget(sp);
      grid->addWidget(typeBox, 1, 0, 1, 3);
    }
    layout->addWidget(group);
  }
  layout->addStretch();
  return page;
}

QWidget* TOptionBasic::BuildOddsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet2"));
  auto* layout = new QVBoxLayout(page);

  auto* kol = new QGroupBox(Text("KOL予想オッズ"), page);
  kol->setObjectName(QStringLiteral("GroupBoxKOL"));
  auto* kolGrid = new QGridLayout(kol);
  editKol_ = new QLineEdit(kol);
  editKol_->setObjectName(QStringLiteral("EditKOL"));
  buttonKol_ = new QPushButton(Text("参照(&A)"), kol);
  buttonKol_->setObjectName(QStringLiteral("ButtonKOL"));
  buttonKol_->setAutoDefault(false);
  AddPathRow(kol, kolGrid, 0, "フォルダ名", editKol_, buttonKol_);
  checkKol_ = new QCheckBox(Text("KOL予想オッズを利用する(&1)"), kol);
  checkKol_->setObjectName(QStringLiteral("CheckBoxKOL"));
  kolGrid->addWidget(checkKol_, 1, 0, 1, 3);
  const QString kolTitle = PlainCaption(kol->title());
  connect(buttonKol_, &QPushButton::clicked, this, [this, kolTitle] { PickFolder(editKol_, kolTitle); });
  layout->addWidget(kol);

  auto* fkeibado = new QGroupBox(Text("FKEIBADO予想オッズ"), page);
  fkeibado->setObjectName(QStringLiteral("GroupBoxFKEIBADO"));
  auto* fGrid = new QGridLayout(fkeibado);
  editFkeibado_ = new QLineEdit(fkeibado);
  editFkeibado_->setObjectName(QStringLiteral("EditFKEIBADO"));
  buttonFkeibado_ = new QPushButton(Text("参照(&B)"), fkeibado);
  buttonFkeibado_->setObjectName(QStringLiteral("ButtonFKEIBADO"));
  buttonFkeibado_->setAutoDefault(false);
  AddPathRow(fkeibado, fGrid, 0, "ファイル名", editFkeibado_, buttonFkeibado_);
  checkFkeibado_ = new QCheckBox(Text("FKEIBADO予想オッズを利用する(&2)"), fkeibado);
  checkFkeibado_->setObjectName(QStringLiteral("CheckBoxFKEIBADO"));
  fGrid->addWidget(checkFkeibado_, 1, 0, 1, 3);
  connect(buttonFkeibado_, &QPushButton::clicked, this, &TOptionBasic::PickFile);
  layout->addWidget(fkeibado);
  layout->addStretch();
  return page;
}

void TOptionBasic::PickFolder(QLineEdit* edit, const QString& title) {
  QString folder = folderPicker_(this, title);
  if (folder.isEmpty()) return;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  edit->setText(folder);
}

void TOptionBasic::PickFile() {
  const QString file = filePicker_(this, editFkeibado_->text());
  if (!file.isEmpty()) editFkeibado_->setText(file);
}

void TOptionBasic::accept() {
  for (int i = 0; i < 5; ++i) WriteString(ini::kOutPut, kFolderGroups[i].key, ToSjis(folderEdits_[i]->text()));
  WriteInteger(ini::kOutPut, ini::kTfExtType, extType_->checkedId() == 1 ? 1 : 0);
  // Every write runs; any change of the predicted-odds inputs counts.
  bool changed = WriteBool(ini::kInPut, ini::kKol, checkKol_->isChecked());
  changed = WriteString(ini::kInPut, ini::kKolPath, ToSjis(editKol_->text())) || changed;
  changed = WriteBool(ini::kInPut, ini::kFkeibado, checkFkeibado_->isChecked()) || changed;
  changed = WriteString(ini::kInPut, ini::kFkeibadoLog, ToSjis(editFkeibado_->text())) || changed;
  if (changed) {
    if (_OddsList != nullptr) _OddsList->ClearOdds(kPredictedOdds);
    oddsCleared_ = true;
  }
  QDialog::accept();
}

void TOptionBasic::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CentreOverMainWindow(*this);
}
