#include <cstdio>

#include "app/sjis.h"
#include "app/version.h"
#include "cli/command.h"

int RunVersion(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("version takes no arguments");
  PutSjis(stdout, ApplicationTitle());
  std::fputc('\n', stdout);
  return 0;
}
