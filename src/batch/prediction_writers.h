// The prediction files a batch run writes from scored races: each writer
// takes races that ScoreRace has scored (their horses, ranks, probabilities
// and bet candidates set) and writes its file in Shift-JIS with CR LF line
// ends. A folder that cannot be created or a file that cannot be opened
// skips that writer's file without a message.
#pragma once

#include <vector>

class TRace;

// The detailed text of one race, "D<date>.TXT" in the "YOSO_PATH" folder:
// a new file when `newFile` (the first race of a group), else appended.
void WriteDetailText(const TRace& race, bool newFile);

// SNIPER CSV: one line per race with win bets, appended to "FRC.DAT" in the
// "SNIPER_PATH" folder.
void WriteSniperCsv(const std::vector<TRace>& races);

// WARS text, plain mode: "W<date>.TXT" in the "WARS_PATH" folder, named
// after the first race's date.
void WriteWarsText(const std::vector<TRace>& races);

// OVERS text: "O<date>.TXT" in the "OVERS_PATH" folder.
void WriteOversText(const std::vector<TRace>& races);

// TARGET external index: "TE<date>.CSV" in the "TF_EXT_PATH" folder, the
// value by "TF_EXT_TYPE".
void WriteTargetIndex(const std::vector<TRace>& races);

// TARGET purchase CSV: "TF_CSV_PATH" + "TF_CSV_NAME", stakes from
// `maxMoney` ("MaxMoneyB"). False when it stopped at a bet without odds
// ("オッズ不定" was shown); the lines before stay in the file. A type is
// left out when the race has no odds of it at all (the first bet's odds
// below 0); a file that cannot be opened is skipped without a message and
// gives true.
bool WriteTargetCsv(const std::vector<TRace>& races, int maxMoney);

// The analysis CSV: appended to "ANA.CSV" in the program folder.
void WriteAnalysisCsv(const std::vector<TRace>& races);
