// Writes the sample world as a JV-Link feed folder: FEED/<spec>/<timestamp>.jvd
// files of JV-Data records grouped by kind, setup files first and then the
// weekly update files; the real-time files of the last weekend; a KOL
// archive and a FKEIBADO log of predicted odds.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "sample/sample_world.h"

namespace sample {

struct TFeedStats {
  int files = 0;
  std::int64_t bytes = 0;
  std::map<std::string, std::int64_t> records;  // by record id
};

// Writes every file below options.outFolder (created when missing). Throws
// std::runtime_error naming the file when one cannot be written.
// `progress` is called with a short text and a fraction 0..1.
TFeedStats WriteFeed(const TWorld& world, const std::function<void(const std::string&, double)>& progress = {});

}  // namespace sample
