#include "prediction_fixture.h"

#include <fstream>
#include <sstream>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/sample_record.h"

namespace writers {

TResult RaRace(const TRaRaceSpec& spec) {
  namespace ra = jv::ra;
  sample::TRecordWriter w("RA", ra::kLength, spec.dataKind, 20050601);
  w.RaceKey(spec.key);
  w.Number(ra::kWeekday, spec.weekday);
  w.Raw(ra::kGrade, std::string(1, spec.grade));
  w.Raw(sample::Block(ra::kConditionStart, ra::kConditionStride, ra::kConditionCount - 1, ra::kCondition),
        spec.condition);
  w.Number(ra::kDistance, spec.distance);
  w.Number(ra::kTrack, spec.track);
  w.Number(ra::kStartTime, spec.startTime);
  w.Number(ra::kRegistered, spec.registered);
  return TResult::FromRa(w.bytes().data());
}

THorse Runner(const TResult& race, const THorseSpec& spec) {
  namespace se = jv::se;
  const int horseID = 2001100000 + spec.horseNo;
  sample::TRecordWriter w("SE", se::kLength, '2', race.DateNumber());
  w.RaceKey(race.RaceKey());
  w.Number(se::kFrame, (spec.horseNo + 1) / 2);
  w.Number(se::kHorseNo, spec.horseNo);
  w.Number(se::kHorseID, horseID);
  w.Text(se::kHorseName, Utf8ToSjis(spec.name), true);
  w.Number(se::kSex, spec.sex);
  w.Number(se::kAge, spec.age);
  w.Number(se::kCarried, spec.carried);
  w.Number(se::kBlinker, spec.blinker ? 1 : 0);
  w.Text(se::kJockeyName, Utf8ToSjis(spec.jockey), true);
  w.Number(se::kOdds, spec.odds);
  w.Raw(se::kAbnormality, std::string(1, spec.abnormality));
  THorse horse = THorse::FromHorseID(horseID);
  static_cast<TResult&>(horse) = race;
  static_cast<TResultInfo&>(horse) = TResultInfo::FromSe(w.bytes().data());
  horse.SetMark(spec.mark);
  horse.SetWinProbability(spec.probability);
  horse.SetFigure(0, spec.early);
  horse.SetFigure(1, spec.late);
  return horse;
}

TRace Card(const TResult& race, const std::vector<THorseSpec>& runners) {
  std::vector<THorse> horses;
  for (const THorseSpec& spec : runners) horses.push_back(Runner(race, spec));
  return scoring::CardOf(race, std::move(horses));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string SjisLines(const std::vector<std::string>& utf8Lines) {
  std::string text;
  for (const std::string& line : utf8Lines) text += Utf8ToSjis(line) + "\r\n";
  return text;
}

void WritersTest::SetUp() { CreateProcessObjects(); }
void WritersTest::TearDown() { DestroyProcessObjects(); }

}  // namespace writers
