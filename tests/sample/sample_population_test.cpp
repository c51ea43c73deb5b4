#include "sample/sample_population.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>

#include "app/sjis.h"
#include "sample/sample_names.h"

namespace sample {
namespace {

TWorld Build(int fromYear, int toYear, double scale, std::uint64_t seed = 7) {
  TWorld world;
  world.options.fromYear = fromYear;
  world.options.toYear = toYear;
  world.options.scale = scale;
  world.options.seed = seed;
  BuildPopulation(world, TRandom(seed).Fork("population"));
  return world;
}

// The small world of most tests, built once.
const TWorld& Small() {
  static const TWorld world = Build(2024, 2025, 0.05);
  return world;
}

// Everything the population holds, as text: equal worlds give equal text.
std::string Dump(const TWorld& w) {
  std::ostringstream out;
  out.precision(17);
  for (const auto* people : {&w.jockeys, &w.trainers}) {
    for (const TPerson& p : *people) {
      out << p.code << '|' << p.name << '|' << p.shortName << '|' << p.kanaName << '|' << p.latinName << '|'
          << p.affiliation << '|' << p.birthDate << '|' << p.licenceDate << '|' << p.skill << '|' << p.apprentice
          << '|' << p.homeVenue << '\n';
    }
  }
  for (const TBreeder& b : w.breeders) {
    out << b.code << '|' << b.name << '|' << b.kanaName << '|' << b.latinName << '|' << b.address << '\n';
  }
  for (const TOwner& o : w.owners) {
    out << o.code << '|' << o.name << '|' << o.kanaName << '|' << o.latinName << '|' << o.colours << '\n';
  }
  for (const TBreedingHorse& h : w.breedingHorses) {
    out << h.number << '|' << h.name << '|' << h.kanaName << '|' << h.latinName << '|' << h.birthYear << '|'
        << h.sex << '|' << h.coat << '|' << h.sire << '|' << h.dam << '|' << h.area << '|' << h.quality << '\n';
  }
  for (const THorse& h : w.horses) {
    out << h.id << '|' << h.name << '|' << h.kanaName << '|' << h.latinName << '|' << h.birthDate << '|' << h.sex
        << '|' << h.coat << '|' << h.sire << '|' << h.dam << '|' << h.breederCode << '|' << h.ownerCode << '|'
        << h.trainerCode << '|' << h.horseMark << '|' << h.kind << '|' << h.homeVenue << '|' << h.registeredOn
        << '|' << h.ability << '|' << h.peakAge << '|' << h.turf << '|' << h.distance << '|' << h.distanceRange
        << '|' << h.style << '|' << h.jump << '|' << h.consistency << '|' << h.weight << '\n';
  }
  return out.str();
}

std::size_t Bytes(const std::string& sjis) { return sjis.size(); }

bool Converts(const std::string& sjis) { return SjisToUtf8(sjis).find('?') == std::string::npos; }

// True when the CP932 text is full-width katakana (and "ー") only.
bool FullWidthKatakana(const std::string& sjis) {
  if (sjis.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < sjis.size(); i += 2) {
    unsigned lead = static_cast<unsigned char>(sjis[i]);
    unsigned trail = static_cast<unsigned char>(sjis[i + 1]);
    bool katakana = lead == 0x83 && trail >= 0x40 && trail <= 0x96;
    bool longMark = lead == 0x81 && trail == 0x5B;
    if (!katakana && !longMark) return false;
  }
  return true;
}

// True when the CP932 text is half-width kana, blanks and ASCII only.
bool HalfWidth(const std::string& sjis) {
  for (unsigned char c : sjis) {
    if (c >= 0x80 && !(c >= 0xA1 && c <= 0xDF)) return false;
  }
  return true;
}

bool Ascii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
}

TEST(SamplePopulation, TheSameOptionsAndSeedGiveTheSameWorld) {
  std::string first = Dump(Build(2024, 2025, 0.05, 11));
  std::string second = Dump(Build(2024, 2025, 0.05, 11));
  EXPECT_EQ(first, second);
  EXPECT_NE(first, Dump(Build(2024, 2025, 0.05, 12)));
}

TEST(SamplePopulation, CodesAndNumbersAreUniqueSortedAndInTheirBlocks) {
  const TWorld& w = Small();
  for (const auto* people : {&w.jockeys, &w.trainers}) {
    ASSERT_FALSE(people->empty());
    for (std::size_t i = 0; i < people->size(); ++i) {
      const TPerson& p = (*people)[i];
      EXPECT_GT(p.code, 0);
      EXPECT_LT(p.code, 100000);
      if (i > 0) {
        EXPECT_LT((*people)[i - 1].code, p.code);
      }
      int block = p.affiliation <= 2 ? 0 : p.affiliation == 3 ? 5000 : 8000;
      int next = p.affiliation <= 2 ? 5000 : p.affiliation == 3 ? 8000 : 100000;
      EXPECT_GE(p.code, block) << p.code;
      EXPECT_LT(p.code, next) << p.code;
      EXPECT_EQ(w.Jockey(p.code) != nullptr || w.Trainer(p.code) != nullptr, true);
    }
  }
  for (std::size_t i = 0; i < w.breeders.size(); ++i) {
    EXPECT_GE(w.breeders[i].code, 100000);
    EXPECT_LE(w.breeders[i].code, 999999);
    if (i > 0) {
      EXPECT_LT(w.breeders[i - 1].code, w.breeders[i].code);
    }
  }
  for (std::size_t i = 0; i < w.owners.size(); ++i) {
    EXPECT_GE(w.owners[i].code, 100000);
    EXPECT_LE(w.owners[i].code, 999999);
    if (i > 0) {
      EXPECT_LT(w.owners[i - 1].code, w.owners[i].code);
    }
  }
  std::set<int> files;
  for (std::size_t i = 0; i < w.breedingHorses.size(); ++i) {
    const TBreedingHorse& h = w.breedingHorses[i];
    EXPECT_GE(h.number, 10000000);
    EXPECT_LE(h.number, 99999999);
    if (i > 0) {
      EXPECT_LT(w.breedingHorses[i - 1].number, h.number);
    }
    EXPECT_EQ(w.Breeding(h.number), &h);
    files.insert(h.number / 10000);
  }
  EXPECT_LE(files.size(), 6u);
  for (std::size_t i = 0; i < w.horses.size(); ++i) {
    const THorse& h = w.horses[i];
    if (i > 0) {
      EXPECT_LT(w.horses[i - 1].id, h.id);
    }
    int year = static_cast<int>(h.id / 1000000);
    int serial = static_cast<int>(h.id % 1000000);
    EXPECT_EQ(year, h.birthDate / 10000);
    EXPECT_GE(year, 2024 - 8);
    EXPECT_LE(year, 2025 - 2);
    int month = (h.birthDate / 100) % 100;
    EXPECT_GE(month, 2);
    EXPECT_LE(month, 5);
    const int base[4] = {100000, 300000, 500000, 700000};
    ASSERT_GE(h.kind, 0);
    ASSERT_LE(h.kind, 3);
    EXPECT_GT(serial, base[h.kind]) << h.id;
    EXPECT_LT(serial, base[h.kind] + 200000) << h.id;
  }
}

TEST(SamplePopulation, EveryHorseHasThreeGenerationsOfAncestors) {
  const TWorld& w = Small();
  for (const TBreedingHorse& b : w.breedingHorses) {
    bool founder = b.number / 1000000 == 14;
    if (founder) {
      EXPECT_EQ(b.sire, 0);
      EXPECT_EQ(b.dam, 0);
      continue;
    }
    const TBreedingHorse* sire = w.Breeding(b.sire);
    const TBreedingHorse* dam = w.Breeding(b.dam);
    ASSERT_NE(sire, nullptr) << b.number;
    ASSERT_NE(dam, nullptr) << b.number;
    EXPECT_EQ(sire->sex, 1);
    EXPECT_EQ(dam->sex, 2);
    EXPECT_LE(sire->birthYear, b.birthYear - 3) << b.number;
    EXPECT_LE(dam->birthYear, b.birthYear - 3) << b.number;
  }
  for (const THorse& h : w.horses) {
    // The 14 ancestors: sire, dam, their four parents, their eight.
    std::vector<int> generation = {h.sire, h.dam};
    int found = 0;
    for (int depth = 1; depth <= 3; ++depth) {
      std::vector<int> next;
      for (std::size_t k = 0; k < generation.size(); ++k) {
        const TBreedingHorse* b = w.Breeding(generation[k]);
        ASSERT_NE(b, nullptr) << h.id << " generation " << depth;
        EXPECT_EQ(b->sex, k % 2 == 0 ? 1 : 2) << h.id;
        EXPECT_FALSE(b->name.empty());
        ++found;
        next.push_back(b->sire);
        next.push_back(b->dam);
      }
      generation = next;
    }
    EXPECT_EQ(found, 14);
    const TBreedingHorse* sire = w.Breeding(h.sire);
    EXPECT_EQ(sire->number / 1000000, 11) << "sires are stallions";
    EXPECT_EQ(w.Breeding(h.dam)->number / 1000000, 12) << "dams are mares";
    EXPECT_LE(sire->birthYear, h.birthDate / 10000 - 4);
  }
}

TEST(SamplePopulation, NamesFitTheirRecordFields) {
  const TWorld& w = Small();
  std::set<std::string> horseNames;
  auto checkHorseName = [&](const std::string& name, const std::string& kana, const std::string& latin) {
    EXPECT_TRUE(FullWidthKatakana(name)) << SjisToUtf8(name);
    EXPECT_GE(Bytes(name), 4u) << SjisToUtf8(name);
    EXPECT_LE(Bytes(name), 18u) << SjisToUtf8(name);
    EXPECT_TRUE(HalfWidth(kana)) << SjisToUtf8(kana);
    EXPECT_FALSE(kana.empty());
    EXPECT_LE(Bytes(kana), 36u);
    EXPECT_TRUE(Ascii(latin)) << latin;
    EXPECT_FALSE(latin.empty());
    EXPECT_LE(latin.size(), 60u);
    EXPECT_TRUE(horseNames.insert(name).second) << "repeated " << SjisToUtf8(name);
    // The kana name is the same name in half-width form.
    EXPECT_EQ(SjisToUtf8(kana), HalfWidthKana(SjisToUtf8(name)));
  };
  for (const TBreedingHorse& b : w.breedingHorses) checkHorseName(b.name, b.kanaName, b.latinName);
  for (const THorse& h : w.horses) {
    if (h.kind == 3) {
      EXPECT_TRUE(h.name.empty());
      EXPECT_EQ(h.registeredOn, 0);
      continue;
    }
    checkHorseName(h.name, h.kanaName, h.latinName);
    EXPECT_EQ(h.registeredOn / 100, (h.birthDate / 10000 + 2) * 100 + 4);
  }
  for (const auto* people : {&w.jockeys, &w.trainers}) {
    std::set<std::string> shortNames;
    for (const TPerson& p : *people) {
      EXPECT_TRUE(Converts(p.name) && Converts(p.shortName) && Converts(p.kanaName)) << SjisToUtf8(p.name);
      EXPECT_LE(Bytes(p.name), 34u);
      EXPECT_FALSE(p.shortName.empty());
      EXPECT_LE(Bytes(p.shortName), 8u) << SjisToUtf8(p.shortName);
      EXPECT_LE(Bytes(p.kanaName), 30u) << SjisToUtf8(p.kanaName);
      EXPECT_TRUE(HalfWidth(p.kanaName)) << SjisToUtf8(p.kanaName);
      EXPECT_TRUE(Ascii(p.latinName)) << p.latinName;
      EXPECT_LE(p.latinName.size(), 80u);
      EXPECT_TRUE(shortNames.insert(p.shortName).second) << "short name twice: " << SjisToUtf8(p.shortName);
      if (p.affiliation == 4) {
        EXPECT_NE(SjisToUtf8(p.name).find("．"), std::string::npos) << SjisToUtf8(p.name);
      } else {
        // Family and given name parted by one half-width blank.
        EXPECT_EQ(std::count(p.name.begin(), p.name.end(), ' '), 1) << SjisToUtf8(p.name);
        EXPECT_EQ(std::count(p.kanaName.begin(), p.kanaName.end(), ' '), 1) << SjisToUtf8(p.kanaName);
        std::string joined = p.name;
        joined.erase(joined.find(' '), 1);
        EXPECT_EQ(joined.rfind(p.shortName, 0), 0u) << SjisToUtf8(p.name);
      }
    }
  }
  for (const TBreeder& b : w.breeders) {
    EXPECT_TRUE(Converts(b.name) && Converts(b.address)) << SjisToUtf8(b.name);
    EXPECT_LE(Bytes(b.name), 70u);
    EXPECT_LE(Bytes(b.kanaName), 70u);
    EXPECT_TRUE(HalfWidth(b.kanaName)) << SjisToUtf8(b.kanaName);
    EXPECT_LE(Bytes(b.address), 20u);
    EXPECT_TRUE(Ascii(b.latinName)) << b.latinName;
  }
  std::set<std::string> colours;
  for (const TOwner& o : w.owners) {
    EXPECT_TRUE(Converts(o.name) && Converts(o.colours)) << SjisToUtf8(o.name);
    EXPECT_LE(Bytes(o.name), 64u);
    EXPECT_LE(Bytes(o.kanaName), 50u);
    EXPECT_TRUE(HalfWidth(o.kanaName)) << SjisToUtf8(o.kanaName);
    EXPECT_TRUE(Ascii(o.latinName)) << o.latinName;
    EXPECT_LE(Bytes(o.colours), 60u);
    EXPECT_TRUE(colours.insert(o.colours).second) << SjisToUtf8(o.colours);
  }
}

TEST(SamplePopulation, CountsFollowTheScaleAboveTheMinimums) {
  const TWorld& small = Small();
  TWorld larger = Build(2024, 2025, 0.25);
  auto horsesOf = [](const TWorld& w, int kind) {
    return std::count_if(w.horses.begin(), w.horses.end(), [&](const THorse& h) { return h.kind == kind; });
  };
  const long years = (2025 - 2) - (2024 - 8) + 1;
  // Scale 0.05: the JRA minimum of 200 a year is above 4500 × 0.05.
  EXPECT_EQ(horsesOf(small, 0), years * 225);
  EXPECT_EQ(horsesOf(larger, 0), years * 1125);
  EXPECT_EQ(horsesOf(small, 1), years * 50);
  EXPECT_EQ(horsesOf(larger, 1), years * 250);
  EXPECT_EQ(horsesOf(small, 2), years * 6);
  EXPECT_EQ(horsesOf(larger, 2), years * 10);
  EXPECT_NEAR(static_cast<double>(horsesOf(larger, 3)) / static_cast<double>(larger.horses.size()), 0.048, 0.01);
  auto count = [](const std::vector<TPerson>& people, int affiliation) {
    return std::count_if(people.begin(), people.end(), [&](const TPerson& p) {
      return affiliation == 0 ? p.affiliation <= 2 : p.affiliation == affiliation;
    });
  };
  EXPECT_EQ(count(small.jockeys, 0), 24);
  EXPECT_EQ(count(small.jockeys, 3), 8);
  EXPECT_EQ(count(small.jockeys, 4), 2);
  EXPECT_EQ(count(larger.jockeys, 0), 38);
  EXPECT_EQ(count(larger.jockeys, 3), 15);
  EXPECT_EQ(count(small.trainers, 0), 16);
  EXPECT_EQ(count(small.trainers, 3), 6);
  EXPECT_EQ(count(small.trainers, 4), 2);
  EXPECT_EQ(count(larger.trainers, 0), 50);
  EXPECT_EQ(small.breeders.size(), 20u);
  EXPECT_EQ(larger.breeders.size(), 75u);
  EXPECT_EQ(small.owners.size(), 30u);
  EXPECT_EQ(larger.owners.size(), 125u);
  EXPECT_GT(larger.breedingHorses.size(), 3 * small.breedingHorses.size());
  // Each mare foals at most once a year.
  std::set<std::pair<int, int>> foalings;
  for (const THorse& h : larger.horses) {
    EXPECT_TRUE(foalings.insert({h.dam, h.birthDate / 10000}).second) << h.id;
  }
}

TEST(SamplePopulation, AbilitiesAndAptitudesHaveTheirShapes) {
  TWorld w = Build(2024, 2024, 0.25);
  double sum = 0;
  double squares = 0;
  double localSum = 0;
  int jra = 0;
  int local = 0;
  int jumpers = 0;
  int imported = 0;
  int styles[5] = {};
  int middleDistance = 0;
  for (const THorse& h : w.horses) {
    EXPECT_GE(h.peakAge, 4.0);
    EXPECT_LE(h.peakAge, 5.5);
    EXPECT_GE(h.distance, 1000);
    EXPECT_LE(h.distance, 3600);
    EXPECT_GE(h.distanceRange, 300);
    EXPECT_LE(h.distanceRange, 700);
    EXPECT_GE(h.turf, -1);
    EXPECT_LE(h.turf, 1);
    EXPECT_GE(h.consistency, 0.7);
    EXPECT_LE(h.consistency, 1.3);
    EXPECT_GE(h.weight, 420);
    EXPECT_LE(h.weight, 540);
    EXPECT_GE(h.coat, 1);
    EXPECT_LE(h.coat, 11);
    EXPECT_GE(h.sex, 1);
    EXPECT_LE(h.sex, 3);
    EXPECT_EQ(h.retiredOn, 0);
    EXPECT_EQ(h.runs, 0);
    if (h.kind == 0) {
      ++jra;
      sum += h.ability;
      squares += h.ability * h.ability;
      jumpers += h.jump > 0 ? 1 : 0;
      imported += h.horseMark == 6 ? 1 : 0;
      ++styles[h.style];
      middleDistance += h.distance >= 1200 && h.distance <= 2400 ? 1 : 0;
    } else if (h.kind == 1) {
      ++local;
      localSum += h.ability;
      EXPECT_LE(h.jump, 0);
    }
  }
  const double mean = sum / jra;
  const double sd = std::sqrt(squares / jra - mean * mean);
  EXPECT_NEAR(mean, 0, 0.08);
  EXPECT_NEAR(sd, 1, 0.1);
  EXPECT_NEAR(localSum / local, -1.2, 0.15);
  EXPECT_NEAR(static_cast<double>(jumpers) / jra, 0.08, 0.025);
  EXPECT_NEAR(static_cast<double>(imported) / jra, 0.03, 0.005);
  EXPECT_GT(static_cast<double>(middleDistance) / jra, 0.75);
  EXPECT_NEAR(static_cast<double>(styles[1]) / jra, 0.15, 0.04);
  EXPECT_NEAR(static_cast<double>(styles[2]) / jra, 0.35, 0.05);
  EXPECT_NEAR(static_cast<double>(styles[3]) / jra, 0.35, 0.05);
  EXPECT_NEAR(static_cast<double>(styles[4]) / jra, 0.15, 0.04);

  // Sires pass their leanings on: the foals of the most turf-leaning sires
  // like turf more than those of the most dirt-leaning ones.
  std::map<int, std::pair<double, int>> bySire;
  for (const THorse& h : w.horses) {
    auto& [total, n] = bySire[h.sire];
    total += h.turf;
    ++n;
  }
  double turfSires = 0;
  double dirtSires = 0;
  int turfN = 0;
  int dirtN = 0;
  for (const auto& [sire, totals] : bySire) {
    double bias = BreedingTraits(w, sire).surface;
    if (bias > 0.3) {
      turfSires += totals.first;
      turfN += totals.second;
    } else if (bias < -0.3) {
      dirtSires += totals.first;
      dirtN += totals.second;
    }
  }
  ASSERT_GT(turfN, 0);
  ASSERT_GT(dirtN, 0);
  EXPECT_GT(turfSires / turfN - dirtSires / dirtN, 0.5);
}

TEST(SamplePopulation, HorsesHaveThePeopleOfTheirKind) {
  const TWorld& w = Small();
  std::set<int> localVenues(LocalVenues().begin(), LocalVenues().end());
  std::set<int> jockeyVenues;
  for (const TPerson& j : w.jockeys) {
    int age = 2024 - j.birthDate / 10000;
    EXPECT_GE(age, 18);
    EXPECT_LE(age, 55);
    EXPECT_LT(j.licenceDate, 20240101);
    EXPECT_GE(j.licenceDate / 10000 - j.birthDate / 10000, 16);
    if (j.apprentice) {
      EXPECT_LE(j.affiliation, 2);
      EXPECT_GE(j.licenceDate, 20210101);
    }
    if (j.affiliation == 3) {
      EXPECT_TRUE(localVenues.count(j.homeVenue)) << j.homeVenue;
      jockeyVenues.insert(j.homeVenue);
    }
  }
  for (const TPerson& t : w.trainers) {
    if (t.affiliation == 3) {
      EXPECT_TRUE(localVenues.count(t.homeVenue));
    }
  }
  for (const THorse& h : w.horses) {
    if (h.kind != 3) {
      ASSERT_NE(w.Owner(h.ownerCode), nullptr) << h.id;
    }
    ASSERT_NE(w.Breeder(h.breederCode), nullptr) << h.id;
    const TPerson* trainer = w.Trainer(h.trainerCode);
    switch (h.kind) {
      case 0:
        ASSERT_NE(trainer, nullptr);
        EXPECT_TRUE(trainer->affiliation == 1 || trainer->affiliation == 2) << h.id;
        EXPECT_EQ(h.homeVenue, 0);
        break;
      case 1:
        ASSERT_NE(trainer, nullptr);
        EXPECT_EQ(trainer->affiliation, 3);
        EXPECT_EQ(trainer->homeVenue, h.homeVenue);
        EXPECT_TRUE(jockeyVenues.count(h.homeVenue)) << "no jockey at " << h.homeVenue;
        break;
      case 2:
        ASSERT_NE(trainer, nullptr);
        EXPECT_EQ(trainer->affiliation, 4);
        break;
      default:
        EXPECT_EQ(trainer, nullptr);
        EXPECT_EQ(h.ownerCode, 0);
        break;
    }
  }
}

TEST(SamplePopulation, KanaHelpersConvertAndRomanise) {
  EXPECT_EQ(HalfWidthKana("サクラバクシンオー"), "ｻｸﾗﾊﾞｸｼﾝｵｰ");
  EXPECT_EQ(HalfWidthKana("ヴィクトリー パール"), "ｳﾞｨｸﾄﾘｰ ﾊﾟｰﾙ");
  EXPECT_EQ(KanaToSjis("ムーン"), Utf8ToSjis("ムーン"));
  EXPECT_EQ(KanaToSjis("ﾔﾏﾀﾞ ﾀﾛｳ"), Utf8ToSjis("ﾔﾏﾀﾞ ﾀﾛｳ"));
  EXPECT_EQ(KanaToSjis("山田"), Utf8ToSjis("山田"));
  EXPECT_EQ(Romanise("ハヤテ", TRomanStyle::kJapanese), "Hayate");
  EXPECT_EQ(Romanise("タイヨウ", TRomanStyle::kJapanese), "Taiyo");
  EXPECT_EQ(Romanise("ホウオウ", TRomanStyle::kJapanese), "Hoo");
  EXPECT_EQ(Romanise("ユウイチ", TRomanStyle::kPerson), "Yuichi");
  EXPECT_EQ(Romanise("オオツカ", TRomanStyle::kPerson), "Otsuka");
  EXPECT_EQ(Romanise("ハットリ", TRomanStyle::kPerson), "Hattori");
  EXPECT_EQ(Romanise("キョウヘイ", TRomanStyle::kPerson), "Kyohei");
  EXPECT_EQ(Romanise("シュンスケ", TRomanStyle::kPerson), "Shunsuke");
  EXPECT_EQ(Romanise("ヴィエラ", TRomanStyle::kForeign), "Viela");
  EXPECT_EQ(Romanise("ティアラ", TRomanStyle::kForeign), "Tiala");
  EXPECT_EQ(Romanise("マッチ", TRomanStyle::kJapanese), "Matchi");
}

}  // namespace
}  // namespace sample
