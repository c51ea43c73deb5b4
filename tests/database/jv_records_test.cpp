#include "database/jv_records.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/fixed_field.h"

namespace {

using jv::TField;

struct TNamed {
  std::string name;
  TField field;
};

// The named fields of one record kind, with repeated blocks expanded.
struct TLayout {
  const char* id;
  int length;
  bool lineEnd;  // ends in CR LF
  std::vector<TNamed> fields;

  TLayout& Add(const std::string& name, TField f) {
    fields.push_back({name, f});
    return *this;
  }
  // `count` blocks of `stride` bytes from `start`, each holding `inner`.
  TLayout& Blocks(const std::string& name, int start, int stride, int count,
                  const std::vector<TNamed>& inner) {
    for (int i = 0; i < count; ++i) {
      for (const TNamed& f : inner) {
        Add(name + "[" + std::to_string(i) + "]." + f.name, jv::InBlock(start, stride, i, f.field));
      }
    }
    return *this;
  }
};

TLayout JvKind(const char* id, int length, bool raceKeyed) {
  TLayout layout{id, length, true, {}};
  layout.Add("RecordId", jv::kRecordId).Add("DataKind", jv::kDataKind).Add("Created", jv::kCreated);
  if (raceKeyed) layout.Add("RaceKey", jv::kRaceKey);
  return layout;
}

// The six count places of a count set starting at `start`.
std::vector<TNamed> CountSet(const std::string& name, int start) {
  std::vector<TNamed> places;
  for (int k = 0; k < 6; ++k) {
    places.push_back({name + std::to_string(k), jv::InBlock(start, 6, k, {0, 6})});
  }
  return places;
}

std::vector<TNamed> PersonSummary() {
  namespace s = jv::person_summary;
  std::vector<TNamed> inner{{"Year", s::kYear},
                            {"FlatPrize", s::kFlatPrize},
                            {"JumpPrize", s::kJumpPrize},
                            {"FlatAdded", s::kFlatAdded},
                            {"JumpAdded", s::kJumpAdded}};
  for (const TNamed& f : CountSet("Flat", s::kFlatCountsStart)) inner.push_back(f);
  for (const TNamed& f : CountSet("Jump", s::kJumpCountsStart)) inner.push_back(f);
  for (int row = 0; row < s::kDistanceRowCount; ++row) {
    int start = s::kDistanceRowsStart + row * s::kDistanceRowStride;
    for (const TNamed& f : CountSet("Row" + std::to_string(row) + ".", start)) inner.push_back(f);
  }
  return inner;
}

std::vector<TNamed> FlatSummary() {
  namespace s = jv::flat_summary;
  std::vector<TNamed> inner{
      {"Year", s::kYear}, {"FlatPrize", s::kFlatPrize}, {"FlatAdded", s::kFlatAdded}};
  for (const TNamed& f : CountSet("Count", s::kCountsStart)) inner.push_back(f);
  return inner;
}

std::vector<TLayout> AllLayouts() {
  std::vector<TLayout> all;
  {
    namespace k = jv::tk;
    TLayout l = JvKind("TK", k::kLength, true);
    l.Add("Weekday", k::kWeekday).Add("SpecialNo", k::kSpecialNo).Add("MainTitle", k::kMainTitle)
        .Add("Subtitle", k::kSubtitle).Add("ParenTitle", k::kParenTitle)
        .Add("ShortName10", k::kShortName10).Add("ShortName6", k::kShortName6)
        .Add("ShortName3", k::kShortName3).Add("Division", k::kDivision)
        .Add("RunningNo", k::kRunningNo).Add("Grade", k::kGrade).Add("AgeClass", k::kAgeClass)
        .Add("Symbol", k::kSymbol).Add("WeightType", k::kWeightType)
        .Blocks("Condition", k::kConditionStart, k::kConditionStride, k::kConditionCount,
                {{"", k::kCondition}})
        .Add("Distance", k::kDistance).Add("Track", k::kTrack).Add("CourseDiv", k::kCourseDiv)
        .Add("Registered", k::kRegistered)
        .Blocks("Entry", k::kEntryStart, k::kEntryStride, k::kEntryCount,
                {{"OrderNo", k::kEntryOrderNo},
                 {"HorseID", k::kEntryHorseID},
                 {"HorseName", k::kEntryHorseName},
                 {"HorseMark", k::kEntryHorseMark},
                 {"Sex", k::kEntrySex},
                 {"TrainerCode", k::kEntryTrainerCode},
                 {"TrainerName", k::kEntryTrainerName},
                 {"Carried", k::kEntryCarried}});
    all.push_back(l);
  }
  {
    namespace k = jv::ra;
    TLayout l = JvKind("RA", k::kLength, true);
    l.Add("Weekday", k::kWeekday).Add("SpecialNo", k::kSpecialNo).Add("MainTitle", k::kMainTitle)
        .Add("Subtitle", k::kSubtitle).Add("ParenTitle", k::kParenTitle)
        .Add("ShortName10", k::kShortName10).Add("ShortName6", k::kShortName6)
        .Add("ShortName3", k::kShortName3).Add("Division", k::kDivision)
        .Add("RunningNo", k::kRunningNo).Add("Grade", k::kGrade).Add("AgeClass", k::kAgeClass)
        .Add("Symbol", k::kSymbol).Add("WeightType", k::kWeightType)
        .Blocks("Condition", k::kConditionStart, k::kConditionStride, k::kConditionCount,
                {{"", k::kCondition}})
        .Add("ConditionName", k::kConditionName).Add("Distance", k::kDistance)
        .Add("Track", k::kTrack).Add("CourseDiv", k::kCourseDiv)
        .Blocks("Prize", k::kPrizeStart, k::kPrizeStride, k::kPrizeCount, {{"", k::kPrize}})
        .Blocks("AddedPrize", k::kAddedPrizeStart, k::kAddedPrizeStride, k::kAddedPrizeCount,
                {{"", k::kAddedPrize}})
        .Add("StartTime", k::kStartTime).Add("Registered", k::kRegistered)
        .Add("Starters", k::kStarters).Add("Finishers", k::kFinishers)
        .Add("Weather", k::kWeather).Add("TurfGoing", k::kTurfGoing)
        .Add("DirtGoing", k::kDirtGoing)
        .Blocks("Lap", k::kLapStart, k::kLapStride, k::kLapCount, {{"", k::kLap}})
        .Add("JumpMileTime", k::kJumpMileTime);
    all.push_back(l);
  }
  {
    namespace k = jv::se;
    TLayout l = JvKind("SE", k::kLength, true);
    l.Add("Frame", k::kFrame).Add("HorseNo", k::kHorseNo).Add("HorseID", k::kHorseID)
        .Add("HorseName", k::kHorseName).Add("HorseMark", k::kHorseMark).Add("Sex", k::kSex)
        .Add("Age", k::kAge).Add("TrainerCode", k::kTrainerCode)
        .Add("TrainerName", k::kTrainerName).Add("OwnerCode", k::kOwnerCode)
        .Add("OwnerName", k::kOwnerName).Add("Carried", k::kCarried).Add("Blinker", k::kBlinker)
        .Add("JockeyCode", k::kJockeyCode).Add("JockeyName", k::kJockeyName)
        .Add("Apprentice", k::kApprentice).Add("BodyWeight", k::kBodyWeight)
        .Add("Abnormality", k::kAbnormality).Add("Arrival", k::kArrival)
        .Add("Position", k::kPosition).Add("Time", k::kTime)
        .Blocks("Margin", k::kMarginStart, k::kMarginStride, k::kMarginCount, {{"", k::kMargin}})
        .Blocks("Corner", k::kCornerStart, k::kCornerStride, k::kCornerCount, {{"", k::kCorner}})
        .Add("Odds", k::kOdds).Add("Popularity", k::kPopularity).Add("Last4F", k::kLast4F)
        .Add("Last3F", k::kLast3F).Add("TimeDiff", k::kTimeDiff)
        .Add("RecordFlag", k::kRecordFlag);
    all.push_back(l);
  }
  {
    namespace k = jv::hr;
    const std::vector<TNamed> single{{"No", k::kPayHorseNo}, {"Yen", k::kPayHorseNoYen}};
    const std::vector<TNamed> pair{{"Pair", k::kPayPair}, {"Yen", k::kPayPairYen}};
    const std::vector<TNamed> triple{{"Triple", k::kPayTriple}, {"Yen", k::kPayTripleYen}};
    TLayout l = JvKind("HR", k::kLength, true);
    l.Blocks("Win", k::kPayWinStart, k::kPayWinStride, k::kPayWinCount, single)
        .Blocks("Place", k::kPayPlaceStart, k::kPayPlaceStride, k::kPayPlaceCount, single)
        .Blocks("Bracket", k::kPayBracketStart, k::kPayBracketStride, k::kPayBracketCount, single)
        .Blocks("Quinella", k::kPayQuinellaStart, k::kPayQuinellaStride, k::kPayQuinellaCount,
                pair)
        .Blocks("Wide", k::kPayWideStart, k::kPayWideStride, k::kPayWideCount, pair)
        .Blocks("Exacta", k::kPayExactaStart, k::kPayExactaStride, k::kPayExactaCount, pair)
        .Blocks("Trio", k::kPayTrioStart, k::kPayTrioStride, k::kPayTrioCount, triple)
        .Blocks("Trifecta", k::kPayTrifectaStart, k::kPayTrifectaStride, k::kPayTrifectaCount,
                triple);
    all.push_back(l);
  }
  {
    namespace k = jv::o1;
    TLayout l = JvKind("O1", k::kLength, true);
    l.Add("AnnounceTime", k::kAnnounceTime).Add("SaleWin", k::kSaleWin)
        .Add("SalePlace", k::kSalePlace).Add("SaleBracket", k::kSaleBracket)
        .Add("PlaceCount", k::kPlaceCount)
        .Blocks("Win", k::kWinOddsStart, k::kWinOddsStride, k::kWinOddsCount,
                {{"No", k::kWinHorseNo}, {"Odds", k::kWinOdds}})
        .Blocks("Place", k::kPlaceOddsStart, k::kPlaceOddsStride, k::kPlaceOddsCount,
                {{"No", k::kPlaceHorseNo}, {"Low", k::kPlaceOddsLow}, {"High", k::kPlaceOddsHigh}})
        .Blocks("Bracket", k::kBracketOddsStart, k::kBracketOddsStride, k::kBracketOddsCount,
                {{"Pair", k::kBracketPair}, {"Odds", k::kBracketOdds}});
    all.push_back(l);
  }
  auto odds = [&](const char* id, int length, TField announce, TField sale, int start, int stride,
                  int count, const std::vector<TNamed>& inner) {
    TLayout l = JvKind(id, length, true);
    l.Add("AnnounceTime", announce).Add("SaleFlag", sale).Blocks("Entry", start, stride, count,
                                                                 inner);
    all.push_back(l);
  };
  odds("O2", jv::o2::kLength, jv::o2::kAnnounceTime, jv::o2::kSaleFlag, jv::o2::kEntryStart,
       jv::o2::kEntryStride, jv::o2::kEntryCount,
       {{"Combination", jv::o2::kCombination}, {"Odds", jv::o2::kOdds}});
  odds("O3", jv::o3::kLength, jv::o3::kAnnounceTime, jv::o3::kSaleFlag, jv::o3::kEntryStart,
       jv::o3::kEntryStride, jv::o3::kEntryCount,
       {{"Combination", jv::o3::kCombination},
        {"Low", jv::o3::kOddsLow},
        {"High", jv::o3::kOddsHigh}});
  odds("O4", jv::o4::kLength, jv::o4::kAnnounceTime, jv::o4::kSaleFlag, jv::o4::kEntryStart,
       jv::o4::kEntryStride, jv::o4::kEntryCount,
       {{"Combination", jv::o4::kCombination}, {"Odds", jv::o4::kOdds}});
  odds("O5", jv::o5::kLength, jv::o5::kAnnounceTime, jv::o5::kSaleFlag, jv::o5::kEntryStart,
       jv::o5::kEntryStride, jv::o5::kEntryCount,
       {{"Combination", jv::o5::kCombination}, {"Odds", jv::o5::kOdds}});
  odds("O6", jv::o6::kLength, jv::o6::kAnnounceTime, jv::o6::kSaleFlag, jv::o6::kEntryStart,
       jv::o6::kEntryStride, jv::o6::kEntryCount,
       {{"Combination", jv::o6::kCombination}, {"Odds", jv::o6::kOdds}});
  {
    namespace k = jv::h1;
    const std::vector<TNamed> single{{"No", k::kVoteNumber}, {"Votes", k::kVoteNumberVotes}};
    const std::vector<TNamed> pair{{"Pair", k::kVotePair}, {"Votes", k::kVotePairVotes}};
    TLayout l = JvKind("H1", k::kLength, true);
    l.Add("PlaceCount", k::kPlaceCount)
        .Blocks("RefundHorse", k::kRefundHorseStart, k::kRefundStride, k::kRefundHorseCount,
                {{"", k::kRefundFlag}})
        .Blocks("RefundFrame", k::kRefundFrameStart, k::kRefundStride, k::kRefundFrameCount,
                {{"", k::kRefundFlag}})
        .Blocks("RefundSameFrame", k::kRefundSameFrameStart, k::kRefundStride,
                k::kRefundSameFrameCount, {{"", k::kRefundFlag}})
        .Blocks("Win", k::kWinVotesStart, k::kWinVotesStride, k::kWinVotesCount, single)
        .Blocks("Place", k::kPlaceVotesStart, k::kPlaceVotesStride, k::kPlaceVotesCount, single)
        .Blocks("Bracket", k::kBracketVotesStart, k::kBracketVotesStride, k::kBracketVotesCount,
                single)
        .Blocks("Quinella", k::kQuinellaVotesStart, k::kQuinellaVotesStride,
                k::kQuinellaVotesCount, pair)
        .Blocks("Wide", k::kWideVotesStart, k::kWideVotesStride, k::kWideVotesCount, pair)
        .Blocks("Exacta", k::kExactaVotesStart, k::kExactaVotesStride, k::kExactaVotesCount, pair)
        .Blocks("Trio", k::kTrioVotesStart, k::kTrioVotesStride, k::kTrioVotesCount,
                {{"Triple", k::kVoteTriple}, {"Votes", k::kVoteTripleVotes}})
        .Blocks("Pool", k::kPoolStart, k::kPoolStride, k::kPoolCount, {{"", k::kPool}})
        .Blocks("RefundPool", k::kRefundPoolStart, k::kPoolStride, k::kPoolCount,
                {{"", k::kPool}});
    all.push_back(l);
  }
  {
    namespace k = jv::h6;
    TLayout l = JvKind("H6", k::kLength, true);
    l.Blocks("RefundHorse", k::kRefundHorseStart, k::kRefundStride, k::kRefundHorseCount,
             {{"", k::kRefundFlag}})
        .Blocks("Trifecta", k::kVotesStart, k::kVotesStride, k::kVotesCount,
                {{"Combination", k::kCombination}, {"Votes", k::kVotes}})
        .Add("Pool", k::kPool).Add("RefundPool", k::kRefundPool);
    all.push_back(l);
  }
  {
    namespace k = jv::um;
    TLayout l = JvKind("UM", k::kLength, false);
    l.Add("HorseID", k::kHorseID).Add("DeleteFlag", k::kDeleteFlag)
        .Add("RegisteredOn", k::kRegisteredOn).Add("DeletedOn", k::kDeletedOn)
        .Add("BirthDate", k::kBirthDate).Add("HorseName", k::kHorseName)
        .Add("KanaName", k::kKanaName).Add("LatinName", k::kLatinName)
        .Add("HorseMark", k::kHorseMark).Add("Sex", k::kSex).Add("Breed", k::kBreed)
        .Add("Coat", k::kCoat)
        .Blocks("Pedigree", k::kPedigreeStart, k::kPedigreeStride, k::kPedigreeCount,
                {{"No", k::kPedigreeNo}, {"Name", k::kAncestorName}})
        .Add("TrainerCode", k::kTrainerCode).Add("TrainerName", k::kTrainerName)
        .Add("InvitedFrom", k::kInvitedFrom).Add("BreederCode", k::kBreederCode)
        .Add("BreederName", k::kBreederName).Add("Area", k::kArea)
        .Add("OwnerCode", k::kOwnerCode).Add("OwnerName", k::kOwnerName)
        .Blocks("PrizeSum", k::kPrizeSumStart, k::kPrizeSumStride, k::kPrizeSumCount,
                {{"", k::kPrizeSum}})
        .Add("RaceCount", k::kRaceCount);
    all.push_back(l);
  }
  {
    namespace k = jv::sk;
    TLayout l = JvKind("SK", k::kLength, false);
    l.Add("HorseID", k::kHorseID).Add("BirthDate", k::kBirthDate).Add("Sex", k::kSex)
        .Add("Breed", k::kBreed).Add("Coat", k::kCoat).Add("BreederCode", k::kBreederCode)
        .Add("Area", k::kArea)
        .Blocks("Pedigree", k::kPedigreeStart, k::kPedigreeStride, k::kPedigreeCount,
                {{"", k::kPedigreeNo}});
    all.push_back(l);
  }
  {
    namespace k = jv::hn;
    TLayout l = JvKind("HN", k::kLength, false);
    l.Add("BreedingNo", k::kBreedingNo).Add("HorseID", k::kHorseID)
        .Add("DeleteFlag", k::kDeleteFlag).Add("HorseName", k::kHorseName)
        .Add("KanaName", k::kKanaName).Add("LatinName", k::kLatinName)
        .Add("BirthYear", k::kBirthYear).Add("Sex", k::kSex).Add("Breed", k::kBreed)
        .Add("Coat", k::kCoat).Add("Area", k::kArea).Add("Sire", k::kSire).Add("Dam", k::kDam);
    all.push_back(l);
  }
  {
    namespace k = jv::ks;
    TLayout l = JvKind("KS", k::kLength, false);
    l.Add("Code", k::kCode).Add("Name", k::kName).Add("KanaName", k::kKanaName)
        .Add("ShortName", k::kShortName).Add("LatinName", k::kLatinName)
        .Add("EastWest", k::kEastWest).Add("FirstFlatRide", k::kFirstFlatRide)
        .Add("FirstJumpRide", k::kFirstJumpRide)
        .Blocks("Summary", k::kSummaryStart, k::kSummaryStride, k::kSummaryCount, PersonSummary());
    all.push_back(l);
  }
  {
    namespace k = jv::ch;
    TLayout l = JvKind("CH", k::kLength, false);
    l.Add("Code", k::kCode).Add("LicensedOn", k::kLicensedOn).Add("Name", k::kName)
        .Add("KanaName", k::kKanaName).Add("ShortName", k::kShortName)
        .Add("LatinName", k::kLatinName).Add("EastWest", k::kEastWest)
        .Blocks("Summary", k::kSummaryStart, k::kSummaryStride, k::kSummaryCount, PersonSummary());
    all.push_back(l);
  }
  {
    namespace k = jv::br;
    TLayout l = JvKind("BR", k::kLength, false);
    l.Add("Code", k::kCode).Add("Name", k::kName).Add("Name2", k::kName2)
        .Add("KanaName", k::kKanaName).Add("LatinName", k::kLatinName)
        .Add("Address", k::kAddress)
        .Blocks("Summary", k::kSummaryStart, k::kSummaryStride, k::kSummaryCount, FlatSummary());
    all.push_back(l);
  }
  {
    namespace k = jv::bn;
    TLayout l = JvKind("BN", k::kLength, false);
    l.Add("Code", k::kCode).Add("Name", k::kName).Add("Name2", k::kName2)
        .Add("KanaName", k::kKanaName).Add("LatinName", k::kLatinName)
        .Add("Colours", k::kColours)
        .Blocks("Summary", k::kSummaryStart, k::kSummaryStride, k::kSummaryCount, FlatSummary());
    all.push_back(l);
  }
  {
    namespace k = jv::rc;
    TLayout l = JvKind("RC", k::kLength, false);
    l.Add("RecordClass", k::kRecordClass).Add("RaceKey", k::kRaceKey)
        .Add("SpecialNo", k::kSpecialNo).Add("RaceKind", k::kRaceKind)
        .Add("Distance", k::kDistance).Add("Track", k::kTrack);
    all.push_back(l);
  }
  {
    namespace k = jv::hc;
    TLayout l = JvKind("HC", k::kLength, false);
    l.Add("Centre", k::kCentre).Add("Date", k::kDate).Add("Time", k::kTime)
        .Add("HorseID", k::kHorseID);
    all.push_back(l);
  }
  {
    namespace k = jv::wh;
    TLayout l = JvKind("WH", k::kLength, true);
    l.Blocks("Weight", k::kWeightStart, k::kWeightStride, k::kWeightCount,
             {{"HorseNo", k::kWeightHorseNo}, {"BodyWeight", k::kBodyWeight}});
    all.push_back(l);
  }
  {
    namespace k = jv::we;
    TLayout l = JvKind("WE", k::kLength, false);
    l.Add("DayKey", jv::kDayKey).Add("AnnounceTime", k::kAnnounceTime)
        .Add("ChangeKind", k::kChangeKind).Add("Weather", k::kWeather)
        .Add("TurfGoing", k::kTurfGoing).Add("DirtGoing", k::kDirtGoing);
    all.push_back(l);
  }
  all.push_back(JvKind("AV", jv::av::kLength, true).Add("HorseNo", jv::av::kHorseNo));
  {
    namespace k = jv::jc;
    TLayout l = JvKind("JC", k::kLength, true);
    l.Add("AnnounceTime", k::kAnnounceTime).Add("HorseNo", k::kHorseNo)
        .Add("Carried", k::kCarried).Add("JockeyCode", k::kJockeyCode)
        .Add("JockeyName", k::kJockeyName).Add("Apprentice", k::kApprentice);
    all.push_back(l);
  }
  all.push_back(
      JvKind("TC", jv::tc::kLength, true).Add("Hour", jv::tc::kHour).Add("Minute", jv::tc::kMinute));
  all.push_back(JvKind("CC", jv::cc::kLength, true)
                    .Add("Distance", jv::cc::kDistance)
                    .Add("Track", jv::cc::kTrack));
  all.push_back(JvKind("DM", jv::dm::kLength, true));
  {
    namespace k = jv::ys;
    TLayout l = JvKind("YS", k::kLength, false);
    l.Add("DayKey", jv::kDayKey).Add("Weekday", k::kWeekday).Add("SpecialNo", k::kSpecialNo)
        .Add("RaceName", k::kRaceName).Add("ShortName10", k::kShortName10)
        .Add("ShortName6", k::kShortName6).Add("ShortName3", k::kShortName3)
        .Add("Grade", k::kGrade).Add("AgeClass", k::kAgeClass).Add("Symbol", k::kSymbol)
        .Add("WeightType", k::kWeightType).Add("Distance", k::kDistance).Add("Track", k::kTrack);
    all.push_back(l);
  }
  {
    namespace k = jv::kol;
    TLayout l{"KOL", k::kLength, false, {}};
    l.Add("VenueIndex", k::kVenueIndex).Add("Meeting", k::kMeeting)
        .Add("MeetingDay", k::kMeetingDay).Add("RaceNo", k::kRaceNo).Add("Year", k::kYear)
        .Add("Month", k::kMonth).Add("Day", k::kDay).Add("AnnounceTime", k::kAnnounceTime)
        .Add("RecordDate", k::kRecordDate)
        .Blocks("Win", k::kWinStart, k::kWinStride, k::kWinCount, {{"", k::kWinOdds}})
        .Blocks("Bracket", k::kBracketStart, k::kBracketStride, k::kBracketCount,
                {{"", k::kBracketOdds}})
        .Blocks("Quinella", k::kQuinellaStart, k::kQuinellaStride, k::kQuinellaCount,
                {{"", k::kQuinellaOdds}});
    all.push_back(l);
  }
  all.push_back(TLayout{"RA.IDX", jv::race_index::kLength, false, {}}.Add(
      "RaceKey", jv::race_index::kRaceKey));
  all.push_back(TLayout{"UM.IDX", jv::horse_index::kLength, false, {}}
                    .Add("HorseID", jv::horse_index::kHorseID)
                    .Add("RunsRow", jv::horse_index::kRunsRow));
  all.push_back(TLayout{"SE.IDX", jv::runs_index::kLength, false, {}}
                    .Add("HorseID", jv::runs_index::kHorseID)
                    .Add("RaceKey", jv::runs_index::kRaceKey));
  all.push_back(TLayout{"BASETIME", jv::basetime::kLength, true, {}}
                    .Add("Key", jv::basetime::kKey)
                    .Add("Distance", jv::basetime::kDistance)
                    .Add("Time", jv::basetime::kTime)
                    .Add("Pace", jv::basetime::kPace));
  all.push_back(TLayout{"LEVEL", jv::level::kLength, true, {}}
                    .Add("Key", jv::level::kKey)
                    .Add("Level", jv::level::kLevel)
                    .Add("Count", jv::level::kCount));
  return all;
}

// Record lengths as the kind table of the database gives them.
TEST(JvRecordsTest, LengthsMatchTheKindTable) {
  struct TCase {
    const char* id;
    int expected;
  };
  const TCase cases[] = {
      {"TK", 21657}, {"RA", 1272},  {"SE", 555},    {"HR", 719},      {"H1", 28955},
      {"H6", 102890}, {"O1", 962},  {"O2", 2042},   {"O3", 2654},     {"O4", 4031},
      {"O5", 12293}, {"O6", 83285}, {"UM", 1577},   {"KS", 4173},     {"CH", 3862},
      {"BR", 537},   {"BN", 477},   {"HN", 245},    {"SK", 178},      {"RC", 501},
      {"HC", 60},    {"WH", 847},   {"WE", 42},     {"AV", 78},       {"JC", 161},
      {"TC", 45},    {"CC", 50},    {"DM", 303},    {"YS", 382},      {"KOL", 1504},
      {"RA.IDX", 16}, {"UM.IDX", 16}, {"SE.IDX", 26}, {"BASETIME", 21}, {"LEVEL", 20},
  };
  std::map<std::string, int> lengths;
  for (const TLayout& layout : AllLayouts()) lengths[layout.id] = layout.length;
  EXPECT_EQ(lengths.size(), std::size(cases));
  for (const TCase& c : cases) EXPECT_EQ(lengths[c.id], c.expected) << c.id;
  EXPECT_EQ(jv::foal_index::kLength, 16);
}

// Writing every field of a kind into one record must touch each byte at most
// once and leave the CR LF alone: a generator that fills every field and a
// reader of any field then agree.
TEST(JvRecordsTest, EveryFieldOwnsItsBytesInsideTheRecord) {
  for (const TLayout& layout : AllLayouts()) {
    std::vector<int> owner(static_cast<std::size_t>(layout.length), -1);
    int body = layout.length - (layout.lineEnd ? jv::kLineEndLength : 0);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
      const TNamed& f = layout.fields[i];
      ASSERT_TRUE(f.field.offset >= 0 && f.field.length > 0 && jv::End(f.field) <= body)
          << layout.id << " " << f.name << " {" << f.field.offset << ", " << f.field.length
          << "} leaves the record body of " << body << " bytes";
      for (int b = f.field.offset; b < jv::End(f.field); ++b) {
        int& who = owner[static_cast<std::size_t>(b)];
        ASSERT_EQ(who, -1) << layout.id << " " << f.name << " overlaps "
                           << layout.fields[static_cast<std::size_t>(who)].name << " at byte " << b;
        who = static_cast<int>(i);
      }
    }
  }
}

// The key fields the merge sorts by, and the ones the readers find records
// by, sit where the common head and the sort keys put them.
TEST(JvRecordsTest, KeyFieldsSitWhereTheMergeAndTheReadersLookForThem) {
  struct TCase {
    const char* what;
    TField field;
    TField expected;
  };
  const TCase cases[] = {
      {"race key", jv::kRaceKey, {11, 16}},
      {"day key", jv::kDayKey, {11, 14}},
      {"SE registration number", jv::se::kHorseID, {30, 10}},
      {"SE horse number", jv::se::kHorseNo, {28, 2}},
      {"UM registration number", jv::um::kHorseID, {11, 10}},
      {"UM birth year", jv::um::kBirthYear, {38, 4}},
      {"SK registration number", jv::sk::kHorseID, {11, 10}},
      {"SK birth year", jv::sk::kBirthYear, {21, 4}},
      {"KS code", jv::ks::kCode, {11, 5}},
      {"CH code", jv::ch::kCode, {11, 5}},
      {"BR code", jv::br::kCode, {11, 6}},
      {"BN code", jv::bn::kCode, {11, 6}},
      {"HN breeding number", jv::hn::kBreedingNo, {11, 8}},
      {"RC class", jv::rc::kRecordClass, {11, 1}},
      {"RC race key", jv::rc::kRaceKey, {12, 16}},
      {"RC 28", jv::rc::kSpecialNo, {28, 4}},
      {"RC 93", jv::rc::kRaceKind, {93, 2}},
      {"RC 95", jv::rc::kDistance, {95, 4}},
      {"RC 99", jv::rc::kTrack, {99, 2}},
      {"HC centre", jv::hc::kCentre, {11, 1}},
      {"HC date", jv::hc::kDate, {12, 8}},
      {"HC time", jv::hc::kTime, {20, 4}},
      {"HC registration number", jv::hc::kHorseID, {24, 10}},
      {"WE announcement", jv::we::kAnnounceTime, {25, 8}},
      {"WE change kind", jv::we::kChangeKind, {33, 1}},
      {"AV horse number", jv::av::kHorseNo, {35, 2}},
      {"JC announcement", jv::jc::kAnnounceTime, {27, 8}},
      {"JC horse number", jv::jc::kHorseNo, {35, 2}},
      {"O1 announcement", jv::o1::kAnnounceTime, {27, 8}},
      {"O2 announcement", jv::o2::kAnnounceTime, {27, 8}},
      {"O3 announcement", jv::o3::kAnnounceTime, {27, 8}},
      {"O4 announcement", jv::o4::kAnnounceTime, {27, 8}},
      {"O5 announcement", jv::o5::kAnnounceTime, {27, 8}},
      {"O6 announcement", jv::o6::kAnnounceTime, {27, 8}},
      {"YS special number", jv::ys::kSpecialNo, {26, 4}},
      {"horse index runs row", jv::horse_index::kRunsRow, {10, 6}},
      {"runs index race key", jv::runs_index::kRaceKey, {10, 16}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.field.offset, c.expected.offset) << c.what;
    EXPECT_EQ(c.field.length, c.expected.length) << c.what;
  }

  // The parts of a race key placed in a record read back as the race.
  std::string record(jv::ra::kLength, ' ');
  record.replace(static_cast<std::size_t>(jv::kRaceKey.offset),
                 static_cast<std::size_t>(jv::kRaceKey.length), "2004122605050811");
  auto read = [&](TField part) {
    return ParseFixedField(record.data() + jv::kRaceKey.offset + part.offset, part.length);
  };
  EXPECT_EQ(read(jv::race_key::kYear), 2004);
  EXPECT_EQ(read(jv::race_key::kMonthDay), 1226);
  EXPECT_EQ(read(jv::race_key::kVenue), 5);
  EXPECT_EQ(read(jv::race_key::kMeeting), 5);
  EXPECT_EQ(read(jv::race_key::kMeetingDay), 8);
  EXPECT_EQ(read(jv::race_key::kRaceNo), 11);
  EXPECT_EQ(read(jv::race_key::kDate), 20041226);
  EXPECT_EQ(read(jv::race_key::kRaceCode), 5050811);
}

// Blocks given as start, stride and inner offsets reproduce the absolute
// offsets that the readers' field tables name.
TEST(JvRecordsTest, BlocksReproduceTheAbsoluteOffsetsOfTheReaders) {
  namespace ps = jv::person_summary;
  namespace fs = jv::flat_summary;
  auto ks = [](int block, TField f) {
    return jv::InBlock(jv::ks::kSummaryStart, jv::ks::kSummaryStride, block, f);
  };
  auto ch = [](int block, TField f) {
    return jv::InBlock(jv::ch::kSummaryStart, jv::ch::kSummaryStride, block, f);
  };
  auto br = [](int block, TField f) {
    return jv::InBlock(jv::br::kSummaryStart, jv::br::kSummaryStride, block, f);
  };
  auto bn = [](int block, TField f) {
    return jv::InBlock(jv::bn::kSummaryStart, jv::bn::kSummaryStride, block, f);
  };
  const TField flatPlace5{ps::kFlatCountsStart + 5 * ps::kCountStride, 6};
  const TField jumpPlace0{ps::kJumpCountsStart, 6};
  const TField flatSummaryPlace5{fs::kCountsStart + 5 * fs::kCountStride, 6};
  struct TCase {
    const char* what;
    TField field;
    int offset;
    int length;
  };
  const TCase cases[] = {
      {"KS this-year year", ks(0, ps::kYear), 1015, 4},
      {"KS last-year year", ks(1, ps::kYear), 2067, 4},
      {"KS flat prize", ks(0, ps::kFlatPrize), 1019, 10},
      {"KS jump prize", ks(0, ps::kJumpPrize), 1029, 10},
      {"KS flat added", ks(0, ps::kFlatAdded), 1039, 10},
      {"KS jump added", ks(0, ps::kJumpAdded), 1049, 10},
      {"KS flat place 6", ks(0, flatPlace5), 1059 + 30, 6},
      {"KS jump place 1", ks(0, jumpPlace0), 1095, 6},
      {"KS career last row ends the record",
       ks(2, {ps::kDistanceRowsStart + 5 * ps::kDistanceRowStride + 30, 6}), jv::ks::kLength - 8,
       6},
      {"CH this-year year", ch(0, ps::kYear), 704, 4},
      {"CH last-year year", ch(1, ps::kYear), 1756, 4},
      {"CH flat prize", ch(0, ps::kFlatPrize), 708, 10},
      {"CH jump added", ch(0, ps::kJumpAdded), 738, 10},
      {"CH flat place 6", ch(0, flatPlace5), 748 + 30, 6},
      {"CH jump place 1", ch(0, jumpPlace0), 784, 6},
      {"BR this-year year", br(0, fs::kYear), 415, 4},
      {"BR this-year added", br(0, fs::kFlatAdded), 429, 10},
      {"BR career year", br(1, fs::kYear), 475, 4},
      {"BR career prize", br(1, fs::kFlatPrize), 479, 10},
      {"BR career added", br(1, fs::kFlatAdded), 489, 10},
      {"BR career place 6", br(1, flatSummaryPlace5), 499 + 30, 6},
      {"BN this-year year", bn(0, fs::kYear), 355, 4},
      {"BN this-year prize", bn(0, fs::kFlatPrize), 359, 10},
      {"BN this-year place 1", bn(0, {fs::kCountsStart, 6}), 379, 6},
      {"BN career year", bn(1, fs::kYear), 415, 4},
      {"BN career place 1", bn(1, {fs::kCountsStart, 6}), 439, 6},
      {"UM ancestor 14 number",
       jv::InBlock(jv::um::kPedigreeStart, jv::um::kPedigreeStride, 13, jv::um::kPedigreeNo),
       204 + 44 * 13, 8},
      {"UM ancestor 14 name",
       jv::InBlock(jv::um::kPedigreeStart, jv::um::kPedigreeStride, 13, jv::um::kAncestorName),
       212 + 44 * 13, 36},
      {"WH block 18 horse number",
       jv::InBlock(jv::wh::kWeightStart, jv::wh::kWeightStride, 17, jv::wh::kWeightHorseNo),
       35 + 45 * 17, 2},
      {"WH block 18 body weight",
       jv::InBlock(jv::wh::kWeightStart, jv::wh::kWeightStride, 17, jv::wh::kBodyWeight),
       73 + 45 * 17, 3},
      {"H1 refund horse 28",
       jv::InBlock(jv::h1::kRefundHorseStart, jv::h1::kRefundStride, 27, jv::h1::kRefundFlag),
       39 + 28 - 1, 1},
      {"H1 refund frame 8",
       jv::InBlock(jv::h1::kRefundFrameStart, jv::h1::kRefundStride, 7, jv::h1::kRefundFlag),
       66 + 8, 1},
      {"H1 same-frame pair 1-1",
       jv::InBlock(jv::h1::kRefundSameFrameStart, jv::h1::kRefundStride, 0, jv::h1::kRefundFlag),
       74 + 1, 1},
      {"H6 refund horse 18",
       jv::InBlock(jv::h6::kRefundHorseStart, jv::h6::kRefundStride, 17, jv::h6::kRefundFlag),
       31 + 18, 1},
      {"TK last slot trainer",
       jv::InBlock(jv::tk::kEntryStart, jv::tk::kEntryStride, 299, jv::tk::kEntryTrainerCode),
       655 + 70 * 299 + 53, 5},
      {"RA youngest condition",
       jv::InBlock(jv::ra::kConditionStart, jv::ra::kConditionStride, 4, jv::ra::kCondition),
       622 + 12, 3},
      {"TK youngest condition",
       jv::InBlock(jv::tk::kConditionStart, jv::tk::kConditionStride, 4, jv::tk::kCondition),
       621 + 12, 3},
      {"RA lap 25", jv::InBlock(jv::ra::kLapStart, jv::ra::kLapStride, 24, jv::ra::kLap),
       890 + 72, 3},
      {"SE third margin",
       jv::InBlock(jv::se::kMarginStart, jv::se::kMarginStride, 2, jv::se::kMargin), 348, 3},
      {"SE fourth corner",
       jv::InBlock(jv::se::kCornerStart, jv::se::kCornerStride, 3, jv::se::kCorner), 351 + 6, 2},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.field.offset, c.offset) << c.what;
    EXPECT_EQ(c.field.length, c.length) << c.what;
  }
}

}  // namespace
