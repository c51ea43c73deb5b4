#include "database/race_codes.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "app/fixed_field.h"
#include "app/number_text.h"
#include "app/sjis.h"

namespace {

// A table of texts by value, written in UTF-8 and converted to CP932 once.
class TTextTable {
 public:
  TTextTable(std::initializer_list<const char*> utf8) {
    for (const char* text : utf8) texts_.push_back(Utf8ToSjis(text));
  }
  // The text of `index`; the empty text outside the table.
  const std::string& operator[](int index) const {
    static const std::string empty;
    if (index < 0 || index >= static_cast<int>(texts_.size())) return empty;
    return texts_[static_cast<std::size_t>(index)];
  }

 private:
  std::vector<std::string> texts_;
};

const std::string& Empty() {
  static const std::string empty;
  return empty;
}

// "%2s" of a text: right-aligned in two bytes.
std::string RightAligned(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

std::string LeftAligned(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return text + std::string(width - text.size(), ' ');
}

}  // namespace

// ---------------------------------------------------------------------------
// Race codes.

int DecodeGrade(const char* field) {
  switch (field[0]) {
    case ' ': return 1;
    case 'A': case 'F': return 6;
    case 'B': case 'G': return 5;
    case 'C': case 'H': return 4;
    case 'D': return 3;
    case 'E': return 2;
    default: return 0;
  }
}

int DecodeAgeClass(const char* field) {
  int code = ParseFixedField(field, 2);
  int value = 0;
  switch (code % 5) {
    case 1: value = 1; break;
    case 2: value = 2; break;
    case 3: value = 4; break;
    case 4: value = 5; break;
    default: break;
  }
  if (code / 10 >= 2) value += 50;
  return value;
}

int DecodeSymbol(const char* field) {
  int hundreds = 0;
  switch (field[0]) {
    case 'A': hundreds = 1; break;
    case 'B': hundreds = 2; break;
    case 'C': hundreds = 3; break;
    case 'D': case 'G': case 'H': hundreds = 4; break;
    case 'E': case 'I': case 'J': hundreds = 5; break;
    case 'F': case 'K': case 'L': hundreds = 6; break;
    case 'M': hundreds = 7; break;
    case 'N': hundreds = 8; break;
    default: break;
  }
  return hundreds * 100 + ParseFixedFieldInRange(field + 1, 1, 4) * 10 +
         ParseFixedFieldInRange(field + 2, 1, 4);
}

int DecodeCondition(const char* field) {
  int code = ParseFixedField(field, 3);
  switch (code) {
    case 701: return 71;
    case 702: return 72;
    case 703: return 81;
    case 999: return 91;
    default: return code;
  }
}

int DecodeTrack(const char* field) { return TrackValueOfCode(ParseFixedField(field, 2)); }

int TrackValueOfCode(int code) {
  switch (code) {
    case 10: return 14;
    case 11: case 14: case 15: return 12;
    case 12: case 13: case 16: return 13;
    case 17: case 20: case 21: return 10;
    case 18: case 19: case 22: return 11;
    case 23: return 22;
    case 24: return 20;
    case 25: return 23;
    case 26: return 21;
    case 27: return 32;
    case 28: return 30;
    case 29: return 24;
    case 51: case 53: case 54: case 55: case 56: case 57: case 58: case 59: return 110;
    case 52: return 120;
    default: return -1;
  }
}

int SurfaceKindOfTrack(int track) {
  int tens = track / 10;
  if (tens == 1) return 1;
  if (tens == 2) return 2;
  if (tens > 10) return 3;
  return 0;
}

// ---------------------------------------------------------------------------
// Race texts.

const std::string& WeekdayText(int weekday) {
  static const TTextTable table{"", "土", "日", "祝", "月", "火", "水", "木", "金"};
  return table[weekday];
}

const std::string& GradeShortText(int grade) {
  static const TTextTable table{"", "", "", "G ", "G3", "G2", "G1"};
  return table[grade];
}

const std::string& GradeLongText(int grade, int track) {
  static const TTextTable flat{"", "", "", "重賞", "Ｇ３", "Ｇ２", "Ｇ１"};
  static const TTextTable jump{"", "", "", "重賞", "Ｊ・Ｇ３", "Ｊ・Ｇ２", "Ｊ・Ｇ１"};
  return track >= 100 ? jump[grade] : flat[grade];
}

const std::string& AgeClassText(int ageClass) {
  static const TTextTable table{"",         "２歳指定", "３歳指定", "４歳指定", "３歳以上",
                                "４歳以上", "５歳以上", "",         "",         "一般"};
  return table[ageClass % 50];
}

std::string SymbolText(int symbol) {
  static const TTextTable hundreds{"",       "(混合)", "(父)",     "(市)",     "(抽)",
                                   "[抽]",   "(市)(抽)", "九州産馬", "(国際)"};
  static const TTextTable tens{"", "牡", "牝", "牡・ｾﾝ", "牡・牝"};
  static const TTextTable units{"", "(指定)", "若手騎手", "[指定]", "(特指)", "中央交流", "中央認定"};
  if (symbol <= 0) return std::string();
  return hundreds[symbol / 100] + tens[symbol / 10 % 10] + units[symbol % 10];
}

const std::string& WeightTypeText(int weightType) {
  static const TTextTable table{"", "ハンデ", "別定", "馬齢", "定量"};
  return table[weightType];
}

const std::string& WeatherText(int weather) {
  static const TTextTable table{"", "晴", "曇", "雨", "小雨", "雪", "小雪"};
  return table[weather];
}

const std::string& GoingText(int going) {
  static const TTextTable table{"", "良", "稍", "重", "不"};
  return table[going];
}

std::string ClassConditionText(int condition, int form) {
  if (condition <= 0 || condition >= 100) return std::string();
  int tens = condition / 10;
  bool round = condition % 10 == 0;
  if (form == 2) {
    if ((tens >= 7 && round) || tens == 7 || tens == 8) return std::string();
    if (tens == 9) return "OP";
    return std::to_string(condition);
  }
  if (tens >= 7 && round) return std::string();
  switch (condition) {
    case 71: return SJ("新馬");
    case 72: return SJ("未出走");
    case 73: return SJ("初出走");
    case 81: return SJ("未勝利");
    case 91: return SJ("オ－プン");
    default: break;
  }
  if (form == 8) return TwoColumnNumber(condition) + "00" + SJ("万下");
  return FullWidthNumber(condition) + SJ("００万下");
}

const std::string& TrackLetter(int track, bool kanji) {
  // Index: surface kind 1-3, then 4 for the sand tracks (tens digit 3),
  // which have no surface kind of their own.
  static const TTextTable letters{"", "T", "D", "J", "S"};
  static const TTextTable kanjis{"", "芝", "ダ", "障", "砂"};
  int kind = SurfaceKindOfTrack(track);
  if (kind == 0 && track / 10 == 3) kind = 4;
  return kanji ? kanjis[kind] : letters[kind];
}

std::string TrackText(int track, int courseDiv) {
  static const TTextTable surfaces{"", "芝", "ダート", "障害", "サンド"};
  static const TTextTable flatVariants{"", "・外", "", "・外", "・直線"};
  static const TTextTable jumpVariants{"", "・芝", "・ダ"};
  static const TTextTable railLetters{"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
  static const TTextTable railDigits{"", "１", "２"};
  if (track <= 0) return std::string();
  int kind = SurfaceKindOfTrack(track);
  if (kind == 0 && track / 10 == 3) kind = 4;
  std::string text = surfaces[kind];
  if (kind == 3) {
    text += jumpVariants[track % 100 / 10];
  } else if (kind != 0) {
    text += flatVariants[track % 10];
  }
  if (courseDiv > 0) {
    text += "(" + railLetters[courseDiv / 10 - 10];
    text += railDigits[courseDiv % 10] + ")";
  }
  return text;
}

std::string OddsTimeLabel(int state, int daysBefore, int hour, int minute) {
  switch (state) {
    case 1: {
      std::string day;
      if (daysBefore == 1) {
        day = SJ("前日");
      } else if (daysBefore == 2) {
        day = SJ("前々日");
      } else if (daysBefore != 0) {
        return std::string();
      }
      char time[16];
      std::snprintf(time, sizeof time, "%02d:%02d]", hour, minute);
      return "[" + day + time;
    }
    case 2:
      if (daysBefore == 1) return SJ("[前日最終]");
      if (daysBefore == 2) return SJ("[前々日最終]");
      return std::string();
    case 3: return SJ("[最終]");
    case 4:
    case 5: return SJ("[確定]");
    case -1: return SJ("[KOL予想オッズ]");
    case -2: return SJ("[FKEIBADO予想オッズ]");
    default: return std::string();
  }
}

// ---------------------------------------------------------------------------
// Runner codes.

int DecodeAbnormality(const char* field) {
  switch (field[0]) {
    case '1': return 23;
    case '2': return 21;
    case '3': return 22;
    case '4': return 11;
    case '5': return 2;
    case '6': return 3;
    case '7': return 1;
    default: return 0;
  }
}

int TimeFromMsst(const char* field) {
  int value = ParseFixedField(field, 4);
  return value / 1000 * 600 + value % 1000;
}

int DecodeMargin(const char* field) {
  int kind = 0;
  int lengths = 0;
  switch (field[0]) {
    case 'A': kind = 3; break;
    case 'D': kind = 1; break;
    case 'H': kind = 2; break;
    case 'K': kind = 4; break;
    case 'T': kind = 8; break;
    case 'Z': lengths = 10; break;
    default:
      if (field[0] >= '0' && field[0] <= '9') lengths = field[0] - '0';
      break;
  }
  switch (ParseFixedField(field + 1, 2)) {
    case 12: kind = 6; break;
    case 14: kind = 5; break;
    case 34: kind = 7; break;
    default: break;
  }
  return kind + lengths * 10;
}

int DecodeLastFurlongs(const char* last800, const char* last600) {
  int value = ParseFixedField(last600, 3);
  if (value >= 1 && value <= 998) return value;
  value = ParseFixedField(last800, 3);
  if (value >= 1 && value <= 998) return -value;
  return 0;
}

// ---------------------------------------------------------------------------
// Runner texts.

const std::string& SexText(int sex) {
  static const TTextTable table{"", "牡", "牝", "ｾﾝ"};
  return table[sex];
}

const std::string& BlinkerText(int blinker) {
  static const TTextTable table{"", "B"};
  return table[blinker];
}

const std::string& ApprenticeText(int apprentice) {
  static const TTextTable table{"", "☆", "△", "▲"};
  return table[apprentice];
}

const std::string& HorseMarkText(int mark) {
  static const TTextTable table{
      "",               "(抽)",         "[抽]",         "(父)",         "(市)",
      "(地)",           "(外)",         "(父)(抽)",     "(父)(市)",     "(父)(地)",
      "(市)(地)",       "(外)(地)",     "(父)(市)(地)", "",             "",
      "(招)",           "(招)(外)",     "(招)(父)",     "(招)(市)",     "(招)(父)(市)",
      "(父)(外)",       "[地]",         "(外)[地]",     "(父)[地]",     "(市)[地]",
      "(父)(市)[地]",   "[外]",         "(父)[外]",     "",             "",
      "",               "(持)",         "",             "",             "",
      "",               "",             "",             "",             "",
      "(父)(外)(地)",   "(父)(外)[地]"};
  return table[mark];
}

const std::string& MarginKindText(int kind) {
  static const TTextTable table{"", "同着", "ハナ", "頭", "クビ", "1/4", "1/2", "3/4", "大差"};
  return table[kind];
}

std::string MarginText(int margin) {
  int lengths = margin / 10;
  int kind = margin % 10;
  const std::string& kindText = MarginKindText(kind);
  if (lengths == 0) {
    if (kind >= 5 && kind <= 7) return "  " + RightAligned(kindText, 3);
    return LeftAligned(kindText, 5);
  }
  return RightAligned(TwoColumnNumber(lengths), 2) + RightAligned(kindText, 3);
}

const std::string& AbnormalityText(int abnormality, int width) {
  struct TRow {
    int code;
    const char* one;
    const char* two;
  };
  static const TRow kRows[] = {{1, "降", "降着"},  {2, "失", "失格"},  {3, "再", "再騎"},
                               {11, "止", "中止"}, {21, "除", "発除"}, {22, "除", "競除"},
                               {23, "消", "取消"}};
  static const std::vector<std::string> ones = [] {
    std::vector<std::string> texts;
    for (const TRow& row : kRows) texts.push_back(Utf8ToSjis(row.one));
    return texts;
  }();
  static const std::vector<std::string> twos = [] {
    std::vector<std::string> texts;
    for (const TRow& row : kRows) texts.push_back(Utf8ToSjis(row.two));
    return texts;
  }();
  int column = width / 2;
  if (column < 1) column = 1;
  if (column > 2) column = 2;
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    if (kRows[i].code == abnormality) return column == 1 ? ones[i] : twos[i];
  }
  return Empty();
}

std::string CarriedText(int carried, int apprentice) {
  if (carried == 0) return std::string();
  char number[32];
  if (carried % 10 == 0) {
    std::snprintf(number, sizeof number, "%2.0f", carried / 10.0);
    return RightAligned(ApprenticeText(apprentice), 2) + number;
  }
  std::snprintf(number, sizeof number, "%4.1f", carried / 10.0);
  return ApprenticeText(apprentice) + number;
}
