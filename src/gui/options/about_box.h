// TAboutBox: the version dialog ("バージョン情報"): the product title, the
// version and, when base times have been made, the date of their file.
#pragma once

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent);
  ~TAboutBox() override;

  QLabel* ProductName() const { return productName_; }
  QLabel* Version() const { return version_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* productName_ = nullptr;
  QLabel* version_ = nullptr;
  bool shown_ = false;
};

// The text of the version label: "Version 1.3.2", followed by two line
// breaks, "基準データ ", the date of the base-time file and " 版" when
// BASETIME.DAT is in the data folder.
QString AboutVersionText();

extern TAboutBox* _AboutBox;
