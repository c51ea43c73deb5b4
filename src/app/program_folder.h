// The program folder and the data folder.
//
// The program folder is the executable's folder; the environment variable
// MIZUNARA_HOME overrides it. Both folder texts end with "/".
#pragma once

#include <string>

// The program folder, ending with "/".
std::string ProgramFolder();

// The settings file: "Umayado.ini" in the program folder.
std::string SettingsFilePath();

// "JVLINK"/"DATA_PATH" when it is not empty, used exactly as stored (it
// should end with "/"); otherwise the program folder followed by "DATA/".
std::string DataFolder();
