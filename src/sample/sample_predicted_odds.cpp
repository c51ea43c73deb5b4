#include "sample/sample_predicted_odds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>

#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/venue_table.h"
#include "sample/sample_random.h"
#include "sample/sample_record.h"

namespace sample {

namespace {

// Racecourse codes by KOL racecourse number; 17 ("") and the numbers left
// out (43-59, 78-99) stand for no racecourse.
constexpr std::string_view kKolVenues[] = {
    "08", "09", "07", "10", "05", "06", "03", "04", "01", "02", "44", "45", "43", "42", "32",
    "34", "33", "",   "31", "47", "46", "56", "40", "55", "57", "41", "54", "39", "37", "36",
    "38", "49", "52", "35", "48", "58", "59", "50", "53", "51", "61", "60", "30"};
constexpr int kKolForeignStart = 60;
constexpr std::string_view kKolForeignVenues[] = {"G0", "A4", "A6", "A8", "B2", "C7",
                                                  "B8", "C0", "C2", "B6", "C2", "B4",
                                                  "F2", "E2", "E4", "M0", "D0", "G2"};

// The share of the pools paid back, for odds worked out from chances.
constexpr double kPayback = 0.775;

std::uint64_t Hash(std::uint64_t h, std::string_view text) {
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return h;
}

int Odds(double chance) {
  if (chance <= 0) return 0;
  return std::max(10, static_cast<int>(std::lround(10.0 * kPayback / chance)));
}

// The odds × 10 of `odds` as decimal text ("12.3"), "-" for none, held at
// 9999.9 so that a column never runs into the next.
std::string Decimal(int odds) {
  if (odds <= 0) return "-";
  odds = std::min(odds, 99999);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d.%d", odds / 10, odds % 10);
  return buffer;
}

// `text` put at `column` of `line`, blanks filling the gap.
void Put(std::string& line, int column, std::string_view text) {
  if (line.size() < static_cast<std::size_t>(column))
    line.resize(static_cast<std::size_t>(column), ' ');
  line += text;
}

std::string Format(const char* format, int a, int b = 0) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

// A KOL odds field: the odds × 10, "-" for none, "*" beyond the field.
void KolOdds(TRecordWriter& record, jv::TField field, int odds) {
  std::int64_t limit = 1;
  for (int i = 0; i < field.length; ++i) limit *= 10;
  if (odds <= 0) {
    record.Raw(field, std::string(static_cast<std::size_t>(field.length), '-'));
  } else if (odds >= limit) {
    record.Raw(field, std::string(static_cast<std::size_t>(field.length), '*'));
  } else {
    record.Number(field, odds);
  }
}

}  // namespace

TPredictedOdds PredictOdds(const TRace& race, std::string_view source, int announceHHMM) {
  std::uint64_t seed = Hash(Hash(1469598103934665603ULL, source), race.key);
  TRandom random(seed ^ static_cast<std::uint64_t>(announceHHMM));
  auto miss = [&random](int odds) {
    double factor = 0.85 + 0.30 * random.Uniform();
    return std::max(10, static_cast<int>(std::lround(odds * factor)));
  };

  const TMarket& market = race.market;
  const std::map<int, int>* base = nullptr;
  if (!market.odds[0].empty()) {
    base = &market.odds[0];
  } else if (!market.intermediateWin.empty()) {
    base = &market.intermediateWin.rbegin()->second;
  }

  TPredictedOdds odds;
  std::array<int, 19> frameOf{};
  int field = 0;
  for (const TRunner& runner : race.runners) {
    if (runner.horseNo < 1 || runner.horseNo > 18) continue;
    if (runner.abnormality >= 1 && runner.abnormality <= 3) continue;
    frameOf[static_cast<std::size_t>(runner.horseNo)] = runner.frame;
    ++field;
  }
  for (int h = 1; h <= 18; ++h) {
    if (frameOf[static_cast<std::size_t>(h)] == 0) continue;
    int o = 0;
    if (base == nullptr) {
      o = static_cast<int>(std::lround(10.0 * field * kPayback));  // nothing known: all alike
    } else if (auto it = base->find(h); it != base->end()) {
      o = it->second;
    }
    if (o > 0) {
      odds.win[static_cast<std::size_t>(h)] = miss(o);
    } else {
      frameOf[static_cast<std::size_t>(h)] = 0;
    }
  }

  // Chances from the predicted win odds, for pairs the market has no odds of.
  std::array<double, 19> p{};
  double total = 0;
  for (int h = 1; h <= 18; ++h) {
    if (odds.win[static_cast<std::size_t>(h)] > 0)
      total += 1.0 / odds.win[static_cast<std::size_t>(h)];
  }
  for (int h = 1; h <= 18; ++h) {
    int o = odds.win[static_cast<std::size_t>(h)];
    if (o > 0) p[static_cast<std::size_t>(h)] = (1.0 / o) / total;
  }
  auto pairChance = [&p](int a, int b) {
    double pa = p[static_cast<std::size_t>(a)], pb = p[static_cast<std::size_t>(b)];
    return pa * pb / (1 - pa) + pb * pa / (1 - pb);
  };

  const bool marketQuinella = !market.odds[3].empty();
  std::array<std::array<double, 9>, 9> bracketChance{};
  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b) {
      int fa = frameOf[static_cast<std::size_t>(a)], fb = frameOf[static_cast<std::size_t>(b)];
      if (fa == 0 || fb == 0) continue;
      double chance = pairChance(a, b);
      bracketChance[static_cast<std::size_t>(std::min(fa, fb))]
                   [static_cast<std::size_t>(std::max(fa, fb))] += chance;
      int& q = odds.quinella[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
      if (marketQuinella) {
        auto it = market.odds[3].find(a * 100 + b);
        if (it != market.odds[3].end() && it->second > 0) q = miss(it->second);
      } else {
        q = Odds(chance);
      }
    }
  }
  // Bracket quinellas are sold from nine runners on.
  const bool marketBracket = !market.odds[2].empty();
  if (marketBracket || field >= 9) {
    for (int f = 1; f <= 8; ++f) {
      for (int g = f; g <= 8; ++g) {
        double chance = bracketChance[static_cast<std::size_t>(f)][static_cast<std::size_t>(g)];
        if (chance <= 0) continue;
        int& b = odds.bracket[static_cast<std::size_t>(f)][static_cast<std::size_t>(g)];
        if (marketBracket) {
          auto it = market.odds[2].find(f * 100 + g);
          if (it != market.odds[2].end() && it->second > 0) b = miss(it->second);
        } else {
          b = Odds(chance);
        }
      }
    }
  }
  return odds;
}

int KolVenueIndex(std::string_view venueCode) {
  if (venueCode.empty() || venueCode == "00") return -1;
  for (std::size_t i = 0; i < std::size(kKolVenues); ++i) {
    if (kKolVenues[i] == venueCode) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < std::size(kKolForeignVenues); ++i) {
    if (kKolForeignVenues[i] == venueCode) return kKolForeignStart + static_cast<int>(i);
  }
  return -1;
}

std::string KolRecord(const TRace& race, int announceHHMM, int recordDate) {
  namespace kol = jv::kol;
  const int venue = KolVenueIndex(race.venueCode);
  if (venue < 0) return "";
  // The odds fields end at byte 1502; the record closes with CR LF like the
  // JV-Data records, so that a kd2 file reads as lines.
  TRecordWriter record(kol::kLength, true);
  record.Number(kol::kVenueIndex, venue);
  record.Number(kol::kMeeting, race.meeting);
  record.Number(kol::kMeetingDay, race.meetingDay);
  record.Number(kol::kRaceNo, race.raceNo);
  record.Number(kol::kYear, race.date / 10000);
  record.Number(kol::kMonth, race.date / 100 % 100);
  record.Number(kol::kDay, race.date % 100);
  record.Number(kol::kAnnounceTime, announceHHMM);
  record.Number(kol::kRecordDate, recordDate);

  const TPredictedOdds odds = PredictOdds(race, "KOL", announceHHMM);
  for (int h = 1; h <= kol::kWinCount; ++h) {
    KolOdds(record, Block(kol::kWinStart, kol::kWinStride, h - 1, kol::kWinOdds),
            odds.win[static_cast<std::size_t>(h)]);
  }
  int i = 0;
  for (int f = 1; f <= 8; ++f) {
    for (int g = f; g <= 8; ++g) {
      KolOdds(record, Block(kol::kBracketStart, kol::kBracketStride, i++, kol::kBracketOdds),
              odds.bracket[static_cast<std::size_t>(f)][static_cast<std::size_t>(g)]);
    }
  }
  i = 0;
  for (int a = 1; a <= 18; ++a) {
    for (int b = a + 1; b <= 18; ++b) {
      KolOdds(record, Block(kol::kQuinellaStart, kol::kQuinellaStride, i++, kol::kQuinellaOdds),
              odds.quinella[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]);
    }
  }
  return record.bytes();
}

std::string FkeibadoLog(const std::vector<const TRace*>& races, int announceHHMM) {
  namespace fk = jv::fkeibado;
  std::string log;
  auto emit = [&log](const std::string& line) { log += line + "\r\n"; };
  const std::string separator(70, '-');

  for (const TRace* race : races) {
    if (race == nullptr || race->venue < 1 || race->venue > 10) continue;
    int horses = 0;
    for (const TRunner& runner : race->runners) horses = std::max(horses, runner.horseNo);
    horses = std::min(horses, 18);
    if (horses == 0) continue;
    const TPredictedOdds odds = PredictOdds(*race, "FKEIBADO", announceHHMM);
    const int year = race->date / 10000, month = race->date / 100 % 100, day = race->date % 100;

    // Header: date, racecourse as one character, meeting, day, race, horses, time flag.
    char header[64];
    std::snprintf(header, sizeof header, "==ODDS%08d%c%02d%02d%02d%02d%d", race->date,
                  "123456789A"[race->venue - 1], race -> meeting, race -> meetingDay,
                  race -> raceNo, horses, announceHHMM > 0 ? 1 : 0);
    emit(header);
    char when[64];
    std::snprintf(when, sizeof when, "%04d/%02d/%02d  ", year, month, day);
    emit(SJ("予想オッズ") + "  " + when + VenueName(race->venue, 4) + " " +
         Format("%d", race->meeting) + SJ("回") + Format("%d", race->meetingDay) + SJ("日") + " " +
         Format("%dR", race->raceNo));
    emit(race->mainTitle);
    emit(SJ("出走頭数") + " " + Format("%d", horses) + SJ("頭"));
    emit("");
    // The last line before the win odds carries the time: hour, then minute.
    std::string time = SJ("発表時刻");
    if (announceHHMM > 0) {
      Put(time, fk::kTimeHour.offset, Format("%02d", announceHHMM / 100));
      time += SJ("時");
      Put(time, fk::kTimeMinute.offset, Format("%02d", announceHHMM % 100));
      time += SJ("分");
    }
    emit(time);

    emit("");
    std::string head = SJ("馬番");
    Put(head, fk::kWinOdds.offset, SJ("単勝"));
    emit(head);
    for (int h = 1; h <= horses; ++h) {
      std::string line = Format("%2d", h);
      Put(line, fk::kWinOdds.offset, Decimal(odds.win[static_cast<std::size_t>(h)]));
      emit(line);
    }

    // Bracket quinella: line j holds the frame pairs (j, k), k = 1 ... 8.
    emit("");
    emit(SJ("枠連"));
    emit("");
    head.clear();
    for (int k = 1; k <= fk::kBracketCount; ++k) {
      Put(head, fk::kBracketStart + fk::kBracketStride * (k - 1), Format("%d", k));
    }
    emit(head);
    emit(separator);
    emit("");
    for (int j = 1; j <= fk::kBracketLines; ++j) {
      std::string line = Format("%d", j);
      for (int k = 1; k <= fk::kBracketCount; ++k) {
        int o = odds.bracket[static_cast<std::size_t>(std::min(j, k))]
                            [static_cast<std::size_t>(std::max(j, k))];
        Put(line, fk::kBracketStart + fk::kBracketStride * (k - 1), Decimal(o));
      }
      emit(line);
    }

    // Quinella: line l holds the pairs (l, m), m = 1 ... 9, then m = 10 ... 18.
    auto quinella = [&](int first) {
      for (int l = 1; l <= horses; ++l) {
        std::string line = Format("%2d", l);
        for (int m = first; m < first + fk::kQuinellaCount; ++m) {
          int o = l == m ? 0
                         : odds.quinella[static_cast<std::size_t>(std::min(l, m))]
                                        [static_cast<std::size_t>(std::max(l, m))];
          Put(line, fk::kQuinellaStart + fk::kQuinellaStride * (m - first), Decimal(o));
        }
        emit(line);
      }
    };
    auto quinellaHead = [&](int first) {
      std::string line;
      for (int m = first; m < first + fk::kQuinellaCount; ++m) {
        Put(line, fk::kQuinellaStart + fk::kQuinellaStride * (m - first), Format("%2d", m));
      }
      return line;
    };
    if (horses > 8) {
      emit("");
      emit(SJ("馬連"));
      emit("");
      emit(quinellaHead(1));
      emit(separator);
      emit("");
      quinella(1);
    }
    if (horses > 9) {
      emit("");
      emit(quinellaHead(10));
      quinella(10);
    }
  }
  return log;
}

}  // namespace sample
