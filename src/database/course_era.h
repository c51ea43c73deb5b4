// Course eras: the months from which a racecourse's track was rebuilt, so
// that times before and after are not compared with each other.
#pragma once

#include <span>

struct TCourseEra {
  int Venue;       // racecourse code
  int FirstMonth;  // month number (YYYYMM) from which the new era runs
};

// The 16 rebuilds, in table order.
std::span<const TCourseEra> CourseEraTable();

// Venue×10 + 1, plus 1 for every rebuild of the racecourse that began at or
// before `monthNumber`. A racecourse that was never rebuilt (and code 0)
// always gives Venue×10 + 1.
int CourseEraNumber(int venue, int monthNumber);
