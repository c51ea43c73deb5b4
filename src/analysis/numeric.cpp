#include "analysis/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Days from 1 January of year 0 to the date, or -1 for no date.
long long DayNumber(int date) {
  if (date <= 0) return -1;
  const int year = date / 10000;
  const int month = date / 100 % 100;
  const int day = date % 100;
  if (month < 1 || month > 12 || day < 1 || day > 31) return -1;
  static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = year % 4 == 0;
  // Leap years before `year`: 0, 4, 8, ...
  long long days = 365LL * year + (year + 3) / 4;
  days += kDaysBefore[month - 1] + (leap && month > 2 ? 1 : 0);
  return days + day - 1;
}

}  // namespace

int DaysBetween(int date1, int date2) {
  const long long a = DayNumber(date1);
  const long long b = DayNumber(date2);
  if (a < 0 || b < 0) return 0;
  return static_cast<int>(std::llabs(a - b));
}

TLine WeightedLine(const double* w, const double* x, const double* y, int count) {
  double s = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (int i = 0; i < count; ++i) {
    s += w[i];
    sx += w[i] * x[i];
    sy += w[i] * y[i];
    sxx += w[i] * x[i] * x[i];
    sxy += w[i] * x[i] * y[i];
  }
  TLine line;
  if (!(s > 0)) return line;
  const double d = sxx * s - sx * sx;
  // d is s times the weighted spread of x, so it is 0 when every point lies
  // at one x; rounding can leave a trace of a few ulps there, which would
  // turn the quotients below into noise. Such a trace counts as 0.
  if (std::fabs(d) <= 1e-12 * std::fabs(sxx * s)) {
    line.intercept = sy / s;
    return line;
  }
  line.slope = (sxy * s - sy * sx) / d;
  line.intercept = (sxx * sy - sxy * sx) / d;
  return line;
}

TLine WeightedLine(std::span<const double> w, std::span<const double> x,
                   std::span<const double> y) {
  const std::size_t n = std::min({w.size(), x.size(), y.size()});
  return WeightedLine(w.data(), x.data(), y.data(), static_cast<int>(n));
}
