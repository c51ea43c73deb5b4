#include "analysis/data_list.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/file_io.h"
#include "app/program_folder.h"
#include "database/result.h"

TDataList::TDataList(std::string displayName, std::string fileName)
    : displayName_(std::move(displayName)), fileName_(std::move(fileName)) {}

std::string TDataList::Path() const { return DataFolder() + fileName_; }

std::string TDataList::BackupPath() const {
  std::string path = Path();
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
  return path + ".BAK";
}

bool TDataList::IsChanged() {
  // Equal lengths and equal lines mean equal bytes, so the files are
  // compared whole.
  std::string data, backup;
  if (!ReadWholeFile(BackupPath(), backup) || !ReadWholeFile(Path(), data)) return true;
  return data != backup;
}

bool TDataList::Backup() const {
  std::string data;
  if (ReadWholeFile(Path(), data)) return WriteFileAtomically(BackupPath(), data);
  // Without a file there is nothing to keep; a backup left from before
  // would only make the next change test compare against stale contents.
  std::error_code error;
  if (!std::filesystem::exists(Path(), error)) std::filesystem::remove(BackupPath(), error);
  return false;
}

double TDataList::AgeWeight(const TResult& race) {
  if (race.Year <= 1900) return 1.0;
  const int year = std::min<int>(race.Year, 2900);
  return std::exp(0.4 * (year - 1900));
}
