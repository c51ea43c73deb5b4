// The one report of an unusable file: an error message with the path, a
// line break and the reason.
#pragma once

#include <cstdint>
#include <string>

// What the file system says of a path.
struct TFileAccess {
  bool exists = false;
  bool readable = false;
  bool writable = false;
  bool plainFile = false;  // a regular file, not a folder or device
};

TFileAccess ProbeFileAccess(const std::string& path);

// The first reason that applies, in this order: missing, not readable and
// writable, not readable, not writable, not a plain file ("実行不可能。": a
// record file is never an executable program here, so what cannot be
// executed is whatever is not a file), the size when `size` is not 0.
std::string FileProblemReason(const TFileAccess& access, std::int64_t size);

// The message text: "%s\n" of the path followed by the first reason that
// applies (missing, not readable and writable, not readable, not writable,
// not usable as a file, the size when `size` is not 0), at most 300 bytes.
std::string FileProblemText(const std::string& path, std::int64_t size);

// Shows FileProblemText as an error message through the front end.
void ReportFileProblem(const std::string& path, std::int64_t size);
