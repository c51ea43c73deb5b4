// TDaySpinBox: picks one day of a list of race-card days; shows it as
// "YYYY/MM/DD". The arrow keys move one day, Page Up and Page Down eight.
#pragma once

#include <QSpinBox>
#include <vector>

class TDaySpinBox : public QSpinBox {
  Q_OBJECT

 public:
  // `dates`: date numbers (YYYYMMDD), one per position.
  TDaySpinBox(QWidget* parent, std::vector<int> dates);

  // The date text of the shown day ("" when there are no days).
  QString DateText() const { return textFromValue(value()); }

 protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::vector<int> dates_;
};
