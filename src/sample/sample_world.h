// The sample racing world: a synthetic but realistic JRA with its horses,
// people, races, results and betting markets, from which the sample feed's
// JV-Data records are written.
//
// Every text field is CP932 (Shift-JIS) as the records hold it; kana names
// are half-width kana, Latin names ASCII. Dates are date numbers YYYYMMDD.
// Times are tenths of a second, weights carried tenths of a kilogram, body
// weights kilograms, distances metres, money hundreds of yen (as the records
// store it), odds × 10, payouts yen per 100-yen ticket.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sample {

struct TSampleOptions {
  std::string outFolder;    // the feed folder to write
  int fromYear = 0;         // first year of racing
  int toYear = 0;           // last year of racing
  std::uint64_t seed = 1;   // same seed, same bytes
  double scale = 1.0;       // 1: about 3,400 JRA races a year
};

// ---------------------------------------------------------------------------
// People and organisations.

// A jockey or a trainer.
struct TPerson {
  int code = 0;             // 5 digits
  std::string name;         // full name, family and given name parted by one half-width blank
  std::string shortName;    // at most 8 bytes, as runner records print it (e.g. "武田豊")
  std::string kanaName;     // half-width kana, family and given parted by a blank
  std::string latinName;    // "Takeshi Yamada"
  int affiliation = 1;      // 1 美浦 (east), 2 栗東 (west), 3 local, 4 overseas
  int birthDate = 0;
  int licenceDate = 0;      // first licence
  double skill = 0;         // added to the runner's performance (jockeys), or to the horse's form (trainers)
  bool apprentice = false;  // jockeys: still claims an allowance
  // Jockeys: the race keys of the first flat and the first jump ride within
  // the world ("" when none yet).
  std::string firstFlatRide;
  std::string firstJumpRide;
  int homeVenue = 0;        // local people: their racecourse code
};

struct TBreeder {
  int code = 0;             // 6 digits
  std::string name;         // "〇〇牧場" and the like
  std::string kanaName;
  std::string latinName;
  std::string address;      // region, e.g. "日高町"
};

struct TOwner {
  int code = 0;             // 6 digits
  std::string name;
  std::string kanaName;
  std::string latinName;
  std::string colours;      // racing colours in words, e.g. "青，白星散らし"
};

// A breeding horse (sire or mare), or a founder ancestor.
struct TBreedingHorse {
  int number = 0;           // 8-digit breeding number; file HN/<number / 10000>
  std::int64_t horseId = 0; // registration number when it raced in the world, else 0
  std::string name;
  std::string kanaName;
  std::string latinName;
  int birthYear = 0;
  int sex = 1;              // 1 stallion, 2 mare
  int coat = 1;             // coat colour code 1-11
  int sire = 0;             // breeding numbers, 0 when unknown
  int dam = 0;
  std::string area;         // producing area, e.g. "日高" or "米"
  double quality = 0;       // what it passes on to its foals
};

// ---------------------------------------------------------------------------
// Horses.

// A horse of the world: racehorse (JRA or local), foreign runner, or a foal
// that was never registered to race.
struct THorse {
  std::int64_t id = 0;      // 10 digits, the birth year first (birthYear × 1000000 + serial)
  std::string name;         // full-width katakana, at most 9 characters ("" for an unregistered foal)
  std::string kanaName;     // half-width kana
  std::string latinName;
  int birthDate = 0;
  int sex = 1;              // 1 牡 colt, 2 牝 filly, 3 ｾﾝ gelding (a colt may be gelded during its career)
  int coat = 1;             // coat colour code 1-11
  int breed = 1;            // 1 サラ系
  int sire = 0;             // breeding numbers
  int dam = 0;
  int breederCode = 0;
  int ownerCode = 0;
  int trainerCode = 0;
  int horseMark = 0;        // 0 none, 3 (父), 4 (市), 6 (外), 5 (地)...
  int kind = 0;             // 0 JRA racehorse, 1 local racehorse, 2 foreign runner, 3 unregistered foal
  int homeVenue = 0;        // local horses: their racecourse
  int registeredOn = 0;     // registration date (0 for unregistered foals)
  int retiredOn = 0;        // deletion date, 0 while in training

  // Ability, fixed at birth.
  double ability = 0;       // peak ability, about N(0, 1)
  double peakAge = 4.5;     // age in years at which it peaks
  double turf = 0;          // aptitude: +1 turf only, -1 dirt only
  double distance = 1800;   // best distance in metres
  double distanceRange = 500;
  int style = 2;            // 1 逃げ front-runner, 2 先行, 3 差し, 4 追込
  double jump = -2;         // jump aptitude; above 0 for horses that go jumping
  double consistency = 1;   // scale of its race-to-race noise
  double weight = 470;      // body weight in kilograms, drifting

  // Career state, updated by every run.
  int classLevel = 0;       // 0 maiden, 1 1勝 (500万下), 2 2勝 (1000万下), 3 3勝 (1600万下), 4 open
  int jumpClass = 0;        // 0 jump maiden, 1 jump open
  int runs = 0;
  int wins = 0;
  int lastRunDate = 0;
  int nextReadyDate = 0;    // rests until this date
  std::int64_t flatPrize = 0;   // main prize money won, hundreds of yen
  std::int64_t jumpPrize = 0;
  std::int64_t flatAdded = 0;
  std::int64_t jumpAdded = 0;
  std::vector<std::string> raceKeys;  // every run, in order

  // Ability in the given year and month (age from the birth year).
  double AbilityAt(int dateNumber) const;
};

// ---------------------------------------------------------------------------
// Races.

enum TSurface { kTurf = 1, kDirt = 2, kJump = 3 };

// One runner of a race: its entry and its result.
struct TRunner {
  int horse = -1;           // index into TWorld::horses
  int frame = 0;            // 1-8
  int horseNo = 0;          // 1-18
  int age = 0;
  int jockeyCode = 0;
  int trainerCode = 0;
  int ownerCode = 0;
  int carried = 0;          // tenths of a kilogram
  int apprentice = 0;       // allowance mark 0-3
  int blinker = 0;
  int bodyWeight = 0;       // kilograms
  int weightChange = 0;     // kilograms since the last run
  // Result. abnormality: 0 normal, 1 取消 scratched, 2 発走除外, 3 競走除外,
  // 4 中止 did not finish, 5 失格, 6 再騎乗, 7 降着 (the stored codes).
  int abnormality = 0;
  int arrival = 0;          // order past the post (0 when none)
  int position = 0;         // confirmed position (0 when none)
  int time = 0;             // tenths of a second (0 when none)
  double exactTime = 0;     // seconds, unrounded: decides the order
  std::string margin;       // 3-character margin code to the horse in front ("" for the winner)
  std::array<int, 4> corners{};  // positions at corners 1-4, 0 when not passed
  int last3F = 0;           // last 600 m, tenths
  int last4F = 0;           // last 800 m, tenths
  int odds = 0;             // final win odds × 10 (0 when scratched)
  int popularity = 0;       // 1 = favourite
  int timeDiff = 0;         // tenths behind the winner (the winner: ahead of the second, negative)
  std::int64_t prize = 0;   // main prize money won, hundreds of yen
  std::int64_t added = 0;
  double performance = 0;   // the simulation's hidden score (not written)
};

// Votes of one bet type: combination number → votes. The combination
// number is the first number, then × 100 + the second, then × 100 + the
// third; unordered bets keep the smaller numbers first. Frame pairs (枠連)
// are frame numbers.
struct TPool {
  std::map<int, std::int64_t> votes;
  std::int64_t total = 0;          // all votes of the type
  std::int64_t refunded = 0;       // votes on scratched horses, returned
};

// One paid combination of a bet type.
struct TPayout {
  int combination = 0;      // as in TPool
  int yen = 0;              // per 100-yen ticket
  int popularity = 0;       // rank of the combination in its pool
};

// The betting market of a race.
struct TMarket {
  // Pools of the eight bet types: 0 単勝, 1 複勝, 2 枠連, 3 馬連, 4 ワイド,
  // 5 馬単, 6 ３連複, 7 ３連単.
  std::array<TPool, 8> pools;
  // Odds × 10 of every combination, by bet type. For 複勝 and ワイド the
  // low end; their high ends are in oddsHigh.
  std::array<std::map<int, int>, 8> odds;
  std::array<std::map<int, int>, 8> oddsHigh;
  std::array<std::vector<TPayout>, 8> payouts;
  std::array<bool, 8> sold{};      // the type was on sale for this race
  int placeCount = 3;              // places paid for 複勝: 2 with 7 runners or fewer
  // Intermediate win odds shown before the race (announcement time MMDDhhmm
  // → odds × 10 by horse number), for the race cards of the last weekend.
  std::map<int, std::map<int, int>> intermediateWin;
};

// Latest news of a race of the last weekend (applied to the race cards).
struct TRaceNews {
  std::vector<std::pair<int, int>> bodyWeights;   // horse number, kilograms
  std::vector<std::pair<int, int>> scratches;     // horse number, 1 scratched / 2 excluded
  struct TJockeyChange {
    int horseNo = 0;
    int carried = 0;
    int jockeyCode = 0;
    int apprentice = 0;
    int announceTime = 0;   // MMDDhhmm
  };
  std::vector<TJockeyChange> jockeyChanges;
  int newStartTime = 0;     // HHMM, 0 when unchanged
  int newDistance = 0;      // metres, 0 when unchanged
  int newTrack = 0;         // track code, 0 when unchanged
};

struct TRace {
  // Key.
  int date = 0;             // YYYYMMDD
  int venue = 0;            // racecourse or country code as a number (1-10 JRA, 30-61 local, 100+ countries)
  std::string venueCode;    // the two characters of the key ("05", "A4")
  int meeting = 0;
  int meetingDay = 0;
  int raceNo = 0;
  std::string key;          // YYYYMMDDJJKKNNRR
  int weekday = 0;          // 1 土, 2 日, 3 祝, 4 月 ... 8 金

  // What the race is.
  int dataKind = 7;         // of the RA/SE records: 7 final; 2 or 3 race card; 'A' local = 10, 'B' overseas = 11
  int specialNo = 0;        // special-race number (0 for ordinary races)
  std::string mainTitle;    // race name ("" for ordinary races)
  std::string subtitle;
  std::string parenTitle;   // e.g. "Ｇ１"... usually empty
  std::string shortName10, shortName6, shortName3;
  int division = 0;         // which title carries the running number: 1 main, 2 sub, 3 paren
  int runningNo = 0;        // 第N回
  char grade = ' ';         // ' ' ordinary, 'A' G1, 'B' G2, 'C' G3, 'D' 重賞, 'E' special, 'F'-'H' jump G1-G3, 'L' listed
  int ageCode = 0;          // 2-digit age condition: 11 ２歳, 12 ３歳, 13 ３歳以上, 14 ４歳以上 (21-24 アラ系)
  std::string symbol = "   ";  // 3-character race symbol
  int weightType = 0;       // 1 ハンデ, 2 別定, 3 馬齢, 4 定量
  std::array<int, 5> conditions{};  // by age group 2, 3, 4, 5 and up, youngest: 5/10/16 money classes, 701, 703, 999
  std::string conditionName;  // condition name written after the title ("" mostly)
  int distance = 0;
  int track = 0;            // JV-Data track code (10-29 flat, 51-59 jump)
  int surface = kTurf;
  std::string courseDiv = "  ";  // rail position "A ", "B ", "C ", ...
  std::array<std::int64_t, 7> prize{};   // by place, hundreds of yen
  std::array<std::int64_t, 5> addedPrize{};
  int startTime = 0;        // HHMM
  int weather = 0;          // 1-6
  int turfGoing = 0;        // 1-4
  int dirtGoing = 0;
  int registered = 0;
  int starters = 0;
  int finishers = 0;
  std::array<int, 25> laps{};  // 200 m sections, tenths; the first takes the odd metres
  int jumpMileTime = 0;     // jump races: MSST of the mile time, 0 when none
  int classLevel = 0;       // the simulation's class of the race (0 maiden ... 4 open)
  bool debut = false;       // 新馬

  std::vector<TRunner> runners;  // in horse-number order
  // The market: the pools and odds maps are large, so the world keeps only
  // what rebuilds them (the public's win chances by runner, the win pool
  // and the seed of the votes' noise) and RestoreMarket brings them back
  // when the records are written. Payouts, sale flags and the intermediate
  // win odds stay.
  TMarket market;
  std::vector<double> publicWin;
  double poolSize = 0;
  std::uint64_t marketSeed = 0;
  bool settled = true;      // has results (false: a race card of the last weekend)
  TRaceNews news;           // last weekend only
  int created = 0;          // creation date of its records (YYYYMMDD)
};

// A racing day at one racecourse.
struct TRaceDay {
  int date = 0;
  int venue = 0;
  int meeting = 0;
  int meetingDay = 0;
  int weekday = 0;
  std::vector<int> races;   // indexes into TWorld::races, race 1 first
};

// ---------------------------------------------------------------------------
// The whole world.

// The vectors of people, breeders, owners and breeding horses are sorted by
// code (number); horses by id.
struct TWorld {
  TSampleOptions options;
  std::vector<TPerson> jockeys;
  std::vector<TPerson> trainers;
  std::vector<TBreeder> breeders;
  std::vector<TOwner> owners;
  std::vector<TBreedingHorse> breedingHorses;
  std::vector<THorse> horses;
  std::vector<TRace> races;          // in key order
  std::vector<TRaceDay> raceDays;    // in date, then racecourse order
  int lastSettledDate = 0;           // the last day with results
  int presentDate = 0;               // the Friday before the last racing weekend: the feed's "now"

  // Lookups by code (index into the vectors, -1 when unknown).
  const TPerson* Jockey(int code) const;
  const TPerson* Trainer(int code) const;
  const TBreeder* Breeder(int code) const;
  const TOwner* Owner(int code) const;
  const TBreedingHorse* Breeding(int number) const;
};

}  // namespace sample
