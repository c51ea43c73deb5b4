// mizunara-cli horse: one horse of the database with its pedigree, people,
// earnings and every run.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/number_text.h"
#include "app/sjis.h"
#include "cli/command.h"
#include "cli/cli_text.h"
#include "database/horse.h"
#include "database/horse_reader.h"
#include "database/race_texts.h"
#include "database/venue_table.h"

int RunHorse(const std::vector<std::string>& args);

namespace {

std::string MeetingText(const THorseInfo55& run) {
  if (run.Venue >= 1 && run.Venue <= 10) {
    return Format("%1d%4s%1X", run.Meeting, VenueName(run.Venue, 4).c_str(), run.MeetingDay);
  }
  return RightColumn(VenueName(run.Venue, 6), 6);
}

std::string RaceNameText(const THorseInfo55& run) {
  if (!run.ShortName(12).empty()) {
    if (run.Grade() < 3) {
      if (run.Condition(4) == 99 || (run.Venue >= 1 && run.Venue <= 10)) {
        return Column(run.ShortName(6), 6) + Column(run.AgeClassText(), 2);
      }
      return run.ShortName(8);
    }
    return Column(run.ShortName(6), 6) + Column(run.GradeShortText(), 2);
  }
  if (run.Condition(4) == 0) return run.AgeClass() % 10 == 6 ? run.ClassConditionText(8) : " ";
  return run.ClassConditionText(8);
}

std::string MarginColumn(const THorseInfo55& run) {
  const int kind = run.TResultInfo::DataKind();
  if (kind < 6 || kind > 10 || run.TimeDiff() >= 9999) return "";
  const double seconds = std::abs(run.TimeDiff()) / 10.0;
  const int order = run.Arrival() > 0 ? run.Arrival() : run.Position();
  return order == 1 ? Format("-%3.1f", seconds) : Format("%4.1f", seconds);
}

std::string RunRow(const THorseInfo55& run) {
  std::string row = Format("%02d%02d%02d ", run.Year % 100, run.Month, run.Day);
  row += RightColumn(RestIntervalText(run.Interval()), 4) + " ";
  row += Column(MeetingText(run), 6) + " ";
  row += Column(RaceNameText(run), 8) + " ";
  row += RightColumn(run.CarriedText(), 4) + " ";
  row += Column(run.JockeyName(8), 8) + " " + Column(run.TrainerName(8), 8) + " ";
  const int field = run.Registered() > 0 ? run.Registered() : run.Starters();
  row += RightColumn(TwoColumnNumber(field), 2) + " " + RightColumn(TwoColumnNumber(run.HorseNo()), 2) + " " +
         RightColumn(TwoColumnNumber(run.Popularity()), 2) + " ";
  row += RightColumn(run.Position() > 0 ? TwoColumnNumber(run.Position()) : run.AbnormalityText(2), 2) + " ";
  row += run.Track() >= 0 ? Format("%2s%4d", run.TrackLetter(true).c_str(), run.Distance()) : std::string(6, ' ');
  row += " " + RightColumn(run.GoingText(), 2) + " ";
  row += run.Time() > 0 ? Format("%1d.%04.1f", run.Time() / 600, (run.Time() % 600) / 10.0) : std::string(6, ' ');
  row += " " + RightColumn(MarginColumn(run), 4) + " ";
  const int last = run.LastFurlongs(3);
  row += last > 0 && run.SurfaceKind() != 3 ? Format("%4.1f", last / 10.0) : std::string(4, ' ');
  row += " " + RightColumn(run.PositionGaugeText(), 5) + " ";
  row += run.BodyWeight() > 0 ? Format("%4d", run.BodyWeight()) : std::string(4, ' ');
  return row;
}

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

}  // namespace

int RunHorse(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].size() != 10 || args[0].find_first_not_of("0123456789") != std::string::npos) {
    return UsageError("horse takes one 10-digit registration number (e.g. 2021100001)");
  }
  const int id = std::atoi(args[0].c_str());
  THorse horse = ReadHorse(id, true);
  if (horse.HorseID() == 0) {
    std::fprintf(stderr, "mizunara-cli horse: no horse %s in the database\n", args[0].c_str());
    return 1;
  }
  horse.PreparePastRuns(kAllRuns);
  const THorse::THorse_Data& d = horse.Data();

  std::string age = horse.AgeIn(CurrentYear()) > 0 ? std::to_string(horse.AgeIn(CurrentYear())) : "";
  Put(Format("%010d  ", horse.HorseID()) + horse.HorseName() + " " + horse.HorseMarkText() + " " +
      horse.SexText() + age + "  " + d.KanaName + "  " + d.LatinName + "\n");
  Put(SJ("父　：") + horse.AncestorName(0) + "\n");
  Put(SJ("母　：") + horse.AncestorName(1) + "\n");
  Put(SJ("母父：") + horse.AncestorName(4) + "\n");
  Put(SJ("母母：") + horse.AncestorName(5) + "\n");
  std::string birth;
  if (d.BirthDate > 0) {
    birth = Format("%4d", d.BirthDate / 10000) + SJ("年");
    if (d.BirthDate % 10000 > 0) {
      birth += Format("%2d", d.BirthDate / 100 % 100) + SJ("月") + Format("%2d", d.BirthDate % 100) + SJ("日");
    }
  }
  Put(SJ("生年月日：") + birth + "  " + SJ("毛色：") + horse.CoatText() + "  " + SJ("産地：") + d.Area + "\n");
  Put(SJ("調教師：") + horse.TrainerName(0) + "\n");
  Put(SJ("生産者：") + horse.BreederName() + "\n");
  Put(SJ("馬主　：") + horse.OwnerName() + "\n");
  const char* const kinds[3] = {"本賞金", "付加賞金", "収得賞金"};
  for (int kind = 0; kind < 3; ++kind) {
    Put(RightColumn(Utf8ToSjis(kinds[kind]), 8) + SJ("：平地：") + Format("%7d", horse.PrizeSum(kind, 0) / 100) +
        SJ("万円 障害：") + Format("%7d", horse.PrizeSum(kind, 1) / 100) + SJ("万円") + "\n");
  }
  Put("\n" + SJ("年月日 間隔 開催   競走名   斤量 騎手     調教師   頭 馬 人 着 コース 状 タイム 着差 上り 脚質  体重") + "\n");
  for (const THorseInfo55& run : horse.PastRuns()) Put(RunRow(run) + "\n");
  return 0;
}
