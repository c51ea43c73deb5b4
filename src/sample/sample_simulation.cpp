#include "sample/sample_simulation.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "sample/sample_calendar.h"
#include "sample/sample_courses.h"
#include "sample/sample_dates.h"
#include "sample/sample_market.h"

namespace sample {

namespace {

int AgeAt(const THorse& horse, int date) { return date / 10000 - horse.birthDate / 10000; }

std::uint64_t Hash(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  x ^= x >> 33;
  return x;
}

// A horse's trait drawn from its id: the same every time it is asked.
double Trait(const THorse& horse, int salt) {
  std::uint64_t h = Hash(static_cast<std::uint64_t>(horse.id) * 1315423911ULL + static_cast<std::uint64_t>(salt));
  return (static_cast<double>(h % 20001) / 10000.0) - 1.0;  // -1 .. 1
}

const TCourse* CourseOf(const TRace& race) {
  const TVenue* venue = FindVenue(race.venue);
  if (venue == nullptr) return nullptr;
  for (const TCourse& c : venue->courses) {
    if (c.surface == race.surface && c.distance == race.distance) return &c;
  }
  return venue->courses.empty() ? nullptr : &venue->courses.front();
}

struct TDayWeather {
  int weather = 1;
  int turfGoing = 1;
  int dirtGoing = 1;
};

TDayWeather WeatherOf(int date, int venue, const TRandom& base) {
  TRandom r = base.Fork(static_cast<std::uint64_t>(date) * 1000 + static_cast<std::uint64_t>(venue));
  int month = (date / 100) % 100;
  double rain = month == 6 || month == 7 ? 0.32 : month == 9 ? 0.28 : 0.17;
  TDayWeather w;
  if (r.Chance(rain)) {
    bool snow = (month <= 2 || month == 12) && r.Chance(0.15);
    w.weather = snow ? (r.Chance(0.5) ? 5 : 6) : (r.Chance(0.6) ? 3 : 4);
    w.turfGoing = 2 + static_cast<int>(r.Pick({0.45, 0.35, 0.2}));
    w.dirtGoing = 2 + static_cast<int>(r.Pick({0.35, 0.4, 0.25}));
  } else {
    w.weather = r.Chance(0.65) ? 1 : 2;
    w.turfGoing = r.Chance(0.85) ? 1 : 2;
    w.dirtGoing = r.Chance(0.8) ? 1 : 2;
  }
  return w;
}

class TSimulator {
 public:
  TSimulator(TWorld& world, TRandom random) : world_(world), random_(random), weatherRandom_(random.Fork("weather")) {
    for (std::size_t i = 0; i < world_.horses.size(); ++i) {
      const THorse& h = world_.horses[i];
      if (h.kind == 3) continue;
      pools_[h.kind].push_back(static_cast<int>(i));
    }
    for (const TRaceDay& day : world_.raceDays) {
      if (day.venue <= 10) dayVenues_[day.date].push_back(day.venue);
    }
  }

  // Horses that were racing before the world's first year: their class
  // comes from their ability and age, the weakest old ones have retired,
  // and they come back over the first weeks.
  void SeedCareers() {
    int start = world_.options.fromYear * 10000 + 101;
    TRandom r = random_.Fork("careers");
    for (THorse& h : world_.horses) {
      if (h.kind == 3 || h.registeredOn == 0 || h.registeredOn >= start) continue;
      int age = AgeAt(h, start);
      if (age < 3) continue;
      double a = h.AbilityAt(start) + r.Normal(0, 0.3);
      int cls = a > 1.0 ? 4 : a > 0.45 ? 3 : a > -0.1 ? 2 : a > -0.7 ? 1 : 0;
      if (age == 3) cls = a > 0.6 ? 1 : 0;
      if (age == 3 && cls == 0 && r.Chance(0.45)) {  // not raced yet
        h.nextReadyDate = AddDays(start, r.Int(0, 70));
        continue;
      }
      h.classLevel = cls;
      h.wins = cls;
      h.runs = cls + r.Int(age == 3 ? 1 : 3, age == 3 ? 4 : 6 * (age - 3) + 4);
      if (h.kind == 0 && h.jump > 0 && age >= 5 && r.Chance(0.5)) h.jumpClass = 1;
      if ((age >= 5 && cls <= 1 && r.Chance(0.7)) || (age >= 8 && r.Chance(0.6))) h.retiredOn = start - 1;
      h.nextReadyDate = AddDays(start, r.Int(0, 70));
    }
  }

  void Run() {
    SeedCareers();
    for (TRace& race : world_.races) {
      if (race.dataKind == kScheduleOnly) continue;
      TRandom r = random_.Fork(race.key);
      if (race.dataKind == kRegistrationOnly) {
        if (race.grade != ' ') Register(race, r);
        continue;
      }
      Enter(race, r);
      if (race.runners.size() < 2) continue;
      SetWeather(race);
      if (race.settled) {
        RunRace(race, r);
        Market(race, r);
        SettleMarket(race);
        AfterRace(race, r);
      } else {
        Market(race, r);
        News(race, r);
      }
      CompactMarket(race);
    }
  }

 private:
  // Horses that may run in the race, with how much each wants to.
  // `relaxed` 0: the race's own class; 1: horses one class below may step
  // up; 2: any lower class may.
  std::vector<std::pair<int, double>> Candidates(const TRace& race, int relaxed) {
    std::vector<std::pair<int, double>> out;
    int kind = race.venue <= 10 ? 0 : race.venue < 100 ? 1 : 0;
    bool jump = race.surface == 3;
    bool fillies = race.symbol.size() > 1 && race.symbol[1] == '2';
    for (int index : pools_[kind]) {
      THorse& h = world_.horses[static_cast<std::size_t>(index)];
      if (h.registeredOn == 0 || h.registeredOn > race.date) continue;
      if (h.retiredOn != 0 && h.retiredOn <= race.date) continue;
      if (h.nextReadyDate > race.date) continue;
      int age = AgeAt(h, race.date);
      if (age < 2) continue;
      bool ageOk;
      switch (race.ageCode) {
        case 11: ageOk = age == 2; break;
        case 12: ageOk = age == 3; break;
        case 13: ageOk = age >= 3; break;
        case 14: ageOk = age >= 4; break;
        case 18: ageOk = age >= 3; break;
        case 19: ageOk = age >= 4; break;
        default: ageOk = age >= 3; break;
      }
      if (!ageOk) continue;
      if (fillies && h.sex != 2) continue;
      bool jumper = h.jump > 0 && age >= 4 && kind == 0;
      if (jump != jumper) continue;
      if (race.venue >= 100 && !(h.classLevel >= 4 && h.ability > 1.2)) continue;
      double want = 0;
      if (jump) {
        int cls = race.classLevel >= 4 ? 1 : 0;
        if (h.jumpClass != cls && relaxed == 0) continue;
      } else if (race.debut) {
        if (h.runs > 0) continue;
      } else {
        int diff = race.classLevel - h.classLevel;
        if (diff != 0) {
          if (diff < 0 || diff > relaxed) continue;
          want -= 1.5 * diff;
        }
      }
      // Surface and distance: trainers aim horses at what suits them.
      if (!jump) {
        double surface = race.surface == 1 ? h.turf : -h.turf;
        double distance = (race.distance - h.distance) / h.distanceRange;
        want += 1.2 * surface - 0.6 * distance * distance;
      }
      int rested = h.lastRunDate == 0 ? 60 : DaysOf(race.date) - DaysOf(h.lastRunDate);
      if (rested > 120) want -= 0.3;
      if (race.classLevel >= 4 && race.grade >= 'A' && race.grade <= 'C') want += 0.8 * h.AbilityAt(race.date);
      out.push_back({index, want});
    }
    return out;
  }

  // Fields of the JRA racecourses; local fields are smaller.
  int FieldSize(const TRace& race, TRandom& r) {
    const TCourse* course = CourseOf(race);
    int max = course != nullptr ? course->maxRunners : 16;
    if (race.venue >= 30 && race.venue < 100) return r.Int(8, std::min(12, max));
    if (race.venue >= 100) return r.Int(9, 14);
    return std::max(5, max - static_cast<int>(r.Pick({0.35, 0.2, 0.15, 0.1, 0.08, 0.06, 0.06})));
  }

  std::vector<int> Choose(std::vector<std::pair<int, double>>& candidates, int count, TRandom& r) {
    std::vector<int> chosen;
    // Weighted draw without replacement: the largest keys of u^(1/w).
    std::vector<std::pair<double, int>> keys;
    keys.reserve(candidates.size());
    for (const auto& [index, want] : candidates) {
      double w = std::exp(want);
      double u = std::max(1e-12, r.Uniform());
      keys.push_back({std::log(u) / w, index});
    }
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), keys.size());
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(n), keys.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < n; ++i) chosen.push_back(keys[i].second);
    return chosen;
  }

  void Register(TRace& race, TRandom& r) {
    std::vector<std::pair<int, double>> candidates = Candidates(race, 1);
    std::vector<int> chosen = Choose(candidates, r.Int(10, 24), r);
    int order = 0;
    for (int index : chosen) {
      TRunner runner;
      runner.horse = index;
      runner.horseNo = ++order;
      const THorse& h = world_.horses[static_cast<std::size_t>(index)];
      runner.age = AgeAt(h, race.date);
      runner.trainerCode = h.trainerCode;
      runner.ownerCode = h.ownerCode;
      runner.carried = Carried(race, h, 0);
      race.runners.push_back(runner);
    }
    race.registered = static_cast<int>(race.runners.size());
  }

  void Enter(TRace& race, TRandom& r) {
    int size = FieldSize(race, r);
    std::vector<std::pair<int, double>> candidates = Candidates(race, 0);
    for (int relaxed = 1; relaxed <= 2 && static_cast<int>(candidates.size()) < std::min(size, 8); ++relaxed) {
      candidates = Candidates(race, relaxed);
    }
    // Too few horses: the race is not run (a JRA race needs five).
    if (race.venue < 100 && candidates.size() < 5) {
      race.runners.clear();
      return;
    }
    std::vector<int> chosen = Choose(candidates, size, r);
    if (race.venue >= 100) {
      // Overseas: up to three Japanese runners, the rest from abroad.
      if (chosen.size() > 3) chosen.resize(3);
      std::vector<std::pair<int, double>> foreign;
      for (int index : pools_[2]) {
        const THorse& h = world_.horses[static_cast<std::size_t>(index)];
        int age = AgeAt(h, race.date);
        if (age < 3 || age > 7 || h.nextReadyDate > race.date) continue;
        foreign.push_back({index, 2.0 * h.AbilityAt(race.date)});
      }
      std::vector<int> more = Choose(foreign, size - static_cast<int>(chosen.size()), r);
      chosen.insert(chosen.end(), more.begin(), more.end());
    }
    r.Shuffle(chosen);
    int n = static_cast<int>(chosen.size());
    race.runners.clear();
    for (int i = 0; i < n; ++i) {
      TRunner runner;
      runner.horse = chosen[static_cast<std::size_t>(i)];
      runner.horseNo = i + 1;
      runner.frame = FrameOf(i + 1, n);
      const THorse& h = world_.horses[static_cast<std::size_t>(runner.horse)];
      runner.age = AgeAt(h, race.date);
      runner.trainerCode = h.trainerCode;
      runner.ownerCode = h.ownerCode;
      runner.blinker = Trait(h, 7) > 0.8 ? 1 : 0;
      race.runners.push_back(runner);
    }
    AssignJockeys(race, r);
    for (TRunner& runner : race.runners) {
      THorse& h = world_.horses[static_cast<std::size_t>(runner.horse)];
      runner.carried = Carried(race, h, runner.apprentice);
      double weight = h.weight + r.Normal(0, 3.0);
      weight = std::clamp(weight, 400.0, 570.0);
      runner.bodyWeight = static_cast<int>(std::lround(weight));
      runner.weightChange = h.runs == 0 ? 0 : runner.bodyWeight - static_cast<int>(std::lround(h.weight));
    }
    race.registered = n;
  }

  int Carried(const TRace& race, const THorse& h, int apprentice) {
    int age = AgeAt(h, race.date);
    int month = (race.date / 100) % 100;
    int kg10;
    if (race.surface == 3) {
      kg10 = age >= 4 ? 630 : 600;
    } else if (race.weightType == 3 || race.ageCode == 11 || race.ageCode == 12) {
      kg10 = age == 2 ? 550 : 570;
    } else {
      kg10 = age == 3 ? (month >= 9 ? 560 : 550) : 570;
      if (race.weightType == 2) kg10 += std::min(3, std::max(0, h.wins - race.classLevel)) * 10;
      if (race.weightType == 1) kg10 = static_cast<int>(std::clamp(540.0 + 20.0 * h.AbilityAt(race.date), 490.0, 590.0)) / 5 * 5;
    }
    if (h.sex == 2 && race.surface != 3) kg10 -= 20;
    kg10 -= apprentice * 10;
    return kg10;
  }

  void AssignJockeys(TRace& race, TRandom& r) {
    std::vector<const TPerson*> available;
    int wantedAffiliation = race.venue <= 10 ? 0 : race.venue < 100 ? 3 : 4;
    const std::vector<int>& venues = dayVenues_[race.date];
    for (const TPerson& j : world_.jockeys) {
      if (j.licenceDate > race.date) continue;
      if (wantedAffiliation == 0) {
        if (j.affiliation > 2) continue;
        if (!venues.empty()) {
          // Each jockey rides at one racecourse a day, mostly in his own region.
          std::uint64_t h = Hash(static_cast<std::uint64_t>(j.code) * 100003ULL + static_cast<std::uint64_t>(race.date));
          std::size_t pick = h % venues.size();
          if (h % 10 < 7) {
            for (std::size_t k = 0; k < venues.size(); ++k) {
              int v = venues[k];
              bool east = v == 1 || v == 2 || v == 3 || v == 4 || v == 5 || v == 6;
              if ((j.affiliation == 1) == east) {
                pick = k;
                break;
              }
            }
          }
          if (venues[pick] != race.venue) continue;
        }
      } else if (j.affiliation != wantedAffiliation && !(wantedAffiliation == 4 && j.affiliation <= 2 && j.skill > 0.4)) {
        continue;
      }
      available.push_back(&j);
    }
    if (available.empty()) {
      for (const TPerson& j : world_.jockeys) available.push_back(&j);
    }
    // The strongest horses get the best jockeys, more or less.
    std::vector<std::size_t> order(race.runners.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<double> strength(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
      strength[i] = world_.horses[static_cast<std::size_t>(race.runners[i].horse)].AbilityAt(race.date) + r.Normal(0, 0.5);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return strength[a] > strength[b]; });
    std::vector<bool> used(available.size(), false);
    bool special = race.grade != ' ';
    for (std::size_t i : order) {
      TRunner& runner = race.runners[i];
      const TPerson* trainer = world_.Trainer(runner.trainerCode);
      std::vector<double> weights(available.size(), 0.0);
      for (std::size_t k = 0; k < available.size(); ++k) {
        if (used[k]) continue;
        const TPerson& j = *available[k];
        double w = std::exp(2.5 * j.skill);
        if (trainer != nullptr && trainer->affiliation == j.affiliation) w *= 1.6;
        if (special && j.apprentice) w *= 0.3;
        weights[k] = w;
      }
      std::size_t k = r.Pick(weights);
      if (used[k]) {  // everyone is riding already: share
        k = static_cast<std::size_t>(r.Int(0, static_cast<int>(available.size()) - 1));
      }
      used[k] = true;
      const TPerson& j = *available[k];
      runner.jockeyCode = j.code;
      if (j.apprentice && !special && race.venue <= 10) {
        int years = (DaysOf(race.date) - DaysOf(j.licenceDate)) / 365;
        runner.apprentice = years < 1 ? 3 : years < 2 ? 2 : 1;
      }
    }
  }

  void SetWeather(TRace& race) {
    TDayWeather w = WeatherOf(race.date, race.venue, weatherRandom_);
    race.weather = w.weather;
    race.turfGoing = race.venue <= 10 || race.venue >= 100 ? w.turfGoing : 0;
    race.dirtGoing = w.dirtGoing;
    if (race.venue >= 30 && race.venue < 100) race.turfGoing = 0;
  }

  int Going(const TRace& race) const { return race.surface == 2 ? race.dirtGoing : race.turfGoing; }

  // Expected performance of a runner, without the luck of the day.
  double Expected(const TRace& race, const TRunner& runner) {
    const THorse& h = world_.horses[static_cast<std::size_t>(runner.horse)];
    double base = h.AbilityAt(race.date);
    double fit = 0;
    if (race.surface == 3) {
      base = 0.4 * base + 1.2 * h.jump;
    } else {
      fit += (race.surface == 1 ? 0.55 : -0.55) * h.turf;
      double d = (race.distance - h.distance) / h.distanceRange;
      fit -= 0.45 * std::min(4.0, d * d);
    }
    if (Going(race) >= 3) fit += 0.3 * Trait(h, 11);
    const TPerson* jockey = world_.Jockey(runner.jockeyCode);
    const TPerson* trainer = world_.Trainer(runner.trainerCode);
    double people = (jockey != nullptr ? 0.6 * jockey->skill : 0) + (trainer != nullptr ? 0.3 * trainer->skill : 0);
    double carried = -0.05 * (runner.carried - 560) / 10.0;
    return base + fit + people + carried;
  }

  void RunRace(TRace& race, TRandom& r) {
    const TVenue* venue = FindVenue(race.venue);
    const TCourse* course = CourseOf(race);
    int n = static_cast<int>(race.runners.size());
    // Scratches and exclusions before the start, non-finishers during it.
    for (TRunner& runner : race.runners) {
      double u = r.Uniform();
      runner.abnormality = u < 0.012 ? 1 : u < 0.015 ? 2 : u < 0.019 ? 4 : 0;
    }
    int fronts = 0;
    for (const TRunner& runner : race.runners) {
      if (world_.horses[static_cast<std::size_t>(runner.horse)].style == 1) ++fronts;
    }
    double pace = r.Normal() + 0.5 * (fronts - n / 7.0);
    std::vector<double> early(race.runners.size());
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      TRunner& runner = race.runners[i];
      const THorse& h = world_.horses[static_cast<std::size_t>(runner.horse)];
      double style = h.style == 1 ? -0.4 : h.style == 2 ? -0.12 : h.style == 3 ? 0.12 : 0.35;
      double paceEffect = h.style <= 2 ? -0.22 * pace : 0.14 * pace;
      runner.performance = Expected(race, runner) + paceEffect + r.Normal(0, 0.8 * h.consistency);
      if (race.distance <= 1400 && runner.frame <= 2) runner.performance += 0.05;
      early[i] = style + r.Normal(0, 0.15) - 0.03 * runner.performance;
    }
    // Finishing times.
    double standard = venue != nullptr && course != nullptr ? StandardTime(*venue, *course) : race.distance / 16.5;
    static const double kTurfGoing[5] = {1, 1, 1.006, 1.014, 1.024};
    static const double kDirtGoing[5] = {1, 1, 0.996, 0.991, 0.987};
    double going = race.surface == 2 ? kDirtGoing[race.dirtGoing] : kTurfGoing[race.turfGoing];
    // Each racecourse runs a little faster or slower from day to day, beyond
    // what the going says: what a track-condition index has to find.
    TRandom day = weatherRandom_.Fork(static_cast<std::uint64_t>(race.date) * 1000 + static_cast<std::uint64_t>(race.venue) + 7);
    going *= 1.0 + 0.004 * day.Normal() + (race.surface == 2 ? 0.002 : 0.003) * day.Normal();
    std::vector<std::size_t> finishers;
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      TRunner& runner = race.runners[i];
      if (runner.abnormality != 0) continue;
      runner.exactTime = standard * going * (1.0 - 0.0042 * (runner.performance - 1.0)) + 0.02 * r.Normal();
      finishers.push_back(i);
    }
    std::sort(finishers.begin(), finishers.end(), [&](std::size_t a, std::size_t b) {
      return race.runners[a].exactTime < race.runners[b].exactTime;
    });
    for (std::size_t k = 1; k < finishers.size(); ++k) {
      TRunner& here = race.runners[finishers[k]];
      const TRunner& before = race.runners[finishers[k - 1]];
      if (here.exactTime < before.exactTime + 0.004) here.exactTime = before.exactTime + 0.004;
    }
    double winner = finishers.empty() ? 0 : race.runners[finishers[0]].exactTime;
    for (std::size_t k = 0; k < finishers.size(); ++k) {
      TRunner& runner = race.runners[finishers[k]];
      runner.arrival = runner.position = static_cast<int>(k) + 1;
      runner.time = static_cast<int>(std::lround(runner.exactTime * 10));
      runner.margin = k == 0 ? "" : MarginCode(runner.exactTime - race.runners[finishers[k - 1]].exactTime);
    }
    if (!finishers.empty()) {
      int first = race.runners[finishers[0]].time;
      for (std::size_t k = 0; k < finishers.size(); ++k) {
        TRunner& runner = race.runners[finishers[k]];
        runner.timeDiff = runner.time - first;
      }
      if (finishers.size() > 1) race.runners[finishers[0]].timeDiff = first - race.runners[finishers[1]].time;
    }
    // Positions at the corners: from the early pace towards the finish.
    int corners = course != nullptr ? course->corners : 4;
    if (race.surface == 3) corners = 4;
    std::vector<std::size_t> starters;
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      if (race.runners[i].abnormality == 0 || race.runners[i].abnormality == 4) starters.push_back(i);
    }
    std::vector<double> finishRank(race.runners.size(), 1.0);
    for (std::size_t k = 0; k < finishers.size(); ++k) {
      finishRank[finishers[k]] =
          finishers.size() > 1 ? static_cast<double>(k) / static_cast<double>(finishers.size() - 1) : 0;
    }
    const double weights[4] = {0.05, 0.15, 0.3, 0.5};
    for (int c = 4 - corners; c < 4; ++c) {
      std::vector<std::pair<double, std::size_t>> order;
      for (std::size_t i : starters) {
        double e = (early[i] + 0.5);
        order.push_back({(1 - weights[c]) * e + weights[c] * finishRank[i], i});
      }
      std::sort(order.begin(), order.end());
      for (std::size_t k = 0; k < order.size(); ++k) {
        TRunner& runner = race.runners[order[k].second];
        // A horse that pulls up is passed at the last corner.
        if (runner.abnormality == 4 && c == 3) continue;
        runner.corners[static_cast<std::size_t>(c)] = static_cast<int>(k) + 1;
      }
    }
    // Closing sections.
    double closing;
    if (race.surface == 1) {
      closing = 34.3 + (race.distance - 1600) / 1000.0 * 0.8;
    } else if (race.surface == 2) {
      closing = 37.0 + (race.distance - 1400) / 1000.0 * 1.0;
    } else {
      closing = 0;
    }
    closing += 0.35 * pace + (Going(race) - 1) * (race.surface == 1 ? 0.5 : -0.15);
    double winnerLast = closing - 0.3;
    for (std::size_t k = 0; k < finishers.size(); ++k) {
      TRunner& runner = race.runners[finishers[k]];
      if (race.surface == 3) {
        runner.last3F = 0;
        runner.last4F = static_cast<int>(std::lround((51.0 + (runner.exactTime - winner) * 0.5) * 10));
        continue;
      }
      int lastCorner = runner.corners[3] > 0 ? runner.corners[3] : static_cast<int>(k) + 1;
      double gap = (lastCorner - 1) * 0.12;
      double last = winnerLast + (runner.exactTime - winner) - gap;
      last = std::clamp(last, winnerLast - 1.2, closing + 6.0);
      runner.last3F = static_cast<int>(std::lround(last * 10));
      runner.last4F = runner.last3F + static_cast<int>(std::lround((11.9 + 0.2 * pace) * 10));
    }
    // Laps of the winner, 200 m sections, the first taking the odd metres.
    race.laps.fill(0);
    if (race.surface != 3 && !finishers.empty()) {
      int total = race.runners[finishers[0]].time;
      int sections = (race.distance + 199) / 200;
      int firstLength = race.distance - 200 * (sections - 1);
      int last3 = static_cast<int>(std::lround(winnerLast * 10));
      int l1 = last3 / 3 - 1, l2 = last3 / 3 - 2;
      int l3 = last3 - l1 - l2;
      int rest = total - last3;
      int middle = sections - 3;
      std::vector<double> w(static_cast<std::size_t>(middle));
      double sum = 0;
      for (int i = 0; i < middle; ++i) {
        double wi = 1.0 - 0.02 * pace * (middle > 1 ? (0.5 - static_cast<double>(i) / (middle - 1)) : 0);
        if (i == 0) wi = firstLength / 200.0 * 1.06;
        if (i == 1) wi *= 0.95;
        w[static_cast<std::size_t>(i)] = wi;
        sum += wi;
      }
      int used = 0;
      for (int i = 0; i < middle; ++i) {
        int lap = static_cast<int>(std::lround(rest * w[static_cast<std::size_t>(i)] / sum));
        if (i == middle - 1) lap = rest - used;
        race.laps[static_cast<std::size_t>(i)] = lap;
        used += lap;
      }
      if (sections <= 25) {
        race.laps[static_cast<std::size_t>(sections - 3)] = l1;
        race.laps[static_cast<std::size_t>(sections - 2)] = l2;
        race.laps[static_cast<std::size_t>(sections - 1)] = l3;
      }
    }
    race.starters = static_cast<int>(starters.size());
    race.finishers = static_cast<int>(finishers.size());
    for (std::size_t k = 0; k < finishers.size() && k < 5; ++k) {
      race.runners[finishers[k]].prize = race.prize[k];
    }
  }

  void Market(TRace& race, TRandom& r) {
    std::vector<double> estimate(race.runners.size());
    double best = -1e9;
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      const TRunner& runner = race.runners[i];
      const TPerson* jockey = world_.Jockey(runner.jockeyCode);
      estimate[i] = Expected(race, runner) + r.Normal(0, 0.52) + (jockey != nullptr ? 0.3 * jockey->skill : 0);
      best = std::max(best, estimate[i]);
    }
    std::vector<double> win(race.runners.size(), 0.0);
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      int a = race.runners[i].abnormality;
      if (a == 1 || a == 2 || a == 3) continue;  // scratched before the off: refunded
      // Longshots draw more money than their chances: the public's bias.
      win[i] = std::exp(1.55 * (estimate[i] - best)) + 0.005;
    }
    double classSize[5] = {1.0, 1.3, 1.6, 2.0, 3.0};
    double size = 150000.0 * classSize[std::clamp(race.classLevel, 0, 4)];
    if (race.grade == 'A') size *= 8;
    if (race.grade == 'B' || race.grade == 'C') size *= 2.5;
    size *= std::exp(0.2 * r.Normal());
    race.publicWin = win;
    race.poolSize = size;
    race.marketSeed = r.Next();
    TRandom votes(race.marketSeed);
    BuildMarket(race, win, size, votes);
    if (!race.settled) {
      // Two earlier looks at the win market on the Friday.
      int friday = world_.presentDate;
      for (int hour : {1200, 1700}) {
        int announce = (friday % 10000) * 10000 + hour;
        std::map<int, int>& snapshot = race.market.intermediateWin[announce];
        for (const auto& [number, odds] : race.market.odds[0]) {
          double drift = hour == 1700 ? 1.0 : std::exp(0.12 * r.Normal());
          snapshot[number] = std::max(10, static_cast<int>(odds * drift));
        }
      }
    }
  }

  void News(TRace& race, TRandom& r) {
    TRaceNews& news = race.news;
    for (const TRunner& runner : race.runners) {
      news.bodyWeights.push_back({runner.horseNo, runner.bodyWeight});
    }
    if (r.Chance(0.12)) news.scratches.push_back({race.runners[static_cast<std::size_t>(r.Int(0, static_cast<int>(race.runners.size()) - 1))].horseNo, r.Chance(0.8) ? 1 : 2});
    if (r.Chance(0.1) && !world_.jockeys.empty()) {
      TRaceNews::TJockeyChange change;
      const TRunner& runner = race.runners[static_cast<std::size_t>(r.Int(0, static_cast<int>(race.runners.size()) - 1))];
      change.horseNo = runner.horseNo;
      change.carried = runner.carried + (runner.apprentice > 0 ? runner.apprentice * 10 : 0);
      const TPerson& j = world_.jockeys[static_cast<std::size_t>(r.Int(0, static_cast<int>(world_.jockeys.size()) - 1))];
      change.jockeyCode = j.code;
      change.announceTime = (world_.presentDate % 10000) * 10000 + 1630;
      news.jockeyChanges.push_back(change);
    }
    if (race.raceNo == 12 && r.Chance(0.2)) news.newStartTime = race.startTime + 5;
    if (race.surface == 1 && race.raceNo == 9 && r.Chance(0.15)) {
      // Heavy rain moves a turf race to the dirt course of the same length.
      const TVenue* venue = FindVenue(race.venue);
      if (venue != nullptr) {
        for (const TCourse& c : venue->courses) {
          if (c.surface == 2 && std::abs(c.distance - race.distance) <= 200) {
            news.newDistance = c.distance;
            news.newTrack = c.track;
            break;
          }
        }
      }
    }
  }

  void AfterRace(TRace& race, TRandom& r) {
    for (TRunner& runner : race.runners) {
      THorse& h = world_.horses[static_cast<std::size_t>(runner.horse)];
      TPerson* jockey = MutableJockey(runner.jockeyCode);
      if (runner.abnormality == 1 || runner.abnormality == 2) {
        h.nextReadyDate = AddDays(race.date, r.Int(14, 45));
        continue;
      }
      if (jockey != nullptr && race.venue <= 10) {
        std::string& first = race.surface == 3 ? jockey->firstJumpRide : jockey->firstFlatRide;
        if (first.empty()) first = race.key;
      }
      h.runs += 1;
      h.lastRunDate = race.date;
      h.raceKeys.push_back(race.key);
      h.weight = runner.bodyWeight;
      if (runner.position == 1) {
        h.wins += 1;
        if (race.surface == 3) {
          h.jumpClass = 1;
        } else if (race.venue <= 10 || race.venue >= 30) {
          h.classLevel = std::min(4, std::max(h.classLevel, race.classLevel) + (race.classLevel >= h.classLevel ? 1 : 0));
        }
      }
      if (race.surface == 3) {
        h.jumpPrize += runner.prize;
      } else {
        h.flatPrize += runner.prize;
      }
      int rest = r.Int(14, 49);
      if (runner.abnormality == 4 || r.Chance(0.05)) rest += r.Int(60, 240);
      h.nextReadyDate = AddDays(race.date, rest);
      int age = AgeAt(h, race.date);
      int month = (race.date / 100) % 100;
      bool retire = false;
      if (h.kind == 0 && age == 3 && h.classLevel == 0 && month >= 9 && r.Chance(0.5)) retire = true;
      if (age >= 7 && r.Chance(0.08 + 0.08 * (age - 7))) retire = true;
      if (h.runs >= 15 && h.wins == 0 && r.Chance(0.2)) retire = true;
      if (age >= 10) retire = true;
      if (retire) h.retiredOn = AddDays(race.date, 10);
      if (h.sex == 1 && h.wins == 0 && h.runs >= 4 && r.Chance(0.03)) h.sex = 3;
    }
  }

  TPerson* MutableJockey(int code) {
    const TPerson* found = world_.Jockey(code);
    return found == nullptr ? nullptr : &world_.jockeys[static_cast<std::size_t>(found - world_.jockeys.data())];
  }

  TWorld& world_;
  TRandom random_;
  TRandom weatherRandom_;
  std::map<int, std::vector<int>> pools_;
  std::map<int, std::vector<int>> dayVenues_;
};

}  // namespace

int FrameOf(int horseNo, int runners) {
  if (runners <= 8) return horseNo;
  int base = runners / 8;
  int extra = runners % 8;
  int smallFrames = 8 - extra;  // frames holding `base` horses
  if (horseNo <= smallFrames * base) return (horseNo - 1) / base + 1;
  return smallFrames + (horseNo - smallFrames * base - 1) / (base + 1) + 1;
}

std::string MarginCode(double seconds) {
  double lengths = seconds / 0.16;
  if (lengths < 0.1) return "H  ";
  if (lengths < 0.2) return "A  ";
  if (lengths < 0.35) return "K  ";
  if (lengths < 0.6) return " 12";
  if (lengths < 0.85) return " 34";
  if (lengths < 1.1) return "1  ";
  if (lengths < 1.35) return "114";
  if (lengths < 1.6) return "112";
  if (lengths < 1.85) return "134";
  if (lengths < 2.25) return "2  ";
  if (lengths < 2.75) return "212";
  if (lengths < 10) {
    char code[4] = {static_cast<char>('0' + static_cast<int>(lengths + 0.5)), ' ', ' ', 0};
    if (code[0] > '9') code[0] = '9';
    return code;
  }
  return lengths < 15 ? "Z  " : "T  ";
}

void RunWorld(TWorld& world, TRandom random) {
  TSimulator simulator(world, random);
  simulator.Run();
}

}  // namespace sample
