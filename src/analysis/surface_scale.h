// Figures of different surfaces and racecourses on one scale: the
// scoring's ratios near 1.0 are stretched for turf, shrunk for dirt and
// jumps, and shifted for local racecourses and for the meetings whose
// class ladder runs lower.
#pragma once

class TResult;

// The value x (a ratio near 1.0) of a race on the common scale:
// x′ = (x − 1) × a + 1 + b × 0.001, a = 1.24 on turf, 0.76 on dirt and
// 0.5 over jumps, b = 6 over jumps and 0 otherwise; at a racecourse of
// code above 10 the result is (x′ − 1) × 0.96 + 1, otherwise x′ + D × 0.001
// with D = 0, −3, −4, −2 by the meeting code modulo 10 (0 for a race of
// grade above 4). A race on no known surface keeps x unchanged.
double SurfaceScale(double x, const TResult& race, int meetingCode);
// The same with the meeting code that the race cache holds for the race.
double SurfaceScale(double x, const TResult& race);

// The race's combined level (no table left out) on the common scale: the
// reference of the display indices of figures and scores.
double LevelFigure(const TResult& race);

// A figure or score against a reference r: the value itself when r ≤ 0,
// else the display index max((value − r) × 700 + 50, 0).
double DisplayIndex(double value, double reference);
