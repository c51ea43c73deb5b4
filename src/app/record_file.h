// Reading a whole file of fixed-length records.
#pragma once

#include <cstddef>
#include <string>

enum class TRecordFileResult {
  kOk,       // `data` holds the whole file, a whole number of records
  kMissing,  // the file does not exist
  kProblem,  // it cannot be opened or its length is not a whole multiple
};

// Reads the file of records of `recordLength` bytes into `data`. A file
// that cannot be opened (size 0) or whose length is not a whole multiple of
// the record length (size = the length) is reported through the file
// problem report; a missing file is reported only when `reportMissing`.
// `data` is empty unless the result is kOk.
TRecordFileResult ReadRecordFile(const std::string& path, std::size_t recordLength, std::string& data,
                                 bool reportMissing = true);

// The number of records of `recordLength` bytes in `data`.
inline std::size_t RecordCount(const std::string& data, std::size_t recordLength) {
  return recordLength == 0 ? 0 : data.size() / recordLength;
}

// Opens the file of records of `recordLength` bytes for appending (creating
// it and its folders): a descriptor opened O_APPEND, or -1 after reporting
// the file through the file problem report when a folder cannot be made,
// the file cannot be opened or is not a plain file, or its length is not a
// whole multiple of the record length (reported with the length).
int OpenRecordFileForAppend(const std::string& path, std::size_t recordLength);
