// The output folders of the prediction files (section "OutPut").
#pragma once

// Gives the output folders their first-run default: each of "YOSO_PATH",
// "SNIPER_PATH", "WARS_PATH", "OVERS_PATH" and "TF_EXT_PATH" that is empty
// or missing becomes the program folder + "TEXT/", and "TF_EXT_TYPE"
// becomes 0. Keys that hold a value are left alone.
void DefaultOutputFolders();
