// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include <string>
#include <string_view>

// Reads the whole file into `data`. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& data);

// Writes `data` to a temporary file in the same folder, flushes it to disk
// and renames it over `path`, so that a crash or a full disk never leaves
// half a file where a whole one was. False (and the old file untouched) when
// any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view data);

// Creates the folder and every missing folder above it. False on failure.
bool CreateFolderChain(const std::string& folder);
