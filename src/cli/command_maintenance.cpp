// mizunara-cli maintenance: the rebuild of the derived statistics.
#include <chrono>
#include <cstdio>

#include "analysis/maintenance_run.h"
#include "app/sjis.h"
#include "app/terminal_front_end.h"
#include "cli/command.h"

int RunMaintenance(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("maintenance takes no arguments (try maintenance --help)");
  const auto start = std::chrono::steady_clock::now();
  TMaintenanceOutcome outcome;
  {
    // Without a terminal, at most one status line a second: a rebuild
    // passes hundreds of keys.
    TTerminalRunView view(std::chrono::milliseconds(1000));
    TMaintenanceRun run(view);
    outcome = run.Run();
    view.Finish();
  }
  DeleteMaintenanceBackups();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (outcome.keys == 0) {
    std::printf("no stored races: nothing to rebuild\n");
    return 0;
  }
  std::printf("%d keys, %d list rebuilds and %d track-index rebuilds in %.1f s%s\n", outcome.keys,
              outcome.listRebuilds, outcome.trackRebuilds, seconds, outcome.cancelled ? " (stopped)" : "");
  return outcome.cancelled ? 1 : 0;
}
