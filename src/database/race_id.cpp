#include "database/race_id.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "app/fixed_field.h"
#include "database/course_era.h"

namespace {

// A parsed value held at the nearest end of the field type's range.
template <typename T>
T Fit(int value) {
  constexpr int low = std::numeric_limits<T>::min();
  constexpr int high = std::numeric_limits<T>::max();
  return static_cast<T>(std::clamp(value, low, high));
}

// Copies up to `length` characters of `text` into `buffer` and fills the
// rest with blanks, so a short text reads as if it were blank-padded.
void PadKey(std::string_view text, char* buffer, std::size_t length) {
  std::size_t n = std::min(text.size(), length);
  std::memcpy(buffer, text.data(), n);
  std::memset(buffer + n, ' ', length - n);
}

}  // namespace

void TRaceID::Clear() { *this = TRaceID(); }

void TRaceID::SetRaceKey(const char* key) {
  SetDayKey(key);
  RaceNo = Fit<std::int8_t>(ParseFixedField(key + 14, 2));
}

void TRaceID::SetRaceKey(std::string_view key) {
  char buffer[kRaceKeyLength];
  PadKey(key, buffer, sizeof buffer);
  SetRaceKey(static_cast<const char*>(buffer));
}

void TRaceID::SetDayKey(const char* key) {
  int monthDay = ParseFixedField(key + 4, 4);
  Year = Fit<std::int16_t>(ParseFixedField(key, 4));
  Month = Fit<std::int8_t>(monthDay / 100);
  Day = Fit<std::int8_t>(monthDay % 100);
  Venue = Fit<std::uint8_t>(ParseFixedField(key + 8, 2));
  Meeting = Fit<std::int8_t>(ParseFixedField(key + 10, 2));
  MeetingDay = Fit<std::int8_t>(ParseFixedField(key + 12, 2));
  RaceNo = 0;
}

void TRaceID::SetDayKey(std::string_view key) {
  char buffer[kDayKeyLength];
  PadKey(key, buffer, sizeof buffer);
  SetDayKey(static_cast<const char*>(buffer));
}

int TRaceID::CourseEraNumber() const { return ::CourseEraNumber(Venue, MonthNumber()); }

std::string TRaceID::RaceKey() const { return FormatRaceKey(DateNumber(), RaceCode()); }

bool operator<(const TRaceID& a, const TRaceID& b) {
  int dateA = a.DateNumber();
  int dateB = b.DateNumber();
  if (dateA != dateB) return dateA < dateB;
  return a.RaceCode() < b.RaceCode();
}

bool operator>(const TRaceID& a, const TRaceID& b) { return b < a; }
bool operator==(const TRaceID& a, const TRaceID& b) { return !(a < b) && !(b < a); }
bool operator!=(const TRaceID& a, const TRaceID& b) { return !(a == b); }

int DateNumberFromText(const char* text) {
  return ParseFixedField(text, 4) * 10000 + ParseFixedField(text + 4, 2) * 100 +
         ParseFixedField(text + 6, 2);
}

int RaceCodeFromText(const char* text) {
  return ParseFixedField(text, 2) * 1000000 + ParseFixedField(text + 2, 2) * 10000 +
         ParseFixedField(text + 4, 2) * 100 + ParseFixedField(text + 6, 2);
}

std::string FormatRaceKey(int dateNumber, int raceCode) {
  char buffer[40];
  int venue = raceCode / 1000000;
  int n;
  if (raceCode >= 100000000 && venue <= 359) {
    // A country: its code is a letter and a digit ("A4" is 104), which
    // "%02d" cannot give back.
    n = std::snprintf(buffer, sizeof buffer, "%8d%c%c%06d", dateNumber, 'A' + (venue / 10 - 10),
                      '0' + venue % 10, raceCode % 1000000);
  } else {
    n = std::snprintf(buffer, sizeof buffer, "%8d%08d", dateNumber, raceCode);
  }
  return std::string(buffer, static_cast<std::size_t>(n));
}
