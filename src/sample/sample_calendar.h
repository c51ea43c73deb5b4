// The racing calendar of the sample world: the race days of the JRA
// racecourses, the local racecourses and the overseas races, each with its
// programme of races (conditions only; the simulation adds the runners).
#pragma once

#include "sample/sample_random.h"
#include "sample/sample_world.h"

namespace sample {

// Data kinds the calendar gives races, beyond the settled ones: a race of
// the schedule only (its YS record), a race of the weekend after the last
// one (its special registrations only), a race card of the last weekend.
inline constexpr int kScheduleOnly = 0;
inline constexpr int kRegistrationOnly = 1;

// Fills world.raceDays and world.races (sorted by key) for the years of the
// options, the last racing weekend as race cards, the weekend after it as
// special registrations, and three more months of schedule; sets
// world.presentDate and world.lastSettledDate.
void BuildCalendar(TWorld& world, TRandom random);

}  // namespace sample
