// The results of the world's people and horses as of a date: the finishing
// counts and money that the jockey, trainer, breeder and owner masters carry
// in their summary blocks, and the career money of every horse.
//
// A ride is a runner of a settled race dated on or before the date that
// started (abnormality 0, or 4-7: it did not finish, was disqualified,
// remounted or was placed down). It counts in its confirmed position when
// that is 1st to 5th and in the sixth count otherwise. Only rides at the ten
// JRA racecourses count for people, as the masters hold central-racing
// statistics; a horse's money counts every race it ran in the world.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sample/sample_world.h"

namespace sample {

// Finishes: 1st, 2nd, 3rd, 4th, 5th, out of the first five.
struct TCountSet {
  std::array<int, 6> counts{};

  // Counts a ride that finished in `position` (0 when it has none).
  void Add(int position) { ++counts[position >= 1 && position <= 5 ? position - 1 : 5]; }
  int Rides() const;
  friend bool operator==(const TCountSet&, const TCountSet&) = default;
};

inline constexpr int kJraVenueCount = 10;  // racecourse codes 1-10

// Distance rows of a summary: turf up to 1600 m, up to 2200 m, over 2200 m,
// then dirt the same.
int DistanceRow(int surface, int distance);

// One summary block: a year's results, or the career.
struct TYearSummary {
  int year = 0;                // the year counted; the career block holds the year of the date
  std::int64_t flatPrize = 0;  // main prize money, hundreds of yen
  std::int64_t jumpPrize = 0;
  std::int64_t flatAdded = 0;  // added money
  std::int64_t jumpAdded = 0;
  TCountSet flat;
  TCountSet jump;
  // Flat rides by racecourse (code - 1) and surface (0 turf, 1 dirt).
  std::array<std::array<TCountSet, 2>, kJraVenueCount> byVenue{};
  std::array<TCountSet, 6> distance{};  // flat rides by DistanceRow
};

// The three blocks of a person: 0 this year, 1 last year, 2 career.
struct TPersonSummary {
  std::array<TYearSummary, 3> blocks{};
};

// A horse's career as of the date, for its master record.
struct TMasterStats {
  std::int64_t flatPrize = 0;  // main prize money, hundreds of yen
  std::int64_t jumpPrize = 0;
  std::int64_t flatAdded = 0;
  std::int64_t jumpAdded = 0;
  int starts = 0;  // races started
};

// Summaries of every person and horse of a world as of `date`, from one walk
// over the races. "This year" is the year of the date.
class TSummaries {
 public:
  TSummaries(const TWorld& world, int date);

  int date() const { return date_; }
  // A person without a ride gets empty blocks that still carry their years.
  const TPersonSummary& Jockey(int code) const { return Find(jockeys_, code); }
  const TPersonSummary& Trainer(int code) const { return Find(trainers_, code); }
  const TPersonSummary& Breeder(int code) const { return Find(breeders_, code); }
  const TPersonSummary& Owner(int code) const { return Find(owners_, code); }
  // The horse of index `horse` in TWorld::horses.
  const TMasterStats& Horse(int horse) const;

 private:
  using TMap = std::unordered_map<int, TPersonSummary>;
  const TPersonSummary& Find(const TMap& map, int code) const;
  TPersonSummary& Entry(TMap& map, int code);

  int date_ = 0;
  TMap jockeys_, trainers_, breeders_, owners_;
  std::vector<TMasterStats> horses_;
  TPersonSummary empty_;
  TMasterStats noHorse_;
};

}  // namespace sample
