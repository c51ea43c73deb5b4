// mizunara-cli: the command-line front end.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "analysis/process_objects.h"
#include "app/front_end.h"
#include "app/terminal_front_end.h"
#include "cli/command.h"

namespace {

void PrintHelp() {
  std::printf(
      "usage: mizunara-cli [--yes] COMMAND [ARGS...]\n"
      "\n"
      "The command line of ミズナラ for JRA-VAN Data Lab.: it works on the same\n"
      "program folder, settings file (Umayado.ini) and database as the desktop\n"
      "program. The program folder is the executable's folder, or MIZUNARA_HOME.\n"
      "\n"
      "commands:\n");
  for (const TCommand& command : Commands()) std::printf("  %-12s %s\n", command.name, command.summary);
  std::printf(
      "\n"
      "options:\n"
      "  --yes        answer yes to every confirmation (otherwise each takes its default)\n"
      "  -h, --help   this text; COMMAND --help tells about one command\n");
}

}  // namespace

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"version", "print the program's version", "usage: mizunara-cli version\n", RunVersion},
      {"settings", "show, read or write the settings file",
       "usage: mizunara-cli settings [SECTION [KEY [VALUE]]]\n"
       "\n"
       "  settings                    print the whole settings file\n"
       "  settings SECTION            print the keys of one section\n"
       "  settings SECTION KEY        print the value (or its default) alone on the last line\n"
       "  settings SECTION KEY VALUE  write the value at once\n"
       "  settings --keys             list every known section and key with its default\n"
       "\n"
       "Section and key names compare without case. Texts are UTF-8 on the terminal\n"
       "and Shift-JIS in the file.\n",
       RunSettings},
      {"sample", "write the sample racing world as a JV-Link feed",
       "usage: mizunara-cli sample --out FEED --from YEAR --to YEAR [--seed N] [--scale X]\n"
       "\n"
       "Writes a synthetic but realistic JRA of the years FROM to TO as a feed folder\n"
       "of the local JV-Link: FEED/<spec>/<timestamp>.jvd files of JV-Data records\n"
       "(setup files, then weekly updates), the real-time files of the last racing\n"
       "weekend (FEED/0B11, 0B12, 0B14, 0B30), a KOL archive (FEED/KOL) and a\n"
       "FKEIBADO log (FEED/FKEIBADO). The last weekend is seen as on the Friday\n"
       "before it: race cards without results.\n"
       "\n"
       "  --seed N    the same seed gives the same bytes (default 1)\n"
       "  --scale X   size of the world: 1 is about 3,400 JRA races a year (default 1)\n",
       RunSample},
      {"races", "list the race-list keys of a kind, or the races of one key",
       "usage: mizunara-cli races --kind K [--region R] [--key N]\n"
       "\n"
       "Without --key, prints the keys of kind K, numbered; with --key N, the races\n"
       "of the N-th key in the columns of the race list.\n"
       "\n"
       "  --kind K     two digits: the source (1 special registrations, 2 and 3 race\n"
       "               indexes, 4 schedule) and the level (1 race, 2 day, 3 meeting,\n"
       "               4 racecourse, 5 date, 6 month); the menus use 25, 15, 23, 26,\n"
       "               24 and 45\n"
       "  --region R   1 JRA races (default), 2 local and overseas races\n",
       RunRaces},
      {"race", "show one race: conditions, runners with their results, payouts",
       "usage: mizunara-cli race KEY16\n"
       "\n"
       "KEY16 is the race key YYYYMMDDJJKKNNRR (e.g. 2025122106050811).\n",
       RunRace},
      {"horse", "show one horse: pedigree, people, earnings and every run",
       "usage: mizunara-cli horse REGNO\n"
       "\n"
       "REGNO is the 10-digit registration number (e.g. 2021100001).\n",
       RunHorse},
      {"jvlink", "show or set the local JV-Link's feed folder, save folder and service key",
       "usage: mizunara-cli jvlink [--feed DIR] [--save DIR] [--key KEY]\n"
       "\n"
       "The local JV-Link serves JV-Data from a feed folder (default: program folder\n"
       "+ JVFEED/) and keeps its downloads in a save folder (default: program folder\n"
       "+ JVCACHE/); both live in jvlink.ini in the program folder. Without options,\n"
       "shows them. A service key must be set before data can be opened.\n",
       RunJVLink},
      {"import", "import JV-Data from the local JV-Link into the database",
       "usage: mizunara-cli import --mode N\n"
       "\n"
       "  11  full setup (resumes where a stopped full setup ended)\n"
       "  12  minimal setup (from three years ago)\n"
       "  13  race data setup      14  accumulated data setup\n"
       "  15  pedigree setup       16  hill-training setup\n"
       "  20  update: everything newer than the last import\n"
       "\n"
       "Shows a progress line on stderr; Ctrl+C stops the run as its \"中止\" button\n"
       "would, and whatever was read is still merged into the database.\n",
       RunImport},
      {"quicknews", "fetch the latest news (weights, going, scratches, jockeys, odds) of races",
       "usage: mizunara-cli quicknews KEY16...\n"
       "\n"
       "KEY16 is a race key YYYYMMDDJJKKNNRR; the news of every race day of the\n"
       "races and the odds of each race are fetched and merged.\n",
       RunQuickNews},
      {"maintenance", "rebuild the base times, the track index and the level tables",
       "usage: mizunara-cli maintenance\n"
       "\n"
       "Rebuilds the derived statistics from every stored race: the track-condition\n"
       "index, the base times (DATA/BASETIME.DAT) and the five level tables\n"
       "(DATA/LEVEL.DAT, dumps in DATA/LEVEL1.TXT ... LEVEL5.TXT), in turn, until a\n"
       "whole cycle changes no file or 99 rebuilds have been made. Shows the list\n"
       "being rebuilt and a progress line on stderr; Ctrl+C stops the run as its\n"
       "\"中止\" button would, and the stopped list keeps its last saved file.\n"
       "\n"
       "Settings of section DEBUG: TARGET (first list, 0-5), COUNT (lists taking\n"
       "part, 1-6), BASETIME (append a diagnostic line per race to ANA_B.CSV).\n",
       RunMaintenance},
      {"card", "score one race and show its card: marks, odds, chances, figures and the bets",
       "usage: mizunara-cli card KEY16\n"
       "\n"
       "Scores the race from its runners' past runs and prints the race card as the\n"
       "analysis sees it: per runner the mark, win odds, win chance (単勝率), speed\n"
       "figure (ＳＰ), rest interval, running-style gauge and the figures of the last\n"
       "five runs; then per bet type the best candidates with their chance, odds and\n"
       "expected value, and the payout of those that paid when the race is settled.\n"
       "Base times and level tables come from the last maintenance run.\n",
       RunCard},
      {"batch", "predict every race of a range of race-card days, or a list of races, and write the files",
       "usage: mizunara-cli batch --from YYYYMMDD --to YYYYMMDD [-D] [-S] [-W] [-O] [-T] [--tc]\n"
       "       mizunara-cli batch --races KEY16... [-D] [-S] [-W] [-O] [-T] [--tc]\n"
       "\n"
       "Scores every race of the JRA race-card days from FROM to TO (or the races\n"
       "given) and writes the prediction files into the folders of section OutPut:\n"
       "\n"
       "  -D    detailed text       YOSO_PATH/D<date>.TXT\n"
       "  -S    SNIPER CSV          SNIPER_PATH/FRC.DAT (appended)\n"
       "  -W    WARS text           WARS_PATH/W<date>.TXT\n"
       "  -O    OVERS text          OVERS_PATH/O<date>.TXT\n"
       "  -T    TARGET index        TF_EXT_PATH/TE<date>.CSV\n"
       "  --tc  TARGET purchase CSV TF_CSV_PATH/TF_CSV_NAME (stakes from Batch2/MaxMoneyB)\n"
       "\n"
       "Without output flags, the flags stored in section Batch1 (range) or Batch2\n"
       "(list) are used. A range run also starts ANA.CSV in the program folder\n"
       "afresh (the last one kept as ANA.BAK) and appends every day's results to it.\n"
       "Setting Select of the section: 1 or 2 leave out races with a debutant.\n"
       "Empty output folders get the program folder + TEXT/. Ctrl+C stops the run\n"
       "at the next race; the day's group files are then not written.\n",
       RunBatch},
  };
  return commands;
}

bool WantsHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "-h" || a == "--help") return true;
  }
  return false;
}

void PrintUsage(const TCommand& command) { std::fputs(command.usage, stdout); }

int UsageError(const std::string& text) {
  std::fprintf(stderr, "mizunara-cli: %s\n", text.c_str());
  return 2;
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool assumeYes = false;
  while (!args.empty() && args.front().starts_with("-")) {
    const std::string option = args.front();
    if (option == "-h" || option == "--help") {
      PrintHelp();
      return 0;
    }
    if (option == "--yes") {
      assumeYes = true;
    } else {
      return UsageError("unknown option " + option + " (try --help)");
    }
    args.erase(args.begin());
  }
  if (args.empty()) {
    PrintHelp();
    return 2;
  }
  TTerminalFrontEnd terminal(assumeYes);
  SetFrontEnd(&terminal);
  const std::string name = args.front();
  args.erase(args.begin());
  for (const TCommand& command : Commands()) {
    if (name != command.name) continue;
    if (WantsHelp(args)) {
      PrintUsage(command);
      return 0;
    }
    CreateProcessObjects();
    int status = 1;
    try {
      status = command.run(args);
      std::fflush(stdout);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "mizunara-cli %s: %s\n", name.c_str(), e.what());
    }
    DestroyProcessObjects();
    return status;
  }
  return UsageError("unknown command " + name + " (try --help)");
}
