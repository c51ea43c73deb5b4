#include "database/race_texts.h"

#include "app/number_text.h"
#include "app/sjis.h"

namespace {

constexpr double kThird = 1.0 / 3.0;
constexpr double kTwoThirds = 2.0 / 3.0;

// "%2s" of a number as a two-column number, then the unit.
std::string CountText(int count, const std::string& unit) {
  std::string number = TwoColumnNumber(count);
  if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
  return number + unit;
}

}  // namespace

std::string PositionGauge(double early, double late) {
  if (!(late >= 0)) return std::string();
  if (late == 0) {
    if (early == 0) return "<-   ";
    if (early <= kThird) return "<--  ";
    if (early <= kTwoThirds) return "<--- ";
    return "<----";
  }
  if (late <= kThird) {
    if (early <= kThird) return " <-  ";
    if (early <= kTwoThirds) return " <-- ";
    return " <---";
  }
  if (late <= kTwoThirds) {
    if (early <= kTwoThirds) return "  <- ";
    return "  <--";
  }
  return "   <-";
}

std::string RestIntervalText(int days) {
  if (days <= 0) return std::string();
  // In 64 bits: the largest day count must not overflow on the way.
  long long weeks = (static_cast<long long>(days) + 4) / 7;
  if (weeks <= 1) return SJ("連闘");
  if (weeks <= 9) return CountText(static_cast<int>(weeks), SJ("週"));
  int months = days / 30;
  if (months < 100) return CountText(months, SJ("月"));
  return CountText(days / 365, SJ("年"));
}
