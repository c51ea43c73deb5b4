#include "app/settings_keys.h"

#include <strings.h>

namespace ini {

std::string BatchSection(int variant) { return "Batch" + std::to_string(variant); }

namespace {
constexpr TSettingType I = TSettingType::kInt;
constexpr TSettingType B = TSettingType::kBool;
constexpr TSettingType S = TSettingType::kString;
}  // namespace

const TSettingKey kSettingKeys[] = {
    {kWindow, kTop, I, "0", "main window top"},
    {kWindow, kLeft, I, "0", "main window left"},
    {kWindow, kWidth, I, "0", "main window width"},
    {kWindow, kHeight, I, "0", "main window height"},
    {kWindow, kState, I, "0", "main window state: 0 normal, 1 minimised, 2 maximised"},
    {kJvLink, kDataPath, S, "", "data folder (empty: program folder + DATA/)"},
    {kJvLink, kFirstFileTimeStamp, S, kFirstFileTimeStampDefault, "first timestamp of a full setup"},
    {kJvLink, kLastFileTimeStamp, S, "", "timestamp of the last import"},
    {kJvLink, kCurrentFileTimeStamp, S, "", "resume point of a full setup"},
    {kInPut, kKol, B, "0", "use KOL predicted odds"},
    {kInPut, kKolPath, S, "", "folder of the KOL predicted-odds files"},
    {kInPut, kFkeibado, B, "0", "use FKEIBADO predicted odds"},
    {kInPut, kFkeibadoLog, S, "", "FKEIBADO predicted-odds file"},
    {kInPut, kDownload, S, "", "start folder of the KOL archive dialog"},
    {kOutPut, kYosoPath, S, "", "folder of the detailed prediction texts"},
    {kOutPut, kSniperPath, S, "", "folder of the SNIPER files"},
    {kOutPut, kWarsPath, S, "", "folder of the WARS files"},
    {kOutPut, kOversPath, S, "", "folder of the OVERS files"},
    {kOutPut, kTfExtPath, S, "", "folder of the TARGET external index files"},
    {kOutPut, kTfExtType, I, "0", "TARGET external index type: 0 probability, 1 SP"},
    {kOutPut, kTfCsvPath, S, "", "folder of the TARGET CSV output"},
    {kOutPut, kTfCsvName, S, "", "file name of the TARGET CSV output"},
    {kOutPut, kPad, S, "", "folder of the contest entry outputs"},
    {kWars, kTanMin, I, "0", "WARS win threshold"},
    {kWars, kRenMin, I, "0", "WARS pair threshold"},
    {kWars, kProportion, I, "50", "WARS proportion"},
    {kBatch1, kSelect, I, "0", "race selection of the batch run"},
    {kBatch1, kStart, I, "0", "first position of the last chosen range (default: lowest)"},
    {kBatch1, kEnd, I, "0", "last position of the last chosen range (default: highest)"},
    {kBatch1, kD, I, "0", "write the detailed text"},
    {kBatch1, kS, I, "0", "write SNIPER"},
    {kBatch1, kW, I, "0", "write WARS"},
    {kBatch1, kO, I, "0", "write OVERS"},
    {kBatch1, kT, I, "0", "write the TARGET external index"},
    {kBatch2, kSelect, I, "0", "race selection of the batch run"},
    {kBatch2, kD, I, "0", "write the detailed text"},
    {kBatch2, kS, I, "0", "write SNIPER"},
    {kBatch2, kW, I, "0", "write WARS"},
    {kBatch2, kO, I, "0", "write OVERS"},
    {kBatch2, kT, I, "0", "write the TARGET external index"},
    {kBatch2, kMaxMoneyB, I, "0", "budget of the TARGET purchase CSV"},
    {kRaceList, kSort, I, "1", "sort order of the race list"},
    {kDebug, kPersonList, B, "0", "write the unresolved person names at exit"},
    {kDebug, kTarget, I, "0", "first list the maintenance run rebuilds"},
    {kDebug, kCount, I, "6", "number of lists the maintenance run rebuilds"},
    {kDebug, kBaseTime, B, "0", "write ANA_B.CSV during the maintenance run"},
    {nullptr, nullptr, S, nullptr, nullptr},
};

const TSettingKey* FindSettingKey(const std::string& section, const std::string& key) {
  for (const TSettingKey* row = kSettingKeys; row->section != nullptr; ++row) {
    if (strcasecmp(row->section, section.c_str()) == 0 && strcasecmp(row->key, key.c_str()) == 0) {
      return row;
    }
  }
  return nullptr;
}

}  // namespace ini
