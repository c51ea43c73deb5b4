// Runs the races of the sample world in date order: who enters, how each
// runner performs, the finishing times and positions, the betting market
// and payouts, and what every run does to the horse's career. The races of
// the last weekend get their fields, a market and the day's news but no
// results; those of the weekend after get their special registrations.
#pragma once

#include "sample/sample_random.h"
#include "sample/sample_world.h"

namespace sample {

// Needs the population and the calendar of the world.
void RunWorld(TWorld& world, TRandom random);

// The frame number of horse number `horseNo` in a field of `runners`
// (JRA rule: up to 8 runners one per frame, more fill the outer frames
// first with a second and third horse).
int FrameOf(int horseNo, int runners);

// The 3-character margin code of a gap of `seconds` to the horse in front.
std::string MarginCode(double seconds);

}  // namespace sample
