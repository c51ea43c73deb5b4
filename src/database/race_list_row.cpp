#include "database/race_list_row.h"

#include <cstdio>

#include "app/format_text.h"
#include "app/number_text.h"
#include "app/sjis.h"
#include "database/venue_table.h"


const std::array<std::string, kRaceListColumns>& RaceListCaptions() {
  static const std::array<std::string, kRaceListColumns> captions = {
      SJ("年月日"), SJ("開催"), SJ("Ｒ"), SJ("競走名"), SJ("種別"), SJ("条件"),
      SJ("重量"),   SJ("コース"), SJ("状"), SJ("頭数"), SJ("発走"), SJ("天候"),
  };
  return captions;
}

std::array<std::string, kRaceListColumns> RaceListRow(const TResult& race) {
  std::array<std::string, kRaceListColumns> row;
  row[0] = Format("%06d", race.DateNumber() % 1000000);
  if (race.Venue >= 1 && race.Venue <= 10) {
    row[1] = Format("%1d%4s%1X", race.Meeting, VenueName(race.Venue, 4).c_str(), race.MeetingDay);
  } else {
    const std::string& six = VenueName(race.Venue, 6);
    row[1] = six.size() == 6 ? Format("%6s", six.c_str()) : Format(" %4s ", VenueName(race.Venue, 4).c_str());
  }
  row[2] = TwoColumnNumber(race.RaceNo);
  std::string name = race.ShortName(20);
  if (race.Grade() >= 3 && race.Grade() <= 10) name += SJ("（") + race.GradeShortText() + SJ("）");
  row[3] = name.empty() ? " " : name;
  row[4] = race.AgeClassText();
  row[5] = race.ClassConditionText(0);
  row[6] = race.WeightTypeText();
  row[7] = Format("%1s%4d", race.TrackLetter(true).c_str(), race.Distance());
  row[8] = race.GoingText();
  int field = race.Registered() > 0 ? race.Registered() : race.Starters();
  row[9] = field > 0 ? Format("%4d", field) : "";
  if (race.DataKind() == 0) {
    row[10] = SJ("無 効");
  } else if (race.DataKind() == 9) {
    row[10] = SJ("中 止");
  } else if (race.StartTime() > 0) {
    row[10] = Format("%02d:%02d", race.StartTime() / 100, race.StartTime() % 100);
  }
  row[11] = race.WeatherText();
  return row;
}
