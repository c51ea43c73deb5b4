// The command line, run as a user runs it, on a temporary program folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "app/sjis.h"
#include "sample/sample_race_records.h"
#include "support/temp_home.h"

namespace {

struct TRun {
  int status;
  std::string out;  // stdout and stderr together
};

TRun RunCli(const std::string& args) {
  const char* cli = std::getenv("MIZUNARA_CLI");
  std::string command = std::string(cli != nullptr ? cli : "mizunara-cli") + " " + args + " 2>&1";
  TRun run{-1, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

std::string LastLine(const std::string& out) {
  std::string text = out;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  std::size_t nl = text.rfind('\n');
  return nl == std::string::npos ? text : text.substr(nl + 1);
}

}  // namespace

TEST(Cli, VersionPrintsTheTitleAndVersion) {
  TTempHome home;
  TRun run = RunCli("version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "ミズナラ for JRA-VAN Data Lab. Version 1.3.2\n");
}

TEST(Cli, HelpAndUsageErrors) {
  TTempHome home;
  struct {
    const char* args;
    int status;
    const char* contains;
  } cases[] = {
      {"--help", 0, "commands:"},       {"", 2, "usage:"},
      {"version --help", 0, "usage:"}, {"settings --help", 0, "SECTION KEY VALUE"},
      {"nonsense", 2, "unknown command"}, {"--bogus version", 2, "unknown option"},
      {"version extra", 2, "no arguments"}, {"settings a b c d", 2, "at most"},
      {"settings Window Top abc", 2, "integer"}, {"settings 'A]' k", 2, "section"},
      {"settings A 'k=v'", 2, "key"},
      {"sample --help", 0, "--scale"}, {"sample --from 2024 --to 2024", 2, "--out"},
      {"sample --out x --from 1980 --to 2024", 2, "1990"}, {"sample --out x --from 2024 --to 2023", 2, "after"},
      {"sample --out x --from 2024 --to 2024 --scale 0", 2, "--scale"},
  };
  for (const auto& c : cases) {
    TRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_NE(run.out.find(c.contains), std::string::npos) << c.args << "\n" << run.out;
  }
}

TEST(Cli, SettingsWritesShiftJisAndReadsBackUtf8) {
  TTempHome home;
  TRun write = RunCli("settings OutPut YOSO_PATH '/予想/'");
  EXPECT_EQ(write.status, 0) << write.out;
  EXPECT_NE(write.out.find("changed"), std::string::npos);
  EXPECT_EQ(home.ReadFile("Umayado.ini"), "[OutPut]\r\nYOSO_PATH=" + Utf8ToSjis("/予想/") + "\r\n");

  TRun read = RunCli("settings output yoso_path");
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(LastLine(read.out), "/予想/");
  // Known keys read with their defaults; unknown keys as empty text.
  EXPECT_EQ(LastLine(RunCli("settings DEBUG COUNT").out), "6");
  EXPECT_EQ(LastLine(RunCli("settings JVLINK FirstFileTimeStamp").out), "00000000000000");
  EXPECT_EQ(RunCli("settings Nowhere nokey").out, "\n");

  EXPECT_NE(RunCli("settings").out.find("YOSO_PATH=/予想/"), std::string::npos);
  EXPECT_EQ(RunCli("settings OutPut").status, 0);
  EXPECT_EQ(RunCli("settings Missing").status, 1);
  EXPECT_NE(RunCli("settings --keys").out.find("TF_EXT_TYPE"), std::string::npos);
}

TEST(Cli, SettingsSaysWhenTheFileCannotBeWritten) {
  TTempHome home;
  setenv("MIZUNARA_HOME", (home.path() + "no/such/folder").c_str(), 1);
  TRun run = RunCli("settings Window Top 5");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("cannot write"), std::string::npos) << run.out;
}

TEST(Cli, RacesAndRaceShowTheDatabaseInJapanese) {
  TTempHome home;
  // One race at Tokyo with two runners, written as the database stores it.
  sample::TWorld world;
  for (const char* name : {"サクラミズナラ", "アオバスター"}) {
    sample::THorse h;
    h.id = 2021100001 + static_cast<int>(world.horses.size());
    h.name = Utf8ToSjis(name);
    world.horses.push_back(h);
  }
  sample::TRace race;
  race.date = 20251221;
  race.venue = 5;
  race.venueCode = "05";
  race.meeting = 5;
  race.meetingDay = 8;
  race.raceNo = 11;
  race.key = "2025122105050811";
  race.mainTitle = Utf8ToSjis("ミズナラ記念");
  race.shortName10 = race.mainTitle;
  race.grade = 'A';
  race.weekday = 2;
  race.distance = 2400;
  race.track = 11;
  race.ageCode = 13;
  race.conditions = {0, 999, 999, 999, 999};
  race.registered = 2;
  for (int i = 0; i < 2; ++i) {
    sample::TRunner r;
    r.horse = i;
    r.horseNo = r.frame = i + 1;
    r.position = r.arrival = i + 1;
    r.time = 1445 + i;
    race.runners.push_back(r);
  }
  std::string se;
  for (const sample::TRunner& r : race.runners) se += sample::SeRecord(world, race, r, '7', 20251222);
  home.WriteFile("DATA/RA/20250505.DAT", sample::RaRecord(race, '7', 20251222));
  home.WriteFile("DATA/SE/20250505.DAT", se);
  home.WriteFile("DATA/RA/2025.IDX", race.key);

  TRun keys = RunCli("races --kind 23");
  EXPECT_EQ(keys.status, 0);
  EXPECT_NE(keys.out.find("2025年東京５回"), std::string::npos) << keys.out;
  TRun list = RunCli("races --kind 23 --key 1");
  EXPECT_NE(list.out.find("ミズナラ記念（G1）"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("芝2400"), std::string::npos) << list.out;
  TRun one = RunCli("race 2025122105050811");
  EXPECT_EQ(one.status, 0);
  EXPECT_NE(one.out.find("ミズナラ記念"), std::string::npos) << one.out;
  EXPECT_NE(one.out.find("サクラミズナラ"), std::string::npos) << one.out;
  EXPECT_EQ(RunCli("race 2025122105050812").status, 1);
  EXPECT_EQ(RunCli("race 123").status, 2);
  EXPECT_EQ(RunCli("races --key 1").status, 2);
}

TEST(Cli, JVLinkSettingsShownAndSet) {
  TTempHome home;
  TRun shown = RunCli("jvlink");
  EXPECT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find(home.path() + "JVFEED/"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("(none"), std::string::npos);
  TRun set = RunCli("jvlink --feed /srv/feed --key ABCD1234");
  EXPECT_EQ(set.status, 0);
  EXPECT_NE(set.out.find("/srv/feed/"), std::string::npos) << set.out;
  EXPECT_NE(set.out.find("ABCD1234"), std::string::npos);
  EXPECT_NE(home.ReadFile("jvlink.ini").find("ServiceKey=ABCD1234\r\n"), std::string::npos);
  EXPECT_EQ(RunCli("jvlink --bogus x").status, 2);
}
