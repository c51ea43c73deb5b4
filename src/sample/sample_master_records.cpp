#include "sample/sample_master_records.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "app/sjis.h"
#include "sample/sample_dates.h"
#include "sample/sample_record.h"

namespace sample {

namespace {

// Inside a person summary block, between the jump counts and the distance
// rows: the flat count sets of each JRA racecourse in code order, turf then
// dirt.
constexpr int kVenueCountsStart = 116;
constexpr int kVenueCountsStride = 2 * jv::person_summary::kDistanceRowStride;
static_assert(kVenueCountsStart ==
              jv::person_summary::kJumpCountsStart +
                  jv::person_summary::kCountStride * jv::person_summary::kCountCount);
static_assert(kVenueCountsStart + kVenueCountsStride * kJraVenueCount ==
              jv::person_summary::kDistanceRowsStart);

// RC: the record time, MSST (minutes, seconds, tenths), right after the
// track code and the record kind.
constexpr jv::TField kRecordTime{102, 4};

// A name field of full-width characters: padded with full-width blanks when
// the name is all full-width, else with half-width ones (Latin names of
// foreign horses).
void Name(TRecordWriter& record, jv::TField field, const std::string& sjis) {
  bool fullWidth = true;
  for (std::size_t i = 0; i < sjis.size(); ++i) {
    if (!IsSjisLeadByte(static_cast<unsigned char>(sjis[i]))) {
      fullWidth = false;
      break;
    }
    ++i;
  }
  record.Text(field, sjis, fullWidth);
}

jv::TField At(int start, jv::TField field) { return {start + field.offset, field.length}; }

void Counts(TRecordWriter& record, int start, const TCountSet& set) {
  for (int k = 0; k < jv::person_summary::kCountCount; ++k) {
    record.Number(Block(start, jv::person_summary::kCountStride, k, jv::person_summary::kCount),
                  set.counts[static_cast<std::size_t>(k)]);
  }
}

// A jockey or trainer summary block starting at `start`.
void PersonBlock(TRecordWriter& record, int start, const TYearSummary& block) {
  namespace ps = jv::person_summary;
  record.Number(At(start, ps::kYear), block.year);
  record.Number(At(start, ps::kFlatPrize), block.flatPrize);
  record.Number(At(start, ps::kJumpPrize), block.jumpPrize);
  record.Number(At(start, ps::kFlatAdded), block.flatAdded);
  record.Number(At(start, ps::kJumpAdded), block.jumpAdded);
  Counts(record, start + ps::kFlatCountsStart, block.flat);
  Counts(record, start + ps::kJumpCountsStart, block.jump);
  for (int venue = 0; venue < kJraVenueCount; ++venue) {
    for (int surface = 0; surface < 2; ++surface) {
      Counts(
          record,
          start + kVenueCountsStart + kVenueCountsStride * venue + ps::kDistanceRowStride * surface,
          block.byVenue[static_cast<std::size_t>(venue)][static_cast<std::size_t>(surface)]);
    }
  }
  for (int row = 0; row < ps::kDistanceRowCount; ++row) {
    Counts(record, start + ps::kDistanceRowsStart + ps::kDistanceRowStride * row,
           block.distance[static_cast<std::size_t>(row)]);
  }
}

// A breeder or owner summary block: flat racing only.
void FlatBlock(TRecordWriter& record, int start, const TYearSummary& block) {
  namespace fs = jv::flat_summary;
  record.Number(At(start, fs::kYear), block.year);
  record.Number(At(start, fs::kFlatPrize), block.flatPrize);
  record.Number(At(start, fs::kFlatAdded), block.flatAdded);
  Counts(record, start + fs::kCountsStart, block.flat);
}

// The blocks of a breeder or owner master: this year, then the career.
void FlatBlocks(TRecordWriter& record, int start, const TPersonSummary& summary) {
  FlatBlock(record, start, summary.blocks[0]);
  FlatBlock(record, start + jv::flat_summary::kLength, summary.blocks[2]);
}

void PersonBlocks(TRecordWriter& record, int start, int stride, const TPersonSummary& summary) {
  for (int b = 0; b < 3; ++b) {
    PersonBlock(record, start + stride * b, summary.blocks[static_cast<std::size_t>(b)]);
  }
}

int KeyDate(const std::string& raceKey) {
  if (raceKey.size() < 8) return 0;
  return std::stoi(raceKey.substr(0, 8));
}

// MSST of a time in tenths of a second.
int Msst(int tenths) { return tenths / 600 * 1000 + tenths % 600; }

}  // namespace

std::array<int, 14> Ancestors(const TWorld& world, int sire, int dam) {
  std::array<int, 14> numbers{};
  numbers[0] = sire;
  numbers[1] = dam;
  // The parents of ancestor k are at 2k + 2 and 2k + 3.
  for (std::size_t k = 0; k < 6; ++k) {
    const TBreedingHorse* parent = numbers[k] != 0 ? world.Breeding(numbers[k]) : nullptr;
    if (parent == nullptr) continue;
    numbers[2 * k + 2] = parent->sire;
    numbers[2 * k + 3] = parent->dam;
  }
  return numbers;
}

std::string UmRecord(const TWorld& world, const THorse& horse, const TMasterStats& stats,
                     char dataKind, int created) {
  namespace um = jv::um;
  TRecordWriter record("UM", um::kLength, dataKind, created);
  record.Number(um::kHorseID, horse.id);
  const bool deleted = horse.retiredOn != 0 && horse.retiredOn <= created;
  record.Number(um::kDeleteFlag, deleted ? 1 : 0);
  record.NumberOrBlank(um::kRegisteredOn, horse.registeredOn);
  if (deleted) record.Number(um::kDeletedOn, horse.retiredOn);
  record.Number(um::kBirthDate, horse.birthDate);
  Name(record, um::kHorseName, horse.name);
  record.Text(um::kKanaName, horse.kanaName);
  record.Text(um::kLatinName, horse.latinName);
  record.Number(um::kHorseMark, horse.horseMark);
  record.Number(um::kSex, horse.sex);
  record.Number(um::kBreed, horse.breed);
  record.Number(um::kCoat, horse.coat);

  const std::array<int, 14> ancestors = Ancestors(world, horse.sire, horse.dam);
  for (int i = 0; i < um::kPedigreeCount; ++i) {
    const int number = ancestors[static_cast<std::size_t>(i)];
    if (number == 0) continue;
    record.Number(Block(um::kPedigreeStart, um::kPedigreeStride, i, um::kPedigreeNo), number);
    if (const TBreedingHorse* ancestor = world.Breeding(number)) {
      Name(record, Block(um::kPedigreeStart, um::kPedigreeStride, i, um::kAncestorName),
           ancestor->name);
    }
  }

  if (const TPerson* trainer = world.Trainer(horse.trainerCode)) {
    record.Number(um::kTrainerCode, trainer->code);
    Name(record, um::kTrainerName, trainer->shortName);
  }
  const TBreeder* breeder = world.Breeder(horse.breederCode);
  if (breeder != nullptr) {
    record.Number(um::kBreederCode, breeder->code);
    Name(record, um::kBreederName, breeder->name);
  }
  // The producing area: where the dam stands, or the breeder's region.
  const TBreedingHorse* dam = horse.dam != 0 ? world.Breeding(horse.dam) : nullptr;
  if (dam != nullptr && !dam->area.empty()) {
    Name(record, um::kArea, dam->area);
  } else if (breeder != nullptr) {
    Name(record, um::kArea, breeder->address);
  }
  if (const TOwner* owner = world.Owner(horse.ownerCode)) {
    record.Number(um::kOwnerCode, owner->code);
    Name(record, um::kOwnerName, owner->name);
  }
  const std::int64_t money[4] = {stats.flatPrize, stats.jumpPrize, stats.flatAdded,
                                 stats.jumpAdded};
  for (int i = 0; i < 4; ++i) {
    record.Number(Block(um::kPrizeSumStart, um::kPrizeSumStride, i, um::kPrizeSum), money[i]);
  }
  record.Number(um::kRaceCount, stats.starts);
  return record.bytes();
}

std::string SkRecord(const TWorld& world, const THorse& horse, char dataKind, int created) {
  namespace sk = jv::sk;
  TRecordWriter record("SK", sk::kLength, dataKind, created);
  record.Number(sk::kHorseID, horse.id);
  record.Number(sk::kBirthDate, horse.birthDate);
  record.Number(sk::kSex, horse.sex);
  record.Number(sk::kBreed, horse.breed);
  record.Number(sk::kCoat, horse.coat);
  const TBreeder* breeder = world.Breeder(horse.breederCode);
  if (breeder != nullptr) record.Number(sk::kBreederCode, breeder->code);
  const TBreedingHorse* dam = horse.dam != 0 ? world.Breeding(horse.dam) : nullptr;
  if (dam != nullptr && !dam->area.empty()) {
    Name(record, sk::kArea, dam->area);
  } else if (breeder != nullptr) {
    Name(record, sk::kArea, breeder->address);
  }
  const std::array<int, 14> ancestors = Ancestors(world, horse.sire, horse.dam);
  for (int i = 0; i < sk::kPedigreeCount; ++i) {
    record.NumberOrBlank(Block(sk::kPedigreeStart, sk::kPedigreeStride, i, sk::kPedigreeNo),
                         ancestors[static_cast<std::size_t>(i)]);
  }
  return record.bytes();
}

std::string HnRecord(const TBreedingHorse& horse, char dataKind, int created) {
  namespace hn = jv::hn;
  TRecordWriter record("HN", hn::kLength, dataKind, created);
  record.Number(hn::kBreedingNo, horse.number);
  record.NumberOrBlank(hn::kHorseID, horse.horseId);
  record.Number(hn::kDeleteFlag, 0);
  Name(record, hn::kHorseName, horse.name);
  record.Text(hn::kKanaName, horse.kanaName);
  record.Text(hn::kLatinName, horse.latinName);
  record.Number(hn::kBirthYear, horse.birthYear);
  record.Number(hn::kSex, horse.sex);
  record.Number(hn::kBreed, 1);  // every breeding horse of the world is a thoroughbred
  record.Number(hn::kCoat, horse.coat);
  Name(record, hn::kArea, horse.area);
  record.NumberOrBlank(hn::kSire, horse.sire);
  record.NumberOrBlank(hn::kDam, horse.dam);
  return record.bytes();
}

std::string KsRecord(const TPerson& jockey, const TPersonSummary& summary, char dataKind,
                     int created) {
  namespace ks = jv::ks;
  TRecordWriter record("KS", ks::kLength, dataKind, created);
  record.Number(ks::kCode, jockey.code);
  Name(record, ks::kName, jockey.name);
  record.Text(ks::kKanaName, jockey.kanaName);
  Name(record, ks::kShortName, jockey.shortName);
  record.Text(ks::kLatinName, jockey.latinName);
  record.Number(ks::kEastWest, jockey.affiliation);
  if (!jockey.firstFlatRide.empty() && KeyDate(jockey.firstFlatRide) <= created) {
    record.Raw(ks::kFirstFlatRide, jockey.firstFlatRide);
  }
  if (!jockey.firstJumpRide.empty() && KeyDate(jockey.firstJumpRide) <= created) {
    record.Raw(ks::kFirstJumpRide, jockey.firstJumpRide);
  }
  PersonBlocks(record, ks::kSummaryStart, ks::kSummaryStride, summary);
  return record.bytes();
}

std::string ChRecord(const TPerson& trainer, const TPersonSummary& summary, char dataKind,
                     int created) {
  namespace ch = jv::ch;
  TRecordWriter record("CH", ch::kLength, dataKind, created);
  record.Number(ch::kCode, trainer.code);
  record.NumberOrBlank(ch::kLicensedOn, trainer.licenceDate);
  Name(record, ch::kName, trainer.name);
  record.Text(ch::kKanaName, trainer.kanaName);
  Name(record, ch::kShortName, trainer.shortName);
  record.Text(ch::kLatinName, trainer.latinName);
  record.Number(ch::kEastWest, trainer.affiliation);
  PersonBlocks(record, ch::kSummaryStart, ch::kSummaryStride, summary);
  return record.bytes();
}

std::string BrRecord(const TBreeder& breeder, const TPersonSummary& summary, char dataKind,
                     int created) {
  namespace br = jv::br;
  TRecordWriter record("BR", br::kLength, dataKind, created);
  record.Number(br::kCode, breeder.code);
  Name(record, br::kName, breeder.name);
  Name(record, br::kName2, breeder.name);
  record.Text(br::kKanaName, breeder.kanaName);
  record.Text(br::kLatinName, breeder.latinName);
  Name(record, br::kAddress, breeder.address);
  FlatBlocks(record, br::kSummaryStart, summary);
  return record.bytes();
}

std::string BnRecord(const TOwner& owner, const TPersonSummary& summary, char dataKind,
                     int created) {
  namespace bn = jv::bn;
  TRecordWriter record("BN", bn::kLength, dataKind, created);
  record.Number(bn::kCode, owner.code);
  Name(record, bn::kName, owner.name);
  Name(record, bn::kName2, owner.name);
  record.Text(bn::kKanaName, owner.kanaName);
  record.Text(bn::kLatinName, owner.latinName);
  Name(record, bn::kColours, owner.colours);
  FlatBlocks(record, bn::kSummaryStart, summary);
  return record.bytes();
}

std::string RcRecord(const TRace& race, int recordClass, int time, char dataKind, int created) {
  namespace rc = jv::rc;
  TRecordWriter record("RC", rc::kLength, dataKind, created);
  record.Number(rc::kRecordClass, recordClass);
  record.Raw(rc::kRaceKey, race.key);
  if (recordClass == kG1Record) record.Number(rc::kSpecialNo, race.specialNo);
  record.Number(rc::kRaceKind, race.ageCode);
  record.Number(rc::kDistance, race.distance);
  record.Number(rc::kTrack, race.track);
  record.Number(kRecordTime, Msst(time));
  return record.bytes();
}

std::vector<std::string> CourseRecords(const TWorld& world, int date, char dataKind, int created) {
  struct TBest {
    const TRace* race = nullptr;
    int time = 0;
  };
  auto improve = [](TBest& best, const TRace& race, int time) {
    if (best.race == nullptr || time < best.time) best = {&race, time};
  };
  std::map<std::tuple<int, int, int>, TBest> courses;  // racecourse, track, distance
  std::map<int, TBest> g1;                             // special-race number
  for (const TRace& race : world.races) {
    if (race.date > date) break;
    if (!race.settled || race.venue < 1 || race.venue > kJraVenueCount) continue;
    int time = 0;
    for (const TRunner& runner : race.runners) {
      if (runner.position == 1 && runner.time > 0) time = runner.time;
    }
    if (time == 0) continue;
    improve(courses[{race.venue, race.track, race.distance}], race, time);
    if (race.grade == 'A' && race.specialNo > 0) improve(g1[race.specialNo], race, time);
  }
  std::vector<std::string> records;
  for (const auto& [course, best] : courses) {
    records.push_back(RcRecord(*best.race, kCourseRecord, best.time, dataKind, created));
  }
  for (const auto& [specialNo, best] : g1) {
    records.push_back(RcRecord(*best.race, kG1Record, best.time, dataKind, created));
  }
  // Key: record class, race key, special number, race kind, distance, track.
  const std::size_t from = static_cast<std::size_t>(jv::rc::kRecordClass.offset);
  const std::size_t length = static_cast<std::size_t>(End(jv::rc::kTrack)) - from;
  std::sort(records.begin(), records.end(), [=](const std::string& a, const std::string& b) {
    return a.compare(from, length, b, from, length) < 0;
  });
  return records;
}

std::string HcRecord(int centre, int date, int timeOfDay, std::int64_t horseId, char dataKind,
                     int created) {
  namespace hc = jv::hc;
  TRecordWriter record("HC", hc::kLength, dataKind, created);
  record.Number(hc::kCentre, centre);
  record.Number(hc::kDate, date);
  record.Number(hc::kTime, timeOfDay);
  record.Number(hc::kHorseID, horseId);
  return record.bytes();
}

std::vector<std::string> HillTrainingRecords(const TWorld& world, int date, char dataKind,
                                             int created) {
  const int today = DaysOf(date);
  std::vector<std::string> records;
  for (const THorse& horse : world.horses) {
    if (horse.kind != 0 || horse.registeredOn == 0 || horse.registeredOn > date) continue;
    if (horse.retiredOn != 0 && horse.retiredOn <= date) continue;
    const TPerson* trainer = world.Trainer(horse.trainerCode);
    if (trainer == nullptr || (trainer->affiliation != 1 && trainer->affiliation != 2)) continue;
    bool racesSoon = false;
    for (const std::string& key : horse.raceKeys) {
      const int days = DaysOf(KeyDate(key)) - today;
      if (days >= 1 && days <= 14) racesSoon = true;
    }
    if (!racesSoon) continue;
    // A morning time between 06:00 and 08:59 of the horse's own.
    const int minutes = static_cast<int>((horse.id * 7919 + date) % 180);
    const int timeOfDay = (6 + minutes / 60) * 100 + minutes % 60;
    records.push_back(HcRecord(trainer->affiliation == 1 ? kMiho : kRitto, date, timeOfDay,
                               horse.id, dataKind, created));
  }
  // Key: centre, date, time, horse.
  const std::size_t from = static_cast<std::size_t>(jv::hc::kCentre.offset);
  const std::size_t length = static_cast<std::size_t>(End(jv::hc::kHorseID)) - from;
  std::sort(records.begin(), records.end(), [=](const std::string& a, const std::string& b) {
    return a.compare(from, length, b, from, length) < 0;
  });
  return records;
}

}  // namespace sample
