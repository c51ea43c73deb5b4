#include "database/key_listing.h"

#include <dirent.h>

#include <algorithm>
#include <functional>
#include <set>

#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/record_file.h"
#include "database/jv_records.h"

std::vector<std::string> DataFiles(const std::string& folder, const std::string& suffix) {
  std::vector<std::string> files;
  std::string path = DataFolder() + folder;
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return files;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      files.push_back(path + "/" + name);
    }
  }
  closedir(dir);
  std::sort(files.begin(), files.end());
  return files;
}

namespace {

void FromRecords(const std::string& folder, const std::string& suffix, std::size_t length,
                 const std::function<void(const char*)>& each) {
  for (const std::string& path : DataFiles(folder, suffix)) {
    std::string data;
    if (ReadRecordFile(path, length, data) != TRecordFileResult::kOk) continue;
    for (std::size_t at = 0; at + length <= data.size(); at += length) each(data.data() + at);
  }
}

}  // namespace

std::vector<TKeyInfo> ListKeys(int kind, int filter) {
  std::set<TKeyInfo> keys;
  switch (kind / 10) {
    case 1:
      FromRecords("TK", ".DAT", jv::tk::kLength, [&](const char* record) {
        TKeyInfo key;
        key.SetRaceKey(record + jv::kRaceKey.offset, kind);
        keys.insert(key);
      });
      break;
    case 2:
      FromRecords("RA", ".IDX", jv::race_index::kLength, [&](const char* record) {
        TKeyInfo key;
        key.SetRaceKey(record, kind);
        bool admitted = filter == kJraRaces ? key.Venue < 11 : filter == kOtherRaces ? key.Venue > 29 : false;
        if (admitted) keys.insert(key);
      });
      break;
    case 3:
      FromRecords("RA", ".IDX", jv::race_index::kLength, [&](const char* record) {
        TKeyInfo key;
        key.SetRaceKey(record, 23);
        if (key.Venue > 10) key.Kind = 24;
        keys.insert(key);
      });
      break;
    case 4:
      FromRecords("YS", ".DAT", jv::ys::kLength, [&](const char* record) {
        if (ParseFixedField(record + jv::ys::kSpecialNo.offset, jv::ys::kSpecialNo.length) <= 0) return;
        TKeyInfo key;
        key.SetDayKey(record + jv::kDayKey.offset, kind);
        keys.insert(key);
      });
      break;
    default:
      break;
  }
  return std::vector<TKeyInfo>(keys.begin(), keys.end());
}
