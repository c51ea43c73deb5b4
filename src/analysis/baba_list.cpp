#include "analysis/baba_list.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "analysis/base_list.h"
#include "analysis/level_list.h"
#include "app/front_end.h"
#include "app/sjis.h"
#include "database/result.h"

TBabaList* _BabaList = nullptr;

namespace {

constexpr int kSlots = TBabaData::kSlots;
constexpr int kJumpClass = 30;
constexpr int kPasses = 8;
constexpr double kBaseWeight = 0.94;

// Going factor by going code 0-4 and weather factor by weather code 0-6;
// any other code is neutral.
double GoingFactor(int going) {
  constexpr std::array<double, 5> kFactor = {1.0, 1.0, 0.86, 0.84, 0.84};
  return going >= 0 && going < 5 ? kFactor[static_cast<std::size_t>(going)] : 1.0;
}

double WeatherFactor(int weather) {
  constexpr std::array<double, 7> kFactor = {1.0, 1.0, 1.0, 0.99, 1.0, 0.5, 1.0};
  return weather >= 0 && weather < 7 ? kFactor[static_cast<std::size_t>(weather)] : 1.0;
}

// The base time of the race, 0 for none. An empty base table without a
// file has none to give, and is not asked: it would report the missing file
// each time the race cache loads a meeting; whoever needs base times for
// themselves reports it.
double BaseTimeOfRace(const TResult& race) {
  if (_BaseList == nullptr) return 0;
  std::error_code error;
  if (_BaseList->CellCount() == 0 && !std::filesystem::exists(_BaseList->Path(), error)) return 0;
  return _BaseList->GetBaseTime(race);
}

bool IsTurfClass(int trackClass) { return trackClass >= 10 && trackClass <= 12; }

std::uint8_t CodeByte(int code) { return static_cast<std::uint8_t>(code >= 0 && code <= 255 ? code : 0); }

int MeanKey(int courseEra, int trackClass) { return courseEra * 100 + trackClass; }

}  // namespace

int BabaTrackClass(const TResult& race) {
  const int track = race.Track();
  if (track == 110 || track == 120) return kJumpClass;
  if (track < 0 || track >= 100) return 0;
  switch (track / 10) {
    case 1:
      if (track % 10 == 4) return 12;
      return track % 2 == 1 ? 11 : 10;
    case 2:
      return race.Distance() == 1200 && race.Venue == 6 ? 21 : 20;
    default:
      return 0;
  }
}

void SmoothBabaData(TBabaData& day) {
  std::array<double, kSlots> r{};
  for (int p = 0; p < kSlots; ++p) r[static_cast<std::size_t>(p)] = day.Value[static_cast<std::size_t>(p)];
  for (int pass = 0; pass < kPasses; ++pass) {
    std::array<double, kSlots> next{};
    for (int p = 0; p < kSlots; ++p) {
      const auto up = static_cast<std::size_t>(p);
      if (r[up] == 0) continue;
      const int cls = day.TrackClass[up];
      const int going = day.Going[up], weather = day.Weather[up];
      double sum = r[up], weights = 1;
      // The nearest race before (step −1) and after (step +1) on the same
      // kind of track; a jump race also takes a turf race, counted as 1.0.
      for (int step : {-1, 1}) {
        bool found = false;
        for (int i = p + step; i >= 0 && i < kSlots; i += step) {
          const auto ui = static_cast<std::size_t>(i);
          const int other = day.TrackClass[ui];
          const bool turfForJump = cls == kJumpClass && IsTurfClass(other);
          if (other != cls && !turfForJump) continue;
          const int goingI = day.Going[ui], weatherI = day.Weather[ui];
          const double base = kBaseWeight * GoingFactor(going) * GoingFactor(goingI) * WeatherFactor(weather) *
                              WeatherFactor(weatherI);
          const double w = std::pow(base, (std::abs(going - goingI) + 1) * std::abs(p - i));
          sum += w * (turfForJump ? 1.0 : r[ui]);
          weights += w;
          found = true;
          break;
        }
        if (!found) {
          sum += kBaseWeight * r[up];
          weights += kBaseWeight;
        }
      }
      next[up] = sum / weights;
    }
    r = next;
  }
  for (int p = 0; p < kSlots; ++p) day.Value[static_cast<std::size_t>(p)] = static_cast<float>(r[static_cast<std::size_t>(p)]);
  day.Open = 0;
}

TBabaList::TBabaList() : TDataList(SJ("馬場指数"), "") {}

void TBabaList::Clear() {
  days_.clear();
  means_.clear();
}

void TBabaList::AddRace(const TResult& race) {
  if (race.DataKind() != 7 && race.DataKind() != 10) return;
  const int raceNo = race.RaceNo;
  if (raceNo < 1 || raceNo > kSlots) return;
  const int distance = race.Distance();
  if (distance <= 0) return;
  const double a = RaceTimeFigure(race);
  if (a == 0) return;
  const double b = BaseTimeOfRace(race);
  if (b == 0) return;
  double v = (b - a) / distance + 1;
  v -= CombinedLevel(race, 0) - 1;
  if (!std::isfinite(v)) return;

  const int era = race.CourseEraNumber();
  TBabaData& day = days_[{race.DateNumber(), era}];
  day.Date = race.DateNumber();
  day.CourseEra = static_cast<std::int16_t>(era);
  if (day.Open == 0) {
    day.Open = 1;
    day.TrackClass.fill(0);
    day.Value.fill(0);
    day.Going.fill(0);
    day.Weather.fill(0);
  }
  const auto slot = static_cast<std::size_t>(raceNo - 1);
  const int cls = BabaTrackClass(race);
  const int surface = race.SurfaceKind();
  day.TrackClass[slot] = static_cast<std::uint8_t>(cls);
  day.Value[slot] = static_cast<float>(v);
  day.Going[slot] = CodeByte(surface == 2 ? race.DirtGoing() : surface == 1 || surface == 3 ? race.TurfGoing() : 0);
  day.Weather[slot] = CodeByte(race.Weather());
}

void TBabaList::Load() {
  means_.clear();
  for (auto& [where, day] : days_) {
    if (day.Open != 0) SmoothBabaData(day);
    for (int p = 0; p < kSlots; ++p) {
      const auto up = static_cast<std::size_t>(p);
      if (day.Value[up] > 0) {
        auto& [sum, count] = means_[MeanKey(day.CourseEra, day.TrackClass[up])];
        sum += day.Value[up];
        ++count;
      }
      FrontEnd().ProcessPending();
    }
  }
}

double TBabaList::GetTrackIndex(const TResult& race, double fallback) {
  const int raceNo = race.RaceNo;
  if (raceNo < 1 || raceNo > kSlots) return fallback;
  auto it = days_.find({race.DateNumber(), race.CourseEraNumber()});
  if (it == days_.end()) return fallback;
  TBabaData& day = it->second;
  if (day.Open != 0) SmoothBabaData(day);
  const auto slot = static_cast<std::size_t>(raceNo - 1);
  double c = day.Value[slot];
  if (c > 0 && fallback > 0) {
    auto mean = means_.find(MeanKey(day.CourseEra, day.TrackClass[slot]));
    if (mean != means_.end()) {
      auto& [sum, count] = mean->second;
      // The first request turns the sum into the course class's offset from 1.0.
      if (count > 0) {
        sum = sum / count - 1;
        count = 0;
      }
      c -= sum;
    }
  }
  return c > 0 ? c : fallback;
}

const TBabaData* TBabaList::Find(int date, int courseEra) const {
  auto it = days_.find({date, courseEra});
  return it == days_.end() ? nullptr : &it->second;
}
