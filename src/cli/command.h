// The commands of mizunara-cli.
#pragma once

#include <string>
#include <vector>

// One command: its name, a one-line summary, its usage text and its body.
// The body gets the arguments after the command name and returns the exit
// status.
struct TCommand {
  const char* name;
  const char* summary;
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
};

const std::vector<TCommand>& Commands();

// True when the arguments ask for help ("-h" or "--help").
bool WantsHelp(const std::vector<std::string>& args);

// Prints the usage of a command to stdout.
void PrintUsage(const TCommand& command);

// Prints "mizunara-cli: <text>" to stderr (UTF-8 text) and returns 2.
int UsageError(const std::string& text);

int RunVersion(const std::vector<std::string>& args);
int RunSettings(const std::vector<std::string>& args);
int RunSample(const std::vector<std::string>& args);
int RunRaces(const std::vector<std::string>& args);
int RunRace(const std::vector<std::string>& args);
int RunHorse(const std::vector<std::string>& args);
int RunJVLink(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);
int RunQuickNews(const std::vector<std::string>& args);
int RunMaintenance(const std::vector<std::string>& args);
int RunBatch(const std::vector<std::string>& args);
int RunCard(const std::vector<std::string>& args);
