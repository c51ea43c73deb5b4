// The settings dialog of the local JV-Link ("JV-Link設定"): the feed folder
// it serves data from, the save folder of its downloads and the service key,
// kept in jvlink.ini in the program folder.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

class TJVLinkSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for a folder, the title naming what it is for; "" when cancelled.
  using TFolderPicker = std::function<QString(QWidget* owner, const QString& title)>;

  explicit TJVLinkSettingsDialog(QWidget* parent);

  void SetFolderPicker(TFolderPicker picker) { folderPicker_ = std::move(picker); }

  // What JVSetUIProperties gives: 0, or -100 when the settings could not be
  // saved.
  int Result() const { return result_; }

  QLineEdit* FeedEdit() const { return feed_; }
  QLineEdit* SaveEdit() const { return save_; }
  QLineEdit* KeyEdit() const { return key_; }

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PickFolder(QLineEdit* edit, const QString& title);

  QLineEdit* feed_ = nullptr;
  QLineEdit* save_ = nullptr;
  QLineEdit* key_ = nullptr;
  TFolderPicker folderPicker_;
  int result_ = 0;
  bool shown_ = false;
};
