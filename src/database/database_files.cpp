#include "database/database_files.h"

#include <algorithm>

#include "app/program_folder.h"

int MeetingFileNumber(const TRaceID& race) {
  if (race.Venue >= 1 && race.Venue <= 10) return race.Year * 10000 + race.Venue * 100 + race.Meeting;
  return race.Year * 100 + std::min<int>(race.Venue, 99);
}

std::string NumberedFilePath(const std::string& folder, int number, const char* extension) {
  return DataFolder() + folder + "/" + std::to_string(number) + extension;
}

std::string MeetingFilePath(const std::string& folder, const TRaceID& race) {
  return NumberedFilePath(folder, MeetingFileNumber(race));
}
