// TOptionBasic: the basic settings dialog ("基本設定").
//
// Page "出力": the folders of the five prediction files and the TARGET
// index type. Page "予想オッズ": the KOL folder and the FKEIBADO file of the
// predicted odds and whether to use them. OK writes every value; when one of
// the four predicted-odds values changed, the odds list forgets the
// predicted odds so that the next request reads them again.
#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TOptionBasic : public QDialog {
  Q_OBJECT

 public:
  // Asks for a folder, the title naming what it is for; "" when cancelled.
  using TFolderPicker = std::function<QString(QWidget* owner, const QString& title)>;
  // Asks for a file, preset with a name; "" when cancelled.
  using TFilePicker = std::function<QString(QWidget* owner, const QString& preset)>;

  explicit TOptionBasic(QWidget* parent);
  ~TOptionBasic() override;

  void SetFolderPicker(TFolderPicker picker) { folderPicker_ = std::move(picker); }
  void SetFilePicker(TFilePicker picker) { filePicker_ = std::move(picker); }
  void SetHelpOpener(std::function<void()> opener) { helpOpener_ = std::move(opener); }

  // True once OK found a changed predicted-odds value and had the odds
  // list forget its predicted odds.
  bool OddsCleared() const { return oddsCleared_; }

  QTabWidget* Pages() const { return pages_; }
  QLineEdit* FolderEdit(int index) const { return folderEdits_[index]; }  // YOSO, SNIPER, WARS, OVERS, TF_EXT
  QPushButton* FolderButton(int index) const { return folderButtons_[index]; }
  QLineEdit* EditKOL() const { return editKol_; }
  QLineEdit* EditFKEIBADO() const { return editFkeibado_; }
  QCheckBox* CheckBoxKOL() const { return checkKol_; }
  QCheckBox* CheckBoxFKEIBADO() const { return checkFkeibado_; }
  QPushButton* ButtonKOL() const { return buttonKol_; }
  QPushButton* ButtonFKEIBADO() const { return buttonFkeibado_; }
  QButtonGroup* ExtType() const { return extType_; }
  QPushButton* HelpButton() const { return helpButton_; }

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildOutputPage();
  QWidget* BuildOddsPage();
  void PickFolder(QLineEdit* edit, const QString& title);
  void PickFile();

  QTabWidget* pages_ = nullptr;
  QLineEdit* folderEdits_[5] = {};
  QPushButton* folderButtons_[5] = {};
  QButtonGroup* extType_ = nullptr;
  QLineEdit* editKol_ = nullptr;
  QLineEdit* editFkeibado_ = nullptr;
  QCheckBox* checkKol_ = nullptr;
  QCheckBox* checkFkeibado_ = nullptr;
  QPushButton* buttonKol_ = nullptr;
  QPushButton* buttonFkeibado_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  TFolderPicker folderPicker_;
  TFilePicker filePicker_;
  std::function<void()> helpOpener_;
  bool oddsCleared_ = false;
  bool shown_ = false;
};

extern TOptionBasic* _OptionBasic;
