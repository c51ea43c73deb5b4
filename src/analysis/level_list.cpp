#include "analysis/level_list.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "app/file_io.h"
#include "app/file_problem.h"
#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/record_file.h"
#include "app/sjis.h"
#include "database/race_cache.h"
#include "database/race_codes.h"
#include "database/result.h"

TLevel1* _Level1 = nullptr;
TLevel2* _Level2 = nullptr;
TLevel3* _Level3 = nullptr;
TLevel4* _Level4 = nullptr;
TLevel5* _Level5 = nullptr;

namespace {

// The cells of all five tables, by key.
std::map<int, TLevelData> gCells;
// Whether LEVEL.DAT has been read (or found missing) since the cells were
// last forgotten, so a missing file is not looked for at every lookup.
bool gLoadTried = false;

constexpr int kClassCodes = 16;

// The ranges of A, B and C of each table's dump and normalisation.
struct TRange {
  int low, high;
};
struct TTableRanges {
  TRange a, b, c;
};
TTableRanges RangesOf(int table) {
  switch (table) {
    case 1: return {{1, 3}, {1, 3}, {1, 5}};
    case 2: return {{1, 3}, {1, 2}, {1, 5}};
    default: return {{0, 0}, {1, 2}, {1, 5}};
  }
}

// Surface class: 1 turf, 2 dirt, 3 jumps, 0 any other track.
int SurfaceClass(const TResult& race) { return SurfaceKindOfTrack(race.Track()); }

void Table1(const TResult& race, TLevelCriteria& k) {
  const int venue = race.Venue;
  const int cls = LevelClassCode(race);
  k.A = venue >= 100 ? 1 : venue >= 30 ? 3 : race.AgeClass() >= 50 ? 2 : 1;
  k.B = venue <= 10 || venue >= 100 ? SurfaceClass(race) : 1;
  const int meeting = MeetingCode(race);
  if (k.A == 1) {
    if (meeting == 20 || meeting == 21) {
      // Other surfaces than turf and dirt keep one division.
      const int limit = k.B == 1 ? 11 : k.B == 2 ? 9 : -1;
      k.C = cls <= limit ? 3 : 1;
    } else if (meeting == 33) {
      k.C = (k.B == 1 || k.B == 2) && cls <= 3 ? 2 : 1;
    } else {
      k.C = 1;
    }
  } else if (k.A == 3) {
    k.C = cls <= 13 ? meeting % 10 : 1;
  } else {
    k.C = 1;
  }
  k.D = cls;
}

int SeasonOfAge(const TResult& race) {
  const int k = race.AgeClass();
  const int code = k * 100 + race.Month;
  if (k < 50 && race.Venue <= 10) {
    if (code >= 106 && code <= 108) return 7;
    if (code >= 109 && code <= 110) return 6;
    if (code >= 111 && code <= 112) return 5;
    if (code >= 201 && code <= 202) return 4;
    if (code >= 203 && code <= 206) return 3;
    if (code >= 207 && code <= 212) return 2;
  } else if (k < 50) {
    if (code >= 104 && code <= 106) return 11;
    if (code >= 107 && code <= 108) return 10;
    if (code >= 109 && code <= 110) return 9;
    if (code >= 111 && code <= 112) return 8;
    if (code >= 201 && code <= 202) return 7;
    if (code >= 203 && code <= 204) return 6;
    if (code >= 205 && code <= 206) return 5;
    if (code >= 207 && code <= 208) return 4;
    if (code >= 209 && code <= 210) return 3;
    if (code >= 211 && code <= 212) return 2;
  } else if (k % 50 == 1 || k % 50 == 2) {
    return 2;
  }
  switch (k % 50) {
    case 3: return 2;
    case 4: case 5: case 6: case 9: return 1;
    default: return 0;
  }
}

void Table2(const TResult& race, TLevelCriteria& k) {
  const int venue = race.Venue;
  const bool central = venue < 30 || venue >= 100;
  const bool anglo = race.AgeClass() >= 50;
  const int cls = LevelClassCode(race);
  k.A = anglo ? 3 : central ? 1 : 2;
  k.B = central ? SurfaceClass(race) : 1;
  if (anglo) {
    k.C = 1;
  } else if (central) {
    k.C = cls > 9 ? 3 : cls >= 3 ? 2 : 1;
  } else {
    k.C = cls >= 5 ? 2 : 1;
  }
  k.D = SeasonOfAge(race);
}

int ConditionOfSymbol(const TResult& race) {
  if (race.AgeClass() >= 50) return 10;
  const int symbol = race.Symbol();
  if (symbol % 10 == 2) return 7;
  switch (symbol / 100) {
    case 0: return 2;
    case 1: case 8: return 1;
    case 2: return 3;
    case 3: case 6: return 4;
    case 4: case 5: return 5;
    case 7: return 6;
    default: return 0;
  }
}

// Tables 4 and 5: races for fillies and mares (tens digit 2 of the symbol)
// by month or by distance; every other sex condition is code 1.
int SexCode(const TResult& race, int table) {
  switch (race.Symbol() / 10 % 10) {
    case 0: case 1: case 3: case 4: return 1;
    case 2: break;
    default: return 0;
  }
  if (table == 4) return race.Month + 1;
  const int d = race.Distance();
  return d <= 1200 ? 1 : d <= 1400 ? 2 : d <= 1800 ? 3 : d <= 2200 ? 4 : 5;
}

std::string LevelFilePath() { return DataFolder() + "LEVEL.DAT"; }

// The level of a cell as a lookup sees it.
double LevelOfCell(int key) {
  auto it = gCells.find(key);
  return it != gCells.end() && it->second.Value > 0 ? it->second.Value : 1.0;
}

bool HasCell(int key) { return gCells.count(key) != 0; }

}  // namespace

int LevelKey(int table, const TLevelCriteria& c) {
  return table * 10000000 + c.A * 100000 + c.B * 10000 + c.C * 100 + c.D;
}

int MeetingCode(const TResult& race) { return _CacheList != nullptr ? _CacheList->GroupCode(race) : 0; }

int LevelClassCode(const TResult& race) {
  const int c = race.Condition(4);
  const int g = race.Grade();
  const int venue = race.Venue;
  const int ageClass = race.AgeClass();
  if (venue < 30 && ageClass < 50 && race.Track() >= 100) {
    if (c == 4) return 4;
    if (c == 81) return 3;
    if (c != 91) return 0;
    switch (g) {
      case 1: return 10;
      case 2: return 11;
      case 3: return race.Distance() >= 4000 ? 15 : race.WeightType() == 1 ? 13 : 14;
      case 4: return 13;
      case 5: return 14;
      case 6: return 15;
      default: return 4;
    }
  }
  if (venue < 30 && ageClass < 50) {
    switch (c) {
      case 9: case 10: return g == 1 ? 6 : g == 2 ? 7 : 3;
      case 4: case 5: return g == 1 ? 4 : g == 2 ? 5 : 3;
      case 14: case 15: case 16: return 9;
      case 71: return race.MonthNumber() < 200304 && race.MeetingDay > 4 ? 2 : 1;
      case 72: return race.MeetingDay < 5 ? 1 : 2;
      case 81: return 3;
      case 91:
        switch (g) {
          case 1: case 2: case 3: return 11;
          case 4: return 13;
          case 5: return 14;
          case 6: return 15;
          default: return 9;
        }
      default: return 0;
    }
  }
  if (venue < 30) {
    switch (c) {
      case 3: case 4: return 4;
      case 6: case 7: case 8: return 6;
      case 81: return 3;
      case 91: return g == 1 ? 10 : g == 2 ? 11 : g == 3 ? 12 : 6;
      default: return 0;
    }
  }
  if (g == 4) return 13;
  if (g == 5) return 14;
  if (g == 6) return 15;
  if (c / 10 == 9) {
    if (g == 1 || g == 2) return 11;
    if (g == 3) return 12;
  }
  if (ageClass % 50 > 3) {
    switch (c) {
      case 101: return 7;
      case 102: return 8;
      case 103: return 9;
      case 104: return 10;
      default: return g == 1 ? 5 : g == 2 ? 6 : g == 3 ? 12 : 0;
    }
  }
  if (g == 3) return 12;
  if (race.Symbol() % 10 == 5) return 3;
  if (c / 10 == 7) return 1;
  if (g == 1) return 2;
  if (g == 2) return 4;
  return 0;
}

bool LevelApplies(int table, const TResult& race) {
  if (table == 1) return true;
  return table >= 2 && table <= 5 && race.Track() < 100;
}

TLevelCriteria LevelCriteria(int table, const TResult& race) {
  TLevelCriteria k;
  switch (table) {
    case 1: Table1(race, k); break;
    case 2: Table2(race, k); break;
    case 3:
      k.B = SurfaceClass(race);
      k.C = 1;
      k.D = ConditionOfSymbol(race);
      break;
    case 4:
    case 5:
      k.B = SurfaceClass(race);
      k.C = 1;
      k.D = SexCode(race, table);
      break;
    default: break;
  }
  return k;
}

// ---- The tables.

TLevel::TLevel(int table, std::string displayName)
    : TDataList(std::move(displayName), "LEVEL.DAT"), table_(table) {}

TLevel1::TLevel1() : TLevel(1, SJ("クラス別")) {}
TLevel2::TLevel2() : TLevel(2, SJ("年齢別")) {}
TLevel3::TLevel3() : TLevel(3, SJ("条件別")) {}
TLevel4::TLevel4() : TLevel(4, SJ("性別（季節）")) {}
TLevel5::TLevel5() : TLevel(5, SJ("性別（距離）")) {}

const std::map<int, TLevelData>& TLevel::Cells() { return gCells; }

void TLevel::ForgetCells() {
  gCells.clear();
  gLoadTried = false;
}

// The cells are read when a lookup or a rebuild first needs them. Before
// the first maintenance run there is no file, which is the normal state of
// a new database and not worth a message: every level is then 1.0.
void TLevel::EnsureLoaded() {
  if (!gCells.empty() || gLoadTried) return;
  std::error_code error;
  if (!std::filesystem::exists(LevelFilePath(), error)) {
    gLoadTried = true;
    return;
  }
  Load();
}

void TLevel::Clear() {
  EnsureLoaded();
  const int low = table_ * 10000000, high = low + 10000000;
  before_.clear();
  for (auto it = gCells.lower_bound(low); it != gCells.lower_bound(high); ++it) {
    if (it->second.Weight == 0) before_.emplace(it->first, it->second.Value);
  }
  gCells.erase(gCells.lower_bound(low), gCells.lower_bound(high));
}

void TLevel::AddRace(const TResult& race) {
  if (!LevelApplies(table_, race)) return;
  const int distance = race.Distance();
  if (distance <= 0) return;
  const double a = RaceTimeFigure(race);
  const double b = _BaseList != nullptr ? _BaseList->GetBaseTime(race) : 0;
  if (a == 0 || b == 0) return;
  double v = (b - a) / distance + 1;
  v -= CombinedLevel(race, table_) - 1;
  v -= (_BabaList != nullptr ? _BabaList->GetTrackIndex(race, 1.0) : 1.0) - 1;
  const double w = YearWeight(race);
  if (!std::isfinite(v) || !std::isfinite(w)) return;
  const int key = LevelKey(table_, LevelCriteria(table_, race));
  TLevelData& cell = gCells[key];
  cell.Key = key;
  cell.Value += v * w;
  cell.Weight += w;
  ++cell.Count;
}

void TLevel::Load() {
  gLoadTried = true;
  const std::string path = LevelFilePath();
  std::string data;
  if (ReadRecordFile(path, kRecordLength, data) != TRecordFileResult::kOk) return;
  gCells.clear();
  for (std::size_t at = 0; at < data.size(); at += kRecordLength) {
    const char* r = data.data() + at;
    TLevelData cell;
    cell.Key = ParseFixedField(r, 8);
    cell.Value = ParseFixedField(r + 8, 5) * 0.0001;
    cell.Count = ParseFixedField(r + 13, 5);
    gCells[cell.Key] = cell;
  }
}

void TLevel::Save() {
  for (auto& [key, cell] : gCells) {
    if (cell.Weight > 0) {
      cell.Value /= cell.Weight;
      cell.Weight = 0;
    }
  }
  Normalise();
  for (const auto& [key, value] : before_) {
    auto it = gCells.find(key);
    if (it != gCells.end() && std::abs(it->second.Value - value) * 10000 <= 1.0) it->second.Value = value;
  }
  before_.clear();
  std::string out;
  out.reserve(gCells.size() * kRecordLength);
  for (const auto& [key, cell] : gCells) {
    AppendFixedNumber(out, cell.Key, 8);
    AppendFixedNumber(out, cell.Value * 10000, 5);
    AppendFixedNumber(out, cell.Count, 5);
    out += "\r\n";
  }
  Backup();
  const std::string path = LevelFilePath();
  if (!CreateFolderChain(DataFolder()) || !WriteFileAtomically(path, out)) ReportFileProblem(path, 0);
  const std::string dump = DumpPath();
  if (!CreateFolderChain(ProgramFolder() + "DATA/") || !WriteFileAtomically(dump, Dump())) {
    ReportFileProblem(dump, 0);
  }
}

double TLevel::GetLevel(const TLevelCriteria& c) {
  EnsureLoaded();
  return LevelOfCell(LevelKey(table_, c));
}

double TLevel::RaceLevel(const TResult& race) {
  return LevelApplies(table_, race) ? GetLevel(LevelCriteria(table_, race)) : 1.0;
}

std::string TLevel::DumpPath() const { return ProgramFolder() + "DATA/LEVEL" + std::to_string(table_) + ".TXT"; }

void TLevel::Shift(int a, int b, int c, double offset) {
  for (int d = 0; d < kClassCodes; ++d) {
    auto it = gCells.find(LevelKey(table_, {a, b, c, d}));
    if (it != gCells.end()) it->second.Value -= offset;
  }
}

void TLevel::Normalise() {
  const TTableRanges r = RangesOf(table_);
  for (int a = r.a.low; a <= r.a.high; ++a) {
    for (int b = r.b.low; b <= r.b.high; ++b) {
      for (int c = r.c.low; c <= r.c.high; ++c) {
        auto level = [&](int cc, int d) { return LevelOfCell(LevelKey(table_, {a, b, cc, d})); };
        double offset = 0;
        if (table_ == 1) {
          // Division 1 is anchored on its class-3 cell; each higher
          // division is joined to the nearest lower one at its own highest
          // class present.
          offset = level(1, 3) - 1;
          int top = -1;
          for (int d = kClassCodes - 1; d >= 0 && top < 0; --d) {
            if (HasCell(LevelKey(table_, {a, b, c, d}))) top = d;
          }
          if (top >= 0) {
            for (int lower = c - 1; lower >= 1; --lower) {
              if (HasCell(LevelKey(table_, {a, b, lower, top}))) {
                offset += level(c, top) - level(lower, top);
                break;
              }
            }
          }
        } else if (table_ == 2) {
          for (int d = 1; d < kClassCodes; ++d) {
            if (HasCell(LevelKey(table_, {a, b, c, d}))) {
              offset = level(c, d) - 1;
              break;
            }
          }
        } else {
          offset = level(c, 1) - 1;
        }
        Shift(a, b, c, offset);
      }
    }
  }
}

std::string TLevel::Dump() const {
  const TTableRanges r = RangesOf(table_);
  std::string out;
  char text[32];
  for (int a = r.a.low; a <= r.a.high; ++a) {
    std::snprintf(text, sizeof text, "[%d]\n", a);
    out += text;
    for (int b = r.b.low; b <= r.b.high; ++b) {
      for (int c = r.c.low; c <= r.c.high; ++c) {
        std::string levels, counts;
        for (int d = 0; d < kClassCodes; ++d) {
          auto it = gCells.find(LevelKey(table_, {a, b, c, d}));
          if (it == gCells.end()) {
            levels += "      ";
            counts += "      ";
            continue;
          }
          const double value = std::isfinite(it->second.Value) ? it->second.Value * 10000 : 0;
          std::snprintf(text, sizeof text, "%6.0f", value);
          levels += text;
          std::snprintf(text, sizeof text, "%6d", it->second.Count);
          counts += text;
        }
        out += levels + "\n" + counts + "\n";
      }
    }
  }
  return out;
}

TLevel* LevelTable(int table) {
  switch (table) {
    case 1: return _Level1;
    case 2: return _Level2;
    case 3: return _Level3;
    case 4: return _Level4;
    case 5: return _Level5;
    default: return nullptr;
  }
}

double CombinedLevel(const TResult& race, int excluded) {
  double level = 1;
  for (int t = 1; t <= 5; ++t) {
    if (t == excluded) continue;
    if (TLevel* table = LevelTable(t)) level += table->RaceLevel(race) - 1;
  }
  return level;
}
