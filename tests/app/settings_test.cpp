#include "app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/program_folder.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "support/temp_home.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  std::string Ini() const { return home_.ReadFile("Umayado.ini"); }
  void SetIni(const std::string& bytes) { home_.WriteFile("Umayado.ini", bytes); }
  TTempHome home_;
};

}  // namespace

TEST_F(SettingsTest, WithoutAFileEveryReadGivesItsDefault) {
  EXPECT_FALSE(SectionExists(ini::kWindow));
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kTop, 0), 0);
  EXPECT_EQ(ReadInteger(ini::kDebug, ini::kCount, ini::kCountDefault), 6);
  EXPECT_TRUE(ReadBool(ini::kInPut, ini::kKol, true));
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kFirstFileTimeStamp, ini::kFirstFileTimeStampDefault), "00000000000000");
  EXPECT_EQ(DataFolder(), home_.path() + "DATA/");
  EXPECT_EQ(SettingsFilePath(), home_.path() + "Umayado.ini");
  EXPECT_FALSE(std::filesystem::exists(home_.path() + "Umayado.ini")) << "reads must not create the file";
}

TEST_F(SettingsTest, DataPathIsUsedExactlyAsStored) {
  WriteString(ini::kJvLink, ini::kDataPath, "/srv/jv/");
  EXPECT_EQ(DataFolder(), "/srv/jv/");
  WriteString(ini::kJvLink, ini::kDataPath, "/srv/jv");  // no trailing "/": names are appended directly
  EXPECT_EQ(DataFolder() + "RA/1.DAT", "/srv/jvRA/1.DAT");
  WriteString(ini::kJvLink, ini::kDataPath, "");
  EXPECT_EQ(DataFolder(), home_.path() + "DATA/");
}

TEST_F(SettingsTest, WritesReportWhetherTheValueChanged) {
  // Integer 0 to a missing key: no change against the default 0, but the key is created.
  EXPECT_FALSE(WriteInteger("S", "I", 0));
  EXPECT_NE(Ini().find("I=0"), std::string::npos);
  EXPECT_TRUE(WriteInteger("S", "I", 5));
  EXPECT_FALSE(WriteInteger("S", "I", 5));
  EXPECT_FALSE(WriteBool("S", "B", false));
  EXPECT_TRUE(WriteBool("S", "B", true));
  EXPECT_FALSE(WriteBool("S", "B", true));
  EXPECT_FALSE(WriteString("S", "T", ""));
  EXPECT_TRUE(WriteString("S", "T", SJ("東京")));
  EXPECT_FALSE(WriteString("S", "T", SJ("東京")));
  EXPECT_TRUE(WriteString("S", "T", ""));
  // A bool stored as 7 reads true: writing true changes nothing.
  SetIni("[S]\r\nB=7\r\n");
  EXPECT_FALSE(WriteBool("S", "B", true));
}

TEST_F(SettingsTest, ValuesAreReadLeniently) {
  SetIni(
      "[Num]\r\n"
      "dec= 42 \r\nneg=-7\r\nhex=0x1F\r\ndollar=$10\r\ntrail=12abc\r\nempty=\r\nhuge=99999999999\r\n"
      "[Bool]\r\ntwo=2\r\nminus=-1\r\nzero=0\r\nword=yes\r\n"
      "[Text]\r\nquoted=\"a b\"\r\nsingle='x'\r\nhalf=\"x\r\nspaced =  v w  \r\n");
  struct {
    const char* key;
    int value;
  } ints[] = {{"dec", 42}, {"neg", -7}, {"hex", 31}, {"dollar", 16},
              {"trail", -1}, {"empty", -1}, {"huge", -1}, {"missing", -1}};
  for (const auto& c : ints) EXPECT_EQ(ReadInteger("Num", c.key, -1), c.value) << c.key;
  EXPECT_TRUE(ReadBool("Bool", "two", false));
  EXPECT_TRUE(ReadBool("Bool", "minus", false));
  EXPECT_FALSE(ReadBool("Bool", "zero", true));
  EXPECT_TRUE(ReadBool("Bool", "word", true));
  EXPECT_FALSE(ReadBool("Bool", "word", false));
  EXPECT_EQ(ReadString("Text", "quoted", ""), "a b");
  EXPECT_EQ(ReadString("Text", "single", ""), "x");
  EXPECT_EQ(ReadString("Text", "half", ""), "\"x");
  EXPECT_EQ(ReadString("Text", "spaced", ""), "v w");
  EXPECT_EQ(ReadString("Num", "empty", "dflt"), "") << "a present empty key is not missing";
}

TEST_F(SettingsTest, NamesCompareWithoutCaseAndTheFirstMatchWins) {
  SetIni("[window]\nTOP=10\ntop=20\n[Window]\nLeft=5\n");
  EXPECT_TRUE(SectionExists("WINDOW"));
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kTop, 0), 10);
  // Only the first of two same-named sections is searched.
  EXPECT_EQ(ReadInteger(ini::kWindow, ini::kLeft, -1), -1);
}

TEST_F(SettingsTest, BrokenLinesAndForeignBytesReadAsDefaultsWithoutHarm) {
  std::string junk = "garbage line\r\n=nokey\r\n[Unclosed\r\nA=1\r\n";
  junk += std::string("\0\0\xFF\xFE\x81", 5) + "\r\n";
  junk += "[Ok]\r\nv=";
  junk += std::string(1 << 20, 'x');  // a one-megabyte value
  junk += "\r\nw=" + std::string("\x81", 1) + "\r\n";  // a cut two-byte character
  SetIni(junk);
  EXPECT_EQ(ReadInteger("Unclosed", "A", -1), -1);
  EXPECT_EQ(ReadString("Ok", "v", "").size(), 1u << 20);
  EXPECT_EQ(ReadString("Ok", "w", ""), std::string("\x81", 1));
  EXPECT_TRUE(WriteInteger("Ok", "n", 3));
  EXPECT_EQ(ReadInteger("Ok", "n", 0), 3);
  EXPECT_EQ(ReadString("Ok", "v", "").size(), 1u << 20) << "a write keeps the other lines";
}

TEST_F(SettingsTest, Utf16AndUtf8FilesWithAByteOrderMarkAreUnderstood) {
  std::u16string text = u"[JVLINK]\r\nDATA_PATH=/データ/\r\n";
  std::string le("\xFF\xFE", 2);
  for (char16_t c : text) {
    le += static_cast<char>(c & 0xFF);
    le += static_cast<char>(c >> 8);
  }
  SetIni(le);
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kDataPath, ""), Utf8ToSjis("/データ/"));
  SetIni("\xEF\xBB\xBF[JVLINK]\nDATA_PATH=/東京/\n");
  EXPECT_EQ(ReadString(ini::kJvLink, ini::kDataPath, ""), Utf8ToSjis("/東京/"));
}

TEST_F(SettingsTest, WritesKeepOtherLinesAndUseCrLf) {
  SetIni("; comment\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  WriteInteger("A", "z", 3);
  WriteInteger("B", "y", 4);
  WriteString("C", "name", SJ("中山"));
  EXPECT_EQ(Ini(), "; comment\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=4\r\n\r\n[C]\r\nname=" + SJ("中山") + "\r\n");
  // A line break in a value cannot split the line.
  WriteString("C", "name", "a\r\nb");
  EXPECT_EQ(ReadString("C", "name", ""), "a  b");
}

TEST_F(SettingsTest, DefaultStringWritesOnlyOverEmptyOrMissingText) {
  SetIni("[OutPut]\r\nYOSO_PATH=/mine/\r\nWARS_PATH=\r\n");
  DefaultString(ini::kOutPut, ini::kYosoPath, "/default/");
  DefaultString(ini::kOutPut, ini::kWarsPath, "/default/");
  DefaultString(ini::kOutPut, ini::kOversPath, "/default/");
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kYosoPath, ""), "/mine/");
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kWarsPath, ""), "/default/");
  EXPECT_EQ(ReadString(ini::kOutPut, ini::kOversPath, ""), "/default/");
}

TEST_F(SettingsTest, FollowsChangesMadeByAnotherProcess) {
  WriteInteger("S", "n", 1);
  EXPECT_EQ(ReadInteger("S", "n", 0), 1);
  SetIni("[S]\r\nn=222\r\n");  // same moment, other size
  EXPECT_EQ(ReadInteger("S", "n", 0), 222);
}

TEST_F(SettingsTest, AWriteThatCannotReachTheFileFailsQuietly) {
  // The program folder is missing.
  setenv("MIZUNARA_HOME", (home_.path() + "missing/folder/").c_str(), 1);
  CloseSettings();
  EXPECT_TRUE(WriteInteger("S", "n", 5));
  EXPECT_EQ(ReadInteger("S", "n", -1), -1);
  // A folder stands where the file should be: reads give defaults, nothing is replaced.
  std::filesystem::create_directories(home_.path() + "dir/Umayado.ini");
  setenv("MIZUNARA_HOME", (home_.path() + "dir").c_str(), 1);
  CloseSettings();
  WriteString("S", "t", "x");
  EXPECT_EQ(ReadString("S", "t", "d"), "d");
  EXPECT_TRUE(std::filesystem::is_directory(home_.path() + "dir/Umayado.ini"));
  EXPECT_EQ(DataFolder(), home_.path() + "dir/DATA/");
}

TEST_F(SettingsTest, AnOversizedFileReadsAsDefaultsAndIsNeverOverwritten) {
  std::string big = "[S]\r\nn=1\r\n" + std::string(17u << 20, ';');
  SetIni(big);
  EXPECT_EQ(ReadInteger("S", "n", -1), -1);
  WriteInteger("S", "n", 2);
  EXPECT_EQ(std::filesystem::file_size(home_.path() + "Umayado.ini"), big.size());
}

TEST(SettingsKeys, TableNamesEverySectionOnceWithUniqueKeys) {
  int rows = 0;
  for (const ini::TSettingKey* row = ini::kSettingKeys; row->section != nullptr; ++row, ++rows) {
    EXPECT_EQ(ini::FindSettingKey(row->section, row->key), row) << row->section << "/" << row->key;
  }
  EXPECT_GT(rows, 40);
  EXPECT_EQ(ini::BatchSection(2), "Batch2");
  EXPECT_EQ(ini::FindSettingKey("debug", "count")->defaultValue, std::string("6"));
  EXPECT_EQ(ini::FindSettingKey("Batch2", "Start"), nullptr);
}
