#include "app/output_folders.h"

#include "app/program_folder.h"
#include "app/settings.h"
#include "app/settings_keys.h"

void DefaultOutputFolders() {
  const std::string text = ProgramFolder() + "TEXT/";
  for (const char* key : {ini::kYosoPath, ini::kSniperPath, ini::kWarsPath, ini::kOversPath, ini::kTfExtPath}) {
    DefaultString(ini::kOutPut, key, text);
  }
  DefaultString(ini::kOutPut, ini::kTfExtType, "0");
}
