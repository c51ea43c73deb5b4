// The master records of the sample feed: horses (UM), foals (SK), breeding
// horses (HN), jockeys (KS), trainers (CH), breeders (BR), owners (BN),
// course records (RC) and hill-training times (HC).
//
// Each function returns one whole record, CR LF included, of the length of
// its kind. `dataKind` is the character of the record head, `created` its
// creation date; a master written "as of" a date carries that date as its
// creation date and the summaries (TSummaries) of the same date.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sample/person_summary.h"
#include "sample/sample_world.h"

namespace sample {

// The 14 ancestors of a horse whose sire and dam are given: sire, dam, the
// sire's sire and dam, the dam's sire and dam, then the eight
// great-grandparents in the same order. 0 where unknown.
std::array<int, 14> Ancestors(const TWorld& world, int sire, int dam);

// UM: registration, names, pedigree, connections and the career money and
// starts of `stats`. The registration counts as deleted when the horse
// retired on or before `created`.
std::string UmRecord(const TWorld& world, const THorse& horse, const TMasterStats& stats,
                     char dataKind, int created);
// SK: the foal record of any horse of the world.
std::string SkRecord(const TWorld& world, const THorse& horse, char dataKind, int created);
// HN: a breeding horse.
std::string HnRecord(const TBreedingHorse& horse, char dataKind, int created);

// KS and CH: names, affiliation, the first rides (KS, those on or before
// `created`) or the licence date (CH), and the three summary blocks.
std::string KsRecord(const TPerson& jockey, const TPersonSummary& summary, char dataKind,
                     int created);
std::string ChRecord(const TPerson& trainer, const TPersonSummary& summary, char dataKind,
                     int created);
// BR and BN: names, region or colours, and the flat results of this year
// and of the career.
std::string BrRecord(const TBreeder& breeder, const TPersonSummary& summary, char dataKind,
                     int created);
std::string BnRecord(const TOwner& owner, const TPersonSummary& summary, char dataKind,
                     int created);

// RC record classes.
inline constexpr int kCourseRecord = 1;  // fastest time of a course, track and distance
inline constexpr int kG1Record = 2;      // fastest time of a G1 race (by special-race number)

// RC: the record set in `race` with a finishing time of `time` tenths.
std::string RcRecord(const TRace& race, int recordClass, int time, char dataKind, int created);
// Every record of the world's settled JRA races dated on or before `date`:
// one course record per racecourse, track and distance and one G1 record
// per special-race number, each the fastest winner (the earlier race on a
// tie); in the order of the record key.
std::vector<std::string> CourseRecords(const TWorld& world, int date, char dataKind, int created);

// Training centres of HC records.
inline constexpr int kMiho = 0;
inline constexpr int kRitto = 1;

// HC: one hill-course work at `timeOfDay` (hhmm).
std::string HcRecord(int centre, int date, int timeOfDay, std::int64_t horseId, char dataKind,
                     int created);
// The hill works of `date`: every JRA horse in training with a Miho or Ritto
// trainer whose next race falls within the 14 days after the date, at a
// morning time of its own; in the order of the record key.
std::vector<std::string> HillTrainingRecords(const TWorld& world, int date, char dataKind,
                                             int created);

}  // namespace sample
