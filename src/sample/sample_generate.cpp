#include "sample/sample_generate.h"

#include <stdexcept>

#include "sample/sample_calendar.h"
#include "sample/sample_population.h"
#include "sample/sample_random.h"
#include "sample/sample_simulation.h"

namespace sample {

TWorld BuildWorld(const TSampleOptions& options) {
  if (options.fromYear < 1990 || options.toYear > 2099 || options.fromYear > options.toYear) {
    throw std::invalid_argument("the years must run from 1990 to 2099, the first not after the last");
  }
  if (!(options.scale > 0.0 && options.scale <= 4.0)) {
    throw std::invalid_argument("the scale must lie above 0 and at most 4");
  }
  TWorld world;
  world.options = options;
  TRandom random(options.seed);
  BuildPopulation(world, random.Fork("population"));
  BuildCalendar(world, random.Fork("calendar"));
  RunWorld(world, random.Fork("races"));
  return world;
}

TFeedStats GenerateSample(const TSampleOptions& options,
                          const std::function<void(const std::string&, double)>& progress) {
  if (progress) progress("world", 0.0);
  TWorld world = BuildWorld(options);
  return WriteFeed(world, progress);
}

}  // namespace sample
