// Short texts of a runner's race shown in the grids. Both are CP932 and
// every width counts bytes.
#pragma once

#include <string>

// A five-column gauge of where a runner raced: `early` and `late` are its
// relative positions early and late in the race, 0 the front and 1 the
// rear, negative when unknown. "<-" stands at the late position (in thirds)
// and the dashes behind it reach back towards the early one: "<----" for a
// runner that came from the rear to win, "   <-" for one that ended in the
// rear third. An unknown (or not-a-number) late position gives "".
std::string PositionGauge(double early, double late);

// The rest before a run, from the `days` since the previous one: "" for 0
// or less, "連闘" for one week, then "%2s週" up to nine weeks, "%2s月" below
// a hundred months and "%2s年" beyond, each number as a two-column number.
std::string RestIntervalText(int days);
