// The FKEIBADO predicted-odds log: a text file of blocks, one per race and
// prediction, each starting with a header line "==ODDS" followed by the race
// date, racecourse, meeting, day, race number, number of horses and a time
// flag, then the prediction time, the win odds of each horse, the bracket-
// quinella table and, from nine horses on, the quinella tables (columns in
// jv_records.h, namespace jv::fkeibado). Lines end in LF or CR LF; only
// their first 128 bytes are read.
//
// A block that is cut short (by the end of the file or by the next header
// line), or whose number of horses is not 1-18, is not used. An odds value
// that does not read as a number above 0 ("-") is no odds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/odds_data.h"

// The finished predicted odds (data kind -2) of the blocks of `text` for
// the race date `date` (YYYYMMDD), in the order of the log.
std::vector<TOddsData> ParseFkeibadoLog(std::string_view text, int date);

// The same from the log file at `path`; none when it cannot be read.
std::vector<TOddsData> ReadFkeibadoLog(const std::string& path, int date);
