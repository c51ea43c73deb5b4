// Reading the FKEIBADO predicted-odds log.
#include "analysis/fkeibado_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// `text` put at `column` of `line`, blanks filling the gap.
void Put(std::string& line, int column, const std::string& text) {
  if (line.size() < static_cast<std::size_t>(column)) line.resize(static_cast<std::size_t>(column), ' ');
  line.replace(static_cast<std::size_t>(column), text.size(), text);
}

std::string Format(const char* format, double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

struct TBlock {
  std::string date = "20050529";
  char venue = '5';
  int raceNo = 11;
  int horses = 9;
  bool timed = true;
  int hhmm = 1015;
  int winLines = -1;  // -1: one per horse
};

// A log block as the predictor writes it. Win odds of horse i are i + 0.5;
// 枠連 j-k is (10 × j + k) ÷ 10 for j <= k; 馬連 l-m is (100 × l + m) ÷ 10
// for l < m; "-" elsewhere.
std::vector<std::string> Block(const TBlock& b) {
  std::vector<std::string> lines;
  char header[64];
  std::snprintf(header, sizeof header, "==ODDS%s%c%02d%02d%02d%02d%d", b.date.c_str(), b.venue, 2, 8, b.raceNo,
                b.horses, b.timed ? 1 : 0);
  lines.push_back(header);
  for (int i = 0; i < 4; ++i) lines.push_back("heading " + std::to_string(i));
  std::string time = "time of the odds";
  Put(time, 19, Format("%02.0f", b.hhmm / 100));  // hours
  Put(time, 23, Format("%02.0f", b.hhmm % 100));  // minutes
  lines.push_back(time);
  lines.push_back("");
  lines.push_back("no  win");
  for (int h = 1; h <= (b.winLines < 0 ? b.horses : b.winLines); ++h) {
    std::string line = Format("%2.0f", h);
    Put(line, 10, Format("%.1f", h + 0.5));
    lines.push_back(line);
  }
  for (int i = 0; i < 6; ++i) lines.push_back(i == 3 ? std::string(200, '=') : "bracket heading");
  for (int j = 1; j <= 8; ++j) {
    std::string line = Format("%.0f", j);
    for (int k = 1; k <= 8; ++k) Put(line, 7 * k - 3, j <= k ? Format("%.1f", (10 * j + k) / 10.0) : "-");
    lines.push_back(line);
  }
  auto quinella = [&](int first, int column) {
    for (int l = 1; l <= b.horses; ++l) {
      std::string line = Format("%2.0f", l);
      for (int m = first; m < first + 9; ++m) {
        Put(line, 7 * m - column, l < m && m <= b.horses ? Format("%.1f", (100 * l + m) / 10.0) : "-");
      }
      lines.push_back(line);
    }
  };
  if (b.horses > 8) {
    for (int i = 0; i < 6; ++i) lines.push_back("quinella heading");
    quinella(1, 1);
  }
  if (b.horses > 9) {
    for (int i = 0; i < 2; ++i) lines.push_back("quinella heading");
    quinella(10, 64);
  }
  return lines;
}

std::string Text(const std::vector<std::vector<std::string>>& blocks, const char* lineEnd = "\r\n") {
  std::string text;
  for (const auto& block : blocks) {
    for (const auto& line : block) text += line + lineEnd;
  }
  return text;
}

TEST(FkeibadoLog, ReadsTheBlocksOfTheDate) {
  TBlock nine;
  TBlock other = nine;
  other.date = "20050528";
  TBlock twelve = nine;
  twelve.raceNo = 12;
  twelve.horses = 12;
  twelve.venue = 'A';
  twelve.timed = false;
  std::vector<TOddsData> odds = ParseFkeibadoLog(Text({Block(nine), Block(other), Block(twelve)}), 20050529);
  ASSERT_EQ(odds.size(), 2u);

  TOddsData& a = odds[0];
  EXPECT_EQ(a.RaceKey(), "2005052905020811");
  EXPECT_EQ(a.DataKind, -2);
  EXPECT_EQ(a.AnnounceTime, 1015);
  EXPECT_DOUBLE_EQ(a.GetOdds(0, 1), 1.5);
  EXPECT_DOUBLE_EQ(a.GetOdds(0, 9), 9.5);
  EXPECT_DOUBLE_EQ(a.GetOdds(0, 10), 0.0);
  EXPECT_DOUBLE_EQ(a.GetOdds(2, 101), 1.1);
  EXPECT_DOUBLE_EQ(a.GetOdds(2, 308), 3.8);
  EXPECT_DOUBLE_EQ(a.GetOdds(3, 102), 10.2);
  EXPECT_DOUBLE_EQ(a.GetOdds(3, 809), 80.9);
  // Finished: 複勝 and the other types have votes.
  EXPECT_GT(a.Votes(1, 1), 0);
  EXPECT_GT(a.GetOdds(6, 10203), 0);

  TOddsData& b = odds[1];
  EXPECT_EQ(b.GetVenue(), 10);
  EXPECT_EQ(b.GetRaceNo(), 12);
  EXPECT_EQ(b.AnnounceTime, 0);  // no time flag
  EXPECT_DOUBLE_EQ(b.GetOdds(3, 109), 10.9);
  EXPECT_DOUBLE_EQ(b.GetOdds(3, 110), 11.0);  // second table, column 10
  EXPECT_DOUBLE_EQ(b.GetOdds(3, 1112), 111.2);
}

TEST(FkeibadoLog, EightHorsesHaveNoQuinellaTable) {
  TBlock eight;
  eight.horses = 8;
  TBlock next;
  next.raceNo = 12;
  std::vector<TOddsData> odds = ParseFkeibadoLog(Text({Block(eight), Block(next)}, "\n"), 20050529);
  ASSERT_EQ(odds.size(), 2u);  // the next block is found right after the bracket table
  EXPECT_EQ(odds[0].GetOdds(3, 102), -1);
  EXPECT_DOUBLE_EQ(odds[0].GetOdds(2, 102), 1.2);
  // With 枠連 as the pairs, 馬単 comes from the frames.
  EXPECT_GT(odds[0].Votes(5, 102), 0);
  EXPECT_EQ(odds[1].GetRaceNo(), 12);
}

TEST(FkeibadoLog, MalformedBlocksAreLeftOut) {
  TBlock good;
  TBlock tooMany = good;
  tooMany.raceNo = 1;
  tooMany.horses = 19;
  TBlock cut = good;
  cut.raceNo = 2;
  cut.winLines = 4;  // the block ends early: the next header cuts it short
  TBlock last = good;
  last.raceNo = 3;
  std::vector<std::string> tail = Block(good);
  tail[0][20] = '4';  // race 14, lacking its last line
  tail.pop_back();

  std::vector<TOddsData> odds =
      ParseFkeibadoLog(Text({Block(tooMany), Block(cut), Block(last), tail}), 20050529);
  ASSERT_EQ(odds.size(), 1u);
  EXPECT_EQ(odds[0].GetRaceNo(), 3);
  EXPECT_DOUBLE_EQ(odds[0].GetOdds(3, 809), 80.9);

  EXPECT_TRUE(ParseFkeibadoLog("", 20050529).empty());
  EXPECT_TRUE(ReadFkeibadoLog("/nonexistent/fkeibado.log", 20050529).empty());
}

}  // namespace
