// How well the win probabilities of the scoring predict: over the settled
// JRA races of one year of a database, the log loss of the winners'
// probabilities against the uniform guess, how often the top-ranked runner
// won against one in the field size, and the market favourite's win rate.
// Run it on a database after a maintenance run:
//
//   MIZUNARA_HOME=home evaluate_predictions YEAR
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysis/process_objects.h"
#include "analysis/score_race.h"
#include "database/horse_reader.h"
#include "database/key_listing.h"
#include "database/race.h"
#include "database/race_reader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: MIZUNARA_HOME=DIR evaluate_predictions YEAR\n");
    return 2;
  }
  const int year = std::atoi(argv[1]);
  CreateProcessObjects();
  int races = 0, topWins = 0, favouriteWins = 0;
  double logLoss = 0, uniformLoss = 0, chanceOfTop = 0;
  double scoringSeconds = 0;
  for (const TKeyInfo& key : ListKeys(23, kJraRaces)) {
    if (key.Year != year) continue;
    for (TRace race : RacesOfKey(key)) {
      if (race.DataKind() != 7 || race.Venue > 10) continue;
      race.SetHorses(RunnersAsHorses(race, true));
      const auto start = std::chrono::steady_clock::now();
      ScoreRace(race);
      scoringSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const THorse* winner = nullptr;
      int starters = 0;
      bool topWon = false, favouriteWon = false;
      for (const THorse& h : race.Horses()) {
        if (h.Mark() == 0) continue;  // did not run
        ++starters;
        if (h.Arrival() == 1) {
          winner = &h;
          topWon = h.Mark() == 1;
          favouriteWon = h.Popularity() == 1;
        }
      }
      if (winner == nullptr || starters < 2 || !(winner->WinProbability() > 0)) continue;
      ++races;
      logLoss -= std::log(winner->WinProbability());
      uniformLoss -= std::log(1.0 / starters);
      chanceOfTop += 1.0 / starters;
      topWins += topWon;
      favouriteWins += favouriteWon;
    }
  }
  if (races == 0) {
    std::fprintf(stderr, "no settled JRA races of %d with probabilities\n", year);
    return 1;
  }
  std::printf("%d settled JRA races of %d\n", races, year);
  std::printf("log loss per race: %.4f (uniform guess %.4f)\n", logLoss / races, uniformLoss / races);
  std::printf("top-ranked runner won %.1f%% (one in the field size: %.1f%%)\n", 100.0 * topWins / races,
              100.0 * chanceOfTop / races);
  std::printf("market favourite won %.1f%%\n", 100.0 * favouriteWins / races);
  std::printf("scoring: %.0f us a race\n", 1e6 * scoringSeconds / races);
  DestroyProcessObjects();
  return 0;
}
