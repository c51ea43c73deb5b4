// Merging staging files into the record files and rebuilding the indexes.
#include "import/database_rebuild.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/process_objects.h"
#include "app/sjis.h"
#include "database/race_cache.h"
#include "import/record_kinds.h"
#include "import/staging.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

using TFields = std::vector<std::pair<int, std::string>>;

// A blank record of a kind: id, data kind, creation date, the given fields
// and a two-character tag just before the CR LF that tells records apart.
std::string Record(const char* id, char dataKind, int created, const TFields& fields, const std::string& tag = "  ") {
  const TRecordKind* kind = FindRecordKind(id);
  std::string r(static_cast<std::size_t>(kind->length), ' ');
  r.replace(0, 11, std::string(id) + dataKind + std::to_string(created));
  for (const auto& [offset, text] : fields) r.replace(static_cast<std::size_t>(offset), text.size(), text);
  r.replace(r.size() - 4, 4, tag + "\r\n");
  return r;
}

std::string Tag(const std::string& r) { return r.substr(r.size() - 4, 2); }

std::string Ra(const std::string& key, char kind, int created, const std::string& tag = "  ") {
  return Record("RA", kind, created, {{11, key}}, tag);
}
std::string Se(const std::string& key, const std::string& horseNo, const std::string& horse, char kind,
               int created = 20041227, const std::string& tag = "  ") {
  return Record("SE", kind, created, {{11, key}, {28, horseNo}, {30, horse}}, tag);
}
std::string Um(const std::string& horse, int created = 20041227, const std::string& tag = "  ") {
  return Record("UM", '1', created, {{11, horse}, {38, horse.substr(0, 4) + "0401"}}, tag);
}
std::string Sk(const std::string& horse) {
  return Record("SK", '1', 20041227, {{11, horse}, {21, horse.substr(0, 4) + "0401"}});
}
std::string O1(const std::string& key, char kind, int created, const std::string& announced, const std::string& tag) {
  return Record("O1", kind, created, {{11, key}, {27, announced}}, tag);
}

void Stage(const std::vector<std::string>& records) {
  TStaging staging;
  for (const std::string& r : records) ASSERT_TRUE(staging.Append(r));
}

// Every file below the data folder, by path relative to it.
std::map<std::string, std::string> Snapshot(const TTempHome& home) {
  std::map<std::string, std::string> files;
  std::filesystem::path data = home.path() + "DATA";
  for (const auto& e : std::filesystem::recursive_directory_iterator(data)) {
    if (!e.is_regular_file()) continue;
    std::string relative = std::filesystem::relative(e.path(), data).string();
    files[relative] = home.ReadFile("DATA/" + relative);
  }
  return files;
}

bool RebuildAll(TRebuildState& state, TRunView& view) {
  bool database = RebuildDatabase(state, view);
  bool indexes = RebuildIndexes(state, view);
  return database && indexes;
}

ino_t Inode(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Race keys of the tests.
const std::string kR1 = "2004052905030801";  // Tokyo, 3rd meeting, day 8
const std::string kR2 = "2004052905030802";
const std::string kR3 = "2004053005030901";  // the next day
const std::string kR4 = "2004053005030911";
const std::string kR0 = "2004052805030701";  // the day before

TEST(DatabaseRebuild, MergesEachKindInKeyOrderWithNewerRecordsReplacingOlder) {
  struct TCase {
    const char* name;
    std::vector<std::string> stored;  // the record file before, in key order
    std::vector<std::string> staged;  // the staging file, in delivery order
    std::vector<std::string> tags;    // the record file after
    bool rewritten;
  };
  const std::vector<TCase> cases = {
      {"RA: same or later date replaces, an older one does not; race order",
       {Ra(kR2, '2', 20040601, "a2"), Ra(kR4, '2', 20040601, "a4")},
       {Ra(kR3, '2', 20040601, "b3"), Ra(kR2, '2', 20040601, "b2"), Ra(kR4, '2', 20040531, "b4"),
        Ra(kR1, '2', 20040602, "b1"), Ra(kR3, '7', 20040602, "c3")},
       {"b1", "b2", "c3", "a4"},
       true},
      {"SE: registration number 0 apart by horse number, one horse once",
       {},
       {Se(kR1, "03", "0000000000", '2', 20040601, "b1"), Se(kR1, "05", "0000000000", '2', 20040601, "b2"),
        Se(kR1, "07", "2001100001", '2', 20040601, "b3"), Se(kR1, "08", "2001100001", '2', 20040601, "b4"),
        Se(kR0, "01", "2001100002", '2', 20040601, "b5")},
       {"b5", "b1", "b2", "b4"},
       true},
      {"HR: the same date replaces",
       {Record("HR", '2', 20040601, {{11, kR1}}, "a1")},
       {Record("HR", '2', 20040601, {{11, kR1}}, "b1")},
       {"b1"},
       true},
      {"O1: only strictly newer by date, then data kind, then announcement",
       {O1(kR0, '1', 20040601, "05291000", "a0"), O1(kR1, '1', 20040601, "05291000", "a1"),
        O1(kR2, '1', 20040601, "05291000", "a2"), O1(kR3, '2', 20040601, "05291000", "a3")},
       {O1(kR0, '1', 20040601, "05291000", "b0"), O1(kR1, '1', 20040601, "05291030", "b1"),
        O1(kR2, '2', 20040601, "05290900", "b2"), O1(kR3, '1', 20040602, "05290000", "b3"),
        O1(kR3, '1', 20040531, "05300000", "c3"), O1(kR4, '1', 20040531, "05300000", "b4")},
       {"a0", "b1", "b2", "b3", "b4"},
       true},
      {"O1: an equal announcement changes nothing",
       {O1(kR1, '1', 20040601, "05291000", "a1")},
       {O1(kR1, '1', 20040601, "05291000", "b1")},
       {"a1"},
       false},
      {"UM: by registration number",
       {Um("2001100003", 20040601, "a3")},
       {Um("2001100003", 20040601, "b3"), Um("2001100002", 20040501, "b2"), Um("2001100001", 20040601, "b1")},
       {"b1", "b2", "b3"},
       true},
      {"KS: by jockey code; an older record is kept out",
       {Record("KS", '1', 20040601, {{11, "00002"}}, "a2")},
       {Record("KS", '1', 20040601, {{11, "00010"}}, "b9"), Record("KS", '1', 20040501, {{11, "00002"}}, "b2"),
        Record("KS", '1', 20040601, {{11, "00001"}}, "b1")},
       {"b1", "a2", "b9"},
       true},
      {"TK: by race", {}, {Record("TK", '1', 20040601, {{11, kR2}}, "b2"), Record("TK", '1', 20040601, {{11, kR1}}, "b1")},
       {"b1", "b2"}, true},
      {"YS: by day key",
       {Record("YS", '1', 20040101, {{11, "20040530050309"}}, "a2")},
       {Record("YS", '1', 20040101, {{11, "20041226060508"}}, "b3"),
        Record("YS", '1', 20040201, {{11, "20040530050309"}}, "b2"),
        Record("YS", '1', 20040101, {{11, "20040529050308"}}, "b1")},
       {"b1", "b2", "b3"},
       true},
      {"WH: a later delivery of the same race replaces",
       {},
       {Record("WH", '1', 20040529, {{11, kR1}}, "b1"), Record("WH", '1', 20040529, {{11, kR1}}, "c1")},
       {"c1"},
       true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTempHome home;
    TRecordingFrontEnd frontEnd;
    const std::string& first = c.staged.front();
    const TRecordKind& kind = *FindRecordKind(first);
    std::string target = RecordFilePath(kind, RecordFileNumber(kind, first.data()));
    std::string stored;
    for (const std::string& r : c.stored) stored += r;
    if (!c.stored.empty()) home.WriteFile(target.substr(home.path().size()), stored);
    ino_t before = Inode(target);
    Stage(c.staged);

    TRebuildState state;
    TRecordingRunView view;
    EXPECT_TRUE(RebuildDatabase(state, view));

    std::string after = home.ReadFile(target.substr(home.path().size()));
    std::vector<std::string> tags;
    for (std::size_t at = 0; at + static_cast<std::size_t>(kind.length) <= after.size(); at += static_cast<std::size_t>(kind.length)) {
      tags.push_back(Tag(after.substr(at, static_cast<std::size_t>(kind.length))));
    }
    EXPECT_EQ(after.size() % static_cast<std::size_t>(kind.length), 0u);
    EXPECT_EQ(tags, c.tags);
    EXPECT_EQ(Inode(target) != before, c.rewritten);
    EXPECT_FALSE(std::filesystem::exists(target + "~"));
    EXPECT_TRUE(frontEnd.messages.empty());
  }
}

// A small database: four horses (three born in 2001, one in 2002), a
// Tokyo meeting with two races of results, a Nakayama race card and a
// local race.
const std::string kH1 = "2001100001", kH2 = "2001100002", kH3 = "2001100003", kH4 = "2002100001";
const std::string kNakayama = "2004060506040101", kLocal = "2004061044010101";

std::vector<std::string> World() {
  return {
      Ra(kR1, '7', 20041227), Ra(kR2, '7', 20041220), Ra(kNakayama, '2', 20041230), Ra(kLocal, '2', 20041230),
      Se(kR1, "01", kH1, '7'), Se(kR1, "02", kH2, '7'), Se(kR1, "03", "0000000000", '7'),
      Se(kR2, "01", kH4, '7'), Se(kR2, "02", kH2, '7'),
      Se(kNakayama, "01", kH1, '2'), Se(kNakayama, "02", kH2, '1'),  // a kind-1 runner gets no index entry
      Um(kH1), Um(kH2), Um(kH3), Um(kH4), Sk(kH3), Sk(kH1),
  };
}

// The indexes the world gives.
const std::string kRaceIndex = kR1 + kR2 + kNakayama + kLocal;
const std::string kRuns2001 = kH1 + kR1 + kH1 + kNakayama + kH2 + kR1 + kH2 + kR2;
const std::string kHorses2001 = kH1 + "000000" + kH2 + "000002" + kH3 + "      ";

TEST(IndexRebuild, IndexesAgreeWithTheRecordFiles) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  CreateProcessObjects();
  Stage(World());
  TRebuildState state;
  TRecordingRunView view;
  ASSERT_TRUE(RebuildAll(state, view));

  EXPECT_EQ(state.finalResultsDate, 20041227);
  EXPECT_EQ(home.ReadFile("DATA/RA/2004.IDX"), kRaceIndex);
  EXPECT_EQ(home.ReadFile("DATA/SE/2001.IDX"), kRuns2001);
  EXPECT_EQ(home.ReadFile("DATA/SE/2002.IDX"), kH4 + kR2);
  EXPECT_EQ(home.ReadFile("DATA/UM/2001.IDX"), kHorses2001);
  EXPECT_EQ(home.ReadFile("DATA/UM/2002.IDX"), kH4 + "000000");
  EXPECT_EQ(home.ReadFile("DATA/SK/2001.IDX"), kH1 + "000000" + kH3 + "      ");
  EXPECT_EQ(_CacheList->HorseIndex(2001100002), std::make_pair(1, 2));
  EXPECT_TRUE(frontEnd.messages.empty());
  EXPECT_EQ(view.status[0], SJ("インデックス再構築（SK/2002.IDX）"));  // the last year built
  EXPECT_EQ(view.progress[1], std::make_pair(view.progress[1].second, view.progress[1].second));

  // An update: a horse born before the others, a run for the horse that
  // had none, and the Nakayama card replaced by its results.
  TRaceID nakayama;
  nakayama.SetRaceKey(std::string_view(kNakayama));
  TRaceID tokyo;
  tokyo.SetRaceKey(std::string_view(kR1));
  _CacheList->Race(nakayama);
  _CacheList->Race(tokyo);
  int reads = _CacheList->MeetingReads();
  Stage({Se(kNakayama, "01", kH1, '7', 20041231), Se("2004060506040102", "01", kH3, '7', 20041231),
         Um("2001100000")});
  TRebuildState update;
  ASSERT_TRUE(RebuildAll(update, view));
  EXPECT_EQ(home.ReadFile("DATA/SE/2001.IDX"), kRuns2001 + kH3 + "2004060506040102");
  EXPECT_EQ(home.ReadFile("DATA/UM/2001.IDX"),
            "2001100000      " + kH1 + "000000" + kH2 + "000002" + kH3 + "000004");
  EXPECT_EQ(_CacheList->HorseIndex(2001100002), std::make_pair(2, 2));
  _CacheList->Race(tokyo);
  EXPECT_EQ(_CacheList->MeetingReads(), reads);  // untouched meeting stays cached
  _CacheList->Race(nakayama);
  EXPECT_EQ(_CacheList->MeetingReads(), reads + 1);
  DestroyProcessObjects();
}

TEST(IndexRebuild, AQuickNewsFetchMergesButWritesNoIndexEntries) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  Stage({Ra(kR1, '2', 20041227), Se(kR1, "01", kH1, '2'), Um(kH1)});
  TRebuildState state;
  state.collectIndexEntries = false;
  TRecordingRunView view;
  ASSERT_TRUE(RebuildDatabase(state, view));
  std::map<std::string, std::string> files = Snapshot(home);
  std::vector<std::string> names;
  for (const auto& [name, bytes] : files) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"RA/20040503.DAT", "SE/20040503.DAT", "UM/2001.DAT"}));
}

// A run stopped after a record file was renamed into place but before its
// staging file was deleted, or between the two rebuilds, and run again
// ends with the same files as a run that was never stopped.
TEST(IndexRebuild, ARunStoppedAnywhereAndRunAgainEndsTheSame) {
  std::map<std::string, std::string> whole;
  std::map<std::string, std::string> staged;
  {
    TTempHome home;
    TRecordingFrontEnd frontEnd;
    Stage(World());
    staged = Snapshot(home);
    TRebuildState state;
    TRecordingRunView view;
    ASSERT_TRUE(RebuildAll(state, view));
    whole = Snapshot(home);

    // Stopped before the staging files went: they are merged a second time.
    for (const auto& [name, bytes] : staged) home.WriteFile("DATA/" + name, bytes);
    TRebuildState again;
    ASSERT_TRUE(RebuildAll(again, view));
    EXPECT_EQ(Snapshot(home), whole);
    EXPECT_TRUE(frontEnd.messages.empty());
  }
  {
    // Stopped between the database rebuild and the index rebuild: the run
    // state is lost, what is on disk says what is left to do.
    TTempHome home;
    TRecordingFrontEnd frontEnd;
    Stage(World());
    TRecordingRunView view;
    {
      TRebuildState lost;
      ASSERT_TRUE(RebuildDatabase(lost, view));
    }
    TRebuildState next;
    ASSERT_TRUE(RebuildDatabase(next, view));
    ASSERT_TRUE(RebuildIndexes(next, view));
    EXPECT_EQ(Snapshot(home), whole);

    // The same with a new horse alone: no runner entry says its year changed.
    Stage({Um("2001100000")});
    {
      TRebuildState lost;
      ASSERT_TRUE(RebuildDatabase(lost, view));
    }
    TRebuildState fresh;
    ASSERT_TRUE(RebuildIndexes(fresh, view));
    EXPECT_EQ(home.ReadFile("DATA/UM/2001.IDX"), "2001100000      " + kHorses2001);
    EXPECT_FALSE(std::filesystem::exists(home.path() + "DATA/UM/2001.IDX~"));
  }
}

TEST(DatabaseRebuild, ACancelKeepsWhatIsNotMergedForTheNextRun) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  Stage({Ra(kR1, '2', 20041227), Ra(kNakayama, '2', 20041227), Record("KS", '1', 20041227, {{11, "00001"}})});
  TRebuildState state;
  TRecordingRunView view;
  view.cancelAfterProgressCalls = 2;  // the maximum, then the first file done
  EXPECT_FALSE(RebuildDatabase(state, view));
  std::map<std::string, std::string> files = Snapshot(home);
  EXPECT_EQ(files.count("RA/20040503.DAT"), 1u);
  EXPECT_EQ(files.count("RA/20040503.DAT~"), 0u);
  EXPECT_EQ(files.count("RA/20040604.DAT~"), 1u);
  EXPECT_EQ(files.count("KS.DAT~"), 1u);
  EXPECT_EQ(files.count("RA/2004.IDX~"), 1u);  // the entries of what was merged

  // A cancel already set when the rebuild begins (the import was stopped
  // while reading) still merges what was read.
  TRebuildState next;
  ASSERT_TRUE(RebuildAll(next, view));
  EXPECT_EQ(home.ReadFile("DATA/RA/2004.IDX"), kR1 + kNakayama);
  EXPECT_EQ(home.ReadFile("DATA/KS.DAT"), Record("KS", '1', 20041227, {{11, "00001"}}));
}

TEST(DatabaseRebuild, ABrokenRecordFileIsReportedAndItsKindWaits) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  std::string broken(1271, ' ');
  std::string path = home.WriteFile("DATA/RA/20040503.DAT", broken);
  Stage({Ra(kR1, '2', 20041227), Ra(kNakayama, '2', 20041227), Se(kR1, "01", kH1, '2')});
  home.WriteFile("DATA/UM/2001.DAT~", std::string(1577 + 1, ' '));  // a broken staging file
  TRebuildState state;
  TRecordingRunView view;
  EXPECT_FALSE(RebuildDatabase(state, view));

  EXPECT_EQ(frontEnd.Errors(), (std::vector<std::string>{
                                   path + "\n" + SJ("ファイルサイズに異常有り（1271）"),
                                   home.path() + "DATA/UM/2001.DAT~\n" + SJ("ファイルサイズに異常有り（1578）")}));
  std::map<std::string, std::string> files = Snapshot(home);
  EXPECT_EQ(files["RA/20040503.DAT"], broken);
  EXPECT_EQ(files.count("RA/20040503.DAT~"), 1u);
  EXPECT_EQ(files.count("RA/20040604.DAT~"), 1u);  // the rest of the kind waits too
  EXPECT_EQ(files.count("UM/2001.DAT~"), 1u);
  EXPECT_EQ(files.count("SE/20040503.DAT"), 1u);   // other kinds go on
  EXPECT_EQ(files.count("SE/20040503.DAT~"), 0u);
}

}  // namespace
