#include "database/race_cache.h"

#include <algorithm>
#include <string>

#include "analysis/baba_list.h"
#include "app/fixed_field.h"
#include "app/record_file.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race_codes.h"
#include "database/race_reader.h"
#include "database/record_fields.h"

TCacheList* _CacheList = nullptr;

namespace {

int Number(const char* record, jv::TField f) { return ParseFixedField(record + f.offset, f.length); }

bool RaceKeyEquals(const char* record, const std::string& key) {
  return key.compare(0, jv::race_key::kLength, record + jv::kRaceKey.offset, jv::race_key::kLength) == 0;
}

// The runner with a horse number whose own data kind is 2 (a race card
// entry, not yet a result); null when there is none. A blank number (an
// unused weight block) names no runner.
TResultInfo* CardRunner(TResult& race, int horseNo) {
  if (horseNo <= 0) return nullptr;
  for (TResultInfo& runner : race.MutableRunners()) {
    if (runner.HorseNo() == horseNo) return runner.DataKind() == 2 ? &runner : nullptr;
  }
  return nullptr;
}

// Hands every record of the day's news file of a kind to `apply`, in file
// order. A missing file is skipped; one of the wrong length is reported and
// skipped.
template <typename Apply>
void EachNewsRecord(const char* folder, int dateNumber, int length, Apply apply) {
  std::string data;
  if (ReadRecordFile(NumberedFilePath(folder, dateNumber), static_cast<std::size_t>(length), data, false) !=
      TRecordFileResult::kOk) {
    return;
  }
  for (std::size_t at = 0; at + static_cast<std::size_t>(length) <= data.size();
       at += static_cast<std::size_t>(length)) {
    apply(data.data() + at);
  }
}

// The day's latest news, in the order WH, WE, AV, JC, TC, CC; a later
// record overrides an earlier one. Each effect sets a value from the record
// (never from the race's current value), so applying the same files twice
// gives the same race.
void ApplyNews(TResult& race) {
  const int kind = race.DataKind();
  const bool card = kind >= 2 && kind <= 6;  // runner news: WH, AV, JC
  const bool entries = kind == 2;            // race news: WE, TC, CC
  const int date = race.DateNumber();
  const std::string key = race.RaceKey();

  if (card) {
    EachNewsRecord("WH", date, jv::wh::kLength, [&](const char* r) {
      if (!RaceKeyEquals(r, key)) return;
      for (int i = 0; i < jv::wh::kWeightCount; ++i) {
        int horseNo = Number(r, jv::InBlock(jv::wh::kWeightStart, jv::wh::kWeightStride, i, jv::wh::kWeightHorseNo));
        if (TResultInfo* runner = CardRunner(race, horseNo)) {
          runner->SetBodyWeight(
              Number(r, jv::InBlock(jv::wh::kWeightStart, jv::wh::kWeightStride, i, jv::wh::kBodyWeight)));
        }
      }
    });
  }
  if (entries) {
    EachNewsRecord("WE", date, jv::we::kLength, [&](const char* r) {
      // The file is the race's date, so the racecourse picks the day.
      if (key.compare(jv::race_key::kVenue.offset, jv::race_key::kVenue.length,
                      r + jv::kDayKey.offset + jv::race_key::kVenue.offset, jv::race_key::kVenue.length) != 0) {
        return;
      }
      int change = Number(r, jv::we::kChangeKind);
      if (change == 1 || change == 2) race.SetWeather(NumberInRange(r, jv::we::kWeather, 6));
      if (change == 1 || change == 3) {
        race.SetTurfGoing(NumberInRange(r, jv::we::kTurfGoing, 4));
        race.SetDirtGoing(NumberInRange(r, jv::we::kDirtGoing, 4));
      }
    });
  }
  if (card) {
    EachNewsRecord("AV", date, jv::av::kLength, [&](const char* r) {
      if (!RaceKeyEquals(r, key)) return;
      TResultInfo* runner = CardRunner(race, Number(r, jv::av::kHorseNo));
      if (runner == nullptr) return;
      char what = r[jv::kDataKind.offset];
      if (what == '1') runner->SetAbnormality(23);  // scratched
      if (what == '2') runner->SetAbnormality(22);  // excluded
    });
    EachNewsRecord("JC", date, jv::jc::kLength, [&](const char* r) {
      if (!RaceKeyEquals(r, key)) return;
      TResultInfo* runner = CardRunner(race, Number(r, jv::jc::kHorseNo));
      if (runner == nullptr) return;
      runner->SetCarried(Number(r, jv::jc::kCarried));
      runner->SetJockeyCode(-Number(r, jv::jc::kJockeyCode));  // negative: a changed jockey
      runner->SetJockeyName(SqueezeBlanks(r + jv::jc::kJockeyName.offset, jv::jc::kJockeyName.length));
      runner->SetApprentice(Number(r, jv::jc::kApprentice));
    });
  }
  if (entries) {
    EachNewsRecord("TC", date, jv::tc::kLength, [&](const char* r) {
      if (!RaceKeyEquals(r, key)) return;
      race.SetStartTime(Number(r, jv::tc::kHour) * 100 + Number(r, jv::tc::kMinute));
    });
    EachNewsRecord("CC", date, jv::cc::kLength, [&](const char* r) {
      if (!RaceKeyEquals(r, key)) return;
      race.SetDistance(Number(r, jv::cc::kDistance));
      race.SetTrack(DecodeTrack(r + jv::cc::kTrack.offset));
    });
  }
}

// The group code of a loaded meeting; false when the meeting gets none.
bool MeetingGroup(const std::vector<TResult>& races, int& key, int& value) {
  if (races.empty()) return false;
  const TResult& first = races.front();
  const int venue = first.Venue;
  if (venue > 10) {
    if (venue < 30 || venue > 61) return false;
    key = venue;
    value = venue >= 42 && venue <= 45 ? 91 : 92;
    return true;
  }
  key = MeetingFileNumber(first);
  bool jumps = std::any_of(races.begin(), races.end(), [](const TResult& r) { return r.Track() >= 100; });
  if (jumps) {
    value = venue >= 3 && venue <= 6 ? 20 : venue >= 7 ? 10 : 0;
    bool july = std::any_of(races.begin(), races.end(), [](const TResult& r) { return r.Month == 7; });
    bool august = std::any_of(races.begin(), races.end(), [](const TResult& r) { return r.Month == 8; });
    if ((value == 10 && august) || (value == 20 && (july || august))) ++value;
    return true;
  }
  switch (venue) {
    case 1:
    case 2:
      value = 33;
      return true;
    case 3:
    case 4:
      value = 22;
      return true;
    case 7:
    case 10:
      value = 12;
      return true;
    default:
      return false;
  }
}

// The rows of an index file of a birth year ("UM" or "SK") entered into
// `index`: row i as (i, first row in the runs-by-horse index).
void ReadIndexFile(const char* folder, int year, std::map<int, std::pair<int, int>>& index) {
  std::string data;
  if (ReadRecordFile(NumberedFilePath(folder, year, ".IDX"), jv::horse_index::kLength, data, false) !=
      TRecordFileResult::kOk) {
    return;
  }
  int row = 0;
  for (std::size_t at = 0; at + jv::horse_index::kLength <= data.size(); at += jv::horse_index::kLength, ++row) {
    const char* r = data.data() + at;
    index[Number(r, jv::horse_index::kHorseID)] = {row, Number(r, jv::horse_index::kRunsRow)};
  }
}

std::pair<int, int> IndexEntry(const char* folder, int horseID, std::map<int, std::pair<int, int>>& index) {
  if (horseID <= 0) return {-1, -1};
  auto it = index.find(horseID);
  if (it == index.end()) {
    // Not remembered as missing: the next request reads the file again.
    ReadIndexFile(folder, horseID / 1000000, index);
    it = index.find(horseID);
    if (it == index.end()) return {-1, -1};
  }
  return it->second;
}

void ForgetYear(int year, std::map<int, std::pair<int, int>>& index) {
  std::erase_if(index, [year](const auto& entry) { return entry.first / 1000000 == year; });
}

}  // namespace

// The news is applied through the shared result, which shares its data
// block with the cached race, so the cached race carries the news too (and
// so does every copy handed out before). That is harmless: every effect is
// set from the day's files, never derived from the current value, so
// applying them again at the next request gives the same race, and a newer
// file simply overrides. A meeting whose results arrive is forgotten by the
// rebuild and read afresh, which drops the news together with the stale
// race card.
const TResult& TCacheList::Race(const TRaceID& race) {
  int number = MeetingFileNumber(race);
  auto meeting = meetings_.find(number);
  if (meeting == meetings_.end()) {
    ++meetingReads_;
    // An empty set is kept as well, so a meeting without a race file is
    // not searched for again.
    meeting = meetings_.emplace(number, LoadMeeting(race, true)).first;
    // Every race of the meeting goes to the track-condition index.
    if (_BabaList != nullptr) {
      for (const TResult& loaded : meeting->second) _BabaList->AddRace(loaded);
    }
    int key = 0;
    int value = 0;
    if (MeetingGroup(meeting->second, key, value)) groups_[key] = value;
  }
  const std::vector<TResult>& races = meeting->second;
  auto found = std::lower_bound(races.begin(), races.end(), race, [](const TResult& r, const TRaceID& id) {
    return static_cast<const TRaceID&>(r) < id;
  });
  if (found == races.end() || !(static_cast<const TRaceID&>(*found) == race)) {
    result_ = TResult();
    return result_;
  }
  result_ = *found;
  ApplyNews(result_);
  return result_;
}

int TCacheList::GroupCode(const TRaceID& race) const {
  int key = race.Venue >= 1 && race.Venue <= 10 ? MeetingFileNumber(race) : race.Venue;
  auto it = groups_.find(key);
  return it == groups_.end() ? 0 : it->second;
}

std::pair<int, int> TCacheList::HorseIndex(int horseID) { return IndexEntry("UM", horseID, horses_); }

std::pair<int, int> TCacheList::FoalIndex(int horseID) { return IndexEntry("SK", horseID, foals_); }

void TCacheList::ForgetHorseYear(int year) { ForgetYear(year, horses_); }

void TCacheList::ForgetFoalYear(int year) { ForgetYear(year, foals_); }

void TCacheList::ForgetMeeting(int fileNumber) { meetings_.erase(fileNumber); }

void TCacheList::Clear() {
  meetings_.clear();
  groups_.clear();
  horses_.clear();
  foals_.clear();
  // The track-condition index goes with the races it was fed.
  if (_BabaList != nullptr) _BabaList->Clear();
}
