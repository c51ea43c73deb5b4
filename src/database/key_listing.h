// The keys of the race-list tree, collected from the special-registration
// files (TK), the race indexes (RA/*.IDX) or the schedule files (YS).
#pragma once

#include <string>
#include <vector>

#include "database/key_info.h"

// Which races a listing admits: 1 JRA races only, 2 local and overseas
// races only.
inline constexpr int kJraRaces = 1;
inline constexpr int kOtherRaces = 2;

// The sorted, duplicate-free keys of a kind (tens digit: the source, 1 TK,
// 2 or 3 race indexes, 4 schedule; units digit: the level of the node). A
// file whose length is not a whole number of records is reported and
// skipped; a folder without files gives no keys.
std::vector<TKeyInfo> ListKeys(int kind, int filter);

// The files of a folder below the data folder whose names end with
// `suffix` (".DAT", ".IDX"), sorted by name, as full paths.
std::vector<std::string> DataFiles(const std::string& folder, const std::string& suffix);
