#include "sample/sample_feed.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "app/file_io.h"
#include "sample/lzh_writer.h"
#include "sample/person_summary.h"
#include "sample/sample_calendar.h"
#include "sample/sample_dates.h"
#include "sample/sample_market.h"
#include "sample/sample_master_records.h"
#include "sample/sample_news_records.h"
#include "sample/sample_odds_records.h"
#include "sample/sample_predicted_odds.h"
#include "sample/sample_race_records.h"

namespace sample {

namespace {

// Weeks delivered as weekly update files before the present.
constexpr int kUpdateWeeks = 8;

std::string Timestamp(int date, int hhmmss) {
  char text[32];
  std::snprintf(text, sizeof text, "%08d%06d", date, hhmmss);
  return text;
}

bool Settled(const TRace& race) { return race.settled && !race.runners.empty(); }
bool Jra(const TRace& race) { return race.venue >= 1 && race.venue <= 10; }

class TFeed {
 public:
  TFeed(const TWorld& world, std::function<void(const std::string&, double)> progress)
      : world_(world), folder_(world.options.outFolder), progress_(std::move(progress)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
  }

  TFeedStats Write() {
    int present = world_.presentDate;
    int monday = AddDays(present, -4);  // Monday of the present week
    int firstUpdate = AddDays(monday, -7 * (kUpdateWeeks - 1));
    int setupEnd = AddDays(firstUpdate, -7);  // races up to this date go into the setup files

    WriteSetup(setupEnd);
    for (int week = 0; week < kUpdateWeeks; ++week) {
      int fileDate = AddDays(firstUpdate, 7 * week);
      WriteWeek(AddDays(fileDate, -6), fileDate, fileDate);
      Progress("update", 0.7 + 0.2 * (week + 1) / kUpdateWeeks);
    }
    WriteLastWeekend(present);
    return stats_;
  }

 private:
  void Progress(const std::string& text, double fraction) {
    if (progress_) progress_(text, fraction);
  }

  // One feed file of records, grouped by kind in the order given.
  void File(const std::string& spec, const std::string& stamp, const std::vector<std::string>& records) {
    if (records.empty()) return;
    std::string folder = folder_ + spec;
    if (!CreateFolderChain(folder)) throw std::runtime_error("cannot create folder " + folder);
    std::string path = folder + "/" + stamp + ".jvd";
    std::string data;
    std::size_t size = 0;
    for (const std::string& r : records) size += r.size();
    data.reserve(size);
    for (const std::string& r : records) {
      data += r;
      stats_.records[r.substr(0, 2)] += 1;
    }
    if (!WriteFileAtomically(path, data)) throw std::runtime_error("cannot write " + path);
    stats_.files += 1;
    stats_.bytes += static_cast<std::int64_t>(data.size());
  }

  // A copy of the race with its whole market.
  static TRace Restored(const TRace& race) {
    TRace full = race;
    RestoreMarket(full);
    return full;
  }

  void Append(std::vector<std::string>& to, std::vector<std::string>&& from) {
    for (std::string& r : from) to.push_back(std::move(r));
  }

  // The race records of a set of settled races: RA, SE, HR and the final
  // odds, each kind together.
  std::vector<std::string> RaceRecords(const std::vector<const TRace*>& races, int created) {
    std::vector<std::string> ra, se, hr, odds[6];
    for (const TRace* race : races) {
      char kind = DataKindChar(race->dataKind);
      ra.push_back(RaRecord(*race, kind, created));
      for (const TRunner& runner : race->runners) se.push_back(SeRecord(world_, *race, runner, kind, created));
      if (!Jra(*race)) continue;
      hr.push_back(HrRecord(*race, '2', created));
      TRace full = Restored(*race);
      for (int k = 1; k <= 6; ++k) odds[k - 1].push_back(OddsRecord(k, full, '4', 0, created));
    }
    std::vector<std::string> all;
    Append(all, std::move(ra));
    Append(all, std::move(se));
    Append(all, std::move(hr));
    for (auto& list : odds) Append(all, std::move(list));
    return all;
  }

  // Vote counts go into files of their own: the importer skips the rest of
  // a file once it meets a kind it does not store.
  void VoteFiles(const std::vector<const TRace*>& races, int date, int hhmmss) {
    std::vector<std::string> h1, h6;
    for (const TRace* race : races) {
      if (!Jra(*race)) continue;
      TRace full = Restored(*race);
      h1.push_back(H1Record(full, '4', date));
      h6.push_back(H6Record(full, '4', date));
    }
    File("RACE", Timestamp(date, hhmmss), h1);
    File("RACE", Timestamp(date, hhmmss + 1), h6);
  }

  std::vector<const TRace*> RacesBetween(int from, int to) {
    std::vector<const TRace*> out;
    for (const TRace& race : world_.races) {
      if (race.date >= from && race.date <= to && Settled(race)) out.push_back(&race);
    }
    return out;
  }

  // Masters as of a date: horses that have raced or been registered by
  // then, every person licensed by then, breeders and owners.
  std::vector<std::string> Masters(int date, const std::set<int>* onlyHorses, const std::set<int>* onlyJockeys,
                                   const std::set<int>* onlyTrainers, bool withRecords) {
    TSummaries summaries(world_, date);
    std::vector<std::string> um, ks, ch, br, bn;
    for (std::size_t i = 0; i < world_.horses.size(); ++i) {
      const THorse& h = world_.horses[i];
      if (h.kind == 3 || h.registeredOn == 0 || h.registeredOn > date) continue;
      if (onlyHorses != nullptr && onlyHorses->count(static_cast<int>(i)) == 0) continue;
      um.push_back(UmRecord(world_, h, summaries.Horse(static_cast<int>(i)), '1', date));
    }
    for (const TPerson& p : world_.jockeys) {
      if (p.licenceDate > date || (onlyJockeys != nullptr && onlyJockeys->count(p.code) == 0)) continue;
      ks.push_back(KsRecord(p, summaries.Jockey(p.code), '1', date));
    }
    for (const TPerson& p : world_.trainers) {
      if (p.licenceDate > date || (onlyTrainers != nullptr && onlyTrainers->count(p.code) == 0)) continue;
      ch.push_back(ChRecord(p, summaries.Trainer(p.code), '1', date));
    }
    if (onlyHorses == nullptr) {
      for (const TBreeder& b : world_.breeders) br.push_back(BrRecord(b, summaries.Breeder(b.code), '1', date));
      for (const TOwner& o : world_.owners) bn.push_back(BnRecord(o, summaries.Owner(o.code), '1', date));
    }
    std::vector<std::string> all;
    Append(all, std::move(um));
    Append(all, std::move(ks));
    Append(all, std::move(ch));
    Append(all, std::move(br));
    Append(all, std::move(bn));
    if (withRecords) Append(all, CourseRecords(world_, date, '1', date));
    return all;
  }

  std::vector<std::string> Schedule(int fromDate, int toDate, int created) {
    std::vector<std::string> ys;
    for (const TRaceDay& day : world_.raceDays) {
      if (day.date < fromDate || day.date > toDate || day.venue > 10) continue;
      const TRace* graded = nullptr;
      for (int index : day.races) {
        const TRace& race = world_.races[static_cast<std::size_t>(index)];
        if (race.grade >= 'A' && race.grade <= 'C') graded = &race;
      }
      ys.push_back(YsRecord(world_, day, graded, '1', created));
    }
    return ys;
  }

  void WriteSetup(int setupEnd) {
    const TSampleOptions& o = world_.options;
    // Pedigree first: every breeding horse and every foal.
    std::vector<std::string> blod;
    for (const TBreedingHorse& b : world_.breedingHorses) blod.push_back(HnRecord(b, '1', o.fromYear * 10000 + 101));
    for (const THorse& h : world_.horses) {
      if (h.kind == 0 || h.kind == 3) blod.push_back(SkRecord(world_, h, '1', o.fromYear * 10000 + 101));
    }
    File("BLOD", Timestamp(o.fromYear * 10000 + 101, 10000), blod);
    // The schedule of each year, published in the December before.
    for (int year = o.fromYear; year <= o.toYear; ++year) {
      int published = (year - 1) * 10000 + 1220;
      File("YSCH", Timestamp(published, 120000), Schedule(year * 10000 + 101, year * 10000 + 1231, published));
    }
    // Races month by month, masters at the end of each year.
    int month = o.fromYear * 100 + 1;
    int months = (o.toYear - o.fromYear + 1) * 12;
    for (int m = 0; m < months; ++m, month = month % 100 == 12 ? month + 89 : month + 1) {
      int first = month * 100 + 1;
      int last = AddDays((month % 100 == 12 ? month + 89 : month + 1) * 100 + 1, -1);
      if (first > setupEnd) break;
      last = std::min(last, setupEnd);
      std::vector<const TRace*> races = RacesBetween(first, last);
      File("RACE", Timestamp(last, 230000), RaceRecords(races, last));
      if (last == setupEnd || month % 100 == 12) {
        File("DIFF", Timestamp(last, 235000), Masters(last, nullptr, nullptr, nullptr, true));
      }
      Progress("setup " + std::to_string(month), 0.7 * (m + 1) / months);
    }
  }

  void WriteWeek(int from, int to, int fileDate) {
    std::vector<const TRace*> races = RacesBetween(from, to);
    if (races.empty()) return;
    File("RACE", Timestamp(fileDate, 120000), RaceRecords(races, fileDate));
    VoteFiles(races, fileDate, 120010);
    std::set<int> horses, jockeys, trainers;
    for (const TRace* race : races) {
      for (const TRunner& r : race->runners) {
        horses.insert(r.horse);
        jockeys.insert(r.jockeyCode);
        trainers.insert(r.trainerCode);
      }
    }
    File("DIFF", Timestamp(fileDate, 121000), Masters(fileDate, &horses, &jockeys, &trainers, false));
    File("SLOP", Timestamp(fileDate, 122000), HillTrainingRecords(world_, fileDate, '1', fileDate));
  }

  void WriteLastWeekend(int present) {
    std::vector<const TRace*> cards, registrations;
    std::vector<TRace> full;  // the race cards with their whole markets
    for (const TRace& race : world_.races) {
      if (!race.runners.empty() && !race.settled && race.dataKind >= 2) full.push_back(Restored(race));
    }
    for (const TRace& race : full) cards.push_back(&race);
    for (const TRace& race : world_.races) {
      if (race.dataKind == kRegistrationOnly && !race.runners.empty()) registrations.push_back(&race);
    }
    // Special registrations of the next weekend.
    std::vector<std::string> tk;
    for (const TRace* race : registrations) {
      std::vector<int> horses;
      for (const TRunner& r : race->runners) horses.push_back(r.horse);
      tk.push_back(TkRecord(world_, *race, horses, '1', present));
    }
    File("TOKU", Timestamp(present, 100000), tk);
    // The schedule of the coming months.
    File("YSCH", Timestamp(present, 110000),
         Schedule(AddDays(present, 1), (world_.options.toYear + 1) * 10000 + 1231, present));
    // Race cards with the Friday's odds.
    std::vector<std::string> ra, se, odds[6];
    int announce = (present % 10000) * 10000 + 1700;
    for (const TRace* race : cards) {
      char kind = static_cast<char>('0' + race->dataKind);
      ra.push_back(RaRecord(*race, kind, present));
      for (const TRunner& r : race->runners) se.push_back(SeRecord(world_, *race, r, kind, present));
      for (int k = 1; k <= 6; ++k) odds[k - 1].push_back(OddsRecord(k, *race, '1', announce, present));
    }
    // Races run since the last weekly file (local racing on weekdays) come
    // with the cards, each kind together.
    std::vector<const TRace*> recent = RacesBetween(AddDays(present, -3), present);
    std::vector<std::string> settled = RaceRecords(recent, present);
    std::vector<std::string> all;
    for (const std::string& r : settled) {
      if (r.compare(0, 2, "RA") == 0) all.push_back(r);
    }
    Append(all, std::move(ra));
    for (const std::string& r : settled) {
      if (r.compare(0, 2, "SE") == 0) all.push_back(r);
    }
    Append(all, std::move(se));
    for (const std::string& r : settled) {
      if (r.compare(0, 2, "RA") != 0 && r.compare(0, 2, "SE") != 0) all.push_back(r);
    }
    for (auto& list : odds) Append(all, std::move(list));
    File("RACE", Timestamp(present, 170000), all);
    std::vector<std::string> dm;
    for (const TRace* race : cards) dm.push_back(DmRecord(*race, '1', present));
    File("RACE", Timestamp(present, 170100), dm);

    // Real-time files of the race days: body weights, race cards, the day's
    // news, and each race's odds.
    std::map<int, std::vector<const TRace*>> byDate;
    for (const TRace* race : cards) byDate[race->date].push_back(race);
    for (const auto& [date, races] : byDate) {
      std::string key = std::to_string(date);
      std::vector<std::string> wh, cardRecords, cardRunners, news[5];
      std::set<std::string> days;
      for (const TRace* race : races) {
        wh.push_back(WhRecord(*race, date));
        char kind = static_cast<char>('0' + race->dataKind);
        cardRecords.push_back(RaRecord(*race, kind, present));
        for (const TRunner& r : race->runners) cardRunners.push_back(SeRecord(world_, *race, r, kind, present));
        std::string dayKey = race->key.substr(0, 14);
        if (days.insert(dayKey).second) {
          news[0].push_back(WeRecord(dayKey, (date % 10000) * 10000 + 800, 1, race->weather, race->turfGoing,
                                     race->dirtGoing, date));
        }
        for (const auto& [horseNo, what] : race->news.scratches) {
          news[1].push_back(AvRecord(*race, horseNo, what == 2 ? '2' : '1', date));
        }
        for (const auto& change : race->news.jockeyChanges) news[2].push_back(JcRecord(world_, *race, change, date));
        if (race->news.newStartTime != 0) news[3].push_back(TcRecord(*race, date));
        if (race->news.newDistance != 0) news[4].push_back(CcRecord(*race, date));
        std::vector<std::string> raceOdds;
        for (int k = 1; k <= 6; ++k) raceOdds.push_back(OddsRecord(k, *race, '1', announce, present));
        File("0B30", race->key, raceOdds);
      }
      File("0B11", key, wh);
      std::vector<std::string> card;
      Append(card, std::move(cardRecords));
      Append(card, std::move(cardRunners));
      File("0B12", key, card);
      std::vector<std::string> dayNews;
      for (auto& list : news) Append(dayNews, std::move(list));
      File("0B14", key, dayNews);
    }

    // Predicted odds of the JRA races of the last weekend.
    std::string kd2;
    for (const TRace* race : cards) {
      if (Jra(*race)) kd2 += KolRecord(*race, 1800, present);
    }
    if (!kd2.empty()) {
      std::string folder = folder_ + "KOL";
      if (!CreateFolderChain(folder)) throw std::runtime_error("cannot create folder " + folder);
      std::string path = folder + "/KOL" + std::to_string(present) + ".lzh";
      std::string archive = LzhArchive({{"kol_ods.kd2", kd2}}, present);
      if (!WriteFileAtomically(path, archive)) throw std::runtime_error("cannot write " + path);
      stats_.files += 1;
      stats_.bytes += static_cast<std::int64_t>(archive.size());
      std::vector<const TRace*> jra;
      for (const TRace* race : cards) {
        if (Jra(*race)) jra.push_back(race);
      }
      std::string log = FkeibadoLog(jra);
      std::string logFolder = folder_ + "FKEIBADO";
      if (!CreateFolderChain(logFolder)) throw std::runtime_error("cannot create folder " + logFolder);
      std::string logPath = logFolder + "/FKEIBADO.LOG";
      if (!WriteFileAtomically(logPath, log)) throw std::runtime_error("cannot write " + logPath);
      stats_.files += 1;
      stats_.bytes += static_cast<std::int64_t>(log.size());
    }
  }

  const TWorld& world_;
  std::string folder_;
  std::function<void(const std::string&, double)> progress_;
  TFeedStats stats_;
};

}  // namespace

TFeedStats WriteFeed(const TWorld& world, const std::function<void(const std::string&, double)>& progress) {
  TFeed feed(world, progress);
  return feed.Write();
}

}  // namespace sample
