#include "batch/batch_run.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "analysis/score_race.h"
#include "app/file_io.h"
#include "app/front_end.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "batch/prediction_writers.h"
#include "database/horse_reader.h"
#include "database/key_listing.h"
#include "database/race.h"
#include "database/race_reader.h"

namespace {

std::string Section(int variant) { return "Batch" + std::to_string(variant); }

// Starts the analysis file afresh, keeping the last one as ANA.BAK.
void RestartAnalysisFile() {
  const std::string path = ProgramFolder() + "ANA.CSV";
  std::string data;
  if (ReadWholeFile(path, data)) WriteFileAtomically(ProgramFolder() + "ANA.BAK", data);
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace

TBatchOutputs ReadBatchOutputs(int variant) {
  const std::string section = Section(variant);
  TBatchOutputs o;
  o.detail = ReadInteger(section, ini::kD, 0) == 1;
  o.sniper = ReadInteger(section, ini::kS, 0) == 1;
  o.wars = ReadInteger(section, ini::kW, 0) == 1;
  o.overs = ReadInteger(section, ini::kO, 0) == 1;
  o.target = ReadInteger(section, ini::kT, 0) == 1;
  return o;
}

void WriteBatchOutputs(int variant, const TBatchOutputs& o) {
  const std::string section = Section(variant);
  WriteInteger(section, ini::kD, o.detail ? 1 : 0);
  WriteInteger(section, ini::kS, o.sniper ? 1 : 0);
  WriteInteger(section, ini::kW, o.wars ? 1 : 0);
  WriteInteger(section, ini::kO, o.overs ? 1 : 0);
  WriteInteger(section, ini::kT, o.target ? 1 : 0);
}

std::string BatchDateText(int dateNumber) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", dateNumber / 10000 % 10000, dateNumber / 100 % 100,
                dateNumber % 100);
  return text;
}

std::string BatchCaption(const std::string& first, const std::string& last) {
  if (first == last) return SJ("一括予想（") + first + SJ("）");
  return SJ("一括予想（") + first + SJ("～") + last + SJ("）");
}

std::vector<TKeyInfo> TBatchRun::MeetingDays() { return ListKeys(25, kJraRaces); }

TBatchRun::TBatchRun(TRunView& view, int variant) : view_(view), variant_(variant) {}

void TBatchRun::ShowElapsed() {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_).count();
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  view_.SetStatus(0, SJ("経過時間：") + text);
}

TBatchOutcome TBatchRun::RunDays(const std::vector<TKeyInfo>& days, int first, int last, const TBatchOutputs& outputs) {
  TBatchOutcome outcome;
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(days.size()) - 1);
  RestartAnalysisFile();
  start_ = std::chrono::steady_clock::now();
  view_.SetStatus(1, "");
  if (first <= last) {
    maximum_ = (last - first + 1) * kRacesPerDay;
    progress_ = 0;
    view_.SetProgress(0, 0, maximum_);
    for (int d = first; d <= last; ++d) {
      const TKeyInfo& day = days[static_cast<std::size_t>(d)];
      ShowElapsed();
      view_.SetStatus(1, day.Label(true) + SJ("の処理中"));
      std::vector<TRace> races = RacesOfKey(day);
      ++outcome.days;
      if (!ProcessGroup(races, outputs, outcome)) break;
      progress_ = (d - first + 1) * kRacesPerDay;
      view_.SetProgress(0, progress_, maximum_);
    }
  }
  ShowElapsed();
  view_.SetStatus(1, SJ("完了"));
  return outcome;
}

TBatchOutcome TBatchRun::RunRaces(std::vector<TRace> races, const TBatchOutputs& outputs) {
  TBatchOutcome outcome;
  start_ = std::chrono::steady_clock::now();
  view_.SetStatus(1, "");
  maximum_ = static_cast<int>(races.size());
  progress_ = 0;
  view_.SetProgress(0, 0, maximum_);
  ProcessGroup(races, outputs, outcome);
  ShowElapsed();
  view_.SetStatus(1, SJ("完了"));
  return outcome;
}

bool TBatchRun::ProcessGroup(std::vector<TRace>& races, const TBatchOutputs& outputs, TBatchOutcome& outcome) {
  const int select = ReadInteger(Section(variant_), ini::kSelect, 0);
  bool firstWritten = false;
  std::vector<TRace> scored;
  for (TRace& race : races) {
    if (view_.Cancelled()) {
      outcome.stopped = true;
      return false;
    }
    ++outcome.races;
    race.SetHorses(RunnersAsHorses(race, true));
    // "Select" 1 and 2 leave out races with a horse that has never run.
    if ((select == 1 || select == 2) && race.HasDebutant()) continue;
    ScoreRace(race);
    ++outcome.scored;
    if (outputs.detail) {
      WriteDetailText(race, !firstWritten);
      firstWritten = true;
    }
    scored.push_back(race);
    FrontEnd().ProcessPending();
    if (view_.Cancelled()) {
      outcome.stopped = true;
      return false;
    }
    view_.SetProgress(0, ++progress_, maximum_);
    if (progress_ % 12 == 0) ShowElapsed();
  }
  if (scored.empty() || scored.front().DataKind() <= 1) return true;
  std::stable_sort(scored.begin(), scored.end(),
                   [](const TRace& a, const TRace& b) { return static_cast<const TRaceID&>(a) < b; });
  if (outputs.sniper) WriteSniperCsv(scored);
  if (outputs.wars) WriteWarsText(scored);
  if (outputs.overs) WriteOversText(scored);
  if (outputs.target) WriteTargetIndex(scored);
  if (outputs.targetCsv) WriteTargetCsv(scored, ReadInteger("Batch2", ini::kMaxMoneyB, 0));
  if (variant_ == 1) WriteAnalysisCsv(scored);
  return true;
}
