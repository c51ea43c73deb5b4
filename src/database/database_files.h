// Where each record file of the database lies below the data folder.
#pragma once

#include <string>

#include "database/race_id.h"

// The file number of a race's meeting: Year × 10000 + Venue × 100 +
// Meeting for a JRA racecourse (1-10), Year × 100 + min(Venue, 99) for any
// other racecourse or country (one file a year).
int MeetingFileNumber(const TRaceID& race);

// "<data folder><folder>/<number>.DAT", e.g. RA/20040505.DAT.
std::string NumberedFilePath(const std::string& folder, int number, const char* extension = ".DAT");

// The meeting file of a race in a folder ("RA", "SE", "HR").
std::string MeetingFilePath(const std::string& folder, const TRaceID& race);
