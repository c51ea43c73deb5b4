#include "analysis/person_list.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/numeric.h"
#include "app/file_io.h"
#include "app/fixed_field.h"
#include "app/program_folder.h"
#include "app/record_file.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/person_master_data.h"
#include "database/record_fields.h"

TPersonList* _JockeyList = nullptr;
TPersonList* _TrainerList = nullptr;

namespace {

using TCountSet = std::array<int, 6>;

// The typical field of a flat race; 1 ÷ 14 is the win rate of a horse
// picked at random.
constexpr double kFieldSize = 14;
// Full names are held to the width of the master's name field.
constexpr std::size_t kMaxNameBytes = 34;

// ---------------------------------------------------------------------------
// Reading a master record.

// A count or year in 16 bits; a count never goes below 0.
std::int16_t Short(int value, int minimum) {
  return static_cast<std::int16_t>(std::clamp(value, minimum, 32767));
}

TCountSet Sum(const TCountSet& a, const TCountSet& b) {
  TCountSet s{};
  for (std::size_t k = 0; k < s.size(); ++k) s[k] = a[k] + b[k];
  return s;
}

// The summary blocks of a KS or CH record.
class TSummaryReader {
 public:
  static constexpr int kThisYear = 0, kLastYear = 1, kCareer = 2;

  TSummaryReader(const char* record, int start) : record_(record), start_(start) {}

  int Year(int block) const {
    return Number(record_, jv::InBlock(start_, jv::person_summary::kLength, block,
                                       jv::person_summary::kYear));
  }
  TCountSet Flat(int block) const { return Set(block, jv::person_summary::kFlatCountsStart); }
  TCountSet Jump(int block) const { return Set(block, jv::person_summary::kJumpCountsStart); }
  // Distance row 0-5: turf up to 1600 m, up to 2200 m, over 2200 m, then dirt.
  TCountSet Distance(int block, int row) const {
    namespace ps = jv::person_summary;
    return Set(block, ps::kDistanceRowsStart + ps::kDistanceRowStride * row);
  }
  // The three distance rows of a surface (0 turf, 1 dirt) added up.
  TCountSet Surface(int block, int surface) const {
    return Sum(Sum(Distance(block, 3 * surface), Distance(block, 3 * surface + 1)),
               Distance(block, 3 * surface + 2));
  }

 private:
  TCountSet Set(int block, int offset) const {
    namespace ps = jv::person_summary;
    TCountSet set{};
    const int first = start_ + ps::kLength * block + offset;
    for (int k = 0; k < ps::kCountCount; ++k) {
      set[static_cast<std::size_t>(k)] =
          Number(record_, jv::InBlock(first, ps::kCountStride, k, ps::kCount));
    }
    return set;
  }

  const char* record_;
  int start_;
};

TCountSet Row(const TPersonData& person, int row) {
  TCountSet set{};
  const auto& counts = person.Counts[static_cast<std::size_t>(row)];
  for (std::size_t k = 0; k < set.size(); ++k) set[k] = counts[k];
  return set;
}

int Rides(const TCountSet& set) {
  int n = 0;
  for (int c : set) n += std::max(c, 0);
  return n;
}

// ---------------------------------------------------------------------------
// Names.

std::size_t CharLength(const std::string& text, std::size_t i) {
  return IsSjisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// The position of the two-byte character `c` in `text` at or after `from`
// (a character boundary), looking at whole characters only; npos if absent.
std::size_t FindChar(const std::string& text, const std::string& c, std::size_t from) {
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (text.compare(i, c.size(), c) == 0 && CharLength(text, i) == c.size()) return i;
  }
  return std::string::npos;
}

bool IsBlank(const std::string& text, std::size_t i) {
  return text[i] == ' ' || (CharLength(text, i) == 2 && text.compare(i, 2, SJ("　")) == 0);
}

// The text without the blanks (half-width and "　") at both ends.
std::string TrimBlanks(const std::string& text) {
  std::size_t begin = std::string::npos, end = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (IsBlank(text, i)) continue;
    if (begin == std::string::npos) begin = i;
    end = i + CharLength(text, i);
  }
  return begin == std::string::npos ? std::string() : text.substr(begin, end - begin);
}

using TTextPairs = std::vector<std::pair<std::string, std::string>>;

TTextPairs ConvertPairs(std::initializer_list<std::pair<const char*, const char*>> utf8) {
  TTextPairs pairs;
  for (const auto& [from, to] : utf8) pairs.emplace_back(Utf8ToSjis(from), Utf8ToSjis(to));
  return pairs;
}

// Short names under which runner records spell a person otherwise than the
// master: a given name or Latin letters in place of the master's short form,
// or another kanji. The right side is matched against the full name.
const TTextPairs& AliasTable() {
  static const TTextPairs table = ConvertPairs({
      {"ルカ", "ヴェルタ"},      // Ｌ．ヴェルタ, by his given name
      {"マテオ", "Ｍ．ロサ"},    // Ｍ．ロサーノ, by his given name
      {"ＮＯＶＡ", "ノヴァク"},  // Ｏ．ノヴァク, in Latin letters
      {"ＢＲＡＮ", "ブラント"},  // Ｈ．ブラント, in Latin letters
      {"ＱＵＩＮ", "キンタ"},    // Ｒ．キンタナ, in Latin letters
      {"山﨑健", "山崎健"},      // 山崎 健二, with the other 崎
      {"髙野誠", "高野誠"},      // 高野 誠一, with the other 高
  });
  return table;
}

// Characters of a short name that the masters write in another form.
const TTextPairs& CharacterTable() {
  static const TTextPairs table = ConvertPairs({
      {"・", "．"}, {"齋", "斉"}, {"斎", "斉"}, {"齊", "斉"}, {"邊", "辺"}, {"邉", "辺"},
      {"國", "国"}, {"滿", "満"}, {"澤", "沢"}, {"壽", "寿"}, {"廣", "広"}, {"濱", "浜"},
      {"眞", "真"}, {"櫻", "桜"}, {"兒", "児"}, {"篭", "籠"}, {"澁", "渋"}, {"藏", "蔵"},
      {"數", "数"}, {"榮", "栄"}, {"檜", "桧"}, {"曾", "曽"},
  });
  return table;
}

const std::string& Translated(const std::string& c) {
  for (const auto& [from, to] : CharacterTable()) {
    if (c == from) return to;
  }
  return c;
}

}  // namespace

// ---------------------------------------------------------------------------

TPersonData TPersonData::FromRecord(int kind, const char* record) {
  TPersonData person;
  if (kind != 1 && kind != 2) return person;
  const bool jockey = kind == 1;
  person.Kind = static_cast<std::int8_t>(kind);
  person.Code = Number(record, jockey ? jv::ks::kCode : jv::ch::kCode);
  person.MadeOn = Number(record, jv::kCreated);
  if (jockey) {
    // The date is the first 8 characters of the race key.
    person.FirstFlat = Number(record, {jv::ks::kFirstFlatRide.offset, 8});
    person.FirstJump = Number(record, {jv::ks::kFirstJumpRide.offset, 8});
  } else {
    person.FirstFlat = person.FirstJump = Number(record, jv::ch::kLicensedOn);
  }
  person.Name = TrimmedField(record, jockey ? jv::ks::kName : jv::ch::kName);
  const int eastWest = Number(record, jockey ? jv::ks::kEastWest : jv::ch::kEastWest);
  person.EastWest = static_cast<std::int8_t>(eastWest >= 1 && eastWest <= 4 ? eastWest : 0);

  using S = TSummaryReader;
  const S summary(record, jockey ? jv::ks::kSummaryStart : jv::ch::kSummaryStart);
  person.ThisYear = Short(summary.Year(S::kThisYear), -32768);
  person.LastYear = Short(summary.Year(S::kLastYear), -32768);

  TCountSet rows[15];
  rows[0] = rows[3] = summary.Flat(S::kCareer);
  if (jockey) {
    rows[1] = summary.Surface(S::kThisYear, 0);
    rows[2] = summary.Surface(S::kLastYear, 0);
    rows[4] = summary.Surface(S::kThisYear, 1);
    rows[5] = summary.Surface(S::kLastYear, 1);
  } else {
    rows[1] = rows[4] = summary.Flat(S::kThisYear);
    rows[2] = rows[5] = summary.Flat(S::kLastYear);
  }
  rows[6] = summary.Jump(S::kCareer);
  rows[7] = summary.Jump(S::kThisYear);
  rows[8] = summary.Jump(S::kLastYear);
  for (int d = 0; d < jv::person_summary::kDistanceRowCount; ++d) {
    rows[9 + d] = Sum(summary.Distance(S::kThisYear, d), summary.Distance(S::kLastYear, d));
  }
  for (std::size_t r = 0; r < person.Counts.size(); ++r) {
    for (std::size_t k = 0; k < 6; ++k) person.Counts[r][k] = Short(rows[r][k], 0);
  }
  return person;
}

// ---------------------------------------------------------------------------

TPersonList::TPersonList(int kind) : kind_(kind) {}

TPersonList::~TPersonList() {
  try {
    if (!ReadBool(ini::kDebug, ini::kPersonList, false)) return;
    std::string text;
    for (const auto& [name, code] : names_) {
      if (code == 0) text += name + "\n";
    }
    WriteFileAtomically(ProgramFolder() + "DEBUG_PERSON_" + std::to_string(kind_) + ".TXT", text);
  } catch (...) {
    // A diagnostic file is not worth ending the program over.
  }
}

void TPersonList::Clear() {
  persons_.clear();
  names_.clear();
  lastCode_ = -1;
  last_ = nullptr;
  loaded_ = false;
}

void TPersonList::Load() {
  Clear();
  // Loaded once, even when the file is missing or unusable: the next
  // request must not read (and report) it again.
  loaded_ = true;
  const int length = kind_ == 1 ? jv::ks::kLength : kind_ == 2 ? jv::ch::kLength : 0;
  if (length == 0) return;
  const auto size = static_cast<std::size_t>(length);
  std::string data;
  const std::string path = DataFolder() + PersonMasterFileName(kind_);
  if (ReadRecordFile(path, size, data, false) != TRecordFileResult::kOk) return;
  const std::size_t count = RecordCount(data, size);
  for (std::size_t i = 0; i < count; ++i) {
    TPersonData person = TPersonData::FromRecord(kind_, data.data() + i * size);
    persons_.emplace(person.Code, std::move(person));  // a repeated code keeps the first
  }
}

const TPersonData& TPersonList::Person(int code) {
  if (!loaded_) Load();
  if (code == lastCode_ && last_ != nullptr) return *last_;
  auto [it, inserted] = persons_.try_emplace(code);
  if (inserted) {
    it->second.Kind = static_cast<std::int8_t>(kind_);
    it->second.Code = code;
  }
  lastCode_ = code;
  last_ = &it->second;
  return it->second;
}

int TPersonList::CodeOfName(const std::string& name) {
  if (!loaded_) Load();
  // Runner records pad their names; a padded name is the same name.
  const std::string trimmed = TrimBlanks(name);
  if (trimmed.empty()) return 0;
  auto [entry, inserted] = names_.try_emplace(trimmed, 0);
  if (!inserted) return entry->second;
  for (auto& [code, person] : persons_) {
    if (NameMatches(person.Name, trimmed)) {
      entry->second = code;
      lastCode_ = code;
      last_ = &person;
      return code;
    }
  }
  return 0;
}

std::string TPersonList::ShortName(int code, int width) {
  return ShortNameOfWidth(Person(code).Name, width);
}

double TPersonList::StatisticsValue(int code, int date, int track, int distance) {
  const TPersonData& person = Person(code);
  if (person.Kind == 0 || person.EastWest == 0) return 0;
  const bool jockey = person.Kind == 1;

  // Surface: 0 turf, 1 dirt, 2 jumps; anything else counts as turf.
  const int tens = track / 10;
  const int surface = tens == 2 ? 1 : (tens == 11 || tens == 12) ? 2 : 0;
  const bool flat = surface != 2;
  const double factor = flat ? 1.0 : 0.92;

  // Count sets of the career, this year and last year.
  const TCountSet career = Row(person, 3 * surface);
  TCountSet thisYear, lastYear;
  if (jockey && flat) {
    thisYear = Sum(Row(person, 1), Row(person, 4));
    lastYear = Sum(Row(person, 2), Row(person, 5));
  } else {
    thisYear = Row(person, 3 * surface + 1);
    lastYear = Row(person, 3 * surface + 2);
  }

  static constexpr double kJockeyPrior[5] = {0, 0.8, 0.9, 1.2, 1.9};
  const double prior = (jockey ? kJockeyPrior[person.EastWest] : 1.0) / kFieldSize;

  // Points (days since the first ride, rate, weight) along the career: the
  // prior at its start, the career's rate at its middle and, for the JRA's
  // own people, last year's rate in the middle of last year and this year's
  // rate at this year's place, each from the rides of its own year. Each
  // rate starts from the one before it and weighs 7 rides of it.
  const int first = flat ? person.FirstFlat : person.FirstJump;
  auto blend = [](double before, const TCountSet& set, double factor_) {
    const int n = Rides(set);
    return std::make_pair((7 * before + n * SmoothedWinRate(set, factor_)) / (7 + n), 7.0 + n);
  };
  double x[4] = {0, 0, 0, 0}, y[4] = {prior, 0, 0, 0}, w[4] = {0, 0, 0, 0};
  int points = 2;
  x[1] = DaysBetween(first, person.MadeOn) / 2.0;
  std::tie(y[1], w[1]) = blend(prior, career, factor);
  if (person.EastWest == 1 || person.EastWest == 2) {
    points = 4;
    x[2] = DaysBetween(first, person.LastYear * 10000 + 101) + 180;
    std::tie(y[2], w[2]) = blend(y[1], lastYear, factor);
    x[3] = person.ThisYear < person.MadeOn / 10000
               ? DaysBetween(first, person.ThisYear * 10000 + 101) + 180
               : DaysBetween(first, person.MadeOn);
    std::tie(y[3], w[3]) = blend(x[2] > x[1] ? y[2] : y[1], thisYear, factor);
  }
  const TLine line = WeightedLine(w, x, y, points);
  double value = DaysBetween(first, date) * line.slope + line.intercept;

  if (flat) {
    // How the person does on this surface against both surfaces, and at
    // this distance against the surface.
    const int base = 9 + 3 * surface;
    const TCountSet onSurface =
        Sum(Sum(Row(person, base), Row(person, base + 1)), Row(person, base + 2));
    const TCountSet onBoth = Sum(Sum(Sum(Row(person, 9), Row(person, 10)), Row(person, 11)),
                                 Sum(Sum(Row(person, 12), Row(person, 13)), Row(person, 14)));
    const int row = base + (distance <= 1600 ? 0 : distance <= 2200 ? 1 : 2);
    const double surfaceRate = SmoothedWinRate(onSurface, 1.0);
    value += (surfaceRate - SmoothedWinRate(onBoth, 1.0)) * (jockey ? 0.6 : 0.8);
    value += (SmoothedWinRate(Row(person, row), 1.0) - surfaceRate) * 0.2;
  }
  return value - 1 / kFieldSize;
}

// ---------------------------------------------------------------------------

bool NameMatches(const std::string& fullName, const std::string& shortName) {
  // Runner records pad their short names with blanks; they name nobody.
  std::string name = TrimBlanks(shortName);
  if (fullName.empty() || name.empty()) return false;
  for (const auto& [from, to] : AliasTable()) {
    if (name == from) {
      name = to;
      break;
    }
  }
  // Every two-byte character, in order, somewhere after the one before. A
  // name without one (half-width letters only) matches nobody rather than
  // everybody.
  bool any = false;
  std::size_t from = 0;
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) != 2 || IsBlank(name, i)) continue;
    const std::size_t at = FindChar(fullName, Translated(name.substr(i, 2)), from);
    if (at == std::string::npos) return false;
    from = at + 2;
    any = true;
  }
  return any;
}

std::string ShortNameOfWidth(const std::string& fullName, int width) {
  std::string name = SjisCut(fullName, kMaxNameBytes);
  if (width <= 0) return name;
  const auto n = static_cast<std::size_t>(width);
  // Widen the gap between family and given name …
  for (std::size_t blank; name.size() < n && (blank = name.find(' ')) != std::string::npos;) {
    name.insert(blank, 1, ' ');
  }
  // … or close it, …
  for (std::size_t blank; name.size() > n && (blank = name.find(' ')) != std::string::npos;) {
    name.erase(blank, 1);
  }
  // … then drop initials such as "Ｏ．", and cut what is still too long.
  const std::string& dot = SJ("．");
  while (name.size() > n) {
    const std::size_t at = FindChar(name, dot, 0);
    if (at == std::string::npos || at + dot.size() >= name.size()) break;
    name.erase(0, at + dot.size());
  }
  return SjisCut(name, n);
}

double SmoothedWinRate(const std::array<int, 6>& counts, double factor) {
  const double d = kFieldSize * factor;  // the typical field
  // A field of five or fewer leaves no place for the rest (and the factor
  // is 1.0 or 0.92 in use).
  if (!(d > 5)) return 0;
  double k[6];
  double t = 0;
  for (std::size_t i = 0; i < 6; ++i) {
    k[i] = std::max(counts[i], 0);  // a malformed negative count is none
    t += k[i];
  }
  const double m = 1 / d;  // the win rate of a horse picked at random
  const double r = 21;     // the weight of that prior, in rides
  // The rest are spread over the places after the fifth.
  const double rest = k[5] / (d - 5);
  double x[7], y[7], w[7];
  x[0] = (d + 6) / 2, y[0] = (rest + r * m) / (r + t), w[0] = r + rest;
  x[1] = (d + 1) / 2, y[1] = m, w[1] = r;
  // Places 5 … 1, each rate built on the one behind it.
  double behind = m;
  for (int place = 5; place >= 1; --place) {
    const auto i = static_cast<std::size_t>(7 - place);
    x[i] = place;
    y[i] = (k[place - 1] + r * behind) / (t + r);
    w[i] = k[place - 1] + r;
    behind = y[i];
  }
  const TLine line = WeightedLine(w, x, y, 7);
  return (line.slope + line.intercept) * factor;
}
