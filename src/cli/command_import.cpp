// mizunara-cli import and quicknews: the import runs on the local JV-Link.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/sjis.h"
#include "app/terminal_front_end.h"
#include "cli/command.h"
#include "import/import_run.h"
#include "import/local_jvlink.h"

namespace {

int Finish(TImportRun& run, TTerminalRunView& view, std::chrono::steady_clock::time_point start) {
  view.Finish();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  long long records = 0;
  for (const auto& [id, count] : run.Converted()) records += count;
  std::printf("%s: %lld records in %.1f s%s\n", SjisToUtf8(run.Caption()).c_str(), records, seconds,
              run.Cancelled() ? " (stopped)" : "");
  for (const auto& [id, count] : run.Converted()) std::printf("  %s %lld\n", id.c_str(), count);
  return run.Cancelled() ? 1 : 0;
}

}  // namespace

int RunImport(const std::vector<std::string>& args) {
  if (args.size() != 2 || args[0] != "--mode") return UsageError("import takes --mode N (try import --help)");
  char* end = nullptr;
  long mode = std::strtol(args[1].c_str(), &end, 10);
  if (*end != '\0' || !((mode >= 11 && mode <= 16) || mode == 20)) {
    return UsageError("import: --mode takes 11 to 16 or 20, not \"" + args[1] + "\"");
  }
  auto start = std::chrono::steady_clock::now();
  TLocalJVLink jvlink;
  TTerminalRunView view;
  TImportRun run(jvlink, view, static_cast<int>(mode));
  run.Run();
  return Finish(run, view, start);
}

int RunQuickNews(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("quicknews takes one or more race keys (try quicknews --help)");
  std::vector<TRaceID> races;
  for (const std::string& key : args) {
    if (key.size() != 16 || key.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) {
      return UsageError("quicknews: not a race key YYYYMMDDJJKKNNRR: \"" + key + "\"");
    }
    TRaceID race;
    race.SetRaceKey(std::string_view(key));
    races.push_back(race);
  }
  auto start = std::chrono::steady_clock::now();
  TLocalJVLink jvlink;
  TTerminalRunView view;
  TImportRun run(jvlink, view, races);
  run.Run();
  return Finish(run, view, start);
}
