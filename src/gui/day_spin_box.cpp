#include "gui/day_spin_box.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "batch/batch_run.h"
#include "gui/qt_text.h"

namespace {
constexpr int kPageDays = 8;
}

TDaySpinBox::TDaySpinBox(QWidget* parent, std::vector<int> dates) : QSpinBox(parent), dates_(std::move(dates)) {
  setRange(0, std::max(0, static_cast<int>(dates_.size()) - 1));
  lineEdit()->setReadOnly(true);
  setWrapping(false);
}

QString TDaySpinBox::textFromValue(int value) const {
  if (value < 0 || value >= static_cast<int>(dates_.size())) return QString();
  return ToQString(BatchDateText(dates_[static_cast<std::size_t>(value)]));
}

int TDaySpinBox::valueFromText(const QString& text) const {
  for (int i = 0; i < static_cast<int>(dates_.size()); ++i) {
    if (textFromValue(i) == text) return i;
  }
  return value();
}

QValidator::State TDaySpinBox::validate(QString& text, int& /*pos*/) const {
  for (int i = minimum(); i <= maximum(); ++i) {
    if (textFromValue(i) == text) return QValidator::Acceptable;
  }
  return QValidator::Intermediate;
}

void TDaySpinBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
    stepBy(event->key() == Qt::Key_PageUp ? kPageDays : -kPageDays);
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}
