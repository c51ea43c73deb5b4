#include "sample/sample_calendar.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "app/sjis.h"
#include "sample/sample_courses.h"
#include "sample/sample_dates.h"
#include "sample/sample_race_names.h"

namespace sample {

namespace {

// Racecourses of each month, the main one first.
const int kMonthVenues[12][3] = {
    {6, 8, 7}, {5, 8, 10}, {6, 9, 7}, {6, 9, 3}, {5, 8, 4}, {5, 9, 2},
    {3, 7, 2}, {4, 10, 1}, {6, 9, 1}, {5, 8, 4}, {5, 8, 3}, {6, 9, 7},
};

// JV-Data weekday codes: 1 土, 2 日, 3 祝, 4 月 ... 8 金.
int WeekdayCode(int date, bool holiday) {
  if (holiday) return 3;
  int dow = DayOfWeek(date);
  return dow == 6 ? 1 : dow == 0 ? 2 : dow + 3;
}

std::set<int> Holidays(int year) {
  return {NthWeekday(year, 1, 1, 2), NthWeekday(year, 9, 1, 3), NthWeekday(year, 10, 1, 2)};
}

std::string RaceKey(int date, const std::string& venueCode, int meeting, int day, int raceNo) {
  char key[32];
  std::snprintf(key, sizeof key, "%08d%s%02d%02d%02d", date, venueCode.c_str(), meeting, day, raceNo);
  return key;
}

// Meeting and day numbers of one racecourse through a year: a meeting ends
// after `maxDays` days or a gap of more than ten days.
class TMeetingCounter {
 public:
  explicit TMeetingCounter(int maxDays) : maxDays_(maxDays) {}
  std::pair<int, int> Next(int year, int venue, int date) {
    TState& s = states_[{year, venue}];
    if (s.meeting == 0 || s.day >= maxDays_ || DaysOf(date) - DaysOf(s.last) > 10) {
      ++s.meeting;
      s.day = 0;
    }
    ++s.day;
    s.last = date;
    return {s.meeting, s.day};
  }

 private:
  struct TState {
    int meeting = 0;
    int day = 0;
    int last = 0;
  };
  int maxDays_;
  std::map<std::pair<int, int>, TState> states_;
};

const TCourse& PickCourse(const TVenue& venue, int surface, int maxDistance, TRandom& random) {
  std::vector<const TCourse*> courses;
  std::vector<double> weights;
  for (const TCourse& c : venue.courses) {
    if (c.surface == surface && c.distance <= maxDistance) {
      courses.push_back(&c);
      weights.push_back(c.weight);
    }
  }
  if (courses.empty()) {
    for (const TCourse& c : venue.courses) {
      if (c.surface != 3) {
        courses.push_back(&c);
        weights.push_back(c.weight);
      }
    }
  }
  return *courses[random.Pick(weights)];
}

bool HasJumps(const TVenue& venue) {
  return std::any_of(venue.courses.begin(), venue.courses.end(), [](const TCourse& c) { return c.surface == 3; });
}

// First prize by class (hundreds of yen): maiden, 1勝, 2勝, 3勝, open.
const std::int64_t kClassPrize[5] = {55000, 78000, 106000, 156000, 230000};

void SetPrizes(TRace& race, std::int64_t first) {
  const double shares[5] = {1.0, 0.4, 0.25, 0.15, 0.10};
  for (int i = 0; i < 5; ++i) race.prize[static_cast<std::size_t>(i)] = static_cast<std::int64_t>(static_cast<double>(first) * shares[i]) / 10 * 10;
}

// Class condition codes of a race: 701 newcomers, 703 maiden, 5/10/16
// money classes, 999 open.
int ConditionCode(int classLevel, bool debut) {
  if (debut) return 701;
  switch (classLevel) {
    case 0: return 703;
    case 1: return 5;
    case 2: return 10;
    case 3: return 16;
    default: return 999;
  }
}

// Age codes: 11 two-year-olds, 12 three-year-olds, 13 three and up, 14
// four and up; jumps 18 three and up, 19 four and up.
void SetConditions(TRace& race, int ageCode) {
  race.ageCode = ageCode;
  int code = ConditionCode(race.classLevel, race.debut);
  race.conditions = {0, 0, 0, 0, code};
  switch (ageCode) {
    case 11: race.conditions[0] = code; break;
    case 12: race.conditions[1] = code; break;
    case 13:
    case 18: race.conditions[1] = race.conditions[2] = race.conditions[3] = code; break;
    default: race.conditions[2] = race.conditions[3] = code; break;
  }
}

struct TDayPlan {
  int date = 0;
  int venue = 0;
  int meeting = 0;
  int meetingDay = 0;
  int weekday = 0;
  int venueRank = 0;   // 0 the main racecourse of the day
  bool jra = true;
  int races = 12;
  int dataKind = 7;
};

class TProgrammer {
 public:
  explicit TProgrammer(TRandom random) : random_(random) {}

  // `raceNo` is the race's number; a day of fewer than twelve races keeps
  // the later slots of the programme (its main races).
  TRace JraRace(const TDayPlan& day, int number) {
    static const int kEightSlots[8] = {3, 5, 6, 7, 9, 10, 11, 12};
    int raceNo = day.races >= 12 ? number : kEightSlots[std::clamp(number, 1, 8) - 1];
    const TVenue& venue = *FindVenue(day.venue);
    int month = (day.date / 100) % 100;
    int year = day.date / 10000;
    TRace race = Base(day, number, venue.keyCode);
    double turfShare = 0.5;
    int ageCode = month <= 5 ? 14 : 13;
    int maxDistance = 3600;
    bool special = false;
    bool jump = false;
    switch (raceNo) {
      case 1:
      case 2:
      case 3:
        race.classLevel = 0;
        ageCode = month >= 7 && (raceNo == 3 || month >= 9) ? 11 : 12;
        if (ageCode == 12 && month >= 10) {  // three-year-old maidens are over by autumn
          ageCode = 13;
          race.classLevel = 1;
        }
        turfShare = raceNo == 1 ? 0.3 : 0.6;
        maxDistance = ageCode == 11 ? 2000 : 2400;
        break;
      case 4:
        if (HasJumps(venue) && (day.weekday == 1 || random_.Chance(0.3))) {
          jump = true;
          race.classLevel = random_.Chance(0.6) ? 0 : 4;
          ageCode = month <= 5 ? 19 : 18;
        } else {
          race.classLevel = 0;
          ageCode = month >= 8 ? 11 : 12;
          if (ageCode == 12 && month >= 10) { ageCode = 13; race.classLevel = 1; }
          maxDistance = 2000;
        }
        break;
      case 5:
        if (month >= 6 || month <= 3) {
          race.debut = true;
          race.classLevel = 0;
          ageCode = month >= 6 ? 11 : 12;
          maxDistance = 2000;
          turfShare = 0.65;
        } else {
          race.classLevel = 0;
          ageCode = 12;
        }
        break;
      case 6:
        race.classLevel = 1;
        ageCode = month <= 5 ? 12 : (month >= 9 && random_.Chance(0.35) ? 11 : 13);
        if (ageCode == 11) maxDistance = 2000;
        break;
      case 7:
        race.classLevel = 1;
        break;
      case 8:
        race.classLevel = random_.Chance(0.5) ? 1 : 2;
        break;
      case 9:
        race.classLevel = random_.Chance(0.6) ? 2 : 1;
        special = true;
        break;
      case 10:
        race.classLevel = random_.Chance(0.5) ? 3 : 2;
        special = true;
        break;
      case 11:
        race.classLevel = day.venueRank == 0 ? 4 : (random_.Chance(0.5) ? 4 : 3);
        special = true;
        turfShare = 0.7;
        break;
      default:
        race.classLevel = random_.Chance(0.6) ? 1 : 2;
        break;
    }
    int surface = jump ? 3 : (random_.Chance(turfShare) ? 1 : 2);
    const TCourse& course = PickCourse(venue, surface, maxDistance, random_);
    race.surface = course.surface;
    race.distance = course.distance;
    race.track = course.track;
    if (race.surface == 1) {
      const char* rails[] = {"A ", "A ", "B ", "C ", "C ", "D "};
      race.courseDiv = rails[std::min(5, (day.meetingDay - 1) / 2 + (day.meeting % 2))];
    }
    SetConditions(race, ageCode);

    // Weight type, symbol and names.
    bool youngOnly = ageCode == 11 || ageCode == 12;
    race.weightType = youngOnly || race.classLevel == 0 ? 3 : 4;
    bool fillies = youngOnly && race.classLevel >= 1 && random_.Chance(0.12);
    char first = (ageCode == 13 || ageCode == 14) && random_.Chance(0.6) ? 'A' : '0';
    char sex = fillies ? '2' : '0';
    char designation = jump ? '0' : special ? '3' : '1';
    race.symbol = std::string{first, sex, designation};
    std::int64_t prize = kClassPrize[std::min(race.classLevel, 4)];
    if (race.debut) prize = 70000;
    if (jump) prize = race.classLevel == 0 ? 74000 : 190000;
    if (special) {
      bool graded = raceNo == 11 && day.venueRank == 0 && race.classLevel == 4;
      int slot = raceNo * 10 + (day.weekday == 2 ? 1 : 0) + (day.meetingDay + 1) / 2 * 2;
      TRaceName name = SpecialRaceName(day.venue, month, slot, graded, race.classLevel >= 3);
      race.mainTitle = name.main;
      race.shortName10 = name.short10;
      race.shortName6 = name.short6;
      race.shortName3 = name.short3;
      race.specialNo = name.specialNo;
      if (graded) {
        bool sunday = day.weekday == 2;
        int week = (DaysOf(day.date) / 7) % 5;
        race.grade = sunday ? (week == 0 ? 'A' : week <= 2 ? 'B' : 'C') : 'C';
        race.division = 1;
        race.runningNo = year - name.founded;
        race.weightType = race.grade == 'A' ? 4 : random_.Chance(0.35) ? 1 : 2;
        prize = race.grade == 'A' ? 1500000 : race.grade == 'B' ? 600000 : 400000;
        race.symbol[2] = '3';
        if (race.grade == 'A') race.symbol[0] = 'N';  // international
      } else {
        race.grade = 'E';
        race.weightType = race.classLevel >= 3 && random_.Chance(0.4) ? 1 : (youngOnly ? 3 : 4);
        prize = prize * 11 / 10;
      }
    }
    SetPrizes(race, prize);
    race.startTime = StartTime(raceNo, day.venueRank);
    return race;
  }

  TRace LocalRace(const TDayPlan& day, int raceNo) {
    const TVenue& venue = *FindVenue(day.venue);
    TRace race = Base(day, raceNo, venue.keyCode);
    const TCourse& course = PickCourse(venue, 2, 2000, random_);
    race.surface = 2;
    race.distance = course.distance;
    race.track = course.track;
    race.classLevel = raceNo <= 3 ? 0 : raceNo == day.races ? 4 : std::min(3, (raceNo - 2) / 2);
    SetConditions(race, raceNo <= 2 ? 12 : 13);
    race.weightType = race.classLevel == 4 ? 2 : 3;
    race.symbol = "000";
    SetPrizes(race, 8000 + 4000 * race.classLevel);
    race.startTime = StartTime(raceNo + 2, 1) + 400;
    if (raceNo == day.races) {
      TRaceName name = SpecialRaceName(day.venue, (day.date / 100) % 100, raceNo, false, true);
      race.mainTitle = name.main;
      race.shortName10 = name.short10;
      race.shortName6 = name.short6;
      race.shortName3 = name.short3;
    }
    return race;
  }

 private:
  static int StartTime(int raceNo, int venueRank) {
    int minutes = 9 * 60 + 50 + (raceNo - 1) * 30 + (raceNo >= 6 ? 20 : 0) + venueRank * 10;
    if (raceNo == 11) minutes = 15 * 60 + 25 + venueRank * 10;
    if (raceNo == 12) minutes = 16 * 60 + venueRank * 10;
    return minutes / 60 * 100 + minutes % 60;
  }

  TRace Base(const TDayPlan& day, int raceNo, const std::string& venueCode) {
    TRace race;
    race.date = day.date;
    race.venue = day.venue;
    race.venueCode = venueCode;
    race.meeting = day.meeting;
    race.meetingDay = day.meetingDay;
    race.raceNo = raceNo;
    race.key = RaceKey(day.date, venueCode, day.meeting, day.meetingDay, raceNo);
    race.weekday = day.weekday;
    race.dataKind = day.dataKind;
    race.settled = day.dataKind >= 7;
    return race;
  }

  TRandom random_;
};

// The overseas races of a year: (month, weekday, n-th, country, surface,
// distance) with an invented name each.
struct TOverseasRace {
  int month, weekday, nth, country, surface, distance;
  const char* name;
};
const TOverseasRace kOverseas[] = {
    {3, 6, 4, 127, 1, 2410, "オアシスシーマカップ"},
    {10, 0, 1, 108, 1, 2400, "エトワール大賞"},
    {11, 6, 1, 104, 2, 2000, "フロンティアクラシック"},
    {11, 2, 1, 116, 1, 3200, "サザンクロスカップ"},
    {12, 0, 2, 160, 1, 1600, "ハーバーマイル"},
    {12, 0, 2, 160, 1, 2000, "ハーバーカップ"},
};

}  // namespace

void BuildCalendar(TWorld& world, TRandom random) {
  const TSampleOptions& o = world.options;
  double scale = o.scale;
  TProgrammer programmer(random.Fork("programme"));
  TRandom choice = random.Fork("calendar");
  TMeetingCounter jraMeetings(8);
  TMeetingCounter localMeetings(5);
  std::vector<TDayPlan> plans;

  // JRA days: weekends and three Monday holidays from 5 January to 28
  // December. The last racing weekend of the range shows race cards, the
  // weekend after it special registrations only, then three months of
  // schedule.
  int lastYear = o.toYear + 1;
  int lastSaturday = 0;
  for (int date = NthWeekday(o.toYear, 12, 6, 1); AddDays(date, 1) <= o.toYear * 10000 + 1228; date = AddDays(date, 7)) {
    lastSaturday = date;
  }
  int cardWeekend = lastSaturday;                     // Saturday of the last racing weekend
  int presentDate = AddDays(cardWeekend, -1);         // the Friday before it
  int registrationEnd = AddDays(cardWeekend, 20);     // covers the next racing weekend
  int scheduleEnd = (o.toYear + 1) * 10000 + 331;
  world.presentDate = presentDate;

  for (int year = o.fromYear; year <= lastYear; ++year) {
    std::set<int> holidays = Holidays(year);
    int start = year * 10000 + 105;
    int end = year * 10000 + 1228;
    for (int date = start; date <= end; date = AddDays(date, 1)) {
      if (date > scheduleEnd) break;
      int dow = DayOfWeek(date);
      bool holiday = holidays.count(date) > 0;
      if (dow != 6 && dow != 0 && !holiday) continue;
      int month = (date / 100) % 100;
      int venues = 3;
      // The third racecourse rests on the last weekend of a month.
      if (AddDays(date, 7) / 100 % 100 != month && dow != 1) venues = 2;
      if (scale < 0.75) venues = scale >= 0.4 ? 2 : 1;
      if (scale < 0.15 && dow != 0) continue;  // a tiny world races on Sundays only
      int dataKind = 7;
      if (date >= cardWeekend) dataKind = dow == 6 ? 3 : 2;
      if (date > AddDays(cardWeekend, 2)) dataKind = date <= registrationEnd ? kRegistrationOnly : kScheduleOnly;
      for (int rank = 0; rank < venues; ++rank) {
        TDayPlan day;
        day.date = date;
        day.venue = kMonthVenues[month - 1][rank];
        auto [meeting, meetingDay] = jraMeetings.Next(year, day.venue, date);
        day.meeting = meeting;
        day.meetingDay = meetingDay;
        day.weekday = WeekdayCode(date, holiday);
        day.venueRank = rank;
        day.dataKind = dataKind;
        day.races = scale < 0.15 ? 8 : 12;
        plans.push_back(day);
      }
    }
  }

  // Local days: weekdays at one racecourse in turn, until the present.
  const std::vector<int>& locals = LocalVenueCodes();
  int week = 0;
  for (int date = NthWeekday(o.fromYear, 1, 2, 1); date < presentDate; date = AddDays(date, 7), ++week) {
    std::vector<int> offsets = scale >= 0.75 ? std::vector<int>{0, 1, 2} : scale >= 0.3 ? std::vector<int>{1}
                                                                                           : std::vector<int>{};
    if (scale < 0.3 && week % 2 == 0) offsets = {1};
    for (int offset : offsets) {
      int d = AddDays(date, offset);
      if (d >= presentDate || d / 10000 > o.toYear) continue;
      TDayPlan day;
      day.date = d;
      day.venue = locals[static_cast<std::size_t>((week * 3 + offset) % static_cast<int>(locals.size()))];
      auto [meeting, meetingDay] = localMeetings.Next(d / 10000, day.venue, d);
      day.meeting = meeting;
      day.meetingDay = meetingDay;
      day.weekday = WeekdayCode(d, false);
      day.jra = false;
      day.races = scale >= 0.5 ? 8 : 5;
      day.dataKind = 10;  // 'A'
      plans.push_back(day);
    }
  }

  std::sort(plans.begin(), plans.end(), [](const TDayPlan& a, const TDayPlan& b) {
    return a.date != b.date ? a.date < b.date : a.venue < b.venue;
  });
  for (const TDayPlan& day : plans) {
    TRaceDay raceDay;
    raceDay.date = day.date;
    raceDay.venue = day.venue;
    raceDay.meeting = day.meeting;
    raceDay.meetingDay = day.meetingDay;
    raceDay.weekday = day.weekday;
    for (int raceNo = 1; raceNo <= day.races; ++raceNo) {
      TRace race = day.jra ? programmer.JraRace(day, raceNo) : programmer.LocalRace(day, raceNo);
      // Schedule-only days keep just their graded race.
      if (day.dataKind == kScheduleOnly && !(race.grade >= 'A' && race.grade <= 'C')) continue;
      raceDay.races.push_back(static_cast<int>(world.races.size()));
      world.races.push_back(std::move(race));
    }
    world.raceDays.push_back(std::move(raceDay));
  }

  // Overseas races: a few a year with Japanese runners, until the present.
  for (int year = o.fromYear; year <= o.toYear; ++year) {
    int raceNo = 0;
    for (const TOverseasRace& r : kOverseas) {
      int date = NthWeekday(year, r.month, r.weekday, r.nth);
      if (r.month == 3 && r.nth == 4 && date / 100 % 100 != 3) date = AddDays(date, -7);
      if (date >= presentDate) continue;
      const TVenue& venue = *FindVenue(r.country);
      TRace race;
      race.date = date;
      race.venue = r.country;
      race.venueCode = venue.keyCode;
      race.meeting = 1;
      race.meetingDay = 1;
      race.raceNo = ++raceNo;
      race.key = RaceKey(date, venue.keyCode, 1, 1, raceNo);
      race.weekday = WeekdayCode(date, false);
      race.dataKind = 11;  // 'B'
      race.settled = true;
      race.surface = r.surface;
      race.distance = r.distance;
      for (const TCourse& c : venue.courses) {
        if (c.surface == r.surface) race.track = c.track;
      }
      race.classLevel = 4;
      race.grade = 'A';
      race.mainTitle = Utf8ToSjis(r.name);
      race.shortName10 = race.mainTitle.substr(0, std::min<std::size_t>(20, race.mainTitle.size()));
      race.shortName6 = race.mainTitle.substr(0, std::min<std::size_t>(12, race.mainTitle.size()));
      race.shortName3 = race.mainTitle.substr(0, std::min<std::size_t>(6, race.mainTitle.size()));
      SetConditions(race, 13);
      race.weightType = 4;
      race.symbol = "N00";
      SetPrizes(race, 2000000);
      race.startTime = 2300;
      TRaceDay day;
      day.date = date;
      day.venue = r.country;
      day.meeting = 1;
      day.meetingDay = 1;
      day.weekday = race.weekday;
      day.races.push_back(static_cast<int>(world.races.size()));
      world.races.push_back(std::move(race));
      world.raceDays.push_back(std::move(day));
    }
  }
  (void)choice;

  // Races in key order; race days in date, then racecourse order, with
  // their race indexes remapped.
  std::vector<int> order(world.races.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    const TRace& x = world.races[static_cast<std::size_t>(a)];
    const TRace& y = world.races[static_cast<std::size_t>(b)];
    if (x.date != y.date) return x.date < y.date;
    return x.key < y.key;
  });
  std::vector<int> newIndex(order.size());
  std::vector<TRace> sorted;
  sorted.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    sorted.push_back(std::move(world.races[static_cast<std::size_t>(order[i])]));
  }
  world.races = std::move(sorted);
  for (TRaceDay& day : world.raceDays) {
    for (int& index : day.races) index = newIndex[static_cast<std::size_t>(index)];
  }
  std::sort(world.raceDays.begin(), world.raceDays.end(), [](const TRaceDay& a, const TRaceDay& b) {
    return a.date != b.date ? a.date < b.date : a.venue < b.venue;
  });
  world.lastSettledDate = 0;
  for (const TRace& race : world.races) {
    if (race.settled && race.date > world.lastSettledDate) world.lastSettledDate = race.date;
  }
}

}  // namespace sample
