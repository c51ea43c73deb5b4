// Appending delivered records to staging files.
#include "import/staging.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/file_problem.h"
#include "app/sjis.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

// A blank record of a kind with its id, data kind "2", creation date and
// the given fields set.
std::string Record(const char* id, std::vector<std::pair<int, std::string>> fields) {
  const TRecordKind* kind = FindRecordKind(id);
  std::string r(static_cast<std::size_t>(kind->length), ' ');
  r.replace(0, 11, std::string(id) + "220040601");
  r.replace(r.size() - 2, 2, "\r\n");
  for (const auto& [offset, text] : fields) r.replace(static_cast<std::size_t>(offset), text.size(), text);
  return r;
}

std::string Raced(const char* id, const std::string& raceKey) { return Record(id, {{11, raceKey}}); }

TEST(Staging, EachKindGoesToTheFileOfItsNumber) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  struct TCase {
    std::string record;
    std::string file;
  };
  const std::vector<TCase> cases = {
      {Raced("RA", "2004052905030811"), "DATA/RA/20040503.DAT~"},  // Tokyo, 3rd meeting
      {Raced("RA", "2004052944030811"), "DATA/RA/200444.DAT~"},    // a local racecourse: one file a year
      {Raced("RA", "20040529A4000001"), "DATA/RA/200499.DAT~"},    // overseas
      {Raced("SE", "2004052905030811"), "DATA/SE/20040503.DAT~"},
      {Raced("O6", "2004052905030811"), "DATA/O6/20040503.DAT~"},
      {Raced("TK", "2004052905030811"), "DATA/TK/20040529.DAT~"},
      {Raced("WH", "2004052905030811"), "DATA/WH/20040529.DAT~"},
      {Record("WE", {{11, "20040529050308"}}), "DATA/WE/20040529.DAT~"},
      {Record("YS", {{11, "20040529050308"}}), "DATA/YS/2004.DAT~"},
      {Record("UM", {{11, "2001104567"}, {38, "20010415"}}), "DATA/UM/2001.DAT~"},
      {Record("SK", {{11, "2001104567"}, {21, "20010415"}}), "DATA/SK/2001.DAT~"},
      {Record("HN", {{11, "00123456"}}), "DATA/HN/12.DAT~"},
      {Record("HC", {{11, "0"}, {12, "20040528"}}), "DATA/HC/200405.DAT~"},
      {Record("KS", {{11, "01234"}}), "DATA/KS.DAT~"},
      {Record("RC", {{11, "1"}}), "DATA/RC.DAT~"},
  };
  TStaging staging;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(staging.Append(c.record));
    staging.Close();
    EXPECT_EQ(home.ReadFile(c.file), c.record);
    EXPECT_EQ(staging.TouchedFiles().count(home.path() + c.file), 1u);
  }
  EXPECT_TRUE(frontEnd.messages.empty());
}

TEST(Staging, KeepsAFileOpenAcrossOneNumberAndAppendsToWhatIsThere) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  std::string earlier = Raced("RA", "2004052905030801");
  home.WriteFile("DATA/RA/20040503.DAT~", earlier);  // left by an interrupted run
  std::string a = Raced("RA", "2004052905030811");
  std::string b = Raced("RA", "2004052905030812");
  std::string other = Raced("RA", "2004060505040801");
  std::string c = Raced("RA", "2004053005030901");
  std::string se = Raced("SE", "2004052905030811");

  TStaging staging;
  for (const std::string* r : {&a, &b, &other, &c, &se}) ASSERT_TRUE(staging.Append(*r));
  staging.Close();

  EXPECT_EQ(home.ReadFile("DATA/RA/20040503.DAT~"), earlier + a + b + c);
  EXPECT_EQ(home.ReadFile("DATA/RA/20040504.DAT~"), other);
  EXPECT_EQ(home.ReadFile("DATA/SE/20040503.DAT~"), se);
  EXPECT_EQ(staging.TouchedFiles().size(), 3u);
}

TEST(Staging, AStagingFileOfBrokenLengthIsReportedAndLeftAlone) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  std::string broken(1271, 'x');
  std::string path = home.WriteFile("DATA/RA/20040503.DAT~", broken);

  TStaging staging;
  EXPECT_FALSE(staging.Append(Raced("RA", "2004052905030811")));
  ASSERT_EQ(frontEnd.Errors().size(), 1u);
  EXPECT_EQ(frontEnd.Errors()[0], path + "\n" + SJ("ファイルサイズに異常有り（1271）"));
  EXPECT_EQ(home.ReadFile("DATA/RA/20040503.DAT~"), broken);
  EXPECT_TRUE(staging.TouchedFiles().empty());

  // Another file is still fine.
  EXPECT_TRUE(staging.Append(Raced("RA", "2004060505040801")));
}

TEST(Staging, RefusesRecordsThatAreNotWholeRecordsOfAKnownKind) {
  TTempHome home;
  TRecordingFrontEnd frontEnd;
  TStaging staging;
  std::string ra = Raced("RA", "2004052905030811");
  EXPECT_FALSE(staging.Append(ra.substr(0, ra.size() - 1)));
  EXPECT_FALSE(staging.Append("ZZ" + ra.substr(2)));
  EXPECT_FALSE(staging.Append(""));
  EXPECT_TRUE(staging.TouchedFiles().empty());
  EXPECT_EQ(home.ReadFile("DATA/RA/20040503.DAT~"), "");
}

}  // namespace
