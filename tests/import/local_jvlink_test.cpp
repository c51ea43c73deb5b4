// The local JV-Link on a small feed built in a temporary program folder:
// argument checks and call order, which files an open takes and in what
// order, downloads into the save folder, the record sequence with its file
// ends, skipping, bad files, real-time data and race videos; and jvlink.ini.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/file_io.h"
#include "database/jv_records.h"
#include "import/jvlink_settings.h"
#include "import/local_jvlink.h"
#include "sample/sample_record.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

const char kSid[] = "SQ120345/SR678901/umaya204/Version 1.3.2";
const char kFromStart[] = "00000000000000";

// A blank record of a kind with its head filled in.
std::string Record(std::string_view id, int length, int created = 20250105) {
  return sample::TRecordWriter(id, length, '1', created).bytes();
}
std::string YS(int created = 20250105) { return Record("YS", jv::ys::kLength, created); }
std::string WE(int created = 20250105) { return Record("WE", jv::we::kLength, created); }

class LocalJVLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kServiceKey, "TEST-KEY")); }

  void Feed(const std::string& relative, const std::string& bytes) {
    home_.WriteFile("JVFEED/" + relative, bytes);
  }
  bool Cached(const std::string& relative) const { return fs::exists(home_.path() + "JVCACHE/" + relative); }

  // Opens after JVInit; the outs land in the fixture.
  int Open(const std::string& dataspec, const std::string& fromtime = kFromStart) {
    EXPECT_EQ(link_.JVInit(kSid), 0);
    return link_.JVOpen(dataspec, fromtime, 1, readCount_, downloadCount_, lastStamp_);
  }

  // Calls JVStatus until it reaches the download count (as the import
  // does), at most a bounded number of times; the last result.
  int WaitForDownloads() {
    int result = 0;
    for (int i = 0; i < 100 && result != downloadCount_; ++i) {
      result = link_.JVStatus();
      if (result < 0) break;
    }
    return result;
  }

  // One entry per JVRead until 0: "<file> <id> <length>" for a record,
  // "<file> <code>" otherwise, "0" for the end.
  std::vector<std::string> ReadAll(int limit = 100) {
    std::vector<std::string> trace;
    std::string buff, file;
    int size = kJVReadSize;
    for (int i = 0; i < limit; ++i) {
      int result = link_.JVRead(buff, size, file);
      if (result > 0) {
        trace.push_back(file + " " + buff.substr(0, 2) + " " + std::to_string(result));
      } else if (result == 0) {
        trace.push_back("0");
        break;
      } else {
        trace.push_back(file + " " + std::to_string(result));
      }
    }
    EXPECT_EQ(size, kJVReadSize);
    return trace;
  }

  TTempHome home_;
  TLocalJVLink link_;
  int readCount_ = -9;
  int downloadCount_ = -9;
  std::string lastStamp_;
};

using Trace = std::vector<std::string>;

TEST_F(LocalJVLinkTest, ArgumentChecksAndCallOrder) {
  struct TCase {
    const char* what;
    bool init;
    std::function<int(TLocalJVLink&)> call;
    int expected;
  };
  int r = 0, d = 0;
  std::string last, buff, file;
  int size = kJVReadSize;
  auto open = [&](const std::string& spec, const std::string& from, int option) {
    return [=, &r, &d, &last](TLocalJVLink& link) { return link.JVOpen(spec, from, option, r, d, last); };
  };
  const std::vector<TCase> cases = {
      {"empty sid", false, [](TLocalJVLink& l) { return l.JVInit(""); }, -101},
      {"sid of 65 bytes", false, [](TLocalJVLink& l) { return l.JVInit(std::string(65, 'A')); }, -102},
      {"sid of 64 bytes", false, [](TLocalJVLink& l) { return l.JVInit(std::string(64, 'A')); }, 0},
      {"sid with a leading blank", false, [](TLocalJVLink& l) { return l.JVInit(" SQ"); }, -103},
      {"open before init", false, open("RACE", kFromStart, 1), -201},
      {"real-time open before init", false, [](TLocalJVLink& l) { return l.JVRTOpen("0B11", "20250105"); }, -201},
      {"status before init", false, [](TLocalJVLink& l) { return l.JVStatus(); }, -201},
      {"read before init", false, [&](TLocalJVLink& l) { return l.JVRead(buff, size, file); }, -201},
      {"video check before init", false, [](TLocalJVLink& l) { return l.JVMVCheck("2025010506010101"); }, -201},
      {"read without open", true, [&](TLocalJVLink& l) { return l.JVRead(buff, size, file); }, -203},
      {"status without open", true, [](TLocalJVLink& l) { return l.JVStatus(); }, -203},
      {"skip without open", true, [](TLocalJVLink& l) { return l.JVSkip(); }, -203},
      {"close without open", true, [](TLocalJVLink& l) { return l.JVClose(); }, 0},
      {"unknown data spec", true, open("RACEXXXX", kFromStart, 1), -111},
      {"lower-case data spec", true, open("race", kFromStart, 1), -111},
      {"data spec not in fours", true, open("RACED", kFromStart, 1), -111},
      {"empty data spec", true, open("", kFromStart, 1), -111},
      {"short from-time", true, open("RACE", "20250105", 1), -112},
      {"from-time with a letter", true, open("RACE", "2025010500000A", 1), -112},
      {"option 0", true, open("RACE", kFromStart, 0), -115},
      {"option 5", true, open("RACE", kFromStart, 5), -115},
      {"real-time data spec 0B13", true, [](TLocalJVLink& l) { return l.JVRTOpen("0B13", "20250105"); }, -111},
      {"stored data spec as real-time", true, [](TLocalJVLink& l) { return l.JVRTOpen("RACE", "20250105"); }, -111},
      {"key of 15 digits", true, [](TLocalJVLink& l) { return l.JVRTOpen("0B30", "202501050601010"); }, -114},
      {"key with a letter", true, [](TLocalJVLink& l) { return l.JVRTOpen("0B11", "2025010X"); }, -114},
      {"video key of 8 digits", true, [](TLocalJVLink& l) { return l.JVMVCheck("20250105"); }, -114},
  };
  Feed("RACE/20250105120000.jvd", YS());
  for (const TCase& c : cases) {
    TLocalJVLink link;
    if (c.init) {
      ASSERT_EQ(link.JVInit(kSid), 0) << c.what;
    }
    EXPECT_EQ(c.call(link), c.expected) << c.what;
  }

  // An open while one is open, and after JVClose again.
  TLocalJVLink link;
  ASSERT_EQ(link.JVInit(kSid), 0);
  ASSERT_EQ(link.JVOpen("RACE", kFromStart, 3, r, d, last), 0);
  EXPECT_EQ(link.JVOpen("RACE", kFromStart, 3, r, d, last), -202);
  EXPECT_EQ(link.JVRTOpen("0B11", "20250105"), -202);
  EXPECT_EQ(link.JVClose(), 0);
  EXPECT_EQ(link.JVRead(buff, size, file), -203);
  EXPECT_EQ(link.JVOpen("RACE", kFromStart, 3, r, d, last), 0);

  // Without a service key the data calls fail; the argument checks still
  // come first.
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kServiceKey, ""));
  TLocalJVLink keyless;
  ASSERT_EQ(keyless.JVInit(kSid), 0);
  EXPECT_EQ(keyless.JVOpen("RACE", kFromStart, 1, r, d, last), -303);
  EXPECT_EQ(keyless.JVRTOpen("0B11", "20250105"), -303);
  EXPECT_EQ(keyless.JVOpen("RACE", "x", 1, r, d, last), -112);
}

TEST_F(LocalJVLinkTest, OpenTakesTheListedDataSpecsLaterThanTheFromTimeInTimestampOrder) {
  Feed("RACE/20250105120000.jvd", YS() + YS());
  Feed("RACE/20250103120000.jvd", WE());
  Feed("DIFF/20250103120000.jvd", YS());
  Feed("DIFF/20250101000000.jvd", WE());
  Feed("BLOD/20250104000000.jvd", YS());           // not asked for
  Feed("RACE/2025010612000.jvd", YS());            // not a timestamp name
  Feed("RACE/20250106120000.txt", YS());
  Feed("RACE/20250107120000.jvd.part", YS());

  // Equal timestamps follow the order of the data specs in the call.
  ASSERT_EQ(Open("DIFFRACE", "20250101000000"), 0);
  EXPECT_EQ(readCount_, 3);
  EXPECT_EQ(downloadCount_, 3);
  EXPECT_EQ(lastStamp_, "20250105120000");
  EXPECT_EQ(ReadAll(), (Trace{"DIFF/20250103120000.jvd YS 382", "DIFF/20250103120000.jvd -1",
                              "RACE/20250103120000.jvd WE 42", "RACE/20250103120000.jvd -1",
                              "RACE/20250105120000.jvd YS 382", "RACE/20250105120000.jvd YS 382",
                              "RACE/20250105120000.jvd -1", "0"}));
  EXPECT_EQ(link_.JVClose(), 0);

  ASSERT_EQ(Open("RACEDIFF", "20250101000000"), 0);
  Trace trace = ReadAll();
  ASSERT_GE(trace.size(), 3u);
  EXPECT_EQ(trace[0], "RACE/20250103120000.jvd WE 42");
  EXPECT_EQ(trace[2], "DIFF/20250103120000.jvd YS 382");
  link_.JVClose();

  // The from-time itself is not later than the from-time.
  ASSERT_EQ(Open("RACE", "20250103120000"), 0);
  EXPECT_EQ(readCount_, 1);
  EXPECT_EQ(lastStamp_, "20250105120000");
  link_.JVClose();

  EXPECT_EQ(Open("RACEDIFF", "20250105120000"), -1);
  EXPECT_EQ(readCount_, 0);
  EXPECT_EQ(downloadCount_, 0);
  EXPECT_EQ(link_.JVClose(), 0);
  EXPECT_EQ(Open("TOKU"), -1);  // no folder at all
  link_.JVClose();
}

TEST_F(LocalJVLinkTest, StatusDownloadsIntoTheSaveFolderAndReadingUsesTheCopies) {
  Feed("RACE/20250103120000.jvd", WE(20250103));
  Feed("RACE/20250105120000.jvd", YS(20250105));
  Feed("DIFF/20250104120000.jvd", YS(20250104));

  ASSERT_EQ(Open("RACEDIFF"), 0);
  ASSERT_EQ(downloadCount_, 3);
  EXPECT_FALSE(Cached("RACE/20250103120000.jvd"));
  EXPECT_EQ(WaitForDownloads(), 3);
  EXPECT_EQ(link_.JVStatus(), 3);  // stays there
  EXPECT_EQ(home_.ReadFile("JVCACHE/RACE/20250105120000.jvd"), YS(20250105));
  EXPECT_EQ(home_.ReadFile("JVCACHE/DIFF/20250104120000.jvd"), YS(20250104));
  for (const auto& entry : fs::recursive_directory_iterator(home_.path() + "JVCACHE")) {
    EXPECT_EQ(entry.path().extension(), entry.is_directory() ? "" : ".jvd") << entry.path();
  }
  link_.JVClose();

  // Copied files are not downloaded again; the copy is what is read.
  Feed("RACE/20250105120000.jvd", YS(20250199));  // same size, other bytes
  ASSERT_EQ(Open("RACEDIFF"), 0);
  EXPECT_EQ(readCount_, 3);
  EXPECT_EQ(downloadCount_, 0);
  EXPECT_EQ(link_.JVStatus(), 0);
  std::string buff, file;
  int size = kJVReadSize;
  std::vector<std::string> records;
  while (link_.JVRead(buff, size, file) != 0) {
    if (!buff.empty()) records.push_back(buff);
  }
  EXPECT_EQ(records, (std::vector<std::string>{WE(20250103), YS(20250104), YS(20250105)}));
  link_.JVClose();

  // A feed file whose size differs from its copy, and a deleted copy, are
  // downloaded again; reading without waiting downloads on the way.
  Feed("DIFF/20250104120000.jvd", YS(20250104) + YS(20250104));
  ASSERT_EQ(link_.JVFiledelete("RACE/20250103120000.jvd"), 0);
  EXPECT_FALSE(Cached("RACE/20250103120000.jvd"));
  ASSERT_EQ(Open("RACEDIFF"), 0);
  EXPECT_EQ(downloadCount_, 2);
  EXPECT_EQ(ReadAll().size(), 8u);  // 4 records, 3 file ends, the end
  EXPECT_EQ(link_.JVStatus(), 2);
  EXPECT_EQ(home_.ReadFile("JVCACHE/DIFF/20250104120000.jvd"), YS(20250104) + YS(20250104));
  EXPECT_TRUE(Cached("RACE/20250103120000.jvd"));
}

TEST_F(LocalJVLinkTest, ReadGivesRecordsFileEndsAndTheCurrentFileTimestamp) {
  Feed("RACE/20250103120000.jvd", WE(20250103) + YS(20250103));
  Feed("RACE/20250105120000.jvd", YS(20250105));
  ASSERT_EQ(Open("RACE"), 0);
  ASSERT_EQ(WaitForDownloads(), 2);
  EXPECT_EQ(link_.CurrentFileTimestamp(), "");

  std::string buff, file;
  int size = kJVReadSize;
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::we::kLength);
  EXPECT_EQ(buff, WE(20250103));
  EXPECT_EQ(file, "RACE/20250103120000.jvd");
  EXPECT_EQ(link_.CurrentFileTimestamp(), "20250103120000");
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::ys::kLength);
  EXPECT_EQ(buff, YS(20250103));
  // At the end of a file, the file and its timestamp are still that file's.
  EXPECT_EQ(link_.JVRead(buff, size, file), -1);
  EXPECT_EQ(file, "RACE/20250103120000.jvd");
  EXPECT_EQ(link_.CurrentFileTimestamp(), "20250103120000");
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::ys::kLength);
  EXPECT_EQ(link_.CurrentFileTimestamp(), "20250105120000");
  EXPECT_EQ(link_.JVRead(buff, size, file), -1);
  EXPECT_EQ(link_.JVRead(buff, size, file), 0);
  EXPECT_EQ(link_.JVRead(buff, size, file), 0);
  EXPECT_EQ(size, kJVReadSize);
}

TEST_F(LocalJVLinkTest, RecordsOfEveryLengthAcrossReadPieces) {
  // Over a megabyte of records of odd length, with records of the longest
  // kind between them, so that records straddle the pieces a file is read in.
  std::string bytes;
  int count = 0;
  for (int i = 0; i < 4000; ++i) {
    bytes += i % 1000 == 999 ? Record("H6", jv::h6::kLength) : YS(20250000 + i % 100);
    ++count;
  }
  Feed("RACE/20250105120000.jvd", bytes);
  ASSERT_EQ(Open("RACE"), 0);
  std::string buff, file, joined;
  int size = kJVReadSize;
  int records = 0;
  for (int result; (result = link_.JVRead(buff, size, file)) > 0;) {
    ASSERT_EQ(result, static_cast<int>(buff.size()));
    joined += buff;
    ++records;
  }
  EXPECT_EQ(records, count);
  EXPECT_TRUE(joined == bytes);
}

TEST_F(LocalJVLinkTest, SkipLeavesTheRestOfTheCurrentFileOnly) {
  Feed("RACE/20250103120000.jvd", WE() + WE() + WE());
  Feed("RACE/20250104120000.jvd", YS() + YS());
  Feed("RACE/20250105120000.jvd", WE());
  ASSERT_EQ(Open("RACE"), 0);
  std::string buff, file;
  int size = kJVReadSize;
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::we::kLength);
  EXPECT_EQ(link_.JVSkip(), 0);
  // The next read starts the next file, without an end of file between.
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::ys::kLength);
  EXPECT_EQ(file, "RACE/20250104120000.jvd");
  EXPECT_EQ(link_.JVRead(buff, size, file), jv::ys::kLength);
  EXPECT_EQ(link_.JVRead(buff, size, file), -1);
  // A skip after the end of a file does not skip the next one.
  EXPECT_EQ(link_.JVSkip(), 0);
  EXPECT_EQ(ReadAll(), (Trace{"RACE/20250105120000.jvd WE 42", "RACE/20250105120000.jvd -1", "0"}));
  EXPECT_EQ(link_.JVSkip(), 0);
}

TEST_F(LocalJVLinkTest, BadFilesAndTheirDeletion) {
  const std::string ys = YS();
  const std::string noCr = ys.substr(0, ys.size() - 2) + " \n";  // right length, no CR
  std::string noLineEnd(jv::h6::kLength + 10, ' ');
  noLineEnd.replace(0, 2, "H6");
  struct TCase {
    const char* what;
    std::string bytes;
    Trace trace;  // what reading the bad file gives, before the next file
  };
  const std::string bad = "RACE/20250103120000.jvd";
  const std::vector<TCase> cases = {
      {"empty file", "", {bad + " -402"}},
      {"LF without CR", ys + noCr + ys, {bad + " YS 382", bad + " -403"}},
      {"wrong length of a known kind", ys.substr(0, 100) + "\r\n", {bad + " -403"}},
      {"last record without a line end", ys + ys.substr(0, 380), {bad + " YS 382", bad + " -403"}},
      {"no line end within the longest record", noLineEnd, {bad + " -403"}},
      {"empty line", "\r\n", {bad + " -403"}},
      {"unknown kind without CR", "JG" + std::string(79, ' ') + "\n", {bad + " -403"}},
      {"id that is no id", " S" + ys.substr(2), {bad + " -403"}},
      {"lower-case id", "ys" + ys.substr(2), {bad + " -403"}},
      // A kind the program does not know is delivered for the caller to skip.
      {"unknown kind", "JG" + std::string(78, ' ') + "\r\n", {bad + " JG 82", bad + " -1"}},
  };
  Feed("RACE/20250105120000.jvd", WE());
  for (const TCase& c : cases) {
    Feed(bad, c.bytes);
    ASSERT_EQ(Open("RACE"), 0) << c.what;
    ASSERT_EQ(WaitForDownloads(), downloadCount_) << c.what;
    Trace expected = c.trace;
    expected.insert(expected.end(), {"RACE/20250105120000.jvd WE 42", "RACE/20250105120000.jvd -1", "0"});
    EXPECT_EQ(ReadAll(), expected) << c.what;
    // The caller deletes the bad file; its copy goes, the next open
    // downloads it again.
    EXPECT_EQ(link_.JVFiledelete(bad), 0) << c.what;
    EXPECT_FALSE(Cached(bad)) << c.what;
    EXPECT_TRUE(Cached("RACE/20250105120000.jvd")) << c.what;
    link_.JVClose();
  }
  EXPECT_EQ(Open("RACE"), 0);
  EXPECT_EQ(downloadCount_, 1);

  // Names that are not files of the save folder.
  for (const char* name : {"", "RACE", "../jvlink.ini", "RACE/../../jvlink.ini", "XXXX/20250103120000.jvd",
                           "RACE/2025010312000.jvd", "RACE/x/20250103120000.jvd"}) {
    EXPECT_EQ(link_.JVFiledelete(name), -100) << name;
  }
  EXPECT_TRUE(fs::exists(JVLinkSettingsPath()));
  EXPECT_EQ(link_.JVFiledelete("RACE/20250101000000.jvd"), 0);  // no copy: nothing to delete
  EXPECT_EQ(link_.JVFiledelete("0B11/20250105.jvd"), 0);       // real-time: never downloaded
}

TEST_F(LocalJVLinkTest, RealTimeDataByDateOrRaceKey) {
  Feed("0B11/20251228.jvd", WE(20251228) + WE(20251228));
  Feed("0B30/2025122806050401.jvd", Record("O1", jv::o1::kLength, 20251228));
  ASSERT_EQ(link_.JVInit(kSid), 0);

  ASSERT_EQ(link_.JVRTOpen("0B11", "20251228"), 0);
  EXPECT_EQ(ReadAll(), (Trace{"0B11/20251228.jvd WE 42", "0B11/20251228.jvd WE 42", "0B11/20251228.jvd -1",
                              "0"}));
  EXPECT_EQ(link_.CurrentFileTimestamp().size(), 14u);
  EXPECT_EQ(link_.JVClose(), 0);

  ASSERT_EQ(link_.JVRTOpen("0B30", "2025122806050401"), 0);
  EXPECT_EQ(ReadAll(), (Trace{"0B30/2025122806050401.jvd O1 962", "0B30/2025122806050401.jvd -1", "0"}));
  EXPECT_EQ(link_.JVClose(), 0);

  // No data for the key: -1, and nothing stays open.
  EXPECT_EQ(link_.JVRTOpen("0B30", "2025122806050402"), -1);
  EXPECT_EQ(link_.JVRTOpen("0B12", "20251228"), -1);
  EXPECT_EQ(link_.JVClose(), 0);
  EXPECT_EQ(link_.JVRTOpen("0B11", "20251228"), 0);
  EXPECT_FALSE(fs::exists(home_.path() + "JVCACHE"));
}

TEST_F(LocalJVLinkTest, RaceVideos) {
  Feed("VIDEO/2025122806050401.mp4", "video");
  Feed("VIDEO/20251228060504011.mp4", "another race");
  std::vector<std::string> played;
  link_.SetVideoPlayer([&](const std::string& path) {
    played.push_back(path);
    return 0;
  });
  ASSERT_EQ(link_.JVInit(kSid), 0);
  EXPECT_EQ(link_.JVMVCheck("2025122806050401"), 1);
  EXPECT_EQ(link_.JVMVCheck("2025122806050402"), 0);
  EXPECT_EQ(link_.JVMVPlay("2025122806050401"), 0);
  EXPECT_EQ(link_.JVMVPlay("2025122806050402"), -1);
  EXPECT_EQ(played, std::vector<std::string>{home_.path() + "JVFEED/VIDEO/2025122806050401.mp4"});
}

TEST_F(LocalJVLinkTest, SettingsDialogGoesThroughTheHandler) {
  EXPECT_EQ(link_.JVSetUIProperties(), 0);
  int shown = 0;
  link_.SetUIPropertiesHandler([&] { return ++shown == 1 ? -100 : 0; });
  EXPECT_EQ(link_.JVSetUIProperties(), -100);
  EXPECT_EQ(shown, 1);
}

TEST_F(LocalJVLinkTest, FeedAndSaveFoldersFromTheSettings) {
  std::string feed = home_.path() + "other feed";
  std::string save = home_.path() + "cache";
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kFeedPath, feed));  // no final "/"
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kSavePath, save + "/"));
  home_.WriteFile("other feed/YSCH/20250105120000.jvd", YS());
  ASSERT_EQ(Open("YSCH"), 0);
  EXPECT_EQ(WaitForDownloads(), 1);
  EXPECT_TRUE(fs::exists(save + "/YSCH/20250105120000.jvd"));
}

TEST(JVLinkSettings, DefaultsAndWritesThatKeepTheRestOfTheFile) {
  TTempHome home;
  TJVLinkSettings defaults = ReadJVLinkSettings();
  EXPECT_EQ(defaults.feedPath, home.path() + "JVFEED/");
  EXPECT_EQ(defaults.savePath, home.path() + "JVCACHE/");
  EXPECT_EQ(defaults.serviceKey, "");

  home.WriteFile("jvlink.ini", "; kept\r\n[Other]\r\nServiceKey=not this\r\n[jvlink]\r\nservicekey = \"OLD\"\r\n"
                               "Extra=1\r\n\r\n[Last]\r\nA=B\r\n");
  EXPECT_EQ(ReadJVLinkSetting("ServiceKey", "-"), "OLD");
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kServiceKey, "NEW-KEY"));
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kFeedPath, "/feed/"));
  EXPECT_EQ(home.ReadFile("jvlink.ini"), "; kept\r\n[Other]\r\nServiceKey=not this\r\n[jvlink]\r\nServiceKey=NEW-KEY\r\n"
                                         "Extra=1\r\nFeedPath=/feed/\r\n\r\n[Last]\r\nA=B\r\n");
  TJVLinkSettings s = ReadJVLinkSettings();
  EXPECT_EQ(s.serviceKey, "NEW-KEY");
  EXPECT_EQ(s.feedPath, "/feed/");
  EXPECT_EQ(s.savePath, home.path() + "JVCACHE/");

  // A file without the section gets it at its end.
  home.WriteFile("jvlink.ini", "[Other]\r\nA=1\r\n");
  ASSERT_TRUE(WriteJVLinkSetting(jvlink_ini::kSavePath, "/save/"));
  EXPECT_EQ(home.ReadFile("jvlink.ini"), "[Other]\r\nA=1\r\n\r\n[JVLink]\r\nSavePath=/save/\r\n");
}

}  // namespace
