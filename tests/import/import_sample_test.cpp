// A full setup of a sample feed: every file of the database whole, sorted
// and unique, and the indexes agreeing with the data files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "analysis/process_objects.h"
#include "app/fixed_field.h"
#include "app/file_io.h"
#include "database/jv_records.h"
#include "import/import_run.h"
#include "import/local_jvlink.h"
#include "support/recording_front_end.h"
#include "support/sample_database.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Records(const fs::path& path, std::size_t length) {
  std::string data;
  EXPECT_TRUE(ReadWholeFile(path.string(), data)) << path;
  EXPECT_EQ(data.size() % length, 0u) << path;
  std::vector<std::string> records;
  for (std::size_t at = 0; at + length <= data.size(); at += length) records.push_back(data.substr(at, length));
  return records;
}

std::vector<fs::path> Files(const std::string& folder, const std::string& extension) {
  std::vector<fs::path> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == extension) files.push_back(entry.path());
  }
  return files;
}

}  // namespace

TEST(ImportSample, AFullSetupBuildsAWholeSortedDatabaseWhoseIndexesAgree) {
  TTempHome home;
  TRecordingFrontEnd front;
  CreateProcessObjects();
  WriteSampleFeed(home.path(), 2025, 2025, 11, 0.03);
  {
    TLocalJVLink jvlink;
    TRecordingRunView view;
    TImportRun run(jvlink, view, 11);
    ASSERT_TRUE(run.Run());
    EXPECT_FALSE(run.Cancelled());
  }
  EXPECT_TRUE(front.Errors().empty()) << front.Errors().front();
  const std::string data = home.path() + "DATA/";

  // Race files: sorted by race key, each race once; the race index holds them all.
  std::set<std::string> races;
  for (const fs::path& file : Files(data + "RA", ".DAT")) {
    std::vector<std::string> records = Records(file, jv::ra::kLength);
    std::string previous;
    for (const std::string& r : records) {
      std::string key = r.substr(11, 16);
      EXPECT_LT(previous, key) << file;
      previous = key;
      races.insert(key);
    }
  }
  std::set<std::string> indexed;
  for (const fs::path& file : Files(data + "RA", ".IDX")) {
    for (const std::string& key : Records(file, 16)) EXPECT_TRUE(indexed.insert(key).second) << key;
  }
  EXPECT_GT(races.size(), 300u);
  EXPECT_EQ(indexed, races);

  // Runner files sorted by race, then registration number; the runs index
  // holds every run of a registered horse.
  std::set<std::string> runs;
  for (const fs::path& file : Files(data + "SE", ".DAT")) {
    std::string previous;
    for (const std::string& r : Records(file, jv::se::kLength)) {
      char id[32];
      std::snprintf(id, sizeof id, "%s%010d", r.substr(11, 16).c_str(), ParseFixedField(r.data() + 30, 10));
      EXPECT_LT(previous, std::string(id)) << file;
      previous = id;
      if (ParseFixedField(r.data() + 30, 10) > 0 && ParseFixedField(r.data() + 2, 1) >= 2) {
        runs.insert(r.substr(30, 10) + r.substr(11, 16));
      }
    }
  }
  std::set<std::string> runIndex;
  for (const fs::path& file : Files(data + "SE", ".IDX")) {
    for (const std::string& e : Records(file, 26)) runIndex.insert(e);
  }
  EXPECT_EQ(runIndex, runs);

  // Horse index rows: one per horse master, pointing at the horse's first run.
  int pointed = 0;
  for (const fs::path& file : Files(data + "UM", ".IDX")) {
    std::string year = file.stem().string();
    std::vector<std::string> masters = Records(data + "UM/" + year + ".DAT", jv::um::kLength);
    std::vector<std::string> rows = Records(file, 16);
    ASSERT_EQ(masters.size(), rows.size()) << file;
    std::vector<std::string> index;
    if (fs::exists(data + "SE/" + year + ".IDX")) index = Records(data + "SE/" + year + ".IDX", 26);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].substr(0, 10), masters[i].substr(11, 10));
      if (rows[i].substr(10, 6) == "      ") continue;
      std::size_t row = static_cast<std::size_t>(ParseFixedField(rows[i].data() + 10, 6));
      ASSERT_LT(row, index.size());
      EXPECT_EQ(index[row].substr(0, 10), rows[i].substr(0, 10));
      if (row > 0) {
        EXPECT_NE(index[row - 1].substr(0, 10), rows[i].substr(0, 10));
      }
      ++pointed;
    }
  }
  EXPECT_GT(pointed, 100);
  DestroyProcessObjects();
}
