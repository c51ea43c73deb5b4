// A database of a small sample world, for tests that need stored races:
// written by a full setup of a generated feed once per build of the test
// program, and copied into each test's program folder.
#pragma once

#include <cstdint>
#include <string>

// Copies the shared sample database (two years, 2023 and 2024, of a small
// world) into `home`'s DATA folder. The first caller of a build generates
// the feed and imports it, under a lock that the other test processes wait
// on.
void CopySampleDatabase(const std::string& home);

// Writes a sample feed of the years `fromYear` to `toYear` into `home`'s
// JVFEED folder, where the local JV-Link reads by default, and sets the
// local JV-Link's service key, so that an import can run on it.
void WriteSampleFeed(const std::string& home, int fromYear, int toYear, std::uint64_t seed, double scale);
