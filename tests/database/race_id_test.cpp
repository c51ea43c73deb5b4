#include "database/race_id.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

namespace {

TRaceID Race(std::string_view key) {
  TRaceID id;
  id.SetRaceKey(key);
  return id;
}

struct TFields {
  int year, month, day, venue, meeting, meetingDay, raceNo;
};

TFields FieldsOf(const TRaceID& id) {
  return {id.GetYear(), id.GetMonth(), id.GetDay(), id.GetVenue(), id.GetMeeting(),
          id.GetMeetingDay(), id.GetRaceNo()};
}

void ExpectFields(const TRaceID& id, const TFields& want, const std::string& what) {
  TFields got = FieldsOf(id);
  EXPECT_EQ(got.year, want.year) << what;
  EXPECT_EQ(got.month, want.month) << what;
  EXPECT_EQ(got.day, want.day) << what;
  EXPECT_EQ(got.venue, want.venue) << what;
  EXPECT_EQ(got.meeting, want.meeting) << what;
  EXPECT_EQ(got.meetingDay, want.meetingDay) << what;
  EXPECT_EQ(got.raceNo, want.raceNo) << what;
}

TEST(RaceIDTest, IsAPlainEightByteValueThatClearsToZeroBytes) {
  static_assert(std::is_trivially_copyable_v<TRaceID>);
  TRaceID id = Race("2004122605050811");
  id.Clear();
  const unsigned char zero[8] = {};
  EXPECT_EQ(std::memcmp(&id, zero, sizeof id), 0);
  TRaceID fresh;
  EXPECT_EQ(std::memcmp(&fresh, zero, sizeof fresh), 0);
}

TEST(RaceIDTest, ReadsTheRaceKeyAndDerivesItsNumbers) {
  const char record[] = "RA72004122620041226050508112004";  // key at byte 11, more after it
  TRaceID id;
  id.SetRaceKey(record + 11);
  ExpectFields(id, {2004, 12, 26, 5, 5, 8, 11}, "record key");
  EXPECT_EQ(id.DateNumber(), 20041226);
  EXPECT_EQ(id.RaceCode(), 5050811);
  EXPECT_EQ(id.MonthNumber(), 200412);
  EXPECT_EQ(id.RaceKey(), "2004122605050811");
}

TEST(RaceIDTest, ReadsKeysFieldByFieldWithoutValidation) {
  struct TCase {
    const char* key;
    TFields want;
  } cases[] = {
      {"20041226A4010203", {2004, 12, 26, 104, 1, 2, 3}},  // a country
      {"20040105M0 1 2 3", {2004, 1, 5, 220, 1, 2, 3}},    // blanks count as zero digits
      {"2004  26  050811", {2004, 0, 26, 0, 5, 8, 11}},
      {"2004122605-30811", {2004, 12, 26, 5, -3, 8, 11}},
      // Values beyond a field's range stop at its end: "Q0" (260) must not
      // wrap round to Niigata (4), nor "ZZ" (385) to some small meeting.
      {"20041226Q0ZZ0811", {2004, 12, 26, 255, 127, 8, 11}},
      {"20041226-1050811", {2004, 12, 26, 0, 5, 8, 11}},
      {"ZZZZ9999050811ZZ", {32767, 99, 99, 5, 8, 11, 127}},
      // A short text reads as if padded with blanks.
      {"20041226050508", {2004, 12, 26, 5, 5, 8, 0}},
      {"2004", {2004, 0, 0, 0, 0, 0, 0}},
      {"", {0, 0, 0, 0, 0, 0, 0}},
  };
  for (const TCase& c : cases) ExpectFields(Race(c.key), c.want, c.key);
}

TEST(RaceIDTest, DayKeyLeavesTheRaceNumberZero) {
  TRaceID id = Race("2004122605050811");
  id.SetDayKey("20050108060102");
  ExpectFields(id, {2005, 1, 8, 6, 1, 2, 0}, "day key");
  id.SetDayKey(std::string_view("2005010806"));
  ExpectFields(id, {2005, 1, 8, 6, 0, 0, 0}, "short day key");
}

TEST(RaceIDTest, OrdersByDateThenRaceCode) {
  enum TOrder { kLess, kEqual, kGreater };
  struct TCase {
    const char* a;
    const char* b;
    TOrder order;
  } cases[] = {
      {"2004122605050801", "2004122605050811", kLess},     // race number only
      {"2004122605050811", "2004122605050811", kEqual},
      {"2004122610050801", "2004122701010101", kLess},     // earlier date, larger racecourse
      {"20041226A4010101", "2004122701010101", kLess},     // a country on an earlier date
      {"2004123110050812", "2005010101010101", kLess},     // across the year end
      {"2004122609010101", "2004122605090812", kGreater},  // same date: racecourse first
      {"2004122605050901", "2004122605050812", kGreater},  // then day of the meeting
  };
  for (const TCase& c : cases) {
    TRaceID a = Race(c.a);
    TRaceID b = Race(c.b);
    std::string what = std::string(c.a) + " vs " + c.b;
    EXPECT_EQ(a < b, c.order == kLess) << what;
    EXPECT_EQ(b > a, c.order == kLess) << what;
    EXPECT_EQ(a > b, c.order == kGreater) << what;
    EXPECT_EQ(b < a, c.order == kGreater) << what;
    EXPECT_EQ(a == b, c.order == kEqual) << what;
    EXPECT_EQ(a != b, c.order != kEqual) << what;
  }
}

TEST(RaceIDTest, TextHelpersMatchTheKeyFields) {
  EXPECT_EQ(DateNumberFromText("20041226"), 20041226);
  EXPECT_EQ(DateNumberFromText("2004 1 5"), 20040105);
  EXPECT_EQ(DateNumberFromText("        "), 0);
  EXPECT_EQ(RaceCodeFromText("05050811"), 5050811);
  EXPECT_EQ(RaceCodeFromText("A4010203"), 104010203);
  EXPECT_EQ(RaceCodeFromText("        "), 0);

  for (const char* key : {"2004122605050811", "20041226A4010203", "19990101M0019912"}) {
    TRaceID id = Race(key);
    EXPECT_EQ(DateNumberFromText(key), id.DateNumber()) << key;
    EXPECT_EQ(RaceCodeFromText(key + 8), id.RaceCode()) << key;
  }
}

TEST(RaceIDTest, RaceKeyTextReadsBackToTheSameRace) {
  EXPECT_EQ(FormatRaceKey(20041226, 5050811), "2004122605050811");
  EXPECT_EQ(FormatRaceKey(20041226, 0), "2004122600000000");
  EXPECT_EQ(FormatRaceKey(0, 0), "       000000000");
  // A country's code is written back as its letter and digit, keeping the
  // key at 16 characters.
  EXPECT_EQ(FormatRaceKey(20041226, 104010203), "20041226A4010203");
  for (const char* key : {"2004122605050811", "20041226A4010203", "20041226M0019912",
                          "2004122699010101", "2004122661010101"}) {
    TRaceID id = Race(key);
    EXPECT_EQ(id.RaceKey(), key);
    EXPECT_EQ(Race(id.RaceKey()), id) << key;
  }
}

}  // namespace
