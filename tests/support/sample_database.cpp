#include "support/sample_database.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "analysis/process_objects.h"
#include "import/import_run.h"
#include "import/jvlink_settings.h"
#include "import/local_jvlink.h"
#include "sample/sample_generate.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

// Generates the feed and runs a full setup in a program folder of its own,
// then moves that folder's DATA to `target`.
void BuildDatabase(const std::string& target) {
  TTempHome home;
  TRecordingFrontEnd front;
  CreateProcessObjects();
  WriteSampleFeed(home.path(), 2023, 2024, 5, 0.08);
  {
    TLocalJVLink jvlink;
    TRecordingRunView view;
    TImportRun run(jvlink, view, 11);
    if (!run.Run()) throw std::runtime_error("the full setup of the sample feed failed");
  }
  DestroyProcessObjects();
  fs::copy(home.path() + "DATA", target, fs::copy_options::recursive);
}

}  // namespace

void WriteSampleFeed(const std::string& home, int fromYear, int toYear, std::uint64_t seed, double scale) {
  sample::TSampleOptions options;
  options.outFolder = home + "JVFEED";
  options.fromYear = fromYear;
  options.toYear = toYear;
  options.seed = seed;
  options.scale = scale;
  sample::GenerateSample(options);
  WriteJVLinkSetting(jvlink_ini::kServiceKey, "TESTKEY1");
}

void CopySampleDatabase(const std::string& home) {
  // One database for every test program of a build: it is named after the
  // core library the programs link, so it is built again only when the
  // sample world or the import may have changed.
  const fs::path exe = fs::read_symlink("/proc/self/exe");
  const fs::path base = exe.parent_path();
  fs::path stamp = base.parent_path() / "src" / "libmizunara_core.a";
  if (!fs::exists(stamp)) stamp = exe;
  struct stat st {};
  stat(stamp.c_str(), &st);
  const std::string name =
      "sample-database-" + std::to_string(st.st_mtim.tv_sec) + "-" + std::to_string(st.st_mtim.tv_nsec);
  const fs::path folder = base / name;
  const int lock = open((base / "sample-database.lock").c_str(), O_CREAT | O_RDWR, 0644);
  flock(lock, LOCK_EX);
  if (!fs::exists(folder / "DONE")) {
    // Databases of earlier builds go.
    for (const auto& entry : fs::directory_iterator(base)) {
      if (entry.path().filename().string().rfind("sample-database-", 0) == 0) fs::remove_all(entry.path());
    }
    fs::create_directories(folder);
    BuildDatabase((folder / "DATA").string());
    std::ofstream(folder / "DONE") << "done\n";
  }
  // Copied under the lock, so that no other build's program removes it
  // meanwhile.
  fs::copy(folder / "DATA", fs::path(home) / "DATA", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  flock(lock, LOCK_UN);
  close(lock);
}
