// Names of the sample racing world: horses, people, breeders, owners and
// racing colours, generated from word and syllable lists so that they read
// like Japanese racing names without copying famous real ones. Also the kana
// helpers the generators use: half-width kana and romanisation.
//
// The lists are UTF-8 in the source; every name handed out is CP932 (kana
// names half-width kana), Latin names ASCII.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "sample/sample_random.h"

namespace sample {

// ---------------------------------------------------------------------------
// Kana text.

// The half-width kana form of UTF-8 text: katakana and hiragana become
// half-width katakana (a voiced kana takes a separate "ﾞ" or "ﾟ"), "ー"
// becomes "ｰ", a full-width blank a half-width one, "（）．・" their
// half-width forms; every other character stays as it is. UTF-8 out.
std::string HalfWidthKana(std::string_view utf8);

// CP932 of UTF-8 text: katakana, "ー", half-width kana and ASCII directly,
// anything else through Utf8ToSjis.
std::string KanaToSjis(std::string_view utf8);

enum class TRomanStyle {
  // Hepburn, "ー" dropped, long vowels shortened as JRA spells names:
  // "ハヤテ" → "Hayate", "タイヨウ" → "Taiyo", "オオゾラ" → "Ozora".
  kJapanese,
  kPerson,    // the same for people: "ユウイチ" → "Yuichi", "オオノ" → "Ono"
  // An invented foreign-looking word: no shortening, the r-row as l:
  // "ルミエラ" → "Lumiela".
  kForeign,
};

// The romanisation of UTF-8 katakana (or hiragana), first letter upper case.
// Characters that are not kana are dropped.
std::string Romanise(std::string_view utf8Kana, TRomanStyle style);

// Number of characters of UTF-8 text.
int Utf8Length(std::string_view utf8);

// ---------------------------------------------------------------------------
// Names.

// A name in its three forms: CP932, CP932 half-width kana, ASCII.
struct TNameForms {
  std::string name;
  std::string kanaName;
  std::string latinName;
};

// The parts of a person's name (UTF-8), before the forms are made.
struct TPersonParts {
  std::string family;        // kanji, or katakana for an overseas person
  std::string given;         // kanji, or katakana for an overseas person
  std::string familyKana;    // katakana reading
  std::string givenKana;
  std::string familyLatin;   // overseas people: "McLane"
  std::string givenLatin;    // overseas people: "Jack"
  bool overseas = false;
  bool female = false;
};

// A jockey's or trainer's name fields (CP932, kana half-width, Latin ASCII).
struct TPersonForms {
  std::string name;       // "山田 太郎", overseas "Ｊ．マクレーン"
  std::string shortName;  // at most 8 bytes: "山田", "山田太", "Ｊ．マク"
  std::string kanaName;   // "ﾔﾏﾀﾞ ﾀﾛｳ"
  std::string latinName;  // "Taro Yamada"
};

// Kinds of horse names.
enum class THorseNameStyle {
  kDomestic,  // Japanese-bred: loanword pairs, invented words, Japanese words
  kForeign,   // foreign-bred: English-looking words only
};

// The generators. One book hands out every name of one world, so that
// horse names (racehorses and breeding horses alike), people's full names,
// breeders' and owners' names and racing colours never repeat. The same
// calls with the same random streams give the same names.
class TNameBook {
 public:
  TNameBook();

  // Horse names ------------------------------------------------------------

  // Number of crowns (冠名) an owner can hold.
  int CrownCount() const;
  // The crown in katakana (UTF-8).
  const std::string& Crown(int crown) const;

  // A horse name not handed out before: 2 to 9 full-width katakana. A
  // female gets no "boy"/"king" words and a male no "girl"/"queen" ones.
  // With a crown (0 .. CrownCount() - 1) the name starts with it.
  TNameForms HorseName(TRandom& random, bool female, int crown, THorseNameStyle style);

  // True when the horse name (CP932) has been handed out or is reserved.
  bool HorseNameTaken(std::string_view sjisName) const;

  // People -----------------------------------------------------------------

  // A Japanese person: common family and given names at random, never a
  // full name handed out before.
  TPersonParts JapanesePerson(TRandom& random, bool female);
  // An overseas jockey or trainer with an invented name.
  TPersonParts OverseasPerson(TRandom& random);

  // The name fields of a group of people (the jockeys, or the trainers),
  // with short names unique within the group: the family name alone, or
  // the family name and the first character of the given name when the
  // family name is shared. A person whose short name would still clash
  // gets a new given name (the parts are updated).
  std::vector<TPersonForms> PersonForms(std::vector<TPersonParts>& group, TRandom& random);

  // Breeders and owners ----------------------------------------------------

  // A breeder's name and its region: "山田牧場", "（有）山田ファーム",
  // "シラカバスタッド" or a person, mostly in Hokkaido; overseas breeders
  // have katakana names and a country ("米国").
  TNameForms BreederName(TRandom& random, bool overseas, std::string* address);

  enum class TOwnerKind { kPerson, kCompany, kOverseas };
  // An owner's name: "山田太郎", "（株）ハルカゼ", "（有）ハルカゼレーシング",
  // or an overseas stable. A company with a crown (>= 0) is named after it.
  TNameForms OwnerName(TRandom& random, TOwnerKind kind, int crown);

  // Racing colours in words, e.g. "黄，黒縦縞，袖青一本輪" (CP932), unique.
  std::string Colours(TRandom& random);

 private:
  struct TWord {
    std::string utf8;
    std::string sjis;      // full-width
    std::string kana;      // CP932 half-width
    std::string latin;
    int length = 0;        // characters
    char gender = 'n';     // 'm', 'f' or 'n'
  };
  static TWord MakeWord(std::string_view utf8, std::string_view latin, char gender, TRomanStyle style);
  bool Fits(const TWord& word, bool female) const;
  TWord InventedWord(TRandom& random, int minLength, int maxLength);
  bool TryHorseName(const std::vector<const TWord*>& words, TNameForms* forms);

  std::vector<TWord> crowns_;
  std::vector<TWord> firstWords_;    // modifiers and nouns that lead
  std::vector<TWord> lastWords_;     // nouns that end a name
  std::vector<TWord> japaneseWords_;
  std::vector<TWord> japaneseEnds_;  // "マル", "オー", "ヒメ" ...
  std::unordered_set<std::string> horseNames_;     // CP932
  std::unordered_set<std::string> personNames_;    // UTF-8 "family given"
  std::unordered_set<std::string> businessNames_;  // UTF-8, breeders and owners
  std::unordered_set<std::string> colours_;        // CP932
};

}  // namespace sample
