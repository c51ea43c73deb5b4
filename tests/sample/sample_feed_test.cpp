// Reads a small sample feed back and checks that it agrees with itself:
// record lengths, races and runners, payouts and results, odds and votes,
// the people's summaries and the market's favourites.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "app/fixed_field.h"
#include "database/jv_records.h"
#include "sample/sample_generate.h"
#include "sample/sample_market.h"

namespace fs = std::filesystem;

namespace {

int Field(const std::string& record, jv::TField f) { return ParseFixedField(record.data() + f.offset, f.length); }
std::string Text(const std::string& record, jv::TField f) {
  return record.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length));
}
jv::TField In(int start, int stride, int i, jv::TField f) { return jv::InBlock(start, stride, i, f); }
// A part of the race key at byte 11.
jv::TField Key(jv::TField part) { return {jv::kRaceKey.offset + part.offset, part.length}; }

const std::map<std::string, int>& Lengths() {
  static const std::map<std::string, int> lengths = {
      {"TK", jv::tk::kLength}, {"RA", jv::ra::kLength}, {"SE", jv::se::kLength}, {"HR", jv::hr::kLength},
      {"H1", jv::h1::kLength}, {"H6", jv::h6::kLength}, {"O1", jv::o1::kLength}, {"O2", jv::o2::kLength},
      {"O3", jv::o3::kLength}, {"O4", jv::o4::kLength}, {"O5", jv::o5::kLength}, {"O6", jv::o6::kLength},
      {"UM", jv::um::kLength}, {"KS", jv::ks::kLength}, {"CH", jv::ch::kLength}, {"BR", jv::br::kLength},
      {"BN", jv::bn::kLength}, {"HN", jv::hn::kLength}, {"SK", jv::sk::kLength}, {"RC", jv::rc::kLength},
      {"HC", jv::hc::kLength}, {"WH", jv::wh::kLength}, {"WE", jv::we::kLength}, {"AV", jv::av::kLength},
      {"JC", jv::jc::kLength}, {"TC", jv::tc::kLength}, {"CC", jv::cc::kLength}, {"DM", jv::dm::kLength},
      {"YS", jv::ys::kLength},
  };
  return lengths;
}

// Every record of the feed, by id, in file (timestamp) order; a later
// record of a key replaces an earlier one where the checks need that.
struct TFeed {
  std::map<std::string, std::vector<std::string>> records;
  std::vector<std::string> problems;
  std::vector<std::string> files;
};

TFeed ReadFeed(const std::string& folder) {
  TFeed feed;
  std::vector<fs::path> paths;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().extension() == ".jvd") paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end(), [](const fs::path& a, const fs::path& b) {
    return a.filename().string() != b.filename().string() ? a.filename().string() < b.filename().string()
                                                          : a.string() < b.string();
  });
  for (const fs::path& path : paths) {
    feed.files.push_back(path.string());
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string data = buffer.str();
    std::size_t at = 0;
    std::string previousId;
    std::set<std::string> seen;
    while (at < data.size()) {
      std::string id = data.substr(at, 2);
      auto length = Lengths().find(id);
      if (length == Lengths().end()) {
        feed.problems.push_back(path.string() + ": unknown record id " + id);
        break;
      }
      std::size_t n = static_cast<std::size_t>(length->second);
      if (at + n > data.size() || data.compare(at + n - 2, 2, "\r\n") != 0) {
        feed.problems.push_back(path.string() + ": record " + id + " has the wrong length");
        break;
      }
      if (id != previousId && !seen.insert(id).second) {
        feed.problems.push_back(path.string() + ": records of " + id + " are not grouped");
      }
      previousId = id;
      feed.records[id].push_back(data.substr(at, n));
      at += n;
    }
  }
  return feed;
}

// The feed is generated once per build of the test program and shared by
// the test processes (CTest runs each test in a process of its own): the
// first one writes it under a lock, the others wait and read it.
std::string SharedFeedFolder() {
  fs::path exe = fs::read_symlink("/proc/self/exe");
  struct stat st;
  stat(exe.c_str(), &st);
  fs::path base = exe.parent_path();
  std::string name = "sample-feed-" + std::to_string(st.st_mtim.tv_sec) + "-" + std::to_string(st.st_mtim.tv_nsec);
  std::string folder = (base / name).string();
  int lock = open((base / "sample-feed.lock").c_str(), O_CREAT | O_RDWR, 0644);
  flock(lock, LOCK_EX);
  if (!fs::exists(folder + "/DONE")) {
    for (const auto& entry : fs::directory_iterator(base)) {
      if (entry.path().filename().string().rfind("sample-feed-", 0) == 0) fs::remove_all(entry.path());
    }
    sample::TSampleOptions options;
    options.outFolder = folder;
    options.fromYear = 2023;
    options.toYear = 2024;
    options.seed = 7;
    options.scale = 0.06;
    sample::GenerateSample(options);
    std::ofstream(folder + "/DONE") << "done\n";
  }
  flock(lock, LOCK_UN);
  close(lock);
  return folder;
}

class SampleFeed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = SharedFeedFolder();
    feed_ = new TFeed(ReadFeed(folder_));
  }
  static void TearDownTestSuite() { delete feed_; }
  static const std::vector<std::string>& Records(const std::string& id) { return feed_->records[id]; }

  static std::string folder_;
  static TFeed* feed_;
};

std::string SampleFeed::folder_;
TFeed* SampleFeed::feed_ = nullptr;

}  // namespace

TEST_F(SampleFeed, EveryRecordHasItsKindsLengthAndFilesKeepKindsTogether) {
  EXPECT_TRUE(feed_->problems.empty()) << feed_->problems.front();
  for (const char* id : {"RA", "SE", "HR", "O1", "O6", "H1", "H6", "UM", "SK", "HN", "KS", "CH", "BR", "BN", "YS",
                         "TK", "WH", "WE", "RC", "HC", "DM"}) {
    EXPECT_FALSE(Records(id).empty()) << "no " << id << " records";
  }
  // Setup files come first and every file name is a timestamp or a key.
  for (const std::string& file : feed_->files) {
    std::string name = fs::path(file).stem().string();
    EXPECT_TRUE(name.size() == 14 || name.size() == 8 || name.size() == 16) << file;
  }
  EXPECT_TRUE(fs::exists(folder_ + "/KOL")) << "no KOL archive";
  EXPECT_TRUE(fs::exists(folder_ + "/FKEIBADO/FKEIBADO.LOG"));
}

TEST_F(SampleFeed, RunnersBelongToTheirRacesAndPayoutsFollowTheResult) {
  std::map<std::string, const std::string*> races;
  for (const std::string& ra : Records("RA")) races[Text(ra, jv::kRaceKey)] = &ra;
  std::map<std::string, std::vector<const std::string*>> runners;
  for (const std::string& se : Records("SE")) {
    std::string key = Text(se, jv::kRaceKey);
    ASSERT_TRUE(races.count(key)) << "runner of an unknown race " << key;
    runners[key].push_back(&se);
  }
  int checked = 0;
  for (const std::string& hr : Records("HR")) {
    std::string key = Text(hr, jv::kRaceKey);
    ASSERT_TRUE(runners.count(key));
    const std::string& ra = *races[key];
    // A race of a later file replaces the earlier one; count the runners of
    // the settled record only.
    std::map<int, int> byPosition;  // position → horse number
    std::set<int> numbers;
    for (const std::string* se : runners[key]) {
      if (Field(*se, jv::kDataKind) != 7) continue;
      if (!numbers.insert(Field(*se, jv::se::kHorseNo)).second) continue;
      int position = Field(*se, jv::se::kPosition);
      if (position > 0) byPosition[position] = Field(*se, jv::se::kHorseNo);
    }
    EXPECT_EQ(static_cast<int>(numbers.size()), Field(ra, jv::ra::kRegistered)) << key;
    int winner = Field(hr, In(jv::hr::kPayWinStart, jv::hr::kPayWinStride, 0, jv::hr::kPayHorseNo));
    EXPECT_EQ(winner, byPosition[1]) << key;
    int quinella = Field(hr, In(jv::hr::kPayQuinellaStart, jv::hr::kPayQuinellaStride, 0, jv::hr::kPayPair));
    if (byPosition.count(2)) {
      EXPECT_EQ(quinella, std::min(byPosition[1], byPosition[2]) * 100 + std::max(byPosition[1], byPosition[2])) << key;
    }
    int trifecta = Field(hr, In(jv::hr::kPayTrifectaStart, jv::hr::kPayTrifectaStride, 0, jv::hr::kPayTriple));
    if (byPosition.count(3)) {
      EXPECT_EQ(trifecta, (byPosition[1] * 100 + byPosition[2]) * 100 + byPosition[3]) << key;
    }
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

TEST_F(SampleFeed, OddsVotesAndPayoutsAgree) {
  std::map<std::string, const std::string*> o1, hr;
  for (const std::string& r : Records("O1")) o1[Text(r, jv::kRaceKey)] = &r;
  for (const std::string& r : Records("HR")) hr[Text(r, jv::kRaceKey)] = &r;
  int checked = 0;
  for (const std::string& h1 : Records("H1")) {
    std::string key = Text(h1, jv::kRaceKey);
    ASSERT_TRUE(o1.count(key) && hr.count(key)) << key;
    int year = Field(h1, Key(jv::race_key::kYear));
    std::int64_t pool = ParseFixedField(h1.data() + jv::h1::kPoolStart, 11) -
                        ParseFixedField(h1.data() + jv::h1::kRefundPoolStart, 11);
    std::map<int, int> oddsByHorse;
    for (int i = 0; i < jv::o1::kWinOddsCount; ++i) {
      int number = Field(*o1[key], In(jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, i, jv::o1::kWinHorseNo));
      if (number > 0) oddsByHorse[number] = Field(*o1[key], In(jv::o1::kWinOddsStart, jv::o1::kWinOddsStride, i, jv::o1::kWinOdds));
    }
    for (int i = 0; i < jv::h1::kWinVotesCount; ++i) {
      int number = Field(h1, In(jv::h1::kWinVotesStart, jv::h1::kWinVotesStride, i, jv::h1::kVoteNumber));
      if (number == 0) continue;
      std::int64_t votes = ParseFixedField(h1.data() + jv::h1::kWinVotesStart + i * jv::h1::kWinVotesStride + 2, 11);
      if (votes == 0) continue;
      // Win odds have four digits: 999.9 at most.
      EXPECT_EQ(oddsByHorse[number], std::min(9999, sample::OddsFromVotes(0, votes, pool, year))) << key << " horse " << number;
    }
    int winner = Field(*hr[key], In(jv::hr::kPayWinStart, jv::hr::kPayWinStride, 0, jv::hr::kPayHorseNo));
    int yen = Field(*hr[key], In(jv::hr::kPayWinStart, jv::hr::kPayWinStride, 0, jv::hr::kPayHorseNoYen));
    if (winner > 0) {
      EXPECT_EQ(yen, oddsByHorse[winner] * 10) << key;
    }
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

TEST_F(SampleFeed, FavouritesWinOftenButLoseMostRaces) {
  int races = 0, favouriteWins = 0;
  double chance = 0;
  std::map<std::string, std::vector<const std::string*>> runners;
  for (const std::string& se : Records("SE")) {
    if (Field(se, jv::kDataKind) == 7) runners[Text(se, jv::kRaceKey)].push_back(&se);
  }
  for (const auto& [key, list] : runners) {
    int best = 0, bestPosition = 0, starters = 0;
    for (const std::string* se : list) {
      int odds = Field(*se, jv::se::kOdds);
      if (odds <= 0) continue;
      ++starters;
      if (best == 0 || odds < best) {
        best = odds;
        bestPosition = Field(*se, jv::se::kPosition);
      }
    }
    if (starters < 5) continue;
    ++races;
    favouriteWins += bestPosition == 1;
    chance += 1.0 / starters;
  }
  ASSERT_GT(races, 200);
  double rate = static_cast<double>(favouriteWins) / races;
  EXPECT_GT(rate, 2.0 * chance / races) << "favourites win " << rate;
  EXPECT_LT(rate, 0.5) << "favourites win " << rate;
}

TEST_F(SampleFeed, JockeyAndTrainerSummariesAgreeWithTheRides) {
  // The latest master of each person, and the year its first block counts.
  auto latest = [](const std::vector<std::string>& records) {
    std::map<int, const std::string*> out;
    for (const std::string& r : records) {
      int code = Field(r, jv::ks::kCode);
      auto it = out.find(code);
      if (it == out.end() || Field(r, jv::kCreated) >= Field(*it->second, jv::kCreated)) out[code] = &r;
    }
    return out;
  };
  std::map<int, const std::string*> jockeys = latest(Records("KS"));
  std::map<int, const std::string*> trainers = latest(Records("CH"));
  // Settled JRA flat rides by (code, year): wins and rides.
  std::map<std::pair<int, int>, std::pair<int, int>> jockeyRides, trainerRides;
  std::map<std::string, int> tracks;
  for (const std::string& ra : Records("RA")) tracks[Text(ra, jv::kRaceKey)] = Field(ra, jv::ra::kTrack);
  for (const std::string& se : Records("SE")) {
    if (Field(se, jv::kDataKind) != 7 || Field(se, Key(jv::race_key::kVenue)) > 10) continue;
    if (tracks[Text(se, jv::kRaceKey)] >= 51) continue;  // jumps count apart
    if (Field(se, jv::se::kAbnormality) >= 1 && Field(se, jv::se::kAbnormality) <= 3) continue;
    int year = Field(se, Key(jv::race_key::kYear));
    int first = Field(se, jv::se::kPosition) == 1;
    auto& j = jockeyRides[{Field(se, jv::se::kJockeyCode), year}];
    j.first += first;
    j.second += 1;
    auto& t = trainerRides[{Field(se, jv::se::kTrainerCode), year}];
    t.first += first;
    t.second += 1;
  }
  auto check = [&](const std::map<int, const std::string*>& masters, int summaryStart,
                   std::map<std::pair<int, int>, std::pair<int, int>>& rides, const char* what) {
    int compared = 0;
    for (const auto& [code, record] : masters) {
      for (int block = 0; block < 2; ++block) {
        int base = summaryStart + block * jv::person_summary::kLength;
        int year = ParseFixedField(record->data() + base, 4);
        int wins = ParseFixedField(record->data() + base + jv::person_summary::kFlatCountsStart, 6);
        int total = 0;
        for (int k = 0; k < 6; ++k) {
          total += ParseFixedField(record->data() + base + jv::person_summary::kFlatCountsStart + 6 * k, 6);
        }
        auto expected = rides[{code, year}];
        // The latest master of a person follows his last ride.
        EXPECT_EQ(wins, expected.first) << what << " " << code << " " << year;
        EXPECT_EQ(total, expected.second) << what << " " << code << " " << year;
        compared += total > 0;
      }
    }
    EXPECT_GT(compared, 10) << what;
  };
  check(jockeys, jv::ks::kSummaryStart, jockeyRides, "jockey");
  check(trainers, jv::ch::kSummaryStart, trainerRides, "trainer");
}
