#include "database/race_name.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "app/fixed_field.h"
#include "app/sjis.h"
#include "database/jv_records.h"

namespace {

// The titles, division and running number lie at the same offsets in the
// race record and the special-registration record.
static_assert(jv::ra::kMainTitle == jv::tk::kMainTitle && jv::ra::kSubtitle == jv::tk::kSubtitle &&
              jv::ra::kParenTitle == jv::tk::kParenTitle && jv::ra::kDivision == jv::tk::kDivision &&
              jv::ra::kRunningNo == jv::tk::kRunningNo);

std::string Squeezed(const char* record, jv::TField field) {
  return SqueezeBlanks(record + field.offset, field.length);
}

// A list of words with the value each gives, in UTF-8 source and converted
// to CP932 once.
using TWordList = std::vector<std::pair<std::string, int>>;

TWordList Words(std::initializer_list<std::pair<const char*, int>> utf8) {
  TWordList words;
  for (const auto& [word, value] : utf8) words.emplace_back(Utf8ToSjis(word), value);
  return words;
}

bool Contains(const std::string& text, const std::string& word) {
  return FindSjis(text, word) != std::string::npos;
}

// The value of the first word of the list that `name` holds, or 0.
int FirstFound(const TWordList& words, const std::string& name) {
  for (const auto& [word, value] : words) {
    if (Contains(name, word)) return value;
  }
  return 0;
}

// `text` without any occurrence of `word`.
std::string CutEvery(std::string text, const std::string& word) {
  std::size_t at = FindSjis(text, word);
  while (at != std::string::npos) {
    text.erase(at, word.size());
    at = FindSjis(text, word, at);
  }
  return text;
}

std::string RunningNoText(int runningNo) {
  return SJ("第") + std::to_string(runningNo) + SJ("回") + " ";
}

}  // namespace

TRaceTitles TRaceTitles::FromTk(const char* record) {
  TRaceTitles titles;
  titles.Division = ParseFixedField(record + jv::tk::kDivision.offset, jv::tk::kDivision.length);
  titles.RunningNo = ParseFixedField(record + jv::tk::kRunningNo.offset, jv::tk::kRunningNo.length);
  titles.MainTitle = Squeezed(record, jv::tk::kMainTitle);
  titles.Subtitle = Squeezed(record, jv::tk::kSubtitle);
  titles.ParenTitle = Squeezed(record, jv::tk::kParenTitle);
  return titles;
}

TRaceTitles TRaceTitles::FromRa(const char* record) {
  TRaceTitles titles = FromTk(record);
  titles.ConditionName = Squeezed(record, jv::ra::kConditionName);
  return titles;
}

std::size_t FindSjis(const std::string& text, const std::string& word, std::size_t from) {
  if (word.empty()) return from <= text.size() ? from : std::string::npos;
  for (std::size_t at = from; at + word.size() <= text.size();) {
    if (text.compare(at, word.size(), word) == 0) return at;
    at += IsSjisLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
  }
  return std::string::npos;
}

std::string JoinTitles(const TRaceTitles& titles) {
  const bool numbered = titles.RunningNo > 0;
  std::string name;
  if (!titles.Subtitle.empty()) {
    if (titles.Division == 2 && numbered) name += RunningNoText(titles.RunningNo);
    name += titles.Subtitle + " ";
  }
  if (titles.Division == 1 && numbered) name += RunningNoText(titles.RunningNo);
  name += titles.MainTitle;
  if (!titles.ParenTitle.empty()) {
    name += SJ("（");
    if (titles.Division == 3 && numbered) name += RunningNoText(titles.RunningNo);
    name += titles.ParenTitle + SJ("）");
  }
  if (!titles.ConditionName.empty()) name += " " + titles.ConditionName;
  return name;
}

int AgeClassFromName(const std::string& name, int year) {
  // Ages were counted one year higher before 2001, so the same words name
  // a different age group before and after.
  static const TWordList since2001 = Words({
      {"５才上", 6}, {"４才上", 5}, {"３才上", 4}, {"３・４才", 4}, {"４才", 3}, {"３才", 2},
      {"２才", 1},   {"５歳上", 6}, {"４歳上", 5}, {"３歳上", 4},   {"３・４歳", 4}, {"４歳", 3},
      {"３歳", 2},   {"２歳", 1},   {"認定", 1},
  });
  static const TWordList before2001 = Words({
      {"６才上", 6}, {"５才上", 5}, {"４才上", 4}, {"４・５才", 4}, {"５才", 3}, {"４才", 2},
      {"３才", 1},   {"６歳上", 6}, {"５歳上", 5}, {"４歳上", 4},   {"４・５歳", 4}, {"５歳", 3},
      {"４歳", 2},   {"３歳", 1},   {"認定", 1},
  });
  int ageClass = 0;
  if (Contains(name, SJ("一般"))) {
    ageClass = 9;
  } else {
    ageClass = FirstFound(year >= 2001 ? since2001 : before2001, name);
  }
  if (Contains(name, SJ("アラ系"))) ageClass += 50;
  return ageClass;
}

std::string CutClassPrefix(const std::string& name) {
  static const std::vector<std::string> prefixes = [] {
    const char* breeds[] = {"サラ系", "アラ系", "混合"};
    const char* classes[] = {"一般",   "５才上", "４才上", "３才上", "４・５才", "３・４才", "５才",
                             "４才",   "３才",   "２才",   "５歳上", "４歳上",   "３歳上",   "４・５歳",
                             "３・４歳", "５歳", "４歳",   "３歳",   "２歳",     ""};
    std::vector<std::string> list;
    for (const char* breed : breeds) {
      for (const char* ageClass : classes) list.push_back(Utf8ToSjis(std::string(breed) + ageClass));
    }
    return list;
  }();
  for (const std::string& prefix : prefixes) {
    std::size_t at = FindSjis(name, prefix);
    if (at != std::string::npos) return std::string(name).erase(at, prefix.size());
  }
  return name;
}

int SymbolFromName(const std::string& name) {
  int symbol = Contains(name, SJ("九州産")) ? 700 : 0;
  if (Contains(name, SJ("認定"))) {
    symbol += 6;
  } else if (Contains(name, SJ("中央交流"))) {
    symbol += 5;
  }
  return symbol;
}

std::string CutSymbolWords(const std::string& name) {
  std::string cut = name;
  for (const std::string* word : {&SJ("中央認定"), &SJ("ＪＲＡ認定競走"), &SJ("ＪＲＡ認定"), &SJ("中央交流")}) {
    cut = CutEvery(cut, *word);
  }
  return cut;
}

int ConditionFromName(const std::string& name, int venue) {
  static const TWordList common = Words({{" ＯＰ", 91}, {"未勝利", 81}, {"初出走", 73}, {"新馬", 71}});
  // Sonoda and Himeji.
  static const TWordList sonoda = Words({{" Ｓ", 104}, {" Ａ", 103}, {" Ｂ", 102}, {" Ｃ", 101},
                                         {"認未", 81}, {"認初", 73}});
  // Kochi.
  static const TWordList kochi = Words({{" Ａ", 104}, {" Ｂ", 103}, {" Ｃ", 102}, {" Ｄ", 101},
                                        {" Ｅ", 101}, {" Ｆ", 101}, {" Ｇ", 101}});
  static const TWordList others = Words({{" Ａ", 104}, {" 一般Ａ", 104}, {" Ｂ", 103}, {" 一般Ｂ", 103},
                                         {" Ｃ", 102}, {" 一般Ｃ", 102}, {" Ｄ", 101}, {" 一般Ｄ", 101}});
  int condition = FirstFound(common, name);
  if (condition != 0) return condition;
  if (venue == 50 || venue == 51) return FirstFound(sonoda, name);
  if (venue == 54) return FirstFound(kochi, name);
  return FirstFound(others, name);
}

std::string CutLocalMarks(const std::string& name) {
  return CutEvery(CutEvery(name, SJ("（）")), SJ(" ・"));
}

std::string ComposeRaceName(const TRaceTitles& titles, int year, int venue, TRaceNameCodes& codes) {
  std::string name = JoinTitles(titles);
  if (codes.AgeClass == 0) {
    codes.AgeClass = AgeClassFromName(name, year);
    name = CutClassPrefix(name);
  }
  if (codes.Symbol == 0) {
    codes.Symbol = SymbolFromName(name);
    name = CutSymbolWords(name);
  }
  if (codes.YoungestCondition == 0) codes.YoungestCondition = ConditionFromName(name, venue);
  if (venue >= 30) name = CutLocalMarks(name);
  return name;
}
