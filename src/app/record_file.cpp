#include "app/record_file.h"

#include <sys/stat.h>

#include "app/file_io.h"
#include "app/file_problem.h"

TRecordFileResult ReadRecordFile(const std::string& path, std::size_t recordLength, std::string& data,
                                 bool reportMissing) {
  data.clear();
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    if (reportMissing) ReportFileProblem(path, 0);
    return TRecordFileResult::kMissing;
  }
  if (!ReadWholeFile(path, data)) {
    ReportFileProblem(path, 0);
    return TRecordFileResult::kProblem;
  }
  if (recordLength == 0 || data.size() % recordLength != 0) {
    std::int64_t size = static_cast<std::int64_t>(data.size());
    data.clear();
    ReportFileProblem(path, size);
    return TRecordFileResult::kProblem;
  }
  return TRecordFileResult::kOk;
}
