// The WARS text: the races of a day by venue, each with its leading win
// and pair bets and their probabilities.
#include <string>

#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/version.h"
#include "batch/output_file.h"
#include "batch/prediction_writers.h"
#include "database/race.h"
#include "database/venue_table.h"

namespace {

constexpr int kRuleWidth = 76;
constexpr char kWarsCode[] = "0065";

std::string VenueHeader(const TRace& race) {
  const std::string rule = Repeat('-', kRuleWidth) + "\r\n";
  return rule +
         Format(SJ("%4s %4d年 %2d回 %2d日目 %2d月 %2d日(%2s) [%4s] %s\r\n").c_str(),
                VenueName(race.GetVenue(), 4).c_str(), race.GetYear(), race.GetMeeting(), race.GetMeetingDay(),
                race.GetMonth(), race.GetDay(), race.WeekdayText().c_str(), kWarsCode, ProductTitle().c_str()) +
         rule;
}

std::string RaceLine(const TRace& race) {
  std::string line = Format("%2dR", race.GetRaceNo());
  AppendFormat(line, "  %2d", race.Bet(0, 0).No[0]);
  const bool quinella = race.MainPairBetType() == 3;
  for (int n = 0; n < 6; ++n) {
    const TBetData bet = race.Bet(kMainPairBet, n);
    AppendFormat(line, quinella ? " %2d-%2d" : "    %1d%1d", bet.No[0], bet.No[1]);
  }
  line += "  |100";
  for (int n = 0; n < 3; ++n) AppendFormat(line, "%3.0f", race.Bet(0, n).Value * 100.0);
  for (int n = 0; n < 6; ++n) AppendFormat(line, "%3.0f", race.Bet(kMainPairBet, n).Value * 100.0);
  return line + "\r\n";
}

}  // namespace

void WriteWarsText(const std::vector<TRace>& races) {
  if (races.empty()) return;
  std::string text;
  for (std::size_t i = 0; i < races.size(); ++i) {
    const TRace& race = races[i];
    if (i == 0 || race.GetVenue() != races[i - 1].GetVenue()) {
      if (i > 0) text += "\r\n";
      text += VenueHeader(race);
    }
    text += RaceLine(race);
  }
  const std::string path =
      Format("%sW%08d.TXT", OutputFolder(ini::kWarsPath).c_str(), races.front().DateNumber());
  WriteOutputFile(path, text, false);
}
