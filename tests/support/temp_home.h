// A fresh temporary program folder for one test.
#pragma once

#include <string>

// Creates a temporary folder, points MIZUNARA_HOME at it and closes the
// settings object; the destructor removes the folder and restores both.
class TTempHome {
 public:
  TTempHome();
  ~TTempHome();
  TTempHome(const TTempHome&) = delete;
  TTempHome& operator=(const TTempHome&) = delete;

  // The folder, ending with "/".
  const std::string& path() const { return path_; }

  // Writes a file below the folder (creating its folders) and returns its path.
  std::string WriteFile(const std::string& relative, const std::string& bytes) const;
  // Reads a file below the folder ("" when missing).
  std::string ReadFile(const std::string& relative) const;

 private:
  std::string path_;
  std::string previousHome_;
  bool hadHome_ = false;
};
