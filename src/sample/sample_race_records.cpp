#include "sample/sample_race_records.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "sample/sample_record.h"

namespace sample {

namespace {

using jv::TField;

// Where RA and TK keep the fields of the race they share.
struct TRaceFields {
  TField weekday, specialNo, mainTitle, subtitle, parenTitle;
  TField shortName10, shortName6, shortName3;
  TField division, runningNo, grade, ageClass, symbol, weightType;
  int conditionStart, conditionStride;
  TField condition, distance, track, courseDiv;
};

constexpr TRaceFields kRaFields{
    jv::ra::kWeekday,     jv::ra::kSpecialNo,   jv::ra::kMainTitle,    jv::ra::kSubtitle,
    jv::ra::kParenTitle,  jv::ra::kShortName10, jv::ra::kShortName6,   jv::ra::kShortName3,
    jv::ra::kDivision,    jv::ra::kRunningNo,   jv::ra::kGrade,        jv::ra::kAgeClass,
    jv::ra::kSymbol,      jv::ra::kWeightType,  jv::ra::kConditionStart, jv::ra::kConditionStride,
    jv::ra::kCondition,   jv::ra::kDistance,    jv::ra::kTrack,        jv::ra::kCourseDiv};

constexpr TRaceFields kTkFields{
    jv::tk::kWeekday,     jv::tk::kSpecialNo,   jv::tk::kMainTitle,    jv::tk::kSubtitle,
    jv::tk::kParenTitle,  jv::tk::kShortName10, jv::tk::kShortName6,   jv::tk::kShortName3,
    jv::tk::kDivision,    jv::tk::kRunningNo,   jv::tk::kGrade,        jv::tk::kAgeClass,
    jv::tk::kSymbol,      jv::tk::kWeightType,  jv::tk::kConditionStart, jv::tk::kConditionStride,
    jv::tk::kCondition,   jv::tk::kDistance,    jv::tk::kTrack,        jv::tk::kCourseDiv};

void WriteRaceFields(TRecordWriter& w, const TRaceFields& f, const TRace& race) {
  w.Number(f.weekday, race.weekday);
  w.Number(f.specialNo, race.specialNo);
  w.Text(f.mainTitle, race.mainTitle, true);
  w.Text(f.subtitle, race.subtitle, true);
  w.Text(f.parenTitle, race.parenTitle, true);
  w.Text(f.shortName10, race.shortName10, true);
  w.Text(f.shortName6, race.shortName6, true);
  w.Text(f.shortName3, race.shortName3, true);
  w.Number(f.division, race.division);
  w.Number(f.runningNo, race.runningNo);
  w.Raw(f.grade, std::string_view(&race.grade, 1));
  w.Number(f.ageClass, race.ageCode);
  w.Raw(f.symbol, race.symbol);
  w.Number(f.weightType, race.weightType);
  for (int i = 0; i < static_cast<int>(race.conditions.size()); ++i) {
    w.Number(Block(f.conditionStart, f.conditionStride, i, f.condition),
             race.conditions[static_cast<std::size_t>(i)]);
  }
  w.Number(f.distance, race.distance);
  w.Number(f.track, race.track);
  w.Raw(f.courseDiv, race.courseDiv);
}

bool Scratched(const TRunner& runner) { return runner.abnormality >= 1 && runner.abnormality <= 3; }

const THorse* HorseOf(const TWorld& world, int index) {
  if (index < 0 || index >= static_cast<int>(world.horses.size())) return nullptr;
  return &world.horses[static_cast<std::size_t>(index)];
}

std::string ShortNameOf(const TPerson* person) { return person ? person->shortName : std::string(); }

// One bet type's payout list of an HR record.
struct TPayList {
  int start, stride, count;
  TField combination, yen;
};

constexpr TPayList kPayLists[8] = {
    {jv::hr::kPayWinStart, jv::hr::kPayWinStride, jv::hr::kPayWinCount, jv::hr::kPayHorseNo,
     jv::hr::kPayHorseNoYen},
    {jv::hr::kPayPlaceStart, jv::hr::kPayPlaceStride, jv::hr::kPayPlaceCount, jv::hr::kPayHorseNo,
     jv::hr::kPayHorseNoYen},
    {jv::hr::kPayBracketStart, jv::hr::kPayBracketStride, jv::hr::kPayBracketCount,
     jv::hr::kPayHorseNo, jv::hr::kPayHorseNoYen},
    {jv::hr::kPayQuinellaStart, jv::hr::kPayQuinellaStride, jv::hr::kPayQuinellaCount,
     jv::hr::kPayPair, jv::hr::kPayPairYen},
    {jv::hr::kPayWideStart, jv::hr::kPayWideStride, jv::hr::kPayWideCount, jv::hr::kPayPair,
     jv::hr::kPayPairYen},
    {jv::hr::kPayExactaStart, jv::hr::kPayExactaStride, jv::hr::kPayExactaCount, jv::hr::kPayPair,
     jv::hr::kPayPairYen},
    {jv::hr::kPayTrioStart, jv::hr::kPayTrioStride, jv::hr::kPayTrioCount, jv::hr::kPayTriple,
     jv::hr::kPayTripleYen},
    {jv::hr::kPayTrifectaStart, jv::hr::kPayTrifectaStride, jv::hr::kPayTrifectaCount,
     jv::hr::kPayTriple, jv::hr::kPayTripleYen},
};

std::string DayKeyOf(const TWorld& world, const TRaceDay& day, const TRace* gradedRace) {
  const TRace* race = gradedRace;
  if (!race && !day.races.empty() && day.races.front() >= 0 &&
      day.races.front() < static_cast<int>(world.races.size())) {
    race = &world.races[static_cast<std::size_t>(day.races.front())];
  }
  if (race && race->key.size() >= static_cast<std::size_t>(jv::race_key::kDayLength)) {
    return race->key.substr(0, static_cast<std::size_t>(jv::race_key::kDayLength));
  }
  char key[32];
  std::snprintf(key, sizeof key, "%08d%02d%02d%02d", day.date, day.venue % 100, day.meeting % 100,
                day.meetingDay % 100);
  return key;
}

}  // namespace

char DataKindChar(int dataKind) {
  if (dataKind >= 0 && dataKind <= 9) return static_cast<char>('0' + dataKind);
  if (dataKind >= 10 && dataKind <= 35) return static_cast<char>('A' + (dataKind - 10));
  return ' ';
}

int TimeMsst(int tenths) {
  if (tenths <= 0) return 0;
  return tenths / 600 * 1000 + tenths % 600;
}

std::string RaRecord(const TRace& race, char dataKind, int created) {
  namespace ra = jv::ra;
  TRecordWriter w("RA", ra::kLength, dataKind, created);
  w.RaceKey(race.key);
  WriteRaceFields(w, kRaFields, race);
  w.Text(ra::kConditionName, race.conditionName, true);
  for (int i = 0; i < ra::kPrizeCount; ++i) {
    w.Number(Block(ra::kPrizeStart, ra::kPrizeStride, i, ra::kPrize),
             race.prize[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < ra::kAddedPrizeCount; ++i) {
    w.Number(Block(ra::kAddedPrizeStart, ra::kAddedPrizeStride, i, ra::kAddedPrize),
             race.addedPrize[static_cast<std::size_t>(i)]);
  }
  w.Number(ra::kStartTime, race.startTime);
  w.Number(ra::kRegistered, race.registered);
  if (race.settled) {
    w.Number(ra::kStarters, race.starters);
    w.Number(ra::kFinishers, race.finishers);
    w.Number(ra::kWeather, race.weather);
    w.Number(ra::kTurfGoing, race.turfGoing);
    w.Number(ra::kDirtGoing, race.dirtGoing);
    for (int i = 0; i < ra::kLapCount; ++i) {
      w.NumberOrBlank(Block(ra::kLapStart, ra::kLapStride, i, ra::kLap),
                      race.laps[static_cast<std::size_t>(i)]);
    }
    w.NumberOrBlank(ra::kJumpMileTime, race.jumpMileTime);
  }
  return w.bytes();
}

std::string SeRecord(const TWorld& world, const TRace& race, const TRunner& runner, char dataKind,
                     int created) {
  namespace se = jv::se;
  TRecordWriter w("SE", se::kLength, dataKind, created);
  w.RaceKey(race.key);
  w.Number(se::kFrame, runner.frame);
  w.Number(se::kHorseNo, runner.horseNo);
  if (const THorse* horse = HorseOf(world, runner.horse)) {
    w.Number(se::kHorseID, horse->id);
    w.Text(se::kHorseName, horse->name, true);
    w.Number(se::kHorseMark, horse->horseMark);
    w.Number(se::kSex, horse->sex);
  }
  w.Number(se::kAge, runner.age);
  w.Number(se::kTrainerCode, runner.trainerCode);
  w.Text(se::kTrainerName, ShortNameOf(world.Trainer(runner.trainerCode)), true);
  w.Number(se::kOwnerCode, runner.ownerCode);
  if (const TOwner* owner = world.Owner(runner.ownerCode)) w.Text(se::kOwnerName, owner->name, true);
  w.Number(se::kCarried, runner.carried);
  w.Number(se::kBlinker, runner.blinker);
  w.Number(se::kJockeyCode, runner.jockeyCode);
  w.Text(se::kJockeyName, ShortNameOf(world.Jockey(runner.jockeyCode)), true);
  w.Number(se::kApprentice, runner.apprentice);

  if (!race.settled) {
    w.Number(se::kAbnormality, runner.abnormality == 1 ? 1 : 0);
    return w.bytes();
  }
  w.Number(se::kAbnormality, runner.abnormality);
  w.NumberOrBlank(se::kBodyWeight, runner.bodyWeight);
  if (Scratched(runner)) return w.bytes();

  w.NumberOrBlank(se::kArrival, runner.arrival);
  w.NumberOrBlank(se::kPosition, runner.position);
  w.NumberOrBlank(se::kTime, TimeMsst(runner.time));
  w.Raw(Block(se::kMarginStart, se::kMarginStride, 0, se::kMargin), runner.margin);
  for (int i = 0; i < se::kCornerCount; ++i) {
    w.NumberOrBlank(Block(se::kCornerStart, se::kCornerStride, i, se::kCorner),
                    runner.corners[static_cast<std::size_t>(i)]);
  }
  w.NumberOrBlank(se::kOdds, runner.odds);
  w.NumberOrBlank(se::kPopularity, runner.popularity);
  w.NumberOrBlank(se::kLast4F, runner.last4F);
  w.NumberOrBlank(se::kLast3F, runner.last3F);
  if (runner.time > 0) w.Number(se::kTimeDiff, runner.timeDiff);
  return w.bytes();
}

std::string HrRecord(const TRace& race, char dataKind, int created) {
  TRecordWriter w("HR", jv::hr::kLength, dataKind, created);
  w.RaceKey(race.key);
  for (std::size_t type = 0; type < 8; ++type) {
    const TPayList& list = kPayLists[type];
    const std::vector<TPayout>& payouts = race.market.payouts[type];
    int n = std::min(static_cast<int>(payouts.size()), list.count);
    for (int i = 0; i < n; ++i) {
      const TPayout& payout = payouts[static_cast<std::size_t>(i)];
      // Frame pairs are kept as first × 100 + second; the record holds one
      // digit per frame.
      int combination = type == 2 ? payout.combination / 100 * 10 + payout.combination % 100
                                  : payout.combination;
      w.Number(Block(list.start, list.stride, i, list.combination), combination);
      w.Number(Block(list.start, list.stride, i, list.yen), payout.yen);
    }
  }
  return w.bytes();
}

std::string TkRecord(const TWorld& world, const TRace& race, const std::vector<int>& horseIndexes,
                     char dataKind, int created) {
  namespace tk = jv::tk;
  TRecordWriter w("TK", tk::kLength, dataKind, created);
  w.RaceKey(race.key);
  WriteRaceFields(w, kTkFields, race);
  int count = std::min(static_cast<int>(horseIndexes.size()), tk::kEntryCount);
  w.Number(tk::kRegistered, count);
  for (int i = 0; i < count; ++i) {
    int index = horseIndexes[static_cast<std::size_t>(i)];
    auto at = [i](TField f) { return Block(tk::kEntryStart, tk::kEntryStride, i, f); };
    w.Number(at(tk::kEntryOrderNo), i + 1);
    const THorse* horse = HorseOf(world, index);
    if (!horse) continue;
    w.Number(at(tk::kEntryHorseID), horse->id);
    w.Text(at(tk::kEntryHorseName), horse->name, true);
    w.Number(at(tk::kEntryHorseMark), horse->horseMark);
    w.Number(at(tk::kEntrySex), horse->sex);
    w.Number(at(tk::kEntryTrainerCode), horse->trainerCode);
    w.Text(at(tk::kEntryTrainerName), ShortNameOf(world.Trainer(horse->trainerCode)), true);
    auto runner = std::find_if(race.runners.begin(), race.runners.end(),
                               [index](const TRunner& r) { return r.horse == index; });
    if (runner != race.runners.end()) w.NumberOrBlank(at(tk::kEntryCarried), runner->carried);
  }
  return w.bytes();
}

std::string YsRecord(const TWorld& world, const TRaceDay& day, const TRace* gradedRace,
                     char dataKind, int created) {
  namespace ys = jv::ys;
  TRecordWriter w("YS", ys::kLength, dataKind, created);
  w.Raw(jv::kDayKey, DayKeyOf(world, day, gradedRace));
  w.Number(ys::kWeekday, day.weekday);
  if (gradedRace) {
    const TRace& race = *gradedRace;
    w.Number(ys::kSpecialNo, race.specialNo);
    w.Text(ys::kRaceName, race.mainTitle, true);
    w.Text(ys::kShortName10, race.shortName10, true);
    w.Text(ys::kShortName6, race.shortName6, true);
    w.Text(ys::kShortName3, race.shortName3, true);
    w.Raw(ys::kGrade, std::string_view(&race.grade, 1));
    w.Number(ys::kAgeClass, race.ageCode);
    w.Raw(ys::kSymbol, race.symbol);
    w.Number(ys::kWeightType, race.weightType);
    w.Number(ys::kDistance, race.distance);
    w.Number(ys::kTrack, race.track);
  }
  return w.bytes();
}

}  // namespace sample
