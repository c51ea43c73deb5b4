// The race-keyed records of the sample feed, read back the way the
// program's readers take them: fixed offsets, ParseFixedField, squeezed
// text.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/fixed_field.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/sample_market.h"
#include "sample/sample_news_records.h"
#include "sample/sample_odds_records.h"
#include "sample/sample_race_records.h"

namespace {

using jv::TField;
using sample::TRace;
using sample::TRunner;
using sample::TWorld;

constexpr int kCreated = 20050530;
constexpr int kPoolNet = 10000;  // win votes of the runners that run

// The field's bytes.
std::string Bytes(const std::string& record, TField f) {
  return record.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length));
}
// The field as a reader shows it: blanks squeezed, in UTF-8.
std::string Shown(const std::string& record, TField f) {
  return SjisToUtf8(SqueezeBlanks(Bytes(record, f)));
}
int Read(const std::string& record, TField f) { return ParseFixedField(Bytes(record, f)); }
TField At(int start, int stride, int index, TField f) { return jv::InBlock(start, stride, index, f); }

sample::TPerson Person(int code, const std::string& name, const std::string& shortName) {
  sample::TPerson p;
  p.code = code;
  p.name = name;
  p.shortName = shortName;
  return p;
}

// Seven runners in frames 1, 2, 3, 3, 4, 5, 6: horse 4 scratched (取消),
// horse 6 excluded at the start (発走除外), the only horse of frame 5.
// Horse 3 wins from 1 and 2; horse 7 does not finish.
struct TFixture {
  TWorld world;
  TRace race;
  TRace card;  // the same race as an unsettled race card

  TFixture() {
    world.trainers.push_back(Person(1001, SJ("長谷川 浩大"), SJ("長谷川浩大")));
    world.jockeys.push_back(Person(501, SJ("武田 豊"), SJ("武田豊")));
    world.jockeys.push_back(Person(502, SJ("川田 将雅"), SJ("川田")));
    sample::TOwner owner;
    owner.code = 123456;
    owner.name = SJ("ミズナラ商事");
    world.owners.push_back(owner);
    for (int i = 0; i < 8; ++i) {
      sample::THorse h;
      h.id = 2002000001 + i;
      h.name = i == 2 ? SJ("ミズナラダイチ") : SJ("ミズナラワカバ");
      h.sex = i == 4 ? 2 : 1;
      h.trainerCode = 1001;
      world.horses.push_back(h);
    }
    // A name longer than its 36-byte field whose cut falls inside a
    // two-byte character.
    world.horses[0].name = "X" + SJ("アイウエオカキクケコサシスセソタチツ");

    race.date = 20050529;
    race.key = "2005052905021011";
    race.weekday = 2;
    race.specialNo = 101;
    race.mainTitle = SJ("東京優駿");
    race.parenTitle = SJ("日本ダービー");
    race.shortName6 = SJ("ダービー");
    race.division = 1;
    race.runningNo = 72;
    race.grade = 'A';
    race.ageCode = 12;
    race.symbol = "N14";
    race.weightType = 4;
    race.conditions = {0, 999, 0, 0, 999};
    race.distance = 2400;
    race.track = 11;
    race.courseDiv = "C ";
    race.prize = {20000, 8000, 5000, 3000, 2000, 0, 0};
    race.startTime = 1540;
    race.weather = 1;
    race.turfGoing = 1;
    race.dirtGoing = 2;
    race.registered = 7;
    race.starters = 5;
    race.finishers = 4;
    for (int i = 0; i < 12; ++i) race.laps[static_cast<std::size_t>(i)] = i == 0 ? 127 : 118;

    const int frames[7] = {1, 2, 3, 3, 4, 5, 6};
    for (int n = 1; n <= 7; ++n) {
      TRunner r;
      r.horse = n - 1;
      r.horseNo = n;
      r.frame = frames[n - 1];
      r.age = 3;
      r.jockeyCode = 501;
      r.trainerCode = 1001;
      r.ownerCode = 123456;
      r.carried = 570;
      r.blinker = n == 3 ? 1 : 0;
      r.bodyWeight = 480 + n;
      race.runners.push_back(r);
    }
    auto& rs = race.runners;
    rs[3].abnormality = 1;
    rs[3].bodyWeight = 0;
    rs[5].abnormality = 2;
    rs[6].abnormality = 4;
    struct {
      int index, arrival, time, timeDiff, last3F, last4F;
      const char* margin;
      int corner3;
    } results[] = {
        {2, 1, 1445, -3, 345, 0, "", 5},
        {0, 2, 1448, 3, 0, 480, "112", 2},
        {1, 3, 1450, 5, 351, 0, "K  ", 1},
        {4, 4, 1460, 15, 360, 0, "5  ", 3},
    };
    for (const auto& x : results) {
      TRunner& r = rs[static_cast<std::size_t>(x.index)];
      r.arrival = r.position = x.arrival;
      r.time = x.time;
      r.timeDiff = x.timeDiff;
      r.last3F = x.last3F;
      r.last4F = x.last4F;
      r.margin = x.margin;
      r.corners = {0, 0, x.corner3, x.corner3};
    }

    // Market: every type sold but ワイド; votes only on horses that run,
    // but 6 drew votes before it was excluded, refunded.
    sample::TMarket& m = race.market;
    m.sold = {true, true, true, true, false, true, true, true};
    m.placeCount = 2;
    m.pools[0].votes = {{1, 3000}, {2, 1500}, {3, 4000}, {5, 1000}, {6, 200}, {7, 500}};
    m.pools[0].total = kPoolNet + 200;
    m.pools[0].refunded = 200;
    m.pools[3].votes = {{102, 900}, {103, 2500}, {203, 1200}, {305, 400}, {507, 100}};
    m.pools[3].total = m.pools[3].refunded + 5100;
    for (int t : {0, 3}) {
      const sample::TPool& pool = m.pools[static_cast<std::size_t>(t)];
      for (const auto& [combination, votes] : pool.votes) {
        if (combination == 6) continue;
        m.odds[static_cast<std::size_t>(t)][combination] =
            sample::OddsFromVotes(t, votes, pool.total - pool.refunded, 2005);
      }
    }
    m.odds[1] = {{1, 12}, {3, 11}};
    m.oddsHigh[1] = {{1, 15}, {3, 13}};
    m.odds[2] = {{102, 123}, {103, 45}};
    m.odds[5] = {{301, 77}};
    m.odds[6] = {{10203, 88}};
    m.odds[7] = {{30102, 456}};
    m.intermediateWin[5281030] = {{1, 45}, {3, 28}};
    m.payouts[0] = {{3, 200}};
    m.payouts[1] = {{3, 110}, {1, 120}};
    m.payouts[2] = {{103, 450}};
    m.payouts[3] = {{103, 350}};
    m.payouts[5] = {{301, 770}};
    m.payouts[6] = {{10203, 880}};
    m.payouts[7] = {{30102, 4560}};
    for (TRunner& r : rs) r.odds = m.odds[0].count(r.horseNo) ? m.odds[0][r.horseNo] : 0;
    rs[2].popularity = 1;

    race.news.bodyWeights = {{1, 482}, {3, 486}};
    race.news.jockeyChanges.push_back({2, 560, 502, 1, 5281015});
    race.news.newStartTime = 1545;
    race.news.newDistance = 2300;

    card = race;
    card.settled = false;
  }

  const TRunner& Runner(int horseNo) const { return race.runners[static_cast<std::size_t>(horseNo - 1)]; }
};

struct TRecords {
  TFixture f;
  std::string ra = sample::RaRecord(f.race, '7', kCreated);
  std::string raCard = sample::RaRecord(f.card, '2', kCreated);
  std::string seWinner = sample::SeRecord(f.world, f.race, f.Runner(3), '7', kCreated);
  std::string seSecond = sample::SeRecord(f.world, f.race, f.Runner(1), '7', kCreated);
  std::string seScratched = sample::SeRecord(f.world, f.race, f.Runner(4), '7', kCreated);
  std::string seCard = sample::SeRecord(f.world, f.card, f.Runner(3), '2', kCreated);
  std::string seCardScratched = sample::SeRecord(f.world, f.card, f.Runner(4), '2', kCreated);
  std::string hr = sample::HrRecord(f.race, '2', kCreated);
  std::string tk = sample::TkRecord(f.world, f.race, {0, 1, 2, 3, 4, 5, 6, 7}, '1', kCreated);
  std::string ys = YsOf(f);
  std::string o1 = sample::OddsRecord(1, f.race, '4', 0, kCreated);
  std::string o1Mid = sample::OddsRecord(1, f.race, '1', 5281030, kCreated);
  std::string o2 = sample::OddsRecord(2, f.race, '4', 0, kCreated);
  std::string o3 = sample::OddsRecord(3, f.race, '4', 0, kCreated);
  std::string o4 = sample::OddsRecord(4, f.race, '4', 0, kCreated);
  std::string o5 = sample::OddsRecord(5, f.race, '4', 0, kCreated);
  std::string o6 = sample::OddsRecord(6, f.race, '4', 0, kCreated);
  std::string h1 = sample::H1Record(f.race, '4', kCreated);
  std::string h6 = sample::H6Record(f.race, '4', kCreated);
  std::string wh = sample::WhRecord(f.race, kCreated);
  std::string we = sample::WeRecord(f.race.key, 5290930, 3, 0, 2, 3, kCreated);
  std::string av = sample::AvRecord(f.race, 4, '1', kCreated);
  std::string jc = sample::JcRecord(f.world, f.race, f.race.news.jockeyChanges[0], kCreated);
  std::string tc = sample::TcRecord(f.race, kCreated);
  std::string cc = sample::CcRecord(f.race, kCreated);
  std::string dm = sample::DmRecord(f.race, '1', kCreated);

  static std::string YsOf(const TFixture& f) {
    sample::TRaceDay day;
    day.date = 20050529;
    day.venue = 5;
    day.meeting = 2;
    day.meetingDay = 10;
    day.weekday = 2;
    return sample::YsRecord(f.world, day, &f.race, '7', kCreated);
  }
};

const TRecords& Records() {
  static const TRecords records;
  return records;
}

TEST(SampleRecords, EveryRecordHasItsLengthHeadKeyAndLineEnd) {
  const TRecords& r = Records();
  struct {
    const char* id;
    const std::string& record;
    int length;
    char dataKind;
    int keyLength;
  } cases[] = {
      {"RA", r.ra, jv::ra::kLength, '7', 16},    {"RA", r.raCard, jv::ra::kLength, '2', 16},
      {"SE", r.seWinner, jv::se::kLength, '7', 16},
      {"SE", r.seScratched, jv::se::kLength, '7', 16},
      {"SE", r.seCard, jv::se::kLength, '2', 16}, {"HR", r.hr, jv::hr::kLength, '2', 16},
      {"TK", r.tk, jv::tk::kLength, '1', 16},    {"YS", r.ys, jv::ys::kLength, '7', 14},
      {"O1", r.o1, jv::o1::kLength, '4', 16},    {"O1", r.o1Mid, jv::o1::kLength, '1', 16},
      {"O2", r.o2, jv::o2::kLength, '4', 16},    {"O3", r.o3, jv::o3::kLength, '4', 16},
      {"O4", r.o4, jv::o4::kLength, '4', 16},    {"O5", r.o5, jv::o5::kLength, '4', 16},
      {"O6", r.o6, jv::o6::kLength, '4', 16},    {"H1", r.h1, jv::h1::kLength, '4', 16},
      {"H6", r.h6, jv::h6::kLength, '4', 16},    {"WH", r.wh, jv::wh::kLength, '1', 16},
      {"WE", r.we, jv::we::kLength, '1', 14},    {"AV", r.av, jv::av::kLength, '1', 16},
      {"JC", r.jc, jv::jc::kLength, '1', 16},    {"TC", r.tc, jv::tc::kLength, '1', 16},
      {"CC", r.cc, jv::cc::kLength, '1', 16},    {"DM", r.dm, jv::dm::kLength, '1', 16},
  };
  const std::string key = "2005052905021011";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const std::string& rec = c.record;
    ASSERT_EQ(static_cast<int>(rec.size()), c.length);
    EXPECT_EQ(rec.substr(rec.size() - 2), "\r\n");
    // No other line end or NUL that would split or cut the record.
    EXPECT_EQ(rec.substr(0, rec.size() - 2).find_first_of(std::string("\r\n\0", 3)), std::string::npos);
    EXPECT_EQ(Bytes(rec, jv::kRecordId), c.id);
    EXPECT_EQ(rec[2], c.dataKind);
    EXPECT_EQ(Read(rec, jv::kCreated), kCreated);
    EXPECT_EQ(rec.substr(11, static_cast<std::size_t>(c.keyLength)),
              key.substr(0, static_cast<std::size_t>(c.keyLength)));
  }
}

TEST(SampleRecords, FieldsReadBackAtTheirOffsets) {
  const TRecords& r = Records();
  namespace ra = jv::ra;
  namespace se = jv::se;
  namespace tk = jv::tk;
  namespace h1 = jv::h1;
  auto tkEntry = [](int i, TField f) { return At(tk::kEntryStart, tk::kEntryStride, i, f); };
  auto margin = At(se::kMarginStart, se::kMarginStride, 0, se::kMargin);
  struct {
    const char* what;
    const std::string& record;
    TField field;
    std::string shown;
  } cases[] = {
      {"RA weekday", r.ra, ra::kWeekday, "2"},
      {"RA special no", r.ra, ra::kSpecialNo, "0101"},
      {"RA main title", r.ra, ra::kMainTitle, "東京優駿"},
      {"RA subtitle", r.ra, ra::kSubtitle, ""},
      {"RA bracketed title", r.ra, ra::kParenTitle, "日本ダービー"},
      {"RA short name 6", r.ra, ra::kShortName6, "ダービー"},
      {"RA division", r.ra, ra::kDivision, "1"},
      {"RA running no", r.ra, ra::kRunningNo, "072"},
      {"RA grade", r.ra, ra::kGrade, "A"},
      {"RA age class", r.ra, ra::kAgeClass, "12"},
      {"RA symbol", r.ra, ra::kSymbol, "N14"},
      {"RA weight type", r.ra, ra::kWeightType, "4"},
      {"RA condition 1", r.ra, At(ra::kConditionStart, ra::kConditionStride, 0, ra::kCondition), "000"},
      {"RA condition 5", r.ra, At(ra::kConditionStart, ra::kConditionStride, 4, ra::kCondition), "999"},
      {"RA distance", r.ra, ra::kDistance, "2400"},
      {"RA track", r.ra, ra::kTrack, "11"},
      {"RA course division", r.ra, ra::kCourseDiv, "C"},
      {"RA 1st prize", r.ra, At(ra::kPrizeStart, ra::kPrizeStride, 0, ra::kPrize), "00020000"},
      {"RA post time", r.ra, ra::kStartTime, "1540"},
      {"RA registered", r.ra, ra::kRegistered, "07"},
      {"RA starters", r.ra, ra::kStarters, "05"},
      {"RA finishers", r.ra, ra::kFinishers, "04"},
      {"RA weather", r.ra, ra::kWeather, "1"},
      {"RA dirt going", r.ra, ra::kDirtGoing, "2"},
      {"RA first lap", r.ra, At(ra::kLapStart, ra::kLapStride, 0, ra::kLap), "127"},
      {"RA last lap", r.ra, At(ra::kLapStart, ra::kLapStride, 11, ra::kLap), "118"},
      {"RA lap after the finish", r.ra, At(ra::kLapStart, ra::kLapStride, 12, ra::kLap), ""},
      {"RA card weather", r.raCard, ra::kWeather, ""},
      {"RA card starters", r.raCard, ra::kStarters, ""},
      {"RA card first lap", r.raCard, At(ra::kLapStart, ra::kLapStride, 0, ra::kLap), ""},
      {"RA card distance", r.raCard, ra::kDistance, "2400"},

      {"SE frame", r.seWinner, se::kFrame, "3"},
      {"SE horse no", r.seWinner, se::kHorseNo, "03"},
      {"SE horse id", r.seWinner, se::kHorseID, "2002000003"},
      {"SE horse name", r.seWinner, se::kHorseName, "ミズナラダイチ"},
      {"SE sex", r.seWinner, se::kSex, "1"},
      {"SE age", r.seWinner, se::kAge, "03"},
      {"SE trainer code", r.seWinner, se::kTrainerCode, "01001"},
      {"SE trainer name cut to 8 bytes", r.seWinner, se::kTrainerName, "長谷川浩"},
      {"SE owner code", r.seWinner, se::kOwnerCode, "123456"},
      {"SE owner name", r.seWinner, se::kOwnerName, "ミズナラ商事"},
      {"SE carried", r.seWinner, se::kCarried, "570"},
      {"SE blinker", r.seWinner, se::kBlinker, "1"},
      {"SE jockey code", r.seWinner, se::kJockeyCode, "00501"},
      {"SE jockey name", r.seWinner, se::kJockeyName, "武田豊"},
      {"SE apprentice", r.seWinner, se::kApprentice, "0"},
      {"SE body weight", r.seWinner, se::kBodyWeight, "483"},
      {"SE abnormality", r.seWinner, se::kAbnormality, "0"},
      {"SE arrival", r.seWinner, se::kArrival, "01"},
      {"SE position", r.seWinner, se::kPosition, "01"},
      {"SE time MSST", r.seWinner, se::kTime, "2245"},
      {"SE winner's margin", r.seWinner, margin, ""},
      {"SE corner 1 not passed", r.seWinner, At(se::kCornerStart, se::kCornerStride, 0, se::kCorner), ""},
      {"SE corner 3", r.seWinner, At(se::kCornerStart, se::kCornerStride, 2, se::kCorner), "05"},
      {"SE odds", r.seWinner, se::kOdds, "0020"},
      {"SE popularity", r.seWinner, se::kPopularity, "01"},
      {"SE last 3F", r.seWinner, se::kLast3F, "345"},
      {"SE last 4F", r.seWinner, se::kLast4F, ""},
      {"SE winner's time difference", r.seWinner, se::kTimeDiff, "-003"},
      {"SE second's margin", r.seSecond, margin, "112"},
      {"SE second's last 4F", r.seSecond, se::kLast4F, "480"},
      {"SE second's last 3F", r.seSecond, se::kLast3F, ""},
      {"SE second's time difference", r.seSecond, se::kTimeDiff, "0003"},
      {"SE scratched frame", r.seScratched, se::kFrame, "3"},
      {"SE scratched horse no", r.seScratched, se::kHorseNo, "04"},
      {"SE scratched abnormality", r.seScratched, se::kAbnormality, "1"},
      {"SE scratched arrival", r.seScratched, se::kArrival, ""},
      {"SE scratched time", r.seScratched, se::kTime, ""},
      {"SE scratched odds", r.seScratched, se::kOdds, ""},
      {"SE card carried", r.seCard, se::kCarried, "570"},
      {"SE card abnormality", r.seCard, se::kAbnormality, "0"},
      {"SE card body weight", r.seCard, se::kBodyWeight, ""},
      {"SE card time", r.seCard, se::kTime, ""},
      {"SE card arrival", r.seCard, se::kArrival, ""},
      {"SE card odds", r.seCard, se::kOdds, ""},
      {"SE card time difference", r.seCard, se::kTimeDiff, ""},
      {"SE card scratched abnormality", r.seCardScratched, se::kAbnormality, "1"},

      {"TK age class", r.tk, tk::kAgeClass, "12"},
      {"TK grade", r.tk, tk::kGrade, "A"},
      {"TK main title", r.tk, tk::kMainTitle, "東京優駿"},
      {"TK distance", r.tk, tk::kDistance, "2400"},
      {"TK course division", r.tk, tk::kCourseDiv, "C"},
      {"TK registered", r.tk, tk::kRegistered, "008"},
      {"TK 1st order no", r.tk, tkEntry(0, tk::kEntryOrderNo), "001"},
      {"TK 3rd horse id", r.tk, tkEntry(2, tk::kEntryHorseID), "2002000003"},
      {"TK 3rd horse name", r.tk, tkEntry(2, tk::kEntryHorseName), "ミズナラダイチ"},
      {"TK 5th sex", r.tk, tkEntry(4, tk::kEntrySex), "2"},
      {"TK 3rd trainer", r.tk, tkEntry(2, tk::kEntryTrainerCode), "01001"},
      {"TK 3rd carried", r.tk, tkEntry(2, tk::kEntryCarried), "570"},
      {"TK carried of a horse not running", r.tk, tkEntry(7, tk::kEntryCarried), ""},
      {"TK slot after the last", r.tk, tkEntry(8, tk::kEntryOrderNo), ""},

      {"YS weekday", r.ys, jv::ys::kWeekday, "2"},
      {"YS special no", r.ys, jv::ys::kSpecialNo, "0101"},
      {"YS race name", r.ys, jv::ys::kRaceName, "東京優駿"},
      {"YS grade", r.ys, jv::ys::kGrade, "A"},
      {"YS distance", r.ys, jv::ys::kDistance, "2400"},

      {"HR bracket pair", r.hr, At(jv::hr::kPayBracketStart, jv::hr::kPayBracketStride, 0, jv::hr::kPayHorseNo), "13"},
      {"HR trio", r.hr, At(jv::hr::kPayTrioStart, jv::hr::kPayTrioStride, 0, jv::hr::kPayTriple), "010203"},

      {"O1 announce time", r.o1, jv::o1::kAnnounceTime, "00000000"},
      {"O1 sale flag win", r.o1, jv::o1::kSaleWin, "7"},
      {"O1 sale flag bracket", r.o1, jv::o1::kSaleBracket, "7"},
      {"O1 place count", r.o1, jv::o1::kPlaceCount, "2"},
      {"O1 scratched win odds", r.o1, At(jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, 3, jv::o1::kWinOdds), "----"},
      {"O1 excluded win odds", r.o1, At(jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, 5, jv::o1::kWinOdds), "****"},
      {"O1 place low", r.o1, At(jv::o1::kPlaceOddsStart, jv::o1::kPlaceOddsStride, 2, jv::o1::kPlaceOddsLow), "0011"},
      {"O1 place high", r.o1, At(jv::o1::kPlaceOddsStart, jv::o1::kPlaceOddsStride, 2, jv::o1::kPlaceOddsHigh), "0013"},
      {"O1 place without odds", r.o1, At(jv::o1::kPlaceOddsStart, jv::o1::kPlaceOddsStride, 1, jv::o1::kPlaceOddsLow), "0000"},
      {"O1 bracket 1-3", r.o1, At(jv::o1::kBracketOddsStart, jv::o1::kBracketOddsStride, 1, jv::o1::kBracketOdds), "00045"},
      {"O1 bracket pair 3-3", r.o1, At(jv::o1::kBracketOddsStart, jv::o1::kBracketOddsStride, 9, jv::o1::kBracketPair), "33"},
      {"O1 bracket 3-3 one horse left", r.o1, At(jv::o1::kBracketOddsStart, jv::o1::kBracketOddsStride, 9, jv::o1::kBracketOdds), "-----"},
      {"O1 bracket 1-5 frame gone", r.o1, At(jv::o1::kBracketOddsStart, jv::o1::kBracketOddsStride, 3, jv::o1::kBracketOdds), "*****"},
      {"O1 intermediate time", r.o1Mid, jv::o1::kAnnounceTime, "05281030"},
      {"O1 intermediate win odds", r.o1Mid, At(jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, 0, jv::o1::kWinOdds), "0045"},
      {"O3 not sold", r.o3, jv::o3::kSaleFlag, "0"},
      {"O3 no entries", r.o3, At(jv::o3::kEntryStart, jv::o3::kEntryStride, 0, jv::o3::kCombination), ""},
      {"O4 first pair", r.o4, At(jv::o4::kEntryStart, jv::o4::kEntryStride, 0, jv::o4::kCombination), "0102"},
      {"O6 first triple", r.o6, At(jv::o6::kEntryStart, jv::o6::kEntryStride, 0, jv::o6::kCombination), "010203"},

      {"H1 place count", r.h1, h1::kPlaceCount, "2"},
      {"H1 refund horse 1", r.h1, {h1::kRefundHorseStart + 0, 1}, "0"},
      {"H1 refund horse 4", r.h1, {h1::kRefundHorseStart + 3, 1}, "1"},
      {"H1 refund horse 6", r.h1, {h1::kRefundHorseStart + 5, 1}, "1"},
      {"H1 refund horse 8 (none)", r.h1, {h1::kRefundHorseStart + 7, 1}, ""},
      {"H1 refund frame 3", r.h1, {h1::kRefundFrameStart + 2, 1}, "0"},
      {"H1 refund frame 5", r.h1, {h1::kRefundFrameStart + 4, 1}, "1"},
      {"H1 refund same frame 3", r.h1, {h1::kRefundSameFrameStart + 2, 1}, "1"},
      {"H1 refund same frame 1", r.h1, {h1::kRefundSameFrameStart + 0, 1}, "0"},
      {"H1 win pool", r.h1, At(h1::kPoolStart, h1::kPoolStride, 0, h1::kPool), "00000010200"},
      {"H1 win refunded", r.h1, At(h1::kRefundPoolStart, h1::kPoolStride, 0, h1::kPool), "00000000200"},
      {"H1 win votes of 3", r.h1, At(h1::kWinVotesStart, h1::kWinVotesStride, 2, h1::kVoteNumberVotes), "00000004000"},
      {"H6 refund horse 6", r.h6, {jv::h6::kRefundHorseStart + 5, 1}, "1"},

      {"WH 2nd horse no", r.wh, At(jv::wh::kWeightStart, jv::wh::kWeightStride, 1, jv::wh::kWeightHorseNo), "03"},
      {"WH 2nd weight", r.wh, At(jv::wh::kWeightStart, jv::wh::kWeightStride, 1, jv::wh::kBodyWeight), "486"},
      {"WH unused block", r.wh, At(jv::wh::kWeightStart, jv::wh::kWeightStride, 2, jv::wh::kWeightHorseNo), ""},
      {"WE announce time", r.we, jv::we::kAnnounceTime, "05290930"},
      {"WE change kind", r.we, jv::we::kChangeKind, "3"},
      {"WE turf going", r.we, jv::we::kTurfGoing, "2"},
      {"WE dirt going", r.we, jv::we::kDirtGoing, "3"},
      {"AV horse no", r.av, jv::av::kHorseNo, "04"},
      {"JC announce time", r.jc, jv::jc::kAnnounceTime, "05281015"},
      {"JC horse no", r.jc, jv::jc::kHorseNo, "02"},
      {"JC carried", r.jc, jv::jc::kCarried, "560"},
      {"JC jockey code", r.jc, jv::jc::kJockeyCode, "00502"},
      {"JC jockey name", r.jc, jv::jc::kJockeyName, "川田 将雅"},
      {"JC apprentice", r.jc, jv::jc::kApprentice, "1"},
      {"TC hour", r.tc, jv::tc::kHour, "15"},
      {"TC minute", r.tc, jv::tc::kMinute, "45"},
      {"CC distance", r.cc, jv::cc::kDistance, "2300"},
      {"CC track kept", r.cc, jv::cc::kTrack, "11"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(c.record, c.field), c.shown) << c.what;
  }
}

TEST(SampleRecords, NameLongerThanItsFieldIsCutOnACharacterBoundary) {
  const TRecords& r = Records();
  // "X" and 18 two-byte characters: 37 bytes for a 36-byte field.
  std::string field = Bytes(r.seSecond, jv::se::kHorseName);
  const std::string& name = r.f.world.horses[0].name;
  EXPECT_EQ(field, name.substr(0, 35) + " ");
  EXPECT_EQ(SjisToUtf8(field), "Xアイウエオカキクケコサシスセソタチ ");
}

// The payout lists as the reader takes them: each up to its first entry
// whose number reads 0.
TEST(SampleRecords, PayoutListsEndAtTheFirstBlankEntry) {
  const TRecords& r = Records();
  namespace hr = jv::hr;
  struct {
    int start, stride, count;
    TField number, yen;
  } lists[8] = {
      {hr::kPayWinStart, hr::kPayWinStride, hr::kPayWinCount, hr::kPayHorseNo, hr::kPayHorseNoYen},
      {hr::kPayPlaceStart, hr::kPayPlaceStride, hr::kPayPlaceCount, hr::kPayHorseNo, hr::kPayHorseNoYen},
      {hr::kPayBracketStart, hr::kPayBracketStride, hr::kPayBracketCount, hr::kPayHorseNo, hr::kPayHorseNoYen},
      {hr::kPayQuinellaStart, hr::kPayQuinellaStride, hr::kPayQuinellaCount, hr::kPayPair, hr::kPayPairYen},
      {hr::kPayWideStart, hr::kPayWideStride, hr::kPayWideCount, hr::kPayPair, hr::kPayPairYen},
      {hr::kPayExactaStart, hr::kPayExactaStride, hr::kPayExactaCount, hr::kPayPair, hr::kPayPairYen},
      {hr::kPayTrioStart, hr::kPayTrioStride, hr::kPayTrioCount, hr::kPayTriple, hr::kPayTripleYen},
      {hr::kPayTrifectaStart, hr::kPayTrifectaStride, hr::kPayTrifectaCount, hr::kPayTriple, hr::kPayTripleYen},
  };
  for (std::size_t t = 0; t < 8; ++t) {
    SCOPED_TRACE(t);
    const auto& l = lists[t];
    std::vector<std::pair<int, int>> read;
    for (int i = 0; i < l.count; ++i) {
      int number = Read(r.hr, At(l.start, l.stride, i, l.number));
      if (number == 0) break;
      read.push_back({number, Read(r.hr, At(l.start, l.stride, i, l.yen))});
    }
    std::vector<std::pair<int, int>> expected;
    for (const sample::TPayout& p : r.f.race.market.payouts[t]) {
      int number = t == 2 ? p.combination / 100 * 10 + p.combination % 100 : p.combination;
      expected.push_back({number, p.yen});
    }
    EXPECT_EQ(read, expected);
  }
}

// Every list holds each combination of the runners once, ascending; a
// combination of running horses carries the market's value, one with a
// scratched or excluded horse (4, 6) a mark that reads as none.
TEST(SampleRecords, OddsAndVoteListsHoldEveryCombinationInOrder) {
  const TRecords& r = Records();
  const sample::TMarket& m = r.f.race.market;
  struct {
    const char* what;
    const std::string& record;
    int start, stride, count;
    TField combination, value;
    int pairs;  // horses in a combination: 1, 2 or 3
    int expected;
    const std::map<int, std::int64_t>* votes;
    const std::map<int, int>* odds;
  } lists[] = {
      {"O1 win", r.o1, jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, jv::o1::kWinOddsCount,
       jv::o1::kWinHorseNo, jv::o1::kWinOdds, 1, 7, nullptr, &m.odds[0]},
      {"O2", r.o2, jv::o2::kEntryStart, jv::o2::kEntryStride, jv::o2::kEntryCount,
       jv::o2::kCombination, jv::o2::kOdds, 2, 21, nullptr, &m.odds[3]},
      {"O4", r.o4, jv::o4::kEntryStart, jv::o4::kEntryStride, jv::o4::kEntryCount,
       jv::o4::kCombination, jv::o4::kOdds, 2, 42, nullptr, &m.odds[5]},
      {"O5", r.o5, jv::o5::kEntryStart, jv::o5::kEntryStride, jv::o5::kEntryCount,
       jv::o5::kCombination, jv::o5::kOdds, 3, 35, nullptr, &m.odds[6]},
      {"O6", r.o6, jv::o6::kEntryStart, jv::o6::kEntryStride, jv::o6::kEntryCount,
       jv::o6::kCombination, jv::o6::kOdds, 3, 210, nullptr, &m.odds[7]},
      {"H1 win", r.h1, jv::h1::kWinVotesStart, jv::h1::kWinVotesStride, jv::h1::kWinVotesCount,
       jv::h1::kVoteNumber, jv::h1::kVoteNumberVotes, 1, 7, &m.pools[0].votes, nullptr},
      {"H1 quinella", r.h1, jv::h1::kQuinellaVotesStart, jv::h1::kQuinellaVotesStride,
       jv::h1::kQuinellaVotesCount, jv::h1::kVotePair, jv::h1::kVotePairVotes, 2, 21,
       &m.pools[3].votes, nullptr},
      {"H6", r.h6, jv::h6::kVotesStart, jv::h6::kVotesStride, jv::h6::kVotesCount,
       jv::h6::kCombination, jv::h6::kVotes, 3, 210, &m.pools[7].votes, nullptr},
  };
  for (const auto& l : lists) {
    SCOPED_TRACE(l.what);
    int previous = 0, count = 0;
    for (int i = 0; i < l.count; ++i) {
      int combination = Read(l.record, At(l.start, l.stride, i, l.combination));
      if (combination == 0) break;
      ++count;
      EXPECT_GT(combination, previous);
      previous = combination;
      std::set<int> horses;
      for (int c = combination, k = 0; k < l.pairs; ++k, c /= 100) horses.insert(c % 100);
      ASSERT_EQ(static_cast<int>(horses.size()), l.pairs) << combination;
      std::string value = Bytes(l.record, At(l.start, l.stride, i, l.value));
      if (horses.count(4) || horses.count(6)) {
        EXPECT_EQ(Read(l.record, At(l.start, l.stride, i, l.value)), 0) << combination;
        EXPECT_EQ(value.find_first_not_of(horses.count(4) ? "-" : "*"), std::string::npos) << combination;
      } else if (l.odds) {
        auto it = l.odds->find(combination);
        EXPECT_EQ(std::stoi(value), it == l.odds->end() ? 0 : it->second) << combination;
      } else {
        auto it = l.votes->find(combination);
        EXPECT_EQ(std::stoll(value), it == l.votes->end() ? 0 : it->second) << combination;
      }
    }
    EXPECT_EQ(count, l.expected);
  }
}

// The program answers odds from the votes where it has no odds records; the
// two must agree, slot for slot.
TEST(SampleRecords, WinAndQuinellaOddsAgreeWithTheirVotes) {
  const TRecords& r = Records();
  namespace h1 = jv::h1;
  struct {
    int type;
    const std::string& odds;
    int oddsStart, oddsStride, oddsCount;
    TField oddsNumber, oddsValue;
    int votesStart, votesStride;
    TField votesNumber, votesValue;
  } types[] = {
      {0, r.o1, jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, jv::o1::kWinOddsCount,
       jv::o1::kWinHorseNo, jv::o1::kWinOdds, h1::kWinVotesStart, h1::kWinVotesStride,
       h1::kVoteNumber, h1::kVoteNumberVotes},
      {3, r.o2, jv::o2::kEntryStart, jv::o2::kEntryStride, jv::o2::kEntryCount,
       jv::o2::kCombination, jv::o2::kOdds, h1::kQuinellaVotesStart, h1::kQuinellaVotesStride,
       h1::kVotePair, h1::kVotePairVotes},
  };
  for (const auto& t : types) {
    SCOPED_TRACE(t.type);
    int pool = Read(r.h1, At(h1::kPoolStart, h1::kPoolStride, t.type, h1::kPool)) -
               Read(r.h1, At(h1::kRefundPoolStart, h1::kPoolStride, t.type, h1::kPool));
    int checked = 0;
    for (int i = 0; i < t.oddsCount; ++i) {
      int combination = Read(t.odds, At(t.oddsStart, t.oddsStride, i, t.oddsNumber));
      if (combination == 0) break;
      ASSERT_EQ(Read(r.h1, At(t.votesStart, t.votesStride, i, t.votesNumber)), combination);
      int votes = Read(r.h1, At(t.votesStart, t.votesStride, i, t.votesValue));
      int odds = Read(t.odds, At(t.oddsStart, t.oddsStride, i, t.oddsValue));
      EXPECT_EQ(odds, sample::OddsFromVotes(t.type, votes, pool, 2005)) << combination;
      checked += votes > 0;
    }
    EXPECT_GE(checked, 4);
  }
}

}  // namespace
