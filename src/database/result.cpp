#include "database/result.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/person_list.h"
#include "app/fixed_field.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/race_codes.h"
#include "database/race_name.h"
#include "database/record_fields.h"

namespace {

template <std::size_t N>
int Element(const std::array<int, N>& values, int i) {
  return i >= 0 && i < static_cast<int>(N) ? values[static_cast<std::size_t>(i)] : 0;
}

const TResultInfo& EmptyRunner() {
  static const TResultInfo empty;
  return empty;
}

// One list of payout entries of an HR record: `count` entries of `stride`
// bytes from `start`, each a combination field of 1 to 3 numbers and a
// payout; the list ends at the first entry whose combination reads 0.
void ReadPayouts(const char* record, int type, int start, int stride, int count, jv::TField numbers,
                 jv::TField yen, std::vector<TPayData>& payouts) {
  for (int i = 0; i < count; ++i) {
    const char* entry = record + start + stride * i;
    if (ParseFixedField(entry + numbers.offset, numbers.length) == 0) break;
    TPayData pay;
    pay.Type = static_cast<std::int8_t>(type);
    if (type == 2) {
      // A bracket pair is one digit per frame ("18"): frames 1 and 8, so
      // that it meets the combination number of a bet on frames 1 and 8.
      pay.No[0] = static_cast<std::uint8_t>(ParseFixedField(entry + jv::combo::kFrameFirst.offset, 1));
      pay.No[1] = static_cast<std::uint8_t>(ParseFixedField(entry + jv::combo::kFrameSecond.offset, 1));
    } else {
      const jv::TField parts[3] = {jv::combo::kFirst, jv::combo::kSecond, jv::combo::kThird};
      for (int k = 0; k < numbers.length / 2; ++k) {
        pay.No[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(
            ParseFixedField(entry + numbers.offset + parts[k].offset, parts[k].length));
      }
    }
    pay.Payout = ParseFixedField(entry + yen.offset, yen.length);
    payouts.push_back(pay);
  }
}

// Where a race record (RA) and a special-registration record (TK) keep the
// race fields they share.
struct TConditionLayout {
  jv::TField weekday, specialNo, shortName10, shortName6, shortName3, grade, ageClass, symbol,
      weightType;
  int conditionStart, conditionStride, conditionCount;
  jv::TField condition, distance, track, courseDiv;
};

constexpr TConditionLayout kRaLayout{
    jv::ra::kWeekday,        jv::ra::kSpecialNo,        jv::ra::kShortName10,
    jv::ra::kShortName6,     jv::ra::kShortName3,       jv::ra::kGrade,
    jv::ra::kAgeClass,       jv::ra::kSymbol,           jv::ra::kWeightType,
    jv::ra::kConditionStart, jv::ra::kConditionStride,  jv::ra::kConditionCount,
    jv::ra::kCondition,      jv::ra::kDistance,         jv::ra::kTrack,
    jv::ra::kCourseDiv};

constexpr TConditionLayout kTkLayout{
    jv::tk::kWeekday,        jv::tk::kSpecialNo,        jv::tk::kShortName10,
    jv::tk::kShortName6,     jv::tk::kShortName3,       jv::tk::kGrade,
    jv::tk::kAgeClass,       jv::tk::kSymbol,           jv::tk::kWeightType,
    jv::tk::kConditionStart, jv::tk::kConditionStride,  jv::tk::kConditionCount,
    jv::tk::kCondition,      jv::tk::kDistance,         jv::tk::kTrack,
    jv::tk::kCourseDiv};

void ReadConditions(const char* record, const TConditionLayout& layout, TResult::TResult_Data& d) {
  d.Weekday = NumberInRange(record, layout.weekday, 8);
  d.SpecialNo = Number(record, layout.specialNo);
  d.ShortName10 = Text(record, layout.shortName10);
  d.ShortName6 = Text(record, layout.shortName6);
  d.ShortName3 = Text(record, layout.shortName3);
  d.Grade = DecodeGrade(record + layout.grade.offset);
  d.AgeClass = DecodeAgeClass(record + layout.ageClass.offset);
  d.Symbol = DecodeSymbol(record + layout.symbol.offset);
  d.WeightType = NumberInRange(record, layout.weightType, 4);
  for (int i = 0; i < layout.conditionCount && i < 5; ++i) {
    jv::TField field = jv::InBlock(layout.conditionStart, layout.conditionStride, i, layout.condition);
    d.Condition[static_cast<std::size_t>(i)] = DecodeCondition(record + field.offset);
  }
  d.Distance = Number(record, layout.distance);
  d.Track = DecodeTrack(record + layout.track.offset);
  d.CourseDiv = Number(record, layout.courseDiv);
}

// Composes the race name and fills in the codes the name gives.
void ComposeName(const TRaceID& key, const TRaceTitles& titles, TResult::TResult_Data& d) {
  TRaceNameCodes codes{d.AgeClass, d.Symbol, d.Condition[4]};
  d.RaceName = ComposeRaceName(titles, key.Year, key.Venue, codes);
  d.AgeClass = codes.AgeClass;
  d.Symbol = codes.Symbol;
  d.Condition[4] = codes.YoungestCondition;
}

// The rank of each key, ascending, ties sharing a rank and the next rank
// skipping the tied places: keys 5, 3, 3, 8 give 3, 1, 1, 4.
std::vector<int> Ranks(const std::vector<int>& keys) {
  std::vector<int> ranks(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    int rank = 1;
    for (int other : keys) {
      if (other < keys[i]) ++rank;
    }
    ranks[i] = rank;
  }
  return ranks;
}

}  // namespace

int CombinationNumber(int first, int second, int third) {
  int number = first;
  if (second > 0) number = number * 100 + second;
  if (third > 0) number = number * 100 + third;
  return number;
}

TResult::TResult() : data_(std::make_shared<TResult_Data>()) {}

TResult TResult::FromRa(const char* record) {
  namespace ra = jv::ra;
  TResult race;
  race.SetRaceKey(record + jv::kRaceKey.offset);
  TResult_Data& d = *race.data_;
  d.DataKind = Number(record, jv::kDataKind);
  ReadConditions(record, kRaLayout, d);
  for (int i = 0; i < ra::kPrizeCount; ++i) {
    d.Prize[static_cast<std::size_t>(i)] =
        Number(record, jv::InBlock(ra::kPrizeStart, ra::kPrizeStride, i, ra::kPrize));
  }
  for (int i = 0; i < ra::kAddedPrizeCount; ++i) {
    d.AddedPrize[static_cast<std::size_t>(i)] =
        Number(record, jv::InBlock(ra::kAddedPrizeStart, ra::kAddedPrizeStride, i, ra::kAddedPrize));
  }
  d.StartTime = Number(record, ra::kStartTime);
  d.Registered = Number(record, ra::kRegistered);
  d.Starters = Number(record, ra::kStarters);
  d.Finishers = Number(record, ra::kFinishers);
  d.Weather = NumberInRange(record, ra::kWeather, 6);
  d.TurfGoing = NumberInRange(record, ra::kTurfGoing, 4);
  d.DirtGoing = NumberInRange(record, ra::kDirtGoing, 4);
  for (int i = 0; i < ra::kLapCount; ++i) {
    d.Lap[static_cast<std::size_t>(i)] = Number(record, jv::InBlock(ra::kLapStart, ra::kLapStride, i, ra::kLap));
  }
  d.JumpMileTime = Number(record, ra::kJumpMileTime);
  ComposeName(race, TRaceTitles::FromRa(record), d);
  if (d.Registered > 0) d.Runners.reserve(static_cast<std::size_t>(d.Registered));
  return race;
}

TResult TResult::FromTk(const char* record) {
  namespace tk = jv::tk;
  TResult race;
  race.SetRaceKey(record + jv::kRaceKey.offset);
  TResult_Data& d = *race.data_;
  d.DataKind = -Number(record, jv::kDataKind);
  ReadConditions(record, kTkLayout, d);
  d.Registered = Number(record, tk::kRegistered);
  ComposeName(race, TRaceTitles::FromTk(record), d);
  if (d.Registered > 0) d.Runners.reserve(static_cast<std::size_t>(std::min(d.Registered, tk::kEntryCount)));
  for (int i = 0; i < tk::kEntryCount; ++i) {
    const char* slot = record + tk::kEntryStart + tk::kEntryStride * i;
    if (Number(slot, tk::kEntryOrderNo) == 0) break;
    d.Runners.push_back(TResultInfo::FromTkSlot(slot));
  }
  return race;
}

TResult TResult::FromYs(const char* record) {
  namespace ys = jv::ys;
  TResult race;
  race.SetDayKey(record + jv::kDayKey.offset);
  TResult_Data& d = *race.data_;
  d.DataKind = Number(record, jv::kDataKind);
  d.Weekday = NumberInRange(record, ys::kWeekday, 8);
  d.SpecialNo = Number(record, ys::kSpecialNo);
  d.RaceName = Text(record, ys::kRaceName);
  d.ShortName10 = Text(record, ys::kShortName10);
  d.ShortName6 = Text(record, ys::kShortName6);
  d.ShortName3 = Text(record, ys::kShortName3);
  d.Grade = DecodeGrade(record + ys::kGrade.offset);
  d.AgeClass = DecodeAgeClass(record + ys::kAgeClass.offset);
  d.Symbol = DecodeSymbol(record + ys::kSymbol.offset);
  d.WeightType = NumberInRange(record, ys::kWeightType, 4);
  d.Distance = Number(record, ys::kDistance);
  d.Track = DecodeTrack(record + ys::kTrack.offset);
  return race;
}

void TResult::AddRunner(const TResultInfo& runner) { data_->Runners.push_back(runner); }

void TResult::AddPayouts(const char* hrRecord) {
  namespace hr = jv::hr;
  std::vector<TPayData>& payouts = data_->Payouts;
  payouts.clear();
  ReadPayouts(hrRecord, 0, hr::kPayWinStart, hr::kPayWinStride, hr::kPayWinCount, hr::kPayHorseNo,
              hr::kPayHorseNoYen, payouts);
  ReadPayouts(hrRecord, 1, hr::kPayPlaceStart, hr::kPayPlaceStride, hr::kPayPlaceCount, hr::kPayHorseNo,
              hr::kPayHorseNoYen, payouts);
  ReadPayouts(hrRecord, 2, hr::kPayBracketStart, hr::kPayBracketStride, hr::kPayBracketCount,
              hr::kPayHorseNo, hr::kPayHorseNoYen, payouts);
  ReadPayouts(hrRecord, 3, hr::kPayQuinellaStart, hr::kPayQuinellaStride, hr::kPayQuinellaCount,
              hr::kPayPair, hr::kPayPairYen, payouts);
  ReadPayouts(hrRecord, 4, hr::kPayWideStart, hr::kPayWideStride, hr::kPayWideCount, hr::kPayPair,
              hr::kPayPairYen, payouts);
  ReadPayouts(hrRecord, 5, hr::kPayExactaStart, hr::kPayExactaStride, hr::kPayExactaCount, hr::kPayPair,
              hr::kPayPairYen, payouts);
  ReadPayouts(hrRecord, 6, hr::kPayTrioStart, hr::kPayTrioStride, hr::kPayTrioCount, hr::kPayTriple,
              hr::kPayTripleYen, payouts);
  ReadPayouts(hrRecord, 7, hr::kPayTrifectaStart, hr::kPayTrifectaStride, hr::kPayTrifectaCount,
              hr::kPayTriple, hr::kPayTripleYen, payouts);
}

void TResult::Complete() {
  TResult_Data& d = *data_;
  std::vector<TResultInfo>& runners = d.Runners;
  if (d.DataKind < 7 || static_cast<int>(runners.size()) < d.Registered || runners.empty()) return;
  const bool local = Venue >= 30 && Venue <= 99;

  if (local) {
    // Local races name their age group and sex condition only through
    // their runners.
    if (d.AgeClass % 50 == 0) {
      bool all2 = true, all3 = true, all4 = true;
      for (const TResultInfo& r : runners) {
        int age = Year - r.BirthYear();
        all2 = all2 && age == 2;
        all3 = all3 && age == 3;
        all4 = all4 && age == 4;
      }
      d.AgeClass += all2 ? 1 : all3 ? 2 : all4 ? 3 : 9;
    }
    bool allFemale = std::all_of(runners.begin(), runners.end(), [](const TResultInfo& r) { return r.Sex() == 2; });
    if (d.Symbol / 10 % 10 == 0 && allFemale) d.Symbol += 20;
  }

  // The finishing order compares different fields for different pairs, so
  // it need not be transitive; a stable sort keeps within the list whatever
  // the runners hold.
  std::stable_sort(runners.begin(), runners.end(), FinishOrderLess);
  if (local) {
    for (std::size_t i = 0; i < runners.size() && runners[i].Time() != 0; ++i) {
      bool tied = i > 0 && runners[i].Position() == runners[i - 1].Position();
      runners[i].SetArrival(tied ? runners[i - 1].Arrival() : static_cast<int>(i) + 1);
    }
  }

  int winnerTime = runners.front().Time();
  int secondTime = runners.front().Time();
  for (const TResultInfo& r : runners) {
    if (r.Arrival() == 2) {
      secondTime = r.Time();
      break;
    }
  }
  for (TResultInfo& r : runners) {
    if (r.Arrival() == 0) break;
    r.SetTimeDiff(r.Arrival() == 1 ? r.Time() - secondTime : r.Time() - winnerTime);
  }
  std::stable_sort(runners.begin(), runners.end(), HorseNumberLess);

  if (d.Track > 0 && d.Track % 10 == 4) {
    // A straight course has no corners: the fourth corner position holds
    // the rank of the time run before the last 600 m.
    std::vector<TResultInfo*> timed;
    std::vector<int> keys;
    for (TResultInfo& r : runners) {
      if (r.LastFurlongs(3) > 0) {
        timed.push_back(&r);
        keys.push_back(r.Time() - r.LastFurlongs(3));
      }
    }
    std::vector<int> ranks = Ranks(keys);
    for (std::size_t i = 0; i < timed.size(); ++i) timed[i]->SetCorner(3, ranks[i]);
  }
}

int TResult::Condition(int i) const { return Element(data_->Condition, i); }
int TResult::Prize(int i) const { return Element(data_->Prize, i); }
int TResult::AddedPrize(int i) const { return Element(data_->AddedPrize, i); }
int TResult::Lap(int i) const { return Element(data_->Lap, i); }

const TResultInfo& TResult::Runner(int i) const {
  if (i < 0 || i >= RunnerCount()) return EmptyRunner();
  return data_->Runners[static_cast<std::size_t>(i)];
}

int TResult::FindRunner(int horseID, int horseNo) const {
  const std::vector<TResultInfo>& runners = data_->Runners;
  for (std::size_t i = 0; i < runners.size(); ++i) {
    if (horseID > 0 ? runners[i].HorseID() == horseID : runners[i].HorseNo() == horseNo) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TResultInfo TResult::RunnerOf(int horseID, int horseNo) const { return Runner(FindRunner(horseID, horseNo)); }

int TResult::Payout(int type, int combination) const {
  int result = -1;
  for (const TPayData& pay : data_->Payouts) {
    if (pay.Type != type) continue;
    if (pay.Combination() == combination) return pay.Payout;
    result = 0;
  }
  return result;
}

int TResult::Starters() const {
  if (data_->Starters > 0) return data_->Starters;
  auto absent = std::count_if(Runners().begin(), Runners().end(), [](const TResultInfo& r) { return r.Scratched(); });
  return data_->Registered - static_cast<int>(absent);
}

int TResult::Finishers() const {
  if (data_->Finishers > 0) return data_->Finishers;
  auto absent =
      std::count_if(Runners().begin(), Runners().end(), [](const TResultInfo& r) { return r.NotFinished(); });
  return data_->Registered - static_cast<int>(absent);
}

int TResult::Going(int index) const {
  if (index == -1) index = Track() >= 100 ? 0 : Track() / 10 - 1;
  if (index == 0) return data_->TurfGoing;
  if (index == 1) return data_->DirtGoing;
  return 0;
}

int TResult::SurfaceKind() const { return SurfaceKindOfTrack(Track()); }

int TResult::MainPairBetType() const { return Year > 2004 || Registered() > 8 ? 3 : 2; }

namespace {

// The average over the starters of the statistics values that `list` gives
// their trainers (`trainers`) or jockeys for the race.
double AveragePersonValue(const TResult& race, TPersonList* list, bool trainers) {
  int starters = race.Starters();
  if (list == nullptr || starters <= 0) return 0;
  double sum = 0;
  for (const TResultInfo& r : race.Runners()) {
    if (r.Scratched()) continue;
    int code = trainers ? r.TrainerCode() : r.JockeyCode();
    sum += list->StatisticsValue(code, race.DateNumber(), race.Track(), race.Distance());
  }
  return sum / starters;
}

}  // namespace

double TResult::AverageTrainerValue() const {
  if (data_->AvgTrainer == 0) data_->AvgTrainer = AveragePersonValue(*this, _TrainerList, true);
  return data_->AvgTrainer;
}

double TResult::AverageJockeyValue() const {
  if (data_->AvgJockey == 0) data_->AvgJockey = AveragePersonValue(*this, _JockeyList, false);
  return data_->AvgJockey;
}

const std::string& TResult::WeekdayText() const { return ::WeekdayText(Weekday()); }
const std::string& TResult::GradeShortText() const { return ::GradeShortText(Grade()); }
const std::string& TResult::GradeLongText() const { return ::GradeLongText(Grade(), Track()); }
const std::string& TResult::AgeClassText() const { return ::AgeClassText(AgeClass()); }
std::string TResult::SymbolText() const { return ::SymbolText(Symbol()); }
const std::string& TResult::WeightTypeText() const { return ::WeightTypeText(WeightType()); }
std::string TResult::ClassConditionText(int form) const { return ::ClassConditionText(Condition(4), form); }
std::string TResult::TrackText() const { return ::TrackText(Track(), CourseDiv()); }
const std::string& TResult::TrackLetter(bool kanji) const { return ::TrackLetter(Track(), kanji); }
const std::string& TResult::WeatherText() const { return ::WeatherText(Weather()); }
const std::string& TResult::GoingText(int index) const { return ::GoingText(Going(index)); }

std::string TResult::ShortName(int width) const {
  const std::string& source = width <= 6 ? data_->ShortName3 : width > 12 ? data_->ShortName10 : data_->ShortName6;
  std::string name = SjisCut(source, static_cast<std::size_t>(std::max(width, 0)));
  if (width <= 12) {
    std::size_t blank = name.find(' ');
    if (blank != std::string::npos) name.erase(blank, 1);
  }
  return name;
}
