// The race identifier: the key every record of the race database carries.
//
// A race key is the 16 characters YYYYMMDDJJKKNNRR (date, racecourse,
// meeting, day of the meeting, race number); a day key is its first 14
// characters. Both are read field by field with ParseFixedField, so blanks
// count as zero digits and nothing is validated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Length of a race key and of a day key in characters.
inline constexpr int kRaceKeyLength = 16;
inline constexpr int kDayKeyLength = 14;

// A race (or, with RaceNo 0, a race day): a plain 8-byte value.
struct TRaceID {
  std::int16_t Year = 0;        // four digits, e.g. 2004
  std::int8_t Month = 0;        // 1-12
  std::int8_t Day = 0;          // 1-31
  std::uint8_t Venue = 0;       // racecourse or country code as a number
  std::int8_t Meeting = 0;      // meeting of the year at the racecourse (回)
  std::int8_t MeetingDay = 0;   // day of the meeting (日)
  std::int8_t RaceNo = 0;       // race of the day (Ｒ), 0 for a whole day

  // All fields zero.
  void Clear();

  // Sets every field from the 16 characters YYYYMMDDJJKKNNRR at `key`.
  // A value that does not fit its field is held at the nearest end of the
  // field's range, so an unknown country code never turns into a JRA one.
  void SetRaceKey(const char* key);
  // The same from a text of any length: characters past its end count as
  // blanks.
  void SetRaceKey(std::string_view key);

  // Sets the fields from the 14 characters YYYYMMDDJJKKNN at `key` (the
  // schedule record's key); RaceNo becomes 0.
  void SetDayKey(const char* key);
  void SetDayKey(std::string_view key);

  int GetYear() const { return Year; }
  int GetMonth() const { return Month; }
  int GetDay() const { return Day; }
  int GetVenue() const { return Venue; }
  int GetMeeting() const { return Meeting; }
  int GetMeetingDay() const { return MeetingDay; }
  int GetRaceNo() const { return RaceNo; }

  // Year×10000 + Month×100 + Day, e.g. 20041226.
  int DateNumber() const { return Year * 10000 + Month * 100 + Day; }
  // Venue×1000000 + Meeting×10000 + MeetingDay×100 + RaceNo (JJKKNNRR).
  int RaceCode() const { return Venue * 1000000 + Meeting * 10000 + MeetingDay * 100 + RaceNo; }
  // DateNumber ÷ 100, e.g. 200412.
  int MonthNumber() const { return DateNumber() / 100; }
  // The course-era number of the race's racecourse at the race's month.
  int CourseEraNumber() const;

  // The 16-character race key of this race.
  std::string RaceKey() const;
};

static_assert(sizeof(TRaceID) == 8, "TRaceID is an 8-byte value");

// Ordered by date number, then by race code; equal when neither is less.
bool operator<(const TRaceID& a, const TRaceID& b);
bool operator>(const TRaceID& a, const TRaceID& b);
bool operator==(const TRaceID& a, const TRaceID& b);
bool operator!=(const TRaceID& a, const TRaceID& b);

// The date number of the 8 characters YYYYMMDD at `text`.
int DateNumberFromText(const char* text);
// The race code of the 8 characters JJKKNNRR at `text`.
int RaceCodeFromText(const char* text);

// The race key of a date number and a race code: "%8d" then "%08d", except
// that a country's code (racecourse 100 and above) is written back as its
// letter and digit ("A4"), so the key reads back to the same race. It is
// 16 characters for a date number of 0 to 99999999 and a race code of 0 to
// 359999999.
std::string FormatRaceKey(int dateNumber, int raceCode);
