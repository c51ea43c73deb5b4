#include "database/race_reader.h"

#include <algorithm>
#include <map>

#include "app/record_file.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race_cache.h"
#include "database/result_info.h"

namespace {

bool KeyEquals(const char* record, const TResult& race) {
  return race.RaceKey().compare(0, 16, record + jv::kRaceKey.offset, 16) == 0;
}

// Hands each record of a meeting's file to the race with its key; both are
// sorted by race key, so the search resumes at the race matched last.
template <typename Each>
void Attach(std::vector<TResult>& races, const std::string& data, std::size_t length, Each each) {
  std::size_t last = 0;
  for (std::size_t at = 0; at + length <= data.size(); at += length) {
    const char* record = data.data() + at;
    if (races.empty()) return;
    std::size_t i = last;
    for (std::size_t tried = 0; tried < races.size(); ++tried, i = (i + 1) % races.size()) {
      if (KeyEquals(record, races[i])) {
        each(races[i], record);
        last = i;
        break;
      }
    }
  }
}

}  // namespace

std::vector<TResult> LoadMeeting(const TRaceID& race, bool withPayouts) {
  std::vector<TResult> races;
  std::string data;
  if (ReadRecordFile(MeetingFilePath("RA", race), jv::ra::kLength, data, false) != TRecordFileResult::kOk) return races;
  for (std::size_t at = 0; at + jv::ra::kLength <= data.size(); at += jv::ra::kLength) {
    races.push_back(TResult::FromRa(data.data() + at));
  }
  std::stable_sort(races.begin(), races.end(), [](const TResult& a, const TResult& b) {
    return static_cast<const TRaceID&>(a) < static_cast<const TRaceID&>(b);
  });
  if (ReadRecordFile(MeetingFilePath("SE", race), jv::se::kLength, data, false) == TRecordFileResult::kOk) {
    Attach(races, data, jv::se::kLength,
           [](TResult& r, const char* record) { r.AddRunner(TResultInfo::FromSe(record)); });
  }
  for (TResult& r : races) r.Complete();
  if (withPayouts &&
      ReadRecordFile(MeetingFilePath("HR", race), jv::hr::kLength, data, false) == TRecordFileResult::kOk) {
    Attach(races, data, jv::hr::kLength, [](TResult& r, const char* record) { r.AddPayouts(record); });
  }
  return races;
}

TResult ReadRace(const TRaceID& race) {
  for (const TResult& r : LoadMeeting(race, true)) {
    if (static_cast<const TRaceID&>(r) == race) return r;
  }
  return TResult();
}

std::vector<TRace> RacesOfKey(const TKeyInfo& key) {
  std::vector<TRace> races;
  std::string data;
  switch (key.Kind / 10) {
    case 1:
      if (ReadRecordFile(NumberedFilePath("TK", key.DateNumber()), jv::tk::kLength, data) == TRecordFileResult::kOk) {
        for (std::size_t at = 0; at + jv::tk::kLength <= data.size(); at += jv::tk::kLength) {
          TResult race = TResult::FromTk(data.data() + at);
          if (key.Contains(race)) races.push_back(TRace(race));
        }
      }
      break;
    case 2:
    case 3: {
      if (ReadRecordFile(NumberedFilePath("RA", key.Year, ".IDX"), jv::race_index::kLength, data) !=
          TRecordFileResult::kOk) {
        break;
      }
      // Each meeting file is read once for all the races of the node: by
      // the race cache (which adds the day's news) when there is one.
      std::map<int, std::vector<TResult>> meetings;
      for (std::size_t at = 0; at + jv::race_index::kLength <= data.size(); at += jv::race_index::kLength) {
        TRaceID id;
        id.SetRaceKey(data.data() + at);
        if (!key.Contains(id)) continue;
        if (_CacheList != nullptr) {
          const TResult& r = _CacheList->Race(id);
          if (r.Year != 0) races.push_back(TRace(r));
          continue;
        }
        int number = MeetingFileNumber(id);
        auto it = meetings.find(number);
        if (it == meetings.end()) it = meetings.emplace(number, LoadMeeting(id, true)).first;
        for (const TResult& r : it->second) {
          if (static_cast<const TRaceID&>(r) == id) {
            races.push_back(TRace(r));
            break;
          }
        }
      }
      break;
    }
    case 4:
      if (ReadRecordFile(NumberedFilePath("YS", key.Year), jv::ys::kLength, data) == TRecordFileResult::kOk) {
        for (std::size_t at = 0; at + jv::ys::kLength <= data.size(); at += jv::ys::kLength) {
          TResult race = TResult::FromYs(data.data() + at);
          if (key.Contains(race) && race.Grade() > 3) races.push_back(TRace(race));
        }
      }
      break;
    default:
      break;
  }
  return races;
}
