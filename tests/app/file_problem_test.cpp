#include "app/file_problem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_io.h"
#include "app/record_file.h"
#include "app/sjis.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

TEST(FileProblem, ReasonsKeepTheirOrder) {
  struct {
    TFileAccess access;
    long long size;
    const char* reason;
  } cases[] = {
      {{false, false, false, false}, 1000, "存在しない。"},
      {{true, false, false, true}, 1000, "読み込みと書き込みが不可能。"},
      {{true, false, true, true}, 1000, "読み込み不可能。"},
      {{true, true, false, true}, 1000, "書き込み不可能。"},
      {{true, true, true, false}, 1000, "実行不可能。"},
      {{true, true, true, true}, 1000, "ファイルサイズに異常有り（1000）"},
      {{true, true, true, true}, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SjisToUtf8(FileProblemReason(c.access, c.size)), c.reason) << c.reason;
  }
}

TEST(FileProblem, RecordFileOfAWrongLengthIsReportedWithItsSizeAndSkipped) {
  TTempHome home;
  TRecordingFrontEnd front;
  std::string path = home.WriteFile("DATA/RA/2004.IDX", std::string(1000, 'x'));
  std::string data = "stale";
  EXPECT_EQ(ReadRecordFile(path, 16, data), TRecordFileResult::kProblem);
  EXPECT_TRUE(data.empty());
  ASSERT_EQ(front.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front.Errors()[0]), path + "\nファイルサイズに異常有り（1000）");

  std::string good = home.WriteFile("DATA/RA/2005.IDX", std::string(32, 'y'));
  EXPECT_EQ(ReadRecordFile(good, 16, data), TRecordFileResult::kOk);
  EXPECT_EQ(RecordCount(data, 16), 2u);
  EXPECT_EQ(front.Errors().size(), 1u);
}

TEST(FileProblem, MissingFilesAreReportedOnlyWhenAsked) {
  TTempHome home;
  TRecordingFrontEnd front;
  std::string data;
  std::string path = home.path() + "DATA/none.DAT";
  EXPECT_EQ(ReadRecordFile(path, 16, data, false), TRecordFileResult::kMissing);
  EXPECT_TRUE(front.Errors().empty());
  EXPECT_EQ(ReadRecordFile(path, 16, data), TRecordFileResult::kMissing);
  ASSERT_EQ(front.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front.Errors()[0]), path + "\n存在しない。");
  // A folder standing where the file should be cannot be read as one.
  std::filesystem::create_directories(home.path() + "DATA/dir.DAT");
  EXPECT_EQ(ReadRecordFile(home.path() + "DATA/dir.DAT", 16, data), TRecordFileResult::kProblem);
  EXPECT_EQ(SjisToUtf8(front.Errors().back()), home.path() + "DATA/dir.DAT\n実行不可能。");
}

TEST(FileProblem, MessageStaysWithin300BytesAndWholeCharacters) {
  TTempHome home;
  std::string longPath = home.path() + Utf8ToSjis(std::string(200, 'a') + "東京東京東京東京東京東京東京東京東京東京東京東京東京東京東京東京東京東京.DAT");
  std::string text = FileProblemText(longPath, 0);
  EXPECT_LE(text.size(), 300u);
  EXPECT_EQ(SjisCutLength(text, 300), text.size());
  EXPECT_EQ(text, SjisCut(longPath, 300));
}

TEST(FileIo, AtomicWriteReplacesWholeOrNothing) {
  TTempHome home;
  std::string path = home.WriteFile("f.DAT", "old");
  EXPECT_TRUE(WriteFileAtomically(path, "new contents"));
  EXPECT_EQ(home.ReadFile("f.DAT"), "new contents");
  EXPECT_FALSE(WriteFileAtomically(home.path() + "missing/f.DAT", "x"));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1) << "no temporary file is left behind";
  EXPECT_TRUE(CreateFolderChain(home.path() + "a/b/c"));
  EXPECT_TRUE(std::filesystem::is_directory(home.path() + "a/b/c"));
}
