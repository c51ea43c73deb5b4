#include "database/horse.h"

#include "analysis/odds_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "analysis/numeric.h"
#include "app/fixed_field.h"
#include "app/front_end.h"
#include "app/sjis.h"
#include "database/breeding_horse.h"
#include "database/jv_records.h"
#include "database/person_master_data.h"
#include "database/race_cache.h"
#include "database/race_reader.h"
#include "database/race_texts.h"
#include "database/record_fields.h"

namespace {

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

THorse THorse::FromUm(const char* record) {
  namespace um = jv::um;
  THorse horse;
  static_cast<TResultInfo&>(horse) = TResultInfo::FromUm(record);
  THorse_Data& d = horse.horse_;
  d.DeleteFlag = Number(record, um::kDeleteFlag);
  d.RegisteredOn = Number(record, um::kRegisteredOn);
  d.DeletedOn = Number(record, um::kDeletedOn);
  d.BirthDate = Number(record, um::kBirthDate);
  d.KanaName = TrimmedField(record, um::kKanaName);
  d.LatinName = TrimmedField(record, um::kLatinName);
  d.Breed = Number(record, um::kBreed);
  d.Coat = Number(record, um::kCoat);
  for (int i = 0; i < kAncestorCount; ++i) {
    auto at = static_cast<std::size_t>(i);
    d.Pedigree[at] = Number(record, jv::InBlock(um::kPedigreeStart, um::kPedigreeStride, i, um::kPedigreeNo));
    d.AncestorName[at] = TrimmedField(record, jv::InBlock(um::kPedigreeStart, um::kPedigreeStride, i, um::kAncestorName));
  }
  d.InvitedFrom = TrimmedField(record, um::kInvitedFrom);
  d.BreederCode = Number(record, um::kBreederCode);
  d.BreederName = TrimmedField(record, um::kBreederName);
  d.Area = TrimmedField(record, um::kArea);
  for (int i = 0; i < um::kPrizeSumCount; ++i) {
    d.PrizeSum[static_cast<std::size_t>(i)] =
        Number(record, jv::InBlock(um::kPrizeSumStart, um::kPrizeSumStride, i, um::kPrizeSum));
  }
  d.RaceCount = Number(record, um::kRaceCount);
  return horse;
}

THorse THorse::FromSk(const char* record) {
  namespace sk = jv::sk;
  THorse horse;
  static_cast<TResultInfo&>(horse) = TResultInfo::FromSk(record);
  THorse_Data& d = horse.horse_;
  d.BirthDate = Number(record, sk::kBirthDate);
  d.Breed = Number(record, sk::kBreed);
  d.Coat = Number(record, sk::kCoat);
  d.BreederCode = Number(record, sk::kBreederCode);
  d.Area = TrimmedField(record, sk::kArea);
  for (int i = 0; i < kAncestorCount; ++i) {
    d.Pedigree[static_cast<std::size_t>(i)] =
        Number(record, jv::InBlock(sk::kPedigreeStart, sk::kPedigreeStride, i, sk::kPedigreeNo));
  }
  return horse;
}

THorse THorse::FromHn(const char* record) {
  namespace hn = jv::hn;
  THorse horse;
  static_cast<TResultInfo&>(horse) = TResultInfo::FromHn(record);
  THorse_Data& d = horse.horse_;
  d.BreedingNo = Number(record, hn::kBreedingNo);
  d.DeleteFlag = Number(record, hn::kDeleteFlag);
  d.KanaName = TrimmedField(record, hn::kKanaName);
  d.LatinName = TrimmedField(record, hn::kLatinName);
  d.BirthDate = Number(record, hn::kBirthYear) * 10000;
  d.Breed = Number(record, hn::kBreed);
  d.Coat = Number(record, hn::kCoat);
  d.Area = TrimmedField(record, hn::kArea);
  d.Pedigree[0] = Number(record, hn::kSire);
  d.Pedigree[1] = Number(record, hn::kDam);
  return horse;
}

THorse THorse::FromHorseID(int horseID) {
  THorse horse;
  static_cast<TResultInfo&>(horse) = TResultInfo::FromHorseID(horseID);
  return horse;
}

double THorse::Figure(int i) const { return i >= 0 && i < 2 ? horse_.Figure[static_cast<std::size_t>(i)] : 0; }

void THorse::SetFigure(int i, double value) {
  if (i >= 0 && i < 2) horse_.Figure[static_cast<std::size_t>(i)] = value;
}

void THorse::PreparePastRuns(int cutOff) {
  std::vector<THorseInfo55>& runs = horse_.PastRuns;
  horse_.RestDays = 0;
  if (runs.empty()) return;
  std::stable_sort(runs.begin(), runs.end(),
                   [](const THorseInfo55& a, const THorseInfo55& b) { return b < a; });
  // Nothing on the race's own day or after it: the horse is seen as it
  // stood before the race.
  std::erase_if(runs, [cutOff](const THorseInfo55& run) { return run.DateNumber() >= cutOff; });

  std::vector<THorseInfo55> valid;
  valid.reserve(runs.size());
  for (THorseInfo55& run : runs) {
    FrontEnd().ProcessPending();
    const TResult race = _CacheList != nullptr ? _CacheList->Race(run) : ReadRace(run);
    const int kind = race.DataKind();
    if (kind < 3 || kind == 9) continue;
    const int at = race.FindRunner(HorseID(), run.HorseNo());
    if (at < 0) continue;
    run.SetRace(race, race.Runner(at));
    valid.push_back(std::move(run));
  }
  runs = std::move(valid);
  if (runs.empty()) return;

  horse_.RestDays = DaysBetween(runs.front().DateNumber(), cutOff);
  for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
    runs[i].SetInterval(DaysBetween(runs[i + 1].DateNumber(), runs[i].DateNumber()));
  }

  // A special registration names neither jockey nor, at times, trainer:
  // the newest run's stand in.
  if (TResult::DataKind() < 0) {
    const THorseInfo55& newest = runs.front();
    if (RawJockeyCode() == 0 && RawJockeyName().empty()) SetJockeyCode(newest.JockeyCode());
    if (RawTrainerCode() == 0 && RawTrainerName().empty()) SetTrainerCode(newest.TrainerCode());
  }
}

const std::string& THorse::AncestorName(int i) const {
  if (i < 0 || i >= kAncestorCount) return EmptyText();
  auto at = static_cast<std::size_t>(i);
  std::string& name = horse_.AncestorName[at];
  if (name.empty() && horse_.Pedigree[at] > 0) name = LookUpBreedingHorse(horse_.Pedigree[at]).HorseName();
  return name;
}

const std::string& THorse::BreederName() const {
  if (horse_.BreederName.empty() && horse_.BreederCode > 0) {
    horse_.BreederName = LookUpPersonMaster(kBreederMaster, horse_.BreederCode).Name2;
  }
  return horse_.BreederName;
}

int THorse::PrizeSum(int kind, int surface) const {
  if (kind < 0 || kind > 2 || surface < 0 || surface > 1) return 0;
  return horse_.PrizeSum[static_cast<std::size_t>(kind * 2 + surface)];
}

int THorse::AgeIn(int year) const {
  if (year > 0 && BirthYear() > 0) return year - BirthYear();
  return Age() != 0 ? Age() : -1;
}

double THorse::WinOdds() const {
  if (TResult::DataKind() <= 1) return 0;
  // The odds list's win odds of the horse number first, else the stored odds.
  const double odds = _OddsList == nullptr ? -1 : _OddsList->GetOdds(*this, 0, HorseNo(), 0);
  return odds < 0 ? Odds() * 0.1 : odds;
}

double THorse::RelativePosition(bool last) const { return RelativeCorner(last, Starters()); }

std::string THorse::PositionGaugeText() const { return PositionGauge(RelativePosition(false), RelativePosition(true)); }

std::string THorse::FigureGaugeText() const { return PositionGauge(horse_.Figure[0], horse_.Figure[1]); }

double THorse::RelativeFigure(double reference) const {
  const double f = horse_.TimeFigure;
  if (reference <= 0 || f <= 0) return f;
  return std::max((f - reference) * 700 + 50, 0.0);
}

std::string THorse::BodyWeightText() const {
  const int weight = BodyWeight();
  if (Scratched() || weight == 0) return "";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%3d", weight);
  std::string text = buffer;
  if (horse_.PastRuns.empty()) return text + SJ(" 初");
  for (const THorseInfo55& run : horse_.PastRuns) {
    if (run.BodyWeight() == 0) continue;
    const int change = weight - run.BodyWeight();
    std::snprintf(buffer, sizeof buffer, "%s%2d", change == 0 ? " " : change > 0 ? "+" : "-", std::abs(change));
    return text + buffer;
  }
  return text;
}

std::string THorse::MarkText() const {
  const int mark = horse_.Mark;
  if (mark == 0) return "   ";
  if (mark < 0 || mark > 9) return SJ("‥ ");
  static const std::string* const kMarks[4] = {&SJ("◎ "), &SJ("○ "), &SJ("▲ "), &SJ("△ ")};
  std::string text = *kMarks[std::min(mark, 4) - 1];
  text[2] = static_cast<char>('0' + mark);
  return text;
}

const std::string& THorse::CoatText() const {
  static const std::string* const kCoats[12] = {
      &EmptyText(),   &SJ("栗毛"),   &SJ("栃栗毛"), &SJ("鹿毛"),   &SJ("黒鹿毛"), &SJ("青鹿毛"),
      &SJ("青毛"),    &SJ("芦毛"),   &SJ("栗粕毛"), &SJ("鹿粕毛"), &SJ("青粕毛"), &SJ("白毛")};
  const int coat = horse_.Coat;
  return coat >= 0 && coat < 12 ? *kCoats[coat] : EmptyText();
}

bool HasDebutant(const std::vector<THorse>& runners) {
  for (const THorse& horse : runners) {
    if (horse.Scratched()) continue;
    const bool ranHere = std::any_of(horse.PastRuns().begin(), horse.PastRuns().end(),
                                     [](const THorseInfo55& run) { return run.GetVenue() <= 99; });
    if (!ranHere) return true;
  }
  return false;
}

std::vector<THorse> RankedRunners(const std::vector<THorse>& runners) {
  std::vector<THorse> ranked;
  for (const THorse& horse : runners) {
    if (horse.TResultInfo::DataKind() > 2) ranked.push_back(horse);
  }
  std::stable_sort(ranked.begin(), ranked.end(), FinishOrderLess);
  return ranked;
}
