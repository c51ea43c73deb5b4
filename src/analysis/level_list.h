// The level tables: how much faster than the base time a race of a given
// kind is run. Five tables split races by five criteria (class; age and
// season; race conditions; fillies and mares by season; fillies and mares
// by distance). Each cell holds a ratio near 1.0 measured from stored
// results; a race's combined level adds the deviations of its cells.
//
// All five tables share one set of cells and one file, LEVEL.DAT in the
// data folder, and each writes a readable dump LEVEL<n>.TXT beside it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "analysis/data_list.h"

class TResult;

// One cell of a level table.
struct TLevelData {
  std::int32_t Key = 0;  // table × 10000000 + A × 100000 + B × 10000 + C × 100 + D
  double Value = 0;      // Σ weight × level while adding; the mean level after Save or Load
  double Weight = 0;     // Σ weight while adding; 0 after Save or Load
  std::int32_t Count = 0;
};

// The four criteria of a race in one table.
struct TLevelCriteria {
  int A = 0, B = 0, C = 0, D = 0;
};

// The key of a cell.
int LevelKey(int table, const TLevelCriteria& c);

// The class code of a race (0-15): the rung of the class ladder its
// conditions and grade put it on.
int LevelClassCode(const TResult& race);

// The meeting code the race cache holds for the race's meeting (0 when it
// has none).
int MeetingCode(const TResult& race);

// Whether table 1-5 applies to the race (table 1: every race; the others:
// flat races).
bool LevelApplies(int table, const TResult& race);

// The criteria of the race in table 1-5.
TLevelCriteria LevelCriteria(int table, const TResult& race);

class TLevel : public TDataList {
 public:
  // The number of records of LEVEL.DAT, CR LF included.
  static constexpr int kRecordLength = 20;

  int Table() const { return table_; }

  // ---- The list operations.
  // Loads the shared cells when there are none, then removes this table's
  // cells and keeps the other tables'.
  void Clear() override;
  // Adds the race's measured level (freed from the other four tables and
  // the track index) to its cell of this table.
  void AddRace(const TResult& race) override;
  // Replaces all shared cells by the contents of LEVEL.DAT. A missing file,
  // or one whose length is not a whole number of records, is reported and
  // leaves the cells unchanged.
  void Load() override;
  // Turns every table's sums into means, normalises this table, copies
  // LEVEL.DAT to LEVEL.BAK and rewrites it and this table's dump. A level
  // that comes out within one step of the file's precision of the level
  // the cell held before the last Clear keeps that level, so that repeated
  // rebuilds settle instead of flipping the last digit.
  void Save() override;

  // The level of a cell: its value when it exists and is positive, else
  // 1.0. Loads the shared cells first when there are none.
  double GetLevel(const TLevelCriteria& c);
  // The level of the race in this table: 1.0 when the table does not
  // apply.
  double RaceLevel(const TResult& race);

  // The dump file of this table.
  std::string DumpPath() const;

  // ---- The shared cells (all five tables), for inspection.
  static const std::map<int, TLevelData>& Cells();
  // Forgets every cell (when the process-wide objects go).
  static void ForgetCells();

 protected:
  TLevel(int table, std::string displayName);

 private:
  void EnsureLoaded();
  void Normalise();
  void Shift(int a, int b, int c, double offset);
  std::string Dump() const;

  int table_;
  std::map<int, double> before_;  // this table's levels before the last Clear
};

class TLevel1 : public TLevel {
 public:
  TLevel1();
};
class TLevel2 : public TLevel {
 public:
  TLevel2();
};
class TLevel3 : public TLevel {
 public:
  TLevel3();
};
class TLevel4 : public TLevel {
 public:
  TLevel4();
};
class TLevel5 : public TLevel {
 public:
  TLevel5();
};

// The process-wide tables; null until created.
extern TLevel1* _Level1;
extern TLevel2* _Level2;
extern TLevel3* _Level3;
extern TLevel4* _Level4;
extern TLevel5* _Level5;

// Table 1-5 as its process-wide object, or null.
TLevel* LevelTable(int table);

// 1 + Σ (level of the race in table t − 1) over the five tables except
// `excluded` (0 excludes none). Tables not created count as 1.0.
double CombinedLevel(const TResult& race, int excluded);
