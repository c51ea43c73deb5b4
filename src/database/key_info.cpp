#include "database/key_info.h"

#include <algorithm>
#include <cstdio>

#include "app/number_text.h"
#include "app/sjis.h"
#include "database/venue_table.h"

namespace {

// The last JRA racecourse code and the first local one.
constexpr int kLastJraVenue = 10;
constexpr int kFirstLocalVenue = 30;
// Every country code counts as overseas.
constexpr int kOverseas = 99;

// Racecourse for the key number: every country counts as overseas.
int KeyVenue(const TRaceID& id) { return std::min<int>(id.Venue, kOverseas); }

bool IsJra(const TRaceID& id) { return id.Venue <= kLastJraVenue; }
bool IsLocalOrOverseas(const TRaceID& id) { return id.Venue >= kFirstLocalVenue; }

std::string Format(const char* format, int value) {
  char buffer[16];
  int n = std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace

void TKeyInfo::SetRaceKey(const char* key, int kind) {
  TRaceID::SetRaceKey(key);
  Kind = kind;
}

void TKeyInfo::SetRaceKey(std::string_view key, int kind) {
  TRaceID::SetRaceKey(key);
  Kind = kind;
}

void TKeyInfo::SetDayKey(const char* key, int kind) {
  TRaceID::SetDayKey(key);
  Kind = kind;
}

void TKeyInfo::SetDayKey(std::string_view key, int kind) {
  TRaceID::SetDayKey(key);
  Kind = kind;
}

int TKeyInfo::KeyNumber() const {
  switch (Level()) {
    case 1: return KeyVenue(*this) * 1000000 + Meeting * 10000 + MeetingDay * 100 + RaceNo;
    case 2: return KeyVenue(*this) * 1000000 + Meeting * 10000 + MeetingDay * 100;
    case 3: return KeyVenue(*this) * 1000000 + Meeting * 10000;
    case 4: return KeyVenue(*this) * 1000000;
    case 5: return Month * 100 + Day;
    case 6: return Month * 100;
    default: return 0;
  }
}

bool TKeyInfo::Contains(const TRaceID& race) const {
  if (race.Year != Year) return false;
  switch (Level()) {
    case 1: return IsJra(race) && race.RaceCode() == RaceCode();
    case 2: return IsJra(race) && race.RaceCode() / 100 == RaceCode() / 100;
    case 3: return IsJra(race) && race.RaceCode() / 10000 == RaceCode() / 10000;
    case 4: return IsLocalOrOverseas(race) && KeyVenue(race) == KeyVenue(*this);
    case 5: return IsJra(race) && race.DateNumber() == DateNumber();
    case 6: return IsLocalOrOverseas(race) && race.MonthNumber() == MonthNumber();
    default: return true;
  }
}

std::string TKeyInfo::Label(bool withYear) const {
  std::string label;
  if (withYear) label = Format("%4d", Year) + SJ("年");
  switch (Level()) {
    case 1:
      return label + VenueName(Venue, 8) + TwoColumnNumber(Meeting) + SJ("回") +
             TwoColumnNumber(MeetingDay) + SJ("日") + TwoColumnNumber(RaceNo) + SJ("Ｒ");
    case 2:
      return label + VenueName(Venue, 8) + TwoColumnNumber(Meeting) + SJ("回") +
             TwoColumnNumber(MeetingDay) + SJ("日");
    case 3:
      return label + VenueName(Venue, 8) + TwoColumnNumber(Meeting) + SJ("回");
    case 4:
      return label + (Venue < 100 ? VenueName(Venue, 8) : SJ("海外"));
    case 5:
      return label + Format("%2d", Month) + SJ("月") + Format("%2d", Day) + SJ("日");
    case 6:
      return label + Format("%2d", Month) + SJ("月");
    default:
      return label;
  }
}

bool operator<(const TKeyInfo& a, const TKeyInfo& b) {
  if (a.Year != b.Year) return a.Year < b.Year;
  return a.KeyNumber() < b.KeyNumber();
}

bool operator>(const TKeyInfo& a, const TKeyInfo& b) { return b < a; }

bool operator==(const TKeyInfo& a, const TKeyInfo& b) {
  return a.Year == b.Year && a.KeyNumber() == b.KeyNumber();
}

bool operator!=(const TKeyInfo& a, const TKeyInfo& b) { return !(a == b); }
