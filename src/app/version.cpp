#include "app/version.h"

#include <cstdio>

#include "app/sjis.h"

const std::string& ProductTitle() { return SJ("ミズナラ for JRA-VAN Data Lab."); }

std::string VersionText() {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "Version %d.%d.%d", MIZUNARA_VERSION_MAJOR, MIZUNARA_VERSION_MINOR,
                MIZUNARA_VERSION_PATCH);
  return buffer;
}

std::string ApplicationTitle() { return ProductTitle() + " " + VersionText(); }
