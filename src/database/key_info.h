// Keys of the race list's tree: a race, a day of a meeting, a meeting, a
// racecourse, a date or a month.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "database/race_id.h"

// A tree-node key. Kind is a two-digit number: the tens digit names the
// files the key was collected from (1 special registrations, 2 and 3 race
// indexes, 4 schedules) and the units digit the level of the node:
//   1 one race               year, racecourse, meeting, day, race
//   2 one day of a meeting   year, racecourse, meeting, day
//   3 one meeting            year, racecourse, meeting
//   4 one racecourse         year, racecourse (every country counts as 99)
//   5 one date (JRA)         year, month, day
//   6 one month (others)     year, month
struct TKeyInfo : TRaceID {
  std::int32_t Kind = 0;

  TKeyInfo() = default;
  TKeyInfo(const TRaceID& race, int kind) : TRaceID(race), Kind(kind) {}

  // Sets the fields from a race key (16 characters) or a day key (14) as
  // TRaceID does, and the Kind.
  void SetRaceKey(const char* key, int kind);
  void SetRaceKey(std::string_view key, int kind);
  void SetDayKey(const char* key, int kind);
  void SetDayKey(std::string_view key, int kind);

  // Kind % 10.
  int Level() const { return Kind % 10; }

  // The number that orders keys of one year at this level: racecourse
  // (at most 99), meeting, day and race packed as in the race code for
  // levels 1 to 4, Month×100 + Day for level 5, Month×100 for level 6, 0
  // for any other level.
  int KeyNumber() const;

  // Whether `race` falls under this node: the same year and, by level, the
  // same JRA race, day of a meeting or meeting (levels 1-3, JRA races
  // only), the same local racecourse or overseas (4, codes from 30), the
  // same JRA date (5) or the same month of local and overseas races (6).
  // Any other level holds every race of the year.
  bool Contains(const TRaceID& race) const;

  // The text of the node, e.g. "東京５回８日11Ｒ", preceded by "2004年"
  // when `withYear` is set.
  std::string Label(bool withYear) const;
};

// Ordered by Year, then by KeyNumber; equal when both agree.
bool operator<(const TKeyInfo& a, const TKeyInfo& b);
bool operator>(const TKeyInfo& a, const TKeyInfo& b);
bool operator==(const TKeyInfo& a, const TKeyInfo& b);
bool operator!=(const TKeyInfo& a, const TKeyInfo& b);
