// The population of the sample racing world: jockeys, trainers, breeders,
// owners, the breeding stock with its pedigrees, and every horse born in the
// years the world's racing needs.
#pragma once

#include <vector>

#include "sample/sample_random.h"
#include "sample/sample_world.h"

namespace sample {

// Fills every vector of `world` except races and raceDays, for
// world.options (fromYear, toYear, scale), drawing from `random` only. The
// same options and stream give the same population.
//
// At scale 1: about 150 JRA, 60 local and 10 overseas jockeys; 200 JRA, 40
// local and 5 overseas trainers; 300 breeders; 500 owners; per birth year
// about 4,500 JRA racehorses, 1,000 local racehorses, 40 foreign runners and
// 5 % unregistered foals, born from fromYear - 8 to toYear - 2. Small scales
// keep minimum counts (24 / 8 / 2 jockeys, 16 / 6 / 2 trainers, 20
// breeders, 30 owners, 200 JRA horses a year ...).
//
// Codes: jockeys and trainers 5 digits (JRA 00600 / 01000 upward, local
// 05000, overseas 08000), in licence order within each block; breeders and
// owners 6 digits (domestic 100001 upward, overseas 900001 upward).
// Breeding numbers: stallions 1100xxxx, mares 1200xxxx (and up), their
// sires and dams of the older generation 1300xxxx, founders 1400xxxx (no
// known parents). Horse ids: birth year × 1000000 + serial, the serial
// 100001.. for JRA racehorses, 300001.. local, 500001.. foreign runners,
// 700001.. unregistered foals.
//
// Throws std::invalid_argument when toYear < fromYear or the scale is too
// large for the code blocks and name lists (above 10).
void BuildPopulation(TWorld& world, TRandom random);

// Heritable aptitudes of a breeding horse that TBreedingHorse does not hold.
// A foal's THorse::turf and THorse::distance were drawn around its sire's
// and dam's values (the sire weighing about twice the dam).
struct TBreedingTraits {
  double surface = 0;      // turf (+) or dirt (-) leaning it passes on, about N(0, 0.4)
  double distance = 1700;  // best distance of its foals in metres, 1100-3200
};

// The traits of the breeding horse `number` of a world built by
// BuildPopulation: derived from the world's seed, the number and the
// parents' traits, so the same for every caller. Unknown numbers give the
// traits of a founder with that number.
TBreedingTraits BreedingTraits(const TWorld& world, int number);

// The local racecourses whose people and horses the world holds, largest
// first: 44 大井, 43 船橋, 45 川崎, 42 浦和, 50 園田, 48 名古屋, 47 笠松,
// 46 金沢, 54 高知, 55 佐賀, 35 盛岡, 30 門別. Local trainers and jockeys are
// spread over them in this order, so a small world uses the first few;
// every local horse's homeVenue has at least one local trainer and one
// local jockey.
const std::vector<int>& LocalVenues();

}  // namespace sample
