#include "analysis/run_corrections.h"

#include <algorithm>
#include <cmath>

#include "analysis/person_list.h"
#include "database/result.h"
#include "database/result_info.h"

namespace {

struct TAgeRow {
  int limit;  // age (years × 100 + month) up to which the row holds
  int k;      // size of the allowance in thousandths
  int c;      // how fast it grows with the distance
};

constexpr TAgeRow kAgeTable[] = {
    {207, 15, 30}, {208, 15, 23}, {209, 13, 23}, {210, 11, 21}, {211, 11, 18}, {212, 11, 18},
    {301, 9, 17},  {302, 9, 16},  {303, 9, 16},  {304, 9, 16},  {305, 9, 16},  {306, 7, 10},
    {307, 6, 10},  {308, 6, 9},   {309, 6, 9},   {310, 6, 8},   {311, 6, 6},   {312, 4, 6},
    {9999, 4, 2},
};

double PersonValue(TPersonList* list, int code, const TResult& race) {
  if (list == nullptr) return 0;
  return list->StatisticsValue(code, race.DateNumber(), race.Track(), race.Distance());
}

}  // namespace

double AgeAllowance(const TResult& race, const TResultInfo& entry) {
  const int age = (race.Year - entry.BirthYear()) * 100 + race.Month;
  for (const TAgeRow& row : kAgeTable) {
    if (row.limit >= age) return (1 - std::exp(-row.c * race.Distance() * 0.0001)) * row.k * 0.001;
  }
  return 0;
}

double WeightTerm(const TResult& race, const TResultInfo& entry) {
  if (entry.Carried() == 0) return 0;
  const double kg = entry.Carried() / 10.0;
  return 0.00042 * ((race.Track() >= 100 ? 60 : 58) - kg);
}

double PaceBias(const TResult& race, const TResultInfo& entry, double pace, double position) {
  if (race.Venue >= 30 || pace <= 0 || position < 0) return 0;
  // A slow pace (a below 1) costs those behind; a wide draw costs those
  // who have to come across to the front, less over a longer trip.
  const double early = std::min(0.0, pace - 1 + (0.2 - position) * 0.014) - std::min(0.0, pace - 1);
  const double draw = race.Distance() > 0 ? std::max(0, entry.HorseNo() - 5) * std::max(0.0, 0.9 - position) *
                                                0.08 / race.Distance()
                                          : 0.0;
  return 0.27 * early - draw;
}

double TrainerDeviation(const TResult& race, const TResultInfo& entry) {
  return PersonValue(_TrainerList, entry.TrainerCode(), race) - race.AverageTrainerValue();
}

double JockeyDeviation(const TResult& race, const TResultInfo& entry) {
  return PersonValue(_JockeyList, entry.JockeyCode(), race) - race.AverageJockeyValue();
}
