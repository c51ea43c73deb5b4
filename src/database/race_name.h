// The full name of a race, composed from the titles of its race record.
//
// Besides the name, the composition fills in the codes that a record left
// blank but whose words stand in the name (local races write their age
// condition, symbol and class only in the titles): the age class, the race
// symbol and the condition of the youngest horses. The words that have
// become codes are cut from the name.
#pragma once

#include <string>

// The titles of a race record, each squeezed of blanks.
struct TRaceTitles {
  int Division = 0;       // the title that carries the running number: 1 main, 2 sub, 3 bracketed
  int RunningNo = 0;      // 第N回
  std::string MainTitle;
  std::string Subtitle;
  std::string ParenTitle;
  std::string ConditionName;  // RA records only

  // The titles of a race record (RA, with its condition name) or of a
  // special-registration record (TK, without one).
  static TRaceTitles FromRa(const char* record);
  static TRaceTitles FromTk(const char* record);
};

// The codes the composition reads and may fill in: each is derived from the
// name only when it is 0.
struct TRaceNameCodes {
  int AgeClass = 0;
  int Symbol = 0;
  int YoungestCondition = 0;  // the fifth class condition
};

// The full name of a race of `year` at racecourse `venue`:
//   "第5回 <subtitle> <main title>（<bracketed title>） <condition name>",
// the running number standing in front of the title its division names.
// Fills in the codes of `codes` that are 0 from the name and cuts the words
// they came from: the class prefix ("サラ系４才上"), the JRA certification
// words ("ＪＲＡ認定"), and at local racecourses (codes from 30) empty
// brackets and " ・".
std::string ComposeRaceName(const TRaceTitles& titles, int year, int venue, TRaceNameCodes& codes);

// The single steps, in the order ComposeRaceName takes them.

// The titles joined, with the running number in front of its title.
std::string JoinTitles(const TRaceTitles& titles);
// The age class that the words of `name` give for a race of `year` ("サラ系
// ４才上" in 2000 gives 4; 50 more for "アラ系"; "一般" 9); 0 when none.
int AgeClassFromName(const std::string& name, int year);
// `name` without the first class prefix of the list that it holds.
std::string CutClassPrefix(const std::string& name);
// The race symbol that the words of `name` give: 700 for "九州産", units 6
// for "認定", 5 for "中央交流".
int SymbolFromName(const std::string& name);
// `name` without the JRA certification and exchange words.
std::string CutSymbolWords(const std::string& name);
// The youngest horses' class condition that the words of `name` give at
// racecourse `venue`: " ＯＰ" 91, "未勝利" 81, "初出走" 73, "新馬" 71, then
// the local class letters (" Ａ" … 104-101); 0 when none.
int ConditionFromName(const std::string& name, int venue);
// `name` without empty brackets and " ・" (local racecourses).
std::string CutLocalMarks(const std::string& name);

// Where `word` stands in `text` from byte `from` on, on a character
// boundary of the CP932 text, or std::string::npos.
std::size_t FindSjis(const std::string& text, const std::string& word, std::size_t from = 0);
