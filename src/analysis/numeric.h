// Numeric helpers shared by the analysis: whole days between two date
// numbers and the weighted least-squares line.
#pragma once

#include <span>

// The number of whole days between two date numbers (YYYYMMDD), always
// positive or 0. Every year divisible by 4 counts as a leap year. A date
// that is 0 or below, or whose month is not 1-12 or whose day is not 1-31,
// is no date, and the result is then 0.
int DaysBetween(int date1, int date2);

// A straight line y = slope × x + intercept.
struct TLine {
  double slope = 0;
  double intercept = 0;
};

// The line fitted through `count` points (x[i], y[i]) with weights w[i] by
// weighted least squares. When the points all lie at one x the line is flat
// at their weighted mean; when the weights sum to 0 or less it is 0.
TLine WeightedLine(const double* w, const double* x, const double* y, int count);
// The same over spans of equal length (the shortest one counts).
TLine WeightedLine(std::span<const double> w, std::span<const double> x,
                   std::span<const double> y);
