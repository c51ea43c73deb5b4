#include "sample/sample_population.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "app/sjis.h"
#include "sample/sample_names.h"

namespace sample {

namespace {

constexpr double kBaseDistance = 1700;  // metres: the centre of the distance aptitudes

int Count(double base, double scale, int minimum) {
  return std::max(minimum, static_cast<int>(std::lround(base * scale)));
}

int DateOf(int year, int month, int day) { return year * 10000 + month * 100 + day; }

int RandomDate(TRandom& random, int year) { return DateOf(year, random.Int(1, 12), random.Int(1, 28)); }

double Clamp(double x, double low, double high) { return std::min(high, std::max(low, x)); }

// A weighted pick over a fixed list by cumulative sums.
class TPicker {
 public:
  void Add(double weight) {
    total_ += std::max(0.0, weight);
    cumulative_.push_back(total_);
  }
  std::size_t size() const { return cumulative_.size(); }
  std::size_t Pick(TRandom& random) const {
    if (cumulative_.empty()) return 0;
    if (total_ <= 0) return static_cast<std::size_t>(random.Int(0, static_cast<int>(cumulative_.size()) - 1));
    double x = random.Uniform() * total_;
    auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), x);
    if (it == cumulative_.end()) --it;
    return static_cast<std::size_t>(it - cumulative_.begin());
  }

 private:
  std::vector<double> cumulative_;
  double total_ = 0;
};

// Coat colour codes: 1 栗毛 2 栃栗毛 3 鹿毛 4 黒鹿毛 5 青鹿毛 6 青毛 7 芦毛
// 8 栗粕毛 9 鹿粕毛 10 青粕毛 11 白毛. Grey and white come from a parent.
int Coat(TRandom& random, int sireCoat, int damCoat, double founderGrey) {
  if ((sireCoat == 11 || damCoat == 11) && random.Chance(0.5)) return 11;
  if ((sireCoat == 7 || damCoat == 7) && random.Chance(0.5)) return 7;
  if (founderGrey > 0 && random.Chance(founderGrey)) return 7;
  static const std::vector<double> kWeights = {0, 22, 4, 40, 17, 7, 2, 0, 0.25, 0.25, 0.1, 0};
  int coat = static_cast<int>(random.Pick(kWeights));
  return coat == 0 ? 3 : coat;
}

struct TArea {
  const char* name;
  double weight;
};
constexpr TArea kDomesticAreas[] = {
    {"日高", 10}, {"新冠", 12}, {"浦河", 10}, {"静内", 12}, {"門別", 7}, {"三石", 6},
    {"早来", 9}, {"鵡川", 3}, {"平取", 3}, {"千歳", 4}, {"様似", 2}, {"えりも", 1}};
constexpr TArea kForeignAreas[] = {{"米", 45}, {"英", 20}, {"愛", 15}, {"仏", 12}, {"豪", 5}, {"独", 3}};

template <std::size_t N>
const char* PickArea(TRandom& random, const TArea (&areas)[N]) {
  std::vector<double> weights;
  for (const TArea& area : areas) weights.push_back(area.weight);
  return areas[random.Pick(weights)].name;
}

// The traits of one breeding horse from its own noise (the seed's stream
// for its number) and its parents' traits.
TBreedingTraits OwnTraits(const TRandom& base, int number, const TBreedingTraits* sire,
                          const TBreedingTraits* dam) {
  TRandom random = base.Fork(static_cast<std::uint64_t>(number));
  double n1 = random.Normal();
  double n2 = random.Normal();
  TBreedingTraits traits;
  double logDistance;
  if (sire != nullptr && dam != nullptr) {
    traits.surface = 0.3 * (sire->surface + dam->surface) + 0.35 * n1;
    logDistance = 0.3 * (std::log(sire->distance) + std::log(dam->distance)) + 0.4 * std::log(kBaseDistance) +
                  0.15 * n2;
  } else {
    traits.surface = 0.39 * n1;
    logDistance = std::log(kBaseDistance) + 0.2 * n2;
  }
  traits.distance = Clamp(std::exp(logDistance), 1100, 3200);
  return traits;
}

TRandom TraitsBase(std::uint64_t seed) { return TRandom(seed).Fork("breeding traits"); }

TBreedingTraits TraitsOf(const TWorld& world, const TRandom& base, int number,
                         std::unordered_map<int, TBreedingTraits>& memo) {
  auto found = memo.find(number);
  if (found != memo.end()) return found->second;
  const TBreedingHorse* horse = world.Breeding(number);
  TBreedingTraits traits;
  if (horse != nullptr && horse->sire != 0 && horse->dam != 0) {
    TBreedingTraits sire = TraitsOf(world, base, horse->sire, memo);
    TBreedingTraits dam = TraitsOf(world, base, horse->dam, memo);
    traits = OwnTraits(base, number, &sire, &dam);
  } else {
    traits = OwnTraits(base, number, nullptr, nullptr);
  }
  memo[number] = traits;
  return traits;
}

// ---------------------------------------------------------------------------

class TBuilder {
 public:
  TBuilder(TWorld& world, TRandom random)
      : world_(world), random_(random), scale_(world.options.scale), fromYear_(world.options.fromYear) {
    if (world.options.toYear < world.options.fromYear) {
      throw std::invalid_argument("sample population: toYear before fromYear");
    }
    if (!(scale_ > 0) || scale_ > 10) throw std::invalid_argument("sample population: scale out of range");
    firstBirth_ = fromYear_ - 8;
    lastBirth_ = world.options.toYear - 2;
    nJra_ = Count(4500, scale_, 200);
    nLocal_ = Count(1000, scale_, 20);
    nForeign_ = Count(40, scale_, 6);
    nImported_ = static_cast<int>(std::lround(0.03 * nJra_));
    nFoals_ = std::max(1, static_cast<int>(std::lround(0.05 * (nJra_ + nLocal_ + nForeign_))));
  }

  void Run() {
    world_.jockeys.clear();
    world_.trainers.clear();
    world_.breeders.clear();
    world_.owners.clear();
    world_.breedingHorses.clear();
    world_.horses.clear();
    BuildJockeys();
    BuildTrainers();
    BuildBreeders();
    BuildOwners();
    BuildStock();
    BuildHorses();
  }

 private:
  struct TDraft {
    TPerson person;
    bool female = false;
    int block = 0;  // 0 JRA, 1 local, 2 overseas
  };

  // Breeding stock being built.
  struct TStock {
    int tier = 0;          // 0 founder, 1 older generation, 2 stallion, 3 mare
    int sex = 1;
    int birthYear = 0;
    bool abroad = false;   // stands or foals abroad: the parent of foreign-bred foals
    bool foreignBred = false;
    int first = 0;         // years its foals are born among the world's horses
    int last = -1;
    int sire = -1;         // indexes into stock_
    int dam = -1;
    double quality = 0;
    double weight = 1;     // stallions: popularity
    int offspring = 0;     // breeding-horse offspring, dams capped
    int breeder = -1;      // mares: index into world_.breeders
    int number = 0;
    int coat = 3;
    const char* area = "";
    TBreedingTraits traits;
  };

  // ------------------------------------------------------------------------
  // People.

  void AssignCodes(std::vector<TDraft>& drafts, int block, int base, int limit, TRandom& random) {
    std::vector<TDraft*> members;
    for (TDraft& d : drafts) {
      if (d.block == block) members.push_back(&d);
    }
    std::stable_sort(members.begin(), members.end(), [](const TDraft* a, const TDraft* b) {
      if (a->person.licenceDate != b->person.licenceDate) return a->person.licenceDate < b->person.licenceDate;
      return a->person.birthDate < b->person.birthDate;
    });
    int step = (limit - base) / std::max<int>(1, static_cast<int>(members.size())) >= 2 ? 2 : 1;
    int code = base;
    for (TDraft* d : members) {
      d->person.code = code;
      code += random.Int(1, step);
    }
    if (code > limit) throw std::invalid_argument("sample population: scale too large for the person codes");
  }

  // Names, sorted order and the vector of a group of people.
  std::vector<TPerson> Finish(std::vector<TDraft>& drafts, TRandom& random) {
    std::stable_sort(drafts.begin(), drafts.end(),
                     [](const TDraft& a, const TDraft& b) { return a.person.code < b.person.code; });
    std::vector<TPersonParts> parts;
    for (const TDraft& d : drafts) {
      parts.push_back(d.block == 2 ? book_.OverseasPerson(random) : book_.JapanesePerson(random, d.female));
    }
    std::vector<TPersonForms> forms = book_.PersonForms(parts, random);
    std::vector<TPerson> people;
    for (std::size_t i = 0; i < drafts.size(); ++i) {
      TPerson p = drafts[i].person;
      p.name = forms[i].name;
      p.shortName = forms[i].shortName;
      p.kanaName = forms[i].kanaName;
      p.latinName = forms[i].latinName;
      people.push_back(std::move(p));
    }
    return people;
  }

  void BuildJockeys() {
    TRandom random = random_.Fork("jockeys");
    const int nJra = Count(150, scale_, 24);
    const int nLocal = Count(60, scale_, 8);
    const int nOverseas = Count(10, scale_, 2);
    const int nApprentices = std::max(2, static_cast<int>(std::lround(0.15 * nJra)));
    std::vector<TDraft> drafts;
    for (int i = 0; i < nJra; ++i) {
      TDraft d;
      TPerson& p = d.person;
      p.affiliation = 1 + i % 2;
      int birthYear;
      int licenceYear;
      if (i < nApprentices) {
        licenceYear = fromYear_ - random.Int(1, 3);
        birthYear = licenceYear - random.Int(18, 20);
        p.apprentice = true;
        p.skill = random.Normal(-0.1, 0.2);
        d.female = random.Chance(0.15);
      } else {
        int age = static_cast<int>(Clamp(std::round(random.Normal(33, 8)), 22, 55));
        birthYear = fromYear_ - age;
        licenceYear = std::min(birthYear + random.Int(18, 20), fromYear_ - 4);
        p.skill = random.Normal(0, 0.25);
        d.female = random.Chance(0.04);
      }
      p.birthDate = RandomDate(random, birthYear);
      p.licenceDate = DateOf(licenceYear, 3, 1);
      drafts.push_back(d);
    }
    // The stars: a few riders in their prime.
    std::vector<std::size_t> prime;
    for (std::size_t i = 0; i < drafts.size(); ++i) {
      int age = fromYear_ - drafts[i].person.birthDate / 10000;
      if (!drafts[i].person.apprentice && age >= 25 && age <= 45) prime.push_back(i);
    }
    random.Shuffle(prime);
    const std::size_t nStars = std::min(prime.size(), static_cast<std::size_t>(std::max(2L, std::lround(0.03 * nJra))));
    for (std::size_t k = 0; k < nStars; ++k) {
      drafts[prime[k]].person.skill = 0.6 + 0.3 * random.Uniform();
    }
    const std::vector<int>& venues = LocalVenues();
    for (int i = 0; i < nLocal; ++i) {
      TDraft d;
      d.block = 1;
      TPerson& p = d.person;
      p.affiliation = 3;
      p.homeVenue = venues[static_cast<std::size_t>(i) % venues.size()];
      int age = static_cast<int>(Clamp(std::round(random.Normal(34, 9)), 18, 55));
      int birthYear = fromYear_ - age;
      int licenceYear = std::min(birthYear + random.Int(16, 19), fromYear_ - 1);
      p.birthDate = RandomDate(random, birthYear);
      p.licenceDate = DateOf(licenceYear, 4, 1);
      p.skill = random.Normal(-0.15, 0.25);
      d.female = random.Chance(0.06);
      drafts.push_back(d);
    }
    for (int i = 0; i < nOverseas; ++i) {
      TDraft d;
      d.block = 2;
      TPerson& p = d.person;
      p.affiliation = 4;
      int age = static_cast<int>(Clamp(std::round(random.Normal(33, 6)), 24, 50));
      int birthYear = fromYear_ - age;
      p.birthDate = RandomDate(random, birthYear);
      p.licenceDate = DateOf(birthYear + random.Int(17, 19), random.Int(1, 12), 1);
      p.skill = random.Normal(0.35, 0.2);
      drafts.push_back(d);
    }
    AssignCodes(drafts, 0, 600, 4999, random);
    AssignCodes(drafts, 1, 5000, 7999, random);
    AssignCodes(drafts, 2, 8000, 99999, random);
    world_.jockeys = Finish(drafts, random);
  }

  void BuildTrainers() {
    TRandom random = random_.Fork("trainers");
    const int nJra = Count(200, scale_, 16);
    const int nLocal = Count(40, scale_, 6);
    const int nOverseas = Count(5, scale_, 2);
    std::vector<TDraft> drafts;
    const std::vector<int>& venues = LocalVenues();
    for (int i = 0; i < nJra + nLocal + nOverseas; ++i) {
      TDraft d;
      TPerson& p = d.person;
      d.block = i < nJra ? 0 : i < nJra + nLocal ? 1 : 2;
      if (d.block == 0) {
        p.affiliation = 1 + i % 2;
      } else if (d.block == 1) {
        p.affiliation = 3;
        p.homeVenue = venues[static_cast<std::size_t>(i - nJra) % venues.size()];
      } else {
        p.affiliation = 4;
      }
      int age = static_cast<int>(Clamp(std::round(random.Normal(d.block == 2 ? 48 : 53, 10)), 30, 69));
      int birthYear = fromYear_ - age;
      int licenceYear = std::min(birthYear + random.Int(28, 45), fromYear_ - 1);
      p.birthDate = RandomDate(random, birthYear);
      p.licenceDate = DateOf(licenceYear, 3, 1);
      p.skill = random.Normal(0, 0.2);
      d.female = random.Chance(0.02);
      drafts.push_back(d);
    }
    AssignCodes(drafts, 0, 1000, 4999, random);
    AssignCodes(drafts, 1, 5000, 7999, random);
    AssignCodes(drafts, 2, 8000, 99999, random);
    world_.trainers = Finish(drafts, random);

    // Where the horses go: JRA stables by size (the better trainers have
    // somewhat more horses), local stables by racecourse.
    for (std::size_t i = 0; i < world_.trainers.size(); ++i) {
      const TPerson& t = world_.trainers[i];
      if (t.affiliation <= 2) {
        jraTrainers_.push_back(i);
        jraTrainerPicker_.Add(std::exp(0.8 * t.skill + random.Normal(0, 0.3)));
      } else if (t.affiliation == 3) {
        localTrainers_[t.homeVenue].push_back(i);
      } else {
        overseasTrainers_.push_back(i);
      }
    }
    for (const auto& [venue, members] : localTrainers_) {
      localVenues_.push_back(venue);
      localVenuePicker_.Add(static_cast<double>(members.size()));
    }
  }

  // ------------------------------------------------------------------------
  // Breeders and owners.

  void BuildBreeders() {
    TRandom random = random_.Fork("breeders");
    const int n = Count(300, scale_, 20);
    const int nOverseas = std::max(2, static_cast<int>(std::lround(0.08 * n)));
    int code = 100001;
    for (int i = 0; i < n; ++i) {
      bool overseas = i >= n - nOverseas;
      if (overseas && i == n - nOverseas) code = 900001;
      TBreeder b;
      b.code = code;
      code += random.Int(1, 3);
      std::string address;
      TNameForms forms = book_.BreederName(random, overseas, &address);
      b.name = forms.name;
      b.kanaName = forms.kanaName;
      b.latinName = forms.latinName;
      b.address = Utf8ToSjis(address);
      (overseas ? overseasBreeders_ : domesticBreeders_).push_back(world_.breeders.size());
      (overseas ? overseasBreederPicker_ : domesticBreederPicker_).Add(std::exp(random.Normal(0, 1.1)));
      world_.breeders.push_back(std::move(b));
    }
  }

  void BuildOwners() {
    TRandom random = random_.Fork("owners");
    const int n = Count(500, scale_, 30);
    const int nOverseas = std::max(2, static_cast<int>(std::lround(0.04 * n)));
    const int nCrowned = std::min(book_.CrownCount(), std::max(4, static_cast<int>(std::lround(0.12 * n))));
    const int nCompanies = static_cast<int>(std::lround(0.25 * n));
    const int nPeople = n - nOverseas - nCrowned - nCompanies;
    std::vector<int> kinds;  // 0 person, 1 company, 2 crowned company
    kinds.insert(kinds.end(), static_cast<std::size_t>(nPeople), 0);
    kinds.insert(kinds.end(), static_cast<std::size_t>(nCompanies), 1);
    kinds.insert(kinds.end(), static_cast<std::size_t>(nCrowned), 2);
    random.Shuffle(kinds);
    std::vector<int> crowns;
    for (int c = 0; c < book_.CrownCount(); ++c) crowns.push_back(c);
    random.Shuffle(crowns);
    int nextCrown = 0;
    int code = 100001;
    for (int i = 0; i < n; ++i) {
      const bool overseas = i >= n - nOverseas;
      if (overseas && i == n - nOverseas) code = 900001;
      const int kind = overseas ? 3 : kinds[static_cast<std::size_t>(i)];
      TOwner o;
      o.code = code;
      code += random.Int(1, 3);
      int crown = kind == 2 ? crowns[static_cast<std::size_t>(nextCrown++)] : -1;
      TNameBook::TOwnerKind ownerKind = kind == 0   ? TNameBook::TOwnerKind::kPerson
                                        : kind == 3 ? TNameBook::TOwnerKind::kOverseas
                                                    : TNameBook::TOwnerKind::kCompany;
      TNameForms forms = book_.OwnerName(random, ownerKind, crown);
      o.name = forms.name;
      o.kanaName = forms.kanaName;
      o.latinName = forms.latinName;
      o.colours = book_.Colours(random);
      ownerCrown_.push_back(crown);
      if (overseas) {
        overseasOwners_.push_back(world_.owners.size());
      } else {
        double weight = kind == 2   ? std::exp(random.Normal(1.3, 0.6))
                        : kind == 1 ? std::exp(random.Normal(0, 0.9))
                                    : std::exp(random.Normal(-0.3, 0.9));
        domesticOwners_.push_back(world_.owners.size());
        ownerPicker_.Add(weight);
        localOwnerPicker_.Add(kind == 2 ? 0.02 * weight : weight);
      }
      world_.owners.push_back(std::move(o));
    }
  }

  // ------------------------------------------------------------------------
  // Breeding stock.

  int YearIndex(int year) const { return year - firstBirth_; }
  int Years() const { return lastBirth_ - firstBirth_ + 1; }

  int DomesticFoals() const { return nJra_ - nImported_ + nLocal_ + nFoals_; }
  int AbroadFoals() const { return nImported_ + nForeign_; }

  // Stallions or mares of one pool: `target` of them active in every birth
  // year, each with a run of years of foals; the retired are replaced.
  void PlanPool(TRandom& random, int tier, bool abroad, int target) {
    const bool stallion = tier == 2;
    const int maxSpan = stallion ? 19 : 15;
    std::vector<std::size_t> active;
    auto add = [&](int first, int last) {
      TStock s;
      s.tier = tier;
      s.sex = stallion ? 1 : 2;
      s.abroad = abroad;
      s.first = first;
      s.last = last;
      s.birthYear = first - (stallion ? random.Int(5, 7) : random.Int(4, 6));
      active.push_back(stock_.size());
      stock_.push_back(s);
    };
    for (int k = 0; k < target; ++k) {
      int elapsed = random.Int(0, stallion ? 14 : 11);
      int remaining = random.Int(1, std::max(1, maxSpan - elapsed));
      add(firstBirth_ - elapsed, firstBirth_ + remaining - 1);
    }
    for (int year = firstBirth_ + 1; year <= lastBirth_; ++year) {
      std::erase_if(active, [&](std::size_t i) { return stock_[i].last < year; });
      while (static_cast<int>(active.size()) < target) {
        int span = stallion ? random.Int(8, 18) : random.Int(6, 15);
        add(year, year + span - 1);
      }
    }
  }

  // A parent among `candidates` (stock indexes sorted by birth year) born
  // `minAge` to `maxAge` years before `birthYear`; the range widens when
  // nobody fits.
  std::pair<std::size_t, std::size_t> Range(const std::vector<std::size_t>& candidates, int birthYear, int minAge,
                                            int maxAge) const {
    auto byYear = [&](std::size_t i, int year) { return stock_[i].birthYear < year; };
    auto lo = std::lower_bound(candidates.begin(), candidates.end(), birthYear - maxAge, byYear);
    auto hi = std::lower_bound(candidates.begin(), candidates.end(), birthYear - minAge + 1, byYear);
    if (lo >= hi) {
      lo = candidates.begin();
      if (hi == candidates.begin()) hi = candidates.end();
    }
    return {static_cast<std::size_t>(lo - candidates.begin()), static_cast<std::size_t>(hi - candidates.begin())};
  }

  // Sire candidates with the running sum of their weights, in birth order.
  struct TSireList {
    std::vector<std::size_t> members;
    std::vector<double> cumulative;  // cumulative[k]: weights of members[0 .. k - 1]
    TSireList() : cumulative{0.0} {}
    void Add(std::size_t i, double weight) {
      members.push_back(i);
      cumulative.push_back(cumulative.back() + weight);
    }
  };

  int PickSire(TRandom& random, const TSireList& list, int birthYear, int maxAge) const {
    auto [lo, hi] = Range(list.members, birthYear, 4, maxAge);
    double x = list.cumulative[lo] + random.Uniform() * (list.cumulative[hi] - list.cumulative[lo]);
    auto it = std::upper_bound(list.cumulative.begin() + static_cast<std::ptrdiff_t>(lo) + 1,
                               list.cumulative.begin() + static_cast<std::ptrdiff_t>(hi) + 1, x);
    std::size_t k = static_cast<std::size_t>(it - list.cumulative.begin()) - 1;
    return static_cast<int>(list.members[std::min(k, hi - 1)]);
  }
  static double SireWeight(const TStock& s) { return s.tier == 2 ? std::pow(s.weight, 1.3) : s.weight; }

  int PickDam(TRandom& random, const std::vector<std::size_t>& candidates, int birthYear, int maxAge, int tries,
              int cap) const {
    auto [lo, hi] = Range(candidates, birthYear, 4, maxAge);
    int best = -1;
    for (int attempt = 0; attempt < 40 && tries > 0; ++attempt) {
      std::size_t k = lo + static_cast<std::size_t>(random.Int(0, static_cast<int>(hi - lo) - 1));
      const TStock& s = stock_[candidates[k]];
      if (s.offspring >= cap && attempt < 39) continue;
      if (best < 0 || s.quality > stock_[static_cast<std::size_t>(best)].quality) best = static_cast<int>(candidates[k]);
      --tries;
    }
    return best;
  }

  void BuildStock() {
    TRandom random = random_.Fork("breeding");
    const int stallions = Count(80, scale_, 12);
    const int abroadStallions = std::max(3, static_cast<int>(std::lround(0.15 * stallions)));
    const int domesticStallions = std::max(9, stallions - abroadStallions);
    PlanPool(random, 2, false, domesticStallions);
    PlanPool(random, 2, true, abroadStallions);
    PlanPool(random, 3, false, static_cast<int>(std::ceil(DomesticFoals() / 0.78)));
    PlanPool(random, 3, true, static_cast<int>(std::ceil(AbroadFoals() / 0.78)));
    int mares = 0;
    for (const TStock& s : stock_) mares += s.tier == 3 ? 1 : 0;

    // The older generation: the sires and dams of the first stallions and
    // mares; and their founders.
    const int oldSires = Count(40, scale_, 8);
    const int oldDams = std::max(20, static_cast<int>(std::lround(0.25 * mares)));
    for (int i = 0; i < oldSires + oldDams; ++i) {
      TStock s;
      s.tier = 1;
      s.sex = i < oldSires ? 1 : 2;
      s.birthYear = firstBirth_ - random.Int(22, 44);
      stock_.push_back(s);
    }
    const int founderSires = Count(30, scale_, 6);
    const int founderDams = std::max(12, (oldSires + oldDams) / 5);
    for (int i = 0; i < founderSires + founderDams; ++i) {
      TStock s;
      s.tier = 0;
      s.sex = i < founderSires ? 1 : 2;
      s.birthYear = firstBirth_ - random.Int(48, 64);
      stock_.push_back(s);
    }

    // Numbers: by tier, oldest first.
    std::vector<std::size_t> order(stock_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return stock_[a].birthYear < stock_[b].birthYear; });
    const int prefixes[4] = {14000000, 13000000, 11000000, 12000000};
    int serials[4] = {0, 0, 0, 0};
    for (std::size_t i : order) {
      TStock& s = stock_[i];
      s.number = prefixes[s.tier] + ++serials[s.tier];
    }
    if (serials[3] >= 1000000 || serials[1] >= 1000000 || serials[2] >= 10000) {
      throw std::invalid_argument("sample population: scale too large for the breeding numbers");
    }

    // Founders, then everybody else in birth order, parents first.
    const TRandom traitsBase = TraitsBase(world_.options.seed);
    TSireList founderSireList;
    std::vector<std::size_t> founderDamList;
    for (std::size_t i : order) {
      TStock& s = stock_[i];
      if (s.tier != 0) continue;
      s.quality = random.Normal(0, s.sex == 1 ? 0.6 : 0.5);
      s.weight = std::exp(random.Normal(0, 0.8));
      s.foreignBred = random.Chance(0.85);
      s.area = s.foreignBred ? PickArea(random, kForeignAreas) : PickArea(random, kDomesticAreas);
      s.coat = Coat(random, 0, 0, 0.07);
      s.traits = OwnTraits(traitsBase, s.number, nullptr, nullptr);
      if (s.sex == 1) {
        founderSireList.Add(i, SireWeight(s));
      } else {
        founderDamList.push_back(i);
      }
    }
    TSireList sireCandidates;
    std::vector<std::size_t> damCandidates;
    for (std::size_t i : order) {
      TStock& s = stock_[i];
      if (s.tier == 0) continue;
      if (s.tier == 1) {
        s.sire = PickSire(random, founderSireList, s.birthYear, 30);
        s.dam = PickDam(random, founderDamList, s.birthYear, 28, 1, 8);
        s.foreignBred = random.Chance(0.4);
      } else {
        s.sire = PickSire(random, sireCandidates, s.birthYear, 24);
        s.dam = PickDam(random, damCandidates, s.birthYear, 22, s.tier == 2 ? 4 : 1, 6);
        s.foreignBred = s.abroad || random.Chance(s.tier == 2 ? 0.25 : 0.08);
      }
      TStock& sire = stock_[static_cast<std::size_t>(s.sire)];
      TStock& dam = stock_[static_cast<std::size_t>(s.dam)];
      ++dam.offspring;
      const double spread = s.sex == 1 ? 0.56 : 0.45;
      s.quality = 0.25 * (sire.quality + dam.quality) + random.Normal(0, spread);
      s.weight = std::exp(1.0 * s.quality + random.Normal(0, 0.3));
      s.area = s.foreignBred ? PickArea(random, kForeignAreas) : PickArea(random, kDomesticAreas);
      s.coat = Coat(random, sire.coat, dam.coat, 0);
      s.traits = OwnTraits(traitsBase, s.number, &sire.traits, &dam.traits);
      if (s.tier == 3) {
        s.breeder = static_cast<int>(s.abroad ? overseasBreeders_[overseasBreederPicker_.Pick(random)]
                                              : domesticBreeders_[domesticBreederPicker_.Pick(random)]);
      }
      if (s.sex == 1) {
        sireCandidates.Add(i, SireWeight(s));
      } else {
        damCandidates.push_back(i);
      }
    }

    // The records, sorted by number: stallions, mares, older generation,
    // founders; named in that order.
    std::vector<std::size_t> byNumber = order;
    std::sort(byNumber.begin(), byNumber.end(),
              [&](std::size_t a, std::size_t b) { return stock_[a].number < stock_[b].number; });
    for (std::size_t i : byNumber) {
      const TStock& s = stock_[i];
      TBreedingHorse h;
      h.number = s.number;
      h.birthYear = s.birthYear;
      h.sex = s.sex;
      h.coat = s.coat;
      h.sire = s.sire >= 0 ? stock_[static_cast<std::size_t>(s.sire)].number : 0;
      h.dam = s.dam >= 0 ? stock_[static_cast<std::size_t>(s.dam)].number : 0;
      h.area = Utf8ToSjis(s.area);
      h.quality = s.quality;
      TNameForms forms = book_.HorseName(random, s.sex == 2, -1,
                                         s.foreignBred ? THorseNameStyle::kForeign : THorseNameStyle::kDomestic);
      h.name = forms.name;
      h.kanaName = forms.kanaName;
      h.latinName = forms.latinName;
      world_.breedingHorses.push_back(std::move(h));
    }
  }

  // ------------------------------------------------------------------------
  // Horses.

  struct TFoal {
    std::size_t sire = 0;  // stock indexes
    std::size_t dam = 0;
    int kind = 0;          // 0 JRA, 1 local, 2 foreign runner, 3 unregistered; 4 imported JRA
    double genetic = 0;
  };

  // The foals of one pool in one year: sires by popularity, dams from the
  // active mares, better sires meeting better mares more often.
  void Mate(TRandom& random, int year, bool abroad, std::vector<int> kinds, std::vector<TFoal>& foals) {
    std::vector<std::size_t> sires;
    std::vector<std::size_t> mares;
    TPicker sirePicker;
    for (std::size_t i = 0; i < stock_.size(); ++i) {
      const TStock& s = stock_[i];
      if (s.abroad != abroad || s.first > year || s.last < year) continue;
      if (s.tier == 2) {
        sires.push_back(i);
        double weight = s.weight;
        if (year - s.first < 3) weight *= 1.4;       // the new sire's first crops
        if (year - s.birthYear > 20) weight *= 0.6;  // the old sire's last ones
        sirePicker.Add(weight);
      } else if (s.tier == 3) {
        mares.push_back(i);
      }
    }
    const std::size_t n = kinds.size();
    if (sires.empty() || mares.empty()) throw std::logic_error("sample population: no breeding stock for a year");
    std::vector<std::pair<double, std::size_t>> sireRank;
    for (std::size_t k = 0; k < n; ++k) {
      std::size_t s = sires[sirePicker.Pick(random)];
      sireRank.emplace_back(stock_[s].quality + random.Normal(0, 0.35), s);
    }
    random.Shuffle(mares);
    std::vector<std::pair<double, std::size_t>> damRank;
    for (std::size_t k = 0; k < n; ++k) {
      std::size_t m = mares[k % mares.size()];
      damRank.emplace_back(stock_[m].quality + random.Normal(0, 0.3), m);
    }
    std::stable_sort(sireRank.begin(), sireRank.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::stable_sort(damRank.begin(), damRank.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    random.Shuffle(kinds);
    for (std::size_t k = 0; k < n; ++k) {
      TFoal foal;
      foal.sire = sireRank[k].second;
      foal.dam = damRank[k].second;
      foal.kind = kinds[k];
      foal.genetic = 0.5 * (stock_[foal.sire].quality + stock_[foal.dam].quality);
      foals.push_back(foal);
    }
  }

  void BuildHorses() {
    const TRandom horsesRandom = random_.Fork("horses");
    const std::size_t perYear = static_cast<std::size_t>(nJra_ + nLocal_ + nForeign_ + nFoals_);
    if (nJra_ > 199999 || nLocal_ > 199999 || nForeign_ > 199999 || nFoals_ > 299999) {
      throw std::invalid_argument("sample population: scale too large for the horse serials");
    }
    world_.horses.reserve(perYear * static_cast<std::size_t>(Years()));
    for (int year = firstBirth_; year <= lastBirth_; ++year) {
      TRandom random = horsesRandom.Fork(static_cast<std::uint64_t>(year));
      std::vector<TFoal> foals;
      std::vector<int> domesticKinds;
      domesticKinds.insert(domesticKinds.end(), static_cast<std::size_t>(nJra_ - nImported_), 0);
      domesticKinds.insert(domesticKinds.end(), static_cast<std::size_t>(nLocal_), 1);
      domesticKinds.insert(domesticKinds.end(), static_cast<std::size_t>(nFoals_), 3);
      Mate(random, year, false, domesticKinds, foals);
      std::vector<int> abroadKinds;
      abroadKinds.insert(abroadKinds.end(), static_cast<std::size_t>(nImported_), 4);
      abroadKinds.insert(abroadKinds.end(), static_cast<std::size_t>(nForeign_), 2);
      Mate(random, year, true, abroadKinds, foals);

      double mean = 0;
      for (const TFoal& f : foals) mean += f.genetic;
      mean /= static_cast<double>(foals.size());
      double variance = 0;
      for (const TFoal& f : foals) variance += (f.genetic - mean) * (f.genetic - mean);
      const double sd = std::sqrt(variance / static_cast<double>(foals.size())) + 1e-9;

      int serials[4] = {100000, 300000, 500000, 700000};
      std::vector<THorse> horses;
      horses.reserve(foals.size());
      for (const TFoal& f : foals) {
        horses.push_back(MakeHorse(random, year, f, (f.genetic - mean) / sd, serials));
      }
      std::sort(horses.begin(), horses.end(), [](const THorse& a, const THorse& b) { return a.id < b.id; });
      for (THorse& h : horses) world_.horses.push_back(std::move(h));
    }
  }

  THorse MakeHorse(TRandom& random, int year, const TFoal& foal, double geneticZ, int serials[4]) {
    const TStock& sire = stock_[foal.sire];
    const TStock& dam = stock_[foal.dam];
    const bool imported = foal.kind == 4;
    THorse h;
    h.kind = imported ? 0 : foal.kind;
    h.id = static_cast<std::int64_t>(year) * 1000000 + ++serials[h.kind];

    const double month = random.Uniform();
    int birthMonth = month < 0.10 ? 2 : month < 0.45 ? 3 : month < 0.85 ? 4 : 5;
    h.birthDate = DateOf(year, birthMonth, random.Int(1, birthMonth == 2 ? 28 : birthMonth == 4 ? 30 : 31));
    h.sex = random.Chance(0.5) ? 1 : 2;
    if (h.sex == 1 && random.Chance(0.04)) h.sex = 3;
    h.coat = Coat(random, sire.coat, dam.coat, 0);
    h.breed = 1;
    h.sire = sire.number;
    h.dam = dam.number;
    h.breederCode = world_.breeders[static_cast<std::size_t>(dam.breeder)].code;

    // Ability: the parents' qualities (standardised over the year's foals)
    // and luck; local horses are a class below, foreign runners (who meet
    // Japanese horses in the big races abroad) a class above.
    const double genetic = 0.6 * geneticZ;
    switch (foal.kind) {
      case 1: h.ability = -1.2 + genetic + random.Normal(0, 0.8); break;
      case 2: h.ability = 0.9 + genetic + random.Normal(0, 0.6); break;
      case 3: h.ability = -0.5 + genetic + random.Normal(0, 0.8); break;
      default: h.ability = genetic + random.Normal(0, 0.8); break;
    }
    const TBreedingTraits& st = sire.traits;
    const TBreedingTraits& dt = dam.traits;
    h.turf = std::tanh(1.1 * (1.3 * st.surface + 0.7 * dt.surface + random.Normal(0, 0.5)));
    const double logDistance = 0.55 * std::log(st.distance) + 0.25 * std::log(dt.distance) +
                               0.2 * std::log(kBaseDistance) + random.Normal(0, 0.17);
    h.distance = Clamp(std::round(std::exp(logDistance) / 10) * 10, 1000, 3600);
    const double stayer = std::log(h.distance / kBaseDistance) / 0.2;
    h.peakAge = Clamp(4.6 + 0.35 * stayer + random.Normal(0, 0.35), 4.0, 5.5);
    h.distanceRange = std::round(300 + 400 * random.Uniform());
    std::vector<double> styles = h.distance < 1400   ? std::vector<double>{22, 40, 28, 10}
                                 : h.distance <= 2200 ? std::vector<double>{14, 35, 36, 15}
                                                      : std::vector<double>{10, 31, 40, 19};
    h.style = 1 + static_cast<int>(random.Pick(styles));
    h.consistency = 0.7 + 0.6 * random.Uniform();
    h.weight = std::round(Clamp(random.Normal(h.sex == 2 ? 462 : 480, 22), 420, 540));
    if (h.kind == 0 && random.Chance(h.distance >= 1800 ? 0.105 : 0.05)) {
      h.jump = Clamp(random.Normal(0.6, 0.4), 0.05, 1.5);
    } else {
      h.jump = -0.5 - 2.0 * random.Uniform();
    }

    // People and marks.
    int crown = -1;
    double crownChance = 0.75;
    switch (foal.kind) {
      case 0:
      case 4: {
        std::size_t owner = domesticOwners_[ownerPicker_.Pick(random)];
        h.ownerCode = world_.owners[owner].code;
        crown = ownerCrown_[owner];
        h.trainerCode = world_.trainers[jraTrainers_[jraTrainerPicker_.Pick(random)]].code;
        if (imported) {
          h.horseMark = 6;
          crownChance = 0.5;
        } else if (random.Chance(0.10)) {
          h.horseMark = 4;
        } else if (!sire.foreignBred && random.Chance(0.10)) {
          h.horseMark = 3;
        }
        break;
      }
      case 1: {
        std::size_t owner = domesticOwners_[localOwnerPicker_.Pick(random)];
        h.ownerCode = world_.owners[owner].code;
        crown = ownerCrown_[owner];
        h.homeVenue = localVenues_[localVenuePicker_.Pick(random)];
        const std::vector<std::size_t>& stables = localTrainers_[h.homeVenue];
        h.trainerCode = world_.trainers[stables[static_cast<std::size_t>(random.Int(0, static_cast<int>(stables.size()) - 1))]].code;
        break;
      }
      case 2: {
        std::size_t owner = overseasOwners_[static_cast<std::size_t>(random.Int(0, static_cast<int>(overseasOwners_.size()) - 1))];
        h.ownerCode = world_.owners[owner].code;
        h.trainerCode = world_.trainers[overseasTrainers_[static_cast<std::size_t>(random.Int(0, static_cast<int>(overseasTrainers_.size()) - 1))]].code;
        break;
      }
      default: break;  // an unregistered foal: breeder only
    }

    if (foal.kind != 3) {
      const bool withCrown = crown >= 0 && random.Chance(crownChance);
      TNameForms forms = book_.HorseName(random, h.sex == 2, withCrown ? crown : -1,
                                         foal.kind == 2 || imported ? THorseNameStyle::kForeign
                                                                    : THorseNameStyle::kDomestic);
      h.name = forms.name;
      h.kanaName = forms.kanaName;
      h.latinName = forms.latinName;
      h.registeredOn = DateOf(year + 2, 4, random.Int(1, 30));
    }
    return h;
  }

  TWorld& world_;
  TRandom random_;
  double scale_;
  int fromYear_;
  int firstBirth_ = 0;
  int lastBirth_ = 0;
  int nJra_ = 0;
  int nLocal_ = 0;
  int nForeign_ = 0;
  int nImported_ = 0;
  int nFoals_ = 0;
  TNameBook book_;

  std::vector<std::size_t> jraTrainers_;
  TPicker jraTrainerPicker_;
  std::map<int, std::vector<std::size_t>> localTrainers_;
  std::vector<int> localVenues_;
  TPicker localVenuePicker_;
  std::vector<std::size_t> overseasTrainers_;
  std::vector<std::size_t> domesticBreeders_;
  std::vector<std::size_t> overseasBreeders_;
  TPicker domesticBreederPicker_;
  TPicker overseasBreederPicker_;
  std::vector<std::size_t> domesticOwners_;
  std::vector<std::size_t> overseasOwners_;
  std::vector<int> ownerCrown_;
  TPicker ownerPicker_;
  TPicker localOwnerPicker_;
  std::vector<TStock> stock_;
};

}  // namespace

void BuildPopulation(TWorld& world, TRandom random) {
  TBuilder builder(world, random);
  builder.Run();
}

TBreedingTraits BreedingTraits(const TWorld& world, int number) {
  std::unordered_map<int, TBreedingTraits> memo;
  return TraitsOf(world, TraitsBase(world.options.seed), number, memo);
}

const std::vector<int>& LocalVenues() {
  static const std::vector<int> venues = {44, 43, 45, 42, 50, 48, 47, 46, 54, 55, 35, 30};
  return venues;
}

}  // namespace sample
