// mizunara-cli sample: writes the sample racing world as a JV-Link feed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "app/terminal_front_end.h"
#include "cli/command.h"
#include "sample/sample_generate.h"

namespace {

bool ParseNumber(const std::string& text, long long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return *end == '\0';
}

}  // namespace

int RunSample(const std::vector<std::string>& args) {
  sample::TSampleOptions options;
  bool haveFrom = false, haveTo = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return UsageError("sample: " + a + " needs a value (try sample --help)");
    const std::string& v = args[++i];
    long long n = 0;
    if (a == "--out") {
      options.outFolder = v;
    } else if (a == "--from" || a == "--to") {
      if (!ParseNumber(v, n) || n < 1990 || n > 2099) return UsageError("sample: " + a + " takes a year from 1990 to 2099, not \"" + v + "\"");
      (a == "--from" ? options.fromYear : options.toYear) = static_cast<int>(n);
      (a == "--from" ? haveFrom : haveTo) = true;
    } else if (a == "--seed") {
      if (!ParseNumber(v, n) || n < 0) return UsageError("sample: --seed takes a whole number, not \"" + v + "\"");
      options.seed = static_cast<std::uint64_t>(n);
    } else if (a == "--scale") {
      char* end = nullptr;
      options.scale = std::strtod(v.c_str(), &end);
      if (*end != '\0' || !(options.scale > 0 && options.scale <= 4)) {
        return UsageError("sample: --scale takes a number above 0 and at most 4, not \"" + v + "\"");
      }
    } else {
      return UsageError("sample: unknown option " + a + " (try sample --help)");
    }
  }
  if (options.outFolder.empty() || !haveFrom || !haveTo) return UsageError("sample needs --out, --from and --to (try sample --help)");
  if (options.fromYear > options.toYear) return UsageError("sample: --from must not be after --to");

  auto start = std::chrono::steady_clock::now();
  TTerminalRunView view;
  sample::TFeedStats stats;
  try {
    stats = sample::GenerateSample(options, [&](const std::string& text, double fraction) {
      view.SetStatus(0, text);
      view.SetProgress(0, static_cast<int>(fraction * 1000), 1000);
    });
  } catch (const std::exception& e) {
    view.Finish();
    std::fprintf(stderr, "mizunara-cli sample: %s\n", e.what());
    return 1;
  }
  view.Finish();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("sample feed %s: %d files, %.1f MB in %.1f s\n", options.outFolder.c_str(), stats.files,
              static_cast<double>(stats.bytes) / 1e6, seconds);
  for (const auto& [id, count] : stats.records) std::printf("  %s %lld\n", id.c_str(), static_cast<long long>(count));
  return 0;
}
