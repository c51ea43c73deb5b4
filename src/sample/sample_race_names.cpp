#include "sample/sample_race_names.h"

#include <cstdint>

#include "app/sjis.h"

namespace sample {

namespace {

// Words for race names: seasons, plants, birds, winds, stars and places of
// the sample world. Each is at most four full-width characters.
const char* const kWords[] = {
    "若草", "白樺", "雲雀", "朝霧", "紅葉", "青嵐", "銀河", "北斗", "潮騒", "春雷", "夏雲", "秋桜",
    "冬椿", "山桜", "鈴蘭", "若鮎", "若駒", "天馬", "駿風", "白鷺", "早苗", "若葉", "菖蒲", "紫陽花",
    "向日葵", "稲穂", "錦秋", "初霜", "雪見", "寒梅", "福寿", "千鳥", "翡翠", "琥珀", "瑠璃", "真珠",
    "芙蓉", "桔梗", "竜胆", "木犀", "水仙", "椿", "梅花", "若竹", "青葉", "夕月", "明星", "昴",
    "天狼", "北辰", "東雲", "暁", "黎明", "彩雲", "瑞雲", "清流", "渓流", "大河", "湖畔", "海峡",
    "岬", "高原", "丘陵", "峰", "大樹", "銀杏", "楓", "樅", "檜", "榛", "欅", "楠",
    "ミズナラ", "ハマナス", "ラベンダー", "スズカケ", "ナナカマド", "アカシア", "ポプラ", "ライラック",
    "コスモス", "ダリア", "マーガレット", "アイリス", "カトレア", "フリージア", "オリオン", "ペガサス",
    "アンドロメダ", "カシオペア", "シリウス", "ベガ", "アルタイル", "スピカ", "リゲル", "カノープス",
};
constexpr int kWordCount = static_cast<int>(sizeof kWords / sizeof kWords[0]);

std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

// The first `chars` full-width characters of a CP932 text of full-width
// characters only.
std::string Head(const std::string& sjis, std::size_t chars) {
  return sjis.substr(0, std::min(sjis.size(), chars * 2));
}

}  // namespace

TRaceName SpecialRaceName(int venue, int month, int slot, bool graded, bool open) {
  std::uint32_t seed = Mix(static_cast<std::uint32_t>(venue * 1000 + month * 10 + slot) * 2654435761U +
                           (graded ? 7U : 0U));
  const std::string word = Utf8ToSjis(kWords[seed % kWordCount]);
  const char* suffix;
  if (graded) {
    static const char* const kGraded[] = {"記念", "ステークス", "杯", "賞", "カップ", "大賞典"};
    suffix = kGraded[(seed >> 8) % 6];
  } else {
    suffix = open ? "ステークス" : "特別";
  }
  TRaceName name;
  name.main = word + Utf8ToSjis(suffix);
  name.short10 = Head(name.main, 10);
  name.short6 = Head(name.main, 6);
  name.short3 = Head(word, 3);
  name.specialNo = static_cast<int>(1000 + (venue * 997 + month * 61 + slot * 7 + (graded ? 5 : 0)) % 9000);
  name.founded = graded ? 1950 + static_cast<int>((seed >> 16) % 50) : 1980 + static_cast<int>((seed >> 16) % 30);
  return name;
}

}  // namespace sample
