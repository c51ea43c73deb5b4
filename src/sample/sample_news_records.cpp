#include "sample/sample_news_records.h"

#include <algorithm>

#include "sample/sample_record.h"

namespace sample {

namespace {

constexpr char kNewsKind = '1';

}  // namespace

std::string WhRecord(const TRace& race, int created) {
  namespace wh = jv::wh;
  TRecordWriter w("WH", wh::kLength, kNewsKind, created);
  w.RaceKey(race.key);
  int n = std::min(static_cast<int>(race.news.bodyWeights.size()), wh::kWeightCount);
  for (int i = 0; i < n; ++i) {
    const auto& [horseNo, weight] = race.news.bodyWeights[static_cast<std::size_t>(i)];
    w.Number(Block(wh::kWeightStart, wh::kWeightStride, i, wh::kWeightHorseNo), horseNo);
    w.Number(Block(wh::kWeightStart, wh::kWeightStride, i, wh::kBodyWeight), weight);
  }
  return w.bytes();
}

std::string WeRecord(std::string_view dayKey, int announceTime, int changeKind, int weather,
                     int turfGoing, int dirtGoing, int created) {
  namespace we = jv::we;
  TRecordWriter w("WE", we::kLength, kNewsKind, created);
  w.Raw(jv::kDayKey, dayKey);
  w.Number(we::kAnnounceTime, announceTime);
  w.Number(we::kChangeKind, changeKind);
  w.Number(we::kWeather, weather);
  w.Number(we::kTurfGoing, turfGoing);
  w.Number(we::kDirtGoing, dirtGoing);
  return w.bytes();
}

std::string AvRecord(const TRace& race, int horseNo, char kind, int created) {
  TRecordWriter w("AV", jv::av::kLength, kind, created);
  w.RaceKey(race.key);
  w.Number(jv::av::kHorseNo, horseNo);
  return w.bytes();
}

std::string JcRecord(const TWorld& world, const TRace& race,
                     const TRaceNews::TJockeyChange& change, int created) {
  namespace jc = jv::jc;
  TRecordWriter w("JC", jc::kLength, kNewsKind, created);
  w.RaceKey(race.key);
  w.Number(jc::kAnnounceTime, change.announceTime);
  w.Number(jc::kHorseNo, change.horseNo);
  w.Number(jc::kCarried, change.carried);
  w.Number(jc::kJockeyCode, change.jockeyCode);
  if (const TPerson* jockey = world.Jockey(change.jockeyCode)) {
    w.Text(jc::kJockeyName, jockey->name, true);
  }
  w.Number(jc::kApprentice, change.apprentice);
  return w.bytes();
}

std::string TcRecord(const TRace& race, int created) {
  namespace tc = jv::tc;
  TRecordWriter w("TC", tc::kLength, kNewsKind, created);
  w.RaceKey(race.key);
  w.Number(tc::kHour, race.news.newStartTime / 100);
  w.Number(tc::kMinute, race.news.newStartTime % 100);
  return w.bytes();
}

std::string CcRecord(const TRace& race, int created) {
  namespace cc = jv::cc;
  TRecordWriter w("CC", cc::kLength, kNewsKind, created);
  w.RaceKey(race.key);
  w.Number(cc::kDistance, race.news.newDistance > 0 ? race.news.newDistance : race.distance);
  w.Number(cc::kTrack, race.news.newTrack > 0 ? race.news.newTrack : race.track);
  return w.bytes();
}

std::string DmRecord(const TRace& race, char dataKind, int created) {
  TRecordWriter w("DM", jv::dm::kLength, dataKind, created);
  w.RaceKey(race.key);
  return w.bytes();
}

}  // namespace sample
