// The columns of a race in the race list: date, meeting, race number, name,
// kind, condition, weights, course, going, field, post time, weather.
#pragma once

#include <array>
#include <string>

#include "database/result.h"

inline constexpr int kRaceListColumns = 12;

// The column captions ("年月日" … "天候").
const std::array<std::string, kRaceListColumns>& RaceListCaptions();

// The texts of one race's row (CP932).
std::array<std::string, kRaceListColumns> RaceListRow(const TResult& race);
