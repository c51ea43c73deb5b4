// Layouts of the fixed-length records the program stores and reads.
//
// JV-Data records are kept exactly as JV-Link delivers them: Shift-JIS text,
// fixed length, ending in CR LF (the CR LF is part of the length). Every
// number is fixed-width text read with ParseFixedField, so a blank field reads
// as 0 and a '-' anywhere makes it negative. This header names, for every kind
// the program reads or writes, its length and the fields the program uses;
// the program reads no other byte, so a writer of synthetic records fills
// these fields and leaves every other byte blank.
//
// Offset convention: offsets are 0-based from the first byte of the record
// (the record id is bytes 0-1, the race key bytes 11-26). Inside a repeated
// block, field offsets count from the start of the block; use InBlock() to
// turn them into record offsets. Lengths are in bytes (Shift-JIS bytes, so a
// full-width character takes two).
#pragma once

#include <initializer_list>

namespace jv {

// One field of a fixed-length record: `length` bytes from `offset`.
struct TField {
  int offset;
  int length;
  friend constexpr bool operator==(TField, TField) = default;
};

// One past the last byte of a field.
constexpr int End(TField f) { return f.offset + f.length; }

// Field `f` of block `index` (0-based) in a run of blocks that starts at
// `start` with `stride` bytes per block.
constexpr TField InBlock(int start, int stride, int index, TField f) {
  return {start + stride * index + f.offset, f.length};
}

// The bytes covered by a whole run of `count` blocks.
constexpr TField Span(int start, int stride, int count) { return {start, stride * count}; }

// Layout checks used by the static_asserts below and by the tests.
constexpr bool Within(TField f, int length) {
  return f.offset >= 0 && f.length > 0 && End(f) <= length;
}
constexpr bool Disjoint(TField a, TField b) { return End(a) <= b.offset || End(b) <= a.offset; }
constexpr bool AllWithin(int length, std::initializer_list<TField> fields) {
  for (TField f : fields) {
    if (!Within(f, length)) return false;
  }
  return true;
}
constexpr bool AllDisjoint(std::initializer_list<TField> fields) {
  for (const TField* a = fields.begin(); a != fields.end(); ++a) {
    for (const TField* b = a + 1; b != fields.end(); ++b) {
      if (!Disjoint(*a, *b)) return false;
    }
  }
  return true;
}
// Every field lies inside `length` bytes and no two share a byte.
constexpr bool IsLayout(int length, std::initializer_list<TField> fields) {
  return AllWithin(length, fields) && AllDisjoint(fields);
}

// ---------------------------------------------------------------------------
// Head shared by every JV-Data record.

// Length of the CR LF that ends every JV-Data record.
inline constexpr int kLineEndLength = 2;
// Record id, two letters: "RA", "SE", "O1", ...
inline constexpr TField kRecordId{0, 2};
// Data kind, one character read as a number ("A" reads 10): the stage of the
// data. On a race record "7" marks final results, "9" a cancelled race; the
// news records use it for their own codes.
inline constexpr TField kDataKind{2, 1};
// Creation date of the record, YYYYMMDD.
inline constexpr TField kCreated{3, 8};
// Race key YYYYMMDDJJKKNNRR of race-keyed records (TK, RA, SE, HR, H1, H6,
// O1-O6, WH, AV, JC, TC, CC, DM). Layout inside the key: race_key below.
inline constexpr TField kRaceKey{11, 16};
// Day key YYYYMMDDJJKKNN of day-keyed records (WE, YS): the race key without
// its race number.
inline constexpr TField kDayKey{11, 14};

// The fixed end of a record of `length` bytes: its CR LF.
constexpr TField LineEnd(int length) { return {length - kLineEndLength, kLineEndLength}; }

// Positions inside a race key (16 characters) or a day key (its first 14).
namespace race_key {
inline constexpr int kLength = 16;
inline constexpr int kDayLength = 14;
inline constexpr TField kYear{0, 4};        // year, 4 digits
inline constexpr TField kMonthDay{4, 4};    // month and day, MMDD
inline constexpr TField kVenue{8, 2};       // racecourse or country code ("05", "44", "A4")
inline constexpr TField kMeeting{10, 2};    // meeting of the year at that racecourse (回)
inline constexpr TField kMeetingDay{12, 2}; // day of the meeting (日)
inline constexpr TField kRaceNo{14, 2};     // race of the day (Ｒ)
inline constexpr TField kDate{0, 8};        // YYYYMMDD, read as a date number
inline constexpr TField kRaceCode{8, 8};    // JJKKNNRR, read as a race code
static_assert(IsLayout(kLength, {kYear, kMonthDay, kVenue, kMeeting, kMeetingDay, kRaceNo}));
static_assert(End(kRaceNo) == kLength && End(kMeetingDay) == kDayLength);
}  // namespace race_key

// Positions inside a stored bet combination: a pair is 4 characters, a triple
// 6, each horse number 2 characters, smaller numbers first for unordered bets
// and in finishing order for exacta and trifecta. A bracket-quinella pair
// written as 2 characters holds one digit per frame.
namespace combo {
inline constexpr TField kFirst{0, 2};
inline constexpr TField kSecond{2, 2};
inline constexpr TField kThird{4, 2};
inline constexpr TField kFrameFirst{0, 1};
inline constexpr TField kFrameSecond{1, 1};
}  // namespace combo

// ---------------------------------------------------------------------------
// TK: special-registration horses of a race (JV_TK_TOKUUMA), announced before
// the entries. Key: race key. The codes of the race fields are those
// described here and used by ra and ys as well.
namespace tk {
inline constexpr int kLength = 21657;
// Weekday code 1-8: 1 土, 2 日, 3 祝 (holiday), 4 月, 5 火, 6 水, 7 木, 8 金.
inline constexpr TField kWeekday{27, 1};
inline constexpr TField kSpecialNo{28, 4};      // special-race number, 0 for an ordinary race
inline constexpr TField kMainTitle{32, 60};     // race name, main title (full-width, blank padded)
inline constexpr TField kSubtitle{92, 60};      // race name, subtitle
inline constexpr TField kParenTitle{152, 60};   // race name, title shown in brackets
inline constexpr TField kShortName10{572, 20};  // short name, up to 10 full-width characters
inline constexpr TField kShortName6{592, 12};   // short name, up to 6 full-width characters
inline constexpr TField kShortName3{604, 6};    // short name, up to 3 full-width characters
// Which title the running number belongs to: 1 main title, 2 subtitle,
// 3 bracketed title.
inline constexpr TField kDivision{610, 1};
inline constexpr TField kRunningNo{611, 3};  // running number of the race (第N回)
// Grade letter: blank ordinary race; "A" G1, "B" G2, "C" G3, "D" stakes
// without grade (重賞), "E" other special race; "F" "G" "H" are the jump
// G1, G2, G3.
inline constexpr TField kGrade{614, 1};
// Age condition, 2 digits, code c: c mod 5 gives 1 two-year-olds, 2
// three-year-olds, 3 three and up, 4 four and up; c / 10 of 2 or more marks
// an Anglo-Arab race.
inline constexpr TField kAgeClass{615, 2};
// Race symbol, 3 characters. First: "A" 混合, "B" 父, "C" 市, "D" "G" "H" (抽),
// "E" "I" "J" [抽], "F" "K" "L" (市)(抽), "M" 九州産馬, "N" 国際, blank none.
// Second, sex condition: 1 牡, 2 牝, 3 牡・ｾﾝ, 4 牡・牝. Third, designation:
// 1 (指定), 2 若手騎手, 3 [指定], 4 (特指).
inline constexpr TField kSymbol{617, 3};
inline constexpr TField kWeightType{620, 1};  // 1 handicap, 2 allowance (別定), 3 by age, 4 set weights
// Class conditions by age group (2, 3, 4, 5 and up, youngest), 3 digits each:
// a money class in millions of yen ("005" 500万下, "016" 1600万下), "701"
// newcomers (新馬), "702" unraced (未出走), "703" maiden (未勝利), "999" open.
inline constexpr int kConditionStart = 621;
inline constexpr int kConditionStride = 3;
inline constexpr int kConditionCount = 5;
inline constexpr TField kCondition{0, 3};
inline constexpr TField kDistance{636, 4};  // distance in metres
// Track code, 2 digits: 10-22 turf (10 the straight course), 23-29 dirt
// (29 the straight course; 27 and 28 have no surface of their own in the
// program), 51-59 jump races.
inline constexpr TField kTrack{640, 2};
// Course division (rail position): a letter "A"-"E" and a digit "1", "2" or
// blank ("B1", "A ").
inline constexpr TField kCourseDiv{642, 2};
inline constexpr TField kRegistered{652, 3};  // number of horses registered
// Registered horses: 300 slots of 70 bytes; the first slot whose order
// number reads 0 ends the list.
inline constexpr int kEntryStart = 655;
inline constexpr int kEntryStride = 70;
inline constexpr int kEntryCount = 300;
inline constexpr TField kEntryOrderNo{0, 3};       // registration order 1-300; stands for the horse number
inline constexpr TField kEntryHorseID{3, 10};      // 10-digit registration number (birth year first)
inline constexpr TField kEntryHorseName{13, 36};   // horse name, full-width, blank padded
inline constexpr TField kEntryHorseMark{49, 2};    // horse mark code 0-41 ((抽), (父), (外), ...)
inline constexpr TField kEntrySex{51, 1};          // 1 牡 colt, 2 牝 filly, 3 ｾﾝ gelding
inline constexpr TField kEntryTrainerCode{53, 5};  // trainer code
inline constexpr TField kEntryTrainerName{58, 8};  // trainer short name, used when the code is blank
inline constexpr TField kEntryCarried{66, 3};      // weight carried, tenths of a kilogram ("570" 57.0 kg)

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kWeekday, kSpecialNo,
                                 kMainTitle, kSubtitle, kParenTitle, kShortName10, kShortName6,
                                 kShortName3, kDivision, kRunningNo, kGrade, kAgeClass, kSymbol,
                                 kWeightType,
                                 Span(kConditionStart, kConditionStride, kConditionCount),
                                 kDistance, kTrack, kCourseDiv, kRegistered,
                                 Span(kEntryStart, kEntryStride, kEntryCount), LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kEntryOrderNo, kEntryHorseID, kEntryHorseName,
                                      kEntryHorseMark, kEntrySex, kEntryTrainerCode,
                                      kEntryTrainerName, kEntryCarried}));
}  // namespace tk

// ---------------------------------------------------------------------------
// RA: race details (JV_RA_RACE). Key: race key; data kind "7" marks final
// results. Codes as described in tk.
namespace ra {
inline constexpr int kLength = 1272;
inline constexpr TField kWeekday{27, 1};        // weekday code 1-8
inline constexpr TField kSpecialNo{28, 4};      // special-race number, 0 for an ordinary race
inline constexpr TField kMainTitle{32, 60};     // race name, main title
inline constexpr TField kSubtitle{92, 60};      // race name, subtitle
inline constexpr TField kParenTitle{152, 60};   // race name, title shown in brackets
inline constexpr TField kShortName10{572, 20};  // short name, up to 10 full-width characters
inline constexpr TField kShortName6{592, 12};   // short name, up to 6 full-width characters
inline constexpr TField kShortName3{604, 6};    // short name, up to 3 full-width characters
inline constexpr TField kDivision{610, 1};      // title the running number belongs to: 1 main, 2 sub, 3 bracketed
inline constexpr TField kRunningNo{611, 3};     // running number of the race (第N回)
inline constexpr TField kGrade{614, 1};         // grade letter
inline constexpr TField kAgeClass{616, 2};      // age condition code
inline constexpr TField kSymbol{618, 3};        // race symbol code
inline constexpr TField kWeightType{621, 1};    // weight type 1-4
// Class conditions by age group (2, 3, 4, 5 and up, youngest), 3 digits each.
inline constexpr int kConditionStart = 622;
inline constexpr int kConditionStride = 3;
inline constexpr int kConditionCount = 5;
inline constexpr TField kCondition{0, 3};
inline constexpr TField kConditionName{637, 60};  // condition name, appended to the race name
inline constexpr TField kDistance{697, 4};        // distance in metres
inline constexpr TField kTrack{705, 2};           // track code
inline constexpr TField kCourseDiv{709, 2};       // course division (rail position)
// Prize money by place, 7 entries of 8 digits in hundreds of yen.
inline constexpr int kPrizeStart = 713;
inline constexpr int kPrizeStride = 8;
inline constexpr int kPrizeCount = 7;
inline constexpr TField kPrize{0, 8};
// Added money by place, 5 entries of 8 digits in hundreds of yen.
inline constexpr int kAddedPrizeStart = 809;
inline constexpr int kAddedPrizeStride = 8;
inline constexpr int kAddedPrizeCount = 5;
inline constexpr TField kAddedPrize{0, 8};
inline constexpr TField kStartTime{873, 4};   // post time HHMM
inline constexpr TField kRegistered{881, 2};  // horses entered
inline constexpr TField kStarters{883, 2};    // horses that started
inline constexpr TField kFinishers{885, 2};   // horses that finished
inline constexpr TField kWeather{887, 1};     // 1 晴, 2 曇, 3 雨, 4 小雨, 5 雪, 6 小雪
inline constexpr TField kTurfGoing{888, 1};   // turf going: 1 良, 2 稍重, 3 重, 4 不良
inline constexpr TField kDirtGoing{889, 1};   // dirt going, same codes
// Lap times of the 200 m sections, tenths of a second, 3 digits each ("123"
// 12.3 s). The first section takes the odd metres of the distance; sections
// past the finish are blank.
inline constexpr int kLapStart = 890;
inline constexpr int kLapStride = 3;
inline constexpr int kLapCount = 25;
inline constexpr TField kLap{0, 3};
inline constexpr TField kJumpMileTime{965, 4};  // mile time of a jump race, 4 digits kept as stored

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kWeekday, kSpecialNo,
                                 kMainTitle, kSubtitle, kParenTitle, kShortName10, kShortName6,
                                 kShortName3, kDivision, kRunningNo, kGrade, kAgeClass, kSymbol,
                                 kWeightType,
                                 Span(kConditionStart, kConditionStride, kConditionCount),
                                 kConditionName, kDistance, kTrack, kCourseDiv,
                                 Span(kPrizeStart, kPrizeStride, kPrizeCount),
                                 Span(kAddedPrizeStart, kAddedPrizeStride, kAddedPrizeCount),
                                 kStartTime, kRegistered, kStarters, kFinishers, kWeather,
                                 kTurfGoing, kDirtGoing, Span(kLapStart, kLapStride, kLapCount),
                                 kJumpMileTime, LineEnd(kLength)}));
}  // namespace ra

// ---------------------------------------------------------------------------
// SE: one runner of a race (JV_SE_RACE_UMA). Key: race key, then the
// registration number when above 0, else the horse number.
namespace se {
inline constexpr int kLength = 555;
inline constexpr TField kFrame{27, 1};        // frame number 1-8 (枠番)
inline constexpr TField kHorseNo{28, 2};      // horse number in the race (馬番)
inline constexpr TField kHorseID{30, 10};     // 10-digit registration number
inline constexpr TField kHorseName{40, 36};   // horse name, full-width, blank padded
inline constexpr TField kHorseMark{76, 2};    // horse mark code 0-41
inline constexpr TField kSex{78, 1};          // 1 牡 colt, 2 牝 filly, 3 ｾﾝ gelding
inline constexpr TField kAge{82, 2};          // age in years
inline constexpr TField kTrainerCode{85, 5};  // trainer code
inline constexpr TField kTrainerName{90, 8};  // trainer short name, used when the code is blank
inline constexpr TField kOwnerCode{98, 6};    // owner code
inline constexpr TField kOwnerName{104, 64};  // owner name, used when the code is blank
inline constexpr TField kCarried{288, 3};     // weight carried, tenths of a kilogram
inline constexpr TField kBlinker{294, 1};     // 1 when the horse wears blinkers
inline constexpr TField kJockeyCode{296, 5};  // jockey code
inline constexpr TField kJockeyName{306, 8};  // jockey short name, used when the code is blank
inline constexpr TField kApprentice{322, 1};  // apprentice allowance mark 0-3 (☆ △ ▲)
inline constexpr TField kBodyWeight{324, 3};  // body weight in kilograms
// Abnormality: "1" 取消 scratched, "2" 発走除外, "3" 競走除外, "4" 中止 did not
// finish, "5" 失格 disqualified, "6" 再騎乗 remounted, "7" 降着 demoted;
// anything else normal.
inline constexpr TField kAbnormality{331, 1};
inline constexpr TField kArrival{332, 2};     // order past the post
inline constexpr TField kPosition{334, 2};    // confirmed finishing position
inline constexpr TField kTime{338, 4};        // race time m:ss.s as 4 digits MSST ("1345" 1:34.5)
// Margin codes, 3 characters each: to the horse in front, then two earlier
// columns. First character "A" head (頭), "D" dead heat, "H" nose (ハナ), "K" neck, "T"
// distance, "Z" ten lengths and more, or the whole lengths as a digit; last
// two "12" half, "14" quarter, "34" three quarters ("112" 1 1/2 lengths).
inline constexpr int kMarginStart = 342;
inline constexpr int kMarginStride = 3;
inline constexpr int kMarginCount = 3;
inline constexpr TField kMargin{0, 3};
// Positions at the 1st to 4th corners, 2 digits each; 0 or blank when not
// passed.
inline constexpr int kCornerStart = 351;
inline constexpr int kCornerStride = 2;
inline constexpr int kCornerCount = 4;
inline constexpr TField kCorner{0, 2};
inline constexpr TField kOdds{359, 4};        // win odds × 10 ("0034" 3.4)
inline constexpr TField kPopularity{363, 2};  // popularity rank in the win pool
inline constexpr TField kLast4F{387, 3};      // last 800 m, tenths of a second; used when kLast3F has none
inline constexpr TField kLast3F{390, 3};      // last 600 m, tenths of a second; a value of 1-998 counts
inline constexpr TField kTimeDiff{531, 4};    // time difference, tenths of a second; a '-' makes it negative
inline constexpr TField kRecordFlag{535, 1};  // record-update flag

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kFrame, kHorseNo,
                                 kHorseID, kHorseName, kHorseMark, kSex, kAge, kTrainerCode,
                                 kTrainerName, kOwnerCode, kOwnerName, kCarried, kBlinker,
                                 kJockeyCode, kJockeyName, kApprentice, kBodyWeight, kAbnormality,
                                 kArrival, kPosition, kTime,
                                 Span(kMarginStart, kMarginStride, kMarginCount),
                                 Span(kCornerStart, kCornerStride, kCornerCount), kOdds,
                                 kPopularity, kLast4F, kLast3F, kTimeDiff, kRecordFlag,
                                 LineEnd(kLength)}));
}  // namespace se

// ---------------------------------------------------------------------------
// HR: payouts of a race (JV_HR_PAY). Key: race key. Eight lists of payout
// entries in bet-type order; each list ends at its first entry whose number
// or combination reads 0. Payouts are 9 digits, yen per 100-yen ticket.
namespace hr {
inline constexpr int kLength = 719;
// 単勝 (win): 3 entries of 13 bytes.
inline constexpr int kPayWinStart = 102;
inline constexpr int kPayWinStride = 13;
inline constexpr int kPayWinCount = 3;
// 複勝 (place): 5 entries of 13 bytes.
inline constexpr int kPayPlaceStart = 141;
inline constexpr int kPayPlaceStride = 13;
inline constexpr int kPayPlaceCount = 5;
// 枠連 (bracket quinella): 3 entries of 13 bytes; the number is the frame
// pair.
inline constexpr int kPayBracketStart = 206;
inline constexpr int kPayBracketStride = 13;
inline constexpr int kPayBracketCount = 3;
// Inside a 13-byte entry: the horse number (the frame pair for 枠連) and
// its payout.
inline constexpr TField kPayHorseNo{0, 2};
inline constexpr TField kPayHorseNoYen{2, 9};
// 馬連 (quinella): 3 entries of 16 bytes.
inline constexpr int kPayQuinellaStart = 245;
inline constexpr int kPayQuinellaStride = 16;
inline constexpr int kPayQuinellaCount = 3;
// ワイド (quinella place): 7 entries of 16 bytes.
inline constexpr int kPayWideStart = 293;
inline constexpr int kPayWideStride = 16;
inline constexpr int kPayWideCount = 7;
// 馬単 (exacta): 6 entries of 16 bytes.
inline constexpr int kPayExactaStart = 453;
inline constexpr int kPayExactaStride = 16;
inline constexpr int kPayExactaCount = 6;
// Inside a 16-byte entry: the horse pair (combo layout) and its payout.
inline constexpr TField kPayPair{0, 4};
inline constexpr TField kPayPairYen{4, 9};
// ３連複 (trio): 3 entries of 18 bytes.
inline constexpr int kPayTrioStart = 549;
inline constexpr int kPayTrioStride = 18;
inline constexpr int kPayTrioCount = 3;
// ３連単 (trifecta): 6 entries of 19 bytes.
inline constexpr int kPayTrifectaStart = 603;
inline constexpr int kPayTrifectaStride = 19;
inline constexpr int kPayTrifectaCount = 6;
// Inside an 18- or 19-byte entry: the three horses (combo layout) and their
// payout.
inline constexpr TField kPayTriple{0, 6};
inline constexpr TField kPayTripleYen{6, 9};

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey,
                                 Span(kPayWinStart, kPayWinStride, kPayWinCount),
                                 Span(kPayPlaceStart, kPayPlaceStride, kPayPlaceCount),
                                 Span(kPayBracketStart, kPayBracketStride, kPayBracketCount),
                                 Span(kPayQuinellaStart, kPayQuinellaStride, kPayQuinellaCount),
                                 Span(kPayWideStart, kPayWideStride, kPayWideCount),
                                 Span(kPayExactaStart, kPayExactaStride, kPayExactaCount),
                                 Span(kPayTrioStart, kPayTrioStride, kPayTrioCount),
                                 Span(kPayTrifectaStart, kPayTrifectaStride, kPayTrifectaCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kPayWinStride, {kPayHorseNo, kPayHorseNoYen}));
static_assert(IsLayout(kPayQuinellaStride, {kPayPair, kPayPairYen}));
static_assert(IsLayout(kPayTrioStride, {kPayTriple, kPayTripleYen}));
}  // namespace hr

// ---------------------------------------------------------------------------
// Odds records O1-O6. Key: race key. Of two records of one key with the same
// creation date, the higher data kind, then the later announcement time, is
// newer. Odds are × 10 ("0034" 3.4); a sale flag is one digit per bet type.

// O1: win, place and bracket-quinella odds (JV_O1_ODDS_TANFUKUWAKU).
namespace o1 {
inline constexpr int kLength = 962;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleWin{39, 1};       // sale flag of 単勝
inline constexpr TField kSalePlace{40, 1};     // sale flag of 複勝
inline constexpr TField kSaleBracket{41, 1};   // sale flag of 枠連
inline constexpr TField kPlaceCount{42, 1};    // places paid for 複勝: 2 or 3
// 単勝: 28 entries of 8 bytes.
inline constexpr int kWinOddsStart = 43;
inline constexpr int kWinOddsStride = 8;
inline constexpr int kWinOddsCount = 28;
inline constexpr TField kWinHorseNo{0, 2};
inline constexpr TField kWinOdds{2, 4};
// 複勝: 28 entries of 12 bytes, with the lowest and highest odds.
inline constexpr int kPlaceOddsStart = 267;
inline constexpr int kPlaceOddsStride = 12;
inline constexpr int kPlaceOddsCount = 28;
inline constexpr TField kPlaceHorseNo{0, 2};
inline constexpr TField kPlaceOddsLow{2, 4};
inline constexpr TField kPlaceOddsHigh{6, 4};
// 枠連: 36 entries of 9 bytes; the pair is one digit per frame ("18").
inline constexpr int kBracketOddsStart = 603;
inline constexpr int kBracketOddsStride = 9;
inline constexpr int kBracketOddsCount = 36;
inline constexpr TField kBracketPair{0, 2};
inline constexpr TField kBracketOdds{2, 5};

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleWin, kSalePlace, kSaleBracket, kPlaceCount,
                                 Span(kWinOddsStart, kWinOddsStride, kWinOddsCount),
                                 Span(kPlaceOddsStart, kPlaceOddsStride, kPlaceOddsCount),
                                 Span(kBracketOddsStart, kBracketOddsStride, kBracketOddsCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kWinOddsStride, {kWinHorseNo, kWinOdds}));
static_assert(IsLayout(kPlaceOddsStride, {kPlaceHorseNo, kPlaceOddsLow, kPlaceOddsHigh}));
static_assert(IsLayout(kBracketOddsStride, {kBracketPair, kBracketOdds}));
}  // namespace o1

// O2: quinella odds (JV_O2_ODDS_UMAREN), 153 horse pairs.
namespace o2 {
inline constexpr int kLength = 2042;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleFlag{39, 1};      // sale flag of 馬連
inline constexpr int kEntryStart = 40;
inline constexpr int kEntryStride = 13;
inline constexpr int kEntryCount = 153;
inline constexpr TField kCombination{0, 4};  // horse pair, smaller number first
inline constexpr TField kOdds{4, 6};         // odds × 10
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleFlag, Span(kEntryStart, kEntryStride, kEntryCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kCombination, kOdds}));
}  // namespace o2

// O3: quinella-place odds (JV_O3_ODDS_WIDE), 153 horse pairs, each with an
// odds range.
namespace o3 {
inline constexpr int kLength = 2654;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleFlag{39, 1};      // sale flag of ワイド
inline constexpr int kEntryStart = 40;
inline constexpr int kEntryStride = 17;
inline constexpr int kEntryCount = 153;
inline constexpr TField kCombination{0, 4};  // horse pair, smaller number first
inline constexpr TField kOddsLow{4, 5};      // lowest odds × 10
inline constexpr TField kOddsHigh{9, 5};     // highest odds × 10
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleFlag, Span(kEntryStart, kEntryStride, kEntryCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kCombination, kOddsLow, kOddsHigh}));
}  // namespace o3

// O4: exacta odds (JV_O4_ODDS_UMATAN), 306 ordered horse pairs.
namespace o4 {
inline constexpr int kLength = 4031;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleFlag{39, 1};      // sale flag of 馬単
inline constexpr int kEntryStart = 40;
inline constexpr int kEntryStride = 13;
inline constexpr int kEntryCount = 306;
inline constexpr TField kCombination{0, 4};  // first, then second
inline constexpr TField kOdds{4, 6};         // odds × 10
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleFlag, Span(kEntryStart, kEntryStride, kEntryCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kCombination, kOdds}));
}  // namespace o4

// O5: trio odds (JV_O5_ODDS_SANREN), 816 horse triples.
namespace o5 {
inline constexpr int kLength = 12293;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleFlag{39, 1};      // sale flag of ３連複
inline constexpr int kEntryStart = 40;
inline constexpr int kEntryStride = 15;
inline constexpr int kEntryCount = 816;
inline constexpr TField kCombination{0, 6};  // three horses, ascending
inline constexpr TField kOdds{6, 6};         // odds × 10
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleFlag, Span(kEntryStart, kEntryStride, kEntryCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kCombination, kOdds}));
}  // namespace o5

// O6: trifecta odds (JV_O6_ODDS_SANRENTAN), 4896 ordered horse triples.
namespace o6 {
inline constexpr int kLength = 83285;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kSaleFlag{39, 1};      // sale flag of ３連単
inline constexpr int kEntryStart = 40;
inline constexpr int kEntryStride = 17;
inline constexpr int kEntryCount = 4896;
inline constexpr TField kCombination{0, 6};  // first, second, third
inline constexpr TField kOdds{6, 7};         // odds × 10
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kSaleFlag, Span(kEntryStart, kEntryStride, kEntryCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kEntryStride, {kCombination, kOdds}));
}  // namespace o6

// ---------------------------------------------------------------------------
// H1: vote counts of every bet type but trifecta (JV_H1_HYOSU_ZENKAKE).
// Key: race key. Votes are 11 digits; entries that involve a refunded horse
// or frame are not used.
namespace h1 {
inline constexpr int kLength = 28955;
inline constexpr TField kPlaceCount{38, 1};  // places paid for 複勝: 2 or 3
// Refund flags, one character each, "1" when refunded: horses 1-28 (horse n
// at 38 + n), frames 1-8 (frame f at 66 + f), and the same-frame pairs 1-1
// to 8-8 of 枠連 (frame f at 74 + f).
inline constexpr int kRefundHorseStart = 39;
inline constexpr int kRefundHorseCount = 28;
inline constexpr int kRefundFrameStart = 67;
inline constexpr int kRefundFrameCount = 8;
inline constexpr int kRefundSameFrameStart = 75;
inline constexpr int kRefundSameFrameCount = 8;
inline constexpr int kRefundStride = 1;
inline constexpr TField kRefundFlag{0, 1};
// 単勝 and 複勝 votes: 28 entries of 15 bytes each.
inline constexpr int kWinVotesStart = 83;
inline constexpr int kWinVotesStride = 15;
inline constexpr int kWinVotesCount = 28;
inline constexpr int kPlaceVotesStart = 503;
inline constexpr int kPlaceVotesStride = 15;
inline constexpr int kPlaceVotesCount = 28;
// 枠連 votes: 36 entries of 15 bytes; the pair is one digit per frame.
inline constexpr int kBracketVotesStart = 923;
inline constexpr int kBracketVotesStride = 15;
inline constexpr int kBracketVotesCount = 36;
// Inside a 15-byte entry: horse number (frame pair for 枠連) and votes.
inline constexpr TField kVoteNumber{0, 2};
inline constexpr TField kVoteNumberVotes{2, 11};
// 馬連, ワイド and 馬単 votes: entries of 18 bytes.
inline constexpr int kQuinellaVotesStart = 1463;
inline constexpr int kQuinellaVotesStride = 18;
inline constexpr int kQuinellaVotesCount = 153;
inline constexpr int kWideVotesStart = 4217;
inline constexpr int kWideVotesStride = 18;
inline constexpr int kWideVotesCount = 153;
inline constexpr int kExactaVotesStart = 6971;
inline constexpr int kExactaVotesStride = 18;
inline constexpr int kExactaVotesCount = 306;
// Inside an 18-byte entry: horse pair (combo layout) and votes.
inline constexpr TField kVotePair{0, 4};
inline constexpr TField kVotePairVotes{4, 11};
// ３連複 votes: 816 entries of 20 bytes.
inline constexpr int kTrioVotesStart = 12479;
inline constexpr int kTrioVotesStride = 20;
inline constexpr int kTrioVotesCount = 816;
// Inside a 20-byte entry: three horses (combo layout) and votes.
inline constexpr TField kVoteTriple{0, 6};
inline constexpr TField kVoteTripleVotes{6, 11};
// Pools of bet types 0-6 (単勝 ... ３連複), 11 digits each: total votes,
// then refunded votes. The pool used is total minus refunded.
inline constexpr int kPoolStart = 28799;
inline constexpr int kRefundPoolStart = 28876;
inline constexpr int kPoolStride = 11;
inline constexpr int kPoolCount = 7;
inline constexpr TField kPool{0, 11};

static_assert(IsLayout(
    kLength,
    {kRecordId, kDataKind, kCreated, kRaceKey, kPlaceCount,
     Span(kRefundHorseStart, kRefundStride, kRefundHorseCount),
     Span(kRefundFrameStart, kRefundStride, kRefundFrameCount),
     Span(kRefundSameFrameStart, kRefundStride, kRefundSameFrameCount),
     Span(kWinVotesStart, kWinVotesStride, kWinVotesCount),
     Span(kPlaceVotesStart, kPlaceVotesStride, kPlaceVotesCount),
     Span(kBracketVotesStart, kBracketVotesStride, kBracketVotesCount),
     Span(kQuinellaVotesStart, kQuinellaVotesStride, kQuinellaVotesCount),
     Span(kWideVotesStart, kWideVotesStride, kWideVotesCount),
     Span(kExactaVotesStart, kExactaVotesStride, kExactaVotesCount),
     Span(kTrioVotesStart, kTrioVotesStride, kTrioVotesCount),
     Span(kPoolStart, kPoolStride, kPoolCount), Span(kRefundPoolStart, kPoolStride, kPoolCount),
     LineEnd(kLength)}));
static_assert(IsLayout(kWinVotesStride, {kVoteNumber, kVoteNumberVotes}));
static_assert(IsLayout(kQuinellaVotesStride, {kVotePair, kVotePairVotes}));
static_assert(IsLayout(kTrioVotesStride, {kVoteTriple, kVoteTripleVotes}));
}  // namespace h1

// H6: trifecta vote counts (JV_H6_HYOSU_SANRENTAN). Key: race key.
namespace h6 {
inline constexpr int kLength = 102890;
// Refund flags of horses 1-18 (horse n at 31 + n), "1" when refunded.
inline constexpr int kRefundHorseStart = 32;
inline constexpr int kRefundHorseCount = 18;
inline constexpr int kRefundStride = 1;
inline constexpr TField kRefundFlag{0, 1};
// ３連単 votes: 4896 entries of 21 bytes.
inline constexpr int kVotesStart = 50;
inline constexpr int kVotesStride = 21;
inline constexpr int kVotesCount = 4896;
inline constexpr TField kCombination{0, 6};  // first, second, third
inline constexpr TField kVotes{6, 11};       // votes, 11 digits
inline constexpr TField kPool{102866, 11};        // total votes of ３連単
inline constexpr TField kRefundPool{102877, 11};  // refunded votes of ３連単

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey,
                                 Span(kRefundHorseStart, kRefundStride, kRefundHorseCount),
                                 Span(kVotesStart, kVotesStride, kVotesCount), kPool, kRefundPool,
                                 LineEnd(kLength)}));
static_assert(IsLayout(kVotesStride, {kCombination, kVotes}));
}  // namespace h6

// ---------------------------------------------------------------------------
// UM: racehorse master (JV_UM_UMA). Key: registration number; one file per
// birth year.
namespace um {
inline constexpr int kLength = 1577;
inline constexpr TField kHorseID{11, 10};      // 10-digit registration number, birth year first
inline constexpr TField kDeleteFlag{21, 1};    // 1 when the registration is deleted
inline constexpr TField kRegisteredOn{22, 8};  // registration date YYYYMMDD
inline constexpr TField kDeletedOn{30, 8};     // deletion date YYYYMMDD
inline constexpr TField kBirthDate{38, 8};     // birth date YYYYMMDD
inline constexpr TField kBirthYear{38, 4};     // year of the birth date: the file number
inline constexpr TField kHorseName{46, 36};    // horse name, full-width
inline constexpr TField kKanaName{82, 36};     // name in half-width kana
inline constexpr TField kLatinName{118, 60};   // name in Latin letters
inline constexpr TField kHorseMark{198, 2};    // horse mark code 0-41
inline constexpr TField kSex{200, 1};          // 1 牡 colt, 2 牝 filly, 3 ｾﾝ gelding
inline constexpr TField kBreed{201, 1};        // breed code 0-7
inline constexpr TField kCoat{202, 2};         // coat colour code 0-11
// Three generations of ancestors, 14 blocks of 44 bytes: sire, dam, then
// the grandparents and the great-grandparents.
inline constexpr int kPedigreeStart = 204;
inline constexpr int kPedigreeStride = 44;
inline constexpr int kPedigreeCount = 14;
inline constexpr TField kPedigreeNo{0, 8};      // 8-digit breeding number of the ancestor
inline constexpr TField kAncestorName{8, 36};   // name of the ancestor
inline constexpr TField kTrainerCode{821, 5};   // trainer code
inline constexpr TField kTrainerName{826, 8};   // trainer short name, used when the code is blank
inline constexpr TField kInvitedFrom{834, 20};  // region an invited horse comes from
inline constexpr TField kBreederCode{854, 6};   // breeder code
inline constexpr TField kBreederName{860, 70};  // breeder name
inline constexpr TField kArea{930, 20};         // producing area
inline constexpr TField kOwnerCode{950, 6};     // owner code
inline constexpr TField kOwnerName{956, 64};    // owner name, used when the code is blank
// Career money, 6 entries of 9 digits in hundreds of yen: flat main prize,
// jump main prize, flat added, jump added, flat earned, jump earned.
inline constexpr int kPrizeSumStart = 1020;
inline constexpr int kPrizeSumStride = 9;
inline constexpr int kPrizeSumCount = 6;
inline constexpr TField kPrizeSum{0, 9};
inline constexpr TField kRaceCount{1572, 3};  // number of registered races

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kHorseID, kDeleteFlag,
                                 kRegisteredOn, kDeletedOn, kBirthDate, kHorseName, kKanaName,
                                 kLatinName, kHorseMark, kSex, kBreed, kCoat,
                                 Span(kPedigreeStart, kPedigreeStride, kPedigreeCount),
                                 kTrainerCode, kTrainerName, kInvitedFrom, kBreederCode,
                                 kBreederName, kArea, kOwnerCode, kOwnerName,
                                 Span(kPrizeSumStart, kPrizeSumStride, kPrizeSumCount), kRaceCount,
                                 LineEnd(kLength)}));
static_assert(kBirthYear.offset == kBirthDate.offset && kBirthYear.length < kBirthDate.length);
static_assert(IsLayout(kPedigreeStride, {kPedigreeNo, kAncestorName}));
}  // namespace um

// SK: foal (product) master (JV_SK_SANKU). Key: registration number; one file
// per birth year.
namespace sk {
inline constexpr int kLength = 178;
inline constexpr TField kHorseID{11, 10};     // 10-digit registration number
inline constexpr TField kBirthDate{21, 8};    // birth date YYYYMMDD
inline constexpr TField kBirthYear{21, 4};    // year of the birth date: the file number
inline constexpr TField kSex{29, 1};          // 1 牡 colt, 2 牝 filly, 3 ｾﾝ gelding
inline constexpr TField kBreed{30, 1};        // breed code 0-7
inline constexpr TField kCoat{31, 2};         // coat colour code 0-11
inline constexpr TField kBreederCode{38, 6};  // breeder code
inline constexpr TField kArea{44, 20};        // producing area
// 8-digit breeding numbers of the 14 ancestors (as in um).
inline constexpr int kPedigreeStart = 64;
inline constexpr int kPedigreeStride = 8;
inline constexpr int kPedigreeCount = 14;
inline constexpr TField kPedigreeNo{0, 8};

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kHorseID, kBirthDate, kSex,
                                 kBreed, kCoat, kBreederCode, kArea,
                                 Span(kPedigreeStart, kPedigreeStride, kPedigreeCount),
                                 LineEnd(kLength)}));
static_assert(kBirthYear.offset == kBirthDate.offset && kBirthYear.length < kBirthDate.length);
}  // namespace sk

// HN: breeding horse master (JV_HN_HANSYOKU). Key: breeding number; one file
// per breeding number / 10000.
namespace hn {
inline constexpr int kLength = 245;
inline constexpr TField kBreedingNo{11, 8};   // 8-digit breeding number
inline constexpr TField kHorseID{27, 10};     // registration number of the horse, when it has one
inline constexpr TField kDeleteFlag{37, 1};   // 1 when the record is deleted
inline constexpr TField kHorseName{38, 36};   // name, full-width
inline constexpr TField kKanaName{74, 40};    // name in half-width kana
inline constexpr TField kLatinName{114, 80};  // name in Latin letters
inline constexpr TField kBirthYear{194, 4};   // year of birth
inline constexpr TField kSex{198, 1};         // 1 牡 stallion, 2 牝 mare
inline constexpr TField kBreed{199, 1};       // breed code 0-7
inline constexpr TField kCoat{200, 2};        // coat colour code 0-11
inline constexpr TField kArea{207, 20};       // producing area
inline constexpr TField kSire{227, 8};        // breeding number of the sire
inline constexpr TField kDam{235, 8};         // breeding number of the dam

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kBreedingNo, kHorseID,
                                 kDeleteFlag, kHorseName, kKanaName, kLatinName, kBirthYear, kSex,
                                 kBreed, kCoat, kArea, kSire, kDam, LineEnd(kLength)}));
}  // namespace hn

// ---------------------------------------------------------------------------
// Summary block of a jockey or trainer master: 1052 bytes; three in a row,
// 0 this year, 1 last year, 2 career. Money is 10 digits in hundreds of yen.
// A count set is six 6-digit counts: 1st, 2nd, 3rd, 4th, 5th, out of the
// first five.
namespace person_summary {
inline constexpr int kLength = 1052;
inline constexpr TField kYear{0, 4};         // year the block counts
inline constexpr TField kFlatPrize{4, 10};   // main prize money, flat
inline constexpr TField kJumpPrize{14, 10};  // main prize money, jumps
inline constexpr TField kFlatAdded{24, 10};  // added money, flat
inline constexpr TField kJumpAdded{34, 10};  // added money, jumps
inline constexpr int kFlatCountsStart = 44;  // count set of all flat rides
inline constexpr int kJumpCountsStart = 80;  // count set of all jump rides
inline constexpr int kCountStride = 6;
inline constexpr int kCountCount = 6;
inline constexpr TField kCount{0, 6};
// Count sets by surface and distance: turf up to 1600 m, up to 2200 m, over
// 2200 m, then dirt the same.
inline constexpr int kDistanceRowsStart = 836;
inline constexpr int kDistanceRowStride = 36;
inline constexpr int kDistanceRowCount = 6;

static_assert(IsLayout(kLength, {kYear, kFlatPrize, kJumpPrize, kFlatAdded, kJumpAdded,
                                 Span(kFlatCountsStart, kCountStride, kCountCount),
                                 Span(kJumpCountsStart, kCountStride, kCountCount),
                                 Span(kDistanceRowsStart, kDistanceRowStride, kDistanceRowCount)}));
static_assert(kDistanceRowStride == kCountStride * kCountCount);
}  // namespace person_summary

// KS: jockey master (JV_KS_KISYU). Key: jockey code; a single file.
namespace ks {
inline constexpr int kLength = 4173;
inline constexpr TField kCode{11, 5};         // jockey code
inline constexpr TField kName{41, 34};        // full name, family and given name parted by a half-width blank
inline constexpr TField kKanaName{109, 30};   // name in half-width kana
inline constexpr TField kShortName{139, 8};   // short name as runner records print it
inline constexpr TField kLatinName{147, 80};  // name in Latin letters
// Affiliation: 1 Miho (east), 2 Ritto (west), 3 local, 4 overseas.
inline constexpr TField kEastWest{230, 1};
// Race keys of the first flat ride and the first jump ride; their first 8
// characters are the date.
inline constexpr TField kFirstFlatRide{264, 16};
inline constexpr TField kFirstJumpRide{331, 16};
// Summary blocks (person_summary layout): this year, last year, career.
inline constexpr int kSummaryStart = 1015;
inline constexpr int kSummaryStride = person_summary::kLength;
inline constexpr int kSummaryCount = 3;

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kCode, kName, kKanaName,
                                 kShortName, kLatinName, kEastWest, kFirstFlatRide, kFirstJumpRide,
                                 Span(kSummaryStart, kSummaryStride, kSummaryCount),
                                 LineEnd(kLength)}));
}  // namespace ks

// CH: trainer master (JV_CH_CHOKYOSI). Key: trainer code; a single file.
namespace ch {
inline constexpr int kLength = 3862;
inline constexpr TField kCode{11, 5};         // trainer code
inline constexpr TField kLicensedOn{17, 8};   // licence date YYYYMMDD; stands for the first flat and jump date
inline constexpr TField kName{41, 34};        // full name, family and given name parted by a half-width blank
inline constexpr TField kKanaName{75, 30};    // name in half-width kana
inline constexpr TField kShortName{105, 8};   // short name as runner records print it
inline constexpr TField kLatinName{113, 80};  // name in Latin letters
inline constexpr TField kEastWest{194, 1};    // affiliation 1-4, as in ks
// Summary blocks (person_summary layout): this year, last year, career.
inline constexpr int kSummaryStart = 704;
inline constexpr int kSummaryStride = person_summary::kLength;
inline constexpr int kSummaryCount = 3;

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kCode, kLicensedOn, kName,
                                 kKanaName, kShortName, kLatinName, kEastWest,
                                 Span(kSummaryStart, kSummaryStride, kSummaryCount),
                                 LineEnd(kLength)}));
}  // namespace ch

// Summary block of a breeder or owner master: 60 bytes, flat racing only;
// two in a row, 0 this year and 1 career.
namespace flat_summary {
inline constexpr int kLength = 60;
inline constexpr TField kYear{0, 4};         // year the block counts
inline constexpr TField kFlatPrize{4, 10};   // main prize money, hundreds of yen
inline constexpr TField kFlatAdded{14, 10};  // added money, hundreds of yen
inline constexpr int kCountsStart = 24;      // count set: 1st, 2nd, 3rd, 4th, 5th, out of the first five
inline constexpr int kCountStride = 6;
inline constexpr int kCountCount = 6;
inline constexpr TField kCount{0, 6};

static_assert(IsLayout(kLength, {kYear, kFlatPrize, kFlatAdded,
                                 Span(kCountsStart, kCountStride, kCountCount)}));
}  // namespace flat_summary

// BR: breeder master (JV_BR_BREEDER). Key: breeder code; a single file.
namespace br {
inline constexpr int kLength = 537;
inline constexpr TField kCode{11, 6};          // breeder code
inline constexpr TField kName{17, 70};         // breeder name, first form
inline constexpr TField kName2{87, 70};        // breeder name, second form: the one a horse shows
inline constexpr TField kKanaName{157, 70};    // name in half-width kana
inline constexpr TField kLatinName{227, 168};  // name in Latin letters
inline constexpr TField kAddress{395, 20};     // region of the breeder
// Summary blocks (flat_summary layout): this year, then career.
inline constexpr int kSummaryStart = 415;
inline constexpr int kSummaryStride = flat_summary::kLength;
inline constexpr int kSummaryCount = 2;

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kCode, kName, kName2,
                                 kKanaName, kLatinName, kAddress,
                                 Span(kSummaryStart, kSummaryStride, kSummaryCount),
                                 LineEnd(kLength)}));
}  // namespace br

// BN: owner master (JV_BN_BANUSI). Key: owner code; a single file.
namespace bn {
inline constexpr int kLength = 477;
inline constexpr TField kCode{11, 6};          // owner code
inline constexpr TField kName{17, 64};         // owner name, first form
inline constexpr TField kName2{81, 64};        // owner name, second form: the one a runner shows
inline constexpr TField kKanaName{145, 50};    // name in half-width kana
inline constexpr TField kLatinName{195, 100};  // name in Latin letters
inline constexpr TField kColours{295, 60};     // racing colours, in words
// Summary blocks (flat_summary layout): this year, then career.
inline constexpr int kSummaryStart = 355;
inline constexpr int kSummaryStride = flat_summary::kLength;
inline constexpr int kSummaryCount = 2;

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kCode, kName, kName2,
                                 kKanaName, kLatinName, kColours,
                                 Span(kSummaryStart, kSummaryStride, kSummaryCount),
                                 LineEnd(kLength)}));
}  // namespace bn

// ---------------------------------------------------------------------------
// RC: course and race records (JV_RC_RECORD); a single file, stored but
// never read back. The fields below form its sort key, in this order. Its
// race key starts at byte 12, not at 11 as in the race-keyed kinds.
namespace rc {
inline constexpr int kLength = 501;
inline constexpr TField kRecordClass{11, 1};  // record class, first part of the key
inline constexpr TField kRaceKey{12, 16};     // race key YYYYMMDDJJKKNNRR of the race that set the record
inline constexpr TField kSpecialNo{28, 4};    // special-race number
inline constexpr TField kRaceKind{93, 2};     // age condition code of the race
inline constexpr TField kDistance{95, 4};     // distance in metres
inline constexpr TField kTrack{99, 2};        // track code

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRecordClass, kRaceKey,
                                 kSpecialNo, kRaceKind, kDistance, kTrack, LineEnd(kLength)}));
}  // namespace rc

// HC: hill-course training times (JV_HC_HANRO); one file per year and month
// of the training date, never read back. The fields below form its sort key,
// in this order.
namespace hc {
inline constexpr int kLength = 60;
inline constexpr TField kCentre{11, 1};    // training centre code
inline constexpr TField kDate{12, 8};      // training date YYYYMMDD; / 100 is the file number
inline constexpr TField kTime{20, 4};      // time of day of the work, hhmm
inline constexpr TField kHorseID{24, 10};  // 10-digit registration number

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kCentre, kDate, kTime, kHorseID,
                                 LineEnd(kLength)}));
}  // namespace hc

// ---------------------------------------------------------------------------
// Latest news of a race day (quick-news fetch only), applied to a race each
// time it is handed out; a later record of a file overrides an earlier one.
// One file per race date.

// WH: body weights (JV_WH_BATAIJYU). Key: race key.
namespace wh {
inline constexpr int kLength = 847;
// 18 runner blocks of 45 bytes.
inline constexpr int kWeightStart = 35;
inline constexpr int kWeightStride = 45;
inline constexpr int kWeightCount = 18;
inline constexpr TField kWeightHorseNo{0, 2};  // horse number; blank in an unused block
inline constexpr TField kBodyWeight{38, 3};    // body weight in kilograms

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey,
                                 Span(kWeightStart, kWeightStride, kWeightCount),
                                 LineEnd(kLength)}));
static_assert(IsLayout(kWeightStride, {kWeightHorseNo, kBodyWeight}));
}  // namespace wh

// WE: weather and going changes (JV_WE_WEATHER). Key: day key, announcement
// time, change kind.
namespace we {
inline constexpr int kLength = 42;
inline constexpr TField kAnnounceTime{25, 8};  // announcement time MMDDhhmm
// What changed: 1 weather and going, 2 weather only, 3 going only.
inline constexpr TField kChangeKind{33, 1};
inline constexpr TField kWeather{34, 1};    // weather code 1-6, as in ra
inline constexpr TField kTurfGoing{35, 1};  // turf going code 1-4, as in ra
inline constexpr TField kDirtGoing{36, 1};  // dirt going code 1-4, as in ra

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kDayKey, kAnnounceTime,
                                 kChangeKind, kWeather, kTurfGoing, kDirtGoing,
                                 LineEnd(kLength)}));
}  // namespace we

// AV: scratches and exclusions (JV_AV_INFO). Key: race key, horse number. The
// data kind tells what happened: "1" scratched, "2" excluded.
namespace av {
inline constexpr int kLength = 78;
inline constexpr TField kHorseNo{35, 2};  // horse number of the runner

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kHorseNo,
                                 LineEnd(kLength)}));
}  // namespace av

// JC: jockey changes (JV_JC_INFO). Key: race key, announcement time, horse
// number. The fields hold the state after the change.
namespace jc {
inline constexpr int kLength = 161;
inline constexpr TField kAnnounceTime{27, 8};  // announcement time MMDDhhmm
inline constexpr TField kHorseNo{35, 2};       // horse number of the runner
inline constexpr TField kCarried{73, 3};       // weight carried, tenths of a kilogram
inline constexpr TField kJockeyCode{76, 5};    // jockey code
inline constexpr TField kJockeyName{81, 34};   // jockey name
inline constexpr TField kApprentice{115, 1};   // apprentice allowance mark 0-3

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kAnnounceTime,
                                 kHorseNo, kCarried, kJockeyCode, kJockeyName, kApprentice,
                                 LineEnd(kLength)}));
}  // namespace jc

// TC: post-time changes (JV_TC_INFO). Key: race key. The new post time.
namespace tc {
inline constexpr int kLength = 45;
inline constexpr TField kHour{35, 2};    // hour, 2 digits
inline constexpr TField kMinute{37, 2};  // minute, 2 digits

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kHour, kMinute,
                                 LineEnd(kLength)}));
}  // namespace tc

// CC: course changes (JV_CC_INFO). Key: race key. The new distance and track.
namespace cc {
inline constexpr int kLength = 50;
inline constexpr TField kDistance{35, 4};  // distance in metres
inline constexpr TField kTrack{39, 2};     // track code, as in ra

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, kDistance, kTrack,
                                 LineEnd(kLength)}));
}  // namespace cc

// DM: mining data (JV_DM_INFO). Key: race key. Stored only; no field of its
// own is read.
namespace dm {
inline constexpr int kLength = 303;
static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kRaceKey, LineEnd(kLength)}));
}  // namespace dm

// ---------------------------------------------------------------------------
// YS: one race day of the schedule (JV_YS_SCHEDULE). Key: day key; one file
// per year. The race fields are those of the day's first graded-race block;
// a special-race number above 0 there means the day has a graded race. Codes
// as described in tk.
namespace ys {
inline constexpr int kLength = 382;
inline constexpr TField kWeekday{25, 1};       // weekday code 1-8
inline constexpr TField kSpecialNo{26, 4};     // special-race number of the graded race
inline constexpr TField kRaceName{30, 60};     // race name (main title)
inline constexpr TField kShortName10{90, 20};  // short name, up to 10 full-width characters
inline constexpr TField kShortName6{110, 12};  // short name, up to 6 full-width characters
inline constexpr TField kShortName3{122, 6};   // short name, up to 3 full-width characters
inline constexpr TField kGrade{131, 1};        // grade letter
inline constexpr TField kAgeClass{132, 2};     // age condition code
inline constexpr TField kSymbol{134, 3};       // race symbol code
inline constexpr TField kWeightType{137, 1};   // weight type 1-4
inline constexpr TField kDistance{138, 4};     // distance in metres
inline constexpr TField kTrack{142, 2};        // track code

static_assert(IsLayout(kLength, {kRecordId, kDataKind, kCreated, kDayKey, kWeekday, kSpecialNo,
                                 kRaceName, kShortName10, kShortName6, kShortName3, kGrade,
                                 kAgeClass, kSymbol, kWeightType, kDistance, kTrack,
                                 LineEnd(kLength)}));
}  // namespace ys

// ---------------------------------------------------------------------------
// KOL predicted odds of one race (KOL_ODS_1999): the records of the
// "kol_ods.kd2" file of a KOL archive and of the per-date KOL files they are
// merged into. Not a JV-Data record: it has no common head. Odds are text:
// a leading "-" (for 枠連 and 馬連 also "/") means none, a leading "*" a value
// beyond the display, anything else the odds × 10.
namespace kol {
inline constexpr int kLength = 1504;
inline constexpr TField kVenueIndex{0, 2};      // KOL racecourse number 0-99, mapped to a racecourse code by table
inline constexpr TField kMeeting{6, 2};         // meeting (回)
inline constexpr TField kMeetingDay{8, 2};      // day of the meeting (日)
inline constexpr TField kRaceNo{10, 2};         // race number
inline constexpr TField kYear{12, 4};           // year of the race
inline constexpr TField kMonth{16, 2};          // month of the race
inline constexpr TField kDay{18, 2};            // day of the race
inline constexpr TField kAnnounceTime{105, 4};  // time of the prediction HHMM
inline constexpr TField kRecordDate{113, 8};    // date YYYYMMDD; of two records of one race the later is kept
// 単勝: horses 1-18, 5 characters each.
inline constexpr int kWinStart = 161;
inline constexpr int kWinStride = 5;
inline constexpr int kWinCount = 18;
inline constexpr TField kWinOdds{0, 5};
// 枠連: the 36 frame pairs 1-1, 1-2 ... 8-8 in order, 5 characters each.
inline constexpr int kBracketStart = 251;
inline constexpr int kBracketStride = 5;
inline constexpr int kBracketCount = 36;
inline constexpr TField kBracketOdds{0, 5};
// 馬連: the 153 horse pairs 1-2, 1-3 ... 17-18 in order, 7 characters each.
inline constexpr int kQuinellaStart = 431;
inline constexpr int kQuinellaStride = 7;
inline constexpr int kQuinellaCount = 153;
inline constexpr TField kQuinellaOdds{0, 7};

static_assert(IsLayout(kLength, {kVenueIndex, kMeeting, kMeetingDay, kRaceNo, kYear, kMonth,
                                 kDay, kAnnounceTime, kRecordDate,
                                 Span(kWinStart, kWinStride, kWinCount),
                                 Span(kBracketStart, kBracketStride, kBracketCount),
                                 Span(kQuinellaStart, kQuinellaStride, kQuinellaCount)}));
}  // namespace kol

// ---------------------------------------------------------------------------
// Index files: fixed-length text entries without line ends.

// RA\<year>.IDX: one race of the year; sorted, each race once.
namespace race_index {
inline constexpr int kLength = 16;
inline constexpr TField kRaceKey{0, 16};  // race key YYYYMMDDJJKKNNRR
static_assert(IsLayout(kLength, {kRaceKey}));
}  // namespace race_index

// UM\<year>.IDX: one entry per record of UM\<year>.DAT, in the same order.
namespace horse_index {
inline constexpr int kLength = 16;
inline constexpr TField kHorseID{0, 10};  // registration number, as in the master record
// Row of the horse's first entry in the runs-by-horse index, "%06d" counted
// from 0; six blanks when the horse has no run there.
inline constexpr TField kRunsRow{10, 6};
static_assert(IsLayout(kLength, {kHorseID, kRunsRow}));
}  // namespace horse_index

// SK\<year>.IDX: one entry per record of SK\<year>.DAT; same layout.
namespace foal_index = horse_index;

// SE\<year>.IDX: one run of a horse; sorted by registration number, then by
// race.
namespace runs_index {
inline constexpr int kLength = 26;
inline constexpr TField kHorseID{0, 10};   // registration number of the runner
inline constexpr TField kRaceKey{10, 16};  // race key of the run
static_assert(IsLayout(kLength, {kHorseID, kRaceKey}));
}  // namespace runs_index

// ---------------------------------------------------------------------------
// Derived files of the analysis: zero-padded decimal text ending in CR LF.

// BASETIME.DAT: one base-time cell, "%05d%04d%05.0f%05.0f\r\n".
namespace basetime {
inline constexpr int kLength = 21;
inline constexpr TField kKey{0, 5};       // course-era number × 100 + track value (99 for jumps)
inline constexpr TField kDistance{5, 4};  // distance in metres, 0000 for jumps
inline constexpr TField kTime{9, 5};      // mean normalised time in hundredths of a second
inline constexpr TField kPace{14, 5};     // mean pace factor × 10000
static_assert(IsLayout(kLength, {kKey, kDistance, kTime, kPace, LineEnd(kLength)}));
}  // namespace basetime

// LEVEL.DAT: one cell of any of the five level tables, "%08d%05.0f%05d\r\n".
namespace level {
inline constexpr int kLength = 20;
inline constexpr TField kKey{0, 8};     // table × 10000000 + A × 100000 + B × 10000 + C × 100 + D
inline constexpr TField kLevel{8, 5};   // mean level × 10000
inline constexpr TField kCount{13, 5};  // races in the cell
static_assert(IsLayout(kLength, {kKey, kLevel, kCount, LineEnd(kLength)}));
}  // namespace level

// ---------------------------------------------------------------------------
// FKEIBADO predicted-odds log: text lines of up to 128 characters; positions
// are columns of a line. A block starts with its header line, and the other
// lines are found by counting from it. Odds are decimal numbers ("12.3")
// starting at their column, at most the width given here.
namespace fkeibado {
inline constexpr int kMaxLine = 128;
// Header line of a block.
inline constexpr TField kTag{0, 6};          // "==ODDS"
inline constexpr TField kDate{6, 8};         // race date YYYYMMDD
inline constexpr TField kYear{6, 4};         // year (part of the date)
inline constexpr TField kMonth{10, 2};       // month (part of the date)
inline constexpr TField kDay{12, 2};         // day (part of the date)
inline constexpr TField kVenue{14, 1};       // racecourse code, one character ("A" reads 10)
inline constexpr TField kMeeting{15, 2};     // meeting
inline constexpr TField kMeetingDay{17, 2};  // day of the meeting
inline constexpr TField kRaceNo{19, 2};      // race number
inline constexpr TField kHorseCount{21, 2};  // number of horses N
inline constexpr TField kTimeFlag{23, 1};    // above 0 when the block carries its time
// Lines skipped after the header; the last of them carries the time.
inline constexpr int kLinesBeforeTime = 5;
inline constexpr TField kTimeHour{19, 2};    // hour of the prediction
inline constexpr TField kTimeMinute{23, 2};  // minute of the prediction
// Then 2 lines skipped, and N lines of win odds, line i for horse i.
inline constexpr int kLinesBeforeWin = 2;
inline constexpr TField kWinOdds{10, 7};
// Then 6 lines skipped, and 8 lines of bracket-quinella odds: line j holds
// the frame pairs (j, k) for k = 1 ... 8.
inline constexpr int kLinesBeforeBracket = 6;
inline constexpr int kBracketLines = 8;
inline constexpr int kBracketStart = 4;  // column of k = 1
inline constexpr int kBracketStride = 7;
inline constexpr int kBracketCount = 8;
// When N > 8: 6 lines skipped, and N lines of quinella odds, line l holding
// the pairs (l, m) for m = 1 ... 9. When N > 9: 2 more lines skipped, and N
// lines holding m = 10 ... 18 in the same columns.
inline constexpr int kLinesBeforeQuinella = 6;
inline constexpr int kLinesBeforeQuinella2 = 2;
inline constexpr int kQuinellaStart = 6;  // column of m = 1, and of m = 10
inline constexpr int kQuinellaStride = 7;
inline constexpr int kQuinellaCount = 9;
inline constexpr TField kOdds{0, 7};  // one odds column of the bracket and quinella tables

static_assert(IsLayout(kMaxLine, {kTag, kDate, kVenue, kMeeting, kMeetingDay, kRaceNo,
                                  kHorseCount, kTimeFlag}));
static_assert(IsLayout(kMaxLine, {kTimeHour, kTimeMinute}));
static_assert(IsLayout(kMaxLine, {Span(kBracketStart, kBracketStride, kBracketCount)}) &&
              IsLayout(kMaxLine, {Span(kQuinellaStart, kQuinellaStride, kQuinellaCount)}) &&
              IsLayout(kMaxLine, {kWinOdds}));
}  // namespace fkeibado

}  // namespace jv
