#include "scoring_fixture.h"

#include <cstdio>

#include "analysis/base_list.h"
#include "app/sjis.h"
#include "sample/sample_race_records.h"

namespace scoring {

TResult MakeRace(const TRaceSpec& spec) {
  sample::TWorld world;
  sample::TRace race;
  race.date = spec.date;
  race.venue = spec.venue;
  char code[16];
  if (spec.venue >= 100) {
    // A country: a letter and a digit ("A5" is 105).
    std::snprintf(code, sizeof code, "%c%c", 'A' + (spec.venue / 10 - 10), '0' + spec.venue % 10);
  } else {
    std::snprintf(code, sizeof code, "%02d", spec.venue);
  }
  race.venueCode = code;
  race.meeting = spec.meeting;
  race.meetingDay = spec.meetingDay;
  race.raceNo = spec.raceNo;
  char key[40];
  std::snprintf(key, sizeof key, "%08d%s%02d%02d%02d", spec.date, code, spec.meeting, spec.meetingDay,
                spec.raceNo);
  race.key = key;
  race.weekday = 2;
  race.dataKind = spec.dataKind == '7' ? 7 : 2;
  race.grade = spec.grade;
  race.symbol = spec.symbol;
  race.ageCode = 13;
  race.distance = spec.distance;
  race.track = spec.trackCode;
  race.surface = spec.trackCode >= 50 ? sample::kJump : spec.trackCode >= 23 ? sample::kDirt : sample::kTurf;
  race.registered = spec.registered > 0 ? spec.registered : static_cast<int>(spec.runners.size());
  race.starters = spec.starters;
  race.turfGoing = spec.turfGoing;
  race.dirtGoing = spec.dirtGoing;
  race.weather = 1;
  race.startTime = 1540;
  for (std::size_t i = 0; i < spec.laps.size() && i < race.laps.size(); ++i) race.laps[i] = spec.laps[i];
  for (const TRunnerSpec& s : spec.runners) {
    sample::THorse h;
    h.id = s.horseID;
    h.name = Utf8ToSjis("ミズナラ");
    world.horses.push_back(h);
    sample::TRunner r;
    r.horse = static_cast<int>(world.horses.size()) - 1;
    r.horseNo = s.horseNo;
    r.frame = s.frame > 0 ? s.frame : s.horseNo;
    r.age = 4;
    r.carried = s.carried;
    r.bodyWeight = s.bodyWeight;
    r.abnormality = s.abnormality;
    r.arrival = r.position = s.arrival;
    r.time = s.time;
    r.corners = s.corners;
    r.popularity = s.popularity;
    r.timeDiff = s.timeDiff;
    r.trainerCode = s.trainer;
    r.jockeyCode = s.jockey;
    race.runners.push_back(r);
    race.finishers += s.time > 0;
  }
  for (const TPaySpec& p : spec.payouts) {
    race.market.payouts[static_cast<std::size_t>(p.type)].push_back({p.combination, p.yen, 1});
  }
  const std::string ra = sample::RaRecord(race, spec.dataKind, spec.date);
  TResult result = TResult::FromRa(ra.data());
  for (const sample::TRunner& r : race.runners) {
    const std::string se = sample::SeRecord(world, race, r, spec.dataKind, spec.date);
    result.AddRunner(TResultInfo::FromSe(se.data()));
  }
  if (!spec.payouts.empty()) result.AddPayouts(sample::HrRecord(race, '2', spec.date).data());
  return result;
}

std::string BaseTimeRecord(const TResult& race, double tenths) {
  char record[32];
  std::snprintf(record, sizeof record, "%05d%04d%05.0f%05.0f\r\n", BaseKey(race), BaseDistance(race), tenths * 10,
                10000.0);
  return record;
}

THorse HorseOf(const TResult& race, int i) {
  const TResultInfo& runner = race.Runner(i);
  THorse horse = THorse::FromHorseID(runner.HorseID());
  static_cast<TResult&>(horse) = race;
  static_cast<TResultInfo&>(horse) = runner;
  return horse;
}

void AddPastRun(THorse& horse, const TResult& past, int interval) {
  THorseInfo55 run(past, horse.HorseID());
  run.SetRace(past, past.RunnerOf(horse.HorseID(), 0));
  run.SetInterval(interval);
  horse.MutablePastRuns().push_back(run);
}

TRace CardOf(const TResult& race, std::vector<THorse> horses) {
  TRace card(race);
  card.SetHorses(std::move(horses));
  return card;
}

}  // namespace scoring
