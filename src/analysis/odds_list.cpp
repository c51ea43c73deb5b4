#include "analysis/odds_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "analysis/fkeibado_log.h"
#include "analysis/numeric.h"
#include "app/record_file.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "database/database_files.h"
#include "database/jv_records.h"
#include "database/race.h"

TOddsList* _OddsList = nullptr;

namespace {

// At most this many meetings of one kind of odds are kept.
constexpr std::size_t kMeetingsKept = 3;

// The record at `i` of a file read whole.
std::string_view RecordAt(const std::string& data, std::size_t length, std::size_t i) {
  return std::string_view(data).substr(i * length, length);
}

TRaceID RaceOf(std::string_view record) {
  TRaceID race;
  race.SetRaceKey(record.data() + jv::kRaceKey.offset);
  return race;
}

}  // namespace

int OddsMeetingKey(const TRaceID& race) { return race.Year * 10000 + race.Venue * 100 + race.Meeting; }

int OddsDaysBefore(const TRaceID& race, int announceTime) {
  const int month = announceTime / 1000000;
  const int day = announceTime / 10000 % 100;
  const int year = month > race.Month ? race.Year - 1 : race.Year;
  return DaysBetween(year * 10000 + month * 100 + day, race.DateNumber());
}

// ---------------------------------------------------------------------------
// Reading the files.

void TOddsList::LoadAnnounced(int meeting) {
  static constexpr std::size_t lengths[] = {jv::o1::kLength, jv::o2::kLength, jv::o3::kLength,
                                            jv::o4::kLength, jv::o5::kLength, jv::o6::kLength};
  std::string data;
  if (ReadRecordFile(NumberedFilePath("O1", meeting), lengths[0], data, false) != TRecordFileResult::kOk) return;
  for (std::size_t i = 0; i < RecordCount(data, lengths[0]); ++i) {
    TOddsData odds = TOddsData::FromO1(RecordAt(data, lengths[0], i));
    const TRaceID race = odds;
    announced_.emplace(race, std::move(odds));
  }
  for (int kind = 2; kind <= 6; ++kind) {
    const std::size_t length = lengths[kind - 1];
    const TRecordFileResult read =
        ReadRecordFile(NumberedFilePath("O" + std::to_string(kind), meeting), length, data, false);
    if (read == TRecordFileResult::kMissing) return;
    if (read == TRecordFileResult::kProblem) continue;
    for (std::size_t i = 0; i < RecordCount(data, length); ++i) {
      const std::string_view record = RecordAt(data, length, i);
      auto it = announced_.find(RaceOf(record));
      if (it != announced_.end()) it->second.MergeOdds(kind, record);
    }
  }
}

void TOddsList::LoadVotes(int meeting) {
  std::string data;
  if (ReadRecordFile(NumberedFilePath("H1", meeting), jv::h1::kLength, data, false) != TRecordFileResult::kOk) return;
  for (std::size_t i = 0; i < RecordCount(data, jv::h1::kLength); ++i) {
    TOddsData odds = TOddsData::FromH1(RecordAt(data, jv::h1::kLength, i));
    const TRaceID race = odds;
    votes_.emplace(race, std::move(odds));
  }
  if (ReadRecordFile(NumberedFilePath("H6", meeting), jv::h6::kLength, data, false) != TRecordFileResult::kOk) return;
  for (std::size_t i = 0; i < RecordCount(data, jv::h6::kLength); ++i) {
    const std::string_view record = RecordAt(data, jv::h6::kLength, i);
    auto it = votes_.find(RaceOf(record));
    if (it != votes_.end()) it->second.MergeH6(record);
  }
}

void TOddsList::LoadPredicted(int date) {
  if (ReadInteger(ini::kInPut, ini::kKol, 0) != 0) {
    std::string data;
    if (ReadRecordFile(NumberedFilePath("KOL", date), jv::kol::kLength, data, false) == TRecordFileResult::kOk) {
      for (std::size_t i = 0; i < RecordCount(data, jv::kol::kLength); ++i) {
        TOddsData odds = TOddsData::FromKol(RecordAt(data, jv::kol::kLength, i));
        odds.FinishPredicted();
        const TRaceID race = odds;
        predicted_.emplace(race, std::move(odds));
      }
    }
  }
  if (ReadInteger(ini::kInPut, ini::kFkeibado, 0) != 0) {
    for (TOddsData& odds : ReadFkeibadoLog(ReadString(ini::kInPut, ini::kFkeibadoLog, ""), date)) {
      const TRaceID race = odds;
      predicted_.emplace(race, std::move(odds));
    }
  }
}

// ---------------------------------------------------------------------------
// Choosing a race's record.

TOddsData* TOddsList::Find(const TRaceID& race) {
  if (race.Venue >= 30) return nullptr;
  const int meeting = OddsMeetingKey(race);

  if (announcedMeetings_.count(meeting) == 0) {
    if (announcedMeetings_.size() >= kMeetingsKept) ClearOdds(kAnnouncedOdds);
    announcedMeetings_.insert(meeting);
    LoadAnnounced(meeting);
  }
  if (auto it = announced_.find(race); it != announced_.end()) return &it->second;

  if (voteMeetings_.count(meeting) == 0) {
    if (voteMeetings_.size() >= kMeetingsKept) ClearOdds(kVoteOdds);
    voteMeetings_.insert(meeting);
    LoadVotes(meeting);
  }
  if (auto it = votes_.find(race); it != votes_.end()) return &it->second;

  const int date = race.DateNumber();
  if (predictedDates_.count(date) == 0) {
    if (!predictedDates_.empty()) ClearOdds(kPredictedOdds);
    predictedDates_.insert(date);
    LoadPredicted(date);
  }
  if (auto it = predicted_.find(race); it != predicted_.end()) return &it->second;
  return nullptr;
}

TOddsData TOddsList::GetRaceOdds(const TRaceID& race) {
  const TOddsData* odds = Find(race);
  return odds == nullptr ? TOddsData() : *odds;
}

int TOddsList::OddsKind(const TRaceID& race) {
  const TOddsData* odds = Find(race);
  return odds == nullptr ? 0 : odds->DataKind;
}

int TOddsList::OddsTime(const TRaceID& race) {
  const TOddsData* odds = Find(race);
  return odds == nullptr ? 0 : odds->AnnounceTime;
}

double TOddsList::GetOdds(const TResult& race, int betType, int combination, int which) {
  TOddsData* odds = Find(race);
  return odds == nullptr ? -1 : odds->GetOdds(race.ResolveBetType(betType), combination, which);
}

void TOddsList::ClearOdds(int source) {
  switch (source) {
    case kVoteOdds:
      votes_.clear();
      voteMeetings_.clear();
      break;
    case kAnnouncedOdds:
      announced_.clear();
      announcedMeetings_.clear();
      break;
    case kPredictedOdds:
      predicted_.clear();
      predictedDates_.clear();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Expected values.

double TOddsList::BetOdds(const TResult& race, const TBetData& bet, int which) {
  if (race.DataKind() <= 1) return 0;
  return std::max(GetOdds(race, bet.Type, bet.Combination(), which), 0.0);
}

double TOddsList::BetExpectation(const TResult& race, const TBetData& bet, int which) {
  return bet.Value * BetOdds(race, bet, which);
}
