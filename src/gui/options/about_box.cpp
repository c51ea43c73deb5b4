#include "gui/options/about_box.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/program_folder.h"
#include "app/version.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"

TAboutBox* _AboutBox = nullptr;

QString AboutVersionText() {
  QString text = ToQString(VersionText());
  const QFileInfo baseTimes(ToQString(DataFolder() + "BASETIME.DAT"));
  if (baseTimes.exists()) {
    text += QStringLiteral("\n\n") + QString::fromUtf8("基準データ ") +
            baseTimes.lastModified().date().toString(QStringLiteral("yyyy/MM/dd")) + QString::fromUtf8(" 版");
  }
  return text;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  _AboutBox = this;
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QString::fromUtf8("バージョン情報"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* panel = new QHBoxLayout;
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  picture->setAlignment(Qt::AlignTop);
  panel->addWidget(picture);
  auto* texts = new QVBoxLayout;
  productName_ = new QLabel(ToQString(ProductTitle()), this);
  productName_->setObjectName(QStringLiteral("ProductName"));
  version_ = new QLabel(AboutVersionText(), this);
  version_->setObjectName(QStringLiteral("Version"));
  texts->addWidget(productName_);
  texts->addWidget(version_);
  texts->addStretch();
  panel->addLayout(texts);
  panel->addSpacing(24);
  layout->addLayout(panel);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

TAboutBox::~TAboutBox() {
  if (_AboutBox == this) _AboutBox = nullptr;
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CentreOverMainWindow(*this);
}
