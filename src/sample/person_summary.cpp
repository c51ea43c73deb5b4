#include "sample/person_summary.h"

namespace sample {

namespace {

bool Started(const TRunner& runner) {
  return runner.abnormality == 0 || (runner.abnormality >= 4 && runner.abnormality <= 7);
}

void AddRide(TYearSummary& block, const TRace& race, const TRunner& runner) {
  if (race.surface == kJump) {
    block.jump.Add(runner.position);
    block.jumpPrize += runner.prize;
    block.jumpAdded += runner.added;
    return;
  }
  block.flat.Add(runner.position);
  block.flatPrize += runner.prize;
  block.flatAdded += runner.added;
  block.byVenue[static_cast<std::size_t>(race.venue - 1)][race.surface == kTurf ? 0 : 1].Add(
      runner.position);
  block.distance[static_cast<std::size_t>(DistanceRow(race.surface, race.distance))].Add(
      runner.position);
}

}  // namespace

int TCountSet::Rides() const {
  int total = 0;
  for (int count : counts) total += count;
  return total;
}

int DistanceRow(int surface, int distance) {
  int row = distance <= 1600 ? 0 : distance <= 2200 ? 1 : 2;
  return surface == kTurf ? row : row + 3;
}

TSummaries::TSummaries(const TWorld& world, int date) : date_(date), horses_(world.horses.size()) {
  const int thisYear = date / 10000;
  empty_.blocks[0].year = thisYear;
  empty_.blocks[1].year = thisYear - 1;
  empty_.blocks[2].year = thisYear;

  for (const TRace& race : world.races) {
    if (race.date > date) break;  // races are in key order, so in date order
    if (!race.settled) continue;
    const bool central = race.venue >= 1 && race.venue <= kJraVenueCount;
    const int year = race.date / 10000;
    const int block = year == thisYear ? 0 : year == thisYear - 1 ? 1 : -1;
    for (const TRunner& runner : race.runners) {
      if (!Started(runner)) continue;
      const THorse* horse = nullptr;
      if (runner.horse >= 0 && static_cast<std::size_t>(runner.horse) < world.horses.size()) {
        horse = &world.horses[static_cast<std::size_t>(runner.horse)];
        TMasterStats& stats = horses_[static_cast<std::size_t>(runner.horse)];
        ++stats.starts;
        (race.surface == kJump ? stats.jumpPrize : stats.flatPrize) += runner.prize;
        (race.surface == kJump ? stats.jumpAdded : stats.flatAdded) += runner.added;
      }
      if (!central) continue;
      TPersonSummary* people[4] = {
          &Entry(jockeys_, runner.jockeyCode), &Entry(trainers_, runner.trainerCode),
          horse != nullptr ? &Entry(breeders_, horse->breederCode) : nullptr,
          &Entry(owners_, runner.ownerCode)};
      for (TPersonSummary* person : people) {
        if (person == nullptr) continue;
        AddRide(person->blocks[2], race, runner);
        if (block >= 0) AddRide(person->blocks[static_cast<std::size_t>(block)], race, runner);
      }
    }
  }
}

const TMasterStats& TSummaries::Horse(int horse) const {
  if (horse < 0 || static_cast<std::size_t>(horse) >= horses_.size()) return noHorse_;
  return horses_[static_cast<std::size_t>(horse)];
}

const TPersonSummary& TSummaries::Find(const TMap& map, int code) const {
  auto it = map.find(code);
  return it != map.end() ? it->second : empty_;
}

TPersonSummary& TSummaries::Entry(TMap& map, int code) {
  return map.try_emplace(code, empty_).first->second;
}

}  // namespace sample
