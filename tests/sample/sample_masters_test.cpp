#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/fixed_field.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/lzh_writer.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "sample/sample_predicted_odds.h"

namespace {

using namespace sample;
using jv::TField;

constexpr int kAsOf = 20240430;

int Read(const std::string& record, TField f) {
  return ParseFixedField(record.data() + f.offset, f.length);
}
std::string Text(const std::string& record, TField f) {
  return SqueezeBlanks(record.data() + f.offset, f.length);
}

TRunner Ride(int horse, int horseNo, int jockey, int trainer, int owner, int position,
             std::int64_t prize = 0, std::int64_t added = 0, int abnormality = 0) {
  TRunner r;
  r.horse = horse;
  r.horseNo = horseNo;
  r.frame = horseNo;
  r.jockeyCode = jockey;
  r.trainerCode = trainer;
  r.ownerCode = owner;
  r.position = position;
  r.prize = prize;
  r.added = added;
  r.abnormality = abnormality;
  r.time = position == 1 ? 1455 : 0;
  return r;
}

TRace Race(const std::string& key, int surface, int distance, int track,
           std::vector<TRunner> runners, bool settled = true) {
  TRace race;
  race.key = key;
  race.date = std::stoi(key.substr(0, 8));
  race.venueCode = key.substr(8, 2);
  race.venue = std::stoi(race.venueCode);
  race.meeting = std::stoi(key.substr(10, 2));
  race.meetingDay = std::stoi(key.substr(12, 2));
  race.raceNo = std::stoi(key.substr(14, 2));
  race.surface = surface;
  race.distance = distance;
  race.track = track;
  race.ageCode = 13;
  race.runners = std::move(runners);
  race.settled = settled;
  return race;
}

// Three jockeys, two trainers, one breeder, two owners, four horses; four
// settled JRA races (one last year, a jump race), a local race, a race after
// the date and a race card.
TWorld TinyWorld() {
  TWorld w;
  auto person = [](int code, const char* name, const char* shortName, int affiliation) {
    TPerson p;
    p.code = code;
    p.name = Utf8ToSjis(name);
    p.shortName = Utf8ToSjis(shortName);
    p.kanaName = Utf8ToSjis("ﾃｽﾄ ｷｼｭ");
    p.latinName = "Test Person";
    p.affiliation = affiliation;
    p.licenceDate = 20100301;
    return p;
  };
  w.jockeys = {person(101, "武田 豊", "武田豊", 2), person(102, "横田 典", "横田典", 1),
               person(103, "見習 太郎", "見習太", 1)};
  w.jockeys[0].firstFlatRide = "2023061005030211";
  w.jockeys[0].firstJumpRide = "2024051205020611";  // after the date: not shown yet
  w.trainers = {person(201, "調教 一", "調教一", 1), person(202, "調教 二", "調教二", 2)};
  w.breeders = {
      {300001, SJ("ミズナラ牧場"), Utf8ToSjis("ﾐｽﾞﾅﾗﾎﾞｸｼﾞｮｳ"), "Mizunara Farm", SJ("日高町")}};
  w.owners = {{400001, SJ("楢山 一郎"), "", "", SJ("青，白星散らし")},
              {400002, SJ("楢山 二郎"), "", "", SJ("赤")}};
  auto breeding = [](int number, const char* name, int sex, int sire, int dam) {
    TBreedingHorse b;
    b.number = number;
    b.name = Utf8ToSjis(name);
    b.sex = sex;
    b.sire = sire;
    b.dam = dam;
    b.birthYear = 2005;
    b.coat = 2;
    b.area = SJ("日高");
    return b;
  };
  w.breedingHorses = {breeding(10000001, "オオナラ", 1, 10000003, 10000004),
                      breeding(10000002, "コナラ", 2, 0, 10000005),
                      breeding(10000003, "ナラノキ", 1, 0, 0),
                      breeding(10000004, "カシワ", 2, 0, 0), breeding(10000005, "クヌギ", 2, 0, 0)};
  auto horse = [](std::int64_t id, const char* name, int trainer, int owner, int breeder) {
    THorse h;
    h.id = id;
    h.name = Utf8ToSjis(name);
    h.birthDate = static_cast<int>(id / 1000000) * 10000 + 415;
    h.sire = 10000001;
    h.dam = 10000002;
    h.trainerCode = trainer;
    h.ownerCode = owner;
    h.breederCode = breeder;
    h.registeredOn = 20210601;
    return h;
  };
  w.horses = {horse(2019100001, "ミズナラ", 201, 400001, 300001),
              horse(2019100002, "シラカシ", 202, 400002, 300001),
              horse(2019100003, "アカガシ", 201, 400001, 0),
              horse(2020100001, "ウバメガシ", 202, 400002, 300001)};
  w.horses[3].retiredOn = 20240101;

  w.races = {
      Race("2023061005030211", kTurf, 2400, 11,
           {Ride(0, 1, 101, 201, 400001, 1, 10000, 500), Ride(1, 2, 102, 202, 400002, 2, 4000),
            Ride(2, 3, 103, 201, 400001, 3, 2500)}),
      Race("2024030206020111", kDirt, 1800, 23,
           {Ride(0, 1, 102, 201, 400001, 3, 1000), Ride(1, 2, 101, 202, 400002, 6),
            Ride(2, 3, 103, 201, 400001, 0, 0, 0, 1)}),
      Race("2024031003020104", kJump, 3000, 54,
           {Ride(0, 1, 101, 201, 400001, 0, 0, 0, 4), Ride(1, 2, 102, 202, 400002, 1, 3000)}),
      Race("2024042044010101", kDirt, 1200, 24, {Ride(0, 1, 101, 201, 400001, 1, 2000)}),
      Race("2024042708020101", kTurf, 1600, 17, {Ride(1, 1, 101, 202, 400002, 0)}, false),
      Race("2024051205020611", kTurf, 1600, 17, {Ride(0, 1, 101, 201, 400001, 1, 9000)}),
  };
  w.horses[0].raceKeys = {"2023061005030211", "2024030206020111", "2024031003020104",
                          "2024042044010101", "2024051205020611"};
  return w;
}

// Every byte outside the named fields of a record is blank, and it ends in
// CR LF.
void ExpectOnly(const std::string& record, int length, std::initializer_list<TField> fields,
                const char* what) {
  SCOPED_TRACE(what);
  ASSERT_EQ(static_cast<int>(record.size()), length);
  EXPECT_EQ(record.substr(record.size() - 2), "\r\n");
  std::vector<bool> named(record.size(), false);
  for (TField f : fields) {
    for (int i = f.offset; i < jv::End(f); ++i) named[static_cast<std::size_t>(i)] = true;
  }
  for (std::size_t i = 0; i + 2 < record.size(); ++i) {
    if (!named[i]) {
      EXPECT_EQ(record[i], ' ') << "byte " << i;
    }
  }
}

TEST(SampleMasters, RecordsFillOnlyTheirFields) {
  const TWorld w = TinyWorld();
  const TSummaries s(w, kAsOf);
  using namespace jv;
  ExpectOnly(UmRecord(w, w.horses[0], s.Horse(0), '1', kAsOf), um::kLength,
             {kRecordId,        kDataKind,
              kCreated,         um::kHorseID,
              um::kDeleteFlag,  um::kRegisteredOn,
              um::kDeletedOn,   um::kBirthDate,
              um::kHorseName,   um::kKanaName,
              um::kLatinName,   um::kHorseMark,
              um::kSex,         um::kBreed,
              um::kCoat,        Span(um::kPedigreeStart, um::kPedigreeStride, um::kPedigreeCount),
              um::kTrainerCode, um::kTrainerName,
              um::kBreederCode, um::kBreederName,
              um::kArea,        um::kOwnerCode,
              um::kOwnerName,   Span(um::kPrizeSumStart, um::kPrizeSumStride, um::kPrizeSumCount),
              um::kRaceCount},
             "UM");
  ExpectOnly(SkRecord(w, w.horses[0], '1', kAsOf), sk::kLength,
             {kRecordId, kDataKind, kCreated, sk::kHorseID, sk::kBirthDate, sk::kSex, sk::kBreed,
              sk::kCoat, sk::kBreederCode, sk::kArea,
              Span(sk::kPedigreeStart, sk::kPedigreeStride, sk::kPedigreeCount)},
             "SK");
  ExpectOnly(HnRecord(w.breedingHorses[0], '1', kAsOf), hn::kLength,
             {kRecordId, kDataKind, kCreated, hn::kBreedingNo, hn::kHorseID, hn::kDeleteFlag,
              hn::kHorseName, hn::kKanaName, hn::kLatinName, hn::kBirthYear, hn::kSex, hn::kBreed,
              hn::kCoat, hn::kArea, hn::kSire, hn::kDam},
             "HN");
  ExpectOnly(KsRecord(w.jockeys[0], s.Jockey(101), '1', kAsOf), ks::kLength,
             {kRecordId, kDataKind, kCreated, ks::kCode, ks::kName, ks::kKanaName, ks::kShortName,
              ks::kLatinName, ks::kEastWest, ks::kFirstFlatRide, ks::kFirstJumpRide,
              Span(ks::kSummaryStart, ks::kSummaryStride, ks::kSummaryCount)},
             "KS");
  ExpectOnly(ChRecord(w.trainers[0], s.Trainer(201), '1', kAsOf), ch::kLength,
             {kRecordId, kDataKind, kCreated, ch::kCode, ch::kLicensedOn, ch::kName, ch::kKanaName,
              ch::kShortName, ch::kLatinName, ch::kEastWest,
              Span(ch::kSummaryStart, ch::kSummaryStride, ch::kSummaryCount)},
             "CH");
  ExpectOnly(BrRecord(w.breeders[0], s.Breeder(300001), '1', kAsOf), br::kLength,
             {kRecordId, kDataKind, kCreated, br::kCode, br::kName, br::kName2, br::kKanaName,
              br::kLatinName, br::kAddress,
              Span(br::kSummaryStart, br::kSummaryStride, br::kSummaryCount)},
             "BR");
  ExpectOnly(BnRecord(w.owners[0], s.Owner(400001), '1', kAsOf), bn::kLength,
             {kRecordId, kDataKind, kCreated, bn::kCode, bn::kName, bn::kName2, bn::kKanaName,
              bn::kLatinName, bn::kColours,
              Span(bn::kSummaryStart, bn::kSummaryStride, bn::kSummaryCount)},
             "BN");
  ExpectOnly(RcRecord(w.races[0], kCourseRecord, 1455, '1', kAsOf), rc::kLength,
             {kRecordId, kDataKind, kCreated, rc::kRecordClass, rc::kRaceKey, rc::kSpecialNo,
              rc::kRaceKind, rc::kDistance, rc::kTrack, TField{102, 4}},
             "RC");
  ExpectOnly(HcRecord(kRitto, kAsOf, 630, 2019100001, '1', kAsOf), hc::kLength,
             {kRecordId, kDataKind, kCreated, hc::kCentre, hc::kDate, hc::kTime, hc::kHorseID},
             "HC");
}

TEST(SampleMasters, KeyFieldsReadBackAtTheirOffsets) {
  const TWorld w = TinyWorld();
  const TSummaries s(w, kAsOf);
  const std::string um = UmRecord(w, w.horses[0], s.Horse(0), '1', kAsOf);
  const std::string retired = UmRecord(w, w.horses[3], s.Horse(3), '1', kAsOf);
  const std::string sk = SkRecord(w, w.horses[0], '2', kAsOf);
  const std::string hn = HnRecord(w.breedingHorses[1], '1', kAsOf);
  const std::string ks = KsRecord(w.jockeys[0], s.Jockey(101), '1', kAsOf);
  const std::string ch = ChRecord(w.trainers[1], s.Trainer(202), '1', kAsOf);
  const std::string br = BrRecord(w.breeders[0], s.Breeder(300001), '1', kAsOf);
  const std::string bn = BnRecord(w.owners[1], s.Owner(400002), '1', kAsOf);
  const std::string hc = HcRecord(kRitto, 20240424, 615, 2019100002, '1', kAsOf);
  auto pedigree = [](int i) {
    return jv::InBlock(jv::um::kPedigreeStart, jv::um::kPedigreeStride, i, jv::um::kPedigreeNo);
  };
  auto prizeSum = [](int i) {
    return jv::InBlock(jv::um::kPrizeSumStart, jv::um::kPrizeSumStride, i, jv::um::kPrizeSum);
  };
  struct TCase {
    const std::string* record;
    TField field;
    long long number;
    const char* name;
  } cases[] = {
      {&um, jv::kDataKind, 1, "UM data kind"},
      {&um, jv::kCreated, kAsOf, "UM created"},
      {&um, jv::um::kHorseID, 2019100001, "UM horse"},
      {&um, jv::um::kDeleteFlag, 0, "UM in training"},
      {&um, jv::um::kBirthDate, 20190415, "UM birth"},
      {&um, pedigree(0), 10000001, "UM sire"},
      {&um, pedigree(1), 10000002, "UM dam"},
      {&um, pedigree(2), 10000003, "UM sire's sire"},
      {&um, pedigree(3), 10000004, "UM sire's dam"},
      {&um, pedigree(4), 0, "UM dam's sire unknown"},
      {&um, pedigree(5), 10000005, "UM dam's dam"},
      {&um, jv::um::kTrainerCode, 201, "UM trainer"},
      {&um, jv::um::kBreederCode, 300001, "UM breeder"},
      {&um, jv::um::kOwnerCode, 400001, "UM owner"},
      // Flat money: last year's win, this year's third and the local win;
      // not the race after the date.
      {&um, prizeSum(0), 13000, "UM flat prize"},
      {&um, prizeSum(1), 0, "UM jump prize"},
      {&um, prizeSum(2), 500, "UM flat added"},
      {&um, jv::um::kRaceCount, 4, "UM starts"},
      {&retired, jv::um::kDeleteFlag, 1, "UM retired"},
      {&retired, jv::um::kDeletedOn, 20240101, "UM deleted on"},
      {&sk, jv::kDataKind, 2, "SK data kind"},
      {&sk, jv::sk::kHorseID, 2019100001, "SK horse"},
      {&sk, jv::sk::kBreederCode, 300001, "SK breeder"},
      {&sk, jv::InBlock(jv::sk::kPedigreeStart, 8, 5, jv::sk::kPedigreeNo), 10000005,
       "SK dam's dam"},
      {&hn, jv::hn::kBreedingNo, 10000002, "HN number"},
      {&hn, jv::hn::kSex, 2, "HN sex"},
      {&hn, jv::hn::kDam, 10000005, "HN dam"},
      {&hn, jv::hn::kBirthYear, 2005, "HN birth year"},
      {&ks, jv::ks::kCode, 101, "KS code"},
      {&ks, jv::ks::kEastWest, 2, "KS affiliation"},
      {&ks, TField{jv::ks::kFirstFlatRide.offset, 8}, 20230610, "KS first flat ride"},
      {&ks, jv::ks::kFirstJumpRide, 0, "KS first jump ride after the date"},
      {&ch, jv::ch::kCode, 202, "CH code"},
      {&ch, jv::ch::kLicensedOn, 20100301, "CH licence"},
      {&ch, jv::ch::kEastWest, 2, "CH affiliation"},
      {&br, jv::br::kCode, 300001, "BR code"},
      {&bn, jv::bn::kCode, 400002, "BN code"},
      {&hc, jv::hc::kCentre, 1, "HC centre"},
      {&hc, jv::hc::kDate, 20240424, "HC date"},
      {&hc, jv::hc::kTime, 615, "HC time"},
      {&hc, jv::hc::kHorseID, 2019100002, "HC horse"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Read(*c.record, c.field), c.number) << c.name;

  EXPECT_EQ(Text(um, jv::um::kHorseName), SJ("ミズナラ"));
  EXPECT_EQ(Text(um, jv::InBlock(jv::um::kPedigreeStart, jv::um::kPedigreeStride, 3,
                                 jv::um::kAncestorName)),
            SJ("カシワ"));
  EXPECT_EQ(Text(um, jv::um::kTrainerName), SJ("調教一"));
  EXPECT_EQ(Text(um, jv::um::kOwnerName), SJ("楢山 一郎"));
  EXPECT_EQ(Text(um, jv::um::kArea), SJ("日高"));
  EXPECT_EQ(Text(ks, jv::ks::kName), SJ("武田 豊"));
  EXPECT_EQ(Text(ks, jv::ks::kShortName), SJ("武田豊"));
  EXPECT_EQ(Text(br, jv::br::kName2), SJ("ミズナラ牧場"));
  EXPECT_EQ(Text(br, jv::br::kAddress), SJ("日高町"));
  EXPECT_EQ(Text(bn, jv::bn::kName2), SJ("楢山 二郎"));
  EXPECT_EQ(Text(bn, jv::bn::kColours), SJ("赤"));
}

// The count set of `start` read back from a record.
std::vector<int> CountsAt(const std::string& record, int start) {
  std::vector<int> counts;
  for (int k = 0; k < 6; ++k) {
    counts.push_back(Read(record, jv::InBlock(start, 6, k, jv::person_summary::kCount)));
  }
  return counts;
}

TEST(SampleMasters, PersonSummariesCountTheRidesAsOfTheDate) {
  namespace ps = jv::person_summary;
  const TWorld w = TinyWorld();
  const TSummaries s(w, kAsOf);
  const std::string j1 = KsRecord(w.jockeys[0], s.Jockey(101), '1', kAsOf);
  const std::string j2 = KsRecord(w.jockeys[1], s.Jockey(102), '1', kAsOf);
  const std::string j3 = KsRecord(w.jockeys[2], s.Jockey(103), '1', kAsOf);
  const std::string t1 = ChRecord(w.trainers[0], s.Trainer(201), '1', kAsOf);
  auto ksBlock = [](int b) { return jv::ks::kSummaryStart + jv::ks::kSummaryStride * b; };
  auto chBlock = [](int b) { return jv::ch::kSummaryStart + jv::ch::kSummaryStride * b; };
  auto row = [](int r) { return ps::kDistanceRowsStart + ps::kDistanceRowStride * r; };
  // Racecourse rows: code 1-10 in order, turf then dirt, after the jump counts.
  auto venue = [](int code, int dirt) { return 116 + 72 * (code - 1) + 36 * dirt; };
  const std::vector<int> none{0, 0, 0, 0, 0, 0};
  const std::vector<int> won{1, 0, 0, 0, 0, 0};
  const std::vector<int> out{0, 0, 0, 0, 0, 1};

  struct TCase {
    const std::string* record;
    int at;
    std::vector<int> counts;
    const char* name;
  } cases[] = {
      // Jockey 101: last year a Tokyo turf 2400 m win; this year sixth on
      // Nakayama dirt 1800 m and a jump race not finished; the local win,
      // the race card and the race after the date do not count.
      {&j1, ksBlock(0) + ps::kFlatCountsStart, out, "J1 this year flat"},
      {&j1, ksBlock(0) + ps::kJumpCountsStart, out, "J1 this year jump"},
      {&j1, ksBlock(0) + row(4), out, "J1 this year dirt up to 2200"},
      {&j1, ksBlock(0) + row(2), none, "J1 this year turf over 2200"},
      {&j1, ksBlock(0) + venue(6, 1), out, "J1 this year Nakayama dirt"},
      {&j1, ksBlock(1) + ps::kFlatCountsStart, won, "J1 last year flat"},
      {&j1, ksBlock(1) + ps::kJumpCountsStart, none, "J1 last year jump"},
      {&j1, ksBlock(1) + row(2), won, "J1 last year turf over 2200"},
      {&j1, ksBlock(1) + venue(5, 0), won, "J1 last year Tokyo turf"},
      {&j1, ksBlock(2) + ps::kFlatCountsStart, {1, 0, 0, 0, 0, 1}, "J1 career flat"},
      {&j1, ksBlock(2) + ps::kJumpCountsStart, out, "J1 career jump"},
      {&j1, ksBlock(2) + row(2), won, "J1 career turf over 2200"},
      {&j1, ksBlock(2) + row(4), out, "J1 career dirt up to 2200"},
      // Jockey 102: second last year, third and a jump win this year.
      {&j2, ksBlock(0) + ps::kFlatCountsStart, {0, 0, 1, 0, 0, 0}, "J2 this year flat"},
      {&j2, ksBlock(0) + ps::kJumpCountsStart, won, "J2 this year jump"},
      {&j2, ksBlock(2) + ps::kFlatCountsStart, {0, 1, 1, 0, 0, 0}, "J2 career flat"},
      // Jockey 103: a third last year; this year's ride was scratched.
      {&j3, ksBlock(0) + ps::kFlatCountsStart, none, "J3 scratched ride"},
      {&j3, ksBlock(1) + ps::kFlatCountsStart, {0, 0, 1, 0, 0, 0}, "J3 last year"},
      // Trainer 201: horses 0 and 2.
      {&t1, chBlock(0) + ps::kFlatCountsStart, {0, 0, 1, 0, 0, 0}, "T1 this year flat"},
      {&t1, chBlock(0) + ps::kJumpCountsStart, out, "T1 this year jump"},
      {&t1, chBlock(1) + ps::kFlatCountsStart, {1, 0, 1, 0, 0, 0}, "T1 last year flat"},
  };
  for (const TCase& c : cases) EXPECT_EQ(CountsAt(*c.record, c.at), c.counts) << c.name;

  auto year = [](int start) { return TField{start + ps::kYear.offset, ps::kYear.length}; };
  auto money = [](int start, TField f) { return TField{start + f.offset, f.length}; };
  struct TNumber {
    const std::string* record;
    TField field;
    int expected;
    const char* name;
  } numbers[] = {
      {&j1, year(ksBlock(0)), 2024, "J1 this year"},
      {&j1, year(ksBlock(1)), 2023, "J1 last year"},
      {&j1, year(ksBlock(2)), 2024, "J1 career year"},
      {&j3, year(ksBlock(1)), 2023, "J3 last year"},
      {&j1, money(ksBlock(1), ps::kFlatPrize), 10000, "J1 last year prize"},
      {&j1, money(ksBlock(1), ps::kFlatAdded), 500, "J1 last year added"},
      {&j1, money(ksBlock(0), ps::kFlatPrize), 0, "J1 this year prize"},
      {&j2, money(ksBlock(0), ps::kFlatPrize), 1000, "J2 this year flat prize"},
      {&j2, money(ksBlock(0), ps::kJumpPrize), 3000, "J2 this year jump prize"},
      {&j2, money(ksBlock(2), ps::kFlatPrize), 5000, "J2 career flat prize"},
  };
  for (const TNumber& n : numbers) EXPECT_EQ(Read(*n.record, n.field), n.expected) << n.name;

  // Breeders and owners: flat only, this year then career.
  namespace fs = jv::flat_summary;
  const std::string br = BrRecord(w.breeders[0], s.Breeder(300001), '1', kAsOf);
  const std::string bn = BnRecord(w.owners[0], s.Owner(400001), '1', kAsOf);
  const int brCareer = jv::br::kSummaryStart + fs::kLength;
  EXPECT_EQ(CountsAt(br, jv::br::kSummaryStart + fs::kCountsStart),
            (std::vector<int>{0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(CountsAt(br, brCareer + fs::kCountsStart), (std::vector<int>{1, 1, 1, 0, 0, 1}));
  EXPECT_EQ(Read(br, TField{brCareer + fs::kFlatPrize.offset, 10}), 15000);
  EXPECT_EQ(Read(br, TField{brCareer + fs::kYear.offset, 4}), 2024);
  EXPECT_EQ(CountsAt(bn, jv::bn::kSummaryStart + fs::kLength + fs::kCountsStart),
            (std::vector<int>{1, 0, 2, 0, 0, 0}));
}

TEST(SampleMasters, CourseRecordsAndHillWorks) {
  const TWorld w = TinyWorld();
  // One record per racecourse, track and distance of the settled JRA races
  // with a winner up to the date; the local race, the race card and the
  // later race set none.
  const std::vector<std::string> records = CourseRecords(w, kAsOf, '1', kAsOf);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].substr(jv::rc::kRaceKey.offset, 16), "2023061005030211");
  EXPECT_EQ(Read(records[0], jv::rc::kRecordClass), kCourseRecord);
  EXPECT_EQ(Read(records[0], jv::rc::kDistance), 2400);
  EXPECT_EQ(Read(records[0], jv::rc::kTrack), 11);
  EXPECT_EQ(Read(records[0], jv::rc::kRaceKind), 13);
  EXPECT_EQ(records[0].substr(102, 4), "2255");  // 145.5 s
  EXPECT_EQ(Read(records[1], jv::rc::kTrack), 54);

  // Horse 0 runs twelve days later; no other horse races within two weeks.
  const std::vector<std::string> works = HillTrainingRecords(w, kAsOf, '1', kAsOf);
  ASSERT_EQ(works.size(), 1u);
  EXPECT_EQ(Read(works[0], jv::hc::kHorseID), 2019100001);
  EXPECT_EQ(Read(works[0], jv::hc::kCentre), kMiho);
}

// A race card of ten runners with win odds only, and a settled race of
// four with every market.
TRace OddsRace(int runners, bool withPairs) {
  std::vector<TRunner> list;
  for (int h = 1; h <= runners; ++h) list.push_back(Ride(-1, h, 0, 0, 0, 0));
  for (int h = 1; h <= runners; ++h) list[static_cast<std::size_t>(h - 1)].frame = (h + 1) / 2;
  TRace race = Race("2024052605020811", kTurf, 2400, 11, list, !withPairs);
  for (int h = 1; h <= runners; ++h) race.market.odds[0][h] = 15 + 20 * h;
  if (withPairs) {
    for (int a = 1; a <= runners; ++a) {
      for (int b = a + 1; b <= runners; ++b) race.market.odds[3][a * 100 + b] = 100 * (a + b);
    }
    race.market.odds[2][102] = 500;
  }
  return race;
}

TEST(SampleMasters, KolRecordCarriesTheRaceAndItsOdds) {
  namespace kol = jv::kol;
  const TRace race = OddsRace(4, true);
  const std::string record = KolRecord(race, 1530, 20240525);
  ASSERT_EQ(static_cast<int>(record.size()), kol::kLength);
  EXPECT_EQ(record.substr(1502), "\r\n");
  EXPECT_EQ(Read(record, kol::kVenueIndex), 4);  // Tokyo
  EXPECT_EQ(Read(record, kol::kMeeting), 2);
  EXPECT_EQ(Read(record, kol::kMeetingDay), 8);
  EXPECT_EQ(Read(record, kol::kRaceNo), 11);
  EXPECT_EQ(Read(record, kol::kYear), 2024);
  EXPECT_EQ(Read(record, kol::kMonth), 5);
  EXPECT_EQ(Read(record, kol::kDay), 26);
  EXPECT_EQ(Read(record, kol::kAnnounceTime), 1530);
  EXPECT_EQ(Read(record, kol::kRecordDate), 20240525);
  EXPECT_EQ(KolVenueIndex("08"), 0);
  EXPECT_EQ(KolVenueIndex("10"), 3);

  auto win = [&](int h) {
    return jv::InBlock(kol::kWinStart, kol::kWinStride, h - 1, kol::kWinOdds);
  };
  for (int h = 1; h <= 4; ++h) {
    const double market = 15 + 20 * h;
    EXPECT_NEAR(Read(record, win(h)), market, market * 0.15 + 1) << h;
  }
  EXPECT_EQ(record[static_cast<std::size_t>(win(5).offset)], '-');
  // Quinella pairs 1-2, 1-3 ... 1-18, 2-3 ...: 2-3 is the 18th.
  auto quinella = [&](int i) {
    return jv::InBlock(kol::kQuinellaStart, kol::kQuinellaStride, i, kol::kQuinellaOdds);
  };
  EXPECT_NEAR(Read(record, quinella(0)), 300, 46);
  EXPECT_NEAR(Read(record, quinella(17)), 500, 76);
  EXPECT_EQ(record[static_cast<std::size_t>(quinella(4).offset)], '-');  // 1-6: no horse 6
  // Frame pairs 1-1, 1-2 ...: only 1-2 was on sale.
  auto bracket = [&](int i) {
    return jv::InBlock(kol::kBracketStart, kol::kBracketStride, i, kol::kBracketOdds);
  };
  EXPECT_EQ(record[static_cast<std::size_t>(bracket(0).offset)], '-');
  EXPECT_NEAR(Read(record, bracket(1)), 500, 76);

  TRace overseas = race;
  overseas.venueCode = "K6";
  EXPECT_EQ(KolRecord(overseas, 1530, 20240525), "");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "line without CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// The odds × 10 at a column, read as the decimal number found there; 0 for
// "-".
int OddsAt(const std::string& line, int column) {
  if (line.size() <= static_cast<std::size_t>(column)) return -1;
  return static_cast<int>(
      std::lround(std::atof(line.substr(static_cast<std::size_t>(column), 7).c_str()) * 10));
}

TEST(SampleMasters, FkeibadoLogBlocksFollowTheColumns) {
  namespace fk = jv::fkeibado;
  const TRace card = OddsRace(10, false);
  TRace local = OddsRace(4, true);
  local.venue = 44;
  const std::string log = FkeibadoLog({&local, &card}, 945);
  const std::vector<std::string> lines = Lines(log);
  const TPredictedOdds odds = PredictOdds(card, "FKEIBADO", 945);

  ASSERT_FALSE(lines.empty());
  const std::string& header = lines[0];  // the local race is left out
  EXPECT_EQ(header.substr(0, 6), "==ODDS");
  EXPECT_EQ(Read(header, fk::kDate), 20240526);
  EXPECT_EQ(Read(header, fk::kVenue), 5);
  EXPECT_EQ(Read(header, fk::kMeeting), 2);
  EXPECT_EQ(Read(header, fk::kMeetingDay), 8);
  EXPECT_EQ(Read(header, fk::kRaceNo), 11);
  EXPECT_EQ(Read(header, fk::kHorseCount), 10);
  EXPECT_GT(Read(header, fk::kTimeFlag), 0);

  std::size_t at = fk::kLinesBeforeTime;
  EXPECT_EQ(Read(lines[at], fk::kTimeHour), 9);
  EXPECT_EQ(Read(lines[at], fk::kTimeMinute), 45);
  at += fk::kLinesBeforeWin + 1;
  for (int h = 1; h <= 10; ++h, ++at) {
    EXPECT_EQ(OddsAt(lines[at], fk::kWinOdds.offset), odds.win[static_cast<std::size_t>(h)]) << h;
  }
  at += fk::kLinesBeforeBracket;
  for (int j = 1; j <= 8; ++j, ++at) {
    for (int k = 1; k <= 8; ++k) {
      const int expected = odds.bracket[static_cast<std::size_t>(std::min(j, k))]
                                       [static_cast<std::size_t>(std::max(j, k))];
      EXPECT_EQ(OddsAt(lines[at], fk::kBracketStart + fk::kBracketStride * (k - 1)), expected)
          << j << "-" << k;
    }
  }
  EXPECT_GT(odds.bracket[1][5], 0);  // worked out from the win odds for a card of ten
  at += fk::kLinesBeforeQuinella;
  for (int table = 0; table < 2; ++table) {
    for (int l = 1; l <= 10; ++l, ++at) {
      for (int c = 0; c < fk::kQuinellaCount; ++c) {
        const int m = table * 9 + c + 1;
        const int expected = l == m || m > 10
                                 ? 0
                                 : odds.quinella[static_cast<std::size_t>(std::min(l, m))]
                                                [static_cast<std::size_t>(std::max(l, m))];
        EXPECT_EQ(OddsAt(lines[at], fk::kQuinellaStart + fk::kQuinellaStride * c), expected)
            << l << "-" << m;
      }
    }
    if (table == 0) at += fk::kLinesBeforeQuinella2;
  }
  EXPECT_EQ(at, lines.size());
  for (const std::string& line : lines) EXPECT_LT(line.size(), 120u);
}

TEST(SampleMasters, LzhArchiveHeadersCheckOut) {
  EXPECT_EQ(LzhCrc16("123456789"), 0xBB3D);  // the CRC-16/ARC check value

  const std::string kd2 = KolRecord(OddsRace(4, true), 1530, 20240525);
  const std::string archive = LzhArchive({{"kol_ods.kd2", kd2}, {"readme.txt", "abc"}}, 20240525);
  auto u8 = [&](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(archive[i]));
  };
  auto u16 = [&](std::size_t i) { return u8(i) | u8(i + 1) << 8; };
  auto u32 = [&](std::size_t i) { return u16(i) | u16(i + 2) << 16; };

  std::size_t at = 0;
  for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"kol_ods.kd2", kd2},
                                    std::pair<std::string, std::string>{"readme.txt", "abc"}}) {
    SCOPED_TRACE(name);
    const std::size_t size = u8(at);
    ASSERT_EQ(size, 22 + name.size());
    unsigned sum = 0;
    for (std::size_t i = at + 2; i < at + 2 + size; ++i) sum += u8(i);
    EXPECT_EQ(u8(at + 1), sum & 0xFF);
    EXPECT_EQ(archive.substr(at + 2, 5), "-lh0-");
    EXPECT_EQ(u32(at + 7), bytes.size());
    EXPECT_EQ(u32(at + 11), bytes.size());
    EXPECT_EQ(u32(at + 15) >> 16, (44u << 9) | (5u << 5) | 25u);  // 2024-05-25
    EXPECT_EQ(u8(at + 20), 0u);                                   // level 0
    ASSERT_EQ(u8(at + 21), name.size());
    EXPECT_EQ(archive.substr(at + 22, name.size()), name);
    EXPECT_EQ(u16(at + 22 + name.size()), LzhCrc16(bytes));
    at += 2 + size;
    EXPECT_EQ(archive.substr(at, bytes.size()), bytes);
    at += bytes.size();
  }
  ASSERT_EQ(archive.size(), at + 1);
  EXPECT_EQ(archive[at], '\0');
  EXPECT_THROW(LzhArchive({{std::string(234, 'x'), "a"}}), std::length_error);
}

}  // namespace
