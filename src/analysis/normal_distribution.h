// The standard normal curve as the scoring and the person statistics use
// it: the density without the division by the deviation, and the
// cumulative distribution read from a table of 8000 upper-tail values.
#pragma once

// exp(−z²/2) ÷ √(2π) with z = (x − mean) ÷ deviation. Not divided by the
// deviation: the callers scale it themselves.
double NormalDensity(double mean, double deviation, double x);

// The probability that a normal variable of that mean and deviation lies
// below x, read from the table: z is held within ±3.9995 and cut down to a
// step of 1/2000. A z that is no number (a deviation of 0 at the mean)
// counts as 0.
double NormalDistribution(double mean, double deviation, double x);

// The table: T[k] is the upper-tail probability of the standard normal
// distribution at k ÷ 2000 (k = 0 … 7999), rounded to eight decimals.
inline constexpr int kNormalTableSize = 8000;
double NormalUpperTail(int k);
