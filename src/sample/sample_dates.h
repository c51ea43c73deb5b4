// Calendar arithmetic on date numbers (YYYYMMDD).
#pragma once

namespace sample {

// Days since 1970-01-01 of a date number, and back.
int DaysOf(int date);
int DateOf(int days);
int AddDays(int date, int days);
// 0 Sunday, 1 Monday ... 6 Saturday.
int DayOfWeek(int date);
// The n-th (1-based) given weekday (0 Sunday ... 6 Saturday) of a month.
int NthWeekday(int year, int month, int weekday, int n);

}  // namespace sample
