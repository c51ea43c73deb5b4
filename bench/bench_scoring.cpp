// How long the scoring of a full race takes once its horses are loaded: an
// 18-runner race card whose horses have ten past runs each in fields of
// 16, with base times, track indexes and jockey and trainer statistics.
//
//   bench_scoring [rounds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/baba_list.h"
#include "analysis/process_objects.h"
#include "analysis/score_race.h"
#include "app/sjis.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "scoring_fixture.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

using namespace scoring;

namespace {

constexpr int kRunners = 18;
constexpr int kRuns = 10;
constexpr int kField = 16;

sample::TPerson Person(int code, int affiliation) {
  sample::TPerson p;
  p.code = code;
  p.name = Utf8ToSjis("試験 太郎");
  p.affiliation = affiliation;
  p.firstFlatRide = "2015010506010101";
  p.firstJumpRide = "2018061003020105";
  p.licenceDate = 20120301;
  return p;
}

void WritePeople(const TTempHome& home) {
  sample::TPersonSummary s;
  s.blocks[0].year = 2024;
  s.blocks[1].year = 2023;
  s.blocks[2].year = 2024;
  std::string ks, ch;
  for (int code = 1; code <= kField + 2; ++code) {
    for (auto& block : s.blocks) {
      block.flat.counts = {code, code + 3, 8, 9, 10, 40 + code};
      for (auto& row : block.distance) row.counts = {code % 5 + 1, 3, 4, 4, 5, 20};
    }
    ks += sample::KsRecord(Person(code, code % 2 + 1), s, '1', 20240601);
    ch += sample::ChRecord(Person(code, code % 2 + 1), s, '1', 20240601);
  }
  home.WriteFile("DATA/KS.DAT", ks);
  home.WriteFile("DATA/CH.DAT", ch);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  TTempHome home;
  TRecordingFrontEnd front;
  WritePeople(home);
  CreateProcessObjects();

  // The race card and the past races of its horses.
  TRaceSpec card;
  card.date = 20240602;
  card.dataKind = '2';
  for (int i = 0; i < kRunners; ++i) {
    card.runners.push_back({.horseNo = i + 1, .frame = i / 2 + 1, .horseID = 2020100001 + i,
                            .bodyWeight = 470 + i, .trainer = i % kField + 1, .jockey = (i * 7) % kField + 1});
  }
  const TResult race = MakeRace(card);
  std::vector<THorse> horses;
  std::string baseTimes;
  std::vector<TResult> pastRaces;
  for (int i = 0; i < kRunners; ++i) {
    horses.push_back(HorseOf(race, i));
    horses.back().Data().RestDays = 28;
    for (int r = 0; r < kRuns; ++r) {
      TRaceSpec past;
      past.date = 20240512 - r * 100;  // a month apart
      past.venue = r % 4 + 5;
      past.raceNo = i % 12 + 1;
      past.trackCode = r % 3 == 0 ? 23 : 17;
      past.distance = 1400 + 200 * (r % 4);
      past.laps = {125, 118, 117, 119, 120, 121, 118, 119, 120, 117};
      for (int k = 0; k < kField; ++k) {
        const bool self = k == (i + r) % kField;
        const int at = k + 1;
        const std::array<int, 4> corners = {at, at, at, at};
        past.runners.push_back({.horseNo = at, .horseID = self ? 2020100001 + i : 2019200000 + i * 1000 + r * 20 + k,
                                .carried = 560, .bodyWeight = 470 + i, .arrival = at,
                                .time = past.distance * 6 / 10 + k * 2 + i % 3, .corners = corners,
                                .popularity = at, .timeDiff = k * 2, .trainer = k + 1, .jockey = (k * 3) % kField + 1});
      }
      pastRaces.push_back(MakeRace(past));
      baseTimes += BaseTimeRecord(pastRaces.back(), past.distance * 6 / 10 + 3.0);
      AddPastRun(horses.back(), pastRaces.back(), 30);
    }
  }
  home.WriteFile("DATA/BASETIME.DAT", baseTimes);
  for (const TResult& p : pastRaces) _BabaList->AddRace(p);
  TRace scored = CardOf(race, horses);

  using TClock = std::chrono::steady_clock;
  auto t0 = TClock::now();
  ScoreRace(scored);  // computes and keeps the figures and the race averages
  auto t1 = TClock::now();
  for (int i = 0; i < rounds; ++i) ScoreRace(scored);
  auto t2 = TClock::now();

  const double first = std::chrono::duration<double, std::micro>(t1 - t0).count();
  const double each = std::chrono::duration<double, std::micro>(t2 - t1).count() / rounds;
  std::printf("ScoreRace, %d runners x %d past runs, %zu bet candidates\n", kRunners, kRuns, scored.Bets().size());
  std::printf("  first call (figures and averages computed): %.1f us\n", first);
  std::printf("  each further call (%d rounds):               %.1f us\n", rounds, each);
  std::printf("  favourite: horse %d, probability %.3f\n", scored.Bet(0, 0).No[0], scored.Bet(0, 0).Value);
  DestroyProcessObjects();
  return 0;
}
