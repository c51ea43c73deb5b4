#include "database/horse_reader.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "app/file_problem.h"
#include "app/fixed_field.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race_cache.h"

namespace {

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

// The master record of `row` in `path`, built with `build`; a horse holding
// only its number when the file is missing, too short, reported for its
// length, or its record belongs to another horse.
template <typename Build>
THorse ReadMaster(const std::string& path, int row, int length, jv::TField idField, int horseID, Build build) {
  TFile file(std::fopen(path.c_str(), "rb"));
  if (file == nullptr || row < 0) return THorse::FromHorseID(horseID);
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return THorse::FromHorseID(horseID);
  const long size = std::ftell(file.get());
  if (size < 0 || size % length != 0) {
    file.reset();
    ReportFileProblem(path, size);
    return THorse::FromHorseID(horseID);
  }
  std::string record(static_cast<std::size_t>(length), ' ');
  if (std::fseek(file.get(), static_cast<long>(row) * length, SEEK_SET) != 0 ||
      std::fread(record.data(), 1, record.size(), file.get()) != record.size() ||
      ParseFixedField(record.data() + idField.offset, idField.length) != horseID) {
    return THorse::FromHorseID(horseID);
  }
  return build(record.data());
}

}  // namespace

std::vector<THorseInfo55> ReadPastRuns(int horseID, int runsRow) {
  namespace runs = jv::runs_index;
  std::vector<THorseInfo55> result;
  if (horseID <= 0) return result;
  TFile file(std::fopen(NumberedFilePath("SE", horseID / 1000000, ".IDX").c_str(), "rb"));
  if (file == nullptr) return result;
  if (runsRow < 0) runsRow = 0;
  if (std::fseek(file.get(), static_cast<long>(runsRow) * runs::kLength, SEEK_SET) != 0) return result;
  char row[runs::kLength];
  while (std::fread(row, 1, sizeof row, file.get()) == sizeof row) {
    const int id = ParseFixedField(row + runs::kHorseID.offset, runs::kHorseID.length);
    if (id > horseID) break;
    if (id < horseID) continue;
    TRaceID race;
    race.SetRaceKey(std::string_view(row + runs::kRaceKey.offset, runs::kRaceKey.length));
    result.emplace_back(race, horseID);
  }
  return result;
}

THorse ReadHorse(int horseID, bool withMaster) {
  if (horseID <= 0 || _CacheList == nullptr) return THorse();
  const int year = horseID / 1000000;
  THorse horse;
  std::pair<int, int> rows = _CacheList->HorseIndex(horseID);
  if (rows.first >= 0) {
    horse = withMaster ? ReadMaster(NumberedFilePath("UM", year), rows.first, jv::um::kLength, jv::um::kHorseID,
                                    horseID, THorse::FromUm)
                       : THorse::FromHorseID(horseID);
  } else {
    rows = _CacheList->FoalIndex(horseID);
    if (rows.first < 0) return THorse();
    horse = withMaster ? ReadMaster(NumberedFilePath("SK", year), rows.first, jv::sk::kLength, jv::sk::kHorseID,
                                    horseID, THorse::FromSk)
                       : THorse::FromHorseID(horseID);
  }
  horse.MutablePastRuns() = ReadPastRuns(horseID, rows.second);
  return horse;
}

std::vector<THorse> RunnersAsHorses(const TResult& race, bool withMaster, bool allRuns) {
  // A copy: the race may be the cache's shared result, which the past runs'
  // races replace while the horses are read.
  const TResult own = race;
  std::vector<THorse> horses;
  horses.reserve(own.Runners().size());
  for (const TResultInfo& runner : own.Runners()) {
    THorse horse = ReadHorse(runner.HorseID(), withMaster);
    static_cast<TResult&>(horse) = own;
    static_cast<TResultInfo&>(horse) = runner;
    horse.PreparePastRuns(allRuns ? kAllRuns : own.DateNumber());
    horses.push_back(std::move(horse));
  }
  return horses;
}
