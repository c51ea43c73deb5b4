#include "sample/sample_world.h"

#include <algorithm>

namespace sample {

namespace {

template <typename T, typename Key>
const T* FindSorted(const std::vector<T>& items, Key key, Key T::*field) {
  auto it = std::lower_bound(items.begin(), items.end(), key,
                             [field](const T& item, Key k) { return item.*field < k; });
  return it != items.end() && (*it).*field == key ? &*it : nullptr;
}

}  // namespace

double THorse::AbilityAt(int dateNumber) const {
  // Age in years with the fraction of the season: horses age on 1 January
  // but grow through the year.
  double age = (dateNumber / 10000 - birthDate / 10000) + ((dateNumber / 100) % 100 - 1) / 12.0;
  double growth;
  if (age < 2.0) {
    growth = -2.0;
  } else if (age < peakAge) {
    // From -1.2 at two to 0 at the peak.
    growth = -1.2 * (peakAge - age) / (peakAge - 2.0);
  } else {
    // A slow fade after the peak, faster from seven on.
    double past = age - peakAge;
    growth = -0.18 * past - (age > 7.0 ? 0.25 * (age - 7.0) * (age - 7.0) : 0.0);
  }
  return ability + growth;
}

const TPerson* TWorld::Jockey(int code) const { return FindSorted(jockeys, code, &TPerson::code); }
const TPerson* TWorld::Trainer(int code) const { return FindSorted(trainers, code, &TPerson::code); }
const TBreeder* TWorld::Breeder(int code) const { return FindSorted(breeders, code, &TBreeder::code); }
const TOwner* TWorld::Owner(int code) const { return FindSorted(owners, code, &TOwner::code); }
const TBreedingHorse* TWorld::Breeding(int number) const {
  return FindSorted(breedingHorses, number, &TBreedingHorse::number);
}

}  // namespace sample
