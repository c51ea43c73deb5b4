#include "analysis/base_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "analysis/baba_list.h"
#include "analysis/level_list.h"
#include "app/file_io.h"
#include "app/file_problem.h"
#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/record_file.h"
#include "app/sjis.h"
#include "database/race_codes.h"
#include "database/result.h"

TBaseList* _BaseList = nullptr;

namespace {

// ---- Corrections that come from the other derived lists. A value that is
// not a usable factor (0 = none, negative, not finite) counts as neutral.

// The combined level factor of the race over the five level tables.
double LevelFactorOfRace(const TResult& race) { return CombinedLevel(race, 0); }
// The track-condition index of the race's day and track.
double TrackIndexOfRace(const TResult& race) {
  return _BabaList != nullptr ? _BabaList->GetTrackIndex(race, 1.0) : 1.0;
}

double UsableFactor(double value) { return value > 0 && std::isfinite(value) ? value : 1.0; }

// Early-section weight A and late-section weight B of a surface class.
constexpr std::array<double, 4> kEarlyWeight = {0, 31, 28, 0};
constexpr std::array<double, 4> kLateWeight = {0, -40, -41, 0};
// The number of late sections of a surface class by the number of sections.
constexpr int kMaxSections = 18;
constexpr std::array<std::array<int, kMaxSections + 1>, 4> kLateSections = {{
    {},
    {0, 0, 0, 0, 0, 1, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 6},  // turf
    {0, 0, 0, 0, 0, 2, 2, 2, 2, 3, 3, 4, 4, 4, 0, 0, 0, 0, 0},  // dirt
    {},
}};

bool IsJump(const TResult& race) { return race.Track() >= 100; }

// A new mean within one step of the file's precision (1 ÷ `scale`) of the
// value before keeps the value before.
double Settled(double value, double before, double scale) {
  return std::abs(value - before) * scale <= 1.0 ? before : value;
}

}  // namespace

double YearWeight(const TResult& race) { return TDataList::AgeWeight(race); }

double RaceTimeFigure(const TResult& race) {
  if (race.Venue >= 100 || race.RunnerCount() < race.Registered()) return 0;
  const int finishers = race.Finishers();
  if (finishers < 2) return 0;
  const double k = IsJump(race) ? 5.2 : 4.5;
  const bool localAffiliationRace = race.Symbol() % 10 == 5 && race.Grade() <= 3;
  double sum = 0, weights = 0;
  for (const TResultInfo& runner : race.Runners()) {
    if (localAffiliationRace && (runner.EastWest() == 1 || runner.EastWest() == 2)) continue;
    if (runner.Arrival() < 1 || runner.Time() <= 0) continue;
    const double w = std::exp(-k * (runner.Arrival() - 1) / (finishers - 1));
    weights += w;
    sum += w * runner.Time();
  }
  return weights > 0 ? sum / weights : 0;
}

double PaceFactor(const TResult& race) {
  if (race.Venue >= 30 || race.Track() >= 100 || race.Lap(0) == 0) return 0;
  const int d = race.Distance();
  if (d <= 0) return 0;
  const double figure = RaceTimeFigure(race);
  if (figure == 0) return 0;
  const int surface = SurfaceKindOfTrack(race.Track());
  const double perMetre = figure / d;
  const int sections = (d + 100) / 200;
  const int late = sections <= kMaxSections ? kLateSections[static_cast<std::size_t>(surface)]
                                                           [static_cast<std::size_t>(sections)]
                                            : 0;
  double sum = 0;
  for (int i = 0; i < sections; ++i) {
    const double length = i == 0 ? d - (sections - 1) * 200 : 200;
    const double v = length * (perMetre - race.Lap(i) / length) * 0.01;
    sum += (i < sections - late ? kEarlyWeight : kLateWeight)[static_cast<std::size_t>(surface)] * v;
  }
  return 1 + sum / d;
}

double DistanceFactor(const TResult& race) {
  if (!IsJump(race)) return 1;
  const double d = race.Distance();
  return d * 0.005 * (1 + (d - 2000) * 0.000001 * 33);
}

int BaseKey(const TResult& race) { return race.CourseEraNumber() * 100 + std::min(race.Track(), 99); }

int BaseDistance(const TResult& race) { return IsJump(race) ? 0 : race.Distance(); }

TBaseList::TBaseList() : TDataList(SJ("基準タイム"), "BASETIME.DAT") {}

void TBaseList::Clear() {
  before_.clear();
  for (const auto& [where, cell] : cells_) {
    if (cell.Weight == 0) before_.emplace(where, cell);
  }
  cells_.clear();
  loadTried_ = false;
}

void TBaseList::AddRace(const TResult& race) {
  if (race.Track() < 0) return;
  double t = RaceTimeFigure(race);
  if (t == 0) return;
  const double d = race.Distance();
  t += (UsableFactor(LevelFactorOfRace(race)) - 1) * d;
  t += (UsableFactor(TrackIndexOfRace(race)) - 1) * d;
  const double p = PaceFactor(race);
  if (p > 0 && p < 1) t += d * (p - 1);
  const double factor = DistanceFactor(race);
  if (!(factor > 0)) return;
  t /= factor;
  const double w = YearWeight(race);
  if (!std::isfinite(t) || !std::isfinite(p)) return;
  const int key = BaseKey(race), distance = BaseDistance(race);
  TBaseData& cell = cells_[{key, distance}];
  cell.Key = key;
  cell.Distance = distance;
  cell.Time += t * w;
  cell.Pace += p * w;
  cell.Weight += w;
}

void TBaseList::Load() {
  loadTried_ = true;
  const std::string path = Path();
  std::string data;
  if (ReadRecordFile(path, kRecordLength, data) != TRecordFileResult::kOk) return;
  cells_.clear();
  for (std::size_t at = 0; at < data.size(); at += kRecordLength) {
    const char* r = data.data() + at;
    TBaseData cell;
    cell.Key = ParseFixedField(r, 5);
    cell.Distance = ParseFixedField(r + 5, 4);
    cell.Time = ParseFixedField(r + 9, 5) * 0.1;
    cell.Pace = ParseFixedField(r + 14, 5) * 0.0001;
    cells_.emplace(std::pair{cell.Key, cell.Distance}, cell);
  }
}

void TBaseList::Save() {
  std::string out;
  out.reserve(cells_.size() * kRecordLength);
  for (auto& [where, cell] : cells_) {
    if (cell.Weight > 0) {
      cell.Time /= cell.Weight;
      cell.Pace /= cell.Weight;
      cell.Weight = 0;
      auto before = before_.find(where);
      if (before != before_.end()) {
        cell.Time = Settled(cell.Time, before->second.Time, 10);
        cell.Pace = Settled(cell.Pace, before->second.Pace, 10000);
      }
    }
    AppendFixedNumber(out, cell.Key, 5);
    AppendFixedNumber(out, cell.Distance, 4);
    AppendFixedNumber(out, cell.Time * 10, 5);
    AppendFixedNumber(out, cell.Pace * 10000, 5);
    out += "\r\n";
  }
  Backup();
  const std::string path = Path();
  if (!CreateFolderChain(DataFolder()) || !WriteFileAtomically(path, out)) ReportFileProblem(path, 0);
}

double TBaseList::GetBaseTime(const TResult& race) {
  if (cells_.empty() && !loadTried_) Load();
  if (race.Track() < 0) return 0;
  const TBaseData* cell = Find(BaseKey(race), BaseDistance(race));
  if (cell == nullptr) return 0;
  double b = cell->Time * DistanceFactor(race);
  const double p = PaceFactor(race);
  if (p > 0 && p < 1) b -= race.Distance() * (p - 1);
  return b;
}

const TBaseData* TBaseList::Find(int key, int distance) const {
  auto it = cells_.find({key, distance});
  return it == cells_.end() ? nullptr : &it->second;
}
