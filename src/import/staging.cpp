#include "import/staging.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "app/file_io.h"
#include "app/file_problem.h"
#include "app/record_file.h"

TStaging::~TStaging() { Close(); }

void TStaging::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  kind_ = nullptr;
  path_.clear();
}

bool TStaging::Open(const TRecordKind& kind, int number) {
  Close();
  std::string path = StagingFilePath(kind, number);
  const int fd = OpenRecordFileForAppend(path, static_cast<std::size_t>(kind.length));
  if (fd < 0) return false;
  fd_ = fd;
  kind_ = &kind;
  number_ = number;
  path_ = path;
  touched_.insert(path);
  return true;
}

bool TStaging::Append(std::string_view record) {
  const TRecordKind* kind = FindRecordKind(record);
  if (kind == nullptr || record.size() != static_cast<std::size_t>(kind->length)) return false;
  int number = RecordFileNumber(*kind, record.data());
  if (fd_ < 0 || kind_ != kind || number_ != number) {
    if (!Open(*kind, number)) return false;
  }
  // One write call per record: a stop between records never leaves a part
  // of one behind.
  const char* p = record.data();
  std::size_t left = record.size();
  while (left > 0) {
    ssize_t n = write(fd_, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string path = path_;
      Close();
      ReportFileProblem(path, 0);
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}
