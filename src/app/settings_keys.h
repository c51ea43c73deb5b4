// Every section and key of the settings file Umayado.ini.
#pragma once

#include <string>

namespace ini {

// Sections.
inline constexpr char kWindow[] = "Window";
inline constexpr char kJvLink[] = "JVLINK";
inline constexpr char kInPut[] = "InPut";
inline constexpr char kOutPut[] = "OutPut";
inline constexpr char kWars[] = "WARS";
inline constexpr char kBatch1[] = "Batch1";  // batch dialog opened from the main menu
inline constexpr char kBatch2[] = "Batch2";  // batch dialog opened from a race list
inline constexpr char kRaceList[] = "RaceList";
inline constexpr char kDebug[] = "DEBUG";

// "Batch" followed by the batch dialog's variant number (1 or 2).
std::string BatchSection(int variant);

// "Window": main window placement; State 0 normal, 1 minimised, 2 maximised.
inline constexpr char kTop[] = "Top";
inline constexpr char kLeft[] = "Left";
inline constexpr char kWidth[] = "Width";
inline constexpr char kHeight[] = "Height";
inline constexpr char kState[] = "State";

// "JVLINK": data folder and download timestamps.
inline constexpr char kDataPath[] = "DATA_PATH";
inline constexpr char kFirstFileTimeStamp[] = "FirstFileTimeStamp";
inline constexpr char kLastFileTimeStamp[] = "LastFileTimeStamp";
inline constexpr char kCurrentFileTimeStamp[] = "CurrentFileTimeStamp";
inline constexpr char kFirstFileTimeStampDefault[] = "00000000000000";

// "InPut": predicted-odds sources and the KOL download folder.
inline constexpr char kKol[] = "KOL";
inline constexpr char kKolPath[] = "KOL_PATH";
inline constexpr char kFkeibado[] = "FKEIBADO";
inline constexpr char kFkeibadoLog[] = "FKEIBADO_LOG";
inline constexpr char kDownload[] = "Download";

// "OutPut": output folders and the TARGET external index type.
inline constexpr char kYosoPath[] = "YOSO_PATH";
inline constexpr char kSniperPath[] = "SNIPER_PATH";
inline constexpr char kWarsPath[] = "WARS_PATH";
inline constexpr char kOversPath[] = "OVERS_PATH";
inline constexpr char kTfExtPath[] = "TF_EXT_PATH";
inline constexpr char kTfExtType[] = "TF_EXT_TYPE";  // 0 probability, 1 ＳＰ
inline constexpr char kTfCsvPath[] = "TF_CSV_PATH";
inline constexpr char kTfCsvName[] = "TF_CSV_NAME";
inline constexpr char kPad[] = "PAD";

// "WARS": output thresholds.
inline constexpr char kTanMin[] = "TanMin";
inline constexpr char kRenMin[] = "RenMin";
inline constexpr char kProportion[] = "Proportion";
inline constexpr int kProportionDefault = 50;

// "Batch1" / "Batch2": race selection, date range and output check boxes.
inline constexpr char kSelect[] = "Select";
inline constexpr char kStart[] = "Start";
inline constexpr char kEnd[] = "End";
inline constexpr char kD[] = "D";  // detailed text
inline constexpr char kS[] = "S";  // SNIPER
inline constexpr char kW[] = "W";  // WARS
inline constexpr char kO[] = "O";  // OVERS
inline constexpr char kT[] = "T";  // TARGET external index
inline constexpr char kMaxMoneyB[] = "MaxMoneyB";  // "Batch2" only

// "RaceList": sort order of the race list.
inline constexpr char kSort[] = "Sort";
inline constexpr int kSortDefault = 1;

// "DEBUG": diagnostic switches.
inline constexpr char kPersonList[] = "PERSONLIST";
inline constexpr char kTarget[] = "TARGET";
inline constexpr char kCount[] = "COUNT";
inline constexpr int kCountDefault = 6;
inline constexpr char kBaseTime[] = "BASETIME";

enum class TSettingType { kInt, kBool, kString };

// One row of the key table: where it lives, its type, the default a read
// gives, and what it means.
struct TSettingKey {
  const char* section;
  const char* key;
  TSettingType type;
  const char* defaultValue;
  const char* meaning;  // English, for the command line
};

// The whole table, ending with a row whose section is null.
extern const TSettingKey kSettingKeys[];

// The row of a section and key (names compared without case), or null.
const TSettingKey* FindSettingKey(const std::string& section, const std::string& key);

}  // namespace ini
