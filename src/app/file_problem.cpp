#include "app/file_problem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "app/front_end.h"
#include "app/sjis.h"

namespace {

constexpr std::size_t kMaxMessageBytes = 300;

}  // namespace

TFileAccess ProbeFileAccess(const std::string& path) {
  TFileAccess result;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return result;
  result.exists = true;
  result.readable = access(path.c_str(), R_OK) == 0;
  result.writable = access(path.c_str(), W_OK) == 0;
  result.plainFile = S_ISREG(st.st_mode);
  return result;
}

std::string FileProblemReason(const TFileAccess& file, std::int64_t size) {
  if (!file.exists) return SJ("存在しない。");
  if (!file.readable && !file.writable) return SJ("読み込みと書き込みが不可能。");
  if (!file.readable) return SJ("読み込み不可能。");
  if (!file.writable) return SJ("書き込み不可能。");
  if (!file.plainFile) return SJ("実行不可能。");
  if (size != 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, SJ("ファイルサイズに異常有り（%lld）").c_str(),
                  static_cast<long long>(size));
    return buffer;
  }
  return std::string();
}

std::string FileProblemText(const std::string& path, std::int64_t size) {
  return SjisCut(path + "\n" + FileProblemReason(ProbeFileAccess(path), size), kMaxMessageBytes);
}

void ReportFileProblem(const std::string& path, std::int64_t size) {
  FrontEnd().ShowError(FileProblemText(path, size));
}
