// Import runs on the local JV-Link over a small feed written in the test.
#include "import/import_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/process_objects.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/race_cache.h"
#include "import/jvlink_settings.h"
#include "import/local_jvlink.h"
#include "sample/sample_news_records.h"
#include "sample/sample_race_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

class ImportRun : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateProcessObjects();
    WriteJVLinkSetting(jvlink_ini::kServiceKey, "TESTKEY1");
    for (int i = 0; i < 3; ++i) {
      sample::THorse h;
      h.id = 2021100001 + i;
      h.name = Utf8ToSjis("テストホース");
      world_.horses.push_back(h);
    }
  }
  void TearDown() override { DestroyProcessObjects(); }

  // RA and SE records of one race of Tokyo's first meeting.
  sample::TRace Race(int date, int day, int raceNo, int dataKind) {
    sample::TRace race;
    race.date = date;
    race.venue = 5;
    race.venueCode = "05";
    race.meeting = 1;
    race.meetingDay = day;
    race.raceNo = raceNo;
    char key[20];
    std::snprintf(key, sizeof key, "%08d0501%02d%02d", date, day, raceNo);
    race.key = key;
    race.dataKind = dataKind;
    race.settled = dataKind == 7;
    race.distance = 1600;
    race.track = 11;
    race.registered = 3;
    for (int i = 0; i < 3; ++i) {
      sample::TRunner r;
      r.horse = i;
      r.horseNo = r.frame = i + 1;
      if (race.settled) r.position = r.arrival = i + 1;
      race.runners.push_back(r);
    }
    return race;
  }
  std::string Records(const sample::TRace& race, int created) {
    char kind = race.dataKind == 7 ? '7' : '2';
    std::string bytes = sample::RaRecord(race, kind, created);
    for (const sample::TRunner& r : race.runners) bytes += sample::SeRecord(world_, race, r, kind, created);
    return bytes;
  }
  // A feed file: the RA records of the races, then their SE records.
  void FeedFile(const std::string& stamp, const std::vector<sample::TRace>& races) {
    std::string ra, se;
    int created = std::stoi(stamp.substr(0, 8));
    for (const sample::TRace& race : races) {
      std::string bytes = Records(race, created);
      ra += bytes.substr(0, static_cast<std::size_t>(jv::ra::kLength));
      se += bytes.substr(static_cast<std::size_t>(jv::ra::kLength));
    }
    home_.WriteFile("JVFEED/RACE/" + stamp + ".jvd", ra + se);
  }
  bool Run(int mode) {
    TLocalJVLink jvlink;
    TImportRun run(jvlink, view_, mode);
    return run.Run();
  }
  std::string Data(const std::string& relative) { return home_.ReadFile("DATA/" + relative); }

  TTempHome home_;
  TRecordingFrontEnd front_;
  TRecordingRunView view_;
  sample::TWorld world_;
};

}  // namespace

TEST_F(ImportRun, FullSetupBuildsTheDatabaseAndKeepsTheTimestamps) {
  FeedFile("20250106120000", {Race(20250105, 1, 1, 7), Race(20250105, 1, 2, 7)});
  FeedFile("20250113120000", {Race(20250112, 2, 1, 7)});
  ASSERT_TRUE(Run(11));
  EXPECT_EQ(Data("RA/20250501.DAT").size(), 3u * jv::ra::kLength);
  EXPECT_EQ(Data("SE/20250501.DAT").size(), 9u * jv::se::kLength);
  EXPECT_EQ(Data("RA/2025.IDX"), "202501050501010120250105050101022025011205010201");
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kLastFileTimeStamp, ""), "20250113120000");
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kCurrentFileTimeStamp, "x"), "");
  ASSERT_FALSE(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation).empty());
  EXPECT_EQ(SjisToUtf8(front_.Texts(TRecordingFrontEnd::TMessage::TKind::kInformation).back()), "セットアップ終了");
  EXPECT_TRUE(front_.Errors().empty());
  EXPECT_FALSE(std::filesystem::exists(home_.path() + "DATA/RA/20250501.DAT~")) << "staging files are merged away";

  // An update reads only what is newer than the last import.
  FeedFile("20250120120000", {Race(20250119, 3, 1, 7)});
  TLocalJVLink jvlink;
  TImportRun update(jvlink, view_, 20);
  ASSERT_TRUE(update.Run());
  EXPECT_EQ(update.Converted().at("RA"), 1);
  EXPECT_EQ(Data("RA/20250501.DAT").size(), 4u * jv::ra::kLength);
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kLastFileTimeStamp, ""), "20250120120000");
}

TEST_F(ImportRun, AnUpdateBeforeAnySetupSaysSoAndOpensNothing) {
  ASSERT_TRUE(Run(20));
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front_.Errors()[0]), "セットアップが完了していません");
  EXPECT_FALSE(std::filesystem::exists(home_.path() + "JVCACHE"));
}

TEST_F(ImportRun, AStoppedFullSetupResumesAfterItsLastWholeFile) {
  FeedFile("20250106120000", {Race(20250105, 1, 1, 7)});
  FeedFile("20250113120000", {Race(20250112, 2, 1, 7)});
  // Stop once the first file has been read to its end.
  struct TStopAfterOneFile : TRecordingRunView {
    void SetProgress(int bar, int position, int maximum) override {
      TRecordingRunView::SetProgress(bar, position, maximum);
      if (bar == 1 && position == 1) cancelled = true;
    }
  } stopping;
  {
    TLocalJVLink jvlink;
    TImportRun run(jvlink, stopping, 11);
    ASSERT_TRUE(run.Run());
  }
  std::string resume = ReadString(ini::kJvLink, ini::kCurrentFileTimeStamp, "");
  EXPECT_EQ(resume, "20250106120000");
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kLastFileTimeStamp, ""), "") << "a stopped run writes no timestamp";
  EXPECT_EQ(Data("RA/20250501.DAT").size(), 1u * jv::ra::kLength) << "what was read is merged";

  TRecordingRunView again;
  TLocalJVLink jvlink;
  TImportRun run(jvlink, again, 11);
  ASSERT_TRUE(run.Run());
  EXPECT_EQ(run.Converted().at("RA"), 1) << "the first file is skipped";
  bool skipped = false;
  for (const std::string& status : again.statusHistory) skipped |= SjisToUtf8(status).rfind("スキップ（", 0) == 0;
  EXPECT_TRUE(skipped);
  EXPECT_EQ(Data("RA/20250501.DAT").size(), 2u * jv::ra::kLength);
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kCurrentFileTimeStamp, "x"), "");
}

TEST_F(ImportRun, JVLinkErrorsShowTheirTextAndStopTheRun) {
  WriteJVLinkSetting(jvlink_ini::kServiceKey, "");
  FeedFile("20250106120000", {Race(20250105, 1, 1, 7)});
  ASSERT_TRUE(Run(11));
  ASSERT_EQ(front_.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front_.Errors()[0]),
            "エラーコード:-303\n\nサービスキーが設定されていない（サービスキーが空値）\n\nby JRA-VAN Data Lab.");
  // A broken file: -403, its deletion, the run stopped and nothing stamped.
  WriteJVLinkSetting(jvlink_ini::kServiceKey, "TESTKEY1");
  home_.WriteFile("JVFEED/RACE/20250113120000.jvd", "RA broken record\r\n");
  front_.messages.clear();
  TRecordingRunView view;
  TLocalJVLink jvlink;
  TImportRun run(jvlink, view, 11);
  ASSERT_TRUE(run.Run());
  ASSERT_FALSE(front_.Errors().empty());
  EXPECT_EQ(SjisToUtf8(front_.Errors()[0]).rfind("エラーコード:-403", 0), 0u);
  EXPECT_TRUE(run.Cancelled());
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kLastFileTimeStamp, ""), "");
  EXPECT_FALSE(TImportRun(jvlink, view, 17).Run()) << "no such mode";
}

TEST_F(ImportRun, QuickNewsBringsBodyWeightsThatTheRaceThenShows) {
  sample::TRace card = Race(20250112, 2, 1, 2);
  FeedFile("20250110170000", {card});
  ASSERT_TRUE(Run(11));
  card.news.bodyWeights = {{2, 488}};
  home_.WriteFile("JVFEED/0B11/20250112.jvd", sample::WhRecord(card, 20250112));
  home_.WriteFile("JVFEED/0B14/20250112.jvd", sample::AvRecord(card, 3, '1', 20250112));
  TRaceID id;
  id.SetRaceKey(std::string_view(card.key));
  TLocalJVLink jvlink;
  TImportRun news(jvlink, view_, std::vector<TRaceID>{id});
  ASSERT_TRUE(news.Run());
  EXPECT_EQ(news.Converted().at("WH"), 1);
  _CacheList->Clear();
  const TResult& race = _CacheList->Race(id);
  ASSERT_EQ(race.Runners().size(), 3u);
  int weight = 0, scratched = 0;
  for (const TResultInfo& r : race.Runners()) {
    if (r.HorseNo() == 2) weight = r.BodyWeight();
    if (r.HorseNo() == 3) scratched = r.Abnormality();
  }
  EXPECT_EQ(weight, 488);
  EXPECT_EQ(scratched, 23) << "scratched";
  EXPECT_EQ(SjisToUtf8(view_.status[0]), "ダウンロード終了");
}
