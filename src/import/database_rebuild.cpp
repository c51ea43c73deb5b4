#include "import/database_rebuild.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/person_list.h"
#include "app/file_io.h"
#include "app/file_problem.h"
#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/record_file.h"
#include "app/sjis.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race_cache.h"
#include "database/race_id.h"
#include "import/record_kinds.h"

namespace {

namespace rk = record_kind;

// ---------------------------------------------------------------------------
// Keys. A key is a short run of numbers compared in order; unused places
// stay 0. Every field is read with ParseFixedField, races in race order
// (date number, then race code).

using TKey = std::array<std::int64_t, 7>;

std::int64_t Num(const char* record, int offset, int length) {
  return ParseFixedField(record + offset, length);
}

void PutRace(TKey& key, std::size_t& at, const char* raceKey) {
  TRaceID race;
  race.SetRaceKey(raceKey);
  key[at++] = race.DateNumber();
  key[at++] = race.RaceCode();
}

void PutDay(TKey& key, std::size_t& at, const char* dayKey) {
  TRaceID day;
  day.SetDayKey(dayKey);
  key[at++] = day.DateNumber();
  key[at++] = day.RaceCode();
}

TKey RecordKey(int kind, const char* r) {
  TKey key{};
  std::size_t at = 0;
  const char* raceKey = r + jv::kRaceKey.offset;
  switch (kind) {
    case rk::kSE: {
      PutRace(key, at, raceKey);
      std::int64_t horse = Num(r, jv::se::kHorseID.offset, jv::se::kHorseID.length);
      key[at++] = horse;
      // Runners without a registration number are told apart by horse number.
      key[at++] = horse > 0 ? 0 : Num(r, jv::se::kHorseNo.offset, jv::se::kHorseNo.length);
      break;
    }
    case rk::kUM:
    case rk::kSK:
      key[at++] = Num(r, 11, 10);
      break;
    case rk::kKS:
    case rk::kCH:
      key[at++] = Num(r, 11, 5);
      break;
    case rk::kBR:
    case rk::kBN:
      key[at++] = Num(r, 11, 6);
      break;
    case rk::kHN:
      key[at++] = Num(r, 11, 8);
      break;
    case rk::kRC:
      key[at++] = Num(r, 11, 1);
      PutRace(key, at, r + 12);
      key[at++] = Num(r, 28, 4);
      key[at++] = Num(r, 93, 2);
      key[at++] = Num(r, 95, 4);
      key[at++] = Num(r, 99, 2);
      break;
    case rk::kHC:
      key[at++] = Num(r, 11, 1);
      key[at++] = Num(r, 12, 8);
      key[at++] = Num(r, 20, 4);
      key[at++] = Num(r, 24, 10);
      break;
    case rk::kWE:
      PutDay(key, at, raceKey);
      key[at++] = Num(r, 25, 8);  // announcement time MMDDhhmm
      key[at++] = Num(r, 33, 1);
      break;
    case rk::kAV:
      PutRace(key, at, raceKey);
      key[at++] = Num(r, 35, 2);
      break;
    case rk::kJC:
      PutRace(key, at, raceKey);
      key[at++] = Num(r, 27, 8);
      key[at++] = Num(r, 35, 2);
      break;
    case rk::kYS:
      PutDay(key, at, raceKey);
      break;
    default:  // TK, RA, HR, H1, H6, O1-O6, WH, TC, CC, DM
      PutRace(key, at, raceKey);
      break;
  }
  return key;
}

bool IsOdds(int kind) { return kind >= rk::kO1 && kind <= rk::kO6; }

// Whether a staging record replaces the stored record of the same key.
bool Replaces(int kind, const char* staged, const char* stored) {
  std::int64_t stagedDate = Num(staged, jv::kCreated.offset, jv::kCreated.length);
  std::int64_t storedDate = Num(stored, jv::kCreated.offset, jv::kCreated.length);
  if (!IsOdds(kind)) return stagedDate >= storedDate;
  // Odds: only a strictly newer announcement.
  if (stagedDate != storedDate) return stagedDate > storedDate;
  std::int64_t stagedKind = Num(staged, jv::kDataKind.offset, jv::kDataKind.length);
  std::int64_t storedKind = Num(stored, jv::kDataKind.offset, jv::kDataKind.length);
  if (stagedKind != storedKind) return stagedKind > storedKind;
  return Num(staged, jv::o1::kAnnounceTime.offset, 8) > Num(stored, jv::o1::kAnnounceTime.offset, 8);
}

struct TEntry {
  TKey key;
  const char* bytes;
};

bool KeyLess(const TEntry& a, const TEntry& b) { return a.key < b.key; }

// Entries of every `length` bytes of `data`, each with its key.
template <typename KeyOf>
std::vector<TEntry> Entries(const std::string& data, std::size_t length, KeyOf keyOf) {
  std::vector<TEntry> entries;
  entries.reserve(RecordCount(data, length));
  for (std::size_t at = 0; at + length <= data.size(); at += length) {
    entries.push_back({keyOf(data.data() + at), data.data() + at});
  }
  return entries;
}

// Sorts by key, keeping the first of equal keys (file order decides).
void SortUnique(std::vector<TEntry>& entries) {
  if (!std::is_sorted(entries.begin(), entries.end(), KeyLess)) {
    std::stable_sort(entries.begin(), entries.end(), KeyLess);
  }
  auto last = std::unique(entries.begin(), entries.end(),
                          [](const TEntry& a, const TEntry& b) { return a.key == b.key; });
  entries.erase(last, entries.end());
}

std::string Join(const std::vector<TEntry>& entries, std::size_t length) {
  std::string out;
  out.reserve(entries.size() * length);
  for (const TEntry& e : entries) out.append(e.bytes, length);
  return out;
}

// ---------------------------------------------------------------------------
// Files.

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// A staging file of a folder: its path and the number in its name.
struct TStagingFile {
  std::string path;
  int number = 0;
  std::string shown;  // "RA/20040501.DAT" for the status line
};

// The files of a folder of the data folder whose names end in `suffix`,
// by number, then by name.
std::vector<TStagingFile> FilesEndingIn(const std::string& folder, const std::string& suffix) {
  std::vector<TStagingFile> files;
  std::string dir = DataFolder() + folder;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return files;
  while (dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      continue;
    }
    TStagingFile f;
    f.path = dir + "/" + name;
    f.number = static_cast<int>(std::strtol(name.c_str(), nullptr, 10));
    f.shown = folder + "/" + name.substr(0, name.size() - 1);
    files.push_back(std::move(f));
  }
  closedir(d);
  std::sort(files.begin(), files.end(), [](const TStagingFile& a, const TStagingFile& b) {
    return a.number != b.number ? a.number < b.number : a.path < b.path;
  });
  return files;
}

std::vector<TStagingFile> StagingFilesOf(const TRecordKind& kind) {
  if (!kind.SingleFile()) return FilesEndingIn(kind.folder, ".DAT~");
  std::vector<TStagingFile> files;
  std::string path = StagingFilePath(kind, 0);
  if (FileExists(path)) files.push_back({path, 0, std::string(kind.id) + ".DAT"});
  return files;
}

std::string WithoutTilde(const std::string& path) { return path.substr(0, path.size() - 1); }

// Writes a file through a temporary file renamed over it; reports a
// failure (size 0).
bool WriteReplacing(const std::string& path, std::string_view data) {
  std::size_t slash = path.rfind('/');
  if ((slash == std::string::npos || CreateFolderChain(path.substr(0, slash))) &&
      WriteFileAtomically(path, data)) {
    return true;
  }
  ReportFileProblem(path, 0);
  return false;
}

// Marks a birth year whose index must be built again (an empty ".IDX~").
bool MarkYear(const char* folder, int year) {
  std::string path = NumberedFilePath(folder, year, ".IDX~");
  return FileExists(path) || WriteReplacing(path, "");
}

// Appends whole entries to a file, after checking that it holds whole
// entries; flushed to disk before it returns. Reports any problem.
bool AppendEntries(const std::string& path, const std::string& data, std::size_t entryLength) {
  const int fd = OpenRecordFileForAppend(path, entryLength);
  if (fd < 0) return false;
  const char* p = data.data();
  std::size_t left = data.size();
  bool ok = true;
  while (ok && left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno != EINTR) ok = false;
      continue;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (ok && fsync(fd) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  if (!ok) ReportFileProblem(path, 0);
  return ok;
}

// Writes collected index entries to the ".IDX~" files of `folder`, one
// file per number (`numberOf` an entry); empties the set. False after a
// problem (reported).
template <typename NumberOf>
bool WriteIndexEntries(const char* folder, std::set<std::string>& entries, std::size_t entryLength,
                       NumberOf numberOf) {
  std::map<int, std::string> byFile;
  for (const std::string& e : entries) {
    if (e.size() == entryLength) byFile[numberOf(e)] += e;
  }
  entries.clear();
  for (const auto& [number, data] : byFile) {
    if (!AppendEntries(NumberedFilePath(folder, number, ".IDX~"), data, entryLength)) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Merging one staging file.

enum class TMerge { kUnchanged, kRewritten, kProblem };

// Years to mark before the staging file may go.
struct TNewYears {
  std::set<int> horse;
  std::set<int> foal;
};

void RecordAdded(const TRecordKind& kind, const char* r, bool inserted, TRebuildState& state,
                 TNewYears& years) {
  if (!state.collectIndexEntries) return;
  switch (kind.number) {
    case rk::kRA:
      state.pendingRaceIndex.insert(std::string(r + jv::kRaceKey.offset, jv::race_key::kLength));
      break;
    case rk::kSE:
      if (Num(r, jv::kDataKind.offset, 1) >= 2 && Num(r, jv::se::kHorseID.offset, 10) > 0) {
        state.pendingRunnerIndex.insert(std::string(r + jv::se::kHorseID.offset, 10) +
                                        std::string(r + jv::kRaceKey.offset, jv::race_key::kLength));
      }
      break;
    case rk::kUM:
      if (inserted) {
        int year = RecordFileNumber(kind, r);
        state.horseIndexYears.insert(year);
        state.progenyIndexYears.insert(year);
        years.horse.insert(year);
        years.foal.insert(year);
      }
      break;
    case rk::kSK:
      if (inserted) {
        int year = RecordFileNumber(kind, r);
        state.progenyIndexYears.insert(year);
        years.foal.insert(year);
      }
      break;
    default:
      break;
  }
}

TMerge MergeFile(const TRecordKind& kind, const std::string& stagingPath, TRebuildState& state,
                 TNewYears& years) {
  const std::size_t length = static_cast<std::size_t>(kind.length);
  const std::string targetPath = WithoutTilde(stagingPath);
  std::string stored;
  if (ReadRecordFile(targetPath, length, stored, false) == TRecordFileResult::kProblem) return TMerge::kProblem;
  std::string staged;
  if (ReadRecordFile(stagingPath, length, staged, true) != TRecordFileResult::kOk) return TMerge::kProblem;

  auto keyOf = [&kind](const char* r) { return RecordKey(kind.number, r); };
  std::vector<TEntry> old = Entries(stored, length, keyOf);
  SortUnique(old);
  std::vector<TEntry> fresh = Entries(staged, length, keyOf);
  std::stable_sort(fresh.begin(), fresh.end(), KeyLess);  // file order within a key

  if (kind.number == rk::kRA) {
    for (const TEntry& e : fresh) {
      if (e.bytes[jv::kDataKind.offset] == '7') {
        int created = ParseFixedField(e.bytes + jv::kCreated.offset, jv::kCreated.length);
        state.finalResultsDate = std::max(state.finalResultsDate, created);
      }
    }
  }

  std::vector<TEntry> merged;
  merged.reserve(old.size() + fresh.size());
  bool changed = false;
  std::size_t i = 0;
  for (std::size_t j = 0; j < fresh.size();) {
    const TKey& key = fresh[j].key;
    while (i < old.size() && old[i].key < key) merged.push_back(old[i++]);
    const char* current = nullptr;
    if (i < old.size() && old[i].key == key) current = old[i++].bytes;
    for (; j < fresh.size() && fresh[j].key == key; ++j) {
      const char* r = fresh[j].bytes;
      if (current == nullptr || Replaces(kind.number, r, current)) {
        RecordAdded(kind, r, current == nullptr, state, years);
        current = r;
        changed = true;
      }
    }
    merged.push_back({key, current});
  }
  if (!changed) return TMerge::kUnchanged;
  while (i < old.size()) merged.push_back(old[i++]);
  if (!WriteReplacing(targetPath, Join(merged, length))) return TMerge::kProblem;
  return TMerge::kRewritten;
}

// Tells the lists holding copies of a rewritten record file to forget them.
void NotifyRewritten(const TRecordKind& kind, int number, TRebuildState& state) {
  switch (kind.number) {
    case rk::kRA:
    case rk::kSE:
    case rk::kHR:  // the cache keeps the meeting's payouts too
      if (_CacheList != nullptr) _CacheList->ForgetMeeting(number);
      break;
    case rk::kH1:
      if (state.clearOdds) state.clearOdds(1);
      break;
    case rk::kO1:
      if (state.clearOdds) state.clearOdds(2);
      break;
    case rk::kKS:
      if (_JockeyList != nullptr) _JockeyList->Clear();
      break;
    case rk::kCH:
      if (_TrainerList != nullptr) _TrainerList->Clear();
      break;
    default:
      break;
  }
}

int RaceIndexFile(const std::string& entry) { return ParseFixedField(entry.data(), 4); }
int RunnerIndexFile(const std::string& entry) { return ParseFixedField(entry.data(), 10) / 1000000; }

// Watches for a cancel raised after a rebuild began.
class TCancelWatch {
 public:
  explicit TCancelWatch(TRunView& view) : view_(view), atStart_(view.Cancelled()) {}
  bool Stop() const { return !atStart_ && view_.Cancelled(); }

 private:
  TRunView& view_;
  bool atStart_;
};

void Advance(TRebuildState& state, TRunView& view, int maximum) {
  ++state.progress;
  view.SetProgress(1, state.progress, maximum);
}

}  // namespace

bool RebuildDatabase(TRebuildState& state, TRunView& view) {
  TCancelWatch cancel(view);
  std::vector<std::vector<TStagingFile>> files;
  int total = 0;
  for (const TRecordKind& kind : RecordKinds()) {
    files.push_back(StagingFilesOf(kind));
    total += static_cast<int>(files.back().size());
  }
  state.progress = 0;
  view.SetProgress(1, 0, total);

  bool allDone = true;
  bool stopped = false;
  for (const TRecordKind& kind : RecordKinds()) {
    if (stopped) break;
    // RA and SE staging files stay until their index entries are written.
    const bool holdsIndexEntries = kind.number == rk::kRA || kind.number == rk::kSE;
    std::vector<std::string> merged;
    for (const TStagingFile& file : files[static_cast<std::size_t>(kind.number)]) {
      if (cancel.Stop()) {
        stopped = true;
        allDone = false;
        break;
      }
      FrontEnd().ProcessPending();
      view.SetStatus(0, SJ("データベース再構築（") + file.shown + SJ("）"));
      TNewYears years;
      TMerge result = MergeFile(kind, file.path, state, years);
      bool ok = result != TMerge::kProblem;
      if (result == TMerge::kRewritten) NotifyRewritten(kind, file.number, state);
      for (int year : years.horse) ok = ok && MarkYear("UM", year);
      for (int year : years.foal) ok = ok && MarkYear("SK", year);
      if (!ok) {
        allDone = false;
        break;
      }
      if (holdsIndexEntries) {
        merged.push_back(file.path);
      } else {
        unlink(file.path.c_str());
      }
      Advance(state, view, total);
    }
    if (holdsIndexEntries) {
      bool written = kind.number == rk::kRA
                         ? WriteIndexEntries("RA", state.pendingRaceIndex, jv::race_index::kLength, RaceIndexFile)
                         : WriteIndexEntries("SE", state.pendingRunnerIndex, jv::runs_index::kLength,
                                             RunnerIndexFile);
      if (written) {
        for (const std::string& path : merged) unlink(path.c_str());
      } else {
        allDone = false;  // merged again next time, which collects the entries again
      }
    }
  }
  return allDone;
}

namespace {

TKey RaceIndexKey(const char* e) {
  TKey key{};
  std::size_t at = 0;
  PutRace(key, at, e);
  return key;
}

TKey RunnerIndexKey(const char* e) {
  TKey key{};
  std::size_t at = 0;
  key[at++] = Num(e, 0, 10);
  PutRace(key, at, e + 10);
  return key;
}

// Merges one ".IDX~" file into its ".IDX"; deletes it when done.
bool MergeIndexFile(const std::string& stagingPath, std::size_t length, TKey (*keyOf)(const char*)) {
  const std::string targetPath = WithoutTilde(stagingPath);
  std::string stored;
  if (ReadRecordFile(targetPath, length, stored, false) == TRecordFileResult::kProblem) return false;
  std::string staged;
  if (ReadRecordFile(stagingPath, length, staged, true) != TRecordFileResult::kOk) return false;
  std::vector<TEntry> entries = Entries(stored, length, keyOf);
  std::vector<TEntry> fresh = Entries(staged, length, keyOf);
  entries.insert(entries.end(), fresh.begin(), fresh.end());
  SortUnique(entries);  // a stored entry wins over an equal new one
  if (!WriteReplacing(targetPath, Join(entries, length))) return false;
  return true;
}

// Builds "<folder>/<year>.IDX" for the master records of "<folder>/<year>.DAT"
// (registration number at 11, 10 characters): one entry per record, in
// record order, pointing at the horse's first row of "SE/<year>.IDX".
bool BuildHorseIndex(const char* folder, int year, std::size_t recordLength) {
  const std::string dataPath = NumberedFilePath(folder, year);
  if (!FileExists(dataPath)) return true;
  std::string runs;
  if (ReadRecordFile(NumberedFilePath("SE", year, ".IDX"), jv::runs_index::kLength, runs, false) ==
      TRecordFileResult::kProblem) {
    return false;
  }
  std::string masters;
  if (ReadRecordFile(dataPath, recordLength, masters, true) != TRecordFileResult::kOk) return false;

  const std::size_t runLength = jv::runs_index::kLength;
  std::vector<std::int64_t> runHorses;
  runHorses.reserve(RecordCount(runs, runLength));
  for (std::size_t at = 0; at + runLength <= runs.size(); at += runLength) {
    runHorses.push_back(Num(runs.data() + at, 0, 10));
  }
  std::string index;
  index.reserve(RecordCount(masters, recordLength) * jv::horse_index::kLength);
  for (std::size_t at = 0; at + recordLength <= masters.size(); at += recordLength) {
    const char* r = masters.data() + at;
    std::int64_t horse = Num(r, 11, 10);
    index.append(r + 11, 10);
    auto found = std::lower_bound(runHorses.begin(), runHorses.end(), horse);
    std::ptrdiff_t row = found - runHorses.begin();
    if (found != runHorses.end() && *found == horse && row <= 999999) {
      char text[8];
      std::snprintf(text, sizeof text, "%06d", static_cast<int>(row));
      index.append(text, 6);
    } else {
      // No run, or a row beyond six digits: blanks make the reader scan
      // the runs index from its top, which still finds the runs.
      index.append(6, ' ');
    }
  }
  return WriteReplacing(NumberedFilePath(folder, year, ".IDX"), index);
}

std::set<int> MarkedYears(const char* folder) {
  std::set<int> years;
  for (const TStagingFile& f : FilesEndingIn(folder, ".IDX~")) years.insert(f.number);
  return years;
}

}  // namespace

bool RebuildIndexes(TRebuildState& state, TRunView& view) {
  TCancelWatch cancel(view);
  std::vector<TStagingFile> raceFiles = FilesEndingIn("RA", ".IDX~");
  std::vector<TStagingFile> runnerFiles = FilesEndingIn("SE", ".IDX~");
  int maximum = state.progress + static_cast<int>(raceFiles.size() + runnerFiles.size());
  view.SetProgress(1, state.progress, maximum);
  bool allDone = true;

  auto show = [&view](const std::string& shown) {
    FrontEnd().ProcessPending();
    view.SetStatus(0, SJ("インデックス再構築（") + shown + SJ("）"));
  };

  for (const TStagingFile& f : raceFiles) {
    if (cancel.Stop()) return false;
    show(f.shown);
    if (!MergeIndexFile(f.path, jv::race_index::kLength, RaceIndexKey)) {
      allDone = false;
      break;
    }
    unlink(f.path.c_str());
    Advance(state, view, maximum);
  }
  for (const TStagingFile& f : runnerFiles) {
    if (cancel.Stop()) return false;
    show(f.shown);
    if (!MergeIndexFile(f.path, jv::runs_index::kLength, RunnerIndexKey) || !MarkYear("UM", f.number) ||
        !MarkYear("SK", f.number)) {
      allDone = false;
      break;
    }
    state.horseIndexYears.insert(f.number);
    state.progenyIndexYears.insert(f.number);
    unlink(f.path.c_str());
    Advance(state, view, maximum);
  }

  std::set<int> horseYears = MarkedYears("UM");
  horseYears.insert(state.horseIndexYears.begin(), state.horseIndexYears.end());
  std::set<int> foalYears = MarkedYears("SK");
  foalYears.insert(state.progenyIndexYears.begin(), state.progenyIndexYears.end());
  maximum = state.progress + static_cast<int>(horseYears.size() + foalYears.size());
  view.SetProgress(1, state.progress, maximum);

  struct TPass {
    const char* folder;
    std::size_t length;
    const std::set<int>& years;
    std::set<int>& pending;
    void (TCacheList::*forget)(int);
  };
  const TPass passes[] = {
      {"UM", jv::um::kLength, horseYears, state.horseIndexYears, &TCacheList::ForgetHorseYear},
      {"SK", jv::sk::kLength, foalYears, state.progenyIndexYears, &TCacheList::ForgetFoalYear},
  };
  for (const TPass& pass : passes) {
    for (int year : pass.years) {
      if (cancel.Stop()) return false;
      show(std::string(pass.folder) + "/" + std::to_string(year) + ".IDX");
      if (!BuildHorseIndex(pass.folder, year, pass.length)) {
        allDone = false;
        break;
      }
      if (_CacheList != nullptr) (_CacheList->*pass.forget)(year);
      unlink(NumberedFilePath(pass.folder, year, ".IDX~").c_str());
      pass.pending.erase(year);
      Advance(state, view, maximum);
    }
  }
  return allDone;
}
