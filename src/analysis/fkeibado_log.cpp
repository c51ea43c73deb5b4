#include "analysis/fkeibado_log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/file_io.h"
#include "app/fixed_field.h"
#include "database/jv_records.h"

namespace {

namespace fk = jv::fkeibado;

constexpr std::string_view kHeaderTag = "==ODDS";

// The lines of the text without their line ends, each cut to 128 bytes.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line.substr(0, fk::kMaxLine));
  }
  return lines;
}

bool IsHeader(std::string_view line) { return line.substr(0, kHeaderTag.size()) == kHeaderTag; }

// The field's text; bytes past the end of the line are blanks.
std::string Field(std::string_view line, jv::TField f) {
  std::string text(static_cast<std::size_t>(f.length), ' ');
  if (static_cast<std::size_t>(f.offset) < line.size()) {
    std::string_view part = line.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length));
    std::copy(part.begin(), part.end(), text.begin());
  }
  return text;
}

int Integer(std::string_view line, jv::TField f) { return ParseFixedField(Field(line, f)); }

// A decimal number in the field; 0 when it holds none.
double Decimal(std::string_view line, jv::TField f) {
  const std::string text = Field(line, f);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  return end == text.c_str() ? 0 : value;
}

jv::TField Column(int start, int index) { return {start + fk::kBracketStride * index, fk::kOdds.length}; }

// Reads the block whose header is lines[at]. `next` becomes the line to go
// on from: past the block, or the header that cut it short.
std::optional<TOddsData> ReadBlock(const std::vector<std::string_view>& lines, std::size_t at, std::size_t& next) {
  const std::string_view header = lines[at];
  next = at + 1;
  const int horses = Integer(header, fk::kHorseCount);
  if (horses < 1 || horses > 18) return std::nullopt;

  TOddsData odds;
  odds.Year = static_cast<std::int16_t>(Integer(header, fk::kYear));
  odds.Month = static_cast<std::int8_t>(Integer(header, fk::kMonth));
  odds.Day = static_cast<std::int8_t>(Integer(header, fk::kDay));
  odds.Venue = static_cast<std::uint8_t>(std::clamp(Integer(header, fk::kVenue), 0, 35));
  odds.Meeting = static_cast<std::int8_t>(Integer(header, fk::kMeeting));
  odds.MeetingDay = static_cast<std::int8_t>(Integer(header, fk::kMeetingDay));
  odds.RaceNo = static_cast<std::int8_t>(Integer(header, fk::kRaceNo));
  odds.DataKind = kFkeibadoOddsKind;
  const bool timed = Integer(header, fk::kTimeFlag) > 0;

  std::size_t cursor = at + 1;
  bool cut = false;
  // The next line of the block; an empty view once the block is cut short.
  auto take = [&]() -> std::string_view {
    if (cut || cursor >= lines.size() || IsHeader(lines[cursor])) {
      cut = true;
      return {};
    }
    return lines[cursor++];
  };
  auto skip = [&](int count) {
    std::string_view last;
    for (int i = 0; i < count; ++i) last = take();
    return last;
  };
  auto store = [&odds](int betType, int a, int b, double value) {
    if (value <= 0 || a == b) return;
    const int combination = b == 0 ? a : std::min(a, b) * 100 + std::max(a, b);
    odds.StoreOdds(betType, combination, value);
  };

  const std::string_view time = skip(fk::kLinesBeforeTime);
  if (timed) odds.AnnounceTime = Integer(time, fk::kTimeHour) * 100 + Integer(time, fk::kTimeMinute);

  skip(fk::kLinesBeforeWin);
  for (int h = 1; h <= horses; ++h) store(0, h, 0, Decimal(take(), fk::kWinOdds));

  skip(fk::kLinesBeforeBracket);
  for (int j = 1; j <= fk::kBracketLines; ++j) {
    const std::string_view line = take();
    for (int k = 1; k <= fk::kBracketCount; ++k) {
      const double value = Decimal(line, Column(fk::kBracketStart, k - 1));
      if (j == k) {
        if (value > 0) odds.StoreOdds(2, j * 100 + k, value);
      } else {
        store(2, j, k, value);
      }
    }
  }

  auto quinella = [&](int first) {
    for (int l = 1; l <= horses; ++l) {
      const std::string_view line = take();
      for (int m = first; m < first + fk::kQuinellaCount && m <= 18; ++m) {
        store(3, l, m, Decimal(line, Column(fk::kQuinellaStart, m - first)));
      }
    }
  };
  if (horses > 8) {
    skip(fk::kLinesBeforeQuinella);
    quinella(1);
  }
  if (horses > 9) {
    skip(fk::kLinesBeforeQuinella2);
    quinella(1 + fk::kQuinellaCount);
  }

  if (cut) {
    next = std::max(next, cursor);
    return std::nullopt;
  }
  next = cursor;
  odds.FinishPredicted();
  return odds;
}

}  // namespace

std::vector<TOddsData> ParseFkeibadoLog(std::string_view text, int date) {
  char dateText[16];
  std::snprintf(dateText, sizeof dateText, "%08d", date);
  const std::vector<std::string_view> lines = Lines(text);
  std::vector<TOddsData> result;
  std::size_t i = 0;
  while (i < lines.size()) {
    if (!IsHeader(lines[i]) || Field(lines[i], fk::kDate) != dateText) {
      ++i;
      continue;
    }
    std::size_t next = i + 1;
    if (std::optional<TOddsData> odds = ReadBlock(lines, i, next)) result.push_back(std::move(*odds));
    i = next;
  }
  return result;
}

std::vector<TOddsData> ReadFkeibadoLog(const std::string& path, int date) {
  std::string text;
  if (path.empty() || !ReadWholeFile(path, text)) return {};
  return ParseFkeibadoLog(text, date);
}
