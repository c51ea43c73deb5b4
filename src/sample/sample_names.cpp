#include "sample/sample_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <stdexcept>

#include "app/sjis.h"

namespace sample {

namespace {

// ---------------------------------------------------------------------------
// UTF-8.

char32_t DecodeAt(std::string_view text, std::size_t& i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
  char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1Fu) : extra == 2 ? (c & 0x0Fu) : (c & 0x07u);
  ++i;
  for (int k = 0; k < extra && i < text.size(); ++k, ++i) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
  }
  return cp;
}

void Encode(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::u32string Decode(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) out += DecodeAt(text, i);
  return out;
}

std::string FirstCharacter(std::string_view text) {
  std::size_t i = 0;
  if (!text.empty()) DecodeAt(text, i);
  return std::string(text.substr(0, i));
}

constexpr char32_t kKatakanaFirst = 0x30A1;  // ァ
constexpr char32_t kKatakanaLast = 0x30F6;   // ヶ
constexpr char32_t kLongMark = 0x30FC;       // ー

// Half-width forms of ァ (U+30A1) ... ヶ (U+30F6).
constexpr std::array<const char*, 86> kHalfWidth = {
    "ｧ", "ｱ", "ｨ", "ｲ", "ｩ", "ｳ", "ｪ", "ｴ", "ｫ", "ｵ",                               // ァ-オ
    "ｶ", "ｶﾞ", "ｷ", "ｷﾞ", "ｸ", "ｸﾞ", "ｹ", "ｹﾞ", "ｺ", "ｺﾞ",                           // カ-ゴ
    "ｻ", "ｻﾞ", "ｼ", "ｼﾞ", "ｽ", "ｽﾞ", "ｾ", "ｾﾞ", "ｿ", "ｿﾞ",                           // サ-ゾ
    "ﾀ", "ﾀﾞ", "ﾁ", "ﾁﾞ", "ｯ", "ﾂ", "ﾂﾞ", "ﾃ", "ﾃﾞ", "ﾄ", "ﾄﾞ",                       // タ-ド
    "ﾅ", "ﾆ", "ﾇ", "ﾈ", "ﾉ",                                                           // ナ-ノ
    "ﾊ", "ﾊﾞ", "ﾊﾟ", "ﾋ", "ﾋﾞ", "ﾋﾟ", "ﾌ", "ﾌﾞ", "ﾌﾟ", "ﾍ", "ﾍﾞ", "ﾍﾟ", "ﾎ", "ﾎﾞ", "ﾎﾟ",  // ハ-ポ
    "ﾏ", "ﾐ", "ﾑ", "ﾒ", "ﾓ",                                                           // マ-モ
    "ｬ", "ﾔ", "ｭ", "ﾕ", "ｮ", "ﾖ",                                                      // ャ-ヨ
    "ﾗ", "ﾘ", "ﾙ", "ﾚ", "ﾛ",                                                           // ラ-ロ
    "ﾜ", "ﾜ", "ｲ", "ｴ", "ｦ", "ﾝ", "ｳﾞ", "ｶ", "ｹ"};                                   // ヮ-ヶ

// Hepburn syllables of ァ ... ヶ. Small kana carry their vowel only.
constexpr std::array<const char*, 86> kRomaji = {
    "a", "a", "i", "i", "u", "u", "e", "e", "o", "o",                                 // ァ-オ
    "ka", "ga", "ki", "gi", "ku", "gu", "ke", "ge", "ko", "go",                       // カ-ゴ
    "sa", "za", "shi", "ji", "su", "zu", "se", "ze", "so", "zo",                     // サ-ゾ
    "ta", "da", "chi", "ji", "", "tsu", "zu", "te", "de", "to", "do",                 // タ-ド
    "na", "ni", "nu", "ne", "no",                                                     // ナ-ノ
    "ha", "ba", "pa", "hi", "bi", "pi", "fu", "bu", "pu", "he", "be", "pe", "ho", "bo", "po",
    "ma", "mi", "mu", "me", "mo",                                                     // マ-モ
    "ya", "ya", "yu", "yu", "yo", "yo",                                               // ャ-ヨ
    "ra", "ri", "ru", "re", "ro",                                                     // ラ-ロ
    "wa", "wa", "i", "e", "o", "n", "vu", "ka", "ke"};                                // ヮ-ヶ

bool IsSmallVowel(char32_t c) {
  return c == 0x30A1 || c == 0x30A3 || c == 0x30A5 || c == 0x30A7 || c == 0x30A9;
}
bool IsSmallY(char32_t c) { return c == 0x30E3 || c == 0x30E5 || c == 0x30E7; }
constexpr char32_t kSmallTsu = 0x30C3;

bool IsVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

// ---------------------------------------------------------------------------
// Word lists.

struct TWordDef {
  const char* kana;
  const char* latin;  // "" for the romanisation
  char gender;        // 'm', 'f', 'n'
};

// Crowns (冠名), invented for the sample world.
constexpr const char* kCrowns[] = {
    "ハルカゼ", "アオバ", "コハク", "ツキミ", "シラユキ", "ホシナ", "ユメジ", "アカツキ",
    "ナギサ", "ミナト", "カスミ", "ヤマブキ", "イズミ", "トワノ", "ミカゲ", "ソラノ",
    "マツカゼ", "ヒナタ", "カエデ", "コトノ", "アサヒノ", "ミズホノ", "キララ", "ハナノ",
    "シオン", "ユウヅキ", "カザハナ", "ミヤマ", "リンカ", "サザナミ", "コナユキ", "アマネ",
    "ヒビキノ", "ナツメ", "ハクギン", "セイラン", "ライメイ", "ミツキ", "ユキノ", "ホタル",
    "アキツ", "ワカバ", "サクヤ", "ヒイラギ", "スミレ", "カナタ", "ソヨギ", "チドリ",
    "トキワ", "ハマナス", "タチバナ", "ルミナ", "エルデ", "ヴェルナ", "アルタ", "ソレア",
    "グラナ", "ベルク", "ノルン", "ゼフィ", "カリス", "ミルテ", "オルカ", "セレノ",
    "イルマ", "ラフィ", "フェルン", "コルネ", "ティエラ", "マリナ"};

// Loanwords that lead a name (modifiers), position 1; words that end it, 2;
// either, 3.
struct TLoanDef {
  const char* kana;
  const char* latin;
  char gender;
  int position;
};

constexpr TLoanDef kLoanWords[] = {
    {"ゴールド", "Gold", 'n', 1}, {"シルバー", "Silver", 'n', 1}, {"ブルー", "Blue", 'n', 1},
    {"レッド", "Red", 'n', 1}, {"グリーン", "Green", 'n', 1}, {"ホワイト", "White", 'n', 1},
    {"ブラック", "Black", 'n', 1}, {"ロイヤル", "Royal", 'n', 1}, {"ノーブル", "Noble", 'n', 1},
    {"グランド", "Grand", 'n', 1}, {"スーパー", "Super", 'n', 1}, {"ハッピー", "Happy", 'n', 1},
    {"ラッキー", "Lucky", 'n', 1}, {"ミスティ", "Misty", 'n', 3}, {"ブライト", "Bright", 'n', 1},
    {"シャイニー", "Shiny", 'n', 1}, {"スイート", "Sweet", 'n', 1}, {"ワイルド", "Wild", 'n', 1},
    {"ゴールデン", "Golden", 'n', 1}, {"クリア", "Clear", 'n', 1}, {"ピュア", "Pure", 'n', 1},
    {"ソニック", "Sonic", 'n', 1}, {"マジック", "Magic", 'n', 3}, {"ミラクル", "Miracle", 'n', 3},
    {"ドリーム", "Dream", 'n', 3}, {"サニー", "Sunny", 'n', 1}, {"ムーン", "Moon", 'n', 3},
    {"ファイン", "Fine", 'n', 1}, {"ビッグ", "Big", 'n', 1}, {"リトル", "Little", 'n', 1},
    {"ニュー", "New", 'n', 1}, {"ホーリー", "Holy", 'n', 1}, {"スウィフト", "Swift", 'n', 3},
    {"ストロング", "Strong", 'n', 1}, {"ブレイブ", "Brave", 'n', 3}, {"クール", "Cool", 'n', 1},
    {"アイアン", "Iron", 'n', 1}, {"ストーン", "Stone", 'n', 3}, {"ウインド", "Wind", 'n', 3},
    {"ファイア", "Fire", 'n', 3}, {"アイス", "Ice", 'n', 1}, {"スノー", "Snow", 'n', 3},
    {"レイン", "Rain", 'n', 3}, {"サンダー", "Thunder", 'n', 3}, {"ノース", "North", 'n', 1},
    {"サウス", "South", 'n', 1}, {"イースト", "East", 'n', 1}, {"ウエスト", "West", 'n', 1},
    {"ハイ", "High", 'n', 1}, {"トップ", "Top", 'n', 1}, {"ベスト", "Best", 'n', 1},
    {"エバー", "Ever", 'n', 1}, {"エターナル", "Eternal", 'n', 1}, {"プライム", "Prime", 'n', 1},
    {"マイティ", "Mighty", 'n', 1}, {"メリー", "Merry", 'n', 1}, {"リアル", "Real", 'n', 1},
    {"トゥルー", "True", 'n', 1}, {"ワンダー", "Wonder", 'n', 3}, {"ファンシー", "Fancy", 'n', 1},
    {"セレスト", "Celeste", 'f', 3}, {"アーバン", "Urban", 'n', 1}, {"オーシャン", "Ocean", 'n', 3},
    {"スカイ", "Sky", 'n', 3}, {"サン", "Sun", 'n', 1}, {"ローズ", "Rose", 'f', 3},
    {"クリスタル", "Crystal", 'n', 3}, {"エメラルド", "Emerald", 'n', 3}, {"サファイア", "Sapphire", 'n', 3},
    {"ルビー", "Ruby", 'f', 3}, {"パール", "Pearl", 'n', 3}, {"オパール", "Opal", 'n', 3},
    {"アンバー", "Amber", 'n', 3}, {"ジェイド", "Jade", 'n', 3}, {"コーラル", "Coral", 'n', 3},
    {"スター", "Star", 'n', 3}, {"ボーイ", "Boy", 'm', 2}, {"ガール", "Girl", 'f', 2},
    {"キング", "King", 'm', 2}, {"クイーン", "Queen", 'f', 2}, {"プリンス", "Prince", 'm', 2},
    {"プリンセス", "Princess", 'f', 2}, {"ナイト", "Knight", 'm', 2}, {"フェアリー", "Fairy", 'f', 2},
    {"ライト", "Light", 'n', 2}, {"ハート", "Heart", 'n', 2}, {"ソング", "Song", 'n', 2},
    {"フラッシュ", "Flash", 'n', 2}, {"ストーム", "Storm", 'n', 2}, {"レジェンド", "Legend", 'n', 2},
    {"ヒーロー", "Hero", 'm', 2}, {"エース", "Ace", 'n', 2}, {"ダンサー", "Dancer", 'n', 2},
    {"ビート", "Beat", 'n', 2}, {"ロード", "Road", 'n', 2}, {"ウェーブ", "Wave", 'n', 2},
    {"オーロラ", "Aurora", 'f', 2}, {"ノヴァ", "Nova", 'f', 2}, {"コメット", "Comet", 'n', 2},
    {"ギャラクシー", "Galaxy", 'n', 2}, {"メテオ", "Meteor", 'n', 2}, {"フォース", "Force", 'n', 2},
    {"ファイター", "Fighter", 'm', 2}, {"ランナー", "Runner", 'n', 2}, {"ウイング", "Wing", 'n', 2},
    {"フェザー", "Feather", 'n', 2}, {"ブリーズ", "Breeze", 'n', 2}, {"リバー", "River", 'n', 2},
    {"レイク", "Lake", 'n', 2}, {"フォレスト", "Forest", 'n', 2}, {"バレー", "Valley", 'n', 2},
    {"ガーデン", "Garden", 'n', 2}, {"パレス", "Palace", 'n', 2}, {"キャッスル", "Castle", 'n', 2},
    {"タワー", "Tower", 'n', 2}, {"ブリッジ", "Bridge", 'n', 2}, {"ハーバー", "Harbor", 'n', 2},
    {"アイランド", "Island", 'n', 2}, {"ジャーニー", "Journey", 'n', 2}, {"メモリー", "Memory", 'n', 2},
    {"ロマン", "Roman", 'n', 2}, {"ソレイユ", "Soleil", 'n', 2}, {"エトワール", "Etoile", 'f', 2},
    {"フルール", "Fleur", 'f', 2}, {"ベル", "Belle", 'f', 2}, {"シャイン", "Shine", 'n', 2},
    {"ブレイズ", "Blaze", 'n', 2}, {"フレイム", "Flame", 'n', 2}, {"スパーク", "Spark", 'n', 2},
    {"ボルト", "Bolt", 'n', 2}, {"ダッシュ", "Dash", 'n', 2}, {"ラッシュ", "Rush", 'n', 2},
    {"チャージ", "Charge", 'n', 2}, {"アロー", "Arrow", 'n', 2}, {"ランス", "Lance", 'n', 2},
    {"セイバー", "Saber", 'n', 2}, {"シールド", "Shield", 'n', 2}, {"クラウン", "Crown", 'n', 2},
    {"ティアラ", "Tiara", 'f', 2}, {"ジュエル", "Jewel", 'f', 2}, {"ワルツ", "Waltz", 'f', 2},
    {"タンゴ", "Tango", 'n', 2}, {"サンバ", "Samba", 'n', 2}, {"ラプソディ", "Rhapsody", 'n', 2},
    {"ソナタ", "Sonata", 'f', 2}, {"メロディ", "Melody", 'f', 2}, {"ハーモニー", "Harmony", 'f', 2},
    {"カノン", "Canon", 'n', 2}, {"リズム", "Rhythm", 'n', 2}, {"エコー", "Echo", 'n', 2},
    {"ファンタジー", "Fantasy", 'n', 2}, {"グローリー", "Glory", 'n', 2}, {"ビクトリー", "Victory", 'n', 2},
    {"トライアンフ", "Triumph", 'n', 2}, {"チャンプ", "Champ", 'm', 2}, {"マスター", "Master", 'm', 2},
    {"スマイル", "Smile", 'n', 2}, {"ピース", "Peace", 'n', 2}, {"ホープ", "Hope", 'n', 2},
    {"エンジェル", "Angel", 'f', 2}, {"セレナーデ", "Serenade", 'f', 2}, {"スプリング", "Spring", 'n', 2},
    {"サマー", "Summer", 'n', 2}, {"オータム", "Autumn", 'n', 2}, {"ウィンター", "Winter", 'n', 2},
    {"モーニング", "Morning", 'n', 2}, {"トワイライト", "Twilight", 'n', 2}, {"サンセット", "Sunset", 'n', 2},
    {"サンライズ", "Sunrise", 'n', 2}, {"ホライズン", "Horizon", 'n', 2}, {"パイオニア", "Pioneer", 'n', 2},
    {"ボイジャー", "Voyager", 'n', 2}, {"エクスプレス", "Express", 'n', 2}, {"ロケット", "Rocket", 'n', 2},
    {"ジェット", "Jet", 'n', 2}, {"タイガー", "Tiger", 'm', 2}, {"ライオン", "Lion", 'm', 2},
    {"イーグル", "Eagle", 'n', 2}, {"ファルコン", "Falcon", 'n', 2}, {"ホーク", "Hawk", 'n', 2},
    {"ウルフ", "Wolf", 'm', 2}, {"ドラゴン", "Dragon", 'm', 2}, {"フェニックス", "Phoenix", 'n', 2},
    {"ペガサス", "Pegasus", 'n', 2}, {"パンサー", "Panther", 'n', 2}, {"ジャガー", "Jaguar", 'n', 2},
    {"スワン", "Swan", 'f', 2}, {"ロビン", "Robin", 'n', 2}, {"カメリア", "Camellia", 'f', 2},
    {"リリー", "Lily", 'f', 2}, {"デイジー", "Daisy", 'f', 2}, {"ジャスミン", "Jasmine", 'f', 2},
    {"アイリス", "Iris", 'f', 2}, {"ダリア", "Dahlia", 'f', 2}, {"ミモザ", "Mimosa", 'f', 2},
    {"ローレル", "Laurel", 'n', 2}, {"オリーブ", "Olive", 'n', 2}, {"メープル", "Maple", 'n', 2},
    {"ウィロー", "Willow", 'n', 2}, {"クローバー", "Clover", 'n', 2}, {"ハニー", "Honey", 'f', 2},
    {"シュガー", "Sugar", 'f', 2}, {"キャンディ", "Candy", 'f', 2}, {"ショコラ", "Chocolat", 'f', 2},
    {"マロン", "Marron", 'n', 2}, {"ベリー", "Berry", 'f', 2}, {"チェリー", "Cherry", 'f', 2},
    {"シャドウ", "Shadow", 'n', 2}, {"ファントム", "Phantom", 'n', 2}, {"ミスト", "Mist", 'n', 2},
    {"フロスト", "Frost", 'n', 2}, {"ブーケ", "Bouquet", 'f', 2}, {"リボン", "Ribbon", 'f', 2},
    {"ハンター", "Hunter", 'm', 2}, {"ソルジャー", "Soldier", 'm', 2}, {"バロン", "Baron", 'm', 2},
    {"デューク", "Duke", 'm', 2}, {"レディ", "Lady", 'f', 2}, {"マドンナ", "Madonna", 'f', 2},
    {"ヴィーナス", "Venus", 'f', 2}, {"ダイナモ", "Dynamo", 'n', 2}, {"エンジン", "Engine", 'n', 2},
    {"ギア", "Gear", 'n', 2}, {"トレイル", "Trail", 'n', 2}, {"ゲート", "Gate", 'n', 2},
    {"ピーク", "Peak", 'n', 2}, {"サミット", "Summit", 'n', 2}, {"ストリーム", "Stream", 'n', 2},
    {"カスケード", "Cascade", 'n', 2}, {"ミラージュ", "Mirage", 'n', 2}, {"オアシス", "Oasis", 'n', 2},
    {"バルーン", "Balloon", 'n', 2}, {"パレード", "Parade", 'n', 2}, {"フェスタ", "Festa", 'n', 2},
    {"カーニバル", "Carnival", 'n', 2}, {"ステップ", "Step", 'n', 2}, {"ジャンプ", "Jump", 'n', 2},
    {"ドライブ", "Drive", 'n', 2}, {"ターボ", "Turbo", 'n', 2}, {"ゼファー", "Zephyr", 'n', 2},
};

// Japanese words (romanised by Hepburn).
constexpr TWordDef kJapaneseWords[] = {
    {"ハヤテ", "", 'n'}, {"イカズチ", "", 'n'}, {"カゼ", "", 'n'}, {"ソラ", "", 'n'},
    {"ホシ", "", 'n'}, {"ツキ", "", 'n'}, {"ユメ", "", 'n'}, {"ハナ", "", 'f'},
    {"ヒカリ", "", 'n'}, {"ミライ", "", 'n'}, {"ツバキ", "", 'f'}, {"モミジ", "", 'n'},
    {"スズラン", "", 'f'}, {"アサギリ", "", 'n'}, {"ユウナギ", "", 'n'}, {"シグレ", "", 'n'},
    {"コガラシ", "", 'n'}, {"ミナモ", "", 'f'}, {"ウズシオ", "", 'n'}, {"シラナミ", "", 'n'},
    {"タケル", "", 'm'}, {"マイヒメ", "", 'f'}, {"コマチ", "", 'f'}, {"ライデン", "", 'm'},
    {"シデン", "", 'm'}, {"ホムラ", "", 'n'}, {"カグラ", "", 'n'}, {"ミコト", "", 'n'},
    {"ヤマト", "", 'm'}, {"ムサシ", "", 'm'}, {"サムライ", "", 'm'}, {"ダイチ", "", 'm'},
    {"タイヨウ", "", 'n'}, {"ギンガ", "", 'n'}, {"スバル", "", 'n'}, {"アカネ", "", 'f'},
    {"ヒスイ", "", 'n'}, {"サンゴ", "", 'n'}, {"ルリ", "", 'f'}, {"シンジュ", "", 'f'},
    {"コガネ", "", 'n'}, {"シロガネ", "", 'n'}, {"クレナイ", "", 'n'}, {"ミズキ", "", 'f'},
    {"ハヅキ", "", 'f'}, {"サツキ", "", 'f'}, {"ヤヨイ", "", 'f'}, {"キサラギ", "", 'n'},
    {"ツバメ", "", 'n'}, {"ヒバリ", "", 'f'}, {"カモメ", "", 'n'}, {"タカ", "", 'm'},
    {"トラ", "", 'm'}, {"リュウ", "", 'm'}, {"ホウオウ", "", 'n'}, {"ハヤブサ", "", 'n'},
    {"カリン", "", 'f'}, {"ナデシコ", "", 'f'}, {"アヤメ", "", 'f'}, {"キキョウ", "", 'f'},
    {"リンドウ", "", 'n'}, {"ミヤコ", "", 'f'}, {"ミサキ", "", 'f'}, {"イズナ", "", 'n'},
    {"カワセミ", "", 'n'}, {"ウミ", "", 'n'}, {"ナミ", "", 'n'}, {"ユキ", "", 'f'},
    {"シズク", "", 'f'}, {"アラシ", "", 'm'}, {"イナズマ", "", 'n'}, {"ニジ", "", 'n'},
    {"ソヨカゼ", "", 'n'}, {"マツリ", "", 'n'}, {"ウタ", "", 'f'}, {"コトノハ", "", 'f'},
    {"ココロ", "", 'n'}, {"キボウ", "", 'n'}, {"イノリ", "", 'f'}, {"ヒビキ", "", 'n'},
    {"カナデ", "", 'f'}, {"ハジメ", "", 'm'}, {"ツルギ", "", 'm'}, {"カブト", "", 'm'},
    {"ミチ", "", 'n'}, {"ヤマ", "", 'n'}, {"カワ", "", 'n'}, {"オカ", "", 'n'},
    {"サト", "", 'n'}, {"ミネ", "", 'n'}, {"タキ", "", 'n'}, {"ハマ", "", 'n'},
    {"ツヅミ", "", 'n'}, {"フブキ", "", 'n'}, {"ユウヒ", "", 'n'}, {"アサヒ", "", 'n'},
    {"ホマレ", "", 'n'}, {"イサミ", "", 'm'}, {"マモル", "", 'm'}, {"ススム", "", 'm'},
};

// Endings of Japanese-style names.
constexpr TWordDef kJapaneseEnds[] = {
    {"マル", "Maru", 'm'}, {"オー", "O", 'm'}, {"ヒメ", "Hime", 'f'}, {"オウジ", "Oji", 'm'},
    {"ゴゼン", "Gozen", 'f'}, {"タロウ", "Taro", 'm'}, {"ボシ", "Boshi", 'n'}, {"カゼ", "Kaze", 'n'},
};

// Syllables of invented words.
constexpr const char* kInventedStarts[] = {
    "ア", "イ", "エ", "オ", "カ", "キ", "ク", "コ", "サ", "シ", "セ", "ソ", "タ", "ティ",
    "テ", "ト", "ナ", "ニ", "ノ", "マ", "ミ", "メ", "モ", "ラ", "リ", "ル", "レ", "ロ",
    "ヴァ", "ヴィ", "ヴェ", "ベ", "ブ", "バ", "ビ", "ガ", "グ", "ダ", "デ", "ド", "ジ",
    "パ", "ピ", "フィ", "フェ", "フォ", "ゼ", "シェ", "ファ", "エル", "アル", "イル", "オル", "ウィ"};
constexpr const char* kInventedMiddles[] = {
    "ラ", "リ", "ル", "レ", "ロ", "ナ", "ニ", "ノ", "ミ", "マ", "メ", "サ", "シ", "ス",
    "セ", "ティ", "ト", "タ", "ヴェ", "ヴィ", "ディ", "デ", "ン", "カ", "キ", "ベ", "ガ"};
constexpr const char* kInventedEnds[] = {
    "ーナ", "ーラ", "ーレ", "ーノ", "ール", "ーン", "ーヌ", "ーゼ", "ータ", "ーザ", "リア",
    "リオ", "ルト", "ネ", "ス", "ト", "ン", "ア", "ロ", "ド", "ラ", "ナ", "ット", "ッサ",
    "ッタ", "ーニ", "ーロ", "ーテ", "イア", "エル", "ル", "ノ", "ミア", "ティア", "ーク"};

// Famous horses whose names the book never hands out.
constexpr const char* kFamousHorses[] = {
    "ディープインパクト", "オルフェーヴル", "キタサンブラック", "ゴールドシップ", "イクイノックス",
    "アーモンドアイ", "ウオッカ", "ダイワスカーレット", "ブエナビスタ", "ジェンティルドンナ",
    "コントレイル", "エフフォーリア", "ドウデュース", "リバティアイランド", "クロノジェネシス",
    "グランアレグリア", "サトノダイヤモンド", "ロードカナロア", "キングカメハメハ",
    "サンデーサイレンス", "ステイゴールド", "ハーツクライ", "シンボリルドルフ", "ナリタブライアン",
    "トウカイテイオー", "メジロマックイーン", "オグリキャップ", "スペシャルウィーク",
    "エルコンドルパサー", "グラスワンダー", "セイウンスカイ", "テイエムオペラオー",
    "サイレンススズカ", "ライスシャワー", "マヤノトップガン", "サクラバクシンオー", "タイキシャトル",
    "キズナ", "ドゥラメンテ", "モーリス", "エピファネイア", "キセキ", "レイデオロ", "ワグネリアン",
    "マカヒキ", "ジャスタウェイ", "シャフリヤール", "タイトルホルダー", "ソダシ", "デアリングタクト",
    "スターズオンアース", "パンサラッサ", "ソングライン", "ナミュール", "セリフォス", "ジオグリフ",
    "レガレイラ", "ジャスティンミラノ", "ソールオリエンス", "タスティエーラ", "レモンポップ",
    "ウシュバテソーロ", "フォーエバーヤング", "メイケイエール", "ナムラクレア", "ミスターシービー",
    "シンザン", "ハイセイコー", "テンポイント", "トウショウボーイ", "マルゼンスキー", "ダイワメジャー",
    "ブラックタイド", "ゼンノロブロイ", "アグネスタキオン", "マンハッタンカフェ", "ネオユニヴァース",
    "ジャングルポケット", "タニノギムレット", "クロフネ", "フジキセキ", "ヴィクトワールピサ",
    "ルーラーシップ", "ヘニーヒューズ", "ドレフォン", "ゴールドアリュール", "オジュウチョウサン",
    "ナカヤマフェスタ", "ホッコータルマエ", "コパノリッキー", "カフェファラオ", "ゴールドドリーム",
    "スマートファルコン", "トランセンド", "ヴァーミリアン", "カネヒキリ", "クリソベリル",
    "リスグラシュー", "ラッキーライラック", "インディチャンプ", "ダノンキングリー", "ミッキーアイル",
    "ビッグアーサー", "レッドファルクス", "ロゴタイプ", "シュヴァルグラン", "ヴィブロス",
    "アドマイヤベガ", "アドマイヤムーン", "スイープトウショウ", "ヒシアマゾン", "ビワハヤヒデ",
    "ミホノブルボン", "ニシノフラワー", "エアグルーヴ", "メジロドーベル", "ファインモーション",
    "ダンスインザダーク", "ブライアンズタイム", "トニービン", "ノーザンテースト", "ミスターシービー",
    "シーザリオ", "カレンチャン", "ロードカナロア", "スプリングソング", "ゴールドティアラ",
    "ホワイトフーガ", "サウンドトゥルー", "ゴールドクイーン", "スノーフェアリー", "シルバーステート",
    "ブラックホーク", "ストロングリターン", "スマイルジャック", "ハッピースプリント",
    "サニーブライアン", "ミラクルアドマイヤ", "ゴールドアクター", "レッドディザイア",
};

// ---------------------------------------------------------------------------
// People.

struct TNamePart {
  const char* kanji;
  const char* kana;
};

constexpr TNamePart kFamilyNames[] = {
    {"佐藤", "サトウ"}, {"鈴木", "スズキ"}, {"高橋", "タカハシ"}, {"田中", "タナカ"},
    {"伊藤", "イトウ"}, {"渡辺", "ワタナベ"}, {"山本", "ヤマモト"}, {"中村", "ナカムラ"},
    {"小林", "コバヤシ"}, {"加藤", "カトウ"}, {"吉田", "ヨシダ"}, {"山田", "ヤマダ"},
    {"佐々木", "ササキ"}, {"山口", "ヤマグチ"}, {"松本", "マツモト"}, {"井上", "イノウエ"},
    {"木村", "キムラ"}, {"林", "ハヤシ"}, {"斎藤", "サイトウ"}, {"清水", "シミズ"},
    {"山崎", "ヤマザキ"}, {"森", "モリ"}, {"池田", "イケダ"}, {"橋本", "ハシモト"},
    {"阿部", "アベ"}, {"石川", "イシカワ"}, {"山下", "ヤマシタ"}, {"中島", "ナカジマ"},
    {"石井", "イシイ"}, {"小川", "オガワ"}, {"前田", "マエダ"}, {"岡田", "オカダ"},
    {"長谷川", "ハセガワ"}, {"藤田", "フジタ"}, {"後藤", "ゴトウ"}, {"近藤", "コンドウ"},
    {"村上", "ムラカミ"}, {"遠藤", "エンドウ"}, {"青木", "アオキ"}, {"坂本", "サカモト"},
    {"福田", "フクダ"}, {"太田", "オオタ"}, {"西村", "ニシムラ"}, {"藤井", "フジイ"},
    {"金子", "カネコ"}, {"岡本", "オカモト"}, {"藤原", "フジワラ"}, {"中野", "ナカノ"},
    {"三浦", "ミウラ"}, {"原田", "ハラダ"}, {"中川", "ナカガワ"}, {"松田", "マツダ"},
    {"竹内", "タケウチ"}, {"小野", "オノ"}, {"田村", "タムラ"}, {"中山", "ナカヤマ"},
    {"和田", "ワダ"}, {"石田", "イシダ"}, {"森田", "モリタ"}, {"上田", "ウエダ"},
    {"原", "ハラ"}, {"内田", "ウチダ"}, {"柴田", "シバタ"}, {"酒井", "サカイ"},
    {"宮崎", "ミヤザキ"}, {"横山", "ヨコヤマ"}, {"高木", "タカギ"}, {"安藤", "アンドウ"},
    {"宮本", "ミヤモト"}, {"大野", "オオノ"}, {"小島", "コジマ"}, {"谷口", "タニグチ"},
    {"今井", "イマイ"}, {"工藤", "クドウ"}, {"高田", "タカダ"}, {"増田", "マスダ"},
    {"丸山", "マルヤマ"}, {"杉山", "スギヤマ"}, {"村田", "ムラタ"}, {"大塚", "オオツカ"},
    {"新井", "アライ"}, {"小山", "コヤマ"}, {"平野", "ヒラノ"}, {"藤本", "フジモト"},
    {"河野", "コウノ"}, {"上野", "ウエノ"}, {"野口", "ノグチ"}, {"武田", "タケダ"},
    {"松井", "マツイ"}, {"千葉", "チバ"}, {"岩崎", "イワサキ"}, {"菅原", "スガワラ"},
    {"木下", "キノシタ"}, {"久保", "クボ"}, {"佐野", "サノ"}, {"野村", "ノムラ"},
    {"松尾", "マツオ"}, {"市川", "イチカワ"}, {"菊地", "キクチ"}, {"杉本", "スギモト"},
    {"古川", "フルカワ"}, {"大西", "オオニシ"}, {"島田", "シマダ"}, {"水野", "ミズノ"},
    {"桜井", "サクライ"}, {"高野", "タカノ"}, {"吉川", "ヨシカワ"}, {"山内", "ヤマウチ"},
    {"西田", "ニシダ"}, {"飯田", "イイダ"}, {"菅野", "スガノ"}, {"永井", "ナガイ"},
    {"服部", "ハットリ"}, {"秋山", "アキヤマ"}, {"中田", "ナカタ"}, {"北村", "キタムラ"},
    {"五十嵐", "イガラシ"}, {"小松", "コマツ"}, {"荒木", "アラキ"}, {"辻", "ツジ"},
    {"浅野", "アサノ"}, {"大橋", "オオハシ"}, {"東", "ヒガシ"}, {"松岡", "マツオカ"},
    {"岡崎", "オカザキ"}, {"川口", "カワグチ"}, {"福井", "フクイ"}, {"尾崎", "オザキ"},
    {"西川", "ニシカワ"}, {"本田", "ホンダ"}, {"川村", "カワムラ"}, {"片山", "カタヤマ"},
    {"星野", "ホシノ"}, {"堀", "ホリ"}, {"大川", "オオカワ"}, {"早川", "ハヤカワ"},
    {"矢野", "ヤノ"}, {"岩田", "イワタ"}, {"関", "セキ"}, {"須藤", "スドウ"},
    {"望月", "モチヅキ"}, {"黒田", "クロダ"}, {"平田", "ヒラタ"}, {"森本", "モリモト"},
    {"宮田", "ミヤタ"}, {"熊谷", "クマガイ"}, {"永田", "ナガタ"}, {"内藤", "ナイトウ"},
    {"吉村", "ヨシムラ"}, {"小池", "コイケ"}, {"大久保", "オオクボ"}, {"桑原", "クワハラ"},
    {"奥村", "オクムラ"}, {"野田", "ノダ"}, {"松下", "マツシタ"}, {"川上", "カワカミ"},
    {"白石", "シライシ"}, {"細川", "ホソカワ"}, {"土屋", "ツチヤ"}, {"篠原", "シノハラ"},
};

constexpr TNamePart kMaleNames[] = {
    {"太郎", "タロウ"}, {"一郎", "イチロウ"}, {"健太", "ケンタ"}, {"翔太", "ショウタ"},
    {"大輔", "ダイスケ"}, {"拓也", "タクヤ"}, {"直樹", "ナオキ"}, {"和也", "カズヤ"},
    {"達也", "タツヤ"}, {"誠", "マコト"}, {"浩", "ヒロシ"}, {"隆", "タカシ"},
    {"剛", "ツヨシ"}, {"聡", "サトシ"}, {"修", "オサム"}, {"健一", "ケンイチ"},
    {"雄一", "ユウイチ"}, {"光", "ヒカル"}, {"亮", "リョウ"}, {"翼", "ツバサ"},
    {"蓮", "レン"}, {"悠真", "ユウマ"}, {"陽斗", "ハルト"}, {"大樹", "ダイキ"},
    {"駿", "シュン"}, {"颯太", "ソウタ"}, {"優斗", "ユウト"}, {"拓海", "タクミ"},
    {"海斗", "カイト"}, {"陸", "リク"}, {"智也", "トモヤ"}, {"秀樹", "ヒデキ"},
    {"正樹", "マサキ"}, {"克也", "カツヤ"}, {"哲也", "テツヤ"}, {"信也", "シンヤ"},
    {"博之", "ヒロユキ"}, {"康弘", "ヤスヒロ"}, {"英二", "エイジ"}, {"真司", "シンジ"},
    {"健二", "ケンジ"}, {"浩二", "コウジ"}, {"洋平", "ヨウヘイ"}, {"雅人", "マサト"},
    {"裕介", "ユウスケ"}, {"圭介", "ケイスケ"}, {"俊介", "シュンスケ"}, {"恭平", "キョウヘイ"},
    {"勇気", "ユウキ"}, {"大地", "ダイチ"}, {"航", "ワタル"}, {"純一", "ジュンイチ"},
    {"晃", "アキラ"}, {"茂", "シゲル"}, {"勝", "マサル"}, {"稔", "ミノル"},
    {"慎吾", "シンゴ"}, {"祐樹", "ユウキ"}, {"将太", "ショウタ"}, {"凌", "リョウ"},
    {"湊", "ミナト"}, {"悠人", "ユウト"}, {"和樹", "カズキ"}, {"弘樹", "ヒロキ"},
    {"隼人", "ハヤト"}, {"龍之介", "リュウノスケ"}, {"慎太郎", "シンタロウ"}, {"幸太郎", "コウタロウ"},
    {"健太郎", "ケンタロウ"}, {"一樹", "カズキ"}, {"直人", "ナオト"}, {"貴之", "タカユキ"},
    {"義男", "ヨシオ"}, {"清", "キヨシ"}, {"進", "ススム"}, {"武志", "タケシ"},
    {"秀明", "ヒデアキ"}, {"敏行", "トシユキ"}, {"功", "イサオ"}, {"聖也", "セイヤ"},
    {"公平", "コウヘイ"}, {"匠", "タクミ"}, {"栄治", "エイジ"}, {"文彦", "フミヒコ"},
    {"昌平", "ショウヘイ"}, {"孝", "タカシ"}, {"和男", "カズオ"}, {"正人", "マサト"},
};

constexpr TNamePart kFemaleNames[] = {
    {"美咲", "ミサキ"}, {"陽菜", "ヒナ"}, {"結衣", "ユイ"}, {"葵", "アオイ"},
    {"彩", "アヤ"}, {"愛", "アイ"}, {"優花", "ユウカ"}, {"真奈", "マナ"},
    {"奈々", "ナナ"}, {"千尋", "チヒロ"}, {"由美", "ユミ"}, {"恵子", "ケイコ"},
    {"裕子", "ユウコ"}, {"明美", "アケミ"}, {"久美子", "クミコ"}, {"智子", "トモコ"},
    {"舞", "マイ"}, {"瞳", "ヒトミ"}, {"遥", "ハルカ"}, {"楓", "カエデ"},
    {"凛", "リン"}, {"菜月", "ナツキ"}, {"玲奈", "レイナ"}, {"沙織", "サオリ"},
    {"香織", "カオリ"}, {"彩花", "アヤカ"}, {"美穂", "ミホ"}, {"紗希", "サキ"},
};


// Overseas people: invented names. Real foreign riders who ride in Japan
// (Moore, Murphy, Demuro, Moreira, Lemaire ...) are not in the lists.
struct TForeignPart {
  const char* kana;
  const char* latin;
};

constexpr TForeignPart kForeignFamilies[] = {
    {"マクレーン", "McLane"}, {"ブランシェ", "Blanchet"}, {"シュナイダー", "Schneider"},
    {"ヴァルガス", "Vargas"}, {"カヴァナー", "Cavanagh"}, {"モンテロ", "Montero"},
    {"デュボワ", "Dubois"}, {"ベルトラン", "Bertrand"}, {"フォンテーヌ", "Fontaine"},
    {"ケリガン", "Kerrigan"}, {"ウォーレン", "Warren"}, {"ラングレー", "Langley"},
    {"アシュトン", "Ashton"}, {"ハミルトン", "Hamilton"}, {"ロウリー", "Rowley"},
    {"ダルトン", "Dalton"}, {"ペルグラン", "Pellegrin"}, {"ガルニエ", "Garnier"},
    {"ロッシ", "Rossi"}, {"コンティ", "Conti"}, {"ファレル", "Farrell"}, {"ブレナン", "Brennan"},
    {"キャラハン", "Callahan"}, {"ソーントン", "Thornton"}, {"エヴァンス", "Evans"},
    {"リヴィエール", "Riviere"}, {"モロー", "Moreau"}, {"ルソー", "Rousseau"},
    {"ベッカー", "Becker"}, {"ハートマン", "Hartmann"}, {"ヴォルフ", "Wolff"},
    {"フィッシャー", "Fischer"}, {"ノヴァク", "Novak"}, {"サントス", "Santos"},
    {"メンデス", "Mendes"}, {"カルヴァーリョ", "Carvalho"}, {"オブライト", "O'Bright"},
    {"ウェストン", "Weston"}, {"クロフォード", "Crawford"}, {"ラシーヌ", "Racine"},
};

constexpr TForeignPart kForeignGivens[] = {
    {"ジャック", "Jack"}, {"トーマス", "Thomas"}, {"ルカ", "Luca"}, {"ピエール", "Pierre"},
    {"マルコ", "Marco"}, {"ダニエル", "Daniel"}, {"オリバー", "Oliver"}, {"ライアン", "Ryan"},
    {"ショーン", "Sean"}, {"ヒューゴ", "Hugo"}, {"アントワーヌ", "Antoine"}, {"ラファエル", "Rafael"},
    {"フェリペ", "Felipe"}, {"ジェームズ", "James"}, {"ウィリアム", "William"}, {"ニコラ", "Nicolas"},
    {"マテオ", "Mateo"}, {"リアム", "Liam"}, {"エミール", "Emile"}, {"ケヴィン", "Kevin"},
    {"アダム", "Adam"}, {"ルイ", "Louis"}, {"マキシム", "Maxime"}, {"パトリック", "Patrick"},
    {"ステファン", "Stefan"}, {"ブレット", "Brett"}, {"キーラン", "Kieran"}, {"ディラン", "Dylan"},
};

// ---------------------------------------------------------------------------
// Breeders, owners, colours.

struct TPlace {
  const char* name;
  double weight;
};

constexpr TPlace kBreederRegions[] = {
    {"日高町", 12}, {"新冠町", 13}, {"浦河町", 12}, {"新ひだか町", 18}, {"安平町", 7},
    {"平取町", 4}, {"様似町", 3}, {"えりも町", 2}, {"むかわ町", 4}, {"千歳市", 3},
    {"苫小牧市", 3}, {"白老町", 3}, {"洞爺湖町", 1.5}, {"伊達市", 1.5}, {"青森県", 1.5},
    {"岩手県", 1}, {"千葉県", 1.5}, {"茨城県", 1}, {"熊本県", 0.7}, {"鹿児島県", 0.8},
};

constexpr TPlace kOverseasRegions[] = {
    {"米国", 5}, {"英国", 3}, {"愛国", 3}, {"仏国", 2}, {"豪州", 1.5}, {"独国", 0.5},
};

// Kanji words that name farms, with readings.
constexpr TNamePart kFarmWords[] = {
    {"白樺", "シラカバ"}, {"青葉", "アオバ"}, {"若葉", "ワカバ"}, {"朝日", "アサヒ"},
    {"夕陽", "ユウヒ"}, {"大空", "オオゾラ"}, {"清流", "セイリュウ"}, {"緑風", "リョクフウ"},
    {"晴山", "ハレヤマ"}, {"桜丘", "サクラガオカ"}, {"望洋", "ボウヨウ"}, {"川原", "カワハラ"},
    {"高台", "タカダイ"}, {"牧野", "マキノ"}, {"静川", "シズカワ"}, {"豊岡", "トヨオカ"},
    {"松風", "マツカゼ"}, {"春光", "シュンコウ"}, {"稲穂", "イナホ"}, {"北光", "ホッコウ"},
};

constexpr TNamePart kTradeWords[] = {
    {"興産", "コウサン"}, {"商事", "ショウジ"}, {"物産", "ブッサン"}, {"建設", "ケンセツ"},
    {"企画", "キカク"}, {"工業", "コウギョウ"}, {"不動産", "フドウサン"}, {"運輸", "ウンユ"},
};

constexpr const char* kColourNames[] = {"白", "黒", "赤", "青", "黄", "緑", "桃",
                                        "紫", "薄紫", "茶", "えび", "水色", "ねずみ"};
constexpr const char* kBodyPatterns[] = {
    "一本輪", "二本輪", "三本輪", "一文字", "帯", "縦縞", "格子縞", "山形一本輪", "山形二本輪",
    "鋸歯形", "襷", "十字襷", "菱山形", "井桁絣", "元廉", "星散", "玉霰", "蛇目", "銭形散", "菱散"};
constexpr const char* kSleevePatterns[] = {"一本輪", "二本輪", "三本輪", "縦縞", "山形一本輪",
                                           "山形二本輪", "鋸歯形", "元廉", "", ""};

template <typename T, std::size_t N>
const T& PickOf(TRandom& random, const T (&items)[N]) {
  return items[static_cast<std::size_t>(random.Int(0, static_cast<int>(N) - 1))];
}

template <std::size_t N>
const char* PickPlace(TRandom& random, const TPlace (&places)[N]) {
  std::vector<double> weights;
  for (const TPlace& place : places) weights.push_back(place.weight);
  return places[random.Pick(weights)].name;
}

const std::unordered_set<std::string>& FamousHorses() {
  static const std::unordered_set<std::string> names(std::begin(kFamousHorses), std::end(kFamousHorses));
  return names;
}


std::string FullWidthInitial(char letter) {
  std::string out;
  Encode(static_cast<char32_t>(0xFF21 + (std::toupper(static_cast<unsigned char>(letter)) - 'A')), out);
  return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// Kana text.

std::string HalfWidthKana(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = DecodeAt(utf8, i);
    if (c >= 0x3041 && c <= 0x3096) c += 0x60;  // hiragana → katakana
    if (c >= kKatakanaFirst && c <= kKatakanaLast) {
      out += kHalfWidth[c - kKatakanaFirst];
    } else if (c == kLongMark) {
      out += "ｰ";
    } else if (c == 0x3000) {
      out += ' ';
    } else if (c == 0x30FB) {
      out += "･";
    } else if (c == 0xFF08) {
      out += '(';
    } else if (c == 0xFF09) {
      out += ')';
    } else if (c == 0xFF0E) {
      out += '.';
    } else {
      Encode(c, out);
    }
  }
  return out;
}

std::string KanaToSjis(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = DecodeAt(utf8, i);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c >= kKatakanaFirst && c <= kKatakanaLast) {
      unsigned code = 0x8340u + static_cast<unsigned>(c - kKatakanaFirst);
      if (code >= 0x837F) ++code;  // CP932 trail bytes skip 0x7F
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else if (c == kLongMark) {
      out += "\x81\x5B";
    } else if (c >= 0xFF61 && c <= 0xFF9F) {
      out += static_cast<char>(0xA1 + (c - 0xFF61));
    } else {
      return Utf8ToSjis(utf8);
    }
  }
  return out;
}

std::string Romanise(std::string_view utf8Kana, TRomanStyle style) {
  std::vector<std::string> syllables;
  bool doubleNext = false;
  bool lengthened = false;
  for (char32_t c : Decode(utf8Kana)) {
    if (c >= 0x3041 && c <= 0x3096) c += 0x60;
    if (c < kKatakanaFirst || c > kKatakanaLast) continue;  // "ー" and the rest
    if (c == kSmallTsu) {
      doubleNext = true;
      continue;
    }
    std::string r = kRomaji[c - kKatakanaFirst];
    if (IsSmallY(c) && !syllables.empty() && syllables.back().size() >= 2 &&
        syllables.back().back() == 'i') {
      std::string& prev = syllables.back();
      prev.pop_back();
      bool palatal = prev.ends_with("sh") || prev.ends_with("ch") || prev == "j";
      prev += palatal ? r.substr(1) : r;
      continue;
    }
    if (IsSmallVowel(c) && !syllables.empty()) {
      std::string& prev = syllables.back();
      if (prev == "u") {
        prev = "w" + r;
      } else if (prev == "i") {
        prev = "y" + r;
      } else {
        if (!prev.empty() && IsVowel(prev.back())) prev.pop_back();
        prev += r;
      }
      continue;
    }
    if (style != TRomanStyle::kForeign && !syllables.empty() && !lengthened) {
      // A long vowel is written once: ウ after o or u, オ after o; a
      // syllable is lengthened only once ("ホウオウ" → "Hoo").
      const std::string& prev = syllables.back();
      char last = prev.empty() ? ' ' : prev.back();
      if ((c == 0x30A6 && (last == 'o' || last == 'u')) || (c == 0x30AA && last == 'o')) {
        lengthened = true;
        continue;
      }
    }
    lengthened = false;
    if (style == TRomanStyle::kForeign && r.size() >= 2 && r[0] == 'r') r[0] = 'l';
    if (doubleNext) {
      r = r.starts_with("ch") ? "t" + r : std::string(1, r[0]) + r;
      doubleNext = false;
    }
    syllables.push_back(r);
  }
  std::string out;
  for (const std::string& s : syllables) out += s;
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

int Utf8Length(std::string_view utf8) {
  int n = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++n;
  }
  return n;
}

// ---------------------------------------------------------------------------
// The book.

TNameBook::TWord TNameBook::MakeWord(std::string_view utf8, std::string_view latin, char gender,
                                     TRomanStyle style) {
  TWord word;
  word.utf8 = std::string(utf8);
  word.sjis = KanaToSjis(utf8);
  word.kana = KanaToSjis(HalfWidthKana(utf8));
  word.latin = latin.empty() ? Romanise(utf8, style) : std::string(latin);
  word.length = Utf8Length(utf8);
  word.gender = gender;
  return word;
}

TNameBook::TNameBook() {
  for (const char* crown : kCrowns) crowns_.push_back(MakeWord(crown, "", 'n', TRomanStyle::kJapanese));
  for (const TLoanDef& def : kLoanWords) {
    TWord word = MakeWord(def.kana, def.latin, def.gender, TRomanStyle::kForeign);
    if (def.position & 1) firstWords_.push_back(word);
    if (def.position & 2) lastWords_.push_back(word);
  }
  for (const TWordDef& def : kJapaneseWords) {
    japaneseWords_.push_back(MakeWord(def.kana, def.latin, def.gender, TRomanStyle::kJapanese));
  }
  for (const TWordDef& def : kJapaneseEnds) {
    japaneseEnds_.push_back(MakeWord(def.kana, def.latin, def.gender, TRomanStyle::kJapanese));
  }
}

int TNameBook::CrownCount() const { return static_cast<int>(crowns_.size()); }

const std::string& TNameBook::Crown(int crown) const { return crowns_.at(static_cast<std::size_t>(crown)).utf8; }

bool TNameBook::Fits(const TWord& word, bool female) const {
  return word.gender == 'n' || (word.gender == 'f') == female;
}

TNameBook::TWord TNameBook::InventedWord(TRandom& random, int minLength, int maxLength) {
  for (;;) {
    std::string utf8 = PickOf(random, kInventedStarts);
    int middles = random.Int(0, 2);
    for (int i = 0; i < middles; ++i) utf8 += PickOf(random, kInventedMiddles);
    utf8 += PickOf(random, kInventedEnds);
    int length = Utf8Length(utf8);
    if (length < minLength || length > maxLength) continue;
    if (utf8.find("ンン") != std::string::npos || utf8.find("ンー") != std::string::npos ||
        utf8.find("ンッ") != std::string::npos || utf8.find("ッン") != std::string::npos) {
      continue;
    }
    return MakeWord(utf8, "", 'n', TRomanStyle::kForeign);
  }
}

bool TNameBook::TryHorseName(const std::vector<const TWord*>& words, TNameForms* forms) {
  int length = 0;
  std::string utf8;
  for (const TWord* word : words) {
    length += word->length;
    utf8 += word->utf8;
  }
  if (length < 2 || length > 9) return false;
  if (words.size() >= 2 && words[0]->utf8 == words[1]->utf8) return false;
  if (FamousHorses().count(utf8)) return false;
  std::string sjis;
  for (const TWord* word : words) sjis += word->sjis;
  if (!horseNames_.insert(sjis).second) return false;
  forms->name = sjis;
  forms->kanaName.clear();
  forms->latinName.clear();
  for (const TWord* word : words) {
    forms->kanaName += word->kana;
    if (!forms->latinName.empty()) forms->latinName += ' ';
    forms->latinName += word->latin;
  }
  return true;
}

TNameForms TNameBook::HorseName(TRandom& random, bool female, int crown, THorseNameStyle style) {
  TNameForms forms;
  auto pick = [&](const std::vector<TWord>& list) -> const TWord* {
    for (int i = 0; i < 20; ++i) {
      const TWord& word = list[static_cast<std::size_t>(random.Int(0, static_cast<int>(list.size()) - 1))];
      if (Fits(word, female)) return &word;
    }
    return &list.front();
  };
  const bool hasCrown = crown >= 0 && crown < CrownCount();
  for (int attempt = 0; attempt < 200; ++attempt) {
    std::vector<const TWord*> words;
    TWord invented;
    double r = random.Uniform();
    if (hasCrown && attempt < 120) {
      const TWord* crownWord = &crowns_[static_cast<std::size_t>(crown)];
      words.push_back(crownWord);
      if (r < 0.55) {
        words.push_back(pick(lastWords_));
      } else if (r < 0.70) {
        words.push_back(pick(firstWords_));
      } else if (r < 0.85) {
        words.push_back(pick(japaneseWords_));
      } else {
        invented = InventedWord(random, 2, 9 - crownWord->length);
        words.push_back(&invented);
      }
    } else if (style == THorseNameStyle::kForeign) {
      if (r < 0.5) {
        words = {pick(firstWords_), pick(lastWords_)};
      } else if (r < 0.8) {
        invented = InventedWord(random, 3, 8);
        words = {&invented};
      } else {
        invented = InventedWord(random, 2, 5);
        words = {&invented, pick(lastWords_)};
      }
    } else {
      if (r < 0.30) {
        words = {pick(firstWords_), pick(lastWords_)};
      } else if (r < 0.50) {
        invented = InventedWord(random, 3, 8);
        words = {&invented};
      } else if (r < 0.62) {
        invented = InventedWord(random, 2, 5);
        words = {&invented, pick(lastWords_)};
      } else if (r < 0.74) {
        words = {pick(japaneseWords_), pick(japaneseEnds_)};
      } else if (r < 0.84) {
        words = {pick(firstWords_), pick(japaneseWords_)};
      } else if (r < 0.94) {
        words = {pick(japaneseWords_), pick(lastWords_)};
      } else {
        words = {pick(japaneseWords_), pick(japaneseWords_)};
      }
    }
    if (TryHorseName(words, &forms)) return forms;
  }
  // The plain lists are used up: invented words always find a free name.
  for (;;) {
    TWord invented = InventedWord(random, 4, 9);
    if (TryHorseName({&invented}, &forms)) return forms;
  }
}

bool TNameBook::HorseNameTaken(std::string_view sjisName) const {
  return horseNames_.count(std::string(sjisName)) != 0;
}

TPersonParts TNameBook::JapanesePerson(TRandom& random, bool female) {
  for (int attempt = 0;; ++attempt) {
    const TNamePart& family = PickOf(random, kFamilyNames);
    const TNamePart& given = female ? PickOf(random, kFemaleNames) : PickOf(random, kMaleNames);
    std::string full = std::string(family.kanji) + given.kanji;
    if (!personNames_.insert(full).second && attempt < 1000) continue;
    TPersonParts parts;
    parts.family = family.kanji;
    parts.given = given.kanji;
    parts.familyKana = family.kana;
    parts.givenKana = given.kana;
    parts.female = female;
    return parts;
  }
}

TPersonParts TNameBook::OverseasPerson(TRandom& random) {
  for (int attempt = 0;; ++attempt) {
    const TForeignPart& family = PickOf(random, kForeignFamilies);
    const TForeignPart& given = PickOf(random, kForeignGivens);
    std::string full = std::string(family.kana) + "・" + given.kana;
    if (!personNames_.insert(full).second && attempt < 1000) continue;
    TPersonParts parts;
    parts.family = family.kana;
    parts.given = given.kana;
    parts.familyKana = family.kana;
    parts.givenKana = given.kana;
    parts.familyLatin = family.latin;
    parts.givenLatin = given.latin;
    parts.overseas = true;
    return parts;
  }
}

std::vector<TPersonForms> TNameBook::PersonForms(std::vector<TPersonParts>& group, TRandom& random) {
  std::vector<TPersonForms> forms(group.size());
  for (int round = 0; round < 100; ++round) {
    std::map<std::string, int> familyCount;
    for (const TPersonParts& p : group) {
      if (!p.overseas) ++familyCount[p.family];
    }
    std::map<std::string, std::vector<std::size_t>> byShort;
    for (std::size_t i = 0; i < group.size(); ++i) {
      const TPersonParts& p = group[i];
      TPersonForms& f = forms[i];
      if (p.overseas) {
        std::string initial = FullWidthInitial(p.givenLatin.empty() ? 'X' : p.givenLatin[0]);
        f.name = Utf8ToSjis(initial + "．" + p.family);
        std::string shortUtf8 = p.family;
        if (Utf8Length(p.family) > 4) {
          std::u32string family = Decode(p.family);
          shortUtf8 = initial + "．";
          Encode(family[0], shortUtf8);
          Encode(family[1], shortUtf8);
        }
        f.shortName = Utf8ToSjis(shortUtf8);
        f.kanaName = KanaToSjis(HalfWidthKana(p.familyKana + " " + p.givenKana));
        f.latinName = p.givenLatin + " " + p.familyLatin;
      } else {
        f.name = Utf8ToSjis(p.family + " " + p.given);
        std::string shortUtf8 = p.family;
        if (familyCount[p.family] > 1) shortUtf8 += FirstCharacter(p.given);
        f.shortName = SjisCut(Utf8ToSjis(shortUtf8), 8);
        f.kanaName = KanaToSjis(HalfWidthKana(p.familyKana + " " + p.givenKana));
        f.latinName = Romanise(p.givenKana, TRomanStyle::kPerson) + " " +
                      Romanise(p.familyKana, TRomanStyle::kPerson);
      }
      byShort[f.shortName].push_back(i);
    }
    bool clash = false;
    for (auto& [shortName, members] : byShort) {
      for (std::size_t k = 1; k < members.size(); ++k) {
        clash = true;
        TPersonParts& p = group[members[k]];
        if (p.overseas) {
          p = OverseasPerson(random);
        } else {
          // A new given name, the family kept.
          for (int attempt = 0; attempt < 1000; ++attempt) {
            const TNamePart& given = p.female ? PickOf(random, kFemaleNames) : PickOf(random, kMaleNames);
            std::string full = p.family + given.kanji;
            if (!personNames_.insert(full).second) continue;
            p.given = given.kanji;
            p.givenKana = given.kana;
            break;
          }
          // Two people of a shared family whose short names cannot differ
          // any more (all given initials taken) change family too.
          if (round > 20) p = JapanesePerson(random, p.female);
        }
      }
    }
    if (!clash) break;
  }
  return forms;
}

TNameForms TNameBook::BreederName(TRandom& random, bool overseas, std::string* address) {
  for (;;) {
    std::string name;
    std::string kana;
    std::string latin;
    if (overseas) {
      *address = PickPlace(random, kOverseasRegions);
      const TWord& first = firstWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(firstWords_.size()) - 1))];
      const TWord& last = lastWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(lastWords_.size()) - 1))];
      static const TForeignPart kKinds[] = {
          {"ファーム", "Farm"}, {"ファームズ", "Farms"}, {"スタッド", "Stud"},
          {"ブラッドストック", "Bloodstock"}, {"エステート", "Estate"}};
      const TForeignPart& kindPart = PickOf(random, kKinds);
      name = first.utf8 + last.utf8 + kindPart.kana;
      kana = name;
      latin = first.latin + " " + last.latin + " " + kindPart.latin;
    } else {
      *address = PickPlace(random, kBreederRegions);
      double r = random.Uniform();
      const TNamePart& family = PickOf(random, kFamilyNames);
      std::string familyLatin = Romanise(family.kana, TRomanStyle::kPerson);
      if (r < 0.35) {
        name = std::string(family.kanji) + "牧場";
        kana = std::string(family.kana) + "ボクジョウ";
        latin = familyLatin + " Bokujo";
      } else if (r < 0.55) {
        TPersonParts p = JapanesePerson(random, random.Chance(0.1));
        name = p.family + p.given;
        kana = p.familyKana + " " + p.givenKana;
        latin = Romanise(p.givenKana, TRomanStyle::kPerson) + " " + Romanise(p.familyKana, TRomanStyle::kPerson);
      } else if (r < 0.70) {
        name = "（有）" + std::string(family.kanji) + "牧場";
        kana = "ﾕ)" + std::string(family.kana) + "ボクジョウ";
        latin = familyLatin + " Bokujo Co. Ltd.";
      } else if (r < 0.80) {
        const TNamePart& word = PickOf(random, kFarmWords);
        name = std::string(word.kanji) + "牧場";
        kana = std::string(word.kana) + "ボクジョウ";
        latin = Romanise(word.kana, TRomanStyle::kPerson) + " Bokujo";
      } else if (r < 0.90) {
        const TWord& last = lastWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(lastWords_.size()) - 1))];
        name = "（有）" + last.utf8 + "ファーム";
        kana = "ﾕ)" + last.utf8 + "ファーム";
        latin = last.latin + " Farm Co. Ltd.";
      } else {
        const TWord& last = lastWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(lastWords_.size()) - 1))];
        name = last.utf8 + "スタッド";
        kana = name;
        latin = last.latin + " Stud";
      }
    }
    if (!businessNames_.insert(name).second) continue;
    return {Utf8ToSjis(name), KanaToSjis(HalfWidthKana(kana)), latin};
  }
}

TNameForms TNameBook::OwnerName(TRandom& random, TOwnerKind kind, int crown) {
  for (;;) {
    std::string name;
    std::string kana;
    std::string latin;
    const double r = random.Uniform();
    if (kind == TOwnerKind::kPerson) {
      TPersonParts p = JapanesePerson(random, random.Chance(0.12));
      name = p.family + p.given;
      kana = p.familyKana + " " + p.givenKana;
      latin = Romanise(p.givenKana, TRomanStyle::kPerson) + " " + Romanise(p.familyKana, TRomanStyle::kPerson);
    } else if (kind == TOwnerKind::kOverseas) {
      const TWord& first = firstWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(firstWords_.size()) - 1))];
      const TWord& last = lastWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(lastWords_.size()) - 1))];
      static const TForeignPart kKinds[] = {
          {"ステーブル", "Stable"}, {"レーシング", "Racing"}, {"ブラッドストック", "Bloodstock"}};
      const TForeignPart& kindPart = PickOf(random, kKinds);
      name = first.utf8 + last.utf8 + kindPart.kana;
      kana = name;
      latin = first.latin + " " + last.latin + " " + kindPart.latin;
    } else if (crown >= 0 && crown < CrownCount()) {
      const TWord& word = crowns_[static_cast<std::size_t>(crown)];
      if (r < 0.5) {
        name = "（株）" + word.utf8;
        kana = "ｶ)" + word.utf8;
        latin = word.latin + " Co. Ltd.";
      } else {
        name = "（有）" + word.utf8 + "レーシング";
        kana = "ﾕ)" + word.utf8 + "レーシング";
        latin = word.latin + " Racing Co. Ltd.";
      }
    } else if (r < 0.45) {
      const TNamePart& family = PickOf(random, kFamilyNames);
      const TNamePart& trade = PickOf(random, kTradeWords);
      name = "（株）" + std::string(family.kanji) + trade.kanji;
      kana = "ｶ)" + std::string(family.kana) + trade.kana;
      latin = Romanise(family.kana, TRomanStyle::kPerson) + " " + Romanise(trade.kana, TRomanStyle::kPerson) +
              " Co. Ltd.";
    } else if (r < 0.75) {
      const TWord& first = firstWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(firstWords_.size()) - 1))];
      const TWord& last = lastWords_[static_cast<std::size_t>(random.Int(0, static_cast<int>(lastWords_.size()) - 1))];
      name = "（株）" + first.utf8 + last.utf8;
      kana = "ｶ)" + first.utf8 + last.utf8;
      latin = first.latin + " " + last.latin + " Co. Ltd.";
    } else {
      TWord invented = InventedWord(random, 3, 6);
      name = "（有）" + invented.utf8 + "レーシング";
      kana = "ﾕ)" + invented.utf8 + "レーシング";
      latin = invented.latin + " Racing Co. Ltd.";
    }
    if (!businessNames_.insert(name).second) continue;
    return {Utf8ToSjis(name), KanaToSjis(HalfWidthKana(kana)), latin};
  }
}

std::string TNameBook::Colours(TRandom& random) {
  constexpr int kColours = static_cast<int>(std::size(kColourNames));
  for (;;) {
    int body = random.Int(0, kColours - 1);
    std::string text = kColourNames[body];
    if (random.Chance(0.8)) {
      int second = random.Int(0, kColours - 2);
      if (second >= body) ++second;
      text += "，";
      text += kColourNames[second];
      text += PickOf(random, kBodyPatterns);
    }
    if (random.Chance(0.65)) {
      int sleeve = random.Int(0, kColours - 1);
      text += "，袖";
      text += kColourNames[sleeve];
      text += PickOf(random, kSleevePatterns);
    }
    std::string sjis = Utf8ToSjis(text);
    if (colours_.insert(sjis).second) return sjis;
  }
}

}  // namespace sample
