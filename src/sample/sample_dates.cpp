#include "sample/sample_dates.h"

namespace sample {

int DaysOf(int date) {
  int y = date / 10000;
  int m = (date / 100) % 100;
  int d = date % 100;
  y -= m <= 2;
  int era = (y >= 0 ? y : y - 399) / 400;
  int yoe = y - era * 400;
  int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int DateOf(int days) {
  int z = days + 719468;
  int era = (z >= 0 ? z : z - 146096) / 146097;
  int doe = z - era * 146097;
  int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int y = yoe + era * 400;
  int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int mp = (5 * doy + 2) / 153;
  int d = doy - (153 * mp + 2) / 5 + 1;
  int m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
  return y * 10000 + m * 100 + d;
}

int AddDays(int date, int days) { return DateOf(DaysOf(date) + days); }

int DayOfWeek(int date) {
  int days = DaysOf(date);  // 1970-01-01 was a Thursday
  return ((days % 7) + 11) % 7;
}

int NthWeekday(int year, int month, int weekday, int n) {
  int first = year * 10000 + month * 100 + 1;
  int offset = (weekday - DayOfWeek(first) + 7) % 7;
  return AddDays(first, offset + 7 * (n - 1));
}

}  // namespace sample
