// The sample racing world from options to feed folder.
#pragma once

#include <functional>
#include <string>

#include "sample/sample_feed.h"
#include "sample/sample_world.h"

namespace sample {

// Builds the world of the options (population, calendar, every race) and
// returns it; deterministic for a seed.
TWorld BuildWorld(const TSampleOptions& options);

// Builds the world and writes its feed below options.outFolder.
TFeedStats GenerateSample(const TSampleOptions& options,
                          const std::function<void(const std::string&, double)>& progress = {});

}  // namespace sample
