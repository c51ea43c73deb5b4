#include "app/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

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

int OpenRecordFileForAppend(const std::string& path, std::size_t recordLength) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && !CreateFolderChain(path.substr(0, slash))) {
    ReportFileProblem(path, 0);
    return -1;
  }
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) {
    ReportFileProblem(path, 0);
    return -1;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    ReportFileProblem(path, 0);
    return -1;
  }
  if (recordLength == 0 || static_cast<std::size_t>(st.st_size) % recordLength != 0) {
    close(fd);
    ReportFileProblem(path, static_cast<std::int64_t>(st.st_size));
    return -1;
  }
  return fd;
}
