// The codes of races and runners: how the stored characters of a race or
// runner record become small numbers, and how those numbers read as text.
//
// Every decoder reads fixed-width text with ParseFixedField and never
// rejects a record: an unreadable code decodes to 0 (the track to -1), and
// every text table has the empty text at 0 and for any value outside it.
// Texts are CP932.
#pragma once

#include <string>

// ---------------------------------------------------------------------------
// Race codes.

// Grade letter (1 character): blank 1; "A"/"F" 6, "B"/"G" 5, "C"/"H" 4
// (G1, G2, G3; F-H the jump races), "D" 3 (重賞), "E" 2; anything else 0.
int DecodeGrade(const char* field);

// Age condition (2 characters, number c): c mod 5 gives 1 → 1, 2 → 2,
// 3 → 4, 4 → 5, anything else 0; plus 50 for an Anglo-Arab race (c ÷ 10 of
// 2 or more).
int DecodeAgeClass(const char* field);

// Race symbol (3 characters): the first character gives the hundreds
// ("A" 1, "B" 2, "C" 3, "D" "G" "H" 4, "E" "I" "J" 5, "F" "K" "L" 6, "M" 7,
// "N" 8), the second and third, each a digit 0-4, the tens and the units.
int DecodeSymbol(const char* field);

// Class condition (3 characters, number c): 701 → 71 新馬, 702 → 72 未出走,
// 703 → 81 未勝利, 999 → 91 open; any other c as it is (a money class).
int DecodeCondition(const char* field);

// Track (2 characters): the track value of the stored track code.
int DecodeTrack(const char* field);
// The track value of a stored track code: tens digit 1 turf, 2 dirt, 3 the
// sand tracks; 110 and 120 the jump races; the units digit of a flat value
// is the course variant (0 inner, 1 and 3 outer, 2 ordinary, 4 straight).
// An unknown code gives -1.
int TrackValueOfCode(int code);

// 1 turf, 2 dirt, 3 jump by the track value; 0 for anything else.
int SurfaceKindOfTrack(int track);

// ---------------------------------------------------------------------------
// Race texts.

// 0 empty, 1 土, 2 日, 3 祝, 4 月 … 8 金.
const std::string& WeekdayText(int weekday);
// Grade 3-6: "G ", "G3", "G2", "G1"; empty otherwise.
const std::string& GradeShortText(int grade);
// Grade 3-6: 重賞, Ｇ３, Ｇ２, Ｇ１; a jump race (track value 100 and above)
// reads Ｊ・Ｇ３, Ｊ・Ｇ２, Ｊ・Ｇ１ for grades 4-6.
const std::string& GradeLongText(int grade, int track);
// The age condition (age class mod 50): ２歳指定 … ５歳以上, 一般 for 9.
const std::string& AgeClassText(int ageClass);
// The race symbol: the texts of its hundreds, tens and units in a row,
// e.g. 214 reads "(父)牡(特指)".
std::string SymbolText(int symbol);
// 0 empty, 1 ハンデ, 2 別定, 3 馬齢, 4 定量.
const std::string& WeightTypeText(int weightType);
// 0 empty, 1 晴, 2 曇, 3 雨, 4 小雨, 5 雪, 6 小雪.
const std::string& WeatherText(int weather);
// 0 empty, 1 良, 2 稍, 3 重, 4 不.
const std::string& GoingText(int going);

// The class condition `condition` (the condition of the youngest horses)
// in a form: 2 short ("5", "16", "OP"; empty for newcomer and maiden
// races); 8 long with the money class as a two-column number ("16" →
// "1600万下"); any other form long with full-width digits (５００万下,
// １６００万下), 新馬, 未出走, 初出走, 未勝利, オ－プン. 0 and the local
// classes from 100 on read empty in every form.
std::string ClassConditionText(int condition, int form);

// The track in one letter: "T", "D", "J" by surface kind (`kanji`: 芝, ダ,
// 障); "S" or 砂 for a sand track; empty for anything else.
const std::string& TrackLetter(int track, bool kanji);
// The track in words: 芝, ダート or 障害, then the course variant (・外,
// ・直線; ・芝 or ・ダ for a jump race), then the rail position when
// `courseDiv` is above 0, e.g. "(Ｂ１)". Empty for a track value of 0 or
// below.
std::string TrackText(int track, int courseDiv);

// The odds that a race shows, from the odds state of its odds record, the
// days between the odds and the race, and the hour and minute of the odds:
// state 1 "[HH:MM]", "[前日HH:MM]", "[前々日HH:MM]" on the race day, one and
// two days before; state 2 "[前日最終]", "[前々日最終]"; 3 "[最終]"; 4 and 5
// "[確定]"; -1 KOL and -2 FKEIBADO predicted odds. Anything else, and a day
// difference outside those named, gives the empty text.
std::string OddsTimeLabel(int state, int daysBefore, int hour, int minute);

// ---------------------------------------------------------------------------
// Runner codes.

// Abnormality (1 character): "1" 23 scratched (取消), "2" 21 excluded before
// the start (発除), "3" 22 excluded in the race (競除), "4" 11 did not finish,
// "5" 2 disqualified, "6" 3 remounted, "7" 1 demoted; anything else 0.
// Value ÷ 10 = 2: did not start; = 1: started and did not finish.
int DecodeAbnormality(const char* field);

// A race time of 4 characters MSST (minutes, seconds, tenths) in tenths of
// a second: "1234" is 834.
int TimeFromMsst(const char* field);

// A margin code (3 characters) as kind + lengths × 10: the first character
// "A" 頭 (3), "D" 同着 (1), "H" ハナ (2), "K" クビ (4), "T" 大差 (8), "Z" ten
// lengths, or the whole lengths as a digit; the last two "12" ½ (6), "14"
// ¼ (5), "34" ¾ (7). "112" is 16.
int DecodeMargin(const char* field);

// The last-furlongs time of a runner record's two fields: the last 600 m
// when it reads 1-998; otherwise the last 800 m, negated, when it reads
// 1-998; otherwise 0.
int DecodeLastFurlongs(const char* last800, const char* last600);

// ---------------------------------------------------------------------------
// Runner texts.

// 0 empty, 1 牡, 2 牝, 3 ｾﾝ.
const std::string& SexText(int sex);
// 1 "B" for blinkers.
const std::string& BlinkerText(int blinker);
// 1 ☆, 2 △, 3 ▲.
const std::string& ApprenticeText(int apprentice);
// Horse mark 0-41: (抽), [抽], (父), (市), (地), (外) and their combinations.
const std::string& HorseMarkText(int mark);
// The kind of a margin (its units): 1 同着, 2 ハナ, 3 頭, 4 クビ, 5 1/4,
// 6 1/2, 7 3/4, 8 大差.
const std::string& MarginKindText(int kind);
// The margin text of a margin value, five columns: "ハナ ", "  1/2",
// "１1/2", "10   ".
std::string MarginText(int margin);
// The abnormality in one character (width below 4: 降, 失, 再, 止, 除, 消) or
// two (width 4 and more: 降着, 失格, 再騎, 中止, 発除, 競除, 取消); empty for
// 0 and unknown values.
const std::string& AbnormalityText(int abnormality, int width);
// The weight carried (tenths of a kilogram) with the apprentice mark in
// front: "%2s%2.0f" for whole kilograms ("☆55", "  57"), "%s%4.1f"
// otherwise ("54.5"); empty for 0.
std::string CarriedText(int carried, int apprentice);
