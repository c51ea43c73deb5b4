#include "support/temp_home.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/settings.h"

TTempHome::TTempHome() {
  const char* previous = std::getenv("MIZUNARA_HOME");
  hadHome_ = previous != nullptr;
  if (hadHome_) previousHome_ = previous;
  std::string pattern = (std::filesystem::temp_directory_path() / "mizunara-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern + "/";
  setenv("MIZUNARA_HOME", path_.c_str(), 1);
  CloseSettings();
}

TTempHome::~TTempHome() {
  CloseSettings();
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  if (hadHome_) {
    setenv("MIZUNARA_HOME", previousHome_.c_str(), 1);
  } else {
    unsetenv("MIZUNARA_HOME");
  }
}

std::string TTempHome::WriteFile(const std::string& relative, const std::string& bytes) const {
  std::filesystem::path full = std::filesystem::path(path_) / relative;
  std::filesystem::create_directories(full.parent_path());
  std::ofstream out(full, std::ios::binary);
  out << bytes;
  return full.string();
}

std::string TTempHome::ReadFile(const std::string& relative) const {
  std::ifstream in(std::filesystem::path(path_) / relative, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}
