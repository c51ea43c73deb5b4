// mizunara-cli batch: the batch prediction run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "app/output_folders.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/terminal_front_end.h"
#include "batch/batch_run.h"
#include "cli/command.h"
#include "database/race.h"
#include "database/race_cache.h"
#include "database/race_reader.h"

namespace {

bool ParseDate(const std::string& text, int& date) {
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  date = std::atoi(text.c_str());
  return date / 100 % 100 >= 1 && date / 100 % 100 <= 12 && date % 100 >= 1 && date % 100 <= 31;
}

void PrintWhereFilesWent(const TBatchOutputs& o, int variant) {
  auto folder = [](const char* key) { return SjisToUtf8(ReadString(ini::kOutPut, key, "")); };
  if (o.detail) std::printf("  detailed text      %sD<date>.TXT\n", folder(ini::kYosoPath).c_str());
  if (o.sniper) std::printf("  SNIPER CSV         %sFRC.DAT\n", folder(ini::kSniperPath).c_str());
  if (o.wars) std::printf("  WARS text          %sW<date>.TXT\n", folder(ini::kWarsPath).c_str());
  if (o.overs) std::printf("  OVERS text         %sO<date>.TXT\n", folder(ini::kOversPath).c_str());
  if (o.target) std::printf("  TARGET index       %sTE<date>.CSV\n", folder(ini::kTfExtPath).c_str());
  if (o.targetCsv) {
    std::printf("  TARGET CSV         %s%s\n", folder(ini::kTfCsvPath).c_str(), folder(ini::kTfCsvName).c_str());
  }
  if (variant == 1) std::printf("  analysis CSV       %sANA.CSV\n", SjisToUtf8(ProgramFolder()).c_str());
}

}  // namespace

int RunBatch(const std::vector<std::string>& args) {
  int from = 0, to = 0;
  std::vector<TRaceID> keys;
  TBatchOutputs chosen;
  bool anyFlag = false, races = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--from" || a == "--to") {
      if (i + 1 >= args.size()) return UsageError("batch: " + a + " needs a date YYYYMMDD");
      int& date = a == "--from" ? from : to;
      if (!ParseDate(args[++i], date)) return UsageError("batch: " + a + " takes a date YYYYMMDD, not \"" + args[i] + "\"");
    } else if (a == "--races") {
      races = true;
    } else if (races && !a.empty() && a[0] != '-') {
      if (a.size() != 16 || a.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) {
        return UsageError("batch: not a race key YYYYMMDDJJKKNNRR: \"" + a + "\"");
      }
      TRaceID id;
      id.SetRaceKey(std::string_view(a));
      keys.push_back(id);
    } else if (a == "-D" || a == "-S" || a == "-W" || a == "-O" || a == "-T" || a == "--tc") {
      anyFlag = true;
      (a == "-D" ? chosen.detail : a == "-S" ? chosen.sniper : a == "-W" ? chosen.wars : a == "-O" ? chosen.overs
       : a == "-T" ? chosen.target : chosen.targetCsv) = true;
    } else {
      return UsageError("batch: unexpected \"" + a + "\" (try batch --help)");
    }
  }
  if (races == (from != 0 || to != 0)) return UsageError("batch takes either --from/--to or --races (try batch --help)");
  if (races && keys.empty()) return UsageError("batch: --races needs race keys YYYYMMDDJJKKNNRR");
  if (!races && (from == 0 || to == 0)) return UsageError("batch needs both --from and --to");
  if (!races && from > to) return UsageError("batch: --from is after --to");

  const int variant = races ? 2 : 1;
  DefaultOutputFolders();
  TBatchOutputs outputs = ReadBatchOutputs(variant);
  if (anyFlag) outputs = chosen;

  const auto start = std::chrono::steady_clock::now();
  TBatchOutcome outcome;
  {
    TTerminalRunView view(std::chrono::milliseconds(1000));
    TBatchRun run(view, variant);
    if (races) {
      std::vector<TRace> list;
      for (const TRaceID& id : keys) {
        TRace race(_CacheList != nullptr ? _CacheList->Race(id) : ReadRace(id));
        if (race.Year == 0) {
          std::fprintf(stderr, "mizunara-cli batch: no race %s in the database\n", id.RaceKey().c_str());
          return 1;
        }
        list.push_back(race);
      }
      outcome = run.RunRaces(std::move(list), outputs);
    } else {
      const std::vector<TKeyInfo> days = TBatchRun::MeetingDays();
      int first = -1, last = -1;
      for (std::size_t d = 0; d < days.size(); ++d) {
        const int date = days[d].DateNumber();
        if (date >= from && first < 0) first = static_cast<int>(d);
        if (date <= to) last = static_cast<int>(d);
      }
      if (days.empty()) {
        view.Finish();
        FrontEnd().ShowError(SJ("出馬表ファイルがありません。"));
        return 1;
      }
      if (first < 0 || last < first) {
        view.Finish();
        std::fprintf(stderr, "mizunara-cli batch: no race-card day between %d and %d\n", from, to);
        return 1;
      }
      outcome = run.RunDays(days, first, last, outputs);
    }
    view.Finish();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (variant == 1) std::printf("%d days, ", outcome.days);
  std::printf("%d races, %d predicted in %.1f s (%.0f races/s)%s\n", outcome.races, outcome.scored, seconds,
              seconds > 0 ? outcome.races / seconds : 0.0, outcome.stopped ? " (stopped)" : "");
  PrintWhereFilesWent(outputs, variant);
  return outcome.stopped ? 1 : 0;
}
